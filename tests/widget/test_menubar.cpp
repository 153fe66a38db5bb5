#include "ShellTestCase.h"
#include "shell/App.h"
#include "shell/CocoaMenu.h"
#include "shell/MainMenuBar.h"
#include "shell/Startup.h"
#include "window/Window1.h"
#include "window/myListBox.h"

#include "framework/ApplicationMenuItem.h"
#include "framework/MenuBar.h"
#include "framework/QuitMenuItem.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>
#include <typeindex>

namespace {

struct Row {
    const char* menu;
    const char* name;
    std::type_index type;
    const char* text;
    const char* shortcut; // what Shortcut reads; separators keep the default
    const char* keys;     // the native key sequence
    bool autoEnabled;
};

template <class T> std::type_index type() {
    return std::type_index(typeid(T));
}

const Row rows[] = {
    {"", "FileMenu", type<MenuItem>(), "File", "", "", true},
    {"FileMenu", "FileClose", type<CocoaMenu::CocoaMenuItemClose>(), "Close", "Cmd+W", "Ctrl+W",
     false},
    {"FileMenu", "AppAbout", type<ApplicationMenuItem>(), nullptr, "", "", true},
    {"FileMenu", "FileSeparator1", type<ApplicationMenuItem>(), "-", "", "", true},
    {"FileMenu", "FileQuit", type<QuitMenuItem>(), "Quit", "Cmd+Q", "Ctrl+Q", true},
    {"", "EditMenu", type<MenuItem>(), "Edit", "", "", true},
    {"EditMenu", "EditUndo", type<MenuItem>(), "&Undo", "Cmd+Z", "Ctrl+Z", true},
    {"EditMenu", "EditRedo", type<MenuItem>(), "Redo", "Cmd+Shift+Z", "Ctrl+Shift+Z", true},
    {"EditMenu", "EditSeparator1", type<MenuItem>(), "-", "", "", true},
    {"EditMenu", "EditCut", type<MenuItem>(), "Cut", "Cmd+X", "Ctrl+X", true},
    {"EditMenu", "EditCopy", type<MenuItem>(), "Copy", "Cmd+C", "Ctrl+C", true},
    {"EditMenu", "EditPaste", type<MenuItem>(), "Paste", "Cmd+V", "Ctrl+V", true},
    {"EditMenu", "EditClear", type<MenuItem>(), "Delete", "", "", true},
    {"EditMenu", "EditSelectAll", type<CocoaMenu::CocoaMenuItemSelectAll>(), "Select All", "Cmd+A",
     "Ctrl+A", true},
    {"", "WindowMenu", type<MenuItem>(), "Window", "", "", true},
    {"WindowMenu", "WindowMinimize", type<CocoaMenu::MenuItemMinimize>(), "Minimize", "Cmd+M",
     "Ctrl+M", false},
    {"WindowMenu", "WindowZoom", type<CocoaMenu::MenuItemZoom>(), "Zoom", "", "", false},
    {"WindowMenu", "WindowSeparator1", type<MenuItem>(), "-", "", "", true},
    {"WindowMenu", "WindowBringAlltoFront", type<CocoaMenu::MenuItemBringAllToFront>(),
     "Bring All to Front", "", "", false},
    {"", "HelpMenu", type<MenuItem>(), "Help", "", "", true},
};

class MenuBarTest : public ShellTestCase {
protected:
    static std::shared_ptr<MenuBar> bar() { return App::Accessor()->MenuBar(); }
    static std::shared_ptr<MenuItem> item(const char* name) { return bar()->_Lookup(name); }

