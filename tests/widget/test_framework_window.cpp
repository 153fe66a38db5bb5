#include "framework/Canvas.h"
#include "framework/GroupBox.h"
#include "framework/Label.h"
#include "framework/Listbox.h"
#include "framework/Picture.h"
#include "framework/PushButton.h"
#include "framework/Window.h"
#include "window/Window1Design.h"

#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

// The comparison window's own design, each control with its class and the
// text it is given before its design values.
enum class Kind { GroupBox, Canvas, Label, PushButton, Listbox };

struct ControlMaking {
    const Window1Design::ControlDesign& design;
    Kind kind;
    const char* text;
};

const ControlMaking controlMakings[] = {
    {Window1Design::GroupBox1, Kind::GroupBox, nullptr},
    {Window1Design::Canvas1, Kind::Canvas, nullptr},
    {Window1Design::Label1, Kind::Label, "Drop Old Glyphs App"},
    {Window1Design::GroupBox2, Kind::GroupBox, nullptr},
    {Window1Design::Canvas2, Kind::Canvas, nullptr},
    {Window1Design::Label2, Kind::Label, "Drop New Glyphs App"},
    {Window1Design::PushButton1, Kind::PushButton, "Quillstone"},
    {Window1Design::ListBox1, Kind::Listbox, "Old\tNew"},
    {Window1Design::PushButton2, Kind::PushButton, "Save"},
};

// Built the way the program's window builds itself: each control made,
// registered, given its text, its design values and its handlers in turn.
class DesignWindow : public Window {
public:
    std::vector<std::string> events;
    bool visibleDuringOpen = true;
    bool allControlsAtFirstOpen = false;
    std::function<void(PushButton&)> onPushButton1;

protected:
    void Layout() override {
        events.push_back("Layout");
        ApplyDesign(Window1Design::WindowRecord());
    }

    void CreateControls() override {
        events.push_back("CreateControls");
        for (const ControlMaking& making : controlMakings)
            createControl(making);
    }

    void Event_Open() override {
        events.push_back("Open");
        visibleDuringOpen = NativeWidget()->isVisible();
    }

    void Event_Close() override { events.push_back("Close"); }

private:
    void createControl(const ControlMaking& making) {
        const Window1Design::ControlDesign& d = making.design;
        switch (making.kind) {
        case Kind::GroupBox: {
            AddControl(d.name, New<GroupBox>());
            auto box = Control<GroupBox>(d.name);
            box->ApplyDesign(Window1Design::GroupBoxRecord(d));
            box->Open = [this](GroupBox& sender) {
                groupBoxOpened(sender);
            };
            break;
        }
        case Kind::Canvas:
            AddControl(d.name, New<Canvas>());
            Control<Canvas>(d.name)->ApplyDesign(Window1Design::CanvasRecord(d));
            break;
        case Kind::Label:
            AddControl(d.name, New<Label>());
            Control<Label>(d.name)->Text(making.text);
            Control<Label>(d.name)->ApplyDesign(Window1Design::LabelRecord(d));
            break;
        case Kind::PushButton: {
            AddControl(d.name, New<PushButton>());
            auto button = Control<PushButton>(d.name);
            button->Caption(making.text);
            button->ApplyDesign(Window1Design::PushButtonRecord(d));
            button->Action = [this](PushButton& sender) {
                if (sender.Name() == "PushButton1" && onPushButton1)
                    onPushButton1(sender);
            };
            break;
        }
        case Kind::Listbox:
            AddControl(d.name, New<Listbox>());
            Control<Listbox>(d.name)->InitialValue(making.text);
            Control<Listbox>(d.name)->ApplyDesign(Window1Design::ListBoxRecord(d));
            break;
        }
    }

    void groupBoxOpened(GroupBox& sender) {
        if (events.back() == "CreateControls") {
            try {
                ControlByName("PushButton2");
                allControlsAtFirstOpen = true;
            } catch (const NilObjectException&) {
            }
        }
        events.push_back(sender.Name() + ".Open");
    }
};

struct Place {
    const char* name;
    int left, top, width, height;
};

