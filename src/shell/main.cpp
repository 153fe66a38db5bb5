#include "Startup.h"

#include "framework/Runtime.h"

// The process's entry point: the framework's runtime around the program's
// road. The finalisers and the exit step run whatever happened on the road.
int main(int argc, char** argv) {
    RuntimeInit(argc, argv);
    RuntimePerformInitializers();
    try {
        _Main();
    } catch (...) {
        // The unhandled-exception routine itself failed; the exit status
        // already tells of the failure.
    }
    RuntimePerformFinalizers();
    return RuntimeExit();
}
