#include "CocoaMenu.h"

#include "App.h"

#include "framework/MenuBar.h"
#include "platform/Foundation.h"
#include "platform/NSString.h"

#include <vector>

namespace CocoaMenu {

namespace {

SEL sel(const char* name) {
    return sel_registerName(name);
}

// The title the native menus show for the item: its caption less the first "&".
id titleOf(const MenuItem& item) {
    return objc_autorelease(NSString::Holding(Str::Replace(item.Text(), "&", "")));
}

} // namespace

id CocoaMenuItem::NSApp() {
    return objc_msgSend<id>(NSClassFromString("NSApplication"), sel("sharedApplication"));
}

id CocoaMenuItem::MainMenu() {
    return objc_msgSend<id>(NSApp(), sel("mainMenu"));
}

std::shared_ptr<MenuItem> CocoaMenuItem::GetParentOf(const MenuItem* item) {
    if (!item)
        return nullptr;
    const std::shared_ptr<MenuItem> bar = App::Accessor()->MenuBar();
    if (!bar)
        return nullptr;
    // Every direct child of an entry is compared before any of its submenus is scanned.
    std::vector<std::shared_ptr<MenuItem>> stack{bar};
    while (!stack.empty()) {
        std::shared_ptr<MenuItem> entry = stack.back();
        stack.pop_back();
        const std::int64_t count = entry->Count();
        for (std::int64_t index = 0; index < count; ++index) {
            const std::shared_ptr<MenuItem> child = entry->Item(index);
            if (!child)
                continue;
            if (child.get() == item)
                return entry;
            if (child->Count() > 0)
                stack.push_back(child);
        }
    }
    return nullptr;
}

id CocoaMenuItem::GetNSMenu(const MenuItem* item) {
    if (!item)
        return nil;
    if (item == App::Accessor()->MenuBar().get())
        return MainMenu();
    const id parentMenu = GetNSMenu(GetParentOf(item).get());
    const id nativeItem = objc_msgSend<id>(parentMenu, sel("itemWithTitle:"), titleOf(*item));
    return objc_msgSend<id>(nativeItem, sel("submenu"));
}

id CocoaMenuItem::GetNSMenuItem(const MenuItem* item) {
    const id parentMenu = GetNSMenu(GetParentOf(item).get());
    if (!parentMenu)
        return nil;
    return objc_msgSend<id>(parentMenu, sel("itemWithTitle:"), titleOf(*item));
}

SEL CocoaMenuItem::ActionSelector() {
    return NSSelectorFromString(Event_ActionSelectorName());
}

id CocoaMenuItem::Target(id nativeItem) {
    return Event_Target(nativeItem);
}

void CocoaMenuItem::Event_EnableMenu() {
    // Point the native item at the action; with no explicit target the
    // platform looks for a receiver along its responder chain.
    const id nativeItem = GetNSMenuItem(this);
    if (nativeItem) {
        objc_msgSend<void>(nativeItem, sel("setTarget:"), Target(nativeItem));
        objc_msgSend<void>(nativeItem, sel("setAction:"), ActionSelector());
        objc_msgSend<void>(nativeItem, sel("setTag:"), Event_CocoaTag());
    }

    id target = Target(nativeItem);
    if (!target)
        target = objc_msgSend<id>(NSApp(), sel("targetForAction:to:from:"), ActionSelector(), nil,
                                  nativeItem);

    if (!target) {
        Enabled(false);
    } else {
        // Both validations are asked, validateMenuItem: first; either one's yes enables.
        const SEL validateMenuItem = NSSelectorFromString("validateMenuItem:");
        const SEL validateUserInterfaceItem = NSSelectorFromString("validateUserInterfaceItem:");
        const BOOL validatesMenuItem =
            objc_msgSend<BOOL>(target, sel("respondsToSelector:"), validateMenuItem);
        const BOOL validatesInterfaceItem =
            objc_msgSend<BOOL>(target, sel("respondsToSelector:"), validateUserInterfaceItem);
        if (!validatesMenuItem && !validatesInterfaceItem) {
            Enabled(true);
        } else {
            const BOOL menuItemValid =
                validatesMenuItem && objc_msgSend<BOOL>(target, validateMenuItem, nativeItem);
            const BOOL interfaceItemValid =
                validatesInterfaceItem &&
                objc_msgSend<BOOL>(target, validateUserInterfaceItem, nativeItem);
            Enabled(menuItemValid || interfaceItemValid);
        }
    }
}

bool CocoaMenuItem::Event_Action() {
    const id nativeItem = GetNSMenuItem(this);
    objc_msgSend<void>(nativeItem, sel("setTag:"), Event_CocoaTag());
    return objc_msgSend<BOOL>(NSApp(), sel("sendAction:to:from:"), ActionSelector(),
                              Target(nativeItem), nativeItem);
}

} // namespace CocoaMenu
