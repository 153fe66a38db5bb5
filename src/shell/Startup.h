#pragma once

// The program's road from start to end. main runs the framework's runtime
// around _Main; each step runs only when the one before it raised nothing.

// Start-up, the event loop, and the framework's reaction to an exception
// that leaves either.
void _Main();
// The file type, the application object with its menu bar, the About handler.
void _EarlyStartup();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
// Run by the framework once it is ready: opens the main window.
void _LateStartup();
void _MakeDefaultView();
