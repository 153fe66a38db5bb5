#include "QuitMenuItem.h"

#include "Runtime.h"

void QuitMenuItem::defaultAction() {
    RuntimeQuit();
}
