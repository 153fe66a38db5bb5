// Speed of the main window with a full-size comparison, driven as a user
// drives it: the compare button until every row is listed and painted, a
// heading click until the sorted rows are painted, and the save button until
// the report is on disk. Runs the real window (offscreen without a display)
// and prints the medians, then each sort against the compare click of the
// same run, which is the target's measure.
//
//   bench_window [REPETITIONS]      (default 15, at least 10)
#include "framework/Label.h"
#include "framework/TextOutputStream.h"
#include "support/FileTypeGroup1.h"
#include "support/General.h"
#include "window/Window1.h"
#include "window/myListBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int lineCount = 23060;
constexpr const char* mapPath =
    "Contents/PlugIns/OTF.glyphsFileFormat/Contents/Resources/MapFileAdobeJapan1.txt";

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what);
}

// A glyph name as the mapping files carry them: "uni" and four hex digits in
// the basic plane, "u" and five beyond it.
std::string glyphName(unsigned codePoint) {
    char name[16];
    std::snprintf(name, sizeof name, codePoint > 0xFFFF ? "u%05X" : "uni%04X", codePoint);
    return name;
}

// The ideographs in a scattered order, as CIDs meet them: mostly the basic
// block, every 13th from the supplementary plane.
unsigned codePointFor(int index) {
    const auto step = static_cast<unsigned>(index) * 7919u;
    return index % 13 == 0 ? 0x20000u + step % 0xA6E0u : 0x4E00u + step % 0x5200u;
}

// Mixed lengths: plain names, vertical forms and two-part ligature names.
std::string oldValue(int index) {
    const std::string name = glyphName(codePointFor(index));
    if (index % 7 == 3)
        return name + ".vert";
    if (index % 11 == 5)
        return name + "_" + glyphName(codePointFor(index + 1));
    return name;
}

// Every value changes: a new code point, or a new variant suffix.
std::string newValue(int index) {
    switch (index % 4) {
    case 0:
        return glyphName(codePointFor(index + lineCount));
    case 1:
        return oldValue(index) + ".jp90";
    case 2:
        return glyphName(codePointFor(index) + 1);
    default:
        return oldValue(index) + ".hw";
    }
}

// Key, value and a third column, which the reader drops.
std::string mapFile(std::string (*value)(int)) {
    std::string text;
    for (int cid = 0; cid < lineCount; ++cid)
        text += std::to_string(cid) + '\t' + value(cid) + "\tcid" + std::to_string(cid) + '\n';
    return text;
}

class Bundle {
public:
    Bundle(const QString& name, const std::string& map) : path_(dir_.path() + "/" + name) {
        const QString file = path_ + "/" + mapPath;
        QFile out(file);
        if (!dir_.isValid() || !QDir().mkpath(QFileInfo(file).path()) ||
            !out.open(QIODevice::WriteOnly) ||
            out.write(map.data(), static_cast<qint64>(map.size())) !=
                static_cast<qint64>(map.size()))
            fail("cannot write " + file.toStdString());
    }

    FolderItemPtr item() const { return std::make_shared<FolderItem>(path_.toStdString()); }

private:
    QTemporaryDir dir_;
    QString path_;
};

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count() const { return count_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count_;
        return false;
    }

private:
    int count_ = 0;
};

// Runs the event loop until the counted widget has been painted once more,
// as the window does after the handler returns.
void waitForPaint(const PaintCounter& paints, int before) {
    const Clock::time_point start = Clock::now();
    while (paints.count() == before) {
        QApplication::processEvents();
        if (millisecondsSince(start) > 5000)
            fail("the list was not painted");
    }
}

// Presses the first button of any alert: none is expected while timing, and
// an unanswered one would stop the run. Counts what it answered.
class AlertGuard {
public:
    AlertGuard() {
        timer_.setInterval(100);
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++answered_;
                std::fprintf(stderr, "unexpected alert: %s\n", qPrintable(box->text()));
                box->buttons().constFirst()->click();
            }
        });
        timer_.start();
    }
    int answered() const { return answered_; }

private:
    QTimer timer_;
    int answered_ = 0;
};

