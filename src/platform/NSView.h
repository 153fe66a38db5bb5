#pragma once

#include "NSResponder.h"

// A widget in a window that performs no standard action of its own.
class NSView : public NSResponder {
public:
    static Class ClassObject();

    explicit NSView(QWidget* widget, Class cls = ClassObject()) : NSResponder(cls, widget) {}
};
