#pragma once

#include "framework/String.h"

// The menu captions in the user's language, and the language tag of the
// localization in force ("en" by default). Each takes a language code; the
// empty code means the language the application runs in.
namespace LocalizedMenu {

String kFile(const String& language = {});
String kFileClose(const String& language = {});
String kEdit(const String& language = {});
String kCut(const String& language = {});
String kCopy(const String& language = {});
String kPaste(const String& language = {});
String kDelete(const String& language = {});
String kSelectAll(const String& language = {});
String kWindow(const String& language = {});
String kMinimize(const String& language = {});
String kZoom(const String& language = {});
String kBringAllToFront(const String& language = {});
String kHelp(const String& language = {});
String kLang(const String& language = {});

} // namespace LocalizedMenu
