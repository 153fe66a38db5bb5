#include "BundleReader.h"

#include "FileLimits.h"
#include "RegExVelk.h"

#include "framework/Exceptions.h"
#include "framework/TextInputStream.h"

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

namespace BundleReader {

std::optional<String> ReadText(const FolderItemPtr& file, std::int64_t largest) {
    try {
        const TextInputStreamPtr stream = TextInputStream::Open(file);
        stream->Encoding = Encodings::UTF8;
        return stream->ReadAll(largest);
    } catch (const IOException&) {
        return std::nullopt;
    }
}

Dictionary MapFile(const FolderItemPtr& app, const Alert& alert) {
    // The first candidate that exists is the mapping file.
    const FolderItemPtr file = findMapFile(app);
    if (!file) {
        alert("Not found MapFileAdobe-Japan1.txt");
        return {};
    }

    // Read whole; the stream closes when it is released. A file larger than
    // any real mapping file is told like one that cannot be read.
    std::optional<String> text = ReadText(file, FileLimits::LargestMapFile);
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

Dictionary MapFileEntries(String text) {
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

void ForEachChangedValue(
    const Dictionary& oldMap, const Dictionary& newMap,
    const std::function<void(const String& oldValue, const String& newValue)>& row) {
    for (const String& key : oldMap.Keys()) {
        if (!newMap.HasKey(key))
            continue;
        const String& oldValue = oldMap.Value(key);
        const String& newValue = newMap.Value(key);
        if (Str::Compare(oldValue, newValue, ComparisonOptions::CaseSensitive) != 0)
            row(oldValue, newValue);
    }
}

} // namespace BundleReader
