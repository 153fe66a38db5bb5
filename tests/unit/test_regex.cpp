#include "framework/Exceptions.h"
#include "framework/RegEx.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct SearchCase {
    const char* name;
    String pattern;
    String target;
    RegExOptions options;
    std::int64_t start;
    std::optional<String> match; // none: no match expected
};

RegExOptions caseSensitive() {
    RegExOptions options;
    options.CaseSensitive = true;
    return options;
}

RegExOptions oneLine() {
    RegExOptions options;
    options.TreatTargetAsOneLine = true;
    return options;
}

RegExOptions lazy() {
    RegExOptions options;
    options.Greedy = false;
    return options;
}

const String kPlist = "<key>V</key><string>1.2</string><key>W</key><string>z</string>";
const String kVersion = "(?<=<key>V</key><string>).+?(?=</string>)";
const String kGreedyVersion = "(?<=<key>V</key><string>).+(?=</string>)";
const String kGreedyValue = "1.2</string><key>W</key><string>z";
const String kJapanese = "\xE6\x97\xA5"; // one character, three bytes

std::shared_ptr<RegExMatch> search(const String& pattern, const String& target,
                                   const RegExOptions& options = {}, std::int64_t start = 0) {
    RegEx regex;
    regex.Options() = options;
    regex.SearchStartPosition(start);
    regex.SearchPattern(pattern);
    return regex.Search(target);
}

String replace(const String& pattern, const String& replacement, const String& target,
               bool all = true, std::int64_t start = 0) {
    RegEx regex;
    regex.Options().CaseSensitive = true;
    regex.Options().ReplaceAllMatches = all;
    regex.SearchStartPosition(start);
    regex.SearchPattern(pattern);
    regex.ReplacementPattern(replacement);
    return regex.Replace(target);
}

TEST(RegEx, SearchFindsTheFirstMatchAsTheOptionsSay) {
    const SearchCase cases[] = {
        {"^ after every line feed", "^b", "a\nb", {}, 0, "b"},
        {"$ before a line feed", "a$", "a\nb", {}, 0, "a"},
        {"$ at the end of a last line without line feed", "b$", "a\nb", {}, 0, "b"},
        {"a CR is not a line end", "a$", "a\r\nb", {}, 0, std::nullopt},
        {"one-line target: ^ only at the start", "^b", "a\nb", oneLine(), 0, std::nullopt},
        {"one-line target: $ only at the end", "a$", "a\nb", oneLine(), 0, std::nullopt},
        {"lazy stops at the first closing tag", kVersion, kPlist, {}, 0, "1.2"},
        {"greedy runs to the last tag", kGreedyVersion, kPlist, {}, 0, kGreedyValue},
        {"Greedy off makes + lazy", kGreedyVersion, kPlist, lazy(), 0, "1.2"},
        {"lookarounds are not part of the match", "(?<=a)b(?=c)", "abc", {}, 0, "b"},
        {"case-insensitive by default", "abc", "xABC", {}, 0, "ABC"},
        {"case-insensitive beyond ASCII", "\xC3\xA9", "\xC3\x89", {}, 0, "\xC3\x89"},
        {"case-sensitive", "abc", "xABC", caseSensitive(), 0, std::nullopt},
        {"\\s takes line feeds", "^\\s+", "a\n \n\tb", {}, 0, " \n\t"},
        {"negated class", "\\t[^\\t\\n]+$", "a\tb\tc d\ne", {}, 0, "\tc d"},
        {"start in bytes after a three-byte character", "a", kJapanese + "aa", {}, 4, "a"},
        {"start at the end", "$", "ab", {}, 2, ""},
        {"start past the end", "a", "ab", {}, 3, std::nullopt},
        {"bytes before the start are not read", "b", String("\xFF") + "ab", {}, 2, "b"},
        {"NUL bytes", String("\\x00c\0", 6), String("b\0c\0", 4), {}, 0, String("\0c\0", 3)},
    };
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto match = search(c.pattern, c.target, c.options, c.start);
        ASSERT_EQ(match != nullptr, c.match.has_value());
        if (!match)
            continue;
        EXPECT_EQ(match->SubExpressionString(0), *c.match);
    }
}

