#pragma once

#include <QWidget>

#include <algorithm>
#include <cstdint>

// The framework counts in 64-bit integers, Qt's widgets in ints up to
// QWIDGETSIZE_MAX: a value beyond is held at the limit instead of wrapping.
inline int toWidgetCoordinate(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

inline int toWidgetSize(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, QWIDGETSIZE_MAX));
}
