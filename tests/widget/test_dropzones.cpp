#include "ModalAnswer.h"
#include "TempBundle.h"
#include "Window1TestCase.h"
#include "window/Window1.h"
#include "window/myListBox.h"

#include "framework/Canvas.h"
#include "framework/Label.h"
#include "framework/Picture.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWindow>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace {

enum class Zone { Upper, Lower };
// Where on a zone the files are let go.
enum class Spot { Canvas, Label, Frame };

const char* const spotNames[] = {"canvas", "label", "frame"};

class DropZoneTest : public Window1TestCase {
protected:
    void SetUp() override {
        Window1TestCase::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window->NativeWidget()));
    }

    std::shared_ptr<Label> label(Zone zone) const {
        return zone == Zone::Upper ? window->Label1() : window->Label2();
    }
    std::shared_ptr<Canvas> canvas(Zone zone) const {
        return zone == Zone::Upper ? window->Canvas1() : window->Canvas2();
    }
    FolderItemPtr app(Zone zone) const {
        return zone == Zone::Upper ? window->AppOLD : window->AppNEW;
    }
    std::int64_t column(Zone zone) const { return zone == Zone::Upper ? 0 : 1; }

    // A point of the window, in its content's coordinates, that lies on the zone.
    QPoint spot(Zone zone, Spot where) const {
        QWidget* const content = window->NativeWidget();
        const char* const box = zone == Zone::Upper ? "GroupBox1" : "GroupBox2";
        switch (where) {
        case Spot::Canvas:
            return canvas(zone)->NativeWidget()->mapTo(content, QPoint(8, 8));
        case Spot::Label: {
            QWidget* const text = label(zone)->NativeWidget();
            return text->mapTo(content, QPoint(text->width() - 8, text->height() / 2));
        }
        case Spot::Frame:
            break;
        }
        QWidget* const frame = window->ControlByName(box)->NativeWidget();
        return frame->mapTo(content, QPoint(4, frame->height() - 4));
    }

    // Drags the files over the window and lets them go at `point`, through
    // the window's own dispatch as the desktop's drag and drop reaches it.
    // False when the drag was refused on its way in.
    bool dragAndDrop(QPoint point, const QStringList& paths) {
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        return dragAndDrop(point, urls);
    }

    bool dragAndDrop(QPoint point, const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QWindow* const target = window->NativeWidget()->windowHandle();
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;

        QDragEnterEvent enter(point, actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDragMoveEvent move(point, actions, &data, Qt::LeftButton, Qt::NoModifier);
        move.setAccepted(enter.isAccepted());
        if (enter.isAccepted())
            QApplication::sendEvent(target, &move);
        if (!move.isAccepted()) {
            QDragLeaveEvent leave;
            QApplication::sendEvent(target, &leave);
            return false;
        }
        QDropEvent drop(QPointF(point), actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }

    // Drops the files on the zone, waits for the handler, which runs once the
    // drag is over, and answers its alert. The alerts shown, in order.
    QStringList drop(Zone zone, const QStringList& paths, Spot where = Spot::Frame) {
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        return drop(zone, urls, where);
    }

    QStringList drop(Zone zone, const QList<QUrl>& urls, Spot where = Spot::Frame) {
        label(zone)->Text("(waiting)");
        ModalAnswer answer;
        if (!dragAndDrop(spot(zone, where), urls)) {
            ADD_FAILURE() << "the drag was refused";
            return {};
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return label(zone)->Text() != "(waiting)"; }))
            << "the drop was never handled";
        QStringList shown;
        for (const auto& seen : answer.dialogs())
            shown << seen.text;
        return shown;
    }

    void fillList() { window->ListBox1()->AddRow({"a", "b"}); }

    void expectEmpty(Zone zone) const {
        EXPECT_EQ(app(zone), nullptr);
        EXPECT_EQ(canvas(zone)->Backdrop(), nullptr);
        const auto text = label(zone);
        EXPECT_EQ(text->Text(),
                  zone == Zone::Upper ? "Drop Old Glyphs App" : "Drop New Glyphs App");
        EXPECT_EQ(text->Left(), 32);
        EXPECT_EQ(text->Width(), 306);
        EXPECT_EQ(text->TextAlign(), 1);
        EXPECT_EQ(window->ListBox1()->Heading(column(zone)), zone == Zone::Upper ? "Old" : "New");
    }

    void expectLoaded(Zone zone, const TempBundle& bundle, const String& version) const {
        ASSERT_NE(app(zone), nullptr);
        EXPECT_EQ(app(zone)->NativePath(), bundle.path());
        const std::shared_ptr<Picture> icon = canvas(zone)->Backdrop();
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->Width(), 64);
        EXPECT_EQ(icon->Height(), 64);
        ASSERT_EQ(icon->ImageCount(), 2);
        EXPECT_EQ(icon->IndexedImage(1)->Width(), 128);
        const auto text = label(zone);
        EXPECT_EQ(text->Text(), version);
        EXPECT_EQ(text->Left(), 108);
        EXPECT_EQ(text->Width(), 230);
        EXPECT_EQ(text->TextAlign(), 0);
        EXPECT_EQ(window->ListBox1()->Heading(column(zone)), version);
    }

    static QString path(const TempBundle& bundle) { return QString::fromStdString(bundle.path()); }
};

