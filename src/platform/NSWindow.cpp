#include "NSWindow.h"

#include "NSMenuItem.h"
#include "NSScreen.h"

#include "framework/Window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

// The largest frame of the window, title bar included, that its screen's
// available area and the window's size limits allow, as client geometry.
QRect zoomedGeometry(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    const QRect available = window.screen()->availableGeometry().marginsRemoved(margins);
    const QSize size =
        available.size().boundedTo(window.maximumSize()).expandedTo(window.minimumSize());
    return {available.topLeft(), size};
}

} // namespace

Class NSWindow::ClassObject() {
    static const Class cls = [] {
        const Class defined = objc::DefineClass("NSWindow", NSResponder::ClassObject());
        defined->AddClassMethod("setAllowsAutomaticWindowTabbing:", [](Class, BOOL) {});
        defined->AddMethod("screen", [](NSWindow* self) { return self->screen(); });
        defined->AddMethod("performClose:", [](NSWindow* self, id) {
            if (QWidget* window = self->Widget())
                window->close();
        });
        defined->AddMethod("performMiniaturize:", [](NSWindow* self, id) {
            if (QWidget* window = self->Widget())
                window->showMinimized();
        });
        defined->AddMethod("performZoom:", [](NSWindow* self, id) { self->zoom(); });
        defined->AddMethod("validateMenuItem:", [](NSWindow* self, id item) {
            const QWidget* window = self->Widget();
            const auto* menuItem = dynamic_cast<NSMenuItem*>(item);
            if (!window || !menuItem)
                return window != nullptr;
            const SEL action = menuItem->Action();
            const Qt::WindowFlags flags = window->windowFlags();
            if (action == sel_registerName("performClose:"))
                return flags.testFlag(Qt::WindowCloseButtonHint);
            if (action == sel_registerName("performMiniaturize:"))
                return flags.testFlag(Qt::WindowMinimizeButtonHint);
            if (action == sel_registerName("performZoom:"))
                return window->minimumSize() != window->maximumSize();
            return true;
        });
        Window::MakeHandlesWith([](QWidget& widget) -> void* { return NSResponder::For(&widget); });
        return defined;
    }();
    return cls;
}

NSScreen* NSWindow::screen() const {
    const QWidget* window = Widget();
    if (!window)
        return nullptr;
    const QRect frame = window->frameGeometry();
    QScreen* best = nullptr;
    qint64 bestArea = 0;
    for (QScreen* const candidate : QGuiApplication::screens()) {
        const QRect shown = frame.intersected(candidate->geometry());
        const qint64 area = qint64{shown.width()} * shown.height();
        if (area > bestArea) {
            best = candidate;
            bestArea = area;
        }
    }
    return best ? NSScreen::Of(*best) : nullptr;
}

void NSWindow::zoom() {
    QWidget* window = Widget();
    if (!window)
        return;
    if (unzoomed_.isValid()) {
        window->setGeometry(std::exchange(unzoomed_, QRect()));
        return;
    }
    unzoomed_ = window->geometry();
    window->setGeometry(zoomedGeometry(*window));
}

namespace {

// Windows have their native objects from the program's start, before any
// class is first looked up by name.
[[maybe_unused]] const Class windowClass = NSWindow::ClassObject();

} // namespace
