#include "WorkspaceIcons.h"

#include "framework/Picture.h"

#include <QApplication>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QRegularExpression>
#include <QStyle>

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

bool isApplicationBundle(const QFileInfo& info) {
    return info.isDir() && info.fileName().endsWith(QLatin1String(".app"));
}

// A regular file only: a folder, a device or a pipe could block or never end.
QByteArray readSmallFile(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > limit)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(limit);
}

// The icon file that the bundle's Info.plist names, with or without its
// extension; empty when it names none.
QString iconFileOf(const QString& bundle) {
    static const QRegularExpression entry(
        QStringLiteral(R"(<key>\s*CFBundleIconFile\s*</key>\s*<string>([^<]*)</string>)"));
    const QString plist = QString::fromUtf8(
        readSmallFile(bundle + QLatin1String("/Contents/Info.plist"), largestPropertyList));
    QString name = entry.match(plist).captured(1).trimmed();
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    if (!name.endsWith(QLatin1String(".icns"), Qt::CaseInsensitive))
        name += QLatin1String(".icns");
    return bundle + QLatin1String("/Contents/Resources/") + name;
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

// Every image of the icns file that decodes; a damaged entry is passed over.
Bitmaps readIconFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > largestIconFile)
        return {};
    const AllocationLimit limit(largestImageMegabytes);
    QImageReader reader(path, "icns");
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

QIcon kindIcon(const QFileInfo& info) {
    QIcon icon = QFileIconProvider().icon(info);
    if (isApplicationBundle(info))
        return QIcon::fromTheme(QStringLiteral("application-x-executable"), icon);
    if (!icon.isNull())
        return icon;
    return QApplication::style()->standardIcon(info.isDir() ? QStyle::SP_DirIcon
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
    const QFileInfo info(QString::fromStdString(path));
    if (isApplicationBundle(info)) {
        const QString iconFile = iconFileOf(info.filePath());
        if (Bitmaps bitmaps = iconFile.isEmpty() ? Bitmaps() : readIconFile(iconFile);
            !bitmaps.empty())
            return bitmaps;
    }
    return render(kindIcon(info));
}

} // namespace WorkspaceIcons
