#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
// The folders the program's translations (lunaria_de.qm ...) are looked for in, in order:
// share/lunaria/translations beside the installed program, then the build folder's.
QStringList translationFolders()
{
    // An installed program is bin/lunaria beside share/; in the build folder the program
    // (app/lunaria) and the tests (tests/test_gui) sit one folder below translations/.
    const QDir here(QCoreApplication::applicationDirPath());
    return {QDir::cleanPath(here.filePath(QStringLiteral("../share/lunaria/translations"))),
            QDir::cleanPath(here.filePath(QStringLiteral("../translations")))};
}
} // namespace

Translators installTranslations(QCoreApplication &app, const QLocale &locale)
{
    Translators installed;
    auto program = std::make_unique<QTranslator>();
    bool found = false;
    for (const QString &folder : translationFolders()) {
        // Tries "de_DE", then "de", for each of the locale's languages in turn; never a
        // lunaria.qm without a language, since none is made.
        if (program->load(locale, QStringLiteral("lunaria"), QStringLiteral("_"), folder)) {
            found = true;
            break;
        }
    }
    if (!found)
        return installed;
    // Qt's texts in the language the program's are in, not merely the first one asked for.
    const QLocale language(program->language());
    app.installTranslator(program.get());
    installed.push_back(std::move(program));

    auto qt = std::make_unique<QTranslator>();
    if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(qt.get());
        installed.push_back(std::move(qt));
    }
    return installed;
}
