#include "Screen.h"

#include <QGuiApplication>
#include <QScreen>

ScreenPtr Screen::ScreenAt(std::int64_t index) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (index < 0 || index >= screens.size())
        return nullptr;
    const QRect available = screens[static_cast<qsizetype>(index)]->availableGeometry();
    return ScreenPtr(
        new Screen(available.x(), available.y(), available.width(), available.height()));
}

Screen::Screen(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height)
    : availableLeft_(left), availableTop_(top), availableWidth_(width), availableHeight_(height) {}
