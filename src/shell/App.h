#pragma once

#include "CocoaMenu.h"

#include "framework/Application.h"
#include "framework/ApplicationMenuItem.h"

#include <memory>

// The program's application object.
class App : public Application {
public:
    // The registered application object; NilObjectException before start-up
    // has registered it.
    static std::shared_ptr<App> Accessor();

    // Tabbing off, quitting with the last window, the About item in the
    // user's language.
    void Event_Open() override;
    // While a window is open: Close, Minimize and Zoom as the front window
    // allows, Bring All to Front enabled.
    void Event_EnableMenuItems() override;
    // The About item's handler: shows the standard About panel.
    bool _AppAbout_Action();
    void localizeAboutMenu();
};

// The items of the application object's menu bar, looked up by name at every
// call; NilObjectException when there is no application object, no menu bar
// or no such item.
std::shared_ptr<CocoaMenu::CocoaMenuItemClose> FileClose();
std::shared_ptr<ApplicationMenuItem> AppAbout();
std::shared_ptr<CocoaMenu::MenuItemMinimize> WindowMinimize();
std::shared_ptr<CocoaMenu::MenuItemZoom> WindowZoom();
std::shared_ptr<CocoaMenu::MenuItemBringAllToFront> WindowBringAlltoFront();
