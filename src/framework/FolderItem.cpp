#include "FolderItem.h"

#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

FolderItem::FolderItem(const String& path, PathModes mode) : path_(path) {
    // URL mode: only local file URLs name an item here.
    if (mode == PathModes::URL && path.rfind("file://", 0) == 0)
        path_ = path.substr(7);
}

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

bool FolderItem::IsReadable() const {
    return ::access(path_.c_str(), R_OK) == 0;
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

FolderItemPtr FolderItem::Parent() const {
    const fs::path parent = path_.parent_path();
    if (parent.empty() || parent == path_)
        return nullptr;
    return std::make_shared<FolderItem>(parent);
}

void FolderItem::CreateAsFolder() const {
    std::error_code error;
    fs::create_directory(path_, error);
    lastError_ = error.value();
}

void FolderItem::Delete() const {
    std::error_code error;
    fs::remove(path_, error);
    lastError_ = error.value();
}
