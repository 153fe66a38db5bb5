#pragma once

#include "framework/Screen.h"
#include "framework/Window.h"

#include <cstdint>

// Fitting a window into the part of its screen that windows may occupy.
namespace WindowEx {

// The screen the window lies on; screen 0 when it lies on none.
ScreenPtr GetWindowScreen(const Window& w);

// Raises a resizable window to its minimum size, then moves it, and shrinks it
// where it cannot fit, into the available area of its screen.
void AdjustWindow(Window& w);

// Gives the window that frame, title bar included, in one step.
void SetWindowBounds(Window& w, std::int64_t left, std::int64_t top, std::int64_t width,
                     std::int64_t height);

// Keeps the desktop from gathering the program's windows as tabs.
void DisableAutoTabbing();

} // namespace WindowEx