// Notes the moment it is deleted. Made the last child of a dialog, it goes
// when the dialog has deleted everything else it held.
class DeletionStamp : public QObject {
public:
    DeletionStamp(Clock::time_point& at, QObject* parent) : QObject(parent), at_(at) {}
    ~DeletionStamp() override { at_ = Clock::now(); }

private:
    Clock::time_point& at_;
};

// Answers the next save dialog as a user would: types `path` into the name
// field and presses Save. Notes when the dialog stood ready, when Save was
// pressed and when the dialog was gone.
class SaveAnswer {
public:
    explicit SaveAnswer(QString path) : path_(std::move(path)) { arm(); }

    Clock::time_point shown() const { return shown_; }
    Clock::time_point pressed() const { return pressed_; }
    Clock::time_point gone() const { return gone_; }
    bool answered() const { return answered_; }

private:
    void arm() {
        QTimer::singleShot(0, [this] { poll(); });
    }

    void poll() {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) {
            arm();
            return;
        }
        shown_ = Clock::now();
        new DeletionStamp(gone_, dialog);
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path_);
        auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        answered_ = true;
        pressed_ = Clock::now();
        buttons->button(QDialogButtonBox::Save)->click();
    }

    QString path_;
    Clock::time_point shown_{};
    Clock::time_point pressed_{};
    Clock::time_point gone_{};
    bool answered_ = false;
};

struct Series {
    std::string name;
    std::vector<double> ms;

    double median() const {
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        const std::size_t middle = sorted.size() / 2;
        return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
    }
    double min() const { return *std::min_element(ms.begin(), ms.end()); }
    double max() const { return *std::max_element(ms.begin(), ms.end()); }
};

class WindowBench {
public:
    explicit WindowBench(int repetitions)
        : repetitions_(repetitions), oldBundle_("Glyphs 3.1.app", mapFile(oldValue)),
          newBundle_("Glyphs 3.2.app", mapFile(newValue)) {
        FileTypeGroup1::_Initialize();
        window_ = Window1::Accessor();
        if (!QTest::qWaitForWindowExposed(window_->NativeWidget()))
            fail("the window was not shown");
        window_->AppOLD = oldBundle_.item();
        window_->AppNEW = newBundle_.item();
        window_->Label1()->Text("3.1-3151");
        window_->Label2()->Text("3.2-3260");
        view_ = qobject_cast<QTreeView*>(window_->ListBox1()->NativeWidget());
        if (!view_)
            fail("the list is no tree view");
        paints_ = std::make_unique<PaintCounter>(view_->viewport());
        if (!reports_.isValid())
            fail("no temporary folder for the reports");
        // The save dialog lists its current folder; a small one keeps that alike between runs.
        QDir::setCurrent(reports_.path());
    }

    ~WindowBench() {
        window_->Close();
        QCoreApplication::sendPostedEvents();
    }

    std::vector<Series> run() {
        std::vector<Series> results;
        compare(results);
        sort(results);
        save(results);
        return results;
    }

private:
    // Every changed value made a row.
    void checkRows() {
        const auto list = window_->ListBox1();
        if (list->ListCount() != lineCount)
            fail("the list holds " + std::to_string(list->ListCount()) + " rows, not " +
                 std::to_string(lineCount));
    }

    double clickAndPaint(QWidget* target, QPoint at = {}) {
        const int before = paints_->count();
        const Clock::time_point start = Clock::now();
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        waitForPaint(*paints_, before);
        return millisecondsSince(start);
    }

    QWidget* button(const char* name) const { return window_->ControlByName(name)->NativeWidget(); }

    void compare(std::vector<Series>& results) {
        Series cold{"compare: first click after start (cold), painted", {}};
        Series handler{"compare: click until the rows are in the list", {}};
        Series painted{"compare: click until the rows are painted", {}};
        AlertGuard guard;
        cold.ms.push_back(clickAndPaint(button("PushButton1")));
        checkRows();
        for (int repetition = 0; repetition < repetitions_; ++repetition) {
            const int before = paints_->count();
            const Clock::time_point start = Clock::now();
            QTest::mouseClick(button("PushButton1"), Qt::LeftButton);
            handler.ms.push_back(millisecondsSince(start));
            waitForPaint(*paints_, before);
            painted.ms.push_back(millisecondsSince(start));
            checkRows();
        }
        if (guard.answered())
            fail("the comparison raised an alert");
        results.insert(results.end(), {cold, handler, painted});
    }

