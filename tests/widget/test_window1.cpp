#include "ModalAnswer.h"
#include "SaveDialogAnswer.h"
#include "TempBundle.h"
#include "Window1TestCase.h"
#include "support/FileTypeGroup1.h"
#include "window/Window1.h"
#include "window/myListBox.h"

#include "framework/Canvas.h"
#include "framework/Exceptions.h"
#include "framework/Label.h"
#include "framework/Runtime.h"

#include "framework/Graphics.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

struct Box {
    std::int64_t left, top, width, height;
    friend bool operator==(const Box&, const Box&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Box& b) {
        return out << b.left << "," << b.top << " " << b.width << "x" << b.height;
    }
};

// Before start-up has made the file types, the drop zones meet a reference to
// none, as every such access does.
TEST(Window1BeforeTheFileTypes, OpeningRaisesNilObjectException) {
    RuntimePerformInitializers(); // every module-wide state at its start value
    ASSERT_EQ(FileTypeGroup1::App(), nullptr);
    EXPECT_THROW(Window1::Accessor(), NilObjectException);
}

class Window1Test : public Window1TestCase {
protected:
    Box box(const String& name) const {
        const auto control = window->ControlByName(name);
        return {control->Left(), control->Top(), control->Width(), control->Height()};
    }

    // Puts a bundle in a zone the way an accepted drop leaves it.
    void load(bool upper, const TempBundle& bundle, const String& version) {
        (upper ? window->AppOLD : window->AppNEW) = bundle.item();
        (upper ? window->Label1() : window->Label2())->Text(version);
    }

    QStringList click(const String& button) {
        ModalAnswer answer;
        QTest::mouseClick(window->ControlByName(button)->NativeWidget(), Qt::LeftButton);
        QStringList shown;
        for (const auto& seen : answer.dialogs())
            shown << seen.text;
        return shown;
    }

    std::vector<std::pair<String, String>> rows() const {
        std::vector<std::pair<String, String>> result;
        const auto list = window->ListBox1();
        for (std::int64_t row = 0; row < list->ListCount(); ++row)
            result.emplace_back(list->Cell(row, 0), list->Cell(row, 1));
        return result;
    }
};

TEST_F(Window1Test, OpensAtItsDesignWithPromptsAndHeadings) {
    EXPECT_EQ(window->Title(), "Quillstone");
    EXPECT_EQ(window->Width(), 370);
    EXPECT_EQ(window->Height(), 500);
    EXPECT_FALSE(window->HasMaximizeButton());
    EXPECT_EQ(window->Label1()->Text(), "Drop Old Glyphs App");
    EXPECT_EQ(window->Label2()->Text(), "Drop New Glyphs App");
    EXPECT_EQ(window->Control<PushButton>("PushButton1")->Caption(), "Quillstone");
    EXPECT_EQ(window->Control<PushButton>("PushButton2")->Caption(), "Save");
    EXPECT_FALSE(window->Control<PushButton>("PushButton1")->Default());
    EXPECT_EQ(window->ListBox1()->ColumnCount(), 2);
    EXPECT_EQ(window->ListBox1()->Heading(0), "Old");
    EXPECT_EQ(window->ListBox1()->Heading(1), "New");
    EXPECT_EQ(window->ListBox1()->ListCount(), 0);
    EXPECT_EQ(Window1::Accessor(), window) << "a second call must find the open window";
}

TEST_F(Window1Test, ControlsFollowTheWindowEdgesTheyAreLockedTo) {
    const std::pair<const char*, Box> design[] = {
        {"GroupBox1", {20, 20, 330, 90}},    {"Canvas1", {32, 33, 64, 64}},
        {"Label1", {32, 33, 306, 64}},       {"GroupBox2", {20, 122, 330, 90}},
        {"Canvas2", {32, 135, 64, 64}},      {"Label2", {32, 135, 306, 64}},
        {"PushButton1", {20, 232, 238, 20}}, {"ListBox1", {20, 264, 330, 216}},
        {"PushButton2", {270, 232, 80, 20}}};
    for (const auto& [name, expected] : design)
        EXPECT_EQ(box(name), expected) << name;

    window->Width(370);
    window->Height(400);
    EXPECT_EQ(box("ListBox1"), (Box{20, 264, 330, 116}));

    window->Width(570);
    window->Height(600);
    EXPECT_EQ(box("ListBox1"), (Box{20, 264, 530, 316}));
    EXPECT_EQ(box("GroupBox1"), (Box{20, 20, 530, 90}));
    EXPECT_EQ(box("Label2"), (Box{32, 135, 506, 64}));
    EXPECT_EQ(box("Canvas2"), (Box{32, 135, 64, 64}));
    EXPECT_EQ(box("PushButton1"), (Box{20, 232, 438, 20}));
    EXPECT_EQ(box("PushButton2"), (Box{470, 232, 80, 20}));

    window->Width(100);
    window->Height(100);
    EXPECT_EQ(window->Width(), 370) << "the minimum size holds";
    EXPECT_EQ(window->Height(), 400);
}

