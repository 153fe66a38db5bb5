#include "TempBundle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

TempBundle::TempBundle(const std::string& name) : name_(name) {
    if (!dir_.isValid() || !QDir(dir_.path()).mkpath(QString::fromStdString(name_)))
        throw std::runtime_error("cannot make a temporary bundle");
}

FolderItemPtr TempBundle::item() const {
    return std::make_shared<FolderItem>(path());
}

std::string TempBundle::path() const {
    return dir_.path().toStdString() + "/" + name_;
}

void TempBundle::write(const std::string& relative, const std::string& bytes) const {
    const QString file = QString::fromStdString(path() + "/" + relative);
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()))
        throw std::runtime_error("cannot write " + file.toStdString());
}

std::string TempBundle::mapPath(MapPlace place) {
    switch (place) {
    case PluginNoHyphen:
        return "Contents/PlugIns/OTF.glyphsFileFormat/Contents/Resources/MapFileAdobeJapan1.txt";
    case PluginHyphen:
        return "Contents/PlugIns/OTF.glyphsFileFormat/Contents/Resources/MapFileAdobe-Japan1.txt";
    case CoreFramework:
        break;
    }
    return "Contents/Frameworks/GlyphsCore.framework/Versions/A/Resources/MapFileAdobe-Japan1.txt";
}

void TempBundle::writeMap(const std::string& bytes, MapPlace place) const {
    write(mapPath(place), bytes);
}

std::string TempBundle::plist(const std::string& shortVersion, const std::string& build) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n<dict>\n"
           "\t<key>CFBundleIconFile</key>\n\t<string>GlyphsApp</string>\n"
           "\t<key>CFBundleShortVersionString</key>\n\t<string>" +
           shortVersion +
           "</string>\n"
           "\t<key>CFBundleVersion</key>\n\t<string>" +
           build + "</string>\n</dict>\n</plist>\n";
}

void TempBundle::writeInfoPlist(const std::string& shortVersion, const std::string& build) const {
    write("Contents/Info.plist", plist(shortVersion, build));
}
