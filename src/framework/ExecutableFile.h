#pragma once

#include "FolderItem.h"

// The file of the running program, as the application knows it.
FolderItemPtr ExecutableFile();
