#include "NSApplication.h"

#include "AboutPanel.h"
#include "NSMenu.h"
#include "NSMenuItem.h"

#include "framework/Application.h"
#include "framework/MenuBar.h"
#include "framework/Runtime.h"
#include "framework/Window.h"

#include <QApplication>
#include <QMenu>
#include <QWidget>

namespace {

NSApplication* sharedApplication() {
    static const objc::Ref<NSApplication> shared = objc::New<NSApplication>();
    return shared.get();
}

bool answers(id object, SEL action) {
    return class_respondsToSelector(object_getClass(object), action);
}

// Where the chain starts: the focused widget, else the active window, else
// the frontmost window of the application; never an open menu.
QWidget* chainStart() {
    const auto usable = [](QWidget* widget) {
        return widget && widget->window()->windowType() != Qt::Popup ? widget : nullptr;
    };
    if (QWidget* focused = usable(QApplication::focusWidget()))
        return focused;
    if (QWidget* active = usable(QApplication::activeWindow()))
        return active;
    return Window::WindowCount() > 0 ? Window::WindowAt(0)->NativeWidget() : nullptr;
}

id targetFor(SEL action, id target) {
    if (target)
        return answers(target, action) ? target : nil;
    for (QWidget* widget = chainStart(); widget;
         widget = widget->isWindow() ? nullptr : widget->parentWidget()) {
        NSResponder* responder = NSResponder::For(widget);
        if (answers(responder, action))
            return responder;
    }
    return answers(sharedApplication(), action) ? sharedApplication() : nil;
}

// The windows keep their order among themselves: the frontmost is raised last.
void arrangeInFront() {
    const auto& windows = Window::OpenWindows();
    for (auto window = windows.rbegin(); window != windows.rend(); ++window)
        (*window)->NativeWidget()->raise();
}

} // namespace

Class NSApplication::ClassObject() {
    static const Class cls = [] {
        const Class defined = objc::DefineClass("NSApplication", NSResponder::ClassObject());
        defined->AddClassMethod("sharedApplication", [](Class) { return sharedApplication(); });
        defined->AddMethod("mainMenu", [](NSApplication*) -> id {
            const auto app = RuntimeAppObject();
            if (!app || !app->MenuBar())
                return nil;
            return NSMenu::For(app->MenuBar()->NativeMenu());
        });
        defined->AddMethod(
            "targetForAction:to:from:",
            [](NSApplication*, SEL action, id target, id) { return targetFor(action, target); });
        defined->AddMethod("sendAction:to:from:",
                           [](NSApplication*, SEL action, id target, id sender) {
                               const id receiver = targetFor(action, target);
                               if (!receiver)
                                   return false;
                               objc_msgSend<void>(receiver, action, sender);
                               return true;
                           });
        defined->AddMethod("arrangeInFront:", [](NSApplication*, id) { arrangeInFront(); });
        defined->AddMethod("validateMenuItem:", [](NSApplication*, id item) {
            const auto* menuItem = dynamic_cast<NSMenuItem*>(item);
            if (menuItem && menuItem->Action() == sel_registerName("arrangeInFront:"))
                return Window::WindowCount() > 0;
            return true;
        });
        defined->AddMethod("orderFrontStandardAboutPanel:",
                           [](NSApplication*, id) { AboutPanel::OrderFront(); });
        return defined;
    }();
    return cls;
}
