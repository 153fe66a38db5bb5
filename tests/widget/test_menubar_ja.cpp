#include "shell/App.h"
#include "shell/Startup.h"

#include "framework/MenuBar.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// This program runs as a Japanese user would: the running language is chosen
// from the environment before the first text is looked up.
const bool japaneseUser = [] {
    setenv("LANGUAGE", "ja", 1);
    return true;
}();

TEST(JapaneseMenus, CaptionsAndTheAboutItemFollowTheLanguage) {
    ASSERT_TRUE(japaneseUser);
    _NewAppInstance();
    App::Accessor()->Event_Open();
    const auto bar = App::Accessor()->MenuBar();
    const std::pair<const char*, const char*> captions[] = {
        {"FileMenu", "ファイル"},
        {"FileClose", "閉じる"},
        {"EditMenu", "編集"},
        {"EditCut", "カット"},
        {"EditCopy", "コピー"},
        {"EditPaste", "ペースト"},
        {"EditClear", "削除"},
        {"EditSelectAll", "すべてを選択"},
        {"WindowMenu", "ウインドウ"},
        {"WindowMinimize", "しまう"},
        {"WindowZoom", "拡大/縮小"},
        {"WindowBringAlltoFront", "すべてを手前に移動"},
        {"HelpMenu", "ヘルプ"},
        // Fixed texts, the same in every language.
        {"FileQuit", "Quit"},
        {"EditUndo", "&Undo"},
        {"EditRedo", "Redo"},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(bar->_Lookup(name)->Text(), caption) << name;
    EXPECT_EQ(AppAbout()->Text(), "test_menubar_ja について");
}

} // namespace
