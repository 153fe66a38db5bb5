#pragma once

#include "NSObject.h"

class QScreen;

// An attached screen: one object per screen of the window system, the same
// on every call for as long as the screen stays attached, so that two
// screens compare by identity.
// Class messages: screens (NSArray*): the attached screens, autoreleased, in
// the order in which the framework numbers its Screen objects.
class NSScreen : public NSObject {
public:
    static Class ClassObject();

    // The object that stands for `screen`.
    static NSScreen* Of(QScreen& screen);

private:
    NSScreen() : NSObject(ClassObject()) {}
};