    // Opens the menu of the window's bar as the user does, then closes it again.
    static void openMenu(Window& window, const char* name) {
        auto* nativeBar = window.NativeWidget()->findChild<QMenuBar*>();
        ASSERT_NE(nativeBar, nullptr);
        QMenu* menu = item(name)->NativeMenu();
        nativeBar->setActiveAction(menu->menuAction());
        EXPECT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
        menu->close();
    }
};

TEST_F(MenuBarTest, FourMenusWithTheirItemsInOrder) {
    // The tree read menu by menu, each menu before its items, is the table.
    std::vector<std::pair<String, String>> tree;
    std::vector<std::int64_t> counts;
    for (std::int64_t m = 0; m < bar()->Count(); ++m) {
        const auto menu = bar()->Item(m);
        tree.emplace_back("", menu->Name());
        counts.push_back(menu->Count());
        for (std::int64_t i = 0; i < menu->Count(); ++i)
            tree.emplace_back(menu->Name(), menu->Item(i)->Name());
    }
    std::vector<std::pair<String, String>> expected;
    for (const Row& row : rows)
        expected.emplace_back(row.menu, row.name);
    EXPECT_EQ(tree, expected);
    EXPECT_EQ(counts, (std::vector<std::int64_t>{4, 8, 4, 0}));

    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto entry = item(row.name);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(std::type_index(typeid(*entry)), row.type);
        if (row.text) {
            EXPECT_EQ(entry->Text(), row.text);
        }
        EXPECT_EQ(entry->Shortcut(), row.shortcut);
        EXPECT_EQ(entry->NativeAction()->shortcut(), QKeySequence(QString::fromLatin1(row.keys)));
        EXPECT_EQ(entry->AutoEnabled(), row.autoEnabled);
        EXPECT_TRUE(entry->Visible());
        EXPECT_EQ(entry->NativeAction()->isSeparator(), row.text && String(row.text) == "-");
    }
    // The first "&" marks the mnemonic; Qt reads it the same way.
    EXPECT_EQ(item("EditUndo")->NativeAction()->text(), "&Undo");
}

TEST_F(MenuBarTest, TheAccessorBuildsOnceAndTheItemAccessorsLookUpByName) {
    const auto first = MainMenuBar::Accessor();
    const auto second = MainMenuBar::Accessor();
    EXPECT_EQ(first, second);
    EXPECT_EQ(std::static_pointer_cast<MenuBar>(first), bar());
    EXPECT_EQ(first->Count(), 4);
    EXPECT_EQ(first->Child("FileMenu")->Count(), 4);
    EXPECT_EQ(FileClose(), item("FileClose"));
    EXPECT_EQ(WindowBringAlltoFront(), item("WindowBringAlltoFront"));
}

TEST_F(MenuBarTest, TheAboutItemNamesTheRunningExecutable) {
    const String name = App::Accessor()->ExecutableFile()->Name();
    EXPECT_EQ(name, "test_menubar");
    EXPECT_EQ(AppAbout()->Text(), "About " + name);
}

TEST_F(MenuBarTest, WithoutAWindowEnablingChangesNothing) {
    ASSERT_EQ(App::Accessor()->WindowCount(), 0);
    FileClose()->Enabled(false);
    WindowMinimize()->Enabled(true);
    WindowZoom()->Enabled(false);
    WindowBringAlltoFront()->Enabled(false);
    App::Accessor()->Event_EnableMenuItems();
    EXPECT_FALSE(FileClose()->Enabled());
    EXPECT_TRUE(WindowMinimize()->Enabled());
    EXPECT_FALSE(WindowZoom()->Enabled());
    EXPECT_FALSE(WindowBringAlltoFront()->Enabled());
}

// The application's own rules, apart from the native items' enabling that
// runs after them: each item follows its own property of window 0.
TEST_F(MenuBarTest, TheApplicationEnablesEachItemFromItsOwnPropertyOfTheFrontWindow) {
    const auto window = openWindow();
    const struct {
        bool close, minimize, resizeable;
    } windows[] = {{true, false, false}, {false, true, false}, {false, false, true}};
    for (const auto& w : windows) {
        SCOPED_TRACE(testing::Message() << w.close << w.minimize << w.resizeable);
        window->HasCloseButton(w.close);
        window->HasMinimizeButton(w.minimize);
        window->Resizeable(w.resizeable);
        FileClose()->Enabled(!w.close);
        WindowMinimize()->Enabled(!w.minimize);
        WindowZoom()->Enabled(!w.resizeable);
        WindowBringAlltoFront()->Enabled(false);
        App::Accessor()->Event_EnableMenuItems();
        EXPECT_EQ(FileClose()->Enabled(), w.close);
        EXPECT_EQ(WindowMinimize()->Enabled(), w.minimize);
        EXPECT_EQ(WindowZoom()->Enabled(), w.resizeable);
        EXPECT_TRUE(WindowBringAlltoFront()->Enabled());
    }
}

