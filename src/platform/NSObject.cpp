#include "NSObject.h"

Class NSObject::ClassObject() {
    static const Class cls = [] {
        const Class defined = objc::DefineClass("NSObject", nil);
        defined->AddMethod("respondsToSelector:", [](id self, SEL selector) {
            return class_respondsToSelector(object_getClass(self), selector);
        });
        defined->AddMethod("retain", [](id self) { return objc_retain(self); });
        defined->AddMethod("release", [](id self) { objc_release(self); });
        defined->AddMethod("autorelease", [](id self) { return objc_autorelease(self); });
        return defined;
    }();
    return cls;
}
