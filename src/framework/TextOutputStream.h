#pragma once

#include "FolderItem.h"
#include "String.h"

#include <memory>

class QSaveFile;
class TextOutputStream;
using TextOutputStreamPtr = std::shared_ptr<TextOutputStream>;

// Writes a text file atomically: the text goes to a temporary file beside the
// target, which replaces the target only when the stream is closed, so a
// failed write never leaves a truncated file where an earlier one stood.
// Where the folder takes no new file (a read-only folder) but the file itself
// may be written, the file is written in place, as a plain write would.
// Failures raise IOException with the system's reason. A stream released
// without Close is closed then, silently.
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
    explicit TextOutputStream(std::unique_ptr<QSaveFile> file);
    String describe(const String& what) const;

    std::unique_ptr<QSaveFile> file_;
};
