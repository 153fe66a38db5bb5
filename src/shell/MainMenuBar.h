#pragma once

#include "framework/MenuBar.h"

#include <memory>

// The program's one menu bar: File, Edit, Window and Help.
class MainMenuBar : public MenuBar {
public:
    // The one instance, built on the first call; a bar whose building failed
    // is not kept, so the next call builds anew.
    static std::shared_ptr<MainMenuBar> Accessor();

    // Builds the four menus in their order.
    MainMenuBar();

private:
    void Untitled0();
    void Untitled1();
    void Untitled2();
    void Untitled3();
    // Adds `item` to the menu of that name on this bar; NilObjectException
    // when the bar has no such menu.
    void addTo(const String& menuName, const std::shared_ptr<MenuItem>& item);
};
