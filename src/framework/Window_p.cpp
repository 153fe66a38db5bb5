#include "Window_p.h"

#include "Runtime.h"
#include "Window.h"

#include <QCloseEvent>

WindowImpl::WindowImpl(Window& owner) : owner_(owner), content_(new QWidget) {
    setCentralWidget(content_);
}

int WindowImpl::menuBarHeight() const {
    const QWidget* bar = menuWidget();
    if (!bar || bar->isHidden())
        return 0;
    // As Qt's layout measures it when it places the bar.
    const int height = bar->heightForWidth(std::max(width(), bar->minimumWidth()));
    return height >= 0 ? height : bar->sizeHint().height();
}

void WindowImpl::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    owner_.layoutControls();
}

void WindowImpl::closeEvent(QCloseEvent* event) {
    event->accept();
    RuntimeDispatch([this] { owner_.Close(); });
}

void WindowImpl::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        owner_.activated();
}
