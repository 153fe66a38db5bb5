#pragma once

#include "FolderItem.h"
#include "String.h"

#include <vector>

// What a drag delivers to a drop target: its items, the first one current.
class DragItem {
public:
    // The local files of the drag, in the order the drag source gave them;
    // an entry that names no local file is an item without a file.
    explicit DragItem(std::vector<String> paths);

    // Whether the current item carries a file.
    bool FolderItemAvailable() const;
    // The current item's file, or none.
    FolderItemPtr FolderItem() const;
    // Steps to the next item; false when there is none.
    bool NextItem();

private:
    std::vector<String> paths_;
    std::size_t current_ = 0;
};
