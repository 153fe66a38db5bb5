#include "App.h"

#include "LocalizedMenu.h"
#include "support/WindowEx.h"

#include "framework/Exceptions.h"
#include "framework/MenuBar.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "platform/Foundation.h"
#include "platform/ObjCRuntime.h"

namespace {

template <class T> std::shared_ptr<T> menuItemNamed(const String& name) {
    const auto bar = App::Accessor()->MenuBar();
    if (!bar)
        throw NilObjectException("The application has no menu bar.");
    auto item = std::dynamic_pointer_cast<T>(bar->_Lookup(name));
    if (!item)
        throw NilObjectException("The menu bar has no item " + name + " of the expected class.");
    return item;
}

} // namespace

std::shared_ptr<App> App::Accessor() {
    auto app = std::dynamic_pointer_cast<App>(RuntimeAppObject());
    if (!app)
        throw NilObjectException("No application object is registered.");
    return app;
}

void App::Event_Open() {
    WindowEx::DisableAutoTabbing();
    Accessor()->AutoQuit(true);
    localizeAboutMenu();
}

void App::localizeAboutMenu() {
    const String name = Accessor()->ExecutableFile()->Name();
    if (Str::Compare(LocalizedMenu::kLang(""), "ja") == 0)
        AppAbout()->Text(name + " について");
    else
        AppAbout()->Text("About " + name);
}

void App::Event_EnableMenuItems() {
    if (WindowCount() <= 0)
        return;
    FileClose()->Enabled(Window(0)->HasCloseButton());
    WindowMinimize()->Enabled(Window(0)->HasMinimizeButton());
    WindowZoom()->Enabled(Window(0)->Resizeable());
    WindowBringAlltoFront()->Enable();
}

bool App::_AppAbout_Action() {
    const id application =
        objc_msgSend<id>(NSClassFromString("NSApplication"), sel_registerName("sharedApplication"));
    objc_msgSend<void>(application, sel_registerName("orderFrontStandardAboutPanel:"), nil);
    return true;
}

std::shared_ptr<CocoaMenu::CocoaMenuItemClose> FileClose() {
    return menuItemNamed<CocoaMenu::CocoaMenuItemClose>("FileClose");
}

std::shared_ptr<ApplicationMenuItem> AppAbout() {
    return menuItemNamed<ApplicationMenuItem>("AppAbout");
}

std::shared_ptr<CocoaMenu::MenuItemMinimize> WindowMinimize() {
    return menuItemNamed<CocoaMenu::MenuItemMinimize>("WindowMinimize");
}

std::shared_ptr<CocoaMenu::MenuItemZoom> WindowZoom() {
    return menuItemNamed<CocoaMenu::MenuItemZoom>("WindowZoom");
}

std::shared_ptr<CocoaMenu::MenuItemBringAllToFront> WindowBringAlltoFront() {
    return menuItemNamed<CocoaMenu::MenuItemBringAllToFront>("WindowBringAlltoFront");
}
