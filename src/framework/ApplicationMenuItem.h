#pragma once

#include "MenuItem.h"

// An item that belongs to the application rather than to a window, such as
// About. On this desktop it stays in the menu where it is added.
class ApplicationMenuItem : public MenuItem {};
