#include "OddBytes.h"

#include <random>

std::string utf16WithByteOrderMark(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (const char c : ascii)
        bytes += std::string{c, '\0'};
    return bytes;
}

std::string randomBytes(std::size_t count) {
    std::mt19937 generator(20240611);
    std::string bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes += static_cast<char>(generator() & 0xFF);
    return bytes;
}
