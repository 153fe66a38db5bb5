// The two readers of a dropped bundle: its Adobe-Japan1 mapping file, through
// the bundle reader that the reading tool mapdiff runs too, and its version
// text. They use nothing of the window, so they work before it exists.
#include "Window1.h"

#include "support/BundleReader.h"
#include "support/FileLimits.h"
#include "support/General.h"
#include "support/RegExVelk.h"

#include <optional>

Dictionary Window1::GetMapFile(const FolderItemPtr& app) {
    // Every failure is told in the window's alert.
    return BundleReader::MapFile(
        app, [](const String& message) { General::ShowAlertOK(message, "", nullptr); });
}

Dictionary Window1::MapFileEntries(String text) {
    return BundleReader::MapFileEntries(std::move(text));
}

String Window1::GetAppVerInfo(const FolderItemPtr& app) {
    // The property list, found by name with links followed. One that cannot
    // be read (a folder of that name, no permission, a pipe), or that is
    // larger than any real one, counts as a missing one.
    const FolderItemPtr contents = app->Child("Contents", true);
    const FolderItemPtr plist = contents ? contents->Child("Info.plist", true) : nullptr;
    if (!plist || !plist->Exists())
        return "";
    const std::optional<String> text =
        BundleReader::ReadText(plist, FileLimits::LargestPropertyList);
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
