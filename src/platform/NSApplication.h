#pragma once

#include "NSObject.h"

// The running application as the platform sees it.
// Class messages: sharedApplication (NSApplication*), the one application.
// Messages: orderFrontStandardAboutPanel: (void), given a sender (ignored):
// shows the standard About panel, or brings it to the front when it is open
// already; see AboutPanel.
class NSApplication : public NSObject {
public:
    static Class ClassObject();

    NSApplication() : NSObject(ClassObject()) {}
};
