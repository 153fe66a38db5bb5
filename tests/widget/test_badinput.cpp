// Bad input of every kind a user can hand the program: broken, odd or hostile
// mapping files, property lists and icons, report targets that cannot take
// the report, and preference files that are damaged, are no file or cannot
// take the next save. Each case ends within a bound, shows the message the
// program has for it or stays silent where it should, and loses nothing
// where a write fails.
#include "IconFiles.h"
#include "ModalAnswer.h"
#include "OddBytes.h"
#include "SaveDialogAnswer.h"
#include "TempBundle.h"
#include "UnprivilegedUser.h"
#include "Window1TestCase.h"
#include "support/FileLimits.h"
#include "support/FileTypeGroup1.h"
#include "support/Icon.h"
#include "window/Window1.h"
#include "window/myListBox.h"

#include "framework/Exceptions.h"
#include "framework/ExecutableFile.h"
#include "framework/Label.h"
#include "framework/Picture.h"
#include "framework/Screen.h"
#include "framework/SpecialFolder.h"
#include "framework/TextOutputStream.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <optional>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

using Entries = std::vector<std::pair<String, String>>;

const QString somethingWrong = "There is something wrong with MapFileAdobe-Japan1.txt";
// The first line of the regular-expression routine's message; the engine's
// own words follow on the next line.
const QString regExError = "RegEx error: ";

// Ends the whole program, naming the case, when a case has not ended within
// its bound: a read that blocks would otherwise wait until ctest gives up.
class Deadline {
public:
    Deadline(const char* what, unsigned seconds) {
        current = what;
        std::signal(SIGALRM, expired);
        ::alarm(seconds);
    }
    ~Deadline() { ::alarm(0); }
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;

private:
    static void expired(int) {
        constexpr char prefix[] = "\nThis case did not end within its bound: ";
        static_cast<void>(::write(STDERR_FILENO, prefix, sizeof prefix - 1));
        static_cast<void>(::write(STDERR_FILENO, current, std::strlen(current)));
        static_cast<void>(::write(STDERR_FILENO, "\n", 1));
        ::_exit(1);
    }
    static inline const char* current = "";
};

constexpr unsigned bound = 60;

