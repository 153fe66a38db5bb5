#pragma once

#include "framework/String.h"

#include <memory>
#include <vector>

class Picture;

// The icons the desktop shows for files, as bitmaps of one icon at several sizes.
namespace WorkspaceIcons {

// For an application bundle (a folder named *.app), every image of the icon
// file its Info.plist names; for anything else, or a bundle without a
// readable icon, the icon of its kind from the desktop's icon theme, or a
// built-in one where there is no theme. Empty only without a running application.
std::vector<std::shared_ptr<Picture>> ForFile(const String& path);

} // namespace WorkspaceIcons
