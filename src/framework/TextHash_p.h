#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

// A hash of a text for the framework's own tables, fast on the short texts
// they mostly hold: eight bytes at a time, the last word overlapping the one
// before it, then a full mix of the bits, so that texts alike but for their
// last characters land far apart. Loads of fixed sizes keep it free of calls.
inline std::uint64_t TextHash(std::string_view text) {
    const auto load = [](const char* bytes, auto word) {
        std::memcpy(&word, bytes, sizeof word);
        return static_cast<std::uint64_t>(word);
    };
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::uint64_t hash = size;
    const auto mix = [&hash](std::uint64_t word) {
        hash = (hash ^ word) * 0x9E3779B97F4A7C15u;
        hash ^= hash >> 32;
    };
    if (size >= 8) {
        for (std::size_t at = 0; at + 8 < size; at += 8)
            mix(load(data + at, std::uint64_t{}));
        mix(load(data + size - 8, std::uint64_t{}));
    } else if (size >= 4) {
        mix(load(data, std::uint32_t{}) | load(data + size - 4, std::uint32_t{}) << 32);
    } else if (size > 0) {
        mix(static_cast<unsigned char>(data[0]) |
            static_cast<std::uint64_t>(static_cast<unsigned char>(data[size / 2])) << 8 |
            static_cast<std::uint64_t>(static_cast<unsigned char>(data[size - 1])) << 16);
    }
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDu;
    return hash ^ (hash >> 33);
}
