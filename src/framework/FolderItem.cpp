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

std::int64_t FolderItem::Length() const {
    std::error_code error;
    if (!fs::is_regular_file(path_, error))
        return 0;
    const std::uintmax_t size = fs::file_size(path_, error);
    return error ? 0 : static_cast<std::int64_t>(size);
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
