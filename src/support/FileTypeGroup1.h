#pragma once

#include "framework/FileType.h"

// The one kind of file the window takes on its drop zones: application bundles.
namespace FileTypeGroup1 {

// The application type; none until _Initialize has run.
FileTypePtr App();

// Builds and registers the application type; start-up calls it once.
void _Initialize();

} // namespace FileTypeGroup1
