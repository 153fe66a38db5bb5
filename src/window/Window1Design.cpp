#include "Window1Design.h"

#include "framework/Colour.h"
#include "framework/String.h"

namespace Window1Design {

namespace {

// No control of the window belongs to a control array.
constexpr std::int64_t noControlArray = -2147483648LL;

DesignRecord operator+(DesignRecord record, const DesignRecord& more) {
    record.insert(record.end(), more.begin(), more.end());
    return record;
}

// Name, place, size and locks: how every control's record begins.
DesignRecord position(const ControlDesign& d) {
    return {{"Name", String(d.name)},   {"Index", noControlArray},
            {"Left", d.left},           {"Top", d.top},
            {"Width", d.width},         {"Height", d.height},
            {"LockLeft", d.lockLeft},   {"LockTop", d.lockTop},
            {"LockRight", d.lockRight}, {"LockBottom", d.lockBottom}};
}

DesignRecord placement(const ControlDesign& d) {
    return position(d) + DesignRecord{{"TabIndex", d.tabIndex},
                                      {"TabPanelIndex", std::int64_t{0}},
                                      {"TabStop", true},
                                      {"AllowAutoDeactivate", true}};
}

DesignRecord systemFont(float size) {
    return {{"Bold", false},      {"Italic", false},  {"FontName", String("System")},
            {"Underline", false}, {"FontSize", size}, {"FontUnit", std::uint8_t{0}}};
}

} // namespace

DesignRecord WindowRecord() {
    return {
        {"Width", std::int64_t{370}},
        {"Height", std::int64_t{500}},
        {"MinimumWidth", std::int64_t{370}},
        {"MinimumHeight", std::int64_t{400}},
        {"MaximumWidth", std::int64_t{32000}},
        {"MaximumHeight", std::int64_t{32000}},
        {"Type", std::int64_t{0}},
        {"Title", String("Quillstone")},
        {"HasCloseButton", true},
        {"HasMaximizeButton", false},
        {"HasMinimizeButton", true},
        {"HasFullScreenButton", false},
        {"Resizeable", true},
        {"Composite", false},
        {"MacProcID", std::int64_t{0}},
        {"FullScreen", false},
        {"DefaultLocation", std::int64_t{0}},
        {"Visible", true},
        {"HasBackgroundColor", false},
        {"BackgroundColor", Colour{0x00FFFFFF}},
        {"MenuBarVisible", true},
        {"LiveResize", true},
    };
}

DesignRecord GroupBoxRecord(const ControlDesign& d) {
    return placement(d) +
           DesignRecord{{"Caption", String()},
                        {"Enabled", true},
                        {"Tooltip", String()},
                        {"Transparent", false},
                        {"Visible", true}} +
           systemFont(0) + DesignRecord{{"InitialParent", String(d.parent)}};
}

DesignRecord CanvasRecord(const ControlDesign& d) {
    return placement(d) +
           DesignRecord{
               {"Enabled", true},     {"Tooltip", String()},   {"AllowFocusRing", true},
               {"Visible", true},     {"AllowFocus", false},   {"AllowTabs", false},
               {"Transparent", true}, {"DoubleBuffer", false}, {"InitialParent", String(d.parent)}};
}

DesignRecord LabelRecord(const ControlDesign& d) {
    return placement(d) +
           DesignRecord{{"Enabled", true},
                        {"Tooltip", String()},
                        {"Multiline", false},
                        {"Selectable", false},
                        {"TextAlignment", std::int64_t{2}},
                        {"TextColor", Colour{0x00000000}},
                        {"Transparent", false},
                        {"Visible", true}} +
           systemFont(15) +
           DesignRecord{{"DataSource", String()},
                        {"DataField", String()},
                        {"InitialParent", String(d.parent)}};
}

DesignRecord PushButtonRecord(const ControlDesign& d) {
    return placement(d) + DesignRecord{{"MacButtonStyle", std::int64_t{0}},
                                       {"Cancel", false},
                                       {"Default", false},
                                       {"Enabled", true},
                                       {"Tooltip", String()},
                                       {"Transparent", false},
                                       {"Visible", true},
                                       {"FontName", String("System")},
                                       {"FontSize", 0.0f},
                                       {"FontUnit", std::uint8_t{0}},
                                       {"Bold", false},
                                       {"Italic", false},
                                       {"Underline", false},
                                       {"InitialParent", String(d.parent)}};
}

DesignRecord ListBoxRecord(const ControlDesign& d) {
    return DesignRecord{{"AllowAutoDeactivate", true},
                        {"HasBorder", true},
                        {"GridLinesHorizontalStyle", std::int64_t{0}},
                        {"GridLinesVerticalStyle", std::int64_t{0}},
                        {"HasHeader", true},
                        {"Tooltip", String()},
                        {"HasHorizontalScrollbar", false},
                        {"HasVerticalScrollbar", true},
                        {"DropIndicatorVisible", false},
                        {"AllowFocusRing", false},
                        {"FontName", String("System")},
                        {"FontSize", 0.0f},
                        {"FontUnit", std::uint8_t{0}},
                        {"AllowAutoHideScrollbars", true},
                        {"AllowResizableColumns", false},
                        {"AllowRowDragging", false},
                        {"AllowRowReordering", false},
                        {"AllowExpandableRows", false},
                        {"RowSelectionType", std::int64_t{0}},
                        {"Transparent", false}} +
           position(d) +
           DesignRecord{{"TabPanelIndex", std::int64_t{0}},
                        {"TabIndex", d.tabIndex},
                        {"TabStop", true},
                        {"Visible", true},
                        {"Enabled", true},
                        {"ColumnCount", std::int64_t{2}},
                        {"ColumnWidths", String()},
                        {"HeadingIndex", std::int64_t{-1}},
                        {"DefaultRowHeight", std::int64_t{-1}},
                        {"_ScrollWidth", std::int64_t{-1}},
                        {"_ScrollOffset", std::int64_t{0}},
                        {"Bold", false},
                        {"Italic", false},
                        {"Underline", false},
                        {"RequiresSelection", false},
                        {"DataSource", String()},
                        {"DataField", String()},
                        {"InitialParent", String(d.parent)}};
}

} // namespace Window1Design
