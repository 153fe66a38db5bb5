#include "NSMenuItem.h"

#include "NSMenu.h"
#include "NativePeer.h"

#include <QAction>
#include <QMenu>

Class NSMenuItem::ClassObject() {
    static const Class cls = [] {
        const Class defined = objc::DefineClass("NSMenuItem", NSObject::ClassObject());
        defined->AddMethod("submenu", [](NSMenuItem* self) -> id {
            return self->action_ ? NSMenu::For(self->action_->menu()) : nil;
        });
        defined->AddMethod("setTarget:", [](NSMenuItem* self, id target) {
            self->target_ = objc::Ref<objc_object>::Retain(target);
        });
        defined->AddMethod("target", [](NSMenuItem* self) { return self->target_.get(); });
        defined->AddMethod("setAction:",
                           [](NSMenuItem* self, SEL action) { self->selector_ = action; });
        defined->AddMethod("action", [](NSMenuItem* self) { return self->selector_; });
        defined->AddMethod("setTag:", [](NSMenuItem* self, std::int64_t tag) { self->tag_ = tag; });
        defined->AddMethod("tag", [](NSMenuItem* self) { return self->tag_; });
        return defined;
    }();
    return cls;
}

NSMenuItem* NSMenuItem::For(QAction* action) {
    return objc::NativePeer::Of<NSMenuItem>(action,
                                            [](QAction* native) { return new NSMenuItem(native); });
}
