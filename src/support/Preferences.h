#pragma once

#include "framework/Exceptions.h"
#include "framework/FolderItem.h"
#include "framework/JSONItem.h"
#include "framework/String.h"
#include "framework/Variant.h"

#include <cstdint>
#include <memory>

class Window;

// The main window's size and position across runs, kept as a JSON object in
// a file named after the program, in a folder of the same name inside the
// user's data folder.
namespace Preferences {

// A key/value store held as one JSON object and bound to its file.
class PrefsClass {
public:
    explicit PrefsClass(const String& appName);
    virtual ~PrefsClass() = default;
    PrefsClass(const PrefsClass&) = delete;
    PrefsClass& operator=(const PrefsClass&) = delete;

    // The member's value; PreferenceNotFoundException when there is none.
    virtual Variant Get(const String& key) const;
    // Binds the file and reads it. False when there is no file yet or its
    // text is not a JSON object; the content is then as it was. IOException
    // when the file cannot be opened or read, or holds more than
    // FileLimits::LargestPreferenceFile bytes.
    virtual bool Load();
    // Member access by name: reading is Get, assigning is Set.
    virtual Variant Operator_Lookup(const String& key) const;
    virtual void Operator_Lookup(const String& key, const Variant& value);
    // Writes the whole object to the bound file; false when no file is bound
    // or it cannot be written.
    virtual bool Save();
    // Sets the member in memory only.
    virtual void Set(const String& key, const Variant& value);
    // Deletes the file; its folder and the members in memory stay.
    virtual void Remove();

private:
    FolderItemPtr folder() const;
    FolderItemPtr fileIn(const FolderItemPtr& folder) const;

    JSONItem mPrefs;
    FolderItemPtr mPrefsFile;
    const String mAppName;
};

class PreferenceNotFoundException : public RuntimeException {
public:
    explicit PreferenceNotFoundException(const String& key);
};

// The program's one store: none until Initialize, kept until the process ends.
extern std::shared_ptr<PrefsClass> Prefs;

// A new store for that name replaces the one before.
void Initialize(const String& appName);
// Opens the store when the main window opens, given the window's designed
// size: Option and Command held down delete the file; the file is loaded,
// or, where there is none fit to read, the defaults are set.
void Raed(std::int64_t width, std::int64_t height);
// The designed size at left 10, top 50; nothing is written.
void SetDefault(std::int64_t width, std::int64_t height);
// Keeps the window's content size and position and writes the file; a
// failed write goes unreported.
void Save(const Window& w);

} // namespace Preferences
