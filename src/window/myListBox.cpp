#include "myListBox.h"

#include "framework/Appearance.h"
#include "platform/CFString.h"
#include "platform/ObjCRuntime.h"

#include <cmath>

namespace {

constexpr Colour evenRowLight{0x00F1F2F2};
constexpr Colour evenRowDark{0x00161616};
constexpr Colour oddRow{0xF3FFFFFF};
constexpr Colour ruleLight{0x00D5D5D5};
constexpr Colour ruleDark{0x00333333};

} // namespace

bool myListBox::Event_CellBackgroundPaint(Graphics& g, std::int64_t row, std::int64_t column) {
    // A selected row keeps the list's own look.
    if (Selected(row))
        return true;

    // Stripes by the row's parity.
    if (row % 2 == 0)
        g.ForeColor(IsDarkMode() ? evenRowDark : evenRowLight);
    else
        g.ForeColor(oddRow);
    g.FillRect(0, 0, g.Width(), g.Height());

    // A rule under every cell and one right of every column but the last.
    g.ForeColor(IsDarkMode() ? ruleDark : ruleLight);
    const double y = std::trunc(g.Height() - 1);
    g.DrawLine(0, y, g.Width(), y);
    if (column < ColumnCount() - 1)
        g.DrawLine(g.Width() - 1, 0, g.Width() - 1, y);

    // Whoever uses the class may paint over it.
    return CellBackgroundPaint ? CellBackgroundPaint(g, row, column) : false;
}

bool myListBox::Event_CompareRows(std::int64_t row1, std::int64_t row2, std::int64_t column,
                                  std::int64_t& result) {
    const String& first = Cell(row1, column);
    const String& second = Cell(row2, column);
    result = FinderCompare(first, second);
    return true;
}

std::int64_t myListBox::FinderCompare(const String& first, const String& second) {
    // Native strings over the two texts, given back however the comparison ends.
    const OwnedCFString nativeFirst(StringToCFString(first));
    const OwnedCFString nativeSecond(StringToCFString(second));

    // The platform's answer, unchanged.
    static const SEL compare = sel_registerName("localizedStandardCompare:");
    return objc_msgSend<std::int64_t>(nativeFirst.get(), compare, nativeSecond.get());
}
