// The program's road from start to end, each case in a process of its own,
// as the program runs: this test program has its own main, which starts the
// framework's runtime the way the program's main does, and no QApplication
// of the shared test main.
#include "ModalAnswer.h"
#include "UserFolders.h"
#include "shell/App.h"
#include "shell/MainMenuBar.h"
#include "shell/Startup.h"
#include "support/FileTypeGroup1.h"
#include "window/Window1.h"

#include "framework/Application.h"
#include "framework/Exceptions.h"
#include "framework/MenuBar.h"
#include "framework/Runtime.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QProxyStyle>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

void say(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
}

// What a case saw on the way, told in one line once the road has ended.
std::string road;

// Runs `step` as the first work of the event loop, before anything start-up hands it.
void atFirstEvent(std::function<void()> step) {
    QMetaObject::invokeMethod(qApp, std::move(step), Qt::QueuedConnection);
}

// Runs `step` once, as soon as the main window is open.
void onceTheWindowIsOpen(std::function<void(Window1&)> step) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, step = std::move(step)] {
        if (const auto window = Window::FindOpen<Window1>()) {
            poll->deleteLater();
            step(*window);
        }
    });
    poll->start(5);
}

// Everything the program's main does once the runtime has started; the
// process ends with the program's exit status.
[[noreturn]] void runTheProgram() {
    RuntimePerformInitializers();
    try {
        _Main();
    } catch (...) {
        road += "an exception left _Main; ";
    }
    say("seen: " + road + "end");
    RuntimePerformFinalizers();
    std::exit(RuntimeExit());
}

bool aboutPanelShown() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(widget) && widget->isVisible())
            return true;
    return false;
}

// A window that counts its Close events.
class CountingWindow : public Window {
public:
    static inline int closes = 0;

protected:
    void Event_Close() override { ++closes; }
};

void openCountingWindow() {
    std::make_shared<CountingWindow>()->Constructor();
}

TEST(Startup, EverythingStandsBeforeTheFirstEventAndClosingTheWindowEndsTheProcess) {
    EXPECT_EXIT(
        {
            atFirstEvent([] {
                if (FileTypeGroup1::App() && App::Accessor()->MenuBar() &&
                    Window::WindowCount() == 0)
                    road += "file type, application object and menu bar, no window; ";
                AppAbout()->NativeAction()->trigger();
                if (aboutPanelShown())
                    road += "About shows its panel; ";
                QApplication::closeAllWindows();
            });
            onceTheWindowIsOpen([](Window1& window) {
                road += "window open, About reads " + AppAbout()->Text() + "; ";
                window.NativeWidget()->close();
            });
            runTheProgram();
        },
        ::testing::ExitedWithCode(0),
        "seen: file type, application object and menu bar, no window; About shows its panel; "
        "window open, About reads About test_startup; end");
}

// An exception that leaves start-up or the loop is told in an alert, which
// the user answers, and on the standard error; then the process ends with
// status 1. One raised during start-up never reaches the event loop.
TEST(Startup, AnUnhandledExceptionIsToldBeforeTheProcessEnds) {
    struct Case {
        const char* where;
        std::function<void()> prepare;
        const char* exceptionClass;
        bool windowOpens;
    };
    const Case cases[] = {
        // A second application object cannot be registered: the early step fails.
        {"early start-up", [] { RuntimeRegisterAppObject(std::make_shared<Application>()); },
         "RuntimeException", false},
        // The application's Open handler finds no About item to name: the step
        // that opens the main window fails, before the loop runs.
        {"late start-up", [] { MainMenuBar::Accessor()->_Lookup("AppAbout")->Name("About"); },
         "NilObjectException", false},
        {"the event loop",
         [] {
             onceTheWindowIsOpen([](Window1&) {
                 RuntimeDispatch([] { throw IOException("The disk went away."); });
             });
         },
         "IOException", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        const std::string told = std::string("An exception of class ") + c.exceptionClass +
                                 " was not handled\\. The application must shut down\\.";
        EXPECT_EXIT(
            {
                static bool windowOpened = false;
                onceTheWindowIsOpen([](Window1&) { windowOpened = true; });
                ModalAnswer answer;
                RuntimePerformInitializers();
                c.prepare();
                _Main();
                for (const auto& seen : answer.dialogs())
                    say("told: " + seen.text.toStdString());
                say(windowOpened ? "a window opened" : "no window opened");
                RuntimePerformFinalizers();
                std::exit(RuntimeExit());
            },
            ::testing::ExitedWithCode(1),
            told + "\n.*told: " + told + "\n" +
                (c.windowOpens ? "a window opened" : "no window opened") + "\n");
    }
}

// The termination signal, as the desktop sends it at logging out, ends the
// process even while the alert of a failed start-up waits for an answer.
TEST(Startup, TheTerminationSignalClosesTheAlertOfAFailedStartUp) {
    EXPECT_EXIT(
        {
            static bool closedBySignal = false;
            ModalAnswer answer([](QWidget* alert) {
                std::raise(SIGTERM);
                QCoreApplication::processEvents();
                closedBySignal = !alert->isVisible();
                alert->close();
            });
            RuntimePerformInitializers();
            MainMenuBar::Accessor()->_Lookup("AppAbout")->Name("About");
            _Main();
            say(closedBySignal ? "closed by the signal" : "left open");
            RuntimePerformFinalizers();
            std::exit(RuntimeExit());
        },
        ::testing::ExitedWithCode(1), "closed by the signal\n");
}

// Quit, the termination signal and the close box each close a window through
// its Close handler exactly once.
TEST(Startup, EveryWayOutClosesAWindowOnce) {
    const std::pair<const char*, std::function<void(Window1&)>> ways[] = {
        {"Quit",
         [](Window1&) {
             App::Accessor()->MenuBar()->_Lookup("FileQuit")->NativeAction()->trigger();
         }},
        {"SIGTERM",
         [](Window1&) {
             std::raise(SIGTERM);
         }},
        {"close boxes",
         [](Window1& main) {
             Window::FindOpen<CountingWindow>()->NativeWidget()->close();
             main.NativeWidget()->close();
         }},
    };
    for (const auto& [name, leave] : ways) {
        SCOPED_TRACE(name);
        EXPECT_EXIT(
            {
                onceTheWindowIsOpen([leave](Window1& main) {
                    openCountingWindow();
                    leave(main);
                });
                RuntimePerformInitializers();
                _Main();
                say("closed " + std::to_string(CountingWindow::closes) + " time(s)");
                RuntimePerformFinalizers();
                std::exit(RuntimeExit());
            },
            ::testing::ExitedWithCode(0), "closed 1 time\\(s\\)\n");
    }
}

// The menu bar's overflow button reads its icon only when it is drawn, and
// then shows the very icon of the desktop's style.
TEST(Startup, TheOverflowButtonShowsTheStylesIconWhenDrawn) {
    const auto* style = dynamic_cast<const QProxyStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    const QIcon shown = style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon own = style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    ASSERT_FALSE(own.pixmap(16).isNull());
    EXPECT_EQ(shown.availableSizes(), own.availableSizes());
    EXPECT_EQ(shown.pixmap(16).toImage(), own.pixmap(16).toImage());
}

} // namespace

int main(int argc, char** argv) {
    // Each case's process runs this main anew and ends by std::exit, which
    // still lets go of the folders when they are static.
    static const UserFolders folders;
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ::testing::InitGoogleTest(&argc, argv);
    RuntimeInit(argc, argv);
    const int status = RUN_ALL_TESTS();
    RuntimePerformFinalizers();
    RuntimeExit();
    return status;
}
