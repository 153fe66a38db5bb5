#pragma once

#include "NSResponder.h"

// The running application as the platform sees it, the last responder of
// the chain.
// Class messages: sharedApplication (NSApplication*), the one application.
// Messages: mainMenu (NSMenu*), the native menu that holds the application
// object's menu bar, none without one; targetForAction:to:from: (id), given
// an action, a target and a sender: the target when it answers the action,
// else, when no target is given, the first object of the responder chain
// that answers it, else none; sendAction:to:from: (BOOL) sends the action
// with the sender to that object, NO when there is none;
// arrangeInFront: (void), given a sender, raises every window of the
// application; validateMenuItem: (BOOL), given an NSMenuItem or none: for
// arrangeInFront:, whether a window is open, YES for any other action;
// orderFrontStandardAboutPanel: (void), given a sender, shows the standard
// About panel, or brings it to the front when it is open; see AboutPanel.
class NSApplication : public NSResponder {
public:
    static Class ClassObject();

    NSApplication() : NSResponder(ClassObject(), nullptr) {}
};
