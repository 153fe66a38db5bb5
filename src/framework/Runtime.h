#pragma once

#include <exception>
#include <functional>

// The application's run, in the order main calls it:
//   RuntimeInit(argc, argv); RunFrameworkInitialization(lateStartup); RuntimeRun(); RuntimeExit();

// Creates the application. `argc` must live until RuntimeExit.
void RuntimeInit(int& argc, char** argv);

// Hands over the step that opens the first window; it runs as the event loop's
// first work. An exception that leaves it ends the loop and leaves RuntimeRun.
void RunFrameworkInitialization(std::function<void()> lateStartup);

// Runs the event loop until the application quits, then closes the windows
// still open (each raises its Close event).
void RuntimeRun();

// Ends the application and gives the exit status.
int RuntimeExit();

// The reaction to an exception that nothing caught: tells the user and quits
// with exit status 1.
void RuntimeUnhandledException(std::exception_ptr error);

// Runs an event handler on behalf of the event loop. An exception must not
// unwind through Qt, so one that escapes is reported once the loop is back in
// control.
void RuntimeDispatch(const std::function<void()>& handler);