TEST_F(Window1Test, CompareRefusesInItsOrder) {
    TempBundle oldBundle("Glyphs 3.1.app"), newBundle("Glyphs 3.2.app");
    oldBundle.writeMap("a\tx\t-\n");
    newBundle.writeMap("a\ty\t-\n");

    EXPECT_EQ(click("PushButton1"), QStringList{"Drop the old Glyphs app."});
    load(true, oldBundle, "3.1-1");
    EXPECT_EQ(click("PushButton1"), QStringList{"Drop the new Glyphs app."});
    load(false, newBundle, "3.1-1");
    EXPECT_EQ(click("PushButton1"), QStringList{"Both apps are the same version."});
    load(false, newBundle, "3.2-2");
    EXPECT_EQ(click("PushButton1"), QStringList{});
    EXPECT_EQ(rows().size(), 1u);

    std::filesystem::remove_all(newBundle.path());
    EXPECT_EQ(click("PushButton1"), QStringList{"Drop the new Glyphs app."});
    EXPECT_EQ(window->ListBox1()->ListCount(), 0) << "every click starts from an empty list";
}

TEST_F(Window1Test, ReaderAlertsComeOldFirstAndStopTheComparison) {
    TempBundle oldBundle("Glyphs 1.app"), newBundle("Glyphs 2.app");
    load(true, oldBundle, "1-1");
    load(false, newBundle, "2-2");
    EXPECT_EQ(click("PushButton1"), (QStringList{"Not found MapFileAdobe-Japan1.txt",
                                                 "Not found MapFileAdobe-Japan1.txt"}));
    newBundle.writeMap("a\tb\tc\n");
    EXPECT_EQ(click("PushButton1"), QStringList{"Not found MapFileAdobe-Japan1.txt"});
}

TEST_F(Window1Test, ListsEveryChangedValueOnceInTheOldMapsOrder) {
    TempBundle oldBundle("Glyphs 1.app"), newBundle("Glyphs 2.app");
    oldBundle.writeMap("a\tx\t-\nb\ty\t-\nc\tz\t-\ne\t\xC3\xA9\t-\n");
    newBundle.writeMap("e\te\xCC\x81\t-\na\tx\t-\nb\tY\t-\nd\tw\t-\n");
    load(true, oldBundle, "1-1");
    load(false, newBundle, "2-2");
    EXPECT_EQ(click("PushButton1"), QStringList{});
    const std::vector<std::pair<String, String>> expected = {{"y", "Y"}};
    EXPECT_EQ(rows(), expected);
    EXPECT_EQ(click("PushButton1"), QStringList{});
    EXPECT_EQ(rows(), expected) << "a second click must not add the rows again";

    newBundle.writeMap("a\tx\t-\nb\ty\t-\n");
    EXPECT_EQ(click("PushButton1"), QStringList{"Both AJ1 Map Files are the same."});
    EXPECT_EQ(window->ListBox1()->ListCount(), 0);
}

class ReportTest : public Window1Test {
protected:
    void SetUp() override {
        Window1Test::SetUp();
        oldBundle.writeMap("k1\tuni10\t-\nk2\tuni2\t-\nk3\tuni1\t-\nk4\ttrail\t-\n");
        newBundle.writeMap("k1\tA\t-\nk2\tB\t-\nk3\tC\t-\nk4\t\t-\n");
        load(true, oldBundle, "3.1-310");
        load(false, newBundle, "3.2-320");
        EXPECT_EQ(click("PushButton1"), QStringList{});
    }

