#include "Preferences.h"

#include "FileLimits.h"

#include "framework/ExecutableFile.h"
#include "framework/Keyboard.h"
#include "framework/SpecialFolder.h"
#include "framework/TextInputStream.h"
#include "framework/TextOutputStream.h"
#include "framework/Window.h"

namespace Preferences {

std::shared_ptr<PrefsClass> Prefs;

PrefsClass::PrefsClass(const String& appName) : mAppName(appName) {
    mPrefs.Compact(false);
}

Variant PrefsClass::Get(const String& key) const {
    if (mPrefs.HasName(key))
        return mPrefs.Value(key);
    throw PreferenceNotFoundException(key);
}

bool PrefsClass::Load() {
    const FolderItemPtr appFolder = folder();
    if (!appFolder->Exists())
        appFolder->CreateAsFolder();
    mPrefsFile = fileIn(appFolder);
    if (!mPrefsFile->Exists())
        return false;
    // A file far larger than any the program writes is damaged or not its
    // own: like one that cannot be read, it raises IOException, and its size
    // alone tells so, before any of it is read.
    const TextInputStreamPtr stream = TextInputStream::Open(mPrefsFile);
    const String text = stream->ReadAll(FileLimits::LargestPreferenceFile);
    stream->Close();

    try {
        mPrefs.Load(text);
    } catch (const JSONException&) {
        return false;
    }
    return true;
}

Variant PrefsClass::Operator_Lookup(const String& key) const {
    return Get(key);
}

void PrefsClass::Operator_Lookup(const String& key, const Variant& value) {
    Set(key, value);
}

bool PrefsClass::Save() {
    if (!mPrefsFile)
        return false;
    const String text = mPrefs.ToString();
    // The stream writes beside the file and puts the new one in place when
    // closed, so a failed write leaves the earlier file whole.
    try {
        const TextOutputStreamPtr stream = TextOutputStream::Create(mPrefsFile);
        stream->Write(text);
        stream->Close();
        return true;
    } catch (const IOException&) {
        return false;
    }
}

void PrefsClass::Set(const String& key, const Variant& value) {
    mPrefs.Value(key, value);
}

void PrefsClass::Remove() {
    const FolderItemPtr appFolder = folder();
    if (!appFolder->Exists())
        return;
    mPrefsFile = fileIn(appFolder);
    if (mPrefsFile->Exists())
        mPrefsFile->Delete();
}

FolderItemPtr PrefsClass::folder() const {
    return SpecialFolder::ApplicationData()->Child(mAppName, true);
}

FolderItemPtr PrefsClass::fileIn(const FolderItemPtr& appFolder) const {
    return appFolder->Child(mAppName + ".pref", true);
}

PreferenceNotFoundException::PreferenceNotFoundException(const String& key) {
    Message = "Preference value '" + key + "' does not exist.";
}

void Initialize(const String& appName) {
    Prefs = std::make_shared<PrefsClass>(appName);
}

void Raed(std::int64_t width, std::int64_t height) {
    Initialize(ExecutableFile()->Name());
    if (!Prefs)
        return;
    // Option and Command held while the window opens forget the stored bounds.
    if (Keyboard::AsyncOptionKey() && Keyboard::AsyncCommandKey())
        Prefs->Remove();
    if (!Prefs->Load())
        SetDefault(width, height);
}

void SetDefault(std::int64_t width, std::int64_t height) {
    if (!Prefs)
        return;
    Prefs->Set("WinWidth", Variant(width));
    Prefs->Set("WinHeight", Variant(height));
    Prefs->Set("WinLeft", Variant(std::int64_t{10}));
    Prefs->Set("WinTop", Variant(std::int64_t{50}));
}

void Save(const Window& w) {
    if (!Prefs)
        return;
    Prefs->Set("WinWidth", Variant(w.Width()));
    Prefs->Set("WinHeight", Variant(w.Height()));
    Prefs->Set("WinLeft", Variant(w.Left()));
    Prefs->Set("WinTop", Variant(w.Top()));
    Prefs->Save();
}

} // namespace Preferences
