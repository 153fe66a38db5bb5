#include "TextOutputStream.h"

#include "Exceptions.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// A file descriptor, closed when released unless handed on.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return descriptor_; }
    void release() { descriptor_ = -1; }

private:
    int descriptor_;
};

IOException failure(const String& what, const String& path, const String& reason, int error = 0) {
    return IOException(what + " \"" + path + "\": " + reason, error);
}

IOException notAFile(const String& path) {
    return IOException("Cannot create \"" + path + "\": it is not a file.", EISDIR);
}

// Writes all of `text` at `offset`; false, with errno set, when the system
// refuses any of it.
bool writeAt(int descriptor, std::string_view text, off_t offset) {
    while (!text.empty()) {
        const ssize_t written = ::pwrite(descriptor, text.data(), text.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

// Fills the holes of a sparse file within its first `end` bytes with the
// zeros they read as, so that writing over them later needs no new room. A
// failure changes no byte a reader sees. Returns false, with errno set, when
// the system refuses.
bool fillHoles(int descriptor, off_t end) {
    static constexpr char zeros[1 << 16] = {};
    off_t at = ::lseek(descriptor, 0, SEEK_HOLE);
    while (at >= 0 && at < end) {
        // A hole runs to the next data, or to the end when none follows.
        const off_t data = ::lseek(descriptor, at, SEEK_DATA);
        const off_t holeEnd = data < 0 ? end : std::min(data, end);
        for (; at < holeEnd;) {
            const auto count =
                static_cast<std::size_t>(std::min<off_t>(holeEnd - at, sizeof zeros));
            if (!writeAt(descriptor, {zeros, count}, at))
                return false;
            at += static_cast<off_t>(count);
        }
        if (at < end)
            at = ::lseek(descriptor, at, SEEK_HOLE);
    }
    return true;
}

// Reserves room for the file's first `length` bytes, leaving its length and
// its bytes as they are; false, with errno set, when the system refuses.
bool reserve(int descriptor, off_t length) {
    int result = 0;
    do
        result = ::fallocate(descriptor, FALLOC_FL_KEEP_SIZE, 0, length);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

// Makes the open regular file hold `text` instead of what it held, so that
// whenever the system refuses a step the earlier bytes are all still there.
// Room for the new text is reserved before any byte changes; where the file
// system cannot reserve room, the holes of the earlier file are filled
// instead. The part past the earlier end is written next. Only when the
// system has confirmed all of that are the earlier bytes overwritten, in
// room they already hold, and the file cut to its new length. Returns 0, or
// the system's error number.
int replaceContent(int descriptor, std::string_view text) {
    struct stat info {};
    if (::fstat(descriptor, &info) != 0)
        return errno;
    const off_t before = info.st_size;
    const auto after = static_cast<off_t>(text.size());
    const off_t overwritten = std::min(before, after);
    // Until the earlier bytes are overwritten, a failure only has to cut the
    // file back to its earlier length, which also gives back what a
    // reservation took.
    const auto keepEarlier = [&](int error) {
        static_cast<void>(::ftruncate(descriptor, before));
        return error;
    };
    if (after > 0 && !reserve(descriptor, after) &&
        ((errno != EOPNOTSUPP && errno != ENOSYS) || !fillHoles(descriptor, overwritten)))
        return keepEarlier(errno);
    if (after > before &&
        !writeAt(descriptor, text.substr(static_cast<std::size_t>(before)), before))
        return keepEarlier(errno);
    // A file system that learns only when it writes the data back whether
    // the room is there (a network one) says so here; a file that cannot be
    // synchronised (EINVAL) has nothing to confirm.
    if (::fdatasync(descriptor) != 0 && errno != EINVAL)
        return keepEarlier(errno);
    if (!writeAt(descriptor, text.substr(0, static_cast<std::size_t>(overwritten)), 0))
        return errno;
    if (after < before && ::ftruncate(descriptor, after) != 0)
        return errno;
    return 0;
}

} // namespace

TextOutputStreamPtr TextOutputStream::Create(const FolderItemPtr& file) {
    if (!file)
        throw NilObjectException();
    const String path = file->NativePath();
    // Only a file is ever replaced: a pipe or a device (even behind a link) is
    // left as it is, as reading leaves it unread.
    const QFileInfo existing(QString::fromStdString(path));
    if (existing.exists() && !existing.isFile())
        throw notAFile(path);
    // An existing file is opened for writing first: the system says whether
    // the user may change it, as a plain write would, and a file the user may
    // not change is never replaced. Without O_NONBLOCK a pipe put in its place
    // meanwhile would wait for a reader.
    Descriptor target(existing.exists()
                          ? ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)
                          : -1);
    if (existing.exists()) {
        if (target.get() < 0)
            throw failure("Cannot create", path, std::strerror(errno), errno);
        struct stat info {};
        if (::fstat(target.get(), &info) != 0 || !S_ISREG(info.st_mode))
            throw notAFile(path);
    }
    auto saveFile = std::make_unique<QSaveFile>(QString::fromStdString(path));
    // Unbuffered, so that a failed write is seen by the write itself: QSaveFile
    // does not notice a write that fails while its buffer is flushed on commit.
    if (saveFile->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return TextOutputStreamPtr(new TextOutputStream(path, std::move(saveFile), -1));
    // The folder takes no temporary file: an existing file is written in place.
    if (target.get() < 0)
        throw failure("Cannot create", path, saveFile->errorString().toStdString());
    TextOutputStreamPtr stream(new TextOutputStream(path, nullptr, target.get()));
    target.release();
    return stream;
}

TextOutputStream::TextOutputStream(String path, std::unique_ptr<QSaveFile> file, int inPlace)
    : path_(std::move(path)), file_(std::move(file)), inPlace_(inPlace) {}

TextOutputStream::~TextOutputStream() {
    if (inPlace_ >= 0)
        static_cast<void>(finishInPlace());
    else if (file_ && file_->isOpen())
        file_->commit();
}

void TextOutputStream::Write(std::string_view text) {
    // In place, nothing is written before the whole text is known.
    if (inPlace_ >= 0) {
        text_ += text;
        return;
    }
    if (!file_ || !file_->isOpen())
        throw failure("Cannot write", path_, "The stream is closed");
    // A write that stops part-way (a full disk) is no error to QSaveFile, and
    // says nothing of why; writing the rest gives the system's reason.
    while (!text.empty()) {
        const qint64 written = file_->write(text.data(), static_cast<qint64>(text.size()));
        if (written <= 0) {
            // The partial file must never replace the target.
            const IOException error =
                failure("Cannot write", path_, file_->errorString().toStdString());
            file_->cancelWriting();
            file_->commit();
            throw error;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

void TextOutputStream::Close() {
    if (inPlace_ >= 0) {
        if (const int error = finishInPlace())
            throw failure("Cannot save", path_, std::strerror(error), error);
    } else if (file_ && file_->isOpen() && !file_->commit()) {
        throw failure("Cannot save", path_, file_->errorString().toStdString());
    }
}

int TextOutputStream::finishInPlace() {
    int error = replaceContent(inPlace_, text_);
    if (::close(std::exchange(inPlace_, -1)) != 0 && error == 0 && errno != EINTR)
        error = errno;
    String().swap(text_);
    return error;
}
