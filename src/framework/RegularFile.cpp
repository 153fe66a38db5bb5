#include "RegularFile.h"

#include "Exceptions.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

String reason(int error) {
    return std::strerror(error);
}

} // namespace

RegularFile::RegularFile(const String& path) : path_(path) {
    // Without O_NONBLOCK, opening a pipe waits until someone writes to it.
    descriptor_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor_ < 0)
        throw IOException("Cannot open \"" + path + "\": " + reason(errno), errno);
    struct stat info {};
    if (::fstat(descriptor_, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(descriptor_);
        throw IOException("\"" + path + "\" is not a regular file.", error);
    }
    length_ = info.st_size;
}

RegularFile::~RegularFile() {
    ::close(descriptor_);
}

String RegularFile::Read(std::size_t count) {
    String text(count, '\0');
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(descriptor_, text.data() + done, count - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw IOException("Cannot read \"" + path_ + "\": " + reason(errno), errno);
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    text.resize(done);
    return text;
}

String RegularFile::ReadAll(std::int64_t largest) {
    const auto tooLarge = [&] {
        return IOException(
            "\"" + path_ + "\" is larger than " + std::to_string(largest) + " bytes.", EFBIG);
    };
    if (length_ > largest)
        throw tooLarge();
    // Straight into the text at the size the file had, then whatever a
    // growing file added since.
    String text = Read(static_cast<std::size_t>(length_));
    for (;;) {
        const String more = Read(std::size_t{1} << 16);
        if (more.empty())
            return text;
        text += more;
        if (static_cast<std::int64_t>(text.size()) > largest)
            throw tooLarge();
    }
}