TEST_F(MenuBarTest, OpeningAMenuEnablesTheItemsFromTheFrontWindow) {
    const auto window = openWindow();
    for (const char* name : {"FileClose", "WindowMinimize", "WindowZoom", "WindowBringAlltoFront"})
        item(name)->Enabled(false);
    item("EditUndo")->Enabled(true);
    openMenu(*window, "FileMenu");
    EXPECT_TRUE(FileClose()->Enabled());
    EXPECT_TRUE(WindowMinimize()->Enabled());
    EXPECT_TRUE(WindowZoom()->Enabled());
    EXPECT_TRUE(WindowBringAlltoFront()->Enabled());
    EXPECT_TRUE(AppAbout()->Enabled());
    EXPECT_TRUE(item("FileQuit")->Enabled());
    // Nothing in the program acts on Undo, so it does not take the user's keys.
    EXPECT_FALSE(item("EditUndo")->Enabled());

    window->HasCloseButton(false);
    window->Resizeable(false);
    openMenu(*window, "WindowMenu");
    EXPECT_FALSE(FileClose()->Enabled());
    EXPECT_FALSE(WindowZoom()->Enabled());
    EXPECT_TRUE(WindowMinimize()->Enabled());
}

TEST_F(MenuBarTest, AKeyEquivalentEnablesTheMenusFirst) {
    const auto window = openWindow();
    WindowBringAlltoFront()->Enabled(false);
    QTest::keyClick(window->ListBox1()->NativeWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(WindowBringAlltoFront()->Enabled());
}

TEST_F(MenuBarTest, AboutShowsTheStandardPanelOnce) {
    AppAbout()->NativeAction()->trigger();
    AppAbout()->NativeAction()->trigger();
    QList<QMessageBox*> panels;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            panels << box;
    ASSERT_EQ(panels.size(), 1);
    EXPECT_FALSE(panels[0]->iconPixmap().isNull());
    EXPECT_TRUE(panels[0]->text().contains("test_menubar"));
    EXPECT_EQ(panels[0]->informativeText(), "Version 1.0.2 (1.0.2d10)\nQuillstone 1.0.2");
    EXPECT_EQ(panels[0]->windowModality(), Qt::NonModal);
}

TEST_F(MenuBarTest, TheWindowIsAFrameWithTheMenuBarAboveItsContent) {
    const auto window = openWindow();
    QWidget* native = window->NativeWidget();
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(native);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), "Quillstone");
    bool hasMenuBar = false;
    for (int i = 0; i < frame->childCount(); ++i)
        hasMenuBar = hasMenuBar || frame->child(i)->role() == QAccessible::MenuBar;
    EXPECT_TRUE(hasMenuBar);

    const auto* nativeBar = native->findChild<QMenuBar*>();
    ASSERT_NE(nativeBar, nullptr);
    const int barHeight = nativeBar->height();
    EXPECT_GT(barHeight, 0);
    EXPECT_EQ(native->height(), 500 + barHeight);
    EXPECT_EQ(window->Height(), 500);
    EXPECT_EQ(window->Top(), native->geometry().top() + barHeight);
    const QWidget* list = window->ListBox1()->NativeWidget();
    EXPECT_EQ(list->mapTo(native, QPoint(0, 0)), QPoint(20, 264 + barHeight));
    EXPECT_EQ(list->height(), 216);

    window->Height(600);
    EXPECT_EQ(native->height(), 600 + barHeight);
    EXPECT_TRUE(QTest::qWaitFor([list] { return list->height() == 316; }));
}

} // namespace
