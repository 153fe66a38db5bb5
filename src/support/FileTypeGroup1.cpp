#include "FileTypeGroup1.h"

#include "framework/Runtime.h"

namespace FileTypeGroup1 {

namespace {

FileTypePtr pApp;

// No file type until start-up makes it, again after the program's end.
const RuntimeModuleState appState{[] {
    pApp.reset();
}};

} // namespace

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
