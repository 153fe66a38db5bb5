#include "LocalizedMenu.h"

#include "framework/Localization.h"

namespace LocalizedMenu {

String kFile(const String& language) {
    //% "File"
    return System::GetLocalizedString(LocalizedKey("LocalizedMenu.kFile"), "File", language);
}

String kFileClose(const String& language) {
    //% "Close"
    return System::GetLocalizedString(LocalizedKey("LocalizedMenu.kFileClose"), "Close", language);
}

String kEdit(const String& language) {
    //% "Edit"
    return System::GetLocalizedString(LocalizedKey("LocalizedMenu.kEdit"), "Edit", language);
}

String kCut(const String& language) {
    //% "Cut"
    return System::GetLocalizedString(LocalizedKey("LocalizedMenu.kCut"), "Cut", language);
}

String kCopy(const String& language) {
    //% "Copy"
    return System::GetLocalizedString(LocalizedKey("LocalizedMenu.kCopy"), "Copy", language);
}

String kPaste(const String& language) {
    //% "Paste"
    return System::GetLocalizedString(LocalizedKey("LocalizedMenu.kPaste"), "Paste", language);
}

String kDelete(const String& language) {
    //% "Delete"
    return System::GetLocalizedString(LocalizedKey("LocalizedMenu.kDelete"), "Delete", language);
}

String kSelectAll(const String& language) {
    //% "Select All"
    return System::GetLocalizedString(LocalizedKey("LocalizedMenu.kSelectAll"), "Select All",
                                      language);
}

String kWindow(const String& language) {
    //% "Window"
    return System::GetLocalizedString(LocalizedKey("LocalizedMenu.kWindow"), "Window", language);
}

String kMinimize(const String& language) {
    //% "Minimize"
    return System::GetLocalizedString(LocalizedKey("LocalizedMenu.kMinimize"), "Minimize",
                                      language);
}

String kZoom(const String& language) {
    //% "Zoom"
    return System::GetLocalizedString(LocalizedKey("LocalizedMenu.kZoom"), "Zoom", language);
}

String kBringAllToFront(const String& language) {
    //% "Bring All to Front"
    return System::GetLocalizedString(LocalizedKey("LocalizedMenu.kBringAllToFront"),
                                      "Bring All to Front", language);
}

String kHelp(const String& language) {
    //% "Help"
    return System::GetLocalizedString(LocalizedKey("LocalizedMenu.kHelp"), "Help", language);
}

String kLang(const String& language) {
    //% "en"
    return System::GetLocalizedString(LocalizedKey("LocalizedMenu.kLang"), "en", language);
}

} // namespace LocalizedMenu
