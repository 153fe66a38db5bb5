#include "support/FileTypeGroup1.h"
#include "window/Window1.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>

namespace {

struct Bounds {
    std::int64_t width, height, left, top;
    friend bool operator==(const Bounds&, const Bounds&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Bounds& b) {
        return out << b.width << "x" << b.height << " at " << b.left << "," << b.top;
    }
};

const Bounds designed{370, 500, 10, 50};

// Every test has a data folder of its own (see TestMain); the preference
// file is named after this program.
QString prefsFolder() {
    return qEnvironmentVariable("XDG_DATA_HOME") + "/test_window_bounds";
}

QString prefsFile() {
    return prefsFolder() + "/test_window_bounds.pref";
}

std::shared_ptr<Window1> openWindow() {
    FileTypeGroup1::_Initialize();
    auto window = Window1::Accessor();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window->NativeWidget()));
    return window;
}

Bounds boundsOf(const Window& window) {
    return {window.Width(), window.Height(), window.Left(), window.Top()};
}

// Closes the window the way the user does, with its close box.
void closeWindow(const std::shared_ptr<Window1>& window) {
    window->NativeWidget()->close();
    QCoreApplication::sendPostedEvents();
}

std::optional<Bounds> storedBounds() {
    QFile file(prefsFile());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject prefs = QJsonDocument::fromJson(file.readAll()).object();
    return Bounds{prefs["WinWidth"].toInteger(), prefs["WinHeight"].toInteger(),
                  prefs["WinLeft"].toInteger(), prefs["WinTop"].toInteger()};
}

} // namespace

TEST(Window1Bounds, ReopensWhereAndAsLargeAsItWasClosed) {
    auto window = openWindow();
    EXPECT_EQ(boundsOf(*window), designed);
    EXPECT_FALSE(QFile::exists(prefsFile()));

    window->Width(500);
    window->Height(450);
    window->Left(60);
    window->Top(70);
    const Bounds moved{500, 450, 60, 70};
    QTRY_COMPARE(boundsOf(*window), moved);
    closeWindow(window);
    EXPECT_EQ(storedBounds(), moved);

    window = openWindow();
    QTRY_COMPARE(boundsOf(*window), moved);
    closeWindow(window);
}

// A file that cannot be read, is no JSON object, lacks a member or holds
// something other than whole numbers is passed over in silence; the next
// close writes it afresh where it can.
TEST(Window1Bounds, AnUnusableFileOpensTheDesignedBounds) {
    const std::pair<const char*, QByteArray> files[] = {
        {"not JSON", "The window was wide."},
        {"empty", ""},
        {"a member missing", R"({"WinWidth": 600, "WinHeight": 450, "WinLeft": 60})"},
        {"a text", R"({"WinWidth": "600", "WinHeight": 450, "WinLeft": 60, "WinTop": 70})"},
        {"a fraction", R"({"WinWidth": 600.5, "WinHeight": 450, "WinLeft": 60, "WinTop": 70})"},
        {"an object", R"({"WinWidth": {}, "WinHeight": 450, "WinLeft": 60, "WinTop": 70})"},
        {"no object", "[600, 450, 60, 70]"},
    };
    for (const auto& [what, text] : files) {
        SCOPED_TRACE(what);
        QDir().mkpath(prefsFolder());
        QFile file(prefsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();

        const auto window = openWindow();
        EXPECT_EQ(boundsOf(*window), designed);
        closeWindow(window);
        EXPECT_EQ(storedBounds(), designed);
    }

    SCOPED_TRACE("a folder where the file belongs");
    QFile::remove(prefsFile());
    QDir().mkpath(prefsFile());
    const auto window = openWindow();
    EXPECT_EQ(boundsOf(*window), designed);
    closeWindow(window);
    EXPECT_TRUE(QFileInfo(prefsFile()).isDir());
}
