#pragma once

#include "NSObject.h"

#include <QPointer>
#include <cstdint>

#include <QAction>

// A native menu item: the QAction of a menu item.
// Messages: submenu (NSMenu*), the menu of the item's own items, none when it
// has none; setTarget: (id), setAction: (SEL), setTag: (NSInteger), and their
// readers target, action and tag. The item keeps its target, which none
// means the responder chain decides.
class NSMenuItem : public NSObject {
public:
    static Class ClassObject();
    // The one NSMenuItem of that action; none for none.
    static NSMenuItem* For(QAction* action);

    explicit NSMenuItem(QAction* action) : NSObject(ClassObject()), action_(action) {}

    SEL Action() const { return selector_; }

private:
    QPointer<QAction> action_;
    objc::Ref<objc_object> target_;
    SEL selector_ = nullptr;
    std::int64_t tag_ = 0;
};
