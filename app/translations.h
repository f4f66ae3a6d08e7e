#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <vector>

class QCoreApplication;

// Translators installed into the application; destroying one removes it again, and the
// texts it translated read in English once more.
using Translators = std::vector<std::unique_ptr<QTranslator>>;

// Installs the program's translation for the first of `locale`'s languages that has one,
// and with it Qt's own for that language (the standard buttons), if Qt's are installed.
// Installs nothing for a language without a translation, English and the C locale among
// them, so the window stays in English. Keep the result as long as the texts are wanted.
Translators installTranslations(QCoreApplication &app, const QLocale &locale = QLocale());
