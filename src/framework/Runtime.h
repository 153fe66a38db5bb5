#pragma once

#include <exception>
#include <functional>
#include <memory>

class Application;

// The application's run, in the order main calls it:
//   RuntimeInit(argc, argv); RuntimePerformInitializers(); ...;
//   RunFrameworkInitialization(lateStartup); RuntimeRun(); RuntimePerformFinalizers();
//   RuntimeExit();

// Creates the application. `argc` must live until RuntimeExit. From here on
// SIGTERM ends the event loop the way Quit does. Raises RuntimeException when
// the termination signal cannot be watched. Until the event loop runs, a
// fatal error inside Qt or GLib (no display, no file descriptor left), which
// would abort the process, is told on the standard error instead, and the
// process ends with status 1.
void RuntimeInit(int& argc, char** argv);

// Module-wide state of the program that holds framework objects (menus,
// windows) registers how it takes its start value, so that it can be let go
// while the framework still runs. A module keeps one such object for the
// process's lifetime.
class RuntimeModuleState {
public:
    explicit RuntimeModuleState(std::function<void()> reset);
};

// Gives every registered module state its start value.
void RuntimePerformInitializers();
// Gives every registered module state its start value again, letting go of
// what it held, and lets go of the application object.
void RuntimePerformFinalizers();

// Makes `app` the application object, held until RuntimePerformFinalizers.
// A second registration raises RuntimeException.
void RuntimeRegisterAppObject(std::shared_ptr<Application> app);
// The registered application object, none before registration.
std::shared_ptr<Application> RuntimeAppObject();

// Hands over the step that opens the first window. RuntimeRun delivers it
// before it starts the event loop, after the application object's Open
// event. An exception that leaves either ends the run: RuntimeRun then
// raises it again instead of starting the loop.
void RunFrameworkInitialization(std::function<void()> lateStartup);

// Runs the event loop until the application quits, then closes the windows
// still open (each raises its Close event).
void RuntimeRun();

// Ends the event loop that RuntimeRun runs, with exit status 0. Before that
// loop runs, it closes the alert of a failed start-up, if one shows, and
// does nothing else.
void RuntimeQuit();

// Ends the application and gives the exit status.
int RuntimeExit();

// The reaction to an exception that nothing caught: tells the user in an
// alert and on the standard error, then quits with exit status 1. Raised
// before the event loop runs (start-up failed), the alert shows all the same
// and the process ends once the user has answered it; without an application
// (its start failed) only the standard error hears of it.
void RuntimeUnhandledException(const std::exception_ptr& error) noexcept;

// Runs an event handler on behalf of the event loop. An exception must not
// unwind through Qt, so one that escapes is reported once the loop is back in
// control.
void RuntimeDispatch(const std::function<void()>& handler);
