#pragma once

#include <QProxyStyle>

// The application's style (the desktop's, or the one the user asked for with
// -style or QT_STYLE_OVERRIDE), with one difference: the menu bar's overflow
// button gets its icon only when the button first shows, which is never
// while the menus fit. Reading that icon makes Qt load every image format
// plugin it has, and the menu bar asks for it as it is made, so the first
// window would wait for all of them.
class ApplicationStyle : public QProxyStyle {
public:
    // The style known by `key`, as QStyleFactory makes it.
    explicit ApplicationStyle(const QString& key) : QProxyStyle(key) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};