// A small file system on `folder` for the object's life, to fill. Root
// mounts it there. Any other user mounts it in a user and mount namespace of
// its own, held by a child process: the disk is reached through that
// process's view of the file tree, /proc/<pid>/root, where its files are the
// user's and permissions hold as on any disk. The holder ends with the object,
// or with the test program, as its input then closes.
class SmallDisk {
public:
    // A tmpfs of `size` ("size=64k"), which reserves room for a file when asked.
    SmallDisk(const QString& folder, const char* size) : folder_(folder) {
        if (!root())
            hold(size);
        else if (::mount("tmpfs", folder.toLocal8Bit().constData(), "tmpfs", 0, size) == 0)
            mounted_ = true;
        else
            error_ = std::strerror(errno);
    }
    // A disk of 1 MB that cannot reserve room for a file: under root an ext2
    // file system held in the file `image`; for any other user a tmpfs, on
    // which withoutReservingRoom refuses as ext2 does.
    SmallDisk(const QString& folder, const QString& image) : folder_(folder) {
        if (!root())
            hold("size=1m");
        else
            mounted_ = run("mkfs.ext2", {"-q", "-F", "-m", "0", "-b", "1024", image, "1024"}) &&
                       run("mount", {"-o", "loop", "-t", "ext2", image, folder});
    }
    ~SmallDisk() {
        if (holder_.state() != QProcess::NotRunning) {
            holder_.closeWriteChannel();
            holder_.waitForFinished();
        } else if (mounted_) {
            ::umount(folder_.toLocal8Bit().constData());
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Whether this user can mount one: root can, and so can anyone the system
    // lets make a user namespace.
    static bool Possible() {
        static const bool possible =
            root() ||
            QProcess::execute("unshare", {"--user", "--map-root-user", "--mount", "true"}) == 0;
        return possible;
    }
    bool mounted() const { return mounted_; }
    const std::string& error() const { return error_; }
    // The folder, the disk on it.
    QString path() const { return prefix_ + folder_; }

private:
    static bool root() { return ::geteuid() == 0; }

    // Starts the holder, which mounts the tmpfs and then waits on its input.
    void hold(const char* size) {
        holder_.start("unshare",
                      {"--user", "--map-root-user", "--mount", "sh", "-c",
                       R"(mount -t tmpfs -o "$1" tmpfs "$2" && echo mounted && exec cat)", "sh",
                       size, folder_});
        if (holder_.waitForReadyRead() && holder_.readAllStandardOutput() == "mounted\n") {
            prefix_ = "/proc/" + QString::number(holder_.processId()) + "/root";
            mounted_ = true;
            return;
        }
        holder_.waitForFinished();
        error_ = ("unshare: " + holder_.errorString() + "\n" + holder_.readAllStandardError())
                     .toStdString();
    }

    bool run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        if (process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
            process.exitCode() == 0)
            return true;
        error_ = (program + ": " + process.errorString() + "\n" + process.readAll()).toStdString();
        return false;
    }

    QString folder_;
    QString prefix_;
    QProcess holder_;
    bool mounted_ = false;
    std::string error_;
};

constexpr char cannotMount[] = "neither root nor allowed a user namespace (unshare --user "
                               "--map-root-user --mount fails), so no small file system can be "
                               "mounted";

#if defined(__x86_64__)
constexpr std::uint32_t nativeArchitecture = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr std::uint32_t nativeArchitecture = AUDIT_ARCH_AARCH64;
#else
#error "Name this architecture's AUDIT_ARCH_ value for the system-call filter."
#endif

// Runs `write` on a thread of its own on which the system refuses to reserve
// room for a file (fallocate) as a file system that cannot do so refuses,
// with EOPNOTSUPP. The filter holds for that thread alone and ends with it.
void withoutReservingRoom(const std::function<void()>& write) {
    std::thread([&] {
        sock_filter filter[] = {
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, nativeArchitecture, 0, 3),
            BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_fallocate, 0, 1),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EOPNOTSUPP),
            BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        };
        const sock_fprog program{std::size(filter), filter};
        // Without privileges a thread takes a filter only once it has given
        // up gaining any.
        ASSERT_EQ(::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0), 0) << std::strerror(errno);
        ASSERT_EQ(::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program), 0)
            << std::strerror(errno);
        write();
    }).join();
}

// The full path of `relative` inside the bundle, its folders made.
std::string place(const TempBundle& bundle, const std::string& relative) {
    const std::string path = bundle.path() + "/" + relative;
    fs::create_directories(fs::path(path).parent_path());
    return path;
}

void makeFifo(const std::string& path) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << std::strerror(errno);
}

// The first line of every alert shown while `run` ran, in order.
QStringList alertsDuring(const std::function<void()>& run) {
    ModalAnswer answer;
    run();
    QStringList shown;
    for (const auto& seen : answer.dialogs())
        shown << seen.text.section('\n', 0, 0);
    return shown;
}

struct MapRead {
    Entries entries;
    QStringList alerts;
};

MapRead readMap(const TempBundle& bundle, const char* what, unsigned seconds = bound) {
    const Deadline deadline(what, seconds);
    MapRead read;
    read.alerts = alertsDuring([&] {
        const Dictionary map = Window1::GetMapFile(bundle.item());
        for (const String& key : map.Keys())
            read.entries.emplace_back(key, map.Value(key));
    });
    return read;
}

struct MapFileCase {
    const char* what;
    std::string bytes;
    Entries entries;
    QStringList alerts;
};

