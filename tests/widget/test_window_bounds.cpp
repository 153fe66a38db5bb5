#include "support/FileTypeGroup1.h"
#include "support/WindowEx.h"
#include "window/Window1.h"

#include "framework/Application.h"
#include "framework/MenuBar.h"
#include "framework/Runtime.h"
#include "framework/Screen.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <gtest/gtest.h>

#include <limits>
#include <optional>

// Runs on two screens (tests/data/two_screens.json, where Qt numbers the
// screens in the order of their names): screen 0 is the main one, 1440 by 875
// at left 0, top 25; screen 1 lies to its left, 1024 by 768 at left -1024, top 0.

namespace {

// As in the program, every window stands below the application's menu bar.
class MenuBarAboveTheWindows : public ::testing::Environment {
    void SetUp() override {
        const auto app = std::make_shared<Application>();
        const auto bar = std::make_shared<MenuBar>();
        const auto menu = std::make_shared<MenuItem>();
        menu->Text("File");
        bar->AddMenu(menu);
        app->MenuBar(bar);
        RuntimeRegisterAppObject(app);
    }
};
[[maybe_unused]] const auto* const menuBarAboveTheWindows =
    ::testing::AddGlobalTestEnvironment(new MenuBarAboveTheWindows);

struct Bounds {
    std::int64_t left, top, width, height;
    friend bool operator==(const Bounds&, const Bounds&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Bounds& b) {
        return out << b.width << "x" << b.height << " at " << b.left << "," << b.top;
    }
};

// The frame, title bar included.
Bounds frameOf(const Window& window) {
    const Rect frame = window.Bounds();
    return {static_cast<std::int64_t>(frame.Left), static_cast<std::int64_t>(frame.Top),
            static_cast<std::int64_t>(frame.Width), static_cast<std::int64_t>(frame.Height)};
}

Bounds contentOf(const Window& window) {
    return {window.Left(), window.Top(), window.Width(), window.Height()};
}

class ShownWindow {
public:
    explicit ShownWindow(bool resizeable = true) : window_(std::make_shared<Window>()) {
        window_->Resizeable(resizeable);
        window_->Constructor();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_->NativeWidget()));
    }
    ~ShownWindow() {
        window_->Close();
        QCoreApplication::sendPostedEvents();
    }
    ShownWindow(const ShownWindow&) = delete;
    ShownWindow& operator=(const ShownWindow&) = delete;

    Window& operator*() const { return *window_; }
    Window* operator->() const { return window_.get(); }

private:
    std::shared_ptr<Window> window_;
};

const Bounds designed{10, 50, 370, 500};

// Every test has a data folder of its own (see TestMain); the preference
// file is named after this program.
QString prefsFolder() {
    return qEnvironmentVariable("XDG_DATA_HOME") + "/test_window_bounds";
}

QString prefsFile() {
    return prefsFolder() + "/test_window_bounds.pref";
}

std::shared_ptr<Window1> openWindow1() {
    FileTypeGroup1::_Initialize();
    auto window = Window1::Accessor();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window->NativeWidget()));
    return window;
}

// Closes the window the way the user does, with its close box.
void closeWindow1(const std::shared_ptr<Window1>& window) {
    window->NativeWidget()->close();
    QCoreApplication::sendPostedEvents();
}

std::optional<Bounds> storedBounds() {
    QFile file(prefsFile());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject prefs = QJsonDocument::fromJson(file.readAll()).object();
    return Bounds{prefs["WinLeft"].toInteger(), prefs["WinTop"].toInteger(),
                  prefs["WinWidth"].toInteger(), prefs["WinHeight"].toInteger()};
}

// The content's bounds of Window1 opened with that preference file.
Bounds openedWith(const QByteArray& prefs) {
    QDir().mkpath(prefsFolder());
    QFile file(prefsFile());
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(prefs);
    file.close();
    const auto window = openWindow1();
    const Bounds opened = contentOf(*window);
    closeWindow1(window);
    return opened;
}

} // namespace

TEST(Screens, AreNumberedWithTheMainOneFirst) {
    const ScreenPtr main = Screen::ScreenAt(0);
    const ScreenPtr second = Screen::ScreenAt(1);
    ASSERT_TRUE(main && second);
    EXPECT_EQ(main->AvailableLeft(), 0);
    EXPECT_EQ(main->AvailableTop(), 25);
    EXPECT_EQ(main->AvailableWidth(), 1440);
    EXPECT_EQ(main->AvailableHeight(), 875);
    EXPECT_EQ(second->AvailableLeft(), -1024);
    EXPECT_EQ(Screen::ScreenAt(2), nullptr);
    EXPECT_EQ(Screen::ScreenAt(-1), nullptr);
}

