#pragma once

#include "MenuItem.h"

#include <memory>

class QMenuBar;

// The menu bar: a MenuItem whose children are the menus. Every window shows
// it as a native bar of its own; where the desktop has a global menu, Qt
// shows the bar there instead.
class MenuBar : public MenuItem {
public:
    MenuBar();
    ~MenuBar() override;

    // A new native bar that shows this bar's menus, now and as they are
    // added; the window that takes it owns it.
    QMenuBar* NewNativeBar();

private:
    void childAdded(MenuItem& item) override;

    struct Shown;
    std::unique_ptr<Shown> shown_;
};