TEST(BadMapFile, TextOfEveryShapeGivesItsEntriesOrIsTold) {
    const std::string longValue(5 * 1024 * 1024, 'x');
    const MapFileCase cases[] = {
        {"Latin-1", "caf\xE9\tcaf\xE9\t-\n", {}, {regExError, somethingWrong}},
        {"UTF-16 with a byte-order mark",
         utf16WithByteOrderMark("a\tb\tc\n"),
         {},
         {regExError, somethingWrong}},
        {"NUL bytes", std::string("a\tb\0c\td\n", 9), {{"a", std::string("b\0c", 3)}}, {}},
        {"UTF-8 byte-order mark",
         "\xEF\xBB\xBF"
         "a\tb\tc\nd\te\tf\n",
         {{"a", "b"}, {"d", "e"}},
         {}},
        {"random bytes", randomBytes(64 * 1024), {}, {regExError, somethingWrong}},
        {"one 5 MB line", "k\t" + longValue + "\tz\n", {{"k", longValue}}, {}},
        {"2,000,000 tabs on a line",
         "k" + std::string(2'000'000, '\t') + "v\na\tb\tc\n",
         {{"k", ""}, {"a", "b"}},
         {}},
        {"only whitespace", " \t\r\n\f\v \n\n", {}, {somethingWrong}},
        {"lines without a tab", "one\ntwo\n", {}, {somethingWrong}},
        {"CR LF and lone CR line ends",
         "a\tb\tc\r\nd\te\tf\rg\th\ti\r",
         {{"a", "b"}, {"d", "e"}, {"g", "h"}},
         {}},
    };
    for (const MapFileCase& mapCase : cases) {
        SCOPED_TRACE(mapCase.what);
        const TempBundle bundle;
        bundle.writeMap(mapCase.bytes);
        const MapRead read = readMap(bundle, mapCase.what);
        EXPECT_EQ(read.alerts, mapCase.alerts);
        EXPECT_TRUE(read.entries == mapCase.entries);
    }
}

TEST(BadMapFile, AnythingButARegularFileIsAnErrorAndNeverWaitedFor) {
    const std::string mapFile = TempBundle::mapPath(TempBundle::PluginNoHyphen);
    const std::pair<const char*, std::function<void(const TempBundle&)>> kinds[] = {
        {"a named pipe",
         [&](const TempBundle& b) {
             makeFifo(place(b, mapFile));
         }},
        {"a link to /dev/zero",
         [&](const TempBundle& b) {
             fs::create_symlink("/dev/zero", place(b, mapFile));
         }},
        {"a folder",
         [&](const TempBundle& b) {
             fs::create_directories(place(b, mapFile));
         }},
    };
    for (const auto& [what, make] : kinds) {
        SCOPED_TRACE(what);
        const TempBundle bundle;
        make(bundle);
        const MapRead read = readMap(bundle, what);
        EXPECT_EQ(read.alerts, QStringList{"Error accessing"});
        EXPECT_TRUE(read.entries.empty());
    }
}

// A link that leads only to itself names no file, as a dangling link does.
TEST(BadMapFile, ASymbolicLinkLoopIsNotFound) {
    const TempBundle bundle;
    const std::string path = place(bundle, TempBundle::mapPath(TempBundle::PluginNoHyphen));
    fs::create_symlink(fs::path(path).filename(), path);
    EXPECT_EQ(readMap(bundle, "a symbolic-link loop").alerts,
              QStringList{"Not found MapFileAdobe-Japan1.txt"});
}

TEST(BadMapFile, AFileWithoutReadPermissionIsAnError) {
    const TempBundle bundle;
    bundle.writeMap("a\tb\tc\n");
    fs::permissions(bundle.path() + "/" + TempBundle::mapPath(TempBundle::PluginNoHyphen),
                    fs::perms::none);
    UnprivilegedUser::Own(fs::path(bundle.path()).parent_path());
    const UnprivilegedUser user;
    EXPECT_EQ(readMap(bundle, "no read permission").alerts, QStringList{"Error accessing"});
}

