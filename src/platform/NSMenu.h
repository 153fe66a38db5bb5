#pragma once

#include "NSObject.h"

#include <QPointer>

#include <QWidget>

// A native menu: the QMenu that shows a menu's items (for the main menu, the
// one that holds the menu bar's menus).
// Messages: itemWithTitle: (NSMenuItem*), given an NSString: the first item
// whose title, its caption as shown, equals it; none when there is none.
class NSMenu : public NSObject {
public:
    static Class ClassObject();
    // The one NSMenu of that menu; none for none.
    static NSMenu* For(QWidget* menu);

    explicit NSMenu(QWidget* menu) : NSObject(ClassObject()), menu_(menu) {}

private:
    QPointer<QWidget> menu_;
};
