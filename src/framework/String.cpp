#include "String.h"

#include "Collator.h"

#include <unicode/ustring.h>

#include <algorithm>

namespace {

bool isAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool isValidUtf8(std::string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8(nullptr, 0, &length, text.data(), static_cast<int32_t>(text.size()), &status);
    return status != U_INVALID_CHAR_FOUND && status != U_ILLEGAL_CHAR_FOUND;
}

// Collators are costly to open; one per strength serves the whole run.
const Collator& collator(ComparisonOptions options) {
    if (options == ComparisonOptions::CaseSensitive) {
        static const Collator identical(Collator::UserLocale(), Collator::Strength::Identical);
        return identical;
    }
    static const Collator secondary(Collator::UserLocale(), Collator::Strength::Secondary);
    return secondary;
}

} // namespace

namespace Str {

std::int64_t Bytes(std::string_view text) {
    return static_cast<std::int64_t>(text.size());
}

String Left(std::string_view text, std::int64_t count) {
    std::size_t end = 0;
    for (std::int64_t taken = 0; end < text.size() && taken < count; ++taken) {
        ++end;
        while (end < text.size() && isContinuationByte(text[end]))
            ++end;
    }
    return String(text.substr(0, end));
}

String Trim(String text) {
    std::size_t end = text.size();
    while (end > 0 && isAsciiSpace(text[end - 1]))
        --end;
    text.erase(end);
    std::size_t begin = 0;
    while (begin < text.size() && isAsciiSpace(text[begin]))
        ++begin;
    text.erase(0, begin);
    return text;
}

String TrimRight(String text, std::string_view characters) {
    const std::size_t last = text.find_last_not_of(characters);
    text.erase(last == String::npos ? 0 : last + 1);
    return text;
}

String ReplaceLineEndings(String text, std::string_view lineEnd) {
    if (lineEnd == "\n" && text.find('\r') == String::npos)
        return text;
    const std::string_view view = text;
    String result;
    result.reserve(view.size());
    // One fast search per kind of line end, renewed only once passed:
    // find_first_of tests the text byte by byte, which made this the slowest
    // step of reading a large mapping file.
    std::size_t nextCr = view.find('\r');
    std::size_t nextLf = view.find('\n');
    std::size_t start = 0;
    while (start < view.size()) {
        if (nextCr < start)
            nextCr = view.find('\r', start);
        if (nextLf < start)
            nextLf = view.find('\n', start);
        const std::size_t found = std::min(nextCr, nextLf);
        if (found == std::string_view::npos) {
            result.append(view.substr(start));
            break;
        }
        result.append(view.substr(start, found - start));
        result.append(lineEnd);
        const bool crlf = view[found] == '\r' && found + 1 < view.size() && view[found + 1] == '\n';
        start = found + (crlf ? 2 : 1);
    }
    return result;
}

String Replace(String text, std::string_view oldText, std::string_view newText) {
    const std::size_t found = oldText.empty() ? String::npos : text.find(oldText);
    if (found != String::npos)
        text.replace(found, oldText.size(), newText);
    return text;
}

std::vector<String> Split(std::string_view text, std::string_view separator) {
    std::vector<String> fields;
    if (separator.empty()) {
        fields.emplace_back(text);
        return fields;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t found = text.find(separator, start);
        if (found == std::string_view::npos) {
            fields.emplace_back(text.substr(start));
            return fields;
        }
        fields.emplace_back(text.substr(start, found - start));
        start = found + separator.size();
    }
}

int Compare(std::string_view a, std::string_view b, ComparisonOptions options) {
    // Equal bytes are by far the most common case when two versions are compared.
    if (a == b)
        return 0;
    // The identical level decides what the other levels leave equal, by the
    // texts' normalized code points: only canonically equivalent texts give 0.
    const std::optional<int> order = collator(options).Order(a, b);
    // Ill-formed bytes all read as U+FFFD; such texts are told apart by their
    // bytes, as are texts too long for the collator.
    if (!order || (*order == 0 && !(isValidUtf8(a) && isValidUtf8(b))))
        return a < b ? -1 : 1;
    return *order;
}

} // namespace Str
