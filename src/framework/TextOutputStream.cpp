#include "TextOutputStream.h"

#include "Exceptions.h"

#include <QFileInfo>
#include <QSaveFile>

TextOutputStreamPtr TextOutputStream::Create(const FolderItemPtr& file) {
    if (!file)
        throw NilObjectException();
    // Only a file is ever replaced: a pipe or a device (even behind a link) is
    // left as it is, as reading leaves it unread.
    const QFileInfo existing(QString::fromStdString(file->NativePath()));
    if (existing.exists() && !existing.isFile())
        throw IOException("Cannot create \"" + file->NativePath() + "\": it is not a file.");
    auto saveFile = std::make_unique<QSaveFile>(QString::fromStdString(file->NativePath()));
    saveFile->setDirectWriteFallback(true);
    // Unbuffered, so that a failed write is seen by the write itself: QSaveFile
    // does not notice a write that fails while its buffer is flushed on commit.
    if (!saveFile->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw IOException("Cannot create \"" + file->NativePath() +
                          "\": " + saveFile->errorString().toStdString());
    return TextOutputStreamPtr(new TextOutputStream(std::move(saveFile)));
}

TextOutputStream::TextOutputStream(std::unique_ptr<QSaveFile> file) : file_(std::move(file)) {}

TextOutputStream::~TextOutputStream() {
    if (file_ && file_->isOpen())
        file_->commit();
}

void TextOutputStream::Write(std::string_view text) {
    if (!file_->isOpen())
        throw IOException(describe("The stream is closed"));
    // A write that stops part-way (a full disk) is no error to QSaveFile, and
    // says nothing of why; writing the rest gives the system's reason.
    while (!text.empty()) {
        const qint64 written = file_->write(text.data(), static_cast<qint64>(text.size()));
        if (written <= 0) {
            // The partial file must never replace the target.
            const IOException error(describe("Cannot write"));
            file_->cancelWriting();
            file_->commit();
            throw error;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

void TextOutputStream::Close() {
    if (file_->isOpen() && !file_->commit())
        throw IOException(describe("Cannot save"));
}

String TextOutputStream::describe(const String& what) const {
    return what + " \"" + file_->fileName().toStdString() +
           "\": " + file_->errorString().toStdString();
}
