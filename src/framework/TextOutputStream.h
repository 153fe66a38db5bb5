#pragma once

#include "FolderItem.h"
#include "String.h"

#include <memory>
#include <sys/types.h>

class TextOutputStream;
using TextOutputStreamPtr = std::shared_ptr<TextOutputStream>;

// Writes a text file atomically: the text goes to a temporary file beside the
// target, which replaces the target only when the stream is closed, so a
// failed write never leaves a truncated file where an earlier one stood.
// Where the file system allows, the temporary file has no name until it is
// whole, so a save cut short (the program killed, the power lost) leaves
// nothing behind; elsewhere it is named after the target with a random
// ending. The new file has the permission bits of the file it replaces, or
// those a plain create gives; a symbolic link stays, and the file it names
// is replaced.
// Where the folder takes no new file (a read-only folder) but the file itself
// may be written, the file is written in place when the stream is closed, in
// an order that leaves the earlier file whole whenever the write fails. A
// file the user may not write is never replaced. Failures raise IOException
// with the system's reason. A stream released without Close is closed then,
// silently.
class TextOutputStream {
public:
    // Creates the file, or replaces an existing file of that name on Close.
    static TextOutputStreamPtr Create(const FolderItemPtr& file);
    ~TextOutputStream();
    TextOutputStream(const TextOutputStream&) = delete;
    TextOutputStream& operator=(const TextOutputStream&) = delete;

    void Write(std::string_view text);
    void Close();

private:
    TextOutputStream(String path, String replaced, String temporary, int file, int inPlace);
    // Puts the temporary file, named first if it has no name, in the place
    // of the file it replaces, and closes it; 0, or the system's error, the
    // temporary file then removed.
    int commit();
    // Closes and removes the temporary file.
    void discard();
    // Writes the text in place and closes the file; 0, or the system's error.
    int finishInPlace();

    String path_;
    // The file replaced (the target, or the file a link there names), and
    // the temporary file beside it that replaces it, open while written to,
    // or none when the target is written in place. A temporary file without
    // a name has an empty path until it is given one on Close.
    String replaced_;
    String temporary_;
    int file_ = -1;
    off_t written_ = 0;
    // The target open for writing in place, and the text it is to hold.
    int inPlace_ = -1;
    String text_;
};
