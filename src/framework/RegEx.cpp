#include "RegEx.h"

#include "Exceptions.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

// Bounds that turn a runaway pattern into an error instead of a hang or an
// exhausted machine. Ordinary patterns stay far below them, even on
// 100,000-character lines.
constexpr std::uint32_t kMatchLimit = 10'000'000;
constexpr std::uint32_t kDepthLimit = 10'000'000;
constexpr std::uint32_t kHeapLimitKiB = 512U * 1024U;
constexpr PCRE2_SIZE kJitStackStart = PCRE2_SIZE{32} * 1024;
constexpr PCRE2_SIZE kJitStackMax = PCRE2_SIZE{64} * 1024 * 1024;

String errorText(int code) {
    PCRE2_UCHAR buffer[256];
    if (pcre2_get_error_message(code, buffer, sizeof buffer) < 0)
        return "regular expression error " + std::to_string(code);
    return reinterpret_cast<const char*>(buffer);
}

template <typename T, void (*Free)(T*)> struct Freer {
    void operator()(T* object) const { Free(object); }
};
template <typename T, void (*Free)(T*)> using Owned = std::unique_ptr<T, Freer<T, Free>>;

// Contexts shared by every pattern of a thread: line feed as the only line
// end, and the limits above. The JIT stack grows on demand up to its maximum.
struct Contexts {
    Owned<pcre2_compile_context, pcre2_compile_context_free> compile{
        pcre2_compile_context_create(nullptr)};
    Owned<pcre2_match_context, pcre2_match_context_free> match{pcre2_match_context_create(nullptr)};
    Owned<pcre2_jit_stack, pcre2_jit_stack_free> jitStack{
        pcre2_jit_stack_create(kJitStackStart, kJitStackMax, nullptr)};

    Contexts() {
        if (!compile || !match)
            throw RegExException("Out of memory for the regular expression engine");
        pcre2_set_newline(compile.get(), PCRE2_NEWLINE_LF);
        pcre2_set_match_limit(match.get(), kMatchLimit);
        pcre2_set_depth_limit(match.get(), kDepthLimit);
        pcre2_set_heap_limit(match.get(), kHeapLimitKiB);
        if (jitStack)
            pcre2_jit_stack_assign(match.get(), nullptr, jitStack.get());
    }
};

Contexts& contexts() {
    thread_local Contexts shared;
    return shared;
}

std::uint32_t compileFlags(const RegExOptions& options) {
    std::uint32_t flags = PCRE2_UTF;
    if (!options.CaseSensitive)
        flags |= PCRE2_CASELESS;
    if (!options.Greedy)
        flags |= PCRE2_UNGREEDY;
    if (!options.TreatTargetAsOneLine)
        flags |= PCRE2_MULTILINE;
    return flags;
}

enum class TextKind { Ascii, Utf8, IllFormed };

// ASCII only, or else well-formed UTF-8 exactly as PCRE2 defines it: no
// overlong forms, surrogates, code points past U+10FFFF or cut sequences.
// Runs of ASCII go eight at a time.
TextKind kindOf(std::string_view text) {
    const auto* byte = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = byte + text.size();
    TextKind kind = TextKind::Ascii;
    while (byte < end) {
        if (end - byte >= 8) {
            std::uint64_t eight = 0;
            std::memcpy(&eight, byte, 8);
            if ((eight & 0x8080808080808080) == 0) {
                byte += 8;
                continue;
            }
        }
        if (*byte < 0x80) {
            ++byte;
            continue;
        }
        kind = TextKind::Utf8;
        const unsigned char lead = *byte;
        const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        if (lead < 0xC2 || lead > 0xF4 || end - byte < length || byte[1] < low || byte[1] > high)
            return TextKind::IllFormed;
        for (int i = 2; i < length; ++i) {
            if ((byte[i] & 0xC0) != 0x80)
                return TextKind::IllFormed;
        }
        byte += length;
    }
    return kind;
}

// PCRE2 checks a subject's UTF-8 at every call, which would make a loop over
// the matches of a long text quadratic. One check here lets every call skip
// it; a subject that fails, or a start inside a character, is left to PCRE2's
// own check, so that its message is the one reported.
std::uint32_t utfCheckOption(std::string_view subject, std::size_t offset, TextKind kind) {
    const bool startsCharacter =
        offset == subject.size() || (static_cast<unsigned char>(subject[offset]) & 0xC0) != 0x80;
    return startsCharacter && kind != TextKind::IllFormed ? PCRE2_NO_UTF_CHECK : 0;
}

