#pragma once

#include <QMainWindow>
#include <QMargins>

#include <optional>

class Window;

// The native side of a Window: a main window whose central widget holds the
// controls, below the application's menu bar. Passes resizing, closing and
// activation on to the Window.
class WindowImpl : public QMainWindow {
    Q_OBJECT

public:
    explicit WindowImpl(Window& owner);

    QWidget& content() const { return *content_; }
    // The height the menu bar takes at the top of the window; 0 without one,
    // and when the desktop shows the menus in a global menu instead.
    int menuBarHeight() const;
    // What the window manager draws around the window, title bar and borders:
    // as Qt reports it once the window is framed; before that, as the window
    // manager says it will frame the window; none without a window manager.
    QMargins frameMargins();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Window& owner_;
    QWidget* content_;
    // The frame the window manager announced before the window was first shown.
    std::optional<QMargins> announcedFrame_;
};
