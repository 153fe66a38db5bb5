#include "Runtime.h"

#include "Window.h"

#include <QApplication>
#include <QMessageBox>
#include <cxxabi.h>
#include <fontconfig/fontconfig.h>
#include <memory>
#include <thread>
#include <typeinfo>

namespace {

std::unique_ptr<QApplication> application;
// Reads the font configuration while the application connects to the
// display: the first window's texts need it, and reading it takes as long
// as showing a window does. Joined when the program ends.
std::jthread fontConfiguration;
std::exception_ptr lateStartupFailure;
int exitStatus = 0;

std::string className(const std::type_info& type) {
    int status = 0;
    const std::unique_ptr<char, void (*)(void*)> readable(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    return status == 0 ? std::string(readable.get()) : std::string(type.name());
}

std::string exceptionClassName(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& caught) {
        return className(typeid(caught));
    } catch (...) {
        return "unknown";
    }
}

void closeOpenWindows() {
    while (Window::WindowCount() > 0)
        Window::WindowAt(0)->Close();
    QCoreApplication::sendPostedEvents();
}

} // namespace

void RuntimeInit(int& argc, char** argv) {
    fontConfiguration = std::jthread([] { FcInit(); });
    application = std::make_unique<QApplication>(argc, argv);
}

void RunFrameworkInitialization(std::function<void()> lateStartup) {
    QMetaObject::invokeMethod(
        application.get(),
        [lateStartup = std::move(lateStartup)] {
            try {
                lateStartup();
            } catch (...) {
                lateStartupFailure = std::current_exception();
                QCoreApplication::exit(1);
            }
        },
        Qt::QueuedConnection);
}

void RuntimeRun() {
    // The late step opens the first window before the loop starts, so that it
    // shows as soon as the application can show one; what the loop sets up
    // as it starts (the accessibility bridge's connection to the session bus)
    // follows the window.
    QCoreApplication::sendPostedEvents(application.get(), QEvent::MetaCall);
    exitStatus = lateStartupFailure ? 1 : QApplication::exec();
    closeOpenWindows();
    if (lateStartupFailure)
        std::rethrow_exception(std::exchange(lateStartupFailure, nullptr));
}

int RuntimeExit() {
    QCoreApplication::sendPostedEvents();
    application.reset();
    return exitStatus;
}

void RuntimeUnhandledException(std::exception_ptr error) {
    exitStatus = 1;
    if (!qApp)
        return;
    const QString text = QStringLiteral("An exception of class %1 was not handled. "
                                        "The application must shut down.")
                             .arg(QString::fromStdString(exceptionClassName(error)));
    QMessageBox::critical(nullptr, QApplication::applicationName(), text);
    QCoreApplication::exit(1);
}

void RuntimeDispatch(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        QMetaObject::invokeMethod(
            qApp, [error = std::current_exception()] { RuntimeUnhandledException(error); },
            Qt::QueuedConnection);
    }
}