TEST(BadMapFile, A200MegabyteFileIsRead) {
    const TempBundle bundle;
    struct statvfs disk {};
    constexpr unsigned long long gigabyte = 1ULL << 30;
    if (::statvfs(bundle.path().c_str(), &disk) != 0 ||
        static_cast<unsigned long long>(disk.f_bavail) * disk.f_frsize < gigabyte)
        GTEST_SKIP() << "under 1 GB free on the temporary folder's disk";
    std::string block;
    for (int key = 0; key < 1000; ++key)
        block += "key" + std::to_string(key) + "\tvalue\t-\n";
    const std::string path = place(bundle, TempBundle::mapPath(TempBundle::PluginNoHyphen));
    {
        QFile out(QString::fromStdString(path));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        const auto size = static_cast<qint64>(block.size());
        for (qint64 written = 0; written < 200LL * 1024 * 1024; written += size)
            ASSERT_EQ(out.write(block.data(), size), size);
    }
    // Some seconds with the sanitizers, on a machine busy with other tests.
    const MapRead read = readMap(bundle, "a 200 MB mapping file", 4 * bound);
    EXPECT_EQ(read.alerts, QStringList{});
    EXPECT_EQ(read.entries.size(), 1000u);
}

std::string unclosedVersions() {
    std::string plist;
    for (int copy = 0; copy < 20000; ++copy)
        plist += "<key>CFBundleShortVersionString</key><string>";
    return plist;
}

// What a drop reads of a bundle: its icon and its version text.
struct DropRead {
    bool icon = false;
    String version;
    QStringList alerts;
};

// Every property list the reader takes gives its text in milliseconds; the
// bound is far above that and far below what a search that grows with the
// square of the text takes on the crafted case.
constexpr unsigned propertyListBound = 5;

DropRead readAsDropped(const TempBundle& bundle, const char* what) {
    const Deadline deadline(what, propertyListBound);
    DropRead read;
    read.alerts = alertsDuring([&] {
        read.icon = Icon::Get(bundle.item(), 64) != nullptr;
        read.version = Window1::GetAppVerInfo(bundle.item());
    });
    return read;
}

TEST(BadPropertyList, EveryKindGivesItsVersionTextOrTheEmptyText) {
    const std::string plist = "Contents/Info.plist";
    const std::tuple<const char*, std::function<void(const TempBundle&)>, String, QStringList>
        kinds[] = {
            {"binary",
             [&](const TempBundle& b) {
                 b.write(plist, std::string("bplist00\xD1\x01\x02\x00\xFF\x80", 14));
             },
             "-",
             {regExError}},
            {"50 MB",
             [&](const TempBundle& b) {
                 b.writeInfoPlist("3.1", "1");
                 QFile(QString::fromStdString(place(b, plist))).resize(50LL * 1024 * 1024);
             },
             "",
             {}},
            {"a named pipe", [&](const TempBundle& b) { makeFifo(place(b, plist)); }, "", {}},
            {"a link to /dev/zero",
             [&](const TempBundle& b) { fs::create_symlink("/dev/zero", place(b, plist)); },
             "",
             {}},
            {"20,000 unclosed short versions",
             [&](const TempBundle& b) { b.write(plist, unclosedVersions()); },
             "-",
             {}},
            {"tabs, line ends and right-to-left text in the versions",
             [&](const TempBundle& b) {
                 b.writeInfoPlist("3.1\t\xD7\x90", "\r\n\xE2\x80\xAE"
                                                   "42");
             },
             "3.1\t\xD7\x90-\r\xE2\x80\xAE"
             "42",
             {}},
        };
    for (const auto& [what, make, version, alerts] : kinds) {
        SCOPED_TRACE(what);
        const TempBundle bundle;
        make(bundle);
        const DropRead read = readAsDropped(bundle, what);
        EXPECT_TRUE(read.icon);
        EXPECT_EQ(read.version, version);
        EXPECT_EQ(read.alerts, alerts);
    }
}

