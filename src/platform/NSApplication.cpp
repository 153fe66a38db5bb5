#include "NSApplication.h"

#include "AboutPanel.h"

Class NSApplication::ClassObject() {
    static const Class cls = [] {
        const Class defined = objc::DefineClass("NSApplication", NSObject::ClassObject());
        defined->AddClassMethod("sharedApplication", [](Class) {
            static const objc::Ref<NSApplication> shared = objc::New<NSApplication>();
            return shared.get();
        });
        defined->AddMethod("orderFrontStandardAboutPanel:",
                           [](NSApplication*, id) { AboutPanel::OrderFront(); });
        return defined;
    }();
    return cls;
}
