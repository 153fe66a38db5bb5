#pragma once

#include "FolderItem.h"

// The user's standard folders.
namespace SpecialFolder {

// Where programs keep the user's data: $XDG_DATA_HOME when it holds an
// absolute path, else ~/.local/share, byte for byte as the environment gives
// it. Created when missing, as on a fresh account, so that a program can
// make its own folder inside it.
FolderItemPtr ApplicationData();

} // namespace SpecialFolder
