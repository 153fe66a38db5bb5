#pragma once

#include "framework/FolderItem.h"

#include <QTemporaryDir>
#include <string>

// A Glyphs application bundle built in a temporary folder, removed with the object.
class TempBundle {
public:
    // Where a bundle keeps its Adobe-Japan1 mapping file, in the order the program looks.
    enum MapPlace { PluginNoHyphen = 0, PluginHyphen = 1, CoreFramework = 2 };

    explicit TempBundle(const std::string& name = "Glyphs.app");

    FolderItemPtr item() const;
    std::string path() const;
    // Writes `bytes` to `relative` inside the bundle, creating folders on the way.
    void write(const std::string& relative, const std::string& bytes) const;
    void writeMap(const std::string& bytes, MapPlace place = PluginNoHyphen) const;
    void writeInfoPlist(const std::string& shortVersion, const std::string& build) const;

    static std::string mapPath(MapPlace place);
    static std::string plist(const std::string& shortVersion, const std::string& build);

private:
    QTemporaryDir dir_;
    std::string name_;
};
