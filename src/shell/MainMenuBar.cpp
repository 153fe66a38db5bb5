#include "MainMenuBar.h"

#include "CocoaMenu.h"
#include "LocalizedMenu.h"

#include "framework/ApplicationMenuItem.h"
#include "framework/Exceptions.h"
#include "framework/QuitMenuItem.h"
#include "framework/Runtime.h"

#include <optional>

namespace {

std::shared_ptr<MainMenuBar> _implicitInstance;

// The instance holds native menus, so it goes while the framework still runs.
const RuntimeModuleState implicitInstanceState{[] {
    _implicitInstance.reset();
}};

// A new item with its properties set in the framework's order. A separator
// (no key equivalent given) keeps the framework's default key equivalent.
template <class T>
std::shared_ptr<T> newItem(const String& name, bool autoEnabled, const String& text,
                           const std::optional<String>& shortcut) {
    auto item = std::make_shared<T>();
    item->Name(name);
    item->AutoEnabled(autoEnabled);
    item->Text(text);
    item->Visible(true);
    if (shortcut)
        item->Shortcut(*shortcut);
    return item;
}

} // namespace

std::shared_ptr<MainMenuBar> MainMenuBar::Accessor() {
    if (!_implicitInstance)
        _implicitInstance = std::make_shared<MainMenuBar>();
    return _implicitInstance;
}

MainMenuBar::MainMenuBar() {
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
}

void MainMenuBar::addTo(const String& menuName, const std::shared_ptr<MenuItem>& item) {
    const auto menu = Child(menuName);
    if (!menu)
        throw NilObjectException("The menu bar has no menu named " + menuName + ".");
    menu->AddMenu(item);
}

// File: Close, About, a separator, Quit.
void MainMenuBar::Untitled0() {
    AddMenu(newItem<MenuItem>("FileMenu", true, LocalizedMenu::kFile(""), ""));
    addTo("FileMenu", newItem<CocoaMenu::CocoaMenuItemClose>(
                          "FileClose", false, LocalizedMenu::kFileClose(""), "Cmd+W"));
    addTo("FileMenu", newItem<ApplicationMenuItem>("AppAbout", true, "About", ""));
    addTo("FileMenu", newItem<ApplicationMenuItem>("FileSeparator1", true, "-", std::nullopt));
    addTo("FileMenu", newItem<QuitMenuItem>("FileQuit", true, "Quit", "Cmd+Q"));
}

// Edit: Undo, Redo, a separator, Cut, Copy, Paste, Delete, Select All.
void MainMenuBar::Untitled1() {
    AddMenu(newItem<MenuItem>("EditMenu", true, LocalizedMenu::kEdit(""), ""));
    addTo("EditMenu", newItem<MenuItem>("EditUndo", true, "&Undo", "Cmd+Z"));
    addTo("EditMenu", newItem<MenuItem>("EditRedo", true, "Redo", "Cmd+Shift+Z"));
    addTo("EditMenu", newItem<MenuItem>("EditSeparator1", true, "-", std::nullopt));
    addTo("EditMenu", newItem<MenuItem>("EditCut", true, LocalizedMenu::kCut(""), "Cmd+X"));
    addTo("EditMenu", newItem<MenuItem>("EditCopy", true, LocalizedMenu::kCopy(""), "Cmd+C"));
    addTo("EditMenu", newItem<MenuItem>("EditPaste", true, LocalizedMenu::kPaste(""), "Cmd+V"));
    addTo("EditMenu", newItem<MenuItem>("EditClear", true, LocalizedMenu::kDelete(""), ""));
    addTo("EditMenu", newItem<CocoaMenu::CocoaMenuItemSelectAll>(
                          "EditSelectAll", true, LocalizedMenu::kSelectAll(""), "Cmd+A"));
}

// Window: Minimize, Zoom, a separator, Bring All to Front.
void MainMenuBar::Untitled2() {
    AddMenu(newItem<MenuItem>("WindowMenu", true, LocalizedMenu::kWindow(""), ""));
    addTo("WindowMenu", newItem<CocoaMenu::MenuItemMinimize>(
                            "WindowMinimize", false, LocalizedMenu::kMinimize(""), "Cmd+M"));
    addTo("WindowMenu",
          newItem<CocoaMenu::MenuItemZoom>("WindowZoom", false, LocalizedMenu::kZoom(""), ""));
    addTo("WindowMenu", newItem<MenuItem>("WindowSeparator1", true, "-", std::nullopt));
    addTo("WindowMenu",
          newItem<CocoaMenu::MenuItemBringAllToFront>("WindowBringAlltoFront", false,
                                                      LocalizedMenu::kBringAllToFront(""), ""));
}

// Help, without items.
void MainMenuBar::Untitled3() {
    AddMenu(newItem<MenuItem>("HelpMenu", true, LocalizedMenu::kHelp(""), ""));
}
