#include "DragItem.h"

DragItem::DragItem(std::vector<String> paths) : paths_(std::move(paths)) {}

bool DragItem::FolderItemAvailable() const {
    return current_ < paths_.size() && !paths_[current_].empty();
}

FolderItemPtr DragItem::FolderItem() const {
    if (!FolderItemAvailable())
        return nullptr;
    return std::make_shared<::FolderItem>(paths_[current_]);
}

bool DragItem::NextItem() {
    if (current_ + 1 >= paths_.size())
        return false;
    ++current_;
    return true;
}