TEST(RegEx, MatchGivesEveryGroupWhetherSetOrNot) {
    const auto match = search("(a)(x)?(b)", "zab");
    ASSERT_TRUE(match);
    ASSERT_EQ(match->SubExpressionCount(), 4);
    EXPECT_EQ(match->SubExpressionString(0), "ab");
    EXPECT_EQ(match->SubExpressionString(1), "a");
    EXPECT_EQ(match->SubExpressionString(2), "");
    EXPECT_EQ(match->SubExpressionString(3), "b");
    EXPECT_THROW(match->SubExpressionString(4), OutOfBoundsException);
    EXPECT_THROW(match->SubExpressionString(-1), OutOfBoundsException);
}

TEST(RegEx, OptionsChangedAfterThePatternApplyToTheNextSearch) {
    RegEx regex;
    regex.SearchPattern("abc");
    EXPECT_TRUE(regex.Search("ABC"));
    regex.Options().CaseSensitive = true;
    EXPECT_FALSE(regex.Search("ABC"));
    EXPECT_TRUE(regex.Search("abc"));
}

TEST(RegEx, ReplaceFirstOrAllMatches) {
    struct Case {
        const char* name;
        String pattern, replacement, target;
        bool all;
        std::int64_t start;
        String expected;
    } const cases[] = {
        {"first only", "a", "-", "banana", false, 0, "b-nana"},
        {"all", "a", "-", "banana", true, 0, "b-n-n-"},
        {"empty replacement drops the last column of every line", "\\t[^\\t\\n]+$", "",
         "a\tb\tc\nd\te\n\tf\ng\t\nh", true, 0, "a\tb\nd\n\ng\t\nh"},
        {"leading whitespace of every line, blank lines included", "^\\s+", "",
         "<a>\n  <b>\n\n   <c>  \n", true, 0, "<a>\n<b>\n<c>  \n"},
        {"line feeds", "\\n", "", "a\nb\n", true, 0, "ab"},
        {"back-references with \\ and $", "(\\w+)=(\\w+)", "\\2:$1 ($0)", "k=v, x=y", true, 0,
         "v:k (k=v), y:x (x=y)"},
        {"a group that took no part gives nothing", "a(x)?", "[\\1]", "ab", true, 0, "[]b"},
        {"a reference past the last group gives nothing", "a", "[\\7]", "ab", true, 0, "[]b"},
        {"other backslashes and dollars are literal", "a", "\\n$x\\", "ab", true, 0, "\\n$x\\b"},
        {"empty matches between characters", "x*", "-", "abc", true, 0, "-a-b-c-"},
        {"an empty match right after a match", "a*", "-", "baac", true, 0, "-b--c-"},
        {"no match leaves the target unchanged", "q", "-", "abc", true, 0, "abc"},
        {"text before the start position is kept", "a", "", "aXa", true, 1, "aX"},
        {"start past the end", "a", "", "aa", true, 5, "aa"},
        {"characters after a multi-byte one", "a", "b", kJapanese + "a" + kJapanese, true, 0,
         kJapanese + "b" + kJapanese},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(replace(c.pattern, c.replacement, c.target, c.all, c.start), c.expected);
    }
}

