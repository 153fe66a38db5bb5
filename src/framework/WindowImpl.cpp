#include "WindowImpl.h"

#include "Runtime.h"
#include "Window.h"

#include <QCloseEvent>

WindowImpl::WindowImpl(Window& owner) : owner_(owner) {}

void WindowImpl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    owner_.layoutControls();
}

void WindowImpl::closeEvent(QCloseEvent* event) {
    event->accept();
    RuntimeDispatch([this] { owner_.Close(); });
}

void WindowImpl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        owner_.activated();
}
