#pragma once

#include <QWidget>

class Window;

// The native side of a Window: passes resizing, closing and activation on to it.
class WindowImpl : public QWidget {
    Q_OBJECT

public:
    explicit WindowImpl(Window& owner);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Window& owner_;
};