quint32 crc32(std::string_view bytes) {
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

// A PNG whose header claims sides of `side` pixels, far more than its data holds.
std::string pngClaiming(quint32 side) {
    std::string bytes = png(16, Qt::red);
    char field[4];
    qToBigEndian<quint32>(side, field);
    bytes.replace(16, 4, field, 4);
    bytes.replace(20, 4, field, 4);
    // The header chunk's checksum covers its type and data: bytes 12 to 28.
    qToBigEndian<quint32>(crc32(std::string_view(bytes).substr(12, 17)), field);
    bytes.replace(29, 4, field, 4);
    return bytes;
}

bool isRed(const Picture& icon) {
    const QImage& image = icon.NativeImage();
    return image.pixelColor(image.width() / 2, image.height() / 2) == QColor(Qt::red);
}

TEST(BadIcon, ABundleWithABrokenIconShowsAGenericOne) {
    const std::string icon = "Contents/Resources/GlyphsApp.icns";
    const std::pair<const char*, std::function<void(const TempBundle&)>> kinds[] = {
        {"truncated",
         [&](const TempBundle& b) {
             b.write(icon, block("icns", block("ic07", png(128, Qt::red))).substr(0, 100));
         }},
        {"claiming a huge length",
         [&](const TempBundle& b) {
             b.write(icon, block("icns", block("ic07", png(16, Qt::red)), 0x7FFFFFFF));
         }},
        {"claiming huge sides",
         [&](const TempBundle& b) {
             b.write(icon, block("icns", block("ic08", pngClaiming(60000))));
         }},
        // Qt's reader takes these lengths unchecked and would ask for 2 GB.
        {"a block past the end its header states, claiming 2 GB",
         [&](const TempBundle& b) {
             const std::string first = block("icns", block("ic07", png(16, Qt::red)));
             b.write(icon, first + block("ic08", std::string(8, 'x'), 0x7FFFFFF0));
         }},
        {"a table of contents claiming 2 GB",
         [&](const TempBundle& b) {
             const std::string image = block("ic07", png(16, Qt::red));
             const std::string entry = image.substr(0, 4) + std::string("\x7f\xff\xff\xf0", 4);
             b.write(icon, block("icns", block("TOC ", entry) + image));
         }},
        {"a PNG named .icns",
         [&](const TempBundle& b) {
             b.write(icon, png(128, Qt::red));
         }},
        {"a named pipe",
         [&](const TempBundle& b) {
             makeFifo(place(b, icon));
         }},
    };
    for (const auto& [what, make] : kinds) {
        SCOPED_TRACE(what);
        const TempBundle bundle;
        bundle.writeInfoPlist("3.1", "1");
        make(bundle);
        const Deadline deadline(what, bound);
        const std::shared_ptr<Picture> picture = Icon::Get(bundle.item(), 64);
        ASSERT_NE(picture, nullptr);
        EXPECT_FALSE(isRed(*picture->IndexedImage(0)));
    }
}

// The icon file is looked for in the bundle's Resources folder only, whatever
// name the property list gives.
TEST(BadIcon, TheIconFileNeverComesFromOutsideTheBundle) {
    const TempBundle bundle;
    const std::string outside = bundle.path() + "/../Outside.icns";
    QFile out(QString::fromStdString(outside));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(QByteArray::fromStdString(block("icns", block("ic07", png(128, Qt::red)))));
    out.close();
    for (const char* const name : {"../../../Outside", "../../../../etc/passwd"}) {
        SCOPED_TRACE(name);
        bundle.write("Contents/Info.plist", "<plist><dict><key>CFBundleIconFile</key><string>" +
                                                std::string(name) + "</string></dict></plist>");
        const std::shared_ptr<Picture> picture = Icon::Get(bundle.item(), 64);
        ASSERT_NE(picture, nullptr);
        EXPECT_FALSE(isRed(*picture->IndexedImage(0)));
    }
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(BadReportTarget, AFolderIsNoFileToWrite) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("report.txt");
    ASSERT_TRUE(QDir().mkpath(folder));
    writeFile(folder + "/kept", "kept");
    EXPECT_THROW(TextOutputStream::Create(std::make_shared<FolderItem>(folder.toStdString())),
                 IOException);
    EXPECT_EQ(contents(folder + "/kept"), "kept");
}

// Writes to `path` until the disk it is on is full.
void fillUp(const QString& path) {
    QFile filler(path);
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) {
    }
}

