#include "framework/Dictionary.h"
#include "framework/Exceptions.h"
#include "framework/FolderItem.h"
#include "framework/String.h"
#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"

#include <QTemporaryDir>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int compare(const char* a, const char* b) {
    return Str::Compare(a, b, ComparisonOptions::CaseSensitive);
}

TEST(StringCompare, OnlyCanonicallyEquivalentTextsAreEqual) {
    EXPECT_EQ(compare("0041", "0041"), 0);
    EXPECT_EQ(compare("\xC3\xA9", "e\xCC\x81"), 0); // é precomposed and decomposed
    EXPECT_NE(compare("a", "A"), 0);
    EXPECT_NE(compare("A", "\xEF\xBC\xA1"), 0); // fullwidth A
    EXPECT_NE(compare("ab", "a\xE2\x80\x8B"
                            "b"),
              0); // zero-width space
    EXPECT_NE(compare("a-b", "ab"), 0);
    EXPECT_NE(compare("", " "), 0);
    EXPECT_NE(compare("\xFF", "\xFE"), 0); // ill-formed bytes are still told apart
}

TEST(StringCompare, OrdersAndIsAntisymmetric) {
    EXPECT_LT(compare("a", "b"), 0);
    EXPECT_GT(compare("b", "a"), 0);
    EXPECT_EQ(compare("a", "A"), -compare("A", "a"));
}

TEST(StringOps, TrimTouchesOnlyAsciiWhitespaceAtTheEnds) {
    EXPECT_EQ(Str::Trim(" \t\r\n a\tb \n\t"), "a\tb");
    EXPECT_EQ(Str::Trim("\xE3\x80\x80x\xE3\x80\x80"), "\xE3\x80\x80x\xE3\x80\x80"); // U+3000 stays
    EXPECT_EQ(Str::Trim(" \t\n"), "");
}

TEST(StringOps, ReplaceLineEndingsTreatsCrLfCrAndLfAlike) {
    EXPECT_EQ(Str::ReplaceLineEndings("a\r\nb\rc\nd\r\n\r", "\n"), "a\nb\nc\nd\n\n");
    EXPECT_EQ(Str::ReplaceLineEndings("\n\r", "\n"), "\n\n");
}

TEST(StringOps, LeftCountsCharactersAndSplitKeepsEmptyFields) {
    EXPECT_EQ(Str::Left("\xE3\x81\x82z\xE3\x81\x84", 2), "\xE3\x81\x82z");
    EXPECT_EQ(Str::Left("ab", 5), "ab");
    EXPECT_EQ(Str::Split("", "\n"), std::vector<String>{""});
    EXPECT_EQ(Str::Split("\ta\t", "\t"), (std::vector<String>{"", "a", ""}));
}

TEST(DictionaryTest, KeepsFirstPlaceOfAKeyAndIsCaseSensitive) {
    Dictionary map;
    map.Value("b", "1");
    map.Value("a", "2");
    map.Value("A", "3");
    map.Value("b", "4");
    EXPECT_EQ(map.KeyCount(), 3);
    EXPECT_EQ(std::vector<String>(map.Keys().begin(), map.Keys().end()),
              (std::vector<String>{"b", "a", "A"}));
    EXPECT_EQ(map.Value("b"), "4");
    EXPECT_EQ(map.Value("A"), "3");
    EXPECT_THROW(map.Value("c"), KeyNotFoundException);
}

TEST(DictionaryTest, CopiesAndMovesKeepTheirLookups) {
    Dictionary map;
    for (int i = 0; i < 1000; ++i)
        map.Value("key number " + std::to_string(i), std::to_string(i));
    const Dictionary copy = map;
    Dictionary moved = std::move(map);
    EXPECT_EQ(copy.Value("key number 999"), "999");
    EXPECT_EQ(moved.Value("key number 0"), "0");
    moved.Value("key number 0", "changed");
    EXPECT_EQ(copy.Value("key number 0"), "0");
}

class Files : public ::testing::Test {
protected:
    std::string path(const std::string& name) const {
        return dir.path().toStdString() + "/" + name;
    }
    void write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    QTemporaryDir dir;
};

