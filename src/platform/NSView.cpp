#include "NSView.h"

Class NSView::ClassObject() {
    static const Class cls = objc::DefineClass("NSView", NSResponder::ClassObject());
    return cls;
}
