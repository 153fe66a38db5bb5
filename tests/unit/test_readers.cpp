#include "ModalAnswer.h"
#include "TempBundle.h"
#include "window/Window1.h"

#include <QMessageBox>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using Entries = std::vector<std::pair<String, String>>;

Entries entries(const Dictionary& map) {
    Entries result;
    for (const String& key : map.Keys())
        result.emplace_back(key, map.Value(key));
    return result;
}

// Reads the bundle's map and returns its entries with the alerts it showed.
struct Read {
    Entries entries;
    QStringList alerts;
};

Read readMap(const TempBundle& bundle) {
    ModalAnswer answer;
    const Dictionary map = Window1::GetMapFile(bundle.item());
    Read read{entries(map), {}};
    for (const auto& seen : answer.dialogs())
        read.alerts << seen.text;
    return read;
}

TEST(GetMapFile, LooksAtTheThreePlacesInOrder) {
    TempBundle bundle;
    bundle.writeMap("k\tcore\tx\n", TempBundle::CoreFramework);
    EXPECT_EQ(readMap(bundle).entries, (Entries{{"k", "core"}}));
    bundle.writeMap("k\thyphen\tx\n", TempBundle::PluginHyphen);
    EXPECT_EQ(readMap(bundle).entries, (Entries{{"k", "hyphen"}}));
    bundle.writeMap("k\tplain\tx\n", TempBundle::PluginNoHyphen);
    EXPECT_EQ(readMap(bundle).entries, (Entries{{"k", "plain"}}));
}

TEST(GetMapFile, EachFailureShowsOneCautionAlertAndGivesAnEmptyMap) {
    TempBundle missing;
    {
        ModalAnswer answer;
        EXPECT_EQ(Window1::GetMapFile(missing.item()).KeyCount(), 0);
        ASSERT_EQ(answer.dialogs().size(), 1);
        EXPECT_EQ(answer.dialogs()[0].text, "Not found MapFileAdobe-Japan1.txt");
        EXPECT_EQ(answer.dialogs()[0].buttons, QStringList{"OK"});
        EXPECT_EQ(answer.dialogs()[0].icon, QMessageBox::Warning);
    }

    TempBundle empty;
    empty.writeMap("");
    EXPECT_EQ(readMap(empty).alerts,
              QStringList{"There is something wrong with MapFileAdobe-Japan1.txt"});

    TempBundle folder;
    folder.writeMap("x", TempBundle::PluginHyphen);
    folder.write(TempBundle::mapPath(TempBundle::PluginNoHyphen) + "/inside", "");
    EXPECT_EQ(readMap(folder).alerts, QStringList{"Error accessing"});

    // A file with text but no entry is as unusable as an empty one.
    for (const char* const useless : {" \t\r\n\t \n", "no tab\nat all\n", "\xEF\xBB\xBF"}) {
        TempBundle blank;
        blank.writeMap(useless);
        const Read read = readMap(blank);
        EXPECT_EQ(read.alerts, QStringList{"There is something wrong with MapFileAdobe-Japan1.txt"})
            << useless;
        EXPECT_TRUE(read.entries.empty());
    }
}

struct MapCase {
    const char* name;
    std::string file;
    Entries expected;
};

class MapLines : public ::testing::TestWithParam<MapCase> {};