TEST_F(Files, ReadAllGivesTheBytesAndFailuresRaiseIOException) {
    write("data.txt", std::string("a\0b\xFF", 4));
    auto stream = TextInputStream::Open(std::make_shared<FolderItem>(path("data.txt")));
    EXPECT_THROW(stream->ReadAll(3), IOException);
    EXPECT_EQ(stream->ReadAll(4), std::string("a\0b\xFF", 4));
    EXPECT_THROW(TextInputStream::Open(std::make_shared<FolderItem>(path("missing"))), IOException);
    EXPECT_THROW(TextInputStream::Open(std::make_shared<FolderItem>(dir.path().toStdString())),
                 IOException);
    EXPECT_THROW(TextInputStream::Open(nullptr), NilObjectException);
}

TEST_F(Files, ChildFollowsLinksAndABrokenLinkDoesNotExist) {
    std::filesystem::create_directory(path("real"));
    std::filesystem::create_directory_symlink(path("real"), path("link"));
    std::filesystem::create_symlink(path("nowhere"), path("broken"));
    const FolderItem folder(dir.path().toStdString());
    EXPECT_EQ(folder.Child("link")->NativePath(), path("real"));
    EXPECT_TRUE(folder.Child("link")->IsFolder());
    EXPECT_FALSE(folder.Child("broken")->Exists());
    EXPECT_EQ(FolderItem(path("Glyphs 3.app/")).Name(), "Glyphs 3.app");
}

TEST_F(Files, OutputReplacesOnlyWhenClosedAndCannotCreateInAMissingFolder) {
    write("report.txt", "old");
    const auto target = std::make_shared<FolderItem>(path("report.txt"));
    {
        auto stream = TextOutputStream::Create(target);
        stream->Write("new");
        EXPECT_EQ(read("report.txt"), "old");
        stream->Close();
    }
    EXPECT_EQ(read("report.txt"), "new");
    EXPECT_THROW(TextOutputStream::Create(std::make_shared<FolderItem>(path("no/such/file"))),
                 IOException);
}

// A save killed before it is closed leaves the earlier file as it was and
// nothing beside it. The child that saves calls little besides the stream.
TEST_F(Files, OutputKilledBeforeCloseLeavesOnlyTheEarlierFile) {
    write("report.txt", "old");
    const auto target = std::make_shared<FolderItem>(path("report.txt"));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            const auto stream = TextOutputStream::Create(target);
            stream->Write("new");
            std::raise(SIGKILL);
        } catch (...) {
        }
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path().toStdString()))
        EXPECT_EQ(entry.path().filename().string(), "report.txt");
    EXPECT_EQ(read("report.txt"), "old");
}

// The process's umask while the object lives.
class Umask {
public:
    explicit Umask(mode_t mask) : earlier_(::umask(mask)) {}
    ~Umask() { ::umask(earlier_); }
    Umask(const Umask&) = delete;
    Umask& operator=(const Umask&) = delete;

private:
    mode_t earlier_;
};

// A new file has the permissions a plain create gives, a replaced file keeps
// its own, and a link stays a link to the file it names, which is replaced.
TEST_F(Files, OutputKeepsThePermissionsAndTheLinksAPlainWriteKeeps) {
    write("kept.txt", "old");
    std::filesystem::permissions(path("kept.txt"), std::filesystem::perms(0604));
    std::filesystem::create_symlink("kept.txt", path("link"));
    {
        const Umask mask(027);
        for (const char* name : {"new.txt", "link"}) {
            const auto stream = TextOutputStream::Create(std::make_shared<FolderItem>(path(name)));
            stream->Write(name);
            stream->Close();
        }
    }
    EXPECT_EQ(read("new.txt"), "new.txt");
    EXPECT_EQ(read("kept.txt"), "link");
    EXPECT_TRUE(std::filesystem::is_symlink(path("link")));
    EXPECT_EQ(std::filesystem::status(path("new.txt")).permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(std::filesystem::status(path("kept.txt")).permissions(),
              std::filesystem::perms(0604));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()), {}), 3);
}

TEST_F(Files, OutputNeverReplacesWhatIsNotAFile) {
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/null", path("null"));
    for (const char* name : {"pipe", "null"})
        EXPECT_THROW(TextOutputStream::Create(std::make_shared<FolderItem>(path(name))),
                     IOException)
            << name;
    EXPECT_TRUE(std::filesystem::is_fifo(path("pipe")));
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

} // namespace
