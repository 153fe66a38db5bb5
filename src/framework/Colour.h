#pragma once

#include <cstdint>

// A colour written 0xAARRGGBB. AA is the transparency: 0 opaque, 255 invisible.
struct Colour {
    constexpr Colour() = default;
    constexpr explicit Colour(std::uint32_t value) : Value(value) {}

    constexpr int Red() const { return static_cast<int>((Value >> 16) & 0xFFu); }
    constexpr int Green() const { return static_cast<int>((Value >> 8) & 0xFFu); }
    constexpr int Blue() const { return static_cast<int>(Value & 0xFFu); }
    constexpr int Transparency() const { return static_cast<int>(Value >> 24); }

    friend constexpr bool operator==(Colour, Colour) = default;

    std::uint32_t Value = 0;
};
