#include "support/WindowEx.h"

#include "framework/Screen.h"
#include "framework/Window.h"

#include <QTest>
#include <gtest/gtest.h>

// Runs on two screens (tests/data/two_screens.json, where Qt numbers the
// screens in the order of their names): screen 0 is the main one, 1440 by 875
// at left 0, top 25; screen 1 lies to its left, 1024 by 768 at left -1024, top 0.

namespace {

struct Frame {
    std::int64_t left, top, width, height;
    friend bool operator==(const Frame&, const Frame&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Frame& f) {
        return out << f.left << "," << f.top << " " << f.width << "x" << f.height;
    }
};

Frame frameOf(const Window& window) {
    const Rect bounds = window.Bounds();
    return {static_cast<std::int64_t>(bounds.Left), static_cast<std::int64_t>(bounds.Top),
            static_cast<std::int64_t>(bounds.Width), static_cast<std::int64_t>(bounds.Height)};
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

} // namespace

TEST(Screens, AreNumberedWithTheMainOneFirst) {
    ASSERT_EQ(Screen::ScreenCount(), 2);
    const ScreenPtr main = Screen::ScreenAt(0);
    EXPECT_EQ(main->Index(), 0);
    EXPECT_EQ(main->AvailableLeft(), 0);
    EXPECT_EQ(main->AvailableTop(), 25);
    EXPECT_EQ(main->AvailableWidth(), 1440);
    EXPECT_EQ(main->AvailableHeight(), 875);
    EXPECT_EQ(Screen::ScreenAt(1)->AvailableLeft(), -1024);
    EXPECT_EQ(Screen::ScreenAt(2), nullptr);
    EXPECT_EQ(Screen::ScreenAt(-1), nullptr);
}

TEST(AdjustWindow, FitsTheFrameIntoTheAvailableAreaOfItsScreen) {
    struct Placement {
        const char* what;
        Frame before;
        Frame after;
    };
    const Placement placements[] = {
        {"inside, touching every edge", {0, 25, 1440, 875}, {0, 25, 1440, 875}},
        {"beyond the right edge", {1300, 100, 370, 522}, {1070, 100, 370, 522}},
        {"over both side edges", {-500, 100, 2000, 522}, {0, 100, 1440, 522}},
        {"over top and bottom", {100, 0, 370, 1000}, {100, 25, 370, 875}},
        {"below the bottom edge", {100, 500, 370, 522}, {100, 378, 370, 522}},
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
