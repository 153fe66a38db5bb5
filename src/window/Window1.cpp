#include "Window1.h"

#include "Window1Design.h"
#include "myListBox.h"
#include "support/BundleReader.h"
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
    ApplyDesign(Window1Design::WindowRecord());
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
    makeZone(Window1Design::GroupBox1, Window1Design::Canvas1, Window1Design::Label1,
             Localized::Drop_Old_Glyphs_App(""), &Window1::GroupBox1_Open,
             &Window1::GroupBox1_DropObject);
    makeZone(Window1Design::GroupBox2, Window1Design::Canvas2, Window1Design::Label2,
             Localized::Drop_New_Glyphs_App(""), &Window1::GroupBox2_Open,
             &Window1::GroupBox2_DropObject);
    makeButton(Window1Design::PushButton1, Localized::Quillstone(""), &Window1::PushButton1_Action);

    auto listBox1 = make<myListBox>(Window1Design::ListBox1);
    listBox1->InitialValue(Localized::kOld("") + "\t" + Localized::kNew(""));
    listBox1->ApplyDesign(Window1Design::ListBoxRecord(Window1Design::ListBox1));

    makeButton(Window1Design::PushButton2, Localized::kSave(""), &Window1::PushButton2_Action);
}

// A drop zone: its group box, then the canvas and the label inside it.
void Window1::makeZone(const ControlDesign& boxDesign, const ControlDesign& canvasDesign,
                       const ControlDesign& labelDesign, const String& prompt,
                       void (Window1::*open)(GroupBox&),
                       void (Window1::*drop)(GroupBox&, DragItem&, std::int64_t)) {
    auto groupBox = make<GroupBox>(boxDesign);
    groupBox->ApplyDesign(Window1Design::GroupBoxRecord(boxDesign));
    groupBox->Open = handler(open);
    groupBox->DropObject = handler(drop);

    make<Canvas>(canvasDesign)->ApplyDesign(Window1Design::CanvasRecord(canvasDesign));

    auto zoneLabel = make<Label>(labelDesign);
    zoneLabel->Text(prompt);
    zoneLabel->ApplyDesign(Window1Design::LabelRecord(labelDesign));
}

void Window1::makeButton(const ControlDesign& design, const String& caption,
                         void (Window1::*action)(PushButton&)) {
    auto button = make<PushButton>(design);
    button->Caption(caption);
    button->ApplyDesign(Window1Design::PushButtonRecord(design));
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
    dropOn(Zone::Upper, obj);
}

void Window1::GroupBox2_DropObject(GroupBox&, DragItem& obj, std::int64_t) {
    dropOn(Zone::Lower, obj);
}

void Window1::dropOn(Zone zone, DragItem& obj) {
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

FolderItemPtr& Window1::app(Zone zone) {
    return zone == Zone::Upper ? AppOLD : AppNEW;
}

std::shared_ptr<Canvas> Window1::canvas(Zone zone) const {
    return zone == Zone::Upper ? Canvas1() : Canvas2();
}

std::shared_ptr<Label> Window1::label(Zone zone) const {
    return zone == Zone::Upper ? Label1() : Label2();
}

// An empty zone: no bundle and no icon; the label shows the prompt centred
// where its design puts it, and the zone's column bears its first heading.
void Window1::resetZone(Zone zone) {
    const bool upper = zone == Zone::Upper;
    app(zone) = nullptr;
    canvas(zone)->Backdrop(nullptr);
    const auto text = label(zone);
    text->Text(upper ? Localized::Drop_Old_Glyphs_App("") : Localized::Drop_New_Glyphs_App(""));
    const ControlDesign& design = upper ? Window1Design::Label1 : Window1Design::Label2;
    text->Left(design.left);
    text->Width(design.width);
    text->TextAlign(1);
    ListBox1()->Heading(upper ? 0 : 1, upper ? Localized::kOld("") : Localized::kNew(""));
    ListBox1()->DeleteAllRows();
}

// A loaded zone: the bundle and its icon; the label makes room for the icon,
// starting a little to the right of the canvas and ending where its design
// ends, and shows the bundle's version left-aligned, which heads the zone's
// column too.
void Window1::loadZone(Zone zone, const FolderItemPtr& file) {
    constexpr std::int64_t iconGap = 12;
    const bool upper = zone == Zone::Upper;
    app(zone) = file;
    const auto icon = canvas(zone);
    icon->Backdrop(Icon::Get(file, icon->Width()));
    const auto text = label(zone);
    text->Text(GetAppVerInfo(file));
    const ControlDesign& iconDesign = upper ? Window1Design::Canvas1 : Window1Design::Canvas2;
    const ControlDesign& textDesign = upper ? Window1Design::Label1 : Window1Design::Label2;
    const std::int64_t left = iconDesign.left + iconDesign.width + iconGap;
    text->Left(left);
    text->Width(textDesign.left + textDesign.width - left);
    text->TextAlign(0);
    ListBox1()->Heading(upper ? 0 : 1, text->Text());
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
    BundleReader::ForEachChangedValue(oldMap, newMap,
                                      [&list](const String& oldValue, const String& newValue) {
                                          list->AddRow({oldValue, newValue});
                                      });

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
    const FolderItemPtr file = General::ShowSavePanel(
        fileNamePart("Diff_" + Label1()->Text() + "_" + Label2()->Text() + ".txt"), "", nullptr,
        nullptr);
    if (!file)
        return;

    // The versions, then the rows as the list shows them.
    saveReport(file, ReportText());
}

String Window1::ReportText() const {
    const String text = Label1()->Text() + "\t" + Label2()->Text() + String(Str::EndOfLine) +
                        ListBox1()->Cell(-1, -1);

    // Only line ends go from the end, so that the file has no final
    // line end while every row, the first line too, keeps both its columns
    // exactly, an empty version or value and trailing blanks included.
    return Str::TrimRight(text, "\r\n");
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
