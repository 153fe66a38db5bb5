#pragma once

#include "framework/FolderItem.h"
#include "framework/Picture.h"

#include <cstdint>
#include <memory>

namespace Icon {

// The icon the desktop shows for `file`, as a picture of size by size with a
// second representation at twice that size for high-resolution screens; none
// when there is no file or it does not exist. The size must lie in 1..16383.
std::shared_ptr<Picture> Get(const FolderItemPtr& file, std::int64_t size);

} // namespace Icon
