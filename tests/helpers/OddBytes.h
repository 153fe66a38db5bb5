#pragma once

#include <cstddef>
#include <string>

// Text that is not UTF-8: the bad mapping files the tests hand the reader.

// ASCII text as UTF-16, little-endian, behind its byte-order mark.
std::string utf16WithByteOrderMark(const std::string& ascii);

// That many bytes of a fixed pseudo-random sequence, the same on every run.
std::string randomBytes(std::size_t count);