    QPoint heading(int column) const {
        const QHeaderView* header = view_->header();
        return {header->sectionViewportPosition(column) + 5, header->height() / 2};
    }

    // Every repetition starts from the rows in the file's order, unsorted.
    void sort(std::vector<Series>& results) {
        Series ascending{"sort Old: 1st heading click (file order -> ascending)", {}};
        Series descending{"sort Old: 2nd heading click (ascending -> descending)", {}};
        Series newColumn{"sort New: 1st heading click (file order -> ascending)", {}};
        AlertGuard guard;
        QWidget* header = view_->header()->viewport();
        const auto list = window_->ListBox1();
        for (int repetition = 0; repetition < repetitions_; ++repetition) {
            clickAndPaint(button("PushButton1"));
            ascending.ms.push_back(clickAndPaint(header, heading(0)));
            descending.ms.push_back(clickAndPaint(header, heading(0)));
            if (myListBox::FinderCompare(list->Cell(0, 0), list->Cell(list->ListCount() - 1, 0)) <
                0)
                fail("the second click did not sort descending");
            clickAndPaint(button("PushButton1"));
            newColumn.ms.push_back(clickAndPaint(header, heading(1)));
        }
        checkRows();
        if (guard.answered())
            fail("sorting raised an alert");
        results.push_back(ascending);
        results.push_back(descending);
        results.push_back(newColumn);
    }

    // The sorted rows as the user saves them: the whole click, its parts, the
    // dialog alone, and the handler's steps after the dialog replayed through
    // the same calls.
    void save(std::vector<Series>& results) {
        Series whole{"save: click until the report is on disk", {}};
        Series opening{"  of which: click until the dialog stands ready (Qt)", {}};
        Series closing{"  of which: Save pressed until the dialog is gone (Qt)", {}};
        Series handler{"  of which: dialog gone until the report is on disk", {}};
        Series dialogAlone{"save dialog alone: ShowSavePanel, answered (Qt)", {}};
        Series replayed{"the save replayed after the dialog: ReportText, write", {}};
        clickAndPaint(button("PushButton1"));
        clickAndPaint(view_->header()->viewport(), heading(0));
        const QString report = reports_.filePath(QStringLiteral("Diff_3.1-3151_3.2-3260.txt"));
        const QString replay = reports_.filePath(QStringLiteral("replay.txt"));
        using Ms = std::chrono::duration<double, std::milli>;
        for (int repetition = 0; repetition < repetitions_ + 1; ++repetition) {
            QFile::remove(report);
            const SaveAnswer answer(report);
            const Clock::time_point start = Clock::now();
            QTest::mouseClick(button("PushButton2"), Qt::LeftButton);
            const Clock::time_point done = Clock::now();
            checkReport(report, answer);

            QFile::remove(replay);
            const Clock::time_point writeStart = Clock::now();
            replaySave(replay);
            const double writeMs = millisecondsSince(writeStart);

            const SaveAnswer panelAnswer(reports_.filePath(QStringLiteral("panel.txt")));
            const Clock::time_point panelStart = Clock::now();
            General::ShowSavePanel("Diff.txt", "", nullptr, nullptr);
            const double panelMs = millisecondsSince(panelStart);
            // The first run loads the dialog's code and icons.
            if (repetition == 0)
                continue;
            whole.ms.push_back(Ms(done - start).count());
            opening.ms.push_back(Ms(answer.shown() - start).count());
            closing.ms.push_back(Ms(answer.gone() - answer.pressed()).count());
            handler.ms.push_back(Ms(done - answer.gone()).count());
            replayed.ms.push_back(writeMs);
            dialogAlone.ms.push_back(panelMs);
        }
        if (contents(replay) != contents(report))
            fail("the replayed save wrote another text than the handler");
        results.insert(results.end(), {whole, opening, closing, handler, dialogAlone, replayed});
    }