void expectPlaces(const Window& window, const std::vector<Place>& places) {
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        const auto control = window.ControlByName(place.name);
        EXPECT_EQ(control->Left(), place.left);
        EXPECT_EQ(control->Top(), place.top);
        EXPECT_EQ(control->Width(), place.width);
        EXPECT_EQ(control->Height(), place.height);
        const QWidget* native = control->NativeWidget();
        EXPECT_EQ(native->mapTo(window.NativeWidget(), QPoint(0, 0)),
                  QPoint(place.left, place.top));
        EXPECT_EQ(native->size(), QSize(place.width, place.height));
    }
}

const std::vector<Place> designPlaces = {
    {"GroupBox1", 20, 20, 330, 90},    {"Canvas1", 32, 33, 64, 64},
    {"Label1", 32, 33, 306, 64},       {"GroupBox2", 20, 122, 330, 90},
    {"Canvas2", 32, 135, 64, 64},      {"Label2", 32, 135, 306, 64},
    {"PushButton1", 20, 232, 238, 20}, {"ListBox1", 20, 264, 330, 216},
    {"PushButton2", 270, 232, 80, 20},
};

std::vector<Place> withListHeight(int height) {
    std::vector<Place> places = designPlaces;
    places[7].height = height;
    return places;
}

// Wider by 200 and higher by 100: everything locked left and right widens,
// the save button moves, only the list grows in height, the canvases stay.
const std::vector<Place> widenedPlaces = {
    {"GroupBox1", 20, 20, 530, 90},    {"Canvas1", 32, 33, 64, 64},
    {"Label1", 32, 33, 506, 64},       {"GroupBox2", 20, 122, 530, 90},
    {"Canvas2", 32, 135, 64, 64},      {"Label2", 32, 135, 506, 64},
    {"PushButton1", 20, 232, 438, 20}, {"ListBox1", 20, 264, 530, 316},
    {"PushButton2", 470, 232, 80, 20},
};

void processDeferred() {
    QCoreApplication::sendPostedEvents();
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_shared<DesignWindow>();
        window->Constructor();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window->NativeWidget()));
    }

    void TearDown() override {
        window->Close();
        window.reset();
        processDeferred();
    }

    std::shared_ptr<DesignWindow> window;
};

TEST_F(WindowTest, ConstructionRaisesEventsInOrderAndShowsAfterOpen) {
    const std::vector<std::string> expected = {"Layout", "CreateControls", "GroupBox1.Open",
                                               "GroupBox2.Open", "Open"};
    EXPECT_EQ(window->events, expected);
    EXPECT_TRUE(window->allControlsAtFirstOpen);
    EXPECT_FALSE(window->visibleDuringOpen);
    EXPECT_TRUE(window->NativeWidget()->isVisible());
}

TEST_F(WindowTest, DesignValuesReachTheNativeWindow) {
    const QWidget* native = window->NativeWidget();
    EXPECT_EQ(native->windowTitle(), "Quillstone");
    const Qt::WindowFlags flags = native->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowFullscreenButtonHint));
    EXPECT_EQ(native->minimumSize(), QSize(370, 400));
    EXPECT_EQ(native->maximumSize(), QSize(32000, 32000));
    EXPECT_EQ(window->MinWidth(), 370);
    EXPECT_EQ(window->MinHeight(), 400);
    EXPECT_TRUE(window->Resizeable());
}

TEST_F(WindowTest, ControlsStandAtTheirDesignPlaces) {
    EXPECT_EQ(window->Width(), 370);
    EXPECT_EQ(window->Height(), 500);
    expectPlaces(*window, designPlaces);
}

TEST_F(WindowTest, SizeIsHeldBetweenMinimumAndMaximum) {
    window->Width(100);
    window->Height(100);
    EXPECT_EQ(window->Width(), 370);
    EXPECT_EQ(window->Height(), 400);
    expectPlaces(*window, withListHeight(116));

    window->Width(40000);
    window->Height(40000);
    EXPECT_EQ(window->Width(), 32000);
    EXPECT_EQ(window->Height(), 32000);
}

TEST_F(WindowTest, LockedControlsFollowTheWindowBothWays) {
    window->Width(570);
    window->Height(600);
    expectPlaces(*window, widenedPlaces);

    window->Height(400);
    window->Width(370);
    expectPlaces(*window, withListHeight(116));

    window->Height(500);
    expectPlaces(*window, designPlaces);
}

