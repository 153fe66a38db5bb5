#include "Startup.h"

#include "framework/Runtime.h"

#include <exception>

// The process's entry point: the framework's runtime around the program's
// road. A failure anywhere on the road, the runtime's own start included, is
// told, and the process ends with status 1; the finalisers and the exit step
// run whatever happened.
int main(int argc, char** argv) {
    try {
        RuntimeInit(argc, argv);
        RuntimePerformInitializers();
        _Main();
    } catch (...) {
        RuntimeUnhandledException(std::current_exception());
    }
    RuntimePerformFinalizers();
    return RuntimeExit();
}
