// The two readers of a dropped bundle: its Adobe-Japan1 mapping file and its
// version text. They use nothing of the window, so they work before it exists.
#include "Window1.h"

#include "framework/Exceptions.h"
#include "framework/TextInputStream.h"
#include "support/FileLimits.h"
#include "support/General.h"
#include "support/RegExVelk.h"

#include <algorithm>
#include <array>
#include <optional>

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

// The whole file as UTF-8 text; nothing when it cannot be read. Only a
// regular file is read: a folder, a pipe or a device counts as unreadable.
std::optional<String> readWholeFile(const FolderItemPtr& file) {
    try {
        const TextInputStreamPtr stream = TextInputStream::Open(file);
        stream->Encoding = Encodings::UTF8;
        return stream->ReadAll();
    } catch (const IOException&) {
        return std::nullopt;
    }
}

} // namespace

Dictionary Window1::GetMapFile(const FolderItemPtr& app) {
    // The first candidate that exists is the mapping file.
    const FolderItemPtr file = findMapFile(app);
    if (!file) {
        alert("Not found MapFileAdobe-Japan1.txt");
        return {};
    }

    // Read whole; the stream closes when it is released.
    std::optional<String> text = readWholeFile(file);
    if (!text) {
        alert("Error accessing");
        return {};
    }

    // A file that gives no entry, empty, blank or without a usable line, is
    // told here: the compare button stops on an empty map without a word.
    Dictionary map = MapFileEntries(std::move(*text));
    if (map.KeyCount() == 0)
        alert("There is something wrong with MapFileAdobe-Japan1.txt");
    return map;
}

Dictionary Window1::MapFileEntries(String text) {
    // One line end, no whitespace around the whole text, and each line's last
    // non-empty column removed.
    text = Str::ReplaceLineEndings(std::move(text), "\n");
    text = Str::Trim(std::move(text));
    text = RegExVelk::ReplaceAll(text, "\\t[^\\t\\n]+$", "", true);

    // Every line of two or more columns sets key = column 1, value = column 2.
    Dictionary map;
    map.Reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    forEachLine(text, [&map](std::string_view line) { addEntry(map, line); });
    return map;
}

String Window1::GetAppVerInfo(const FolderItemPtr& app) {
    // The property list, found by name with links followed. One that cannot
    // be read (a folder of that name, no permission, a pipe), or that is
    // larger than any real one, counts as a missing one.
    const FolderItemPtr contents = app->Child("Contents", true);
    const FolderItemPtr plist = contents ? contents->Child("Info.plist", true) : nullptr;
    if (!plist || !plist->Exists() || plist->Length() > FileLimits::LargestPropertyList)
        return "";
    const std::optional<String> text = readWholeFile(plist);
    return text ? AppVerInfoFromPlist(*text) : "";
}

String Window1::AppVerInfoFromPlist(String text) {
    // Flatten: no indentation, no line feeds.
    text = RegExVelk::ReplaceAll(text, "^\\s+", "", true);
    text = RegExVelk::ReplaceAll(text, "\\n", "", true);

    // The two values, joined by "-". Once the line feeds are gone, a key's
    // first place gives its value or no later place can: without a closing
    // tag after it there is none after a later place either. (*COMMIT) stops
    // the search there, where the engine would otherwise run from every later
    // place of the key to the end of the text, in time growing with the
    // square of the text's length.
    const String shortVersion = RegExVelk::MachStr(
        text, "(?<=<key>CFBundleShortVersionString</key><string>)(*COMMIT).+?(?=</string>)", 0,
        true);
    const String buildVersion = RegExVelk::MachStr(
        text, "(?<=<key>CFBundleVersion</key><string>)(*COMMIT).+?(?=</string>)", 0, true);
    return shortVersion + "-" + buildVersion;
}
