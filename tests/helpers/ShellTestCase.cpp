#include "ShellTestCase.h"

#include "shell/App.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QTest>

void ShellTestCase::SetUpTestSuite() {
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
    App::Accessor()->Event_Open();
}

void ShellTestCase::TearDown() {
    if (const auto window = Window::FindOpen<Window1>())
        window->Close();
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents();
}

std::shared_ptr<Window1> ShellTestCase::openWindow() {
    auto window = Window1::Accessor();
    QWidget* native = window->NativeWidget();
    native->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(native));
    return window;
}
