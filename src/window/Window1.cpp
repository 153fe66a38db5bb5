#include "Window1.h"

#include "myListBox.h"
#include "support/FileTypeGroup1.h"
#include "support/General.h"
#include "support/Icon.h"
#include "support/Localized.h"
#include "support/Preferences.h"
#include "support/WindowEx.h"

#include "framework/Canvas.h"
#include "framework/Exceptions.h"
#include "framework/Label.h"
#include "framework/TextOutputStream.h"

namespace {

const DesignRecord windowDesign = {
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

} // namespace

// Where a control stands and what it is, as the window's design gives it.
struct ControlDesign {
    const char* name;
    const char* parent;
    std::int64_t left, top, width, height;
    bool lockLeft, lockTop, lockRight, lockBottom;
    std::int64_t tabIndex;
};

namespace {

constexpr std::int64_t noControlArray = -2147483648LL;

const ControlDesign GroupBox1Design{"GroupBox1", "", 20, 20, 330, 90, true, true, true, false, 0};
const ControlDesign Canvas1Design{"Canvas1", "GroupBox1", 32,    33,    64, 64,
                                  true,      true,        false, false, 0};
const ControlDesign Label1Design{"Label1", "GroupBox1", 32,   33,    306, 64,
                                 true,     true,        true, false, 1};
const ControlDesign GroupBox2Design{"GroupBox2", "", 20, 122, 330, 90, true, true, true, false, 1};
const ControlDesign Canvas2Design{"Canvas2", "GroupBox2", 32,    135,   64, 64,
                                  true,      true,        false, false, 0};
const ControlDesign Label2Design{"Label2", "GroupBox2", 32,   135,   306, 64,
                                 true,     true,        true, false, 1};
const ControlDesign PushButton1Design{"PushButton1", "",   20,   232,   238, 20,
                                      true,          true, true, false, 4};
const ControlDesign ListBox1Design{"ListBox1", "", 20, 264, 330, 216, true, true, true, true, 6};
const ControlDesign PushButton2Design{"PushButton2", "",   270,  232,   80, 20,
                                      false,         true, true, false, 7};

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

DesignRecord groupBoxDesign(const ControlDesign& d) {
    return placement(d) +
           DesignRecord{{"Caption", String()},
                        {"Enabled", true},
                        {"Tooltip", String()},
                        {"Transparent", false},
                        {"Visible", true}} +
           systemFont(0) + DesignRecord{{"InitialParent", String(d.parent)}};
}

DesignRecord canvasDesign(const ControlDesign& d) {
    return placement(d) +
           DesignRecord{{"Enabled", true},        {"Tooltip", String()},
                        {"AllowFocusRing", true}, {"Visible", true},
                        {"AllowFocus", false},    {"AllowTabs", false},
                        {"Transparent", true},    {"DoubleBuffer", false},
                        {"Transparent", true},    {"InitialParent", String(d.parent)}};
}

DesignRecord labelDesign(const ControlDesign& d) {
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

DesignRecord pushButtonDesign(const ControlDesign& d) {
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

DesignRecord listBoxDesign(const ControlDesign& d) {
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

// The name as one part of a path: the version texts come from the bundle, and
// a "/" in them would put the report into another folder than the one the
// user chose, a control character into a name no one can type. Each becomes "-".
String fileNamePart(const String& name) {
    String part;
    part.reserve(name.size());
    for (std::size_t at = 0; at < name.size(); ++at) {
        const auto byte = static_cast<unsigned char>(name[at]);
        const bool c1Control = byte == 0xC2 && at + 1 < name.size() &&
                               static_cast<unsigned char>(name[at + 1]) >= 0x80 &&
                               static_cast<unsigned char>(name[at + 1]) <= 0x9F;
        if (byte == '/' || byte < 0x20 || byte == 0x7F || c1Control) {
            part += '-';
            at += c1Control ? 1 : 0;
        } else {
            part += name[at];
        }
    }
    return part;
}

} // namespace

// The members in which the two drop zones differ.
struct Window1::Zone {
    FolderItemPtr Window1::*app;
    std::shared_ptr<Canvas> (Window1::*canvas)() const;
    std::shared_ptr<Label> (Window1::*label)() const;
    String (*prompt)(const String&);
    std::int64_t column;
    String (*heading)(const String&);
};

std::shared_ptr<Window1> Window1::Accessor() {
    if (auto open = FindOpen<Window1>())
        return open;
    auto window = std::make_shared<Window1>();
    window->Constructor();
    return window;
}

std::shared_ptr<Canvas> Window1::Canvas1() const {
    return Control<Canvas>("Canvas1");
}
std::shared_ptr<Canvas> Window1::Canvas2() const {
    return Control<Canvas>("Canvas2");
}
std::shared_ptr<Label> Window1::Label1() const {
    return Control<Label>("Label1");
}
std::shared_ptr<Label> Window1::Label2() const {
    return Control<Label>("Label2");
}
std::shared_ptr<myListBox> Window1::ListBox1() const {
    return Control<myListBox>("ListBox1");
}

void Window1::Layout() {
    ApplyDesign(windowDesign);
}

void Window1::CreateControls() {
    _CreateControls0();
}

// Opens where and as large as the window was when it last closed, fitted into
// its screen. A preference file that cannot be read, lacks a member or holds
// something other than whole numbers counts as none: the window then opens at
// its designed size at the default place, and its next close writes the file
// afresh.
void Window1::Event_Open() {
    const std::int64_t designedWidth = Width();
    const std::int64_t designedHeight = Height();
    try {
        Preferences::Raed(designedWidth, designedHeight);
        applyStoredBounds();
    } catch (const IOException&) {
        applyDefaultBounds(designedWidth, designedHeight);
    } catch (const Preferences::PreferenceNotFoundException&) {
        applyDefaultBounds(designedWidth, designedHeight);
    } catch (const TypeMismatchException&) {
        applyDefaultBounds(designedWidth, designedHeight);
    }
    WindowEx::AdjustWindow(*this);
}

void Window1::Event_Close() {
    Preferences::Save(*this);
}

// Each value is read just before it is applied: width, height, left, top.
void Window1::applyStoredBounds() {
    const auto& prefs = *Preferences::Prefs;
    Width(prefs.Get("WinWidth").Int64Value());
    Height(prefs.Get("WinHeight").Int64Value());
    Left(prefs.Get("WinLeft").Int64Value());
    Top(prefs.Get("WinTop").Int64Value());
}

void Window1::applyDefaultBounds(std::int64_t width, std::int64_t height) {
    Preferences::SetDefault(width, height);
    applyStoredBounds();
}

template <class T> std::shared_ptr<T> Window1::make(const ControlDesign& design) {
    AddControl(design.name, New<T>());
    return Control<T>(design.name);
}

// The nine controls in their order: each is complete, text, design values and
// handlers, before the next is made.
void Window1::_CreateControls0() {
    makeZone(GroupBox1Design, Canvas1Design, Label1Design, Localized::Drop_Old_Glyphs_App(""),
             &Window1::GroupBox1_Open, &Window1::GroupBox1_DropObject);
    makeZone(GroupBox2Design, Canvas2Design, Label2Design, Localized::Drop_New_Glyphs_App(""),
             &Window1::GroupBox2_Open, &Window1::GroupBox2_DropObject);
    makeButton(PushButton1Design, Localized::Quillstone(""), &Window1::PushButton1_Action);

    auto listBox1 = make<myListBox>(ListBox1Design);
    listBox1->InitialValue(Localized::kOld("") + "\t" + Localized::kNew(""));
    listBox1->ApplyDesign(listBoxDesign(ListBox1Design));

    makeButton(PushButton2Design, Localized::kSave(""), &Window1::PushButton2_Action);
}

// A drop zone: its group box, then the canvas and the label inside it.
void Window1::makeZone(const ControlDesign& box, const ControlDesign& canvas,
                       const ControlDesign& label, const String& prompt,
                       void (Window1::*open)(GroupBox&),
                       void (Window1::*drop)(GroupBox&, DragItem&, std::int64_t)) {
    auto groupBox = make<GroupBox>(box);
    groupBox->ApplyDesign(groupBoxDesign(box));
    groupBox->Open = handler(open);
    groupBox->DropObject = handler(drop);

    make<Canvas>(canvas)->ApplyDesign(canvasDesign(canvas));

    auto zoneLabel = make<Label>(label);
    zoneLabel->Text(prompt);
    zoneLabel->ApplyDesign(labelDesign(label));
}

void Window1::makeButton(const ControlDesign& design, const String& caption,
                         void (Window1::*action)(PushButton&)) {
    auto button = make<PushButton>(design);
    button->Caption(caption);
    button->ApplyDesign(pushButtonDesign(design));
    button->Action = handler(action);
}

// A handler bound to this window. It holds the window weakly: the framework,
// not the window's own controls, keeps the window alive.
template <class... Args>
std::function<void(Args...)> Window1::handler(void (Window1::*method)(Args...)) {
    const std::weak_ptr<Window1> self = std::static_pointer_cast<Window1>(shared_from_this());
    return [self, method](Args... args) {
        if (const auto window = self.lock())
            ((*window).*method)(std::forward<Args>(args)...);
    };
}

void Window1::GroupBox1_Open(GroupBox& sender) {
    sender.AcceptFileDrop(Deref(FileTypeGroup1::App()));
}

void Window1::GroupBox2_Open(GroupBox& sender) {
    sender.AcceptFileDrop(Deref(FileTypeGroup1::App()));
}

void Window1::GroupBox1_DropObject(GroupBox&, DragItem& obj, std::int64_t) {
    dropOn(UpperZone(), obj);
}

void Window1::GroupBox2_DropObject(GroupBox&, DragItem& obj, std::int64_t) {
    dropOn(LowerZone(), obj);
}

void Window1::dropOn(const Zone& zone, DragItem& obj) {
    // Every drop first empties the zone and the list.
    resetZone(zone);

    // Only the drag's first item counts.
    if (!obj.FolderItemAvailable())
        return;
    const FolderItemPtr f = obj.FolderItem();

    // The name must begin with "Glyphs" and end with ".app", byte for byte.
    const String name = f->Name();
    const bool glyphsPrefix = name.size() >= 6 && name.compare(0, 6, "Glyphs") == 0;
    if (!glyphsPrefix || name.size() < 4 || name.compare(name.size() - 4, 4, ".app") != 0) {
        General::ShowAlertOK(Localized::Not_a_Glyphs_app(""), "", nullptr);
        return;
    }

    // Accepted: the zone shows the bundle.
    loadZone(zone, f);
}

void Window1::resetZone(const Zone& zone) {
    this->*zone.app = nullptr;
    (this->*zone.canvas)()->Backdrop(nullptr);
    const auto label = (this->*zone.label)();
    label->Text(zone.prompt(""));
    label->Left(32);
    label->Width(306);
    label->TextAlign(1);
    ListBox1()->Heading(zone.column, zone.heading(""));
    ListBox1()->DeleteAllRows();
}

void Window1::loadZone(const Zone& zone, const FolderItemPtr& file) {
    this->*zone.app = file;
    const auto canvas = (this->*zone.canvas)();
    canvas->Backdrop(Icon::Get(file, canvas->Width()));
    const auto label = (this->*zone.label)();
    label->Text(GetAppVerInfo(file));
    label->Left(108);
    label->Width(230);
    label->TextAlign(0);
    ListBox1()->Heading(zone.column, label->Text());
}

void Window1::PushButton1_Action(PushButton&) {
    // Every click starts from an empty list.
    const auto list = ListBox1();
    list->DeleteAllRows();

    // Two different versions, both bundles still on disk.
    if (Label1()->Text() == Label2()->Text()) {
        General::ShowAlertOK(Localized::Both_apps_are_the_same_version(""), "", nullptr);
        return;
    }
    if (!AppOLD || !AppOLD->Exists()) {
        General::ShowAlertOK(Localized::Drop_the_old_Glyphs_app(""), "", nullptr);
        return;
    }
    if (!AppNEW || !AppNEW->Exists()) {
        General::ShowAlertOK(Localized::Drop_the_new_Glyphs_app(""), "", nullptr);
        return;
    }

    // Both maps are read, old first; the reader has told of any failure.
    const Dictionary oldMap = GetMapFile(AppOLD);
    const Dictionary newMap = GetMapFile(AppNEW);
    if (oldMap.KeyCount() == 0 || newMap.KeyCount() == 0)
        return;

    // One row for every common key whose value changed.
    for (const String& key : oldMap.Keys()) {
        if (!newMap.HasKey(key))
            continue;
        const String& oldValue = oldMap.Value(key);
        const String& newValue = newMap.Value(key);
        if (Str::Compare(oldValue, newValue, ComparisonOptions::CaseSensitive) != 0)
            list->AddRow({oldValue, newValue});
    }

    // No row at all is told; otherwise the rows stand in the list.
    if (list->ListCount() == 0)
        General::ShowAlertOK(Localized::Both_AJ1_Map_Files_are_the_same(""), "", nullptr);
}

void Window1::PushButton2_Action(PushButton&) {
    // Nothing to save.
    const auto list = ListBox1();
    if (list->ListCount() == 0)
        return;

    // Ask where, under a name made of the two versions.
    const String oldVersion = Label1()->Text();
    const String newVersion = Label2()->Text();
    const FolderItemPtr file = General::ShowSavePanel(
        fileNamePart("Diff_" + oldVersion + "_" + newVersion + ".txt"), "", nullptr, nullptr);
    if (!file)
        return;

    // The versions, then the rows as the list shows them.
    const String text =
        oldVersion + "\t" + newVersion + String(Str::EndOfLine) + list->Cell(-1, -1);

    // Only line ends go from the end, so that the file has no final
    // line end while every row, the first line too, keeps both its columns
    // exactly, an empty version or value and trailing blanks included.
    saveReport(file, Str::TrimRight(text, "\r\n"));
}

// A report that cannot be written is told, never passed over in silence: the
// user would otherwise take an old file, or none, for the report just made.
void Window1::saveReport(const FolderItemPtr& file, const String& text) {
    try {
        const TextOutputStreamPtr stream = TextOutputStream::Create(file);
        stream->Write(text);
        stream->Close();
    } catch (const IOException& error) {
        General::ShowAlertOK(Localized::The_report_could_not_be_saved(""), error.Message, nullptr);
    }
}

const Window1::Zone& Window1::UpperZone() {
    static const Zone zone{
        &Window1::AppOLD, &Window1::Canvas1, &Window1::Label1, Localized::Drop_Old_Glyphs_App, 0,
        Localized::kOld};
    return zone;
}

const Window1::Zone& Window1::LowerZone() {
    static const Zone zone{
        &Window1::AppNEW, &Window1::Canvas2, &Window1::Label2, Localized::Drop_New_Glyphs_App, 1,
        Localized::kNew};
    return zone;
}
