#include "TextInputStream.h"

#include "Exceptions.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

String reason(int error) {
    return std::strerror(error);
}

} // namespace

TextInputStreamPtr TextInputStream::Open(const FolderItemPtr& file) {
    if (!file)
        throw NilObjectException();
    const String path = file->NativePath();
    std::FILE* handle = std::fopen(path.c_str(), "rb");
    if (!handle)
        throw IOException("Cannot open \"" + path + "\": " + reason(errno), errno);
    struct stat info {};
    if (::fstat(::fileno(handle), &info) == 0 && S_ISDIR(info.st_mode)) {
        std::fclose(handle);
        throw IOException("\"" + path + "\" is a folder, not a file.", EISDIR);
    }
    return TextInputStreamPtr(new TextInputStream(handle, path));
}

TextInputStream::TextInputStream(std::FILE* file, String path)
    : file_(file), path_(std::move(path)) {}

TextInputStream::~TextInputStream() {
    Close();
}

String TextInputStream::ReadAll() {
    if (!file_)
        throw IOException("The stream of \"" + path_ + "\" is closed.");
    // Read straight into the text at the size the file reports, then take
    // whatever a growing file added since.
    String text;
    struct stat info {};
    if (::fstat(::fileno(file_), &info) == 0 && info.st_size > 0) {
        text.resize(static_cast<std::size_t>(info.st_size));
        text.resize(std::fread(text.data(), 1, text.size(), file_));
    }
    char buffer[1 << 16];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file_)) > 0)
        text.append(buffer, count);
    if (std::ferror(file_))
        throw IOException("Cannot read \"" + path_ + "\": " + reason(errno), errno);
    return text;
}

void TextInputStream::Close() {
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
}