    // The program's alerts, if any, after saving to `path`. The save dialog
    // asks before it replaces an existing report, and only then; that
    // question is the dialog's own, not the program's alert.
    QStringList save(const QString& path) {
        const bool exists = QFileInfo::exists(path);
        ModalAnswer answer(saveAs(path));
        QTest::mouseClick(window->ControlByName("PushButton2")->NativeWidget(), Qt::LeftButton);
        QStringList shown;
        bool asked = false;
        for (const auto& seen : answer.dialogs()) {
            if (seen.text.contains("already exists"))
                asked = true;
            else if (!seen.text.isEmpty())
                shown << seen.text;
        }
        EXPECT_EQ(asked, exists) << "asked to replace " << path.toStdString();
        return shown;
    }

    QByteArray read(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }

    TempBundle oldBundle{"Glyphs 3.1.app"}, newBundle{"Glyphs 3.2.app"};
    QTemporaryDir folder;
};

TEST_F(ReportTest, WritesTheVersionsAndTheRowsAsShownWithoutAFinalLineEnd) {
    const QString path = folder.filePath("report.txt");
    EXPECT_EQ(save(path), QStringList{});
    EXPECT_EQ(read(path), QByteArray("3.1-310\t3.2-320\nuni10\tA\nuni2\tB\nuni1\tC\ntrail\t"));

    auto* view = qobject_cast<QTreeView*>(window->ListBox1()->NativeWidget());
    ASSERT_NE(view, nullptr);
    QHeaderView* header = view->header();
    const QPoint first(header->sectionViewportPosition(0) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, first);
    EXPECT_EQ(save(path), QStringList{});
    EXPECT_EQ(read(path), QByteArray("3.1-310\t3.2-320\ntrail\t\nuni1\tC\nuni2\tB\nuni10\tA"));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, first);
    EXPECT_EQ(save(path), QStringList{});
    EXPECT_EQ(read(path), QByteArray("3.1-310\t3.2-320\nuni10\tA\nuni2\tB\nuni1\tC\ntrail\t"));
}

// Only the line ends at the very end go: every row keeps both its columns.
TEST_F(ReportTest, AnEmptyVersionOrValueKeepsItsColumn) {
    window->Label1()->Text("");
    window->ListBox1()->DeleteAllRows();
    window->ListBox1()->AddRow({"a ", " "});
    const QString path = folder.filePath("report.txt");
    EXPECT_EQ(save(path), QStringList{});
    EXPECT_EQ(read(path), QByteArray("\t3.2-320\na \t "));
}

TEST_F(ReportTest, SuggestsANameFromTheVersionsAndCancelWritesNothing) {
    QString suggested;
    ModalAnswer answer([&suggested](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            suggested = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            dialog->reject();
        }
    });
    QTest::mouseClick(window->ControlByName("PushButton2")->NativeWidget(), Qt::LeftButton);
    EXPECT_EQ(suggested, "Diff_3.1-310_3.2-320.txt");
    EXPECT_TRUE(QDir(folder.path()).isEmpty());

    // A version text never leads the report out of the folder the user chose.
    window->Label1()->Text("3.1/../../x\t\r\xC2\x85-33");
    QTest::mouseClick(window->ControlByName("PushButton2")->NativeWidget(), Qt::LeftButton);
    EXPECT_EQ(suggested, "Diff_3.1-..-..-x----33_3.2-320.txt");
}

TEST_F(ReportTest, AnEmptyListOffersNoPanel) {
    window->ListBox1()->DeleteAllRows();
    ModalAnswer answer;
    QTest::mouseClick(window->ControlByName("PushButton2")->NativeWidget(), Qt::LeftButton);
    EXPECT_TRUE(answer.dialogs().isEmpty());
}

// A write that fails halfway (here: the file size limit) must leave the
// earlier report whole and tell the user.
TEST_F(ReportTest, AFailedSaveKeepsTheEarlierReportAndSaysSo) {
    const QString path = folder.filePath("report.txt");
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier report");
    earlier.close();

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &small);
    const QStringList shown = save(path);
    setrlimit(RLIMIT_FSIZE, &saved);

    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0], "The report could not be saved.");
    EXPECT_EQ(read(path), QByteArray("earlier report"));
}

