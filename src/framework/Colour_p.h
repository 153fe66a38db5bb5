#pragma once

#include "Colour.h"

#include <QColor>

inline QColor toQColor(Colour colour) {
    return QColor(colour.Red(), colour.Green(), colour.Blue(), 255 - colour.Transparency());
}
