#pragma once

#include "String.h"

#include <cstddef>
#include <cstdint>

// A regular file open for reading, closed when released. Every file the
// program reads is opened here. Opening never waits and takes nothing but a
// regular file: a named pipe would block the program for ever and a device
// such as /dev/zero never ends, so a folder, pipe, device or socket raises
// IOException just as a file that cannot be opened does.
class RegularFile {
public:
    explicit RegularFile(const String& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    // The file descriptor, for readers that take one.
    int Handle() const { return descriptor_; }
    // The size in bytes the file had when it was opened.
    std::int64_t Length() const { return length_; }
    // Up to `count` bytes from the current position; fewer only at the end of
    // the file. Raises IOException when reading fails.
    String Read(std::size_t count);
    // Everything from the current position to the end of the file, when the
    // file holds no more than `largest` bytes. A larger file raises
    // IOException (EFBIG) from its size, before any of it is read; one that
    // grows past `largest` while it is read, once it has.
    String ReadAll(std::int64_t largest);

private:
    int descriptor_ = -1;
    std::int64_t length_ = 0;
    String path_;
};