TEST_F(WindowTest, LockedControlsFollowAResizeByTheUser) {
    window->NativeWidget()->resize(570, 600);
    QTRY_COMPARE(window->ControlByName("ListBox1")->Height(), 316);
    expectPlaces(*window, widenedPlaces);
}

TEST_F(WindowTest, PositionAndBoundsAreInGlobalCoordinates) {
    window->Left(10);
    window->Top(50);
    QTRY_COMPARE(window->Left(), 10);
    QTRY_COMPARE(window->Top(), 50);

    // Too small a frame is raised to the minimum size; fractions are cut off.
    window->Bounds(Rect{100.7, 120.9, 300.5, 200.0});
    QTRY_COMPARE(window->Bounds().Left, 100.0);
    EXPECT_EQ(window->Bounds().Top, 120.0);
    EXPECT_EQ(window->Width(), 370);
    EXPECT_EQ(window->Height(), 400);
    expectPlaces(*window, withListHeight(116));

    // The frame includes the title bar: a large enough one is taken as it is.
    window->Bounds(Rect{50.0, 60.0, 600.9, 700.0});
    QTRY_COMPARE(window->Bounds().Width, 600.0);
    const Rect bounds = window->Bounds();
    EXPECT_EQ(bounds.Left, 50.0);
    EXPECT_EQ(bounds.Top, 60.0);
    EXPECT_EQ(bounds.Bottom(), 760.0);
    EXPECT_EQ(window->ControlByName("ListBox1")->Height(), window->Height() - 264 - 20);
}

TEST_F(WindowTest, ControlPositionsStayInWindowCoordinatesInsideAGroupBox) {
    window->Width(570);
    auto label = window->Control<Label>("Label1");
    label->Left(108);
    label->Width(230);
    expectPlaces(*window, {{"Label1", 108, 33, 230, 64}, {"GroupBox1", 20, 20, 530, 90}});
}

TEST_F(WindowTest, FindsTheOpenWindowByClassUntilItCloses) {
    EXPECT_EQ(Window::FindOpen<DesignWindow>(), window);
    EXPECT_EQ(Window::WindowCount(), 1);
    EXPECT_EQ(Window::WindowAt(0), window);

    window->Close();
    window->NativeWidget()->close();
    window->Close();
    EXPECT_EQ(std::count(window->events.begin(), window->events.end(), "Close"), 1);
    EXPECT_EQ(Window::FindOpen<DesignWindow>(), nullptr);
    EXPECT_EQ(Window::WindowCount(), 0);
    EXPECT_THROW(Window::WindowAt(0), OutOfBoundsException);
    EXPECT_FALSE(window->NativeWidget()->isVisible());
}

TEST_F(WindowTest, TheCloseBoxRaisesCloseOnce) {
    window->NativeWidget()->close();
    window->Close();
    EXPECT_EQ(std::count(window->events.begin(), window->events.end(), "Close"), 1);
    EXPECT_EQ(Window::FindOpen<DesignWindow>(), nullptr);
}

TEST_F(WindowTest, DesignRecordsRefuseUnknownNamesAndWrongTypes) {
    EXPECT_THROW(window->ApplyDesign({{"Widht", 370}}), RuntimeException);
    EXPECT_THROW(window->ApplyDesign({{"Width", "370"}}), RuntimeException);
    EXPECT_THROW(window->ApplyDesign({{"FontSize", 15.0f}}), RuntimeException);
    auto label = window->Control<Label>("Label1");
    EXPECT_THROW(label->ApplyDesign({{"MacButtonStyle", 0}}), RuntimeException);
    EXPECT_THROW(label->ApplyDesign({{"FontSize", 15}}), RuntimeException);
    EXPECT_NO_THROW(
        window->Control<PushButton>("PushButton1")->ApplyDesign({{"MacButtonStyle", 0}}));
}

TEST_F(WindowTest, ControlsAreFoundByNameAndClass) {
    EXPECT_THROW(window->ControlByName("Label3"), NilObjectException);
    EXPECT_THROW(window->Control<Label>("GroupBox1"), RuntimeException);
    EXPECT_THROW(window->AddControl("Label1", window->New<Label>()), RuntimeException);
    EXPECT_EQ(window->Control<Label>("Label1")->Text(), "Drop Old Glyphs App");
    EXPECT_EQ(window->Control<PushButton>("PushButton2")->Caption(), "Save");
}

