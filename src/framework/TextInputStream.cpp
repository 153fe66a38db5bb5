#include "TextInputStream.h"

#include "Exceptions.h"
#include "RegularFile.h"

namespace {

constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

} // namespace

TextInputStreamPtr TextInputStream::Open(const FolderItemPtr& file) {
    if (!file)
        throw NilObjectException();
    return TextInputStreamPtr(
        new TextInputStream(std::make_unique<RegularFile>(file->NativePath())));
}

TextInputStream::TextInputStream(std::unique_ptr<RegularFile> file) : file_(std::move(file)) {}

TextInputStream::~TextInputStream() = default;

String TextInputStream::ReadAll(std::int64_t largest) {
    if (!file_)
        throw IOException("The stream is closed.");
    String text = file_->ReadAll(largest);
    if (atStart_ && Encoding == Encodings::UTF8 && text.starts_with(utf8ByteOrderMark))
        text.erase(0, utf8ByteOrderMark.size());
    atStart_ = false;
    return text;
}

void TextInputStream::Close() {
    file_.reset();
}
