#include "Localization.h"

#include <QFileInfo>
#include <QTranslator>

#include <map>
#include <memory>

namespace {

// "ja_JP.UTF-8" -> "ja"; "C" and "POSIX" name no language.
QString languageOf(const QString& locale) {
    const QString language = locale.section(QLatin1Char('.'), 0, 0)
                                 .section(QLatin1Char('@'), 0, 0)
                                 .section(QLatin1Char('_'), 0, 0)
                                 .section(QLatin1Char('-'), 0, 0);
    return language == QLatin1String("C") || language == QLatin1String("POSIX") ? QString()
                                                                                : language;
}

// The localizations lie where Linux packages put a program's data: in
// share/quillstone/translations under the prefix the executable was installed
// to, found from the executable's own folder (bin). The build tree has the
// same shape, so the program and every test find them there the same way. The
// running executable is asked of the kernel, so a tool without a Qt
// application object finds them too.
QString translationFolder() {
    const QString executable = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return QFileInfo(executable).absolutePath() +
           QStringLiteral("/../share/quillstone/translations");
}

// One translator per language, loaded on first use; none when the program
// ships no localization for that language.
const QTranslator* translatorFor(const QString& language) {
    static std::map<QString, std::unique_ptr<QTranslator>> loaded;
    const auto found = loaded.find(language);
    if (found != loaded.end())
        return found->second.get();
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("quillstone_") + language, translationFolder()))
        translator.reset();
    return loaded.emplace(language, std::move(translator)).first->second.get();
}

// The localizations the user asks for, most wanted first, from LANGUAGE (a
// colon-separated list) or else the first of LC_ALL, LC_MESSAGES and LANG.
QStringList wantedLanguages() {
    QStringList wanted;
    const QString languageList = qEnvironmentVariable("LANGUAGE");
    for (const QString& entry : languageList.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        wanted << languageOf(entry);
    if (!wanted.isEmpty())
        return wanted;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return {languageOf(value)};
    }
    return {};
}

// The localization the application runs in: the first wanted language that
// the program ships, stopping at English, which the code itself carries.
const QTranslator* runningTranslator() {
    static const QTranslator* const chosen = [] {
        for (const QString& language : wantedLanguages()) {
            if (language.isEmpty() || language == QLatin1String("en"))
                return static_cast<const QTranslator*>(nullptr);
            if (const QTranslator* translator = translatorFor(language))
                return translator;
        }
        return static_cast<const QTranslator*>(nullptr);
    }();
    return chosen;
}

} // namespace

namespace System {

String GetLocalizedString(LocalizedKey key, const String& defaultText, const String& language) {
    const QTranslator* translator =
        language.empty() ? runningTranslator()
                         : translatorFor(languageOf(QString::fromStdString(language)));
    if (!translator)
        return defaultText;
    // A translation is found by its key alone; the English text takes no part,
    // so editing it cannot lose a translation.
    const QString text = translator->translate(nullptr, key.Text());
    return text.isEmpty() ? defaultText : text.toStdString();
}

} // namespace System