TEST_P(MapLines, GiveTheirEntries) {
    TempBundle bundle;
    bundle.writeMap(GetParam().file);
    const Read read = readMap(bundle);
    EXPECT_TRUE(read.alerts.isEmpty()) << read.alerts.join("|").toStdString();
    EXPECT_EQ(read.entries, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    GetMapFile, MapLines,
    ::testing::Values(
        MapCase{"ThreeAndFourColumns", "a\tb\tc\nd\te\tf\tg\n", {{"a", "b"}, {"d", "e"}}},
        MapCase{"TwoColumnsGiveNothing", "a\tb\nc\t\te\n", {{"c", ""}}},
        MapCase{
            "TrailingTabInside", "a\tb\t\nz\t\nlast\tv\tw", {{"a", "b"}, {"z", ""}, {"last", "v"}}},
        MapCase{"TrailingTabOnTheLastLine", "x\ty\tz\na\tb\t\n", {{"x", "y"}}},
        MapCase{"EmptyKeyInside", "x\ty\tz\n\tb\tc\n", {{"x", "y"}, {"", "b"}}},
        MapCase{"LeadingTabOnTheFirstLine", "\tb\tc\nx\ty\tz", {{"x", "y"}}},
        MapCase{"CrLfAndCrAsLf",
                "a\tb\tc\r\nd\te\tf\rg\th\ti\r\n",
                {{"a", "b"}, {"d", "e"}, {"g", "h"}}},
        MapCase{"BlankLinesAndDuplicates",
                "\n\na\t1\tx\n\n\nb\t2\tx\na\t3\tx\n\n",
                {{"a", "3"}, {"b", "2"}}},
        MapCase{"TitleLineIsAnEntry",
                "CID\tUniJIS\tName\n1\t0020\tspace\n",
                {{"CID", "UniJIS"}, {"1", "0020"}}},
        MapCase{"CaseSensitiveKeys", "a\tx\t-\nA\ty\t-\n", {{"a", "x"}, {"A", "y"}}},
        MapCase{"ByteOrderMarkIsNoPartOfTheFirstKey",
                "\xEF\xBB\xBF"
                "a\tb\tc\n",
                {{"a", "b"}}},
        MapCase{"NulBytesStayInValues",
                std::string("a\tb\0c\td\n", 9),
                {{"a", std::string("b\0c", 3)}}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(GetMapFile, InvalidUtf8GivesTheEngineMessageThenTheReadersAndAnEmptyMap) {
    TempBundle bundle;
    bundle.writeMap("a\t\xFF\xFE\tc\n");
    const Read read = readMap(bundle);
    ASSERT_EQ(read.alerts.size(), 2);
    EXPECT_TRUE(read.alerts[0].startsWith("RegEx error: \n")) << read.alerts[0].toStdString();
    EXPECT_EQ(read.alerts[1], "There is something wrong with MapFileAdobe-Japan1.txt");
    EXPECT_TRUE(read.entries.empty());
}

TEST(GetMapFile, AVeryLongLineIsRead) {
    TempBundle bundle;
    const std::string longValue(100000, 'x');
    bundle.writeMap("k\t" + longValue + "\tz\n");
    const Read read = readMap(bundle);
    ASSERT_EQ(read.entries.size(), 1u);
    EXPECT_EQ(read.entries[0].second, longValue);
}

String version(const std::string& plistText) {
    TempBundle bundle;
    bundle.write("Contents/Info.plist", plistText);
    return Window1::GetAppVerInfo(bundle.item());
}

TEST(GetAppVerInfo, FlattensThePropertyListAndJoinsTheTwoValues) {
    EXPECT_EQ(version(TempBundle::plist("3.1", "3133")), "3.1-3133");
    EXPECT_EQ(version("<key>CFBundleVersion</key>\n   <string>42</string>"), "-42");
    EXPECT_EQ(version(""), "-");
    EXPECT_EQ(version("<key>CFBundleVersion</key> \n<string>42</string>"), "-");
    EXPECT_EQ(version("<key>CFBundleVersion</key>\r\n<string>42</string>\r\n"), "-");
    EXPECT_EQ(version("<key>CFBundleVersion</key>\n\n\t\t<string>1</string><string>2</string>"
                      "<key>CFBundleVersion</key><string>3</string>"),
              "-1");
    EXPECT_EQ(version("<key>CFBundleVersion</key><string></string><x/><string>y</string>"),
              "-</string><x/><string>y");
    EXPECT_EQ(version("<key>cfbundleversion</key><string>9</string>"), "-");
    EXPECT_EQ(version("<key>CFBundleShortVersionString</key><string>3.1 &amp; b</string>"),
              "3.1 &amp; b-");
}

TEST(GetAppVerInfo, NoReadablePropertyListGivesTheEmptyText) {
    TempBundle none;
    EXPECT_EQ(Window1::GetAppVerInfo(none.item()), "");
    TempBundle folder;
    folder.write("Contents/Info.plist/inside", "");
    EXPECT_EQ(Window1::GetAppVerInfo(folder.item()), "");
}

TEST(GetAppVerInfo, ABinaryPropertyListGivesAMessageNotACrash) {
    TempBundle bundle;
    bundle.write("Contents/Info.plist", std::string("bplist00\xD1\x01\x02\x00\xFF\x80", 14));
    ModalAnswer answer;
    EXPECT_EQ(Window1::GetAppVerInfo(bundle.item()), "-");
    EXPECT_LE(answer.dialogs().size(), 1);
}

} // namespace
