#pragma once

#include "FolderItem.h"
#include "String.h"

#include <memory>

enum class Encodings { UTF8 };

class RegularFile;
class TextInputStream;
using TextInputStreamPtr = std::shared_ptr<TextInputStream>;

// Reads a text file; closed when released. Only a regular file opens (see
// RegularFile). Failures raise IOException.
class TextInputStream {
public:
    static TextInputStreamPtr Open(const FolderItemPtr& file);
    ~TextInputStream();
    TextInputStream(const TextInputStream&) = delete;
    TextInputStream& operator=(const TextInputStream&) = delete;

    Encodings Encoding = Encodings::UTF8;

    // The rest of the file as one text, read in one go, when the file holds
    // no more than `largest` bytes; a larger file raises IOException before
    // any of it is read. Text read as UTF-8 from the start of the file loses
    // a leading byte-order mark, as text editors drop it.
    String ReadAll(std::int64_t largest);
    void Close();

private:
    explicit TextInputStream(std::unique_ptr<RegularFile> file);

    std::unique_ptr<RegularFile> file_;
    bool atStart_ = true;
};
