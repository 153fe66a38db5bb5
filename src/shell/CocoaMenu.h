#pragma once

#include "framework/MenuItem.h"

// Menu items tied to the platform's native menu items and standard actions.
namespace CocoaMenu {

class CocoaMenuItem : public MenuItem {};

class CocoaMenuItemClose : public CocoaMenuItem {};
class CocoaMenuItemSelectAll : public CocoaMenuItem {};
class MenuItemMinimize : public CocoaMenuItem {};
class MenuItemZoom : public CocoaMenuItem {};
class MenuItemBringAllToFront : public CocoaMenuItem {};

} // namespace CocoaMenu
