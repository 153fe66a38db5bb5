#include "Startup.h"

#include "App.h"
#include "MainMenuBar.h"
#include "support/FileTypeGroup1.h"
#include "window/Window1.h"

#include "framework/Runtime.h"

void _Main() {
    try {
        _EarlyStartup();
        RunFrameworkInitialization(_LateStartup);
        RuntimeRun();
    } catch (...) {
        RuntimeUnhandledException(std::current_exception());
    }
}

// High-resolution drawing and the dark appearance need no step here: Qt draws
// at the screen's scale and follows the desktop's theme. The regular-expression
// engine is linked in, ready without binding.
void _EarlyStartup() {
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
}

void _InitFileTypes() {
    FileTypeGroup1::_Initialize();
}

void _NewAppInstance() {
    const auto app = std::make_shared<App>();
    app->_x_SetVersionData(1, 0, 2, 10, 0, "Quillstone 1.0.2", "1.0.2", "");
    app->MenuBar(MainMenuBar::Accessor());
    RuntimeRegisterAppObject(app);
}

void _ApplicationAddMenuHandlers() {
    const auto app = App::Accessor();
    // The handler lives in the application object, so the object outlives it.
    app->_AddMenuHandler("AppAbout", [target = app.get()] { return target->_AppAbout_Action(); });
}

void _LateStartup() {
    _MakeDefaultView();
}

void _MakeDefaultView() {
    Window1::Accessor();
}
