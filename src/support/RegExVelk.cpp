#include "RegExVelk.h"

#include "framework/Exceptions.h"
#include "framework/Localization.h"
#include "framework/MsgBox.h"

namespace RegExVelk {

std::shared_ptr<RegEx> reg;

namespace {

void showEngineError(const RegExException& error) {
    MsgBox("RegEx error: " + String(Str::EndOfLine) + error.Message);
}

// Replacing a bare anchor or word boundary would only insert the replacement
// everywhere, so such a pattern is refused rather than run.
bool isLoneMetacharacter(const String& pattern) {
    for (const char* metacharacter : {"^", "$", "\\b"}) {
        if (pattern == metacharacter)
            return true;
    }
    return false;
}

} // namespace

void MakeRegEx() {
    reg = std::make_shared<RegEx>();
}

String MachStr(const String& text, const String& pattern, std::int64_t start, bool caseSensitive) {
    if (Str::Bytes(text) == 0)
        return {};
    if (Str::Bytes(pattern) == 0)
        return {};

    try {
        MakeRegEx();

        reg->Options().CaseSensitive = caseSensitive;

        // Callers count characters; the engine counts bytes.
        reg->SearchStartPosition(Str::Bytes(Str::Left(text, start)));

        reg->SearchPattern(pattern);

        const std::shared_ptr<RegExMatch> match = reg->Search(text);
        if (!match)
            return {};
        return match->SubExpressionString(0);
    } catch (const RegExException& error) {
        showEngineError(error);
        return {};
    }
}

String ReplaceAll(const String& text, const String& pattern, const String& replacement,
                  bool caseSensitive) {
    if (Str::Bytes(text) == 0)
        return text;
    if (Str::Bytes(pattern) == 0)
        return text;

    if (isLoneMetacharacter(pattern)) {
        MsgBox(kAlert_Metacharacters(""));
        return text;
    }

    try {
        MakeRegEx();

        reg->Options().ReplaceAllMatches = true;
        reg->Options().CaseSensitive = caseSensitive;

        reg->SearchStartPosition(0);

        reg->SearchPattern(pattern);
        reg->ReplacementPattern(replacement);

        return reg->Replace(text);
    } catch (const RegExException& error) {
        showEngineError(error);
        return {};
    }
}

String kAlert_Metacharacters(const String& lang) {
    //% "Metacharacters ^ $ \\b cannot be used alone."
    return System::GetLocalizedString(LocalizedKey("RegExVelk.kAlert_Metacharacters"),
                                      "Metacharacters ^ $ \\b cannot be used alone.", lang);
}

} // namespace RegExVelk
