#pragma once

#include "framework/MenuItem.h"
#include "platform/ObjCRuntime.h"

#include <cstdint>
#include <memory>

// Menu items tied to their native counterparts in the platform's menu bar
// and to the platform's standard actions: each finds its native item by
// title, points it at its action, enables itself when the responder chain
// has a target for the action that does not refuse it, and sends the action
// when chosen. Nothing is kept between events: every native object is
// looked up anew.
namespace CocoaMenu {

class CocoaMenuItem : public MenuItem {
public:
    static id NSApp();
    static id MainMenu();
    // The item whose direct children include `item`, searched from the
    // application object's menu bar; none when none does.
    static std::shared_ptr<MenuItem> GetParentOf(const MenuItem* item);
    // The native menu that shows the item's children; none when not found.
    static id GetNSMenu(const MenuItem* item);
    // The native item that shows the item; none when not found.
    static id GetNSMenuItem(const MenuItem* item);

    // The selector named by ActionSelectorName.
    SEL ActionSelector();
    // An explicit target for the native item; none lets the responder chain decide.
    id Target(id nativeItem);

    void Event_EnableMenu() override;
    // Sends the action; true when some object received it.
    bool Event_Action() override;

protected:
    // The events raised for the subclasses; unhandled, each gives its empty
    // value. No class of the program adds to the item's work on enabling or
    // on a choice, so the item raises no event of its own after either.
    virtual String Event_ActionSelectorName() { return {}; }
    virtual std::int64_t Event_CocoaTag() { return 0; }
    virtual id Event_Target(id) { return nil; }
};

class CocoaMenuItemClose : public CocoaMenuItem {
protected:
    String Event_ActionSelectorName() override { return "performClose:"; }
};

class CocoaMenuItemSelectAll : public CocoaMenuItem {
protected:
    String Event_ActionSelectorName() override { return "selectAll:"; }
};

class MenuItemMinimize : public CocoaMenuItem {
protected:
    String Event_ActionSelectorName() override { return "performMiniaturize:"; }
};

class MenuItemZoom : public CocoaMenuItem {
protected:
    String Event_ActionSelectorName() override { return "performZoom:"; }
};

class MenuItemBringAllToFront : public CocoaMenuItem {
protected:
    String Event_ActionSelectorName() override { return "arrangeInFront:"; }
};

} // namespace CocoaMenu