TEST_F(DropZoneTest, AGlyphsBundleLoadsWhereverItIsLetGoOnTheZone) {
    for (const char* const name : {"Glyphs.app", "Glyphs copy.app", "Glyphs-old.app"}) {
        for (const Spot where : {Spot::Canvas, Spot::Label, Spot::Frame}) {
            for (const Zone zone : {Zone::Upper, Zone::Lower}) {
                SCOPED_TRACE(std::string(name) + " on the " + spotNames[static_cast<int>(where)] +
                             (zone == Zone::Upper ? " of the upper zone" : " of the lower zone"));
                const TempBundle bundle(name);
                bundle.writeInfoPlist("3.2", "3200");
                fillList();
                EXPECT_EQ(drop(zone, {path(bundle)}, where), QStringList{});
                expectLoaded(zone, bundle, "3.2-3200");
                EXPECT_EQ(window->ListBox1()->ListCount(), 0);
            }
        }
    }
}

TEST_F(DropZoneTest, AnyOtherNameIsRefusedWithAnAlertAndEmptiesOnlyItsZone) {
    const TempBundle kept("Glyphs.app");
    kept.writeInfoPlist("3.1", "3100");
    for (const char* const name : {"Glyph.app", "MyGlyphs.app", "glyphs.app"}) {
        for (const Zone zone : {Zone::Upper, Zone::Lower}) {
            SCOPED_TRACE(name);
            const Zone other = zone == Zone::Upper ? Zone::Lower : Zone::Upper;
            EXPECT_EQ(drop(zone, {path(kept)}), QStringList{});
            EXPECT_EQ(drop(other, {path(kept)}), QStringList{});
            fillList();

            const TempBundle refused(name);
            EXPECT_EQ(drop(zone, {path(refused)}), QStringList{"Not a Glyphs app."});
            expectEmpty(zone);
            EXPECT_EQ(window->ListBox1()->ListCount(), 0) << "both columns go";
            expectLoaded(other, kept, "3.1-3100");
        }
    }
}

TEST_F(DropZoneTest, TheDesktopRefusesADragWhoseFirstFileIsNoApplication) {
    QTemporaryDir dir;
    const QString notes = dir.filePath("notes.txt");
    QFile(notes).open(QIODevice::WriteOnly);
    const TempBundle bundle("Glyphs.app");
    const QStringList drags[] = {{notes}, {notes, path(bundle)}, {dir.path()}};
    for (const QStringList& files : drags) {
        ModalAnswer answer;
        fillList();
        label(Zone::Upper)->Text("(untouched)");
        EXPECT_FALSE(dragAndDrop(spot(Zone::Upper, Spot::Canvas), files))
            << files.join(", ").toStdString();
        QCoreApplication::processEvents();
        EXPECT_EQ(label(Zone::Upper)->Text(), "(untouched)") << "no handler ran";
        EXPECT_EQ(window->ListBox1()->ListCount(), 1);
        EXPECT_TRUE(answer.dialogs().isEmpty());
        window->ListBox1()->DeleteAllRows();
    }
}