TEST(AdjustWindow, FitsTheFrameIntoTheAvailableAreaOfItsScreen) {
    struct Placement {
        const char* what;
        Bounds before;
        Bounds after;
    };
    const Placement placements[] = {
        {"inside, touching every edge", {0, 25, 1440, 875}, {0, 25, 1440, 875}},
        {"beyond the right edge", {1300, 100, 370, 522}, {1070, 100, 370, 522}},
        {"over both side edges", {-500, 100, 2000, 522}, {0, 100, 1440, 522}},
        {"over top and bottom", {100, 0, 370, 1000}, {100, 25, 370, 875}},
        {"below the bottom edge", {100, 500, 370, 522}, {100, 378, 370, 522}},
        {"wider than the area, beyond the right edge", {100, 100, 2000, 522}, {0, 100, 1440, 522}},
        {"higher than the area, below the bottom edge", {100, 100, 370, 1000}, {100, 25, 370, 875}},
        {"on no screen", {5000, 3000, 370, 522}, {1070, 378, 370, 522}},
        {"below the second screen", {-900, 600, 370, 500}, {-900, 268, 370, 500}},
    };
    const ShownWindow window;
    for (const Placement& p : placements) {
        SCOPED_TRACE(p.what);
        WindowEx::SetWindowBounds(*window, p.before.left, p.before.top, p.before.width,
                                  p.before.height);
        ASSERT_EQ(frameOf(*window), p.before);
        WindowEx::AdjustWindow(*window);
        EXPECT_EQ(frameOf(*window), p.after);
    }
}

TEST(AdjustWindow, RaisesOnlyAResizableWindowToItsMinimumSize) {
    for (const bool resizeable : {true, false}) {
        SCOPED_TRACE(resizeable ? "resizable" : "fixed");
        const ShownWindow window(resizeable);
        window->Left(100);
        window->Top(100);
        window->Width(300);
        window->Height(300);
        window->MinimumWidth(370);
        window->MinimumHeight(400);
        WindowEx::AdjustWindow(*window);
        EXPECT_EQ(window->Width(), resizeable ? 370 : 300);
        EXPECT_EQ(window->Height(), resizeable ? 400 : 300);
    }
}

TEST(Window1Bounds, ReopensWhereAndAsLargeAsItWasClosed) {
    auto window = openWindow1();
    EXPECT_EQ(contentOf(*window), designed);
    EXPECT_FALSE(QFile::exists(prefsFile()));

    window->Width(500);
    window->Height(450);
    window->Left(60);
    window->Top(70);
    const Bounds moved{60, 70, 500, 450};
    QTRY_COMPARE(contentOf(*window), moved);
    closeWindow1(window);
    EXPECT_EQ(storedBounds(), moved);

    window = openWindow1();
    QTRY_COMPARE(contentOf(*window), moved);
    closeWindow1(window);
}

// A file that cannot be read, is no JSON object, lacks a member or holds
// something other than whole numbers is passed over in silence; the next
// close writes it afresh where it can.
TEST(Window1Bounds, AnUnusableFileOpensTheDesignedBounds) {
    const std::pair<const char*, QByteArray> files[] = {
        {"not JSON", "The window was wide."},
        {"empty", ""},
        {"a member missing", R"({"WinWidth": 600, "WinHeight": 450, "WinLeft": 60})"},
        {"a text", R"({"WinWidth": "600", "WinHeight": 450, "WinLeft": 60, "WinTop": 70})"},
        {"a fraction", R"({"WinWidth": 600.5, "WinHeight": 450, "WinLeft": 60, "WinTop": 70})"},
        {"an object", R"({"WinWidth": {}, "WinHeight": 450, "WinLeft": 60, "WinTop": 70})"},
        {"no object", "[600, 450, 60, 70]"},
    };
    for (const auto& [what, text] : files) {
        SCOPED_TRACE(what);
        QDir().mkpath(prefsFolder());
        QFile file(prefsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();

        const auto window = openWindow1();
        EXPECT_EQ(contentOf(*window), designed);
        closeWindow1(window);
        EXPECT_EQ(storedBounds(), designed);
    }

    SCOPED_TRACE("a folder where the file belongs");
    QFile::remove(prefsFile());
    QDir().mkpath(prefsFile());
    const auto window = openWindow1();
    EXPECT_EQ(contentOf(*window), designed);
    closeWindow1(window);
    EXPECT_TRUE(QFileInfo(prefsFile()).isDir());
}

// No value, however far off, wraps round: the smallest and the largest 64-bit
// numbers open the window as a number merely huge does.
TEST(Window1Bounds, ValuesAtTheEdgesOf64BitsOpenAsMerelyHugeOnes) {
    const qint64 huge = qint64{1} << 40;
    const std::pair<qint64, qint64> likes[] = {{std::numeric_limits<qint64>::min(), -huge},
                                               {std::numeric_limits<qint64>::max(), huge}};
    for (const char* member : {"WinLeft", "WinTop", "WinWidth", "WinHeight"}) {
        for (const auto& [extreme, like] : likes) {
            SCOPED_TRACE(testing::Message() << member << " " << extreme);
            const auto openedWithMember = [member](qint64 value) {
                QJsonObject prefs{
                    {"WinWidth", 370}, {"WinHeight", 500}, {"WinLeft", 60}, {"WinTop", 70}};
                prefs[member] = value;
                return openedWith(QJsonDocument(prefs).toJson());
            };
            EXPECT_EQ(openedWithMember(extreme), openedWithMember(like));
        }
    }
}
