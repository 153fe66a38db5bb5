#pragma once

#include "FolderItem.h"
#include "String.h"

#include <cstdio>
#include <memory>

enum class Encodings { UTF8 };

class TextInputStream;
using TextInputStreamPtr = std::shared_ptr<TextInputStream>;

// Reads a text file; closed when released. Failures raise IOException.
class TextInputStream {
public:
    static TextInputStreamPtr Open(const FolderItemPtr& file);
    ~TextInputStream();
    TextInputStream(const TextInputStream&) = delete;
    TextInputStream& operator=(const TextInputStream&) = delete;

    Encodings Encoding = Encodings::UTF8;

    // The rest of the file as one text, read in one go.
    String ReadAll();
    void Close();

private:
    TextInputStream(std::FILE* file, String path);

    std::FILE* file_;
    String path_;
};
