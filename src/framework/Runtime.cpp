#include "Runtime.h"

#include "Application.h"
#include "ApplicationStyle_p.h"
#include "Exceptions.h"
#include "TypeName.h"
#include "Window.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <glib.h>
#include <memory>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <typeinfo>
#include <unistd.h>
#include <vector>

namespace {

// SIGTERM, as the desktop sends it when the user logs out, ends the event
// loop the way Quit does, so every window still closes through its Close
// handler. The signal handler only writes a byte; the loop reads it.
class TerminationWatch {
public:
    TerminationWatch() {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets_) != 0)
            throw RuntimeException("Cannot watch for the termination signal.");
        writeEnd = sockets_[0];
        notifier_ = std::make_unique<QSocketNotifier>(sockets_[1], QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
            char received = 0;
            if (::read(sockets_[1], &received, 1) == 1)
                RuntimeQuit();
        });
        struct sigaction action {};
        action.sa_handler = &TerminationWatch::signalled;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(SIGTERM, &action, &previous_);
    }

    ~TerminationWatch() {
        ::sigaction(SIGTERM, &previous_, nullptr);
        writeEnd = -1;
        notifier_.reset();
        ::close(sockets_[0]);
        ::close(sockets_[1]);
    }

    TerminationWatch(const TerminationWatch&) = delete;
    TerminationWatch& operator=(const TerminationWatch&) = delete;

private:
    static void signalled(int) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    }

    static inline volatile std::sig_atomic_t writeEnd = -1;
    int sockets_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction previous_ {};
};

std::unique_ptr<QApplication> application;
std::unique_ptr<TerminationWatch> terminationWatch;
std::shared_ptr<Application> appObject;
// Reads the font configuration while the application connects to the
// display: the first window's texts need it, and reading it takes as long
// as showing a window does. Joined when the program ends.
std::jthread fontConfiguration;
std::exception_ptr lateStartupFailure;
bool loopRunning = false;
// The alert that tells of a start-up that failed before the loop ran. Quit
// (the termination signal) closes it, as it ends the loop at any other time.
QPointer<QMessageBox> startupFailureAlert;
int exitStatus = 0;

// The line that tells of an exception of that class nothing caught.
std::string unhandledText(const std::string& className) {
    return "An exception of class " + className +
           " was not handled. The application must shut down.";
}

// Until the event loop runs, a failure inside Qt or GLib (no display, no
// file descriptor left) ends in their fatal message, which aborts the
// process. Here, as for any failure at start-up, the message and our line go
// to the standard error instead, and the process ends with status 1. Their
// code cannot be unwound and an alert cannot show from there, so the process
// ends at once. Other messages go where they went before.
class FatalAtStartup {
public:
    FatalAtStartup() {
        otherQt = qInstallMessageHandler(qtMessage);
        otherGlib = g_log_set_default_handler(glibMessage, nullptr);
    }

    ~FatalAtStartup() {
        qInstallMessageHandler(std::exchange(otherQt, nullptr));
        g_log_set_default_handler(otherGlib, nullptr);
    }

    FatalAtStartup(const FatalAtStartup&) = delete;
    FatalAtStartup& operator=(const FatalAtStartup&) = delete;

private:
    [[noreturn]] static void endTold(const char* message) {
        std::fprintf(stderr, "%s\n%s\n", message, unhandledText("RuntimeException").c_str());
        std::_Exit(1);
    }

    static void qtMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
        if (otherQt && type != QtFatalMsg) {
            otherQt(type, context, message);
            return;
        }
        const QByteArray text = qFormatLogMessage(type, context, message).toLocal8Bit();
        if (type == QtFatalMsg)
            endTold(text.constData());
        std::fprintf(stderr, "%s\n", text.constData());
    }

    static void glibMessage(const gchar* domain, GLogLevelFlags level, const gchar* message,
                            gpointer data) {
        if ((level & (G_LOG_FLAG_FATAL | G_LOG_LEVEL_ERROR)) != 0)
            endTold((std::string(domain ? domain : "GLib") + ": " + message).c_str());
        g_log_default_handler(domain, level, message, data);
    }

    static inline QtMessageHandler otherQt = nullptr;
    static inline GLogFunc otherGlib = nullptr;
};

std::unique_ptr<FatalAtStartup> fatalAtStartup;

// A few file descriptors held from the start until the event loop runs. When
// start-up fails for want of descriptors, they are let go before the alert
// that tells of it shows: drawing a window takes descriptors of its own, and
// without them Qt waits for the display for good.
class DescriptorReserve {
public:
    DescriptorReserve() {
        for (int& descriptor : descriptors_)
            descriptor = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    }

