#include "FileTypeGroup1.h"

namespace FileTypeGroup1 {

namespace {
FileTypePtr pApp;
}

FileTypePtr App() {
    return pApp;
}

void _Initialize() {
    // 1.
    pApp = std::make_shared<FileType>();
    // 2. Every property set first, so the type is registered once, with its final values.
    pApp->Name("Application");
    pApp->Extensions(".app");
    pApp->MacType("");
    pApp->MacCreator("");
    pApp->MimeType("");
    pApp->Imported(true);
    pApp->ConformsTo("");
    // 3. The string form registers it.
    static_cast<void>(static_cast<String>(*App()));
}

} // namespace FileTypeGroup1
