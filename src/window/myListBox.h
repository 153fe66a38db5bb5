#pragma once

#include "framework/Graphics.h"
#include "framework/Listbox.h"

#include <functional>

// The list of differences: striped, ruled cell backgrounds for the light and
// the dark appearance, and rows sorted in the Finder's natural order.
class myListBox : public Listbox {
public:
    // Raised after the class has painted a cell's background, so a user of
    // the class can paint over it; its result becomes the paint's result.
    std::function<bool(Graphics& g, std::int64_t row, std::int64_t column)> CellBackgroundPaint;

    // The Finder's order of two texts: -1, 0 or 1.
    static std::int64_t FinderCompare(const String& first, const String& second);

protected:
    bool Event_CellBackgroundPaint(Graphics& g, std::int64_t row, std::int64_t column) override;
    bool Event_CompareRows(std::int64_t row1, std::int64_t row2, std::int64_t column,
                           std::int64_t& result) override;
};
