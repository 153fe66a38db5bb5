#include "support/FileLimits.h"
#include "support/Preferences.h"

#include "framework/JSONItem.h"
#include "framework/Keyboard.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

// Every test has a data folder of its own (see TestMain); the store is named
// after this program.
QString dataFolder() {
    return qEnvironmentVariable("XDG_DATA_HOME");
}

QString prefsFolder() {
    return dataFolder() + "/test_preferences";
}

QString prefsFile() {
    return prefsFolder() + "/test_preferences.pref";
}

void writePrefs(const QByteArray& text) {
    QDir().mkpath(prefsFolder());
    QFile file(prefsFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray readPrefs() {
    QFile file(prefsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::int64_t stored(const String& key) {
    return Preferences::Prefs->Get(key).Int64Value();
}

void expectDefaults() {
    EXPECT_EQ(stored("WinWidth"), 370);
    EXPECT_EQ(stored("WinHeight"), 500);
    EXPECT_EQ(stored("WinLeft"), 10);
    EXPECT_EQ(stored("WinTop"), 50);
}

// The keys read as held while the object lives.
class HeldKeys {
public:
    explicit HeldKeys(Keyboard::HeldKeys keys) { Keyboard::SimulateForTesting(keys); }
    ~HeldKeys() { Keyboard::SimulateForTesting(std::nullopt); }
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;
};

// Removes a folder that Qt cannot name, and so the temporary data folder
// cannot remove either.
struct RemovedAtEnd {
    std::filesystem::path path;
    ~RemovedAtEnd() {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
};

const QByteArray storedBounds =
    R"({"WinWidth": 600, "WinHeight": 450, "WinLeft": 60, "WinTop": 70})";

} // namespace

TEST(Preferences, FirstRunMakesTheFoldersAndWritesOnlyOnSave) {
    // A fresh account has no data folder yet either.
    const QString dataHome = dataFolder() + "/fresh/.local/share";
    qputenv("XDG_DATA_HOME", dataHome.toUtf8());

    Preferences::Raed(370, 500);
    EXPECT_TRUE(QFileInfo(prefsFolder()).isDir());
    EXPECT_FALSE(QFile::exists(prefsFile()));
    expectDefaults();

    EXPECT_TRUE(Preferences::Prefs->Save());
    EXPECT_EQ(readPrefs(), "{\n"
                           "    \"WinHeight\": 500,\n"
                           "    \"WinLeft\": 10,\n"
                           "    \"WinTop\": 50,\n"
                           "    \"WinWidth\": 370\n"
                           "}");
}

// A data folder whose name is not UTF-8 is the very folder the store uses:
// it makes its folder there, reads its file from there and saves it there,
// and no folder of another name appears beside it.
TEST(Preferences, ADataFolderNamedInBytesThatAreNotUTF8IsUsedAsItIs) {
    const std::filesystem::path parent = qgetenv("XDG_DATA_HOME").toStdString();
    const std::filesystem::path dataHome = parent / "\xff\xfe";
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dataHome.string()));
    const RemovedAtEnd removed{dataHome};

    Preferences::Raed(370, 500);
    const std::filesystem::path folder = dataHome / "test_preferences";
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    std::vector<std::filesystem::path> beside;
    for (const auto& entry : std::filesystem::directory_iterator(parent))
        beside.push_back(entry.path());
    EXPECT_EQ(beside, std::vector{dataHome});

    std::ofstream(folder / "test_preferences.pref") << storedBounds.toStdString();
    Preferences::Raed(370, 500);
    EXPECT_EQ(stored("WinWidth"), 600);
    EXPECT_EQ(stored("WinTop"), 70);
    ASSERT_TRUE(std::filesystem::remove(folder / "test_preferences.pref"));
    EXPECT_TRUE(Preferences::Prefs->Save());
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "test_preferences.pref"));
}

TEST(Preferences, OptionAndCommandTogetherForgetTheStoredBounds) {
    struct Case {
        Keyboard::HeldKeys keys;
        bool forgets;
    };
    for (const Case& c : {Case{{true, true}, true}, Case{{true, false}, false},
                          Case{{false, true}, false}, Case{{false, false}, false}}) {
        SCOPED_TRACE(testing::Message()
                     << "option " << c.keys.option << ", command " << c.keys.command);
        writePrefs(storedBounds);
        const HeldKeys held(c.keys);
        Preferences::Raed(370, 500);
        EXPECT_EQ(QFile::exists(prefsFile()), !c.forgets);
        EXPECT_TRUE(QFileInfo(prefsFolder()).isDir());
        EXPECT_EQ(stored("WinWidth"), c.forgets ? 370 : 600);
        EXPECT_EQ(stored("WinTop"), c.forgets ? 50 : 70);
    }
}

