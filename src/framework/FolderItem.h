#pragma once

#include "String.h"

#include <cstdint>
#include <filesystem>
#include <memory>

class FolderItem;
using FolderItemPtr = std::shared_ptr<FolderItem>;

// A file or folder on disk, named by its path; it need not exist.
class FolderItem {
public:
    enum class PathModes { Native = 3 };

    explicit FolderItem(const String& path, PathModes mode = PathModes::Native);
    explicit FolderItem(std::filesystem::path path);

    String NativePath() const;
    String Name() const;
    // Symbolic links are followed: a link to a missing target does not exist.
    bool Exists() const;
    bool IsFolder() const;
    // The size in bytes of the file (links followed); 0 for anything else.
    std::int64_t Length() const;
    // The item of that name inside this folder; links are resolved when asked.
    FolderItemPtr Child(const String& name, bool followAliases = true) const;
    // Makes this folder inside its existing parent; nothing happens when it
    // cannot (no parent, no permission, something of that name already there).
    void CreateAsFolder() const;
    // Removes the file or the empty folder; nothing happens when it cannot.
    void Delete() const;

private:
    std::filesystem::path path_;
};