class PaintProbe : public myListBox {
public:
    using myListBox::Event_CellBackgroundPaint;
};

// Paints one cell of the given height into an image and reads it back.
struct PaintedCell {
    QImage image;
    bool result;
};

PaintedCell paint(PaintProbe& list, std::int64_t row, std::int64_t column, double height) {
    QImage image(100, 30, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    Graphics g(painter, 50, height);
    const bool result = list.Event_CellBackgroundPaint(g, row, column);
    painter.end();
    return {image, result};
}

TEST(myListBoxPaint, StripesAndRulesForLightAndDark) {
    const QPalette original = QApplication::palette();
    auto list = std::make_shared<PaintProbe>();
    list->ColumnCount(2);
    list->AddRow({"a", "b"});
    list->AddRow({"c", "d"});
    list->AddRow({"e", "f"});

    for (const bool dark : {false, true}) {
        QPalette palette = original;
        palette.setColor(QPalette::Window, dark ? QColor(30, 30, 30) : QColor(236, 236, 236));
        palette.setColor(QPalette::WindowText, dark ? Qt::white : Qt::black);
        QApplication::setPalette(palette);

        const PaintedCell even = paint(*list, 0, 0, 20.0);
        EXPECT_FALSE(even.result);
        EXPECT_EQ(even.image.pixel(10, 5), dark ? qRgb(22, 22, 22) : qRgb(241, 242, 242));
        EXPECT_EQ(even.image.pixel(10, 19), dark ? qRgb(51, 51, 51) : qRgb(213, 213, 213));
        EXPECT_EQ(even.image.pixel(49, 5), dark ? qRgb(51, 51, 51) : qRgb(213, 213, 213));
        EXPECT_EQ(even.image.pixel(10, 21), qRgb(0, 0, 255)) << "nothing outside the cell";

        const PaintedCell lastColumn = paint(*list, 2, 1, 20.5);
        EXPECT_EQ(lastColumn.image.pixel(49, 5), even.image.pixel(10, 5)) << "no right rule";
        EXPECT_EQ(lastColumn.image.pixel(10, 19), even.image.pixel(10, 19)) << "20.5 high: y = 19";

        const QRgb odd = paint(*list, 1, 0, 20.0).image.pixel(10, 5);
        EXPECT_GT(qBlue(odd), 240) << "almost transparent white over blue";
        EXPECT_LT(qRed(odd), 30);
    }
    QApplication::setPalette(original);

    QItemSelectionModel& selection =
        *static_cast<QTreeView*>(list->NativeWidget())->selectionModel();
    selection.select(selection.model()->index(1, 0),
                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const PaintedCell selected = paint(*list, 1, 0, 20.0);
    EXPECT_TRUE(selected.result);
    EXPECT_EQ(selected.image.pixel(10, 5), qRgb(0, 0, 255));
}

TEST(myListBoxPaint, TheOwnEventPaintsOverAndDecides) {
    auto list = std::make_shared<PaintProbe>();
    list->ColumnCount(2);
    list->CellBackgroundPaint = [](Graphics& g, std::int64_t, std::int64_t) {
        g.ForeColor(Colour{0x00FF0000});
        g.FillRect(0, 0, 4, 4);
        return true;
    };
    list->AddRow({"a", "b"});
    const PaintedCell cell = paint(*list, 0, 0, 20.0);
    EXPECT_TRUE(cell.result);
    EXPECT_EQ(cell.image.pixel(1, 1), qRgb(255, 0, 0));
}

TEST(myListBoxOrder, FinderOrderIsNaturalAndOnlyIdenticalTextsAreEqual) {
    EXPECT_EQ(myListBox::FinderCompare("uni2", "uni10"), -1);
    EXPECT_EQ(myListBox::FinderCompare("uni10", "uni2"), 1);
    EXPECT_EQ(myListBox::FinderCompare("a", "a"), 0);
    EXPECT_NE(myListBox::FinderCompare("a", "A"), 0);
    EXPECT_EQ(myListBox::FinderCompare("a", "B"), -1);
    EXPECT_EQ(myListBox::FinderCompare("", "a"), -1);
}

} // namespace
