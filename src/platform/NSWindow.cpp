#include "NSWindow.h"

#include "NSScreen.h"

#include "framework/Window.h"

#include <QGuiApplication>
#include <QScreen>

Class NSWindow::ClassObject() {
    static const Class cls = [] {
        const Class defined = objc::DefineClass("NSWindow", NSObject::ClassObject());
        defined->AddClassMethod("setAllowsAutomaticWindowTabbing:", [](Class, BOOL) {});
        defined->AddMethod("screen", [](NSWindow* self) { return self->screen(); });
        Window::MakeHandlesWith([](QWidget& widget) {
            return std::shared_ptr<void>(static_cast<id>(new NSWindow(widget)),
                                         [](id window) { objc_release(window); });
        });
        return defined;
    }();
    return cls;
}

NSScreen* NSWindow::screen() const {
    if (!widget_)
        return nullptr;
    const QRect frame = widget_->frameGeometry();
    QScreen* best = nullptr;
    qint64 bestArea = 0;
    for (QScreen* const screen : QGuiApplication::screens()) {
        const QRect shown = frame.intersected(screen->geometry());
        const qint64 area = qint64{shown.width()} * shown.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best ? NSScreen::Of(*best) : nullptr;
}

namespace {

// Windows have their native objects from the program's start, before any
// class is first looked up by name.
[[maybe_unused]] const Class windowClass = NSWindow::ClassObject();

} // namespace