// Where the file system cannot reserve room, a full disk still keeps a
// report replaced in place whole: one the new report outgrows, and a sparse
// one, longer than the new report, whose hole takes room once written over.
TEST(BadReportTarget, AFullDiskThatCannotReserveRoomKeepsAReportReplacedInPlaceWhole) {
    if (!SmallDisk::Possible())
        GTEST_SKIP() << cannotMount;
    const std::pair<const char*, qint64> reports[] = {{"a plain report", 0},
                                                      {"a sparse report", 600 * 1024}};
    for (const auto& [what, hole] : reports) {
        SCOPED_TRACE(what);
        const Deadline deadline(what, bound);
        const QTemporaryDir dir;
        const QString folder = dir.filePath("disk");
        ASSERT_TRUE(QDir().mkpath(folder));
        const SmallDisk disk(folder, dir.filePath("disk.img"));
        ASSERT_TRUE(disk.mounted()) << disk.error();
        const QString path = disk.path() + "/report.txt";
        // Whole pages of text: written over, they need no new room and so
        // change at once, where a save that went wrong would show.
        writeFile(path, QByteArray(8192, 'e'));
        if (hole > 0) {
            ASSERT_TRUE(QFile::resize(path, 8192 + hole));
        }
        const QByteArray earlier = contents(path);
        fillUp(disk.path() + "/filler");
        QFile::setPermissions(disk.path(), QFile::ReadOwner | QFile::ExeOwner);
        UnprivilegedUser::Own(dir.path().toStdString());
        {
            const UnprivilegedUser user;
            withoutReservingRoom([&] {
                const TextOutputStreamPtr stream =
                    TextOutputStream::Create(std::make_shared<FolderItem>(path.toStdString()));
                stream->Write(std::string(400 * 1024, 'n'));
                EXPECT_THROW(stream->Close(), IOException);
            });
        }
        EXPECT_EQ(contents(path), earlier);
    }
}

// The real window with a list of rows, saved through the save panel.
class ReportTargetTest : public Window1TestCase {
protected:
    void SetUp() override {
        Window1TestCase::SetUp();
        window->Label1()->Text("3.1-1");
        window->Label2()->Text("3.2-2");
    }

    void fill(int rows) {
        for (int row = 0; row < rows; ++row)
            window->ListBox1()->AddRow({"old value " + std::to_string(row), "new"});
    }

    // The program's own alert, if any, after saving to `path`.
    std::optional<ModalAnswer::Seen> save(const QString& path) {
        const Deadline deadline("a save", bound);
        ModalAnswer answer(saveAs(path));
        QTest::mouseClick(window->ControlByName("PushButton2")->NativeWidget(), Qt::LeftButton);
        for (const auto& seen : answer.dialogs())
            if (seen.text == "The report could not be saved.")
                return seen;
        return std::nullopt;
    }

    // An earlier report in `folder`, and its path.
    static QString earlierReport(const QByteArray& text, const QString& folder) {
        const QString path = folder + "/report.txt";
        writeFile(path, text);
        return path;
    }

    QTemporaryDir dir;
};

// A disk that fills part-way through the save: the user is told why, and
// the earlier report stays whole.
TEST_F(ReportTargetTest, AFullDiskKeepsTheEarlierReportAndGivesTheReason) {
    if (!SmallDisk::Possible())
        GTEST_SKIP() << cannotMount;
    const SmallDisk disk(dir.path(), "size=64k");
    ASSERT_TRUE(disk.mounted()) << disk.error();
    const QString path = earlierReport("earlier report", disk.path());
    fill(20000);
    const std::optional<ModalAnswer::Seen> alert = save(path);
    const QByteArray after = contents(path);
    ASSERT_TRUE(alert.has_value());
    EXPECT_TRUE(alert->informative.contains("No space left on device"))
        << alert->informative.toStdString();
    EXPECT_EQ(after, "earlier report");
}

TEST_F(ReportTargetTest, AReadOnlyReportIsKeptAndTheFailureTold) {
    const QString path = earlierReport("earlier report", dir.path());
    QFile::setPermissions(path, QFile::ReadOwner);
    UnprivilegedUser::Own(dir.path().toStdString());
    const UnprivilegedUser user;
    fill(1);
    EXPECT_TRUE(save(path).has_value());
    EXPECT_EQ(contents(path), "earlier report");
}

