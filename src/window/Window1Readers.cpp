// The two readers of a dropped bundle: its Adobe-Japan1 mapping file and its
// version text. They use nothing of the window, so they work before it exists.
#include "Window1.h"

#include "framework/Exceptions.h"
#include "framework/TextInputStream.h"
#include "support/General.h"
#include "support/RegExVelk.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char*, 3> mapFileCandidates = {
    "/Contents/PlugIns/OTF.glyphsFileFormat/Contents/Resources/MapFileAdobeJapan1.txt",
    "/Contents/PlugIns/OTF.glyphsFileFormat/Contents/Resources/MapFileAdobe-Japan1.txt",
    "/Contents/Frameworks/GlyphsCore.framework/Versions/A/Resources/MapFileAdobe-Japan1.txt",
};

FolderItemPtr findMapFile(const FolderItemPtr& app) {
    const String bundlePath = app->NativePath();
    for (const char* suffix : mapFileCandidates) {
        auto candidate =
            std::make_shared<FolderItem>(bundlePath + suffix, FolderItem::PathModes::Native);
        if (candidate->Exists())
            return candidate;
    }
    return nullptr;
}

void alert(const String& message) {
    General::ShowAlertOK(message, "", nullptr);
}

// Splits at every line feed without copying: the lines point into `text`.
template <class Visit> void forEachLine(std::string_view text, Visit visit) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        visit(text.substr(start,
                          end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return;
        start = end + 1;
    }
}

// A line gives an entry when it has two or more tab-separated columns:
// column 1 is the key, column 2 the value.
void addEntry(Dictionary& map, std::string_view line) {
    const std::size_t firstTab = line.find('\t');
    if (firstTab == std::string_view::npos)
        return;
    const std::string_view rest = line.substr(firstTab + 1);
    map.Value(line.substr(0, firstTab), rest.substr(0, rest.find('\t')));
}

} // namespace

Dictionary Window1::GetMapFile(const FolderItemPtr& app) {
    // 1. The result, empty after every failure.
    Dictionary map;

    // 2.-3. The first candidate that exists is the mapping file.
    const FolderItemPtr file = findMapFile(app);
    if (!file) {
        alert("Not found MapFileAdobe-Japan1.txt");
        return map;
    }

    // 4. Read it whole as UTF-8; the stream closes when it is released.
    String text;
    try {
        const TextInputStreamPtr stream = TextInputStream::Open(file);
        stream->Encoding = Encodings::UTF8;
        text = stream->ReadAll();
    } catch (const IOException&) {
        alert("Error accessing");
        return map;
    }

    // 5. An empty file is an error; a file of only whitespace is not.
    if (Str::Bytes(text) == 0) {
        alert("There is something wrong with MapFileAdobe-Japan1.txt");
        return map;
    }

    // 6.-8. One line end, no whitespace around the whole text, and each
    // line's last non-empty column removed.
    text = Str::ReplaceLineEndings(std::move(text), "\n");
    text = Str::Trim(std::move(text));
    text = RegExVelk::ReplaceAll(text, "\\t[^\\t\\n]+$", "", true);

    // 9.-10. Every line of two or more columns sets key = column 1, value = column 2.
    map.Reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    forEachLine(text, [&map](std::string_view line) { addEntry(map, line); });

    // 11.
    return map;
}

String Window1::GetAppVerInfo(const FolderItemPtr& app) {
    // 1. The property list, found by name with links followed.
    const FolderItemPtr contents = app->Child("Contents", true);
    const FolderItemPtr plist = contents ? contents->Child("Info.plist", true) : nullptr;
    if (!plist || !plist->Exists())
        return "";

    // 2. Read whole as UTF-8. A property list that exists but cannot be read
    // (a folder of that name, no permission) counts as a missing one.
    String text;
    try {
        const TextInputStreamPtr stream = TextInputStream::Open(plist);
        stream->Encoding = Encodings::UTF8;
        text = stream->ReadAll();
    } catch (const IOException&) {
        return "";
    }

    // 3.-4. Flatten: no indentation, no line feeds.
    text = RegExVelk::ReplaceAll(text, "^\\s+", "", true);
    text = RegExVelk::ReplaceAll(text, "\\n", "", true);

    // 5.-7. The two values, joined by "-".
    const String shortVersion = RegExVelk::MachStr(
        text, "(?<=<key>CFBundleShortVersionString</key><string>).+?(?=</string>)", 0, true);
    const String buildVersion = RegExVelk::MachStr(
        text, "(?<=<key>CFBundleVersion</key><string>).+?(?=</string>)", 0, true);
    return shortVersion + "-" + buildVersion;
}
