#include "FileTypeGroup1.h"

namespace FileTypeGroup1 {

namespace {
FileTypePtr pApp;
}

FileTypePtr App() {
    return pApp;
}

void _Initialize() {
    pApp = std::make_shared<FileType>();
    // Every property is set first, so the type is registered once, with its final values.
    pApp->Name("Application");
    pApp->Extensions(".app");
    pApp->MacType("");
    pApp->MacCreator("");
    pApp->MimeType("");
    pApp->Imported(true);
    pApp->ConformsTo("");
    // The string form registers it.
    static_cast<void>(static_cast<String>(*App()));
}

} // namespace FileTypeGroup1
