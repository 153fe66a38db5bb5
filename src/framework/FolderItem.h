#pragma once

#include "String.h"

#include <filesystem>
#include <memory>

class FolderItem;
using FolderItemPtr = std::shared_ptr<FolderItem>;

// A file or folder on disk, named by its path; it need not exist.
class FolderItem {
public:
    enum class PathModes { Shell = 0, URL = 2, Native = 3 };

    explicit FolderItem(const String& path, PathModes mode = PathModes::Native);
    explicit FolderItem(std::filesystem::path path);

    String NativePath() const;
    String Name() const;
    // Symbolic links are followed: a link to a missing target does not exist.
    bool Exists() const;
    bool IsFolder() const;
    bool IsReadable() const;
    // The item of that name inside this folder; links are resolved when asked.
    FolderItemPtr Child(const String& name, bool followAliases = true) const;
    FolderItemPtr Parent() const;
    void CreateAsFolder() const;
    void Delete() const;
    // The last error of CreateAsFolder or Delete, 0 when it succeeded.
    int LastErrorCode() const { return lastError_; }

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    mutable int lastError_ = 0;
};
