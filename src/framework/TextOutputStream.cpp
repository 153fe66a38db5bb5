#include "TextOutputStream.h"

#include "Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
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
    int release() { return std::exchange(descriptor_, -1); }

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

// The file `path` names once the symbolic links it leads through are
// followed; it need not exist. Links that go round in a loop leave `path`.
String linkedFile(const String& path) {
    std::filesystem::path file = path;
    // As many links as the system itself follows in one path.
    for (int links = 0; links < 40; ++links) {
        std::error_code notALink;
        const std::filesystem::path target = std::filesystem::read_symlink(file, notALink);
        if (notALink)
            return file.string();
        // A relative target is taken from the link's own folder.
        file = file.parent_path() / target;
    }
    return path;
}

// Calls `make` with names beside `file`, each the file's name with a random
// ending, until it finds one no other file has, and sets `name` to it; a name
// too long to take the ending is cut short. Returns what `make` returned: -1,
// with errno set and `name` cleared, when no name was had.
template <typename Make> int underFreshName(const String& file, String& name, const Make& make) {
    static constexpr std::string_view letters =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static constexpr std::size_t ending = 7;
    const std::filesystem::path path = file;
    String stem = path.filename().string();
    stem.resize(std::min<std::size_t>(stem.size(), NAME_MAX - ending));
    const String start = (path.parent_path() / stem).string() + ".";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, letters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = start;
        for (std::size_t letter = 1; letter < ending; ++letter)
            name += letters[pick(random)];
        const int result = make(name.c_str());
        if (result >= 0)
            return result;
        if (errno != EEXIST)
            break;
    }
    name.clear();
    return -1;
}

// The path through which the system reaches the file open as `descriptor`,
// even one that has no name.
String openFilePath(int descriptor) {
    return "/proc/self/fd/" + std::to_string(descriptor);
}

// Makes a new, empty file that has no name yet in the folder `file` is in,
// so that a save that never ends leaves nothing behind. The system gives it
// `mode` less the umask. Returns the file open for writing, or -1 when the
// folder takes no such file (a file system without them, or no room or
// right to make one) or /proc, through which it is named later, is missing.
int createUnnamed(const String& file, mode_t mode) {
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    Descriptor created(
        ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    struct stat reachable {};
    if (created.get() < 0 || ::lstat(openFilePath(created.get()).c_str(), &reachable) != 0)
        return -1;
    return created.release();
}

// Makes a new, empty file beside `file`, named after it with a random
// ending, and sets `name` to its path. The system gives the file `mode` less
// the umask, as it gives any file it creates. Returns the file open for
// writing, or -1 with errno set when the folder takes no new file.
int createBeside(const String& file, mode_t mode, String& name) {
    return underFreshName(file, name, [mode](const char* fresh) {
        return ::open(fresh, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
    });
}

// Makes the file that is to replace `file`: one without a name where the
// file system makes one, `name` then left empty, or else one named beside it.
// Returns the file open for writing, or -1 with errno set when the folder
// takes no new file.
int createTemporary(const String& file, mode_t mode, String& name) {
    const int unnamed = createUnnamed(file, mode);
    return unnamed >= 0 ? unnamed : createBeside(file, mode, name);
}

// Gives the unnamed file open as `descriptor` a fresh name beside `file`,
// and sets `name` to it; 0, or -1 with errno set.
int nameBeside(int descriptor, const String& file, String& name) {
    const String open = openFilePath(descriptor);
    return underFreshName(file, name, [&open](const char* fresh) {
        return ::linkat(AT_FDCWD, open.c_str(), AT_FDCWD, fresh, AT_SYMLINK_FOLLOW);
    });
}

} // namespace

TextOutputStreamPtr TextOutputStream::Create(const FolderItemPtr& file) {
    if (!file)
        throw NilObjectException();
    const String path = file->NativePath();
    // Only a file is ever replaced: a pipe or a device (even behind a link) is
    // left as it is, as reading leaves it unread.
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        throw notAFile(path);
    // An existing file is opened for writing first: the system says whether
    // the user may change it, as a plain write would, and a file the user may
    // not change is never replaced. Without O_NONBLOCK a pipe put in its place
    // meanwhile would wait for a reader.
    Descriptor target(exists ? ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)
                             : -1);
    if (exists) {
        if (target.get() < 0)
            throw failure("Cannot create", path, std::strerror(errno), errno);
        if (::fstat(target.get(), &existing) != 0 || !S_ISREG(existing.st_mode))
            throw notAFile(path);
    }
    // A link stays a link: the file it names is the one replaced. The new
    // file is the user's alone until it has the permission bits of the file
    // it replaces.
    const String replaced = linkedFile(path);
    String temporary;
    Descriptor created(createTemporary(replaced, exists ? 0600 : 0666, temporary));
    if (created.get() >= 0) {
        // A file system that keeps no permission bits keeps its own.
        if (exists)
            static_cast<void>(::fchmod(created.get(), existing.st_mode & 0777));
        TextOutputStreamPtr stream(
            new TextOutputStream(path, replaced, std::move(temporary), created.get(), -1));
        created.release();
        return stream;
    }
    // The folder takes no temporary file: an existing file is written in place.
    if (target.get() < 0)
        throw failure("Cannot create", path, std::strerror(errno), errno);
    TextOutputStreamPtr stream(new TextOutputStream(path, String(), String(), -1, target.get()));
    target.release();
    return stream;
}

