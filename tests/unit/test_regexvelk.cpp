#include "support/RegExVelk.h"

#include "framework/Exceptions.h"

#include "ModalAnswer.h"

#include <gtest/gtest.h>

namespace {

const String kMetacharacters = "Metacharacters ^ $ \\b cannot be used alone.";
const String kJapanese = "\xE6\x97\xA5"; // one character, three bytes

// The message PCRE2 gives for a pattern, as RegExVelk would show it.
String engineError(const String& pattern) {
    try {
        RegEx().SearchPattern(pattern);
    } catch (const RegExException& error) {
        return "RegEx error: \n" + error.Message;
    }
    return {};
}

QStringList shownTexts(const ModalAnswer& answer) {
    QStringList texts;
    for (const ModalAnswer::Seen& seen : answer.dialogs())
        texts << seen.text;
    return texts;
}

class RegExVelkTest : public ::testing::Test {
protected:
    void SetUp() override { RegExVelk::reg.reset(); }
};

TEST_F(RegExVelkTest, EmptyTextOrPatternReturnsAtOnceWithoutMessage) {
    struct Case {
        const char* name;
        String text, pattern, machStr, replaceAll;
    } const cases[] = {
        {"empty text", "", "a", "", ""},
        {"empty pattern", "abc", "", "", "abc"},
        {"empty text before the metacharacter test", "", "^", "", ""},
        {"empty text with a bad pattern", "", "(", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ModalAnswer answer;
        EXPECT_EQ(RegExVelk::MachStr(c.text, c.pattern, 0, true), c.machStr);
        EXPECT_EQ(RegExVelk::ReplaceAll(c.text, c.pattern, "-", true), c.replaceAll);
        EXPECT_TRUE(answer.dialogs().isEmpty());
        EXPECT_FALSE(RegExVelk::reg) << "the engine was touched";
    }
}

TEST_F(RegExVelkTest, LoneMetacharacterIsRefusedWithTheLocalizedMessage) {
    EXPECT_EQ(RegExVelk::kAlert_Metacharacters(""), kMetacharacters);
    EXPECT_NE(RegExVelk::kAlert_Metacharacters("ja"), kMetacharacters)
        << "the Japanese localization does not find the key";
    for (const String pattern : {"^", "$", "\\b"}) {
        SCOPED_TRACE(pattern);
        const ModalAnswer answer;
        EXPECT_EQ(RegExVelk::ReplaceAll("a b\nc", pattern, "-", true), "a b\nc");
        EXPECT_EQ(shownTexts(answer), QStringList{QString::fromStdString(kMetacharacters)});
        EXPECT_FALSE(RegExVelk::reg) << "the engine was touched";
    }
}

TEST_F(RegExVelkTest, TextEqualityIsCaseSensitiveSoANonBoundaryIsAnOrdinaryPattern) {
    const ModalAnswer answer;
    EXPECT_EQ(RegExVelk::ReplaceAll("ab", "\\B", "-", true), "a-b");
    EXPECT_TRUE(answer.dialogs().isEmpty());
}

TEST_F(RegExVelkTest, ReplaceAllReplacesEveryMatchSilently) {
    struct Case {
        const char* name;
        String text, pattern, replacement;
        bool caseSensitive;
        String expected;
    } const cases[] = {
        {"last column of every line", "k\tv\tx\nk2\tv2\tlong text\nk3\t\n", "\\t[^\\t\\n]+$", "",
         true, "k\tv\nk2\tv2\nk3\t\n"},
        {"leading whitespace of every line", "<dict>\n\t<key>K</key>\n\n    <string>1</string>\n",
         "^\\s+", "", true, "<dict>\n<key>K</key>\n<string>1</string>\n"},
        {"line feeds", "a\nb\n\nc", "\\n", "", true, "abc"},
        {"a pattern holding ^ is not refused", "^a", "^\\^", "", true, "a"},
        {"no match", "abc", "x", "-", true, "abc"},
        {"case-sensitive", "aAa", "a", "-", true, "-A-"},
        {"case-insensitive", "aAa", "a", "-", false, "---"},
        {"back-reference", "k=v", "(\\w)=(\\w)", "$2=$1", true, "v=k"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ModalAnswer answer;
        EXPECT_EQ(RegExVelk::ReplaceAll(c.text, c.pattern, c.replacement, c.caseSensitive),
                  c.expected);
        EXPECT_TRUE(answer.dialogs().isEmpty());
    }
}

TEST_F(RegExVelkTest, MachStrReturnsTheWholeFirstMatch) {
    const String plist = "<key>CFBundleShortVersionString</key><string>3.2</string>"
                         "<key>CFBundleVersion</key><string>3260</string>"
                         "<key>CFBundleVersion</key><string>9999</string>";
    struct Case {
        const char* name;
        String text, pattern;
        std::int64_t start;
        bool caseSensitive;
        String expected;
    } const cases[] = {
        {"lookbehind and lazy match", plist,
         "(?<=<key>CFBundleVersion</key><string>).+?(?=</string>)", 0, true, "3260"},
        {"key in other letter case, case-sensitive", plist,
         "(?<=<key>cfbundleversion</key><string>).+?(?=</string>)", 0, true, ""},
        {"key in other letter case, case-insensitive", plist,
         "(?<=<key>cfbundleversion</key><string>).+?(?=</string>)", 0, false, "3260"},
        {"whole match, not a group", "key=value", "key=(\\w+)", 0, true, "key=value"},
        {"start counted in characters", kJapanese + "ab", "a|b", 2, true, "b"},
        {"start past the end", "ab", "a|b", 5, true, ""},
        {"no match", "abc", "x", 0, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ModalAnswer answer;
        EXPECT_EQ(RegExVelk::MachStr(c.text, c.pattern, c.start, c.caseSensitive), c.expected);
        EXPECT_TRUE(answer.dialogs().isEmpty());
    }
}

TEST_F(RegExVelkTest, EveryCallWorksOnAFreshEngineObject) {
    EXPECT_EQ(RegExVelk::MachStr(kJapanese + "ab", "b", 2, true), "b");
    const std::shared_ptr<RegEx> first = RegExVelk::reg;
    ASSERT_TRUE(first);
    EXPECT_EQ(first->SearchStartPosition(), 4) << "start 2 is byte 4 after a three-byte character";
    EXPECT_TRUE(first->Options().CaseSensitive);
    EXPECT_FALSE(first->Options().ReplaceAllMatches);

    EXPECT_EQ(RegExVelk::ReplaceAll("aA", "a", "", false), "");
    ASSERT_NE(RegExVelk::reg, first);
    EXPECT_EQ(RegExVelk::reg->SearchStartPosition(), 0);
    EXPECT_FALSE(RegExVelk::reg->Options().CaseSensitive);
    EXPECT_TRUE(RegExVelk::reg->Options().ReplaceAllMatches);
    EXPECT_TRUE(RegExVelk::reg->Options().Greedy);
    EXPECT_FALSE(RegExVelk::reg->Options().TreatTargetAsOneLine);
}

TEST_F(RegExVelkTest, EngineErrorIsShownAndGivesTheEmptyText) {
    const String unbalanced = engineError("(");
    ASSERT_NE(unbalanced, "");
    struct Case {
        const char* name;
        String text, pattern, expectedMessage;
    } const cases[] = {
        {"unbalanced pattern", "abc", "(", unbalanced},
        {"text that is not UTF-8", "a\xFF", "a", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ModalAnswer answer;
        EXPECT_EQ(RegExVelk::MachStr(c.text, c.pattern, 0, true), "");
        EXPECT_EQ(RegExVelk::ReplaceAll(c.text, c.pattern, "", true), "");
        const QStringList texts = shownTexts(answer);
        ASSERT_EQ(texts.size(), 2);
        for (const QString& text : texts) {
            EXPECT_TRUE(text.startsWith(QStringLiteral("RegEx error: \n"))) << text.toStdString();
            EXPECT_GT(text.size(), 14) << "the engine's message is missing";
            if (!c.expectedMessage.empty()) {
                EXPECT_EQ(text, QString::fromStdString(c.expectedMessage));
            }
        }
        EXPECT_EQ(answer.dialogs().front().buttons.size(), 1);
    }
}

} // namespace