TEST(RegEx, RejectedPatternCarriesTheEngineMessageAndOffset) {
    struct Case {
        String pattern;
        const char* message;
    } const cases[] = {
        {"(", "missing closing parenthesis at offset 1"},
        {"a{2,1}", "numbers out of order in {} quantifier at offset 5"},
        {"(?<=a+)b", "lookbehind assertion is not fixed length at offset 0"},
        {"\xFF", "UTF-8 error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        RegEx regex;
        try {
            regex.SearchPattern(c.pattern);
            ADD_FAILURE() << "pattern accepted";
        } catch (const RegExSearchPatternException& error) {
            EXPECT_NE(error.Message.find(c.message), String::npos) << error.Message;
            EXPECT_NE(error.ErrorNumber, 0);
        }
        // The pattern stays rejected for later searches too.
        EXPECT_THROW(regex.Search("a"), RegExSearchPatternException);
    }
}

TEST(RegEx, FailedSearchRaisesRegExException) {
    struct Case {
        const char* name;
        String pattern, target;
        std::int64_t start;
        const char* message;
    } const cases[] = {
        {"invalid UTF-8", "b", String("a\xFF") + "b", 0, "UTF-8 error"},
        {"cut UTF-8 sequence at the end", "b", "ab\xE6\x97", 0, "UTF-8 error"},
        {"UTF-16 surrogate", "b", "a\xED\xA0\x80", 0, "UTF-8 error"},
        {"overlong form", "b", "a\xC0\xAF", 0, "UTF-8 error"},
        {"past U+10FFFF", "b", "a\xF5\x80\x80\x80", 0, "UTF-8 error"},
        {"lone continuation byte", "b", "a\x80\x80", 0, "UTF-8 error"},
        {"start inside a character", "a", kJapanese + "a", 1, "offset"},
        {"runaway backtracking", "(a|aa)+$", String(40, 'a') + "b", 0, "limit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const bool replaceAll : {false, true}) {
            RegEx regex;
            regex.Options().ReplaceAllMatches = replaceAll;
            regex.SearchStartPosition(c.start);
            regex.SearchPattern(c.pattern);
            try {
                if (replaceAll)
                    regex.Replace(c.target);
                else
                    regex.Search(c.target);
                ADD_FAILURE() << "no exception";
            } catch (const RegExException& error) {
                EXPECT_NE(error.Message.find(c.message), String::npos) << error.Message;
            }
        }
    }
    EXPECT_THROW(RegEx().SearchStartPosition(-1), OutOfBoundsException);
}

TEST(RegEx, LongLinesAndManyMatches) {
    const String column(100000, 'x');
    String text;
    for (int line = 0; line < 50; ++line)
        text += column + "\t" + column + "\t" + column + "\n";
    String expected;
    for (int line = 0; line < 50; ++line)
        expected += column + "\t" + column + "\n";
    EXPECT_EQ(replace("\\t[^\\t\\n]+$", "", text), expected);

    const String plist = "<key>V</key><string>" + column + "</string>";
    const auto match = search(kVersion, plist + plist);
    ASSERT_TRUE(match);
    EXPECT_EQ(match->SubExpressionString(0), column);

    const auto backtracking = search("^(?:x|y)*$", column);
    ASSERT_TRUE(backtracking);
    EXPECT_EQ(backtracking->SubExpressionString(0).size(), column.size());
}

// A long text of ASCII only is matched without UTF, which must change no
// answer: the same text with one more, non-ASCII character at its end is
// matched with UTF.
TEST(RegEx, LongAsciiTextsMatchAsWithUtf8) {
    String ascii;
    for (int line = 0; line < 20000; ++line)
        ascii += "Key" + std::to_string(line) + "\tvalue\tcid\n";
    const String withUtf8 = ascii + kJapanese;
    for (const String pattern :
         {"\\t[^\\t\\n]+$", "(?i)KEY1\\d{3}\\t", "\\x{100}|cid$", "\\bv\\w+"}) {
        SCOPED_TRACE(pattern);
        EXPECT_EQ(replace(pattern, "<$0>", ascii) + kJapanese, replace(pattern, "<$0>", withUtf8));
        const auto inAscii = search(pattern, ascii, RegExOptions(), 30000);
        const auto inUtf8 = search(pattern, withUtf8, RegExOptions(), 30000);
        ASSERT_TRUE(inAscii && inUtf8);
        EXPECT_EQ(inAscii->SubExpressionString(0), inUtf8->SubExpressionString(0));
    }
}

} // namespace