// A folder that takes no new file still lets a writable report be replaced.
TEST_F(ReportTargetTest, AWritableReportInAReadOnlyFolderIsReplacedInPlace) {
    const QString path = earlierReport("earlier report, longer than the new one", dir.path());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    UnprivilegedUser::Own(dir.path().toStdString());
    const UnprivilegedUser user;
    ASSERT_FALSE(QFileInfo(dir.path()).isWritable());
    fill(1);
    const bool alerted = save(path).has_value();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(alerted);
    EXPECT_EQ(contents(path), "3.1-1\t3.2-2\nold value 0\tnew");
}

// The same report on a disk too small for the new one: the user is told
// why, and the earlier report stays whole.
TEST_F(ReportTargetTest, AFullDiskKeepsAReportReplacedInPlaceWhole) {
    if (!SmallDisk::Possible())
        GTEST_SKIP() << cannotMount;
    const SmallDisk disk(dir.path(), "size=64k");
    ASSERT_TRUE(disk.mounted()) << disk.error();
    const QByteArray earlier = "earlier report, a little longer than the first rows of the new one";
    const QString path = earlierReport(earlier, disk.path());
    QFile::setPermissions(disk.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                           QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    UnprivilegedUser::Own(dir.path().toStdString());
    const UnprivilegedUser user;
    ASSERT_FALSE(QFileInfo(disk.path()).isWritable());
    fill(20000);
    const std::optional<ModalAnswer::Seen> alert = save(path);
    ASSERT_TRUE(alert.has_value());
    EXPECT_TRUE(alert->informative.contains("No space left on device"))
        << alert->informative.toStdString();
    const QByteArray after = contents(path);
    EXPECT_EQ(after, earlier) << after.size() << " bytes";
}

// The preference file where the store reads it: in the data folder, in a
// folder named after the running program, under the program's name.
QString prefsFile() {
    const String name = ExecutableFile()->Name();
    return QString::fromStdString(
        SpecialFolder::ApplicationData()->Child(name)->Child(name + ".pref")->NativePath());
}

QString prefsFolder() {
    return QFileInfo(prefsFile()).path();
}

struct OpenedWindow {
    std::shared_ptr<Window1> window;
    QStringList alerts;
};

// Opens the main window as the program does, and closes it with its Close,
// each within the bound.
OpenedWindow openWindow1(const char* what) {
    const Deadline deadline(what, bound);
    OpenedWindow opened;
    opened.alerts = alertsDuring([&] {
        FileTypeGroup1::_Initialize();
        opened.window = Window1::Accessor();
    });
    return opened;
}

void closeWindow1(const OpenedWindow& opened, const char* what) {
    const Deadline deadline(what, bound);
    opened.window->Close();
    QCoreApplication::sendPostedEvents();
}

struct Bounds {
    std::int64_t left, top, width, height;
    friend bool operator==(const Bounds&, const Bounds&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Bounds& b) {
        return out << b.width << "x" << b.height << " at " << b.left << "," << b.top;
    }
};

const Bounds designedBounds{10, 50, 370, 500};

Bounds contentOf(const Window& window) {
    return {window.Left(), window.Top(), window.Width(), window.Height()};
}

// The whole frame lies within the screen's available area, and the content
// is no smaller than the window's minimum.
void expectOnScreen(const Window& window) {
    const ScreenPtr screen = Screen::ScreenAt(0);
    const Rect frame = window.Bounds();
    EXPECT_GE(frame.Left, screen->AvailableLeft());
    EXPECT_GE(frame.Top, screen->AvailableTop());
    EXPECT_LE(frame.Right(), screen->AvailableLeft() + screen->AvailableWidth());
    EXPECT_LE(frame.Bottom(), screen->AvailableTop() + screen->AvailableHeight());
    EXPECT_GE(window.Width(), 370);
    EXPECT_GE(window.Height(), 400);
}

// A JSON object with the four bounds, each a whole number.
void expectStoredBounds(const QByteArray& text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << text.toStdString();
    ASSERT_TRUE(document.isObject()) << text.toStdString();
    for (const char* const member : {"WinWidth", "WinHeight", "WinLeft", "WinTop"})
        EXPECT_EQ(document[member].toVariant().typeId(), QMetaType::LongLong)
            << member << " in " << text.toStdString();
}

TEST(BadPreferenceFile, AnUnusableFileIsPassedOverAndWrittenAfreshOnClose) {
    const std::pair<const char*, QByteArray> files[] = {
        {"not JSON", "The window was wide."},
        {"an array", "[370, 500, 10, 50]"},
        {"texts for numbers",
         R"({"WinWidth": "600", "WinHeight": "450", "WinLeft": "60", "WinTop": "70"})"},
        {"numbers far too large",
         R"({"WinWidth": 1e300, "WinHeight": 1e300, "WinLeft": -1e300, "WinTop": 1e300})"},
        {"no members", "{}"},
        {"good bounds past the size limit",
         QByteArray(R"({"WinWidth": 600, "WinHeight": 450, "WinLeft": 60, "WinTop": 70})")
             .leftJustified(FileLimits::LargestPreferenceFile + 1)},
    };
    for (const auto& [what, text] : files) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(QDir().mkpath(prefsFolder()));
        writeFile(prefsFile(), text);
        const OpenedWindow opened = openWindow1(what);
        EXPECT_EQ(opened.alerts, QStringList{});
        EXPECT_EQ(contentOf(*opened.window), designedBounds);
        expectOnScreen(*opened.window);
        closeWindow1(opened, what);
        expectStoredBounds(contents(prefsFile()));
    }
}