TextOutputStream::TextOutputStream(String path, String replaced, String temporary, int file,
                                   int inPlace)
    : path_(std::move(path)), replaced_(std::move(replaced)), temporary_(std::move(temporary)),
      file_(file), inPlace_(inPlace) {}

TextOutputStream::~TextOutputStream() {
    if (inPlace_ >= 0)
        static_cast<void>(finishInPlace());
    else if (file_ >= 0)
        static_cast<void>(commit());
}

void TextOutputStream::Write(std::string_view text) {
    // In place, nothing is written before the whole text is known.
    if (inPlace_ >= 0) {
        text_ += text;
        return;
    }
    if (file_ < 0)
        throw failure("Cannot write", path_, "The stream is closed");
    if (!writeAt(file_, text, written_)) {
        // The partial file must never replace the target.
        const int error = errno;
        discard();
        throw failure("Cannot write", path_, std::strerror(error), error);
    }
    written_ += static_cast<off_t>(text.size());
}

void TextOutputStream::Close() {
    if (inPlace_ >= 0) {
        if (const int error = finishInPlace())
            throw failure("Cannot save", path_, std::strerror(error), error);
    } else if (file_ >= 0) {
        if (const int error = commit())
            throw failure("Cannot save", path_, std::strerror(error), error);
    }
}

int TextOutputStream::commit() {
    // The text is on the disk before it takes the earlier file's place; a
    // file that cannot be synchronised (EINVAL) has nothing to confirm.
    int error = ::fsync(file_) != 0 && errno != EINVAL ? errno : 0;
    // An unnamed file takes a name only now, just before it is renamed, so
    // that a save cut short leaves it behind only in this brief moment.
    if (error == 0 && temporary_.empty() && nameBeside(file_, replaced_, temporary_) != 0)
        error = errno;
    if (::close(std::exchange(file_, -1)) != 0 && error == 0 && errno != EINTR)
        error = errno;
    if (error == 0 && ::rename(temporary_.c_str(), replaced_.c_str()) != 0)
        error = errno;
    if (error != 0 && !temporary_.empty())
        static_cast<void>(::unlink(temporary_.c_str()));
    return error;
}

void TextOutputStream::discard() {
    // An unnamed file goes with its last descriptor.
    static_cast<void>(::close(std::exchange(file_, -1)));
    if (!temporary_.empty())
        static_cast<void>(::unlink(temporary_.c_str()));
}

int TextOutputStream::finishInPlace() {
    int error = replaceContent(inPlace_, text_);
    if (::close(std::exchange(inPlace_, -1)) != 0 && error == 0 && errno != EINTR)
        error = errno;
    String().swap(text_);
    return error;
}
