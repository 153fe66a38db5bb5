#pragma once

#include "String.h"

// The key of a localized text: the module's name, a full stop and the
// constant's name ("Localized.kSave"). Keys are fixed when the program is
// built and written only through this class, each as a literal right after a
// "//%" comment that gives the text's English; lupdate collects both into the
// translation files from there, so no text of the program is left out of them.
class LocalizedKey {
public:
    consteval explicit LocalizedKey(const char* key) : key_(key) {}
    const char* Text() const { return key_; }

private:
    const char* key_;
};

namespace System {

// The text stored under `key` in the localization of `language`, or
// `defaultText` when there is none. The empty language means the one the
// application runs in, chosen once from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
String GetLocalizedString(LocalizedKey key, const String& defaultText, const String& language);

} // namespace System