// On a subject of ASCII only, a pattern of ASCII only matches alike with and
// without UTF, and PCRE2 runs faster without. For a short subject a second
// compilation would cost more than it saves.
constexpr std::size_t byteModeMinimum = std::size_t{64} * 1024;

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (static_cast<unsigned char>(c) & 0x80) == 0; });
}

// A replacement pattern cut into literal runs and group references.
struct Piece {
    std::string_view literal;
    int group = -1;
};

std::vector<Piece> parseReplacement(std::string_view pattern) {
    std::vector<Piece> pieces;
    std::size_t literalStart = 0;
    for (std::size_t i = 0; i + 1 < pattern.size(); ++i) {
        const bool marker = pattern[i] == '\\' || pattern[i] == '$';
        const char next = pattern[i + 1];
        if (!marker || next < '0' || next > '9')
            continue;
        pieces.push_back({pattern.substr(literalStart, i - literalStart)});
        pieces.push_back({{}, next - '0'});
        literalStart = i + 2;
        ++i;
    }
    pieces.push_back({pattern.substr(literalStart)});
    return pieces;
}

} // namespace

// A compiled pattern with its reusable match data; for long subjects of
// ASCII only, also compiled without UTF.
class RegEx::Compiled {
public:
    Compiled(const String& pattern, std::uint32_t flags)
        : pattern_(pattern), flags_(flags), code_(compile(pattern, flags)) {
        if (!code_)
            throw RegExSearchPatternException(
                errorText(error_) + " at offset " + std::to_string(errorOffset_), error_);
        matchData_.reset(pcre2_match_data_create_from_pattern(code_.get(), nullptr));
        if (!matchData_)
            throw RegExException("Out of memory for the regular expression engine");
        std::uint32_t captures = 0;
        pcre2_pattern_info(code_.get(), PCRE2_INFO_CAPTURECOUNT, &captures);
        groupCount_ = static_cast<int>(captures) + 1;
    }

    std::uint32_t flags() const { return flags_; }
    int groupCount() const { return groupCount_; }
    const PCRE2_SIZE* ovector() const { return pcre2_get_ovector_pointer(matchData_.get()); }

    // Chooses the compilation for the matches in `subject` that follow.
    void useFor(std::string_view subject, TextKind kind) {
        active_ = code_.get();
        bytes_ = false;
        if (kind == TextKind::Ascii && subject.size() >= byteModeMinimum && isAscii(pattern_)) {
            if (!byteCode_ && !byteCodeFailed_) {
                byteCode_ = compile(pattern_, flags_ & ~PCRE2_UTF);
                byteCodeFailed_ = !byteCode_;
            }
            if (byteCode_) {
                active_ = byteCode_.get();
                bytes_ = true;
            }
        }
        std::size_t jitSize = 0;
        pcre2_pattern_info(active_, PCRE2_INFO_JITSIZE, &jitSize);
        jitted_ = jitSize > 0;
    }

    // Whether the subject matches from byte `offset` on.
    bool match(std::string_view subject, std::size_t offset, std::uint32_t options) {
        // PCRE2's fast path skips the checks of the subject's UTF-8, so it
        // serves only a subject already known to be well-formed.
        const bool fast = jitted_ && (bytes_ || (options & PCRE2_NO_UTF_CHECK) != 0);
        const auto text = reinterpret_cast<PCRE2_SPTR>(subject.data());
        const int result = fast ? pcre2_jit_match(active_, text, subject.size(), offset, options,
                                                  matchData_.get(), contexts().match.get())
                                : pcre2_match(active_, text, subject.size(), offset, options,
                                              matchData_.get(), contexts().match.get());
        if (result == PCRE2_ERROR_NOMATCH)
            return false;
        if (result < 0)
            throw RegExException(errorText(result), result);
        // \K inside a lookaround, which older PCRE2 releases allow, can put a
        // match's start before the search offset or after its end.
        const PCRE2_SIZE* range = ovector();
        if (range[0] < offset || range[1] < range[0])
            throw RegExException("\\K is not supported inside a lookaround");
        return true;
    }

private:
    using Code = Owned<pcre2_code, pcre2_code_free>;

