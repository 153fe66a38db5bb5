#pragma once

#include "FolderItem.h"
#include "String.h"

class Window;

// Asks the user where to save a file.
class SaveAsDialog {
public:
    // Names of registered file types, separated by ";".
    String Filter;
    String SuggestedFileName;
    FolderItemPtr InitialDirectory;
    String Title;

    // The file the user confirmed (it need not exist yet), or none on cancel.
    FolderItemPtr ShowModal();
    FolderItemPtr ShowModalWithin(Window& parent);

private:
    FolderItemPtr show(Window* parent);
};
