#include "WorkspaceIcons.h"

#include "framework/Exceptions.h"
#include "framework/FolderItem.h"
#include "framework/Picture.h"
#include "framework/RegularFile.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QRegularExpression>
#include <QStyle>
#include <QtEndian>

#include <algorithm>

namespace {

// Real bundles stay far below these; anything larger is not worth the memory.
constexpr qint64 largestPropertyList = qint64{4} * 1024 * 1024;
constexpr qint64 largestIconFile = qint64{64} * 1024 * 1024;
constexpr int largestImageMegabytes = 16;
constexpr int mostImages = 64;
constexpr qint64 mostDecodedBytes = qint64{128} * 1024 * 1024;
constexpr int themeSides[] = {16, 32, 64, 128, 256, 512};

using Bitmaps = std::vector<std::shared_ptr<Picture>>;

// The file system names files in bytes, which need not be UTF-8: paths stay
// in the framework's bytes and files are opened by them, never through a
// QString that could not hold every name.
bool isApplicationBundle(const FolderItem& item) {
    return item.IsFolder() && item.Name().ends_with(".app");
}

// Hands a regular file of at most `limit` bytes to `read`, and gives what it
// gives; a folder, device or pipe, which could block or never end, gives nothing.
template <class Result, class Read>
Result readRegularFile(const String& path, qint64 limit, Read read) {
    try {
        const RegularFile file(path);
        QFile device;
        if (file.Length() > limit ||
            !device.open(file.Handle(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
            return {};
        return read(device);
    } catch (const IOException&) {
        return {};
    }
}

// The icon file that the bundle's Info.plist names, with or without its
// extension, inside the bundle's Resources folder; empty when it names none.
String iconFileOf(const String& bundle) {
    static const QRegularExpression entry(
        QStringLiteral(R"(<key>\s*CFBundleIconFile\s*</key>\s*<string>([^<]*)</string>)"));
    const QString plist = QString::fromUtf8(
        readRegularFile<QByteArray>(bundle + "/Contents/Info.plist", largestPropertyList,
                                    [](QFile& file) { return file.read(largestPropertyList); }));
    QString name = entry.match(plist).captured(1).trimmed();
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    if (!name.endsWith(QLatin1String(".icns"), Qt::CaseInsensitive))
        name += QLatin1String(".icns");
    return bundle + "/Contents/Resources/" + name.toStdString();
}

// The reader's allocation limit is process-wide; it is lowered only while an icon is read.
class AllocationLimit {
public:
    explicit AllocationLimit(int megabytes) : saved_(QImageReader::allocationLimit()) {
        QImageReader::setAllocationLimit(megabytes);
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(saved_); }
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;

private:
    const int saved_;
};

quint32 bigEndianAt(const QByteArray& bytes, qint64 at) {
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

// Qt's icns reader reads every image whole, at the length the file gives for
// it, and takes unchecked the lengths in the table of contents and those of
// blocks past the end the file's header states: one crafted length makes it
// ask for gigabytes. A file whose header does not state its true size, or
// whose table lists an image beyond its end, is damaged and not handed to it.
bool lengthsHold(const QByteArray& bytes) {
    const qint64 size = bytes.size();
    if (size < 8 || !bytes.startsWith("icns") || bigEndianAt(bytes, 4) != size)
        return false;
    if (size < 16 || bytes.mid(8, 4) != "TOC ")
        return true;
    // The table's entries give the blocks that follow it, in order.
    const qint64 tableEnd = 8 + qint64{bigEndianAt(bytes, 12)};
    qint64 blockEnd = tableEnd;
    for (qint64 entry = 16; entry + 8 <= std::min(tableEnd, size); entry += 8) {
        const quint32 length = bigEndianAt(bytes, entry + 4);
        // The reader stops at an entry without a type or shorter than its header.
        if (bigEndianAt(bytes, entry) == 0 || length < 8)
            return true;
        blockEnd += length;
        if (blockEnd > size)
            return false;
    }
    return true;
}

// Every image of the icns file that decodes; a damaged entry is passed over.
Bitmaps decodeIcons(QFile& file) {
    QBuffer bytes;
    bytes.setData(file.readAll());
    if (!lengthsHold(bytes.data()) || !bytes.open(QIODevice::ReadOnly))
        return {};
    const AllocationLimit limit(largestImageMegabytes);
    QImageReader reader(&bytes, "icns");
    Bitmaps bitmaps;
    qint64 decoded = 0;
    const int count = std::min(reader.imageCount(), mostImages);
    for (int index = 0; index < count && decoded < mostDecodedBytes; ++index) {
        if (!reader.jumpToImage(index))
            break;
        const QImage image = reader.read();
        if (image.isNull())
            continue;
        decoded += image.sizeInBytes();
        bitmaps.push_back(
            std::make_shared<Picture>(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)));
    }
    return bitmaps;
}

QIcon kindIcon(const FolderItem& item) {
    QIcon icon = QFileIconProvider().icon(
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(item.NativePath()))));
    if (isApplicationBundle(item))
        return QIcon::fromTheme(QStringLiteral("application-x-executable"), icon);
    if (!icon.isNull())
        return icon;
    return QApplication::style()->standardIcon(item.IsFolder() ? QStyle::SP_DirIcon
                                                               : QStyle::SP_FileIcon);
}

// The icon at the usual icon sizes; an icon that has no larger image gives
// its largest only once.
Bitmaps render(const QIcon& icon) {
    Bitmaps bitmaps;
    for (const int side : themeSides) {
        const QImage image = icon.pixmap(QSize(side, side), 1.0).toImage();
        const bool seen = std::ranges::any_of(bitmaps, [&](const auto& bitmap) {
            return bitmap->NativeImage().size() == image.size();
        });
        if (!image.isNull() && !seen)
            bitmaps.push_back(std::make_shared<Picture>(image));
    }
    return bitmaps;
}

} // namespace

namespace WorkspaceIcons {

std::vector<std::shared_ptr<Picture>> ForFile(const String& path) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return {};
    const FolderItem item(path);
    if (isApplicationBundle(item)) {
        // No icon file named is a file that cannot be opened.
        Bitmaps bitmaps = readRegularFile<Bitmaps>(iconFileOf(path), largestIconFile, decodeIcons);
        if (!bitmaps.empty())
            return bitmaps;
    }
    return render(kindIcon(item));
}

} // namespace WorkspaceIcons
