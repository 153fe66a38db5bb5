#pragma once

#include "NSResponder.h"

#include <QRect>

class NSScreen;

// A window: every framework Window's Handle is the responder of its widget.
// Class messages: setAllowsAutomaticWindowTabbing: (void), given a BOOL:
// nothing, for windows here never open as tabs of one another.
// Messages: screen (NSScreen*): the screen that shows the largest part of the
// window's frame; none when no screen shows any of it.
// Messages, each given a sender: performClose: (void) closes the window as
// its close button does; performMiniaturize: (void) minimizes it;
// performZoom: (void) toggles between the window's own frame and the largest
// its screen's available area and its maximum size allow.
// validateMenuItem: (BOOL), given an NSMenuItem or none: for performClose:,
// whether the window has a close button; for performMiniaturize:, a minimize
// button; for performZoom:, whether it is resizable; YES for any other action.
class NSWindow : public NSResponder {
public:
    static Class ClassObject();

    explicit NSWindow(QWidget* widget) : NSResponder(ClassObject(), widget) {}

private:
    NSScreen* screen() const;
    void zoom();

    // The frame to return to; empty while the window is not zoomed.
    QRect unzoomed_;
};
