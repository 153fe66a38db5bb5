#include "FolderItem.h"

#include <system_error>

namespace fs = std::filesystem;

FolderItem::FolderItem(const String& path, PathModes) : path_(path) {}

FolderItem::FolderItem(fs::path path) : path_(std::move(path)) {}

String FolderItem::NativePath() const {
    return path_.string();
}

String FolderItem::Name() const {
    fs::path name = path_.filename();
    if (name.empty())
        name = path_.parent_path().filename();
    return name.string();
}

bool FolderItem::Exists() const {
    std::error_code error;
    return fs::exists(path_, error);
}

bool FolderItem::IsFolder() const {
    std::error_code error;
    return fs::is_directory(path_, error);
}

FolderItemPtr FolderItem::Child(const String& name, bool followAliases) const {
    fs::path child = path_ / name;
    std::error_code error;
    if (followAliases && fs::is_symlink(child, error)) {
        const fs::path resolved = fs::weakly_canonical(child, error);
        if (!error)
            child = resolved;
    }
    return std::make_shared<FolderItem>(child);
}

void FolderItem::CreateAsFolder() const {
    std::error_code error;
    fs::create_directory(path_, error);
}

void FolderItem::Delete() const {
    std::error_code error;
    fs::remove(path_, error);
}
