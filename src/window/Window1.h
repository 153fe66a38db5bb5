#pragma once

#include "framework/Dictionary.h"
#include "framework/FolderItem.h"
#include "framework/String.h"
#include "framework/Window.h"

// The program's one window: two drop zones for the old and the new Glyphs
// bundle, the compare and save buttons, and the list of changed values.
class Window1 : public Window {
public:
    // Bundle references of the accepted old and new bundles; none until a drop is accepted.
    FolderItemPtr AppOLD;
    FolderItemPtr AppNEW;

    // The bundle's Adobe-Japan1 mapping file as a map from column 1 to column
    // 2; empty, after an alert, when it is missing, unreadable or empty.
    static Dictionary GetMapFile(const FolderItemPtr& app);
    // The bundle's short version and build joined by "-"; empty without Info.plist.
    static String GetAppVerInfo(const FolderItemPtr& app);
};
