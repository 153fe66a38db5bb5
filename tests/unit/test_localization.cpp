#include "framework/Localization.h"
#include "support/Localized.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using Constant = String (*)(const String&);

struct Row {
    Constant constant;
    const char* english;
};

const Row localizedRows[] = {
    {Localized::Drop_Old_Glyphs_App, "Drop Old Glyphs App"},
    {Localized::Quillstone, "Quillstone"},
    {Localized::kSave, "Save"},
    {Localized::kOld, "Old"},
    {Localized::Not_a_Glyphs_app, "Not a Glyphs app."},
    {Localized::Both_apps_are_the_same_version, "Both apps are the same version."},
    {Localized::Drop_New_Glyphs_App, "Drop New Glyphs App"},
    {Localized::kNew, "New"},
    {Localized::Both_AJ1_Map_Files_are_the_same, "Both AJ1 Map Files are the same."},
    {Localized::Drop_the_new_Glyphs_app, "Drop the new Glyphs app."},
    {Localized::Drop_the_old_Glyphs_app, "Drop the old Glyphs app."},
    {Localized::The_report_could_not_be_saved, "The report could not be saved."},
};

TEST(Localization, EnglishDefaultsInTheRunningLanguage) {
    for (const Row& row : localizedRows)
        EXPECT_EQ(row.constant(""), row.english);
}

TEST(Localization, JapaneseForEveryKeyAndDefaultsWhereNoneApplies) {
    for (const Row& row : localizedRows) {
        const String japanese = row.constant("ja");
        EXPECT_FALSE(japanese.empty());
        if (String(row.english) != "Quillstone") {
            EXPECT_NE(japanese, row.english);
        }
    }
    EXPECT_EQ(Localized::kSave("ja"), "保存");
    EXPECT_EQ(Localized::kSave("fr"), "Save");
    EXPECT_EQ(System::GetLocalizedString("LocalizedMenu.kLang", "en", "ja_JP.UTF-8"), "ja");
    EXPECT_EQ(System::GetLocalizedString("LocalizedMenu.kMinimize", "Minimize", "ja"), "しまう");
    EXPECT_EQ(System::GetLocalizedString("Localized.NoSuchKey", "fallback", "ja"), "fallback");
    EXPECT_EQ(System::GetLocalizedString("RegExVelk.kAlert_Metacharacters",
                                         "Metacharacters ^ $ \\b cannot be used alone.", "ja"),
              "メタ文字 ^ $ \\b は単独では使用できません。");
}

} // namespace
