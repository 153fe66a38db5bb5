// mapdiff OLD.app NEW.app
//
// Reads the two bundles' Adobe-Japan1 mapping files in the compare button's
// steps (old first) and prints the rows it would list, one per line: old
// value, tab, new value. A timing tool for the reading path, not part of the
// program: it links only the framework's reading half, so it loads nothing
// of Qt but QtCore. What the window would tell in an alert goes to stderr,
// and the exit status is then 1.
#include "framework/Dictionary.h"
#include "framework/Exceptions.h"
#include "framework/RegEx.h"
#include "framework/TextInputStream.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr std::array<const char*, 3> mapFileCandidates = {
    "/Contents/PlugIns/OTF.glyphsFileFormat/Contents/Resources/MapFileAdobeJapan1.txt",
    "/Contents/PlugIns/OTF.glyphsFileFormat/Contents/Resources/MapFileAdobe-Japan1.txt",
    "/Contents/Frameworks/GlyphsCore.framework/Versions/A/Resources/MapFileAdobe-Japan1.txt",
};

bool alerted = false;

void alert(const String& message) {
    alerted = true;
    std::fprintf(stderr, "mapdiff: %s\n", message.c_str());
}

// The mapping file's text with one line end, no whitespace around it and
// each line's last non-empty column removed; empty after a failure.
String preparedText(const String& bundlePath) {
    const auto found =
        std::find_if(mapFileCandidates.begin(), mapFileCandidates.end(),
                     [&](const char* suffix) { return FolderItem(bundlePath + suffix).Exists(); });
    if (found == mapFileCandidates.end()) {
        alert("Not found MapFileAdobe-Japan1.txt");
        return {};
    }
    String text;
    try {
        text = TextInputStream::Open(std::make_shared<FolderItem>(bundlePath + *found))->ReadAll();
    } catch (const IOException&) {
        alert("Error accessing");
        return {};
    }
    if (text.empty()) {
        alert("There is something wrong with MapFileAdobe-Japan1.txt");
        return {};
    }
    RegEx lastColumn;
    lastColumn.Options().ReplaceAllMatches = true;
    lastColumn.Options().CaseSensitive = true;
    lastColumn.SearchPattern("\\t[^\\t\\n]+$");
    lastColumn.ReplacementPattern("");
    return lastColumn.Replace(Str::Trim(Str::ReplaceLineEndings(std::move(text), "\n")));
}

// Column 1 to column 2 of every line of two or more columns.
Dictionary mapOf(const String& bundlePath) {
    const String text = preparedText(bundlePath);
    Dictionary map;
    map.Reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line(text.data() + start, end - start);
        const std::size_t tab = line.find('\t');
        if (tab != std::string_view::npos) {
            const std::string_view value = line.substr(tab + 1);
            map.Value(line.substr(0, tab), value.substr(0, value.find('\t')));
        }
        start = end + 1;
    }
    return map;
}

// The rows the compare button lists: every key of the old map that the new
// map holds with a value that compares different, in the old map's order.
String differences(const Dictionary& oldMap, const Dictionary& newMap) {
    String rows;
    if (oldMap.KeyCount() == 0 || newMap.KeyCount() == 0)
        return rows;
    for (const String& key : oldMap.Keys()) {
        if (!newMap.HasKey(key))
            continue;
        const String& oldValue = oldMap.Value(key);
        const String& newValue = newMap.Value(key);
        if (Str::Compare(oldValue, newValue, ComparisonOptions::CaseSensitive) == 0)
            continue;
        rows.append(oldValue).append("\t").append(newValue).append("\n");
    }
    return rows;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: mapdiff OLD.app NEW.app\n", stderr);
        return 2;
    }
    try {
        const Dictionary oldMap = mapOf(argv[1]);
        const Dictionary newMap = mapOf(argv[2]);
        const String rows = differences(oldMap, newMap);
        if (std::fwrite(rows.data(), 1, rows.size(), stdout) != rows.size() ||
            std::fflush(stdout) != 0) {
            std::perror("mapdiff: cannot write the rows");
            return 1;
        }
    } catch (const RuntimeException& error) {
        alert(error.Message);
    }
    return alerted ? 1 : 0;
}
