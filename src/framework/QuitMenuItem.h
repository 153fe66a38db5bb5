#pragma once

#include "MenuItem.h"

// The Quit item: unless its Action event or a menu handler takes the choice,
// choosing it ends the event loop, and every open window closes through its
// Close handler.
class QuitMenuItem : public MenuItem {
protected:
    bool actsByDefault() const override { return true; }
    void defaultAction() override;
};
