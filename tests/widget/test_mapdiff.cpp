// The window's compare button and the reading tool mapdiff read mapping files
// with one reader and compare them with one comparison: on every kind of bad
// mapping file both list the same rows and tell the same texts, the window in
// its alerts and mapdiff on its error stream.
#include "ModalAnswer.h"
#include "OddBytes.h"
#include "TempBundle.h"
#include "Window1TestCase.h"
#include "support/FileLimits.h"
#include "window/Window1.h"
#include "window/myListBox.h"

#include "framework/Label.h"

#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <unistd.h>

namespace {

using Rows = std::vector<std::pair<String, String>>;
using Texts = std::vector<std::string>;

const std::string notFound = "Not found MapFileAdobe-Japan1.txt";
const std::string errorAccessing = "Error accessing";
const std::string somethingWrong = "There is something wrong with MapFileAdobe-Japan1.txt";
// The first line of the regular-expression routine's message; the engine's
// own words follow on the next line.
const std::string regExError = "RegEx error: ";

// The other bundle's map holds every key a case can give, each with a value
// no case gives, so that every entry of a case makes a row.
const std::string partnerMap = "a\tnew\t-\nd\tnew\t-\ng\tnew\t-\nk\tnew\t-\n";

std::string mapFilePath(const TempBundle& bundle) {
    const std::string path = bundle.path() + "/" + TempBundle::mapPath(TempBundle::PluginNoHyphen);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    return path;
}

// A file of `size` bytes that holds no data on disk.
void writeSparse(const TempBundle& bundle, off_t size) {
    const int file = ::open(mapFilePath(bundle).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(file, 0);
    EXPECT_EQ(::ftruncate(file, size), 0);
    ::close(file);
}

struct Case {
    const char* what;
    std::function<void(const TempBundle&)> makeOld;
    // The first line of each alert, in order.
    Texts alerts;
    std::function<void(const TempBundle&)> makeNew = [](const TempBundle& bundle) {
        bundle.writeMap(partnerMap);
    };
};

std::function<void(const TempBundle&)> map(std::string bytes) {
    return [bytes = std::move(bytes)](const TempBundle& bundle) {
        bundle.writeMap(bytes);
    };
}

struct Outcome {
    Rows rows;
    // Each alert's whole text, followed by a line end.
    std::string told;
};

// What mapdiff prints: the rows on its output, each alert's text and a line
// end on its error stream, and the exit status 1 after any alert.
Outcome runMapdiff(const TempBundle& oldBundle, const TempBundle& newBundle) {
    QProcess mapdiff;
    mapdiff.start(QUILLSTONE_MAPDIFF, {QString::fromStdString(oldBundle.path()),
                                       QString::fromStdString(newBundle.path())});
    Outcome outcome;
    if (!mapdiff.waitForFinished(60000)) {
        ADD_FAILURE() << "mapdiff did not end";
        return outcome;
    }
    EXPECT_EQ(mapdiff.exitStatus(), QProcess::NormalExit);
    for (const QByteArray& line : mapdiff.readAllStandardOutput().split('\n')) {
        if (line.isEmpty())
            continue;
        const qsizetype tab = line.indexOf('\t');
        outcome.rows.emplace_back(line.left(tab).toStdString(), line.mid(tab + 1).toStdString());
    }
    outcome.told = mapdiff.readAllStandardError().toStdString();
    EXPECT_EQ(mapdiff.exitCode(), outcome.told.empty() ? 0 : 1);
    return outcome;
}

class MapdiffTest : public Window1TestCase {
protected:
    // A click on the compare button with both bundles in place, as accepted
    // drops leave them; the first line of each alert goes to `alerts`.
    Outcome compareInWindow(const TempBundle& oldBundle, const TempBundle& newBundle,
                            Texts& alerts) {
        window->AppOLD = oldBundle.item();
        window->Label1()->Text("3.1");
        window->AppNEW = newBundle.item();
        window->Label2()->Text("3.2");
        Outcome outcome;
        {
            const ModalAnswer answer;
            QTest::mouseClick(window->ControlByName("PushButton1")->NativeWidget(), Qt::LeftButton);
            for (const auto& seen : answer.dialogs()) {
                outcome.told += seen.text.toStdString() + '\n';
                alerts.push_back(seen.text.section('\n', 0, 0).toStdString());
            }
        }
        const auto list = window->ListBox1();
        for (std::int64_t row = 0; row < list->ListCount(); ++row)
            outcome.rows.emplace_back(list->Cell(row, 0), list->Cell(row, 1));
        return outcome;
    }
};

TEST_F(MapdiffTest, EveryBadMapFileGivesTheWindowsRowsAndAlerts) {
    const Case cases[] = {
        {"Latin-1", map("caf\xE9\tcaf\xE9\t-\n"), {regExError, somethingWrong}},
        {"UTF-16 with a byte-order mark",
         map(utf16WithByteOrderMark("a\tb\tc\n")),
         {regExError, somethingWrong}},
        {"random bytes", map(randomBytes(64 * 1024)), {regExError, somethingWrong}},
        {"NUL bytes", map(std::string("a\tb\0c\td\n", 9)), {}},
        {"UTF-8 byte-order mark",
         map("\xEF\xBB\xBF"
             "a\tb\tc\nd\te\tf\n"),
         {}},
        {"CR LF and lone CR line ends", map("a\tb\tc\r\nd\te\tf\rg\th\ti\r"), {}},
        {"2,000,000 tabs on a line", map("k" + std::string(2'000'000, '\t') + "v\na\tb\tc\n"), {}},
        {"empty", map(""), {somethingWrong}},
        {"only blank lines", map(" \t\r\n\f\v \n\n"), {somethingWrong}},
        {"lines without a tab", map("one\ntwo\n"), {somethingWrong}},
        {"a folder in the file's place",
         [](const TempBundle& b) { std::filesystem::create_directories(mapFilePath(b)); },
         {errorAccessing}},
        {"40 GB, larger than any mapping file is",
         [](const TempBundle& b) { writeSparse(b, off_t{40} << 30); },
         {errorAccessing}},
        {"no mapping file in either bundle",
         [](const TempBundle&) {},
         {notFound, notFound},
         [](const TempBundle&) {
         }},
    };
    static_assert(FileLimits::LargestMapFile < std::int64_t{40} << 30);
    for (const Case& mapCase : cases) {
        SCOPED_TRACE(mapCase.what);
        const TempBundle oldBundle;
        const TempBundle newBundle;
        mapCase.makeOld(oldBundle);
        mapCase.makeNew(newBundle);

        Texts alerts;
        const Outcome inWindow = compareInWindow(oldBundle, newBundle, alerts);
        EXPECT_EQ(alerts, mapCase.alerts);

        const Outcome inMapdiff = runMapdiff(oldBundle, newBundle);
        EXPECT_TRUE(inMapdiff.rows == inWindow.rows);
        EXPECT_EQ(inMapdiff.told, inWindow.told);
    }
}

} // namespace
