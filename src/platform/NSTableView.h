#pragma once

#include "NSView.h"

// A list of rows.
// Messages: selectAll: (void), given a sender: selects every row, whatever
// number of rows the list lets the user select by hand;
// validateUserInterfaceItem: (BOOL), given an NSMenuItem or none: for
// selectAll:, whether the list has rows; YES for any other action.
class NSTableView : public NSView {
public:
    static Class ClassObject();

    explicit NSTableView(QWidget* widget) : NSView(widget, ClassObject()) {}
};
