// The icon reader on a bundle whose Info.plist names an icon file: any bytes
// as that icon file.
#include "FuzzApplication.h"
#include "support/Icon.h"

#include "framework/Picture.h"
#include "platform/AutoreleasePool.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

QString bundle() {
    return folder().filePath(QStringLiteral("Glyphs.app"));
}

void write(const QString& path, const char* data, std::size_t size) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(data, static_cast<qint64>(size)) != static_cast<qint64>(size))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartFuzzApplication(argc, argv);
    QDir().mkpath(bundle() + "/Contents/Resources");
    const char plist[] = "<plist><dict><key>CFBundleIconFile</key><string>GlyphsApp</string>"
                         "</dict></plist>";
    write(bundle() + "/Contents/Info.plist", plist, sizeof plist - 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    write(bundle() + "/Contents/Resources/GlyphsApp.icns", reinterpret_cast<const char*>(data),
          size);
    // What the icon lookup autoreleases goes when the input is done, as it
    // goes when the program's event loop has handled a drop.
    const objc::AutoreleasePool pool;
    // Whatever the icon file holds, the bundle shows an icon at both sizes.
    const std::shared_ptr<Picture> icon =
        Icon::Get(std::make_shared<FolderItem>(bundle().toStdString()), 64);
    if (!icon || icon->ImageCount() != 2)
        std::abort();
    return 0;
}
