#include "NSResponder.h"

#include "NSTableView.h"
#include "NSWindow.h"
#include "NativePeer.h"

#include <QAbstractItemView>

Class NSResponder::ClassObject() {
    static const Class cls = objc::DefineClass("NSResponder", NSObject::ClassObject());
    return cls;
}

NSResponder* NSResponder::For(QWidget* widget) {
    return objc::NativePeer::Of<NSResponder>(widget, [](QWidget* native) -> NSResponder* {
        if (native->isWindow())
            return new NSWindow(native);
        if (qobject_cast<QAbstractItemView*>(native))
            return new NSTableView(native);
        return new NSView(native);
    });
}
