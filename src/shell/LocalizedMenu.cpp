#include "LocalizedMenu.h"

#include "framework/Localization.h"

namespace LocalizedMenu {

String kFile(const String& language) {
    return System::GetLocalizedString("LocalizedMenu.kFile", "File", language);
}

String kFileClose(const String& language) {
    return System::GetLocalizedString("LocalizedMenu.kFileClose", "Close", language);
}

String kEdit(const String& language) {
    return System::GetLocalizedString("LocalizedMenu.kEdit", "Edit", language);
}

String kCut(const String& language) {
    return System::GetLocalizedString("LocalizedMenu.kCut", "Cut", language);
}

String kCopy(const String& language) {
    return System::GetLocalizedString("LocalizedMenu.kCopy", "Copy", language);
}

String kPaste(const String& language) {
    return System::GetLocalizedString("LocalizedMenu.kPaste", "Paste", language);
}

String kDelete(const String& language) {
    return System::GetLocalizedString("LocalizedMenu.kDelete", "Delete", language);
}

String kSelectAll(const String& language) {
    return System::GetLocalizedString("LocalizedMenu.kSelectAll", "Select All", language);
}

String kWindow(const String& language) {
    return System::GetLocalizedString("LocalizedMenu.kWindow", "Window", language);
}

String kMinimize(const String& language) {
    return System::GetLocalizedString("LocalizedMenu.kMinimize", "Minimize", language);
}

String kZoom(const String& language) {
    return System::GetLocalizedString("LocalizedMenu.kZoom", "Zoom", language);
}

String kBringAllToFront(const String& language) {
    return System::GetLocalizedString("LocalizedMenu.kBringAllToFront", "Bring All to Front",
                                      language);
}

String kHelp(const String& language) {
    return System::GetLocalizedString("LocalizedMenu.kHelp", "Help", language);
}

String kLang(const String& language) {
    return System::GetLocalizedString("LocalizedMenu.kLang", "en", language);
}

} // namespace LocalizedMenu
