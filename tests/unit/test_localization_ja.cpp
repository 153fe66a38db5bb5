#include "framework/Localization.h"
#include "support/Localized.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// This program runs as a Japanese user would: the running language is chosen
// from the environment before the first text is looked up.
const bool japaneseUser = [] {
    setenv("LANGUAGE", "fr:ja_JP.UTF-8:en", 1);
    setenv("LANG", "en_US.UTF-8", 1);
    return true;
}();

TEST(JapaneseUser, TheRunningLanguageIsTheFirstShippedOneOfLanguage) {
    ASSERT_TRUE(japaneseUser);
    EXPECT_EQ(Localized::kOld(), "旧");
    EXPECT_EQ(Localized::Not_a_Glyphs_app(), "Glyphs アプリケーションではありません。");
    EXPECT_EQ(System::GetLocalizedString(LocalizedKey("Localized.kSave"), "Save", ""), "保存");
    EXPECT_EQ(System::GetLocalizedString(LocalizedKey("Localized.NoSuchKey"), "fallback", ""),
              "fallback");
    EXPECT_EQ(Localized::kOld("en"), "Old");
}

} // namespace