TEST_F(DropZoneTest, ADragOfSeveralFilesIsJudgedByItsFirst) {
    QTemporaryDir dir;
    const QString notes = dir.filePath("notes.txt");
    QFile(notes).open(QIODevice::WriteOnly);
    const TempBundle glyphs("Glyphs.app"), other("MyGlyphs.app");
    glyphs.writeInfoPlist("3.2", "1");

    EXPECT_EQ(drop(Zone::Upper, {path(glyphs), notes, path(other)}), QStringList{});
    expectLoaded(Zone::Upper, glyphs, "3.2-1");
    EXPECT_EQ(drop(Zone::Upper, {path(other), path(glyphs)}), QStringList{"Not a Glyphs app."});
    expectEmpty(Zone::Upper);
}

TEST_F(DropZoneTest, ABundleWithoutAVersionStillLoads) {
    const TempBundle withoutPlist("Glyphs.app");
    EXPECT_EQ(drop(Zone::Upper, {path(withoutPlist)}), QStringList{});
    expectLoaded(Zone::Upper, withoutPlist, "");

    const TempBundle plistFolder("Glyphs 2.app");
    plistFolder.write("Contents/Info.plist/inside", "x");
    EXPECT_EQ(drop(Zone::Lower, {path(plistFolder)}), QStringList{});
    expectLoaded(Zone::Lower, plistFolder, "");
}

TEST_F(DropZoneTest, DroppingAgainKeepsTheZoneAndTheSameBundleFitsBothZones) {
    const TempBundle bundle("Glyphs.app");
    bundle.writeInfoPlist("3.2", "3200");
    for (int time = 0; time < 2; ++time) {
        fillList();
        EXPECT_EQ(drop(Zone::Upper, {path(bundle)}), QStringList{});
        expectLoaded(Zone::Upper, bundle, "3.2-3200");
        EXPECT_EQ(window->ListBox1()->ListCount(), 0);
    }
    EXPECT_EQ(drop(Zone::Lower, {path(bundle)}), QStringList{});
    expectLoaded(Zone::Lower, bundle, "3.2-3200");
    expectLoaded(Zone::Upper, bundle, "3.2-3200");
}

TEST_F(DropZoneTest, TheLabelTakesItsPlaceWhateverTheWindowsWidth) {
    window->Width(600);
    const TempBundle bundle("Glyphs.app");
    EXPECT_EQ(drop(Zone::Upper, {path(bundle)}), QStringList{});
    EXPECT_EQ(label(Zone::Upper)->Left(), 108);
    EXPECT_EQ(label(Zone::Upper)->Width(), 230);
    const TempBundle refused("Glyph.app");
    EXPECT_EQ(drop(Zone::Upper, {path(refused)}), QStringList{"Not a Glyphs app."});
    EXPECT_EQ(label(Zone::Upper)->Left(), 32);
    EXPECT_EQ(label(Zone::Upper)->Width(), 306);
}

TEST_F(DropZoneTest, ABundleGoneBeforeTheDropIsHandledLoadsWithoutIcon) {
    auto bundle = std::make_unique<TempBundle>("Glyphs.app");
    const QString gone = path(*bundle);
    label(Zone::Upper)->Text("(waiting)");
    ASSERT_TRUE(dragAndDrop(spot(Zone::Upper, Spot::Frame), {gone}));
    bundle.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return label(Zone::Upper)->Text() != "(waiting)"; }));
    ASSERT_NE(window->AppOLD, nullptr);
    EXPECT_EQ(canvas(Zone::Upper)->Backdrop(), nullptr);
    EXPECT_EQ(label(Zone::Upper)->Text(), "");
}

