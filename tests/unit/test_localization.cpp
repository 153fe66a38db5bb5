#include "framework/Localization.h"
#include "support/Localized.h"
#include "support/RegExVelk.h"

#include <QFile>
#include <QMap>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

using Constant = String (*)(const String&);

struct Row {
    Constant constant;
    const char* key;
    const char* english;
};

const Row constantRows[] = {
    {Localized::Drop_Old_Glyphs_App, "Localized.Drop_Old_Glyphs_App", "Drop Old Glyphs App"},
    {Localized::Quillstone, "Localized.Quillstone", "Quillstone"},
    {Localized::kSave, "Localized.kSave", "Save"},
    {Localized::kOld, "Localized.kOld", "Old"},
    {Localized::Not_a_Glyphs_app, "Localized.Not_a_Glyphs_app", "Not a Glyphs app."},
    {Localized::Both_apps_are_the_same_version, "Localized.Both_apps_are_the_same_version",
     "Both apps are the same version."},
    {Localized::Drop_New_Glyphs_App, "Localized.Drop_New_Glyphs_App", "Drop New Glyphs App"},
    {Localized::kNew, "Localized.kNew", "New"},
    {Localized::Both_AJ1_Map_Files_are_the_same, "Localized.Both_AJ1_Map_Files_are_the_same",
     "Both AJ1 Map Files are the same."},
    {Localized::Drop_the_new_Glyphs_app, "Localized.Drop_the_new_Glyphs_app",
     "Drop the new Glyphs app."},
    {Localized::Drop_the_old_Glyphs_app, "Localized.Drop_the_old_Glyphs_app",
     "Drop the old Glyphs app."},
    {Localized::The_report_could_not_be_saved, "Localized.The_report_could_not_be_saved",
     "The report could not be saved."},
    {RegExVelk::kAlert_Metacharacters, "RegExVelk.kAlert_Metacharacters",
     "Metacharacters ^ $ \\b cannot be used alone."},
};

// One message of the Japanese translation file.
struct Message {
    QString english;
    QString japanese;
    QString type; // empty when finished; "unfinished", "vanished" or "obsolete" otherwise
};

// The Japanese translation file's messages by key.
QMap<QString, Message> japaneseTranslationFile() {
    QFile file(qEnvironmentVariable("QUILLSTONE_TRANSLATION_SOURCES") +
               QStringLiteral("/quillstone_ja.ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QMap<QString, Message> messages;
    QXmlStreamReader xml(&file);
    QString key;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message")) {
            key = xml.attributes().value(QLatin1String("id")).toString();
        } else if (xml.name() == QLatin1String("source")) {
            messages[key].english = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages[key].type = xml.attributes().value(QLatin1String("type")).toString();
            messages[key].japanese = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

TEST(Localization, EnglishDefaultsInTheRunningLanguageAreTheTextsToTranslate) {
    const QMap<QString, Message> messages = japaneseTranslationFile();
    for (const Row& row : constantRows) {
        EXPECT_EQ(row.constant(""), row.english);
        EXPECT_EQ(messages.value(QString::fromUtf8(row.key)).english.toStdString(), row.english)
            << row.key;
    }
}

// lupdate keeps the translation file to the keys of the code (the test
// translations_follow_the_code), so this walks every key the code declares.
TEST(Localization, EveryKeyOfTheCodeHasItsJapaneseTextInTheBuiltLocalization) {
    QTranslator japanese;
    ASSERT_TRUE(japanese.load(QStringLiteral("quillstone_ja"),
                              qEnvironmentVariable("QUILLSTONE_TRANSLATIONS")));
    int keys = 0;
    const QMap<QString, Message> messages = japaneseTranslationFile();
    for (auto message = messages.begin(); message != messages.end(); ++message) {
        if (message->type == QLatin1String("vanished") ||
            message->type == QLatin1String("obsolete"))
            continue;
        ++keys;
        const std::string key = message.key().toStdString();
        EXPECT_TRUE(message->type.isEmpty()) << key << " has no finished Japanese text";
        EXPECT_FALSE(message->japanese.isEmpty()) << key;
        EXPECT_EQ(japanese.translate(nullptr, key.c_str()), message->japanese) << key;
    }
    EXPECT_GE(keys, std::ssize(constantRows));
}

TEST(Localization, JapaneseIsFoundByTheKeyAloneAndDefaultsWhereNoneApplies) {
    for (const Row& row : constantRows) {
        const String japanese = row.constant("ja");
        EXPECT_FALSE(japanese.empty());
        if (String(row.english) != "Quillstone") {
            EXPECT_NE(japanese, row.english);
        }
    }
    EXPECT_EQ(Localized::kSave("ja"), "保存");
    EXPECT_EQ(Localized::kSave("fr"), "Save");
    EXPECT_EQ(System::GetLocalizedString(LocalizedKey("Localized.kSave"), "Save", "ja_JP.UTF-8"),
              "保存");
    // An English text edited in the code keeps its translation; a misspelt key finds none.
    EXPECT_EQ(System::GetLocalizedString(LocalizedKey("Localized.kSave"), "Save As", "ja"), "保存");
    EXPECT_EQ(System::GetLocalizedString(LocalizedKey("Localized.kSvae"), "Save", "ja"), "Save");
    EXPECT_EQ(System::GetLocalizedString(LocalizedKey("Localized.NoSuchKey"), "fallback", "ja"),
              "fallback");
}

} // namespace
