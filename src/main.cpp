#include "framework/Runtime.h"
#include "support/FileTypeGroup1.h"
#include "window/Window1.h"

// Starts the framework, registers the file type the drop zones take, and
// opens the main window once the event loop runs.
int main(int argc, char** argv) {
    RuntimeInit(argc, argv);
    try {
        FileTypeGroup1::_Initialize();
        RunFrameworkInitialization([] { Window1::Accessor(); });
        RuntimeRun();
    } catch (...) {
        RuntimeUnhandledException(std::current_exception());
    }
    return RuntimeExit();
}