// A Linux file name is bytes; a bundle whose path is no UTF-8 text is read
// like any other, from the drop to the compare.
TEST_F(DropZoneTest, ABundleWhosePathIsNotUtf8WorksLikeAnyOther) {
    const QTemporaryDir dir;
    const std::string oldPath = dir.path().toStdString() + "/Glyphs \xFF\xFE.app";
    // Qt cannot name this folder, so it is removed here, not by QTemporaryDir.
    const struct Removal {
        std::string path;
        ~Removal() { std::filesystem::remove_all(path); }
    } removal{oldPath};
    const TempBundle newBundle("Glyphs.app");
    for (const auto& [path, version] :
         {std::pair{oldPath, "3.1"}, std::pair{newBundle.path(), "3.2"}}) {
        const std::string map = path + "/" + TempBundle::mapPath(TempBundle::PluginNoHyphen);
        std::filesystem::create_directories(std::filesystem::path(map).parent_path());
        std::ofstream(map) << "a\t" << version << "\t-\n";
        std::ofstream(path + "/Contents/Info.plist") << TempBundle::plist(version, "1");
    }
    const QUrl url = QUrl::fromEncoded(
        "file://" + QByteArray::fromStdString(oldPath).toPercentEncoding("/"), QUrl::StrictMode);

    EXPECT_EQ(drop(Zone::Upper, QList<QUrl>{url}), QStringList{});
    ASSERT_NE(window->AppOLD, nullptr);
    EXPECT_EQ(window->AppOLD->NativePath(), oldPath);
    EXPECT_NE(canvas(Zone::Upper)->Backdrop(), nullptr);
    EXPECT_EQ(label(Zone::Upper)->Text(), "3.1-1");
    EXPECT_EQ(drop(Zone::Lower, {path(newBundle)}), QStringList{});

    ModalAnswer answer;
    QTest::mouseClick(window->ControlByName("PushButton1")->NativeWidget(), Qt::LeftButton);
    EXPECT_TRUE(answer.dialogs().isEmpty());
    ASSERT_EQ(window->ListBox1()->ListCount(), 1);
    EXPECT_EQ(window->ListBox1()->Cell(0, 0), "3.1");
}

// From two drops to the listed differences.
TEST_F(DropZoneTest, TwoDroppedBundlesAreCompared) {
    const TempBundle oldBundle("Glyphs 3.1.app"), newBundle("Glyphs 3.2.app");
    oldBundle.writeInfoPlist("3.1", "3100");
    newBundle.writeInfoPlist("3.2", "3200");
    oldBundle.writeMap("a\tx\t-\nb\ty\t-\nc\tz\t-\n");
    newBundle.writeMap("a\tx\t-\nb\tY\t-\nc\tZ\t-\nd\tw\t-\n", TempBundle::CoreFramework);

    EXPECT_EQ(drop(Zone::Upper, {path(oldBundle)}, Spot::Canvas), QStringList{});
    EXPECT_EQ(drop(Zone::Lower, {path(newBundle)}, Spot::Label), QStringList{});
    ModalAnswer answer;
    QTest::mouseClick(window->ControlByName("PushButton1")->NativeWidget(), Qt::LeftButton);
    EXPECT_TRUE(answer.dialogs().isEmpty());

    const auto list = window->ListBox1();
    ASSERT_EQ(list->ListCount(), 2);
    EXPECT_EQ(list->Cell(0, 0), "y");
    EXPECT_EQ(list->Cell(0, 1), "Y");
    EXPECT_EQ(list->Cell(1, 0), "z");
    EXPECT_EQ(list->Cell(1, 1), "Z");
    EXPECT_EQ(list->Heading(0), "3.1-3100");
    EXPECT_EQ(list->Heading(1), "3.2-3200");

    const TempBundle again("Glyphs.app");
    EXPECT_EQ(drop(Zone::Lower, {path(again)}), QStringList{});
    EXPECT_EQ(list->ListCount(), 0) << "an accepted drop also clears the result";
}

} // namespace