    void checkReport(const QString& path, const SaveAnswer& answer) const {
        if (!answer.answered())
            fail("the save dialog did not appear");
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly) || file.readLine().trimmed() != "3.1-3151\t3.2-3260")
            fail("the report was not written");
        file.close();
        if (file.size() < lineCount * 10)
            fail("the report is too short");
    }

    static QByteArray contents(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            fail("cannot read " + path.toStdString());
        return file.readAll();
    }

    // What the save button does once the dialog has given the file: the
    // window's report text, written as the handler writes it.
    void replaySave(const QString& path) const {
        const auto file = std::make_shared<FolderItem>(path.toStdString());
        const TextOutputStreamPtr stream = TextOutputStream::Create(file);
        stream->Write(window_->ReportText());
        stream->Close();
    }

    int repetitions_;
    Bundle oldBundle_;
    Bundle newBundle_;
    QTemporaryDir reports_;
    std::shared_ptr<Window1> window_;
    QTreeView* view_ = nullptr;
    std::unique_ptr<PaintCounter> paints_;
};

const Series& named(const std::vector<Series>& results, const std::string& prefix) {
    return *std::find_if(results.begin(), results.end(),
                         [&](const Series& series) { return series.name.starts_with(prefix); });
}

// The targets: each sort at most as long as the compare click that listed
// the rows, both medians of this run, where both met the same load. The
// verdict is the ratio's alone.
void printRatios(const std::vector<Series>& results) {
    const double compare = named(results, "compare: click until the rows are painted").median();
    std::printf("\nsorts against the compare click (medians of this run; target at most 1.00)\n");
    for (const char* sort : {"sort Old: 1st", "sort Old: 2nd", "sort New: 1st"}) {
        const Series& series = named(results, sort);
        const double ratio = series.median() / compare;
        std::printf("  %-56s %5.2f  %s\n", series.name.c_str(), ratio,
                    ratio <= 1.0 ? "pass" : "MISSED");
    }
}

// The times as measured; a machine's load moves them, so they carry no verdict.
void print(const std::vector<Series>& results, int repetitions) {
    std::printf("%d-line mapping files, every value changed; %d repetitions, times in ms\n\n",
                lineCount, repetitions);
    std::printf("| %-56s | %8s | %8s | %8s |\n", "measurement", "median", "min", "max");
    std::printf("|%s|%s|%s|%s|\n", std::string(58, '-').c_str(), std::string(10, '-').c_str(),
                std::string(10, '-').c_str(), std::string(10, '-').c_str());
    for (const Series& series : results)
        std::printf("| %-56s | %8.2f | %8.2f | %8.2f |\n", series.name.c_str(), series.median(),
                    series.min(), series.max());
}

// The offscreen platform warns at every window it shows; the table is the output.
void dropPlatformNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    std::fputs(qPrintable(qFormatLogMessage(type, context, message) + '\n'), stderr);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The Finder order follows the user's locale; without one, that of the tests.
    if (qEnvironmentVariableIsEmpty("LC_ALL") && qEnvironmentVariableIsEmpty("LC_COLLATE") &&
        qEnvironmentVariableIsEmpty("LANG"))
        qputenv("LANG", "en_US.UTF-8");
    // The save dialog remembers its folders in the user's Qt settings, the
    // window its bounds in the user's data folder. The bench keeps its own,
    // so that every run starts alike and leaves the user's files alone.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", settings.path().toLocal8Bit());
    qInstallMessageHandler(dropPlatformNoise);
    QApplication application(argc, argv);
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 15;
    if (repetitions < 10) {
        std::fputs("usage: bench_window [REPETITIONS >= 10]\n", stderr);
        return 2;
    }
    try {
        WindowBench bench(repetitions);
        const std::vector<Series> results = bench.run();
        print(results, repetitions);
        printRatios(results);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_window: %s\n", error.what());
        return 1;
    }
    return 0;
}
