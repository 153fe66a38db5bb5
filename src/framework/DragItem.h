#pragma once

#include "FolderItem.h"
#include "String.h"

#include <vector>

// What a drag delivers to a drop target. Its first item is the one looked at.
class DragItem {
public:
    // The local files of the drag, in the order the drag source gave them;
    // an entry that names no local file is an item without a file.
    explicit DragItem(std::vector<String> paths);

    // Whether the first item carries a file.
    bool FolderItemAvailable() const;
    // The first item's file, or none.
    FolderItemPtr FolderItem() const;

private:
    std::vector<String> paths_;
};