    ~DescriptorReserve() {
        for (const int descriptor : descriptors_)
            if (descriptor >= 0)
                ::close(descriptor);
    }

    DescriptorReserve(const DescriptorReserve&) = delete;
    DescriptorReserve& operator=(const DescriptorReserve&) = delete;

private:
    std::array<int, 8> descriptors_{};
};

std::unique_ptr<DescriptorReserve> descriptorReserve;

// Start-up is over: the event loop runs, or the program ends.
void endStartup() {
    fatalAtStartup.reset();
    descriptorReserve.reset();
}

std::vector<std::function<void()>>& moduleStates() {
    static std::vector<std::function<void()>> resets;
    return resets;
}

std::string exceptionClassName(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& caught) {
        return TypeName(typeid(caught));
    } catch (...) {
        return "unknown";
    }
}

void closeOpenWindows() {
    while (Window::WindowCount() > 0)
        Window::WindowAt(0)->Close();
    QCoreApplication::sendPostedEvents();
}

// Panels of the platform that are still open (an About panel) close with the
// application; those that delete themselves on closing go now, while Qt runs.
void closeRemainingPanels() {
    QApplication::closeAllWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

void RuntimeInit(int& argc, char** argv) {
    fatalAtStartup = std::make_unique<FatalAtStartup>();
    descriptorReserve = std::make_unique<DescriptorReserve>();
    fontConfiguration = std::jthread([] { FcInit(); });
    application = std::make_unique<QApplication>(argc, argv);
    QApplication::setStyle(new ApplicationStyle(QApplication::style()->name()));
    // The application object's AutoQuit decides when closing windows ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    terminationWatch = std::make_unique<TerminationWatch>();
}

RuntimeModuleState::RuntimeModuleState(std::function<void()> reset) {
    moduleStates().push_back(std::move(reset));
}

void RuntimePerformInitializers() {
    for (const auto& reset : moduleStates())
        reset();
}

void RuntimePerformFinalizers() {
    for (auto reset = moduleStates().rbegin(); reset != moduleStates().rend(); ++reset)
        (*reset)();
    appObject.reset();
}

void RuntimeRegisterAppObject(std::shared_ptr<Application> app) {
    if (!app)
        throw NilObjectException();
    if (appObject)
        throw RuntimeException("An application object is registered already.");
    appObject = std::move(app);
}

std::shared_ptr<Application> RuntimeAppObject() {
    return appObject;
}

void RunFrameworkInitialization(std::function<void()> lateStartup) {
    QMetaObject::invokeMethod(
        application.get(),
        [lateStartup = std::move(lateStartup)] {
            try {
                if (appObject)
                    appObject->raiseOpen();
                lateStartup();
            } catch (...) {
                lateStartupFailure = std::current_exception();
                // Before the loop runs, exit() would end the loop of the very
                // alert that tells of the failure; RuntimeRun hands it on.
                if (loopRunning)
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
    // Every window shows the application's icon. It comes once the first
    // window is on screen: the X server takes the icon as pixels in four
    // sizes, and drawing those from the SVG would hold the window back.
    QApplication::setWindowIcon(Application::Icon());
    if (lateStartupFailure) {
        exitStatus = 1;
    } else {
        endStartup();
        loopRunning = true;
        exitStatus = QApplication::exec();
        loopRunning = false;
    }
    closeOpenWindows();
    closeRemainingPanels();
    if (lateStartupFailure)
        std::rethrow_exception(std::exchange(lateStartupFailure, nullptr));
}

void RuntimeQuit() {
    // Outside the loop exit() would make the next nested loop (a dialog) end at once.
    if (loopRunning)
        QCoreApplication::exit(0);
    else if (startupFailureAlert)
        startupFailureAlert->close();
}

int RuntimeExit() {
    QCoreApplication::sendPostedEvents();
    terminationWatch.reset();
    application.reset();
    endStartup();
    return exitStatus;
}

void RuntimeUnhandledException(const std::exception_ptr& error) noexcept {
    exitStatus = 1;
    // Telling must not fail in turn: what cannot be told is left untold, and
    // the exit status still says that the program failed.
    try {
        const std::string text = unhandledText(exceptionClassName(error));
        // The same text goes to the standard error too, where a program started
        // from a terminal or a script is heard even when no alert can show.
        std::fprintf(stderr, "%s\n", text.c_str());
        if (!qApp)
            return;
        descriptorReserve.reset();
        QMessageBox alert(QMessageBox::Critical, QApplication::applicationName(),
                          QString::fromStdString(text), QMessageBox::Ok);
        if (!loopRunning)
            startupFailureAlert = &alert;
        alert.exec();
        if (loopRunning)
            QCoreApplication::exit(1);
    } catch (...) {
        // Nothing more can be told.
    }
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
