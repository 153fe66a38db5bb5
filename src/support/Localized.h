#pragma once

#include "framework/String.h"

// The comparison window's texts in the user's language. Each takes a
// language code; the empty code means the language the application runs in.
namespace Localized {

String Drop_Old_Glyphs_App(const String& language = {});
String Quillstone(const String& language = {});
String kSave(const String& language = {});
String kOld(const String& language = {});
String Not_a_Glyphs_app(const String& language = {});
String Both_apps_are_the_same_version(const String& language = {});
String Drop_New_Glyphs_App(const String& language = {});
String kNew(const String& language = {});
String Both_AJ1_Map_Files_are_the_same(const String& language = {});
String Drop_the_new_Glyphs_app(const String& language = {});
String Drop_the_old_Glyphs_app(const String& language = {});
String The_report_could_not_be_saved(const String& language = {});

} // namespace Localized