TEST(BadPreferenceFile, AFolderInItsPlaceIsLeftAsItWas) {
    ASSERT_TRUE(QDir().mkpath(prefsFile()));
    writeFile(prefsFile() + "/kept", "kept");
    const OpenedWindow opened = openWindow1("a folder as the preference file");
    EXPECT_EQ(contentOf(*opened.window), designedBounds);
    closeWindow1(opened, "a folder as the preference file");
    EXPECT_TRUE(QFileInfo(prefsFile()).isDir());
    EXPECT_EQ(QDir(prefsFile()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"kept"});
    EXPECT_EQ(contents(prefsFile() + "/kept"), "kept");
}

TEST(BadPreferenceFile, ANamedPipeInItsPlaceIsNeverWaitedFor) {
    ASSERT_TRUE(QDir().mkpath(prefsFolder()));
    makeFifo(prefsFile().toStdString());
    const OpenedWindow opened = openWindow1("a named pipe as the preference file");
    EXPECT_EQ(contentOf(*opened.window), designedBounds);
    closeWindow1(opened, "a named pipe as the preference file");
}

// A save that does not fit beside the earlier file leaves that file whole.
TEST(BadPreferenceFile, AFullDiskKeepsTheEarlierFile) {
    if (!SmallDisk::Possible())
        GTEST_SKIP() << cannotMount;
    ASSERT_TRUE(QDir().mkpath(prefsFolder()));
    const SmallDisk disk(prefsFolder(), "size=4k");
    ASSERT_TRUE(disk.mounted()) << disk.error();
    // The store's data folder is the one that holds the disk, as reached.
    qputenv("XDG_DATA_HOME", QFileInfo(disk.path()).path().toLocal8Bit());
    // On one line, where the store writes one member a line: a save that
    // went through would show.
    const QByteArray earlier = R"({"WinWidth":400,"WinHeight":450,"WinLeft":60,"WinTop":70})";
    writeFile(prefsFile(), earlier);
    const OpenedWindow opened = openWindow1("a full disk under the preference file");
    const Bounds restored = contentOf(*opened.window);
    closeWindow1(opened, "a full disk under the preference file");
    const QByteArray after = contents(prefsFile());
    EXPECT_EQ(restored, (Bounds{60, 70, 400, 450}));
    EXPECT_EQ(after, earlier);
}

} // namespace
