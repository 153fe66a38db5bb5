#include "Localized.h"

#include "framework/Localization.h"

namespace Localized {

String Drop_Old_Glyphs_App(const String& language) {
    //% "Drop Old Glyphs App"
    return System::GetLocalizedString(LocalizedKey("Localized.Drop_Old_Glyphs_App"),
                                      "Drop Old Glyphs App", language);
}

String Quillstone(const String& language) {
    //% "Quillstone"
    return System::GetLocalizedString(LocalizedKey("Localized.Quillstone"), "Quillstone", language);
}

String kSave(const String& language) {
    //% "Save"
    return System::GetLocalizedString(LocalizedKey("Localized.kSave"), "Save", language);
}

String kOld(const String& language) {
    //% "Old"
    return System::GetLocalizedString(LocalizedKey("Localized.kOld"), "Old", language);
}

String Not_a_Glyphs_app(const String& language) {
    //% "Not a Glyphs app."
    return System::GetLocalizedString(LocalizedKey("Localized.Not_a_Glyphs_app"),
                                      "Not a Glyphs app.", language);
}

String Both_apps_are_the_same_version(const String& language) {
    //% "Both apps are the same version."
    return System::GetLocalizedString(LocalizedKey("Localized.Both_apps_are_the_same_version"),
                                      "Both apps are the same version.", language);
}

String Drop_New_Glyphs_App(const String& language) {
    //% "Drop New Glyphs App"
    return System::GetLocalizedString(LocalizedKey("Localized.Drop_New_Glyphs_App"),
                                      "Drop New Glyphs App", language);
}

String kNew(const String& language) {
    //% "New"
    return System::GetLocalizedString(LocalizedKey("Localized.kNew"), "New", language);
}

String Both_AJ1_Map_Files_are_the_same(const String& language) {
    //% "Both AJ1 Map Files are the same."
    return System::GetLocalizedString(LocalizedKey("Localized.Both_AJ1_Map_Files_are_the_same"),
                                      "Both AJ1 Map Files are the same.", language);
}

String Drop_the_new_Glyphs_app(const String& language) {
    //% "Drop the new Glyphs app."
    return System::GetLocalizedString(LocalizedKey("Localized.Drop_the_new_Glyphs_app"),
                                      "Drop the new Glyphs app.", language);
}

String Drop_the_old_Glyphs_app(const String& language) {
    //% "Drop the old Glyphs app."
    return System::GetLocalizedString(LocalizedKey("Localized.Drop_the_old_Glyphs_app"),
                                      "Drop the old Glyphs app.", language);
}

String The_report_could_not_be_saved(const String& language) {
    //% "The report could not be saved."
    return System::GetLocalizedString(LocalizedKey("Localized.The_report_could_not_be_saved"),
                                      "The report could not be saved.", language);
}

} // namespace Localized
