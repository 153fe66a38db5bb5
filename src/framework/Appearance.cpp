#include "Appearance.h"

#include <QGuiApplication>
#include <QPalette>

bool IsDarkMode() {
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}
