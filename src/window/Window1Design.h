#pragma once

#include "framework/DesignRecord.h"

#include <cstdint>

// The design of the comparison window: the window's own record, where each of
// its nine controls stands, and the record each kind of control is given.
namespace Window1Design {

// Where a control stands, in the window's coordinates also inside a group
// box; the window edges it keeps its distances to; its place in the order of
// keyboard focus; and the group box it stands in, "" for the window.
struct ControlDesign {
    const char* name;
    const char* parent;
    std::int64_t left, top, width, height;
    bool lockLeft, lockTop, lockRight, lockBottom;
    std::int64_t tabIndex;
};

// The nine controls, in the order the window makes them. Each label starts
// where its canvas does and ends 12 short of its group box's right edge.
inline constexpr ControlDesign GroupBox1{"GroupBox1", "",   20,   20,    330, 90,
                                         true,        true, true, false, 0};
inline constexpr ControlDesign Canvas1{"Canvas1", "GroupBox1", 32,    33,    64, 64,
                                       true,      true,        false, false, 0};
inline constexpr ControlDesign Label1{"Label1", "GroupBox1", 32,   33,    306, 64,
                                      true,     true,        true, false, 1};
inline constexpr ControlDesign GroupBox2{"GroupBox2", "",   20,   122,   330, 90,
                                         true,        true, true, false, 1};
inline constexpr ControlDesign Canvas2{"Canvas2", "GroupBox2", 32,    135,   64, 64,
                                       true,      true,        false, false, 0};
inline constexpr ControlDesign Label2{"Label2", "GroupBox2", 32,   135,   306, 64,
                                      true,     true,        true, false, 1};
inline constexpr ControlDesign PushButton1{"PushButton1", "",   20,   232,   238, 20,
                                           true,          true, true, false, 4};
inline constexpr ControlDesign ListBox1{"ListBox1", "",   20,   264,  330, 216,
                                        true,       true, true, true, 6};
inline constexpr ControlDesign PushButton2{"PushButton2", "",   270,  232,   80, 20,
                                           false,         true, true, false, 7};

// The window's own record: size and its limits, title and title-bar buttons.
DesignRecord WindowRecord();

// The record of each kind of control, for the control of that design.
DesignRecord GroupBoxRecord(const ControlDesign& d);
DesignRecord CanvasRecord(const ControlDesign& d);
DesignRecord LabelRecord(const ControlDesign& d);
DesignRecord PushButtonRecord(const ControlDesign& d);
DesignRecord ListBoxRecord(const ControlDesign& d);

} // namespace Window1Design
