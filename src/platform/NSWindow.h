#pragma once

#include "NSObject.h"

#include <QPointer>
#include <QWidget>

class NSScreen;

// A framework window as AppKit code sees it: every Window's Handle is one,
// made when the handle is first asked for.
// Class messages: setAllowsAutomaticWindowTabbing: (void), given a BOOL:
// nothing, for windows here never open as tabs of one another.
// Messages: screen (NSScreen*): the screen that shows the largest part of the
// window's frame; none when no screen shows any of it.
class NSWindow : public NSObject {
public:
    static Class ClassObject();

    explicit NSWindow(QWidget& widget) : NSObject(ClassObject()), widget_(&widget) {}

private:
    NSScreen* screen() const;

    // None once the window is gone, while someone still holds its object.
    const QPointer<QWidget> widget_;
};
