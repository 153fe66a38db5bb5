#pragma once

#include "NSObject.h"

#include <QPointer>

#include <QWidget>

// An object of the responder chain, which runs from the focused widget
// through its parents to its window, then to the application. The widgets'
// responders hold their widget; see NSView, NSTableView and NSWindow.
class NSResponder : public NSObject {
public:
    static Class ClassObject();
    // The one responder of that widget: a list's is an NSTableView, a
    // window's an NSWindow, any other widget's an NSView; none for none.
    static NSResponder* For(QWidget* widget);

    QWidget* Widget() const { return widget_; }

protected:
    NSResponder(Class cls, QWidget* widget) : NSObject(cls), widget_(widget) {}

private:
    QPointer<QWidget> widget_;
};
