#include "app/translations.h"
#include "dialogs/frmrule.h"
#include "calendar/markrules.h"
#include "calendar/rulewords.h"
#include "tests/gui/windowfixture.h"
#include "tests/support/testsources.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

// The holiday catalog and .ics reader these tests mark with.
const MarkSources &sources()
{
    static const TestSources testSources;
    return testSources;
}

// The main window made after the translation of `locale` was installed, and the translation
// removed again once the window is gone, so the other tests stay in English.
class TranslatedWindow : public WindowTest
{
protected:
    Translators translations;

    void install(const QLocale &locale)
    {
        translations = installTranslations(*QCoreApplication::instance(), locale);
        WindowTest::SetUp();
    }
    void SetUp() override {}
    void TearDown() override
    {
        WindowTest::TearDown();
        translations.clear();
    }
    QString fileMenu() { return child<QMenu>("mnuFile")->title(); }
};

struct Language
{
    const char *name;
    QLocale::Language language;
    QLocale::Territory territory;
    const char *title;
    const char *printButton;
    const char *fileMenu;
    const char *everySecondTuesday; // describeRule, outside any QObject
    const char *cancel;             // Qt's own standard button
    const char *device;             // the built-in device, said in the language
};

const Language Languages[] = {
    {"german", QLocale::German, QLocale::Germany, "Jahreskalender drucken", "Kalender drucken", "&Datei",
     "Jeden 2. Dienstag im Monat", "Abbrechen", "Drucker: PDF-Datei"},
    {"swiss_german_falls_back_to_german", QLocale::German, QLocale::Switzerland, "Jahreskalender drucken",
     "Kalender drucken", "&Datei", "Jeden 2. Dienstag im Monat", "Abbrechen", "Drucker: PDF-Datei"},
    {"french", QLocale::French, QLocale::France, "Imprimer un calendrier annuel", "Imprimer le(s) calendrier(s)",
     "&Fichier", "Le 2e mardi de chaque mois", "Annuler", "Imprimante\u00a0: fichier PDF"},
};

class InUserLanguage : public TranslatedWindow, public ::testing::WithParamInterface<Language>
{
};

TEST_P(InUserLanguage, WindowMenusAndMessagesAreTranslated)
{
    const Language &row = GetParam();
    install(QLocale(row.language, row.territory));
    ASSERT_FALSE(translations.empty());
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(row.title));
    EXPECT_EQ(child<QPushButton>("cmdPrint")->text(), QString::fromUtf8(row.printButton));
    EXPECT_EQ(fileMenu(), QString::fromUtf8(row.fileMenu));
    // Not half translated: the built-in device's name is said in the language too.
    EXPECT_EQ(child<QLabel>("lblDevice")->accessibleName(), QString::fromUtf8(row.device));

    MarkRule rule;
    rule.kind = RuleKind::NthWeekday;
    rule.ordinal = 2;
    rule.weekday = 3;
    EXPECT_EQ(describeRule(rule, sources().holidays), QString::fromUtf8(row.everySecondTuesday));

    // Qt's standard buttons come from Qt's own translations, where Debian has them installed.
    const QString qtTranslation = QLibraryInfo::path(QLibraryInfo::TranslationsPath)
                                  + QStringLiteral("/qtbase_%1.qm").arg(QLocale(row.language).name().left(2));
    if (QFileInfo::exists(qtTranslation)) {
        frmRule dialog(messages, sources());
        const auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttons"));
        ASSERT_NE(buttons, nullptr);
        EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QString::fromUtf8(row.cancel));
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, InUserLanguage, ::testing::ValuesIn(Languages),
                         [](const ::testing::TestParamInfo<Language> &info) { return std::string(info.param.name); });

struct Untranslated
{
    const char *name;
    QLocale locale;
};

class WithoutTranslation : public TranslatedWindow, public ::testing::WithParamInterface<Untranslated>
{
};

// Nothing is loaded, so not even Qt's buttons change: the window is the English one.
TEST_P(WithoutTranslation, NothingIsInstalledAndTheWindowStaysEnglish)
{
    install(GetParam().locale);
    EXPECT_TRUE(translations.empty());
    EXPECT_EQ(window->windowTitle(), "Print Yearly Calenader");
    EXPECT_EQ(child<QPushButton>("cmdPrint")->text(), "Print Calendar(s)");
    EXPECT_EQ(fileMenu(), "&File");
}

INSTANTIATE_TEST_SUITE_P(Locales, WithoutTranslation,
                         ::testing::Values(Untranslated{"c_locale", QLocale::c()},
                                           Untranslated{"english", QLocale(QLocale::English, QLocale::UnitedStates)},
                                           Untranslated{"spanish_has_none", QLocale(QLocale::Spanish, QLocale::Spain)}),
                         [](const ::testing::TestParamInfo<Untranslated> &info) { return std::string(info.param.name); });

TEST(Translations, RemovingThemBringsTheEnglishBack)
{
    {
        const Translators german = installTranslations(*QCoreApplication::instance(), QLocale(QLocale::German));
        ASSERT_FALSE(german.empty());
        ASSERT_EQ(weekdayName(1), "Sonntag");
    }
    EXPECT_EQ(weekdayName(1), "Sunday");
}

} // namespace