    // Without JIT support the interpreter does the same work, only slower.
    Code compile(const String& pattern, std::uint32_t flags) {
        Code code(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(), flags,
                                &error_, &errorOffset_, contexts().compile.get()));
        if (code)
            pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE);
        return code;
    }

    String pattern_;
    std::uint32_t flags_;
    int error_ = 0;
    PCRE2_SIZE errorOffset_ = 0;
    Code code_;
    Code byteCode_;
    bool byteCodeFailed_ = false;
    const pcre2_code* active_ = nullptr;
    bool bytes_ = false;
    bool jitted_ = false;
    int groupCount_ = 1;
    Owned<pcre2_match_data, pcre2_match_data_free> matchData_;
};

String RegExMatch::SubExpressionString(int number) const {
    if (number < 0 || number >= SubExpressionCount())
        throw OutOfBoundsException("No sub-expression " + std::to_string(number));
    return groups_[static_cast<std::size_t>(number)];
}

RegEx::RegEx() = default;

RegEx::~RegEx() = default;

void RegEx::SearchPattern(const String& pattern) {
    searchPattern_ = pattern;
    compiled_.reset();
    compiled();
}

void RegEx::SearchStartPosition(std::int64_t byteOffset) {
    if (byteOffset < 0)
        throw OutOfBoundsException("The search start position cannot be negative");
    searchStartPosition_ = byteOffset;
}

RegEx::Compiled& RegEx::compiled() {
    const std::uint32_t flags = compileFlags(options_);
    if (!compiled_ || compiled_->flags() != flags)
        compiled_ = std::make_unique<Compiled>(searchPattern_, flags);
    return *compiled_;
}

std::shared_ptr<RegExMatch> RegEx::Search(const String& target) {
    Compiled& regex = compiled();
    const auto start = static_cast<std::size_t>(searchStartPosition_);
    if (start > target.size())
        return nullptr;
    const TextKind kind = kindOf(target);
    regex.useFor(target, kind);
    if (!regex.match(target, start, utfCheckOption(target, start, kind)))
        return nullptr;
    const PCRE2_SIZE* range = regex.ovector();
    std::vector<String> groups;
    groups.reserve(static_cast<std::size_t>(regex.groupCount()));
    for (int number = 0; number < regex.groupCount(); ++number) {
        const PCRE2_SIZE begin = range[std::size_t{2} * number];
        groups.push_back(
            begin == PCRE2_UNSET ? String() : target.substr(begin, range[2 * number + 1] - begin));
    }
    return std::shared_ptr<RegExMatch>(new RegExMatch(std::move(groups)));
}

String RegEx::Replace(const String& target) {
    Compiled& regex = compiled();
    const auto start = static_cast<std::size_t>(searchStartPosition_);
    if (start > target.size())
        return target;
    const std::vector<Piece> pieces = parseReplacement(replacementPattern_);
    const std::string_view subject(target);
    String result;
    result.reserve(target.size());
    std::size_t copied = 0;
    std::size_t offset = start;
    const TextKind kind = kindOf(subject);
    regex.useFor(subject, kind);
    std::uint32_t flags = utfCheckOption(subject, start, kind);
    while (regex.match(subject, offset, flags)) {
        const PCRE2_SIZE* range = regex.ovector();
        result.append(subject.substr(copied, range[0] - copied));
        for (const Piece& piece : pieces) {
            result.append(piece.literal);
            if (piece.group < 0 || piece.group >= regex.groupCount())
                continue;
            const PCRE2_SIZE begin = range[std::size_t{2} * piece.group];
            if (begin != PCRE2_UNSET)
                result.append(subject.substr(begin, range[2 * piece.group + 1] - begin));
        }
        copied = range[1];
        if (!options_.ReplaceAllMatches)
            break;
        // After an empty match, the next one must not be empty at the same place.
        flags = PCRE2_NO_UTF_CHECK | (range[0] == range[1] ? PCRE2_NOTEMPTY_ATSTART : 0);
        offset = range[1];
    }
    result.append(subject.substr(copied));
    return result;
}
