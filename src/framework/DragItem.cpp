#include "DragItem.h"

DragItem::DragItem(std::vector<String> paths) : paths_(std::move(paths)) {}

bool DragItem::FolderItemAvailable() const {
    return !paths_.empty() && !paths_.front().empty();
}

FolderItemPtr DragItem::FolderItem() const {
    if (!FolderItemAvailable())
        return nullptr;
    return std::make_shared<::FolderItem>(paths_.front());
}