TEST_F(WindowTest, LabelsAlignAsTheDesignAndTheOlderPropertySay) {
    auto label = window->Control<Label>("Label1");
    const auto* native = static_cast<const QLabel*>(label->NativeWidget());
    EXPECT_EQ(label->TextAlignment(), 2);
    EXPECT_EQ(label->TextAlign(), 1);
    EXPECT_TRUE(native->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(native->font().pixelSize(), 15);
    EXPECT_FALSE(native->wordWrap());

    label->TextAlign(0);
    EXPECT_EQ(label->TextAlignment(), 1);
    EXPECT_TRUE(native->alignment() & Qt::AlignLeft);
    label->TextAlign(2);
    EXPECT_TRUE(native->alignment() & Qt::AlignRight);
    EXPECT_THROW(label->TextAlign(3), OutOfBoundsException);
}

TEST_F(WindowTest, TheListComesUpWithTwoHeadedColumnsAndNoRows) {
    auto list = window->Control<Listbox>("ListBox1");
    EXPECT_EQ(list->ColumnCount(), 2);
    EXPECT_EQ(list->Heading(0), "Old");
    EXPECT_EQ(list->Heading(1), "New");
    EXPECT_EQ(list->ListCount(), 0);
    EXPECT_EQ(list->HeadingIndex(), -1);
    const auto* view = static_cast<const QTreeView*>(list->NativeWidget());
    EXPECT_FALSE(view->isHeaderHidden());
    EXPECT_EQ(view->header()->sectionResizeMode(0), QHeaderView::Stretch);
    EXPECT_EQ(view->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(WindowTest, AButtonClickReachesItsHandlerWithTheButton) {
    PushButton* clicked = nullptr;
    window->onPushButton1 = [&clicked](PushButton& sender) {
        clicked = &sender;
    };
    auto button = window->Control<PushButton>("PushButton1");
    EXPECT_FALSE(button->Default());
    QTest::mouseClick(button->NativeWidget(), Qt::LeftButton);
    EXPECT_EQ(clicked, button.get());
}

TEST_F(WindowTest, ACanvasShowsItsBackdrop) {
    auto canvas = window->Control<Canvas>("Canvas1");
    auto picture = std::make_shared<Picture>(64, 64);
    picture->NativeImage().fill(QColor(255, 0, 0));
    canvas->Backdrop(picture);
    const QImage shown = canvas->NativeWidget()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(32, 32), QColor(255, 0, 0));
    canvas->Backdrop(nullptr);
    EXPECT_NE(canvas->NativeWidget()->grab().toImage().pixelColor(32, 32), QColor(255, 0, 0));
}

TEST(WindowLifetime, AWindowMayCloseFromItsOwnButton) {
    auto window = std::make_shared<DesignWindow>();
    window->Constructor();
    window->onPushButton1 = [](PushButton& sender) {
        Window::FindOpen<DesignWindow>()->Close();
        sender.Caption("still here");
    };
    const std::weak_ptr<DesignWindow> watched = window;
    QWidget* button = window->ControlByName("PushButton1")->NativeWidget();
    window.reset();

    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_FALSE(watched.expired());
    EXPECT_EQ(watched.lock()->Control<PushButton>("PushButton1")->Caption(), "still here");
    processDeferred();
    EXPECT_TRUE(watched.expired());
}

class BrokenWindow : public Window {
protected:
    void CreateControls() override { throw RuntimeException("no controls"); }
};

TEST(WindowLifetime, AFailedConstructionLeavesNoOpenWindow) {
    auto window = std::make_shared<BrokenWindow>();
    EXPECT_THROW(window->Constructor(), RuntimeException);
    EXPECT_EQ(Window::FindOpen<BrokenWindow>(), nullptr);
    EXPECT_FALSE(window->NativeWidget()->isVisible());
}

TEST(WindowLifetime, AControlOutlivingItsWindowReportsNil) {
    std::shared_ptr<Label> label;
    {
        auto window = std::make_shared<DesignWindow>();
        window->Constructor();
        label = window->Control<Label>("Label1");
        window->Close();
        window.reset();
        processDeferred();
    }
    EXPECT_EQ(label->Text(), "Drop Old Glyphs App");
    EXPECT_THROW(label->Text("gone"), NilObjectException);
}

} // namespace
