#pragma once

#include "framework/Dictionary.h"
#include "framework/FolderItem.h"
#include "framework/String.h"

#include <cstdint>
#include <functional>
#include <optional>

// Reading a Glyphs bundle's files and comparing two bundles' mapping files:
// the one reader that the window and the reading tool share. It needs no
// widgets: each caller passes the routine that tells the user of a failure.
namespace BundleReader {

// Shows one message about a bundle's file and returns when it has been read.
using Alert = std::function<void(const String& message)>;

// The whole file as UTF-8 text; nothing when it cannot be read or holds more
// than `largest` bytes. Only a regular file is read: a folder, a pipe or a
// device counts as unreadable.
std::optional<String> ReadText(const FolderItemPtr& file, std::int64_t largest);

// The bundle's Adobe-Japan1 mapping file as a map from column 1 to column 2;
// empty, after one alert, when it is missing, unreadable, too large or gives
// no entry.
Dictionary MapFile(const FolderItemPtr& app, const Alert& alert);

// The entries of a mapping file's text. No alert of its own: only the
// regular-expression routine's message on an engine error.
Dictionary MapFileEntries(String text);

// Calls `row` with the old and the new value of every key of the old map that
// the new map holds with a value that compares different, in the old map's
// order.
void ForEachChangedValue(
    const Dictionary& oldMap, const Dictionary& newMap,
    const std::function<void(const String& oldValue, const String& newValue)>& row);

} // namespace BundleReader
