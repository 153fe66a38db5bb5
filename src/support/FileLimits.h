#pragma once

#include <cstdint>

// The largest file of each kind the program reads. Each lies far above any
// real file of its kind, so only a damaged or hostile file reaches it; such a
// file is refused from its size, before any of it is read, and counts as one
// that cannot be read, instead of filling memory or keeping the program busy.
namespace FileLimits {

// Real Adobe-Japan1 mapping files hold one to three megabytes.
inline constexpr std::int64_t LargestMapFile = std::int64_t{256} * 1024 * 1024;
// Real property lists hold a few kilobytes.
inline constexpr std::int64_t LargestPropertyList = std::int64_t{4} * 1024 * 1024;
// The preference file holds four numbers: under two hundred bytes.
inline constexpr std::int64_t LargestPreferenceFile = std::int64_t{64} * 1024;

} // namespace FileLimits
