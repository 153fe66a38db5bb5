#pragma once

#include <cstdint>
#include <memory>

class Screen;
using ScreenPtr = std::shared_ptr<Screen>;

// One attached display, numbered as the window system lists them, the main
// one first. Its values are those of the moment ScreenAt was called.
class Screen {
public:
    // None for an index that names no display.
    static ScreenPtr ScreenAt(std::int64_t index);

    // The part of the display that windows may occupy (without panels and
    // docks), in global coordinates, y growing downwards.
    std::int64_t AvailableLeft() const { return availableLeft_; }
    std::int64_t AvailableTop() const { return availableTop_; }
    std::int64_t AvailableWidth() const { return availableWidth_; }
    std::int64_t AvailableHeight() const { return availableHeight_; }

private:
    Screen(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height);

    const std::int64_t availableLeft_;
    const std::int64_t availableTop_;
    const std::int64_t availableWidth_;
    const std::int64_t availableHeight_;
};