TEST(Preferences, TextThatIsNoJSONObjectGivesTheDefaultsUntilTheNextSave) {
    for (const QByteArray& text : {QByteArray("The window was wide."), QByteArray("[600, 450]")}) {
        SCOPED_TRACE(text.toStdString());
        writePrefs(text);
        Preferences::Raed(370, 500);
        expectDefaults();
        EXPECT_EQ(readPrefs(), text);

        EXPECT_TRUE(Preferences::Prefs->Save());
        EXPECT_EQ(QJsonDocument::fromJson(readPrefs()).object().size(), 4);
    }
}

// Judged from the size alone: a sparse file of 40 GB is refused at once, as
// a file that cannot be read is.
TEST(Preferences, AFileLargerThanTheLimitIsRefusedUnread) {
    const std::int64_t limit = FileLimits::LargestPreferenceFile;
    const std::pair<std::int64_t, bool> files[] = {
        {limit, true}, {limit + 1, false}, {std::int64_t{40} << 30, false}};
    for (const auto& [size, read] : files) {
        SCOPED_TRACE(size);
        // Good JSON, padded with blanks; the largest file then grows sparsely.
        writePrefs(storedBounds.leftJustified(static_cast<qsizetype>(std::min(size, limit + 1))));
        ASSERT_TRUE(QFile::resize(prefsFile(), size));
        if (read) {
            Preferences::Raed(370, 500);
            EXPECT_EQ(stored("WinWidth"), 600);
        } else {
            EXPECT_THROW(Preferences::Raed(370, 500), IOException);
        }
        EXPECT_EQ(QFileInfo(prefsFile()).size(), size);
    }
}

TEST(Preferences, MembersTheProgramDoesNotKnowAreKept) {
    writePrefs(R"({"WinWidth": 600, "WinHeight": 450, "WinLeft": 60, "WinTop": 70,
                   "Theme": "dark", "Recent": [1, {"a": null}], "Serial": 9007199254740993})");
    Preferences::Raed(370, 500);
    EXPECT_EQ(stored("WinWidth"), 600);
    Preferences::Prefs->Set("WinWidth", Variant(std::int64_t{640}));
    EXPECT_TRUE(Preferences::Prefs->Save());

    const QJsonObject saved = QJsonDocument::fromJson(readPrefs()).object();
    EXPECT_EQ(saved["WinWidth"].toInteger(), 640);
    EXPECT_EQ(saved["Theme"].toString(), "dark");
    EXPECT_EQ(saved["Recent"].toArray(), (QJsonArray{1, QJsonObject{{"a", QJsonValue::Null}}}));
    EXPECT_EQ(saved["Serial"].toInteger(), 9007199254740993);
}

TEST(Preferences, EmptyOrIncompleteFilesLoadWithoutTheMissingMembers) {
    for (const QByteArray& text :
         {QByteArray(""), QByteArray(" \n\t"), QByteArray(R"({"WinWidth": 600})")}) {
        SCOPED_TRACE(text.toStdString());
        writePrefs(text);
        Preferences::Raed(370, 500);
        try {
            Preferences::Prefs->Get("WinTop");
            ADD_FAILURE() << "a missing member was found";
        } catch (const Preferences::PreferenceNotFoundException& error) {
            EXPECT_EQ(error.Message, "Preference value 'WinTop' does not exist.");
            EXPECT_EQ(error.ErrorNumber, 0);
        }
    }
}

TEST(Preferences, SaveBeforeLoadWritesNothing) {
    Preferences::PrefsClass store("test_preferences");
    store.Set("WinWidth", Variant(std::int64_t{600}));
    EXPECT_FALSE(store.Save());
    EXPECT_FALSE(QFile::exists(prefsFolder()));
}

TEST(JSONItem, RefusesTextThatIsNoJSONObjectAndKeepsItsContent) {
    JSONItem item;
    item.Load(R"({"big": 9223372036854775807, "part": 1.5})");
    for (const char* text : {"plain words", "[1, 2]", "5", R"({"big": 1)", "{} {}"}) {
        SCOPED_TRACE(text);
        EXPECT_THROW(item.Load(text), JSONException);
    }
    EXPECT_EQ(item.Value("big"), Variant(std::int64_t{LLONG_MAX}));
    EXPECT_THROW(item.Value("part").Int64Value(), TypeMismatchException);
    EXPECT_EQ(item.ToString(), R"({"big":9223372036854775807,"part":1.5})");
}

// Qt's parser alone would drop the character from the start of a string, and
// a name made empty so would sort elsewhere on the next read.
TEST(JSONItem, ANameOrValueThatBeginsWithAByteOrderMarkKeepsIt) {
    JSONItem item;
    item.Load("\xEF\xBB\xBF{\"\xEF\xBB\xBF\": 40, \"p\": \"\xEF\xBB\xBFv\"}");
    EXPECT_EQ(item.Value("\xEF\xBB\xBF"), Variant(std::int64_t{40}));
    EXPECT_EQ(item.Value("p"), Variant(String("\xEF\xBB\xBFv")));
    const String once = item.ToString();
    item.Load(once);
    EXPECT_EQ(item.ToString(), once);
}
