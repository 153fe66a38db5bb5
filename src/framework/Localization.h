#pragma once

#include "String.h"

namespace System {

// The text stored for `key` ("Module.constant") in the localization of
// `language`, or `defaultText` when there is none. The empty language means
// the one the application runs in, chosen once from LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG.
String GetLocalizedString(const String& key, const String& defaultText, const String& language);

} // namespace System
