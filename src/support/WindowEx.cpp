#include "WindowEx.h"

#include "platform/Foundation.h"

namespace {

std::int64_t truncated(double value) {
    return static_cast<std::int64_t>(value);
}

double real(std::int64_t value) {
    return static_cast<double>(value);
}

} // namespace

namespace WindowEx {

ScreenPtr GetWindowScreen(const Window& w) {
    // The screen list, the window's own screen and the number of screens, each asked once.
    const id screens = objc_msgSend<id>(NSClassFromString("NSScreen"), sel_registerName("screens"));
    const id windowScreen =
        objc_msgSend<id>(static_cast<id>(w.Handle()), sel_registerName("screen"));
    const auto count = objc_msgSend<NSUInteger>(screens, sel_registerName("count"));

    // The very object the window names, not a screen that merely looks the same.
    for (NSUInteger i = 0; i < count; ++i) {
        if (objc_msgSend<id>(screens, sel_registerName("objectAtIndex:"), i) == windowScreen)
            return Screen::ScreenAt(static_cast<std::int64_t>(i));
    }
    return Screen::ScreenAt(0);
}

void AdjustWindow(Window& w) {
    const ScreenPtr scr = GetWindowScreen(w);
    if (!scr)
        return;

    // A window the user may resize is never smaller than its minimum.
    if (w.Resizeable()) {
        if (w.Width() < w.MinWidth())
            w.Width(w.MinWidth());
        if (w.Height() < w.MinHeight())
            w.Height(w.MinHeight());
    }

    // The available area, exactly as the screen gives it.
    const std::int64_t availableTop = scr->AvailableTop();
    const std::int64_t availableLeft = scr->AvailableLeft();
    const std::int64_t availableRight = scr->AvailableLeft() + scr->AvailableWidth();
    const std::int64_t availableBottom = scr->AvailableTop() + scr->AvailableHeight();
    const std::int64_t availableWidth = scr->AvailableWidth();
    const std::int64_t availableHeight = scr->AvailableHeight();

    // The frame to give the window, changed only by the corrections below;
    // each test reads the window's frame afresh, after the previous correction.
    const Rect start = w.Bounds();
    std::int64_t left = truncated(start.Left);
    std::int64_t top = truncated(start.Top);
    std::int64_t width = truncated(start.Width);
    std::int64_t height = truncated(start.Height);

    // Above the area: down to its top, and as high as the area when the frame
    // reaches below it too.
    if (real(availableTop) > w.Bounds().Top) {
        top = availableTop;
        if (w.Bounds().Bottom() > real(availableBottom))
            height = availableHeight;
        SetWindowBounds(w, left, top, width, height);
    }

    // Left of the area: over to its left edge, and as wide as the area when
    // the frame reaches beyond its right edge too.
    if (real(availableLeft) > w.Bounds().Left) {
        left = availableLeft;
        if (w.Bounds().Left + w.Bounds().Width > real(availableRight))
            width = availableWidth;
        SetWindowBounds(w, left, top, width, height);
    }

    // Beyond the right edge: back until the right edges meet; a frame wider
    // than the area takes the area's left edge and width instead.
    if (w.Bounds().Right() > real(availableRight)) {
        left = truncated(real(left) - (w.Bounds().Right() - real(availableRight)));
        if (left < availableLeft) {
            left = availableLeft;
            width = availableWidth;
        }
        SetWindowBounds(w, left, top, width, height);
    }

    // Below the bottom edge: up until the bottom edges meet; a frame higher
    // than the area takes the area's top and height instead.
    if (w.Bounds().Bottom() > real(availableBottom)) {
        top = truncated(real(top) - (w.Bounds().Bottom() - real(availableBottom)));
        if (top < availableTop) {
            top = availableTop;
            height = availableHeight;
        }
        SetWindowBounds(w, left, top, width, height);
    }
}

void SetWindowBounds(Window& w, std::int64_t left, std::int64_t top, std::int64_t width,
                     std::int64_t height) {
    w.Bounds(Rect{real(left), real(top), real(width), real(height)});
}

void DisableAutoTabbing() {
    const Class windowClass = NSClassFromString("NSWindow");
    const SEL allowTabbing = sel_registerName("setAllowsAutomaticWindowTabbing:");
    if (objc_msgSend<BOOL>(windowClass, sel_registerName("respondsToSelector:"), allowTabbing))
        objc_msgSend<void>(windowClass, allowTabbing, NO);
}

} // namespace WindowEx
