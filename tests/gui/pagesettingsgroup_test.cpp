#include "app/pagesettingsgroup.h"
#include "tests/gui/windowfixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

TEST(PageSettingsGroup, EveryControlIsNamedByItsLabel)
{
    CalendarState state = loadDefaults(QDate(2026, 12, 8));
    PageSettingsGroup group(state);
    group.show();
    const std::pair<const char *, const char *> labelled[] = {
        {"lblLanguage", "cboLanguage"}, {"lblWeekStart", "cboWeekStart"}, {"lblPaper", "cboPaper"}, {"lblColours", "cboColours"}};
    for (const auto &[label, control] : labelled) {
        SCOPED_TRACE(control);
        auto *l = group.findChild<QLabel *>(QLatin1String(label));
        auto *c = group.findChild<QComboBox *>(QLatin1String(control));
        ASSERT_NE(l, nullptr);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(l->buddy(), c);
        EXPECT_EQ(c->accessibleName(), QString(l->text()).remove(QLatin1Char('&')));
        // A screen reader finds the label through the combo box's label relation.
        bool labelled = false;
        for (const auto &[related, relation] : QAccessible::queryAccessibleInterface(c)->relations(QAccessible::Label))
            labelled |= related->object() == l;
        EXPECT_TRUE(labelled);
    }
    auto *weekNumbers = group.findChild<QCheckBox *>(QStringLiteral("chkWeekNumbers"));
    ASSERT_NE(weekNumbers, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(weekNumbers)->text(QAccessible::Name), QStringLiteral("Week numbers"));
}

TEST(PageSettingsGroup, ShowsTheDefaultsAndOffersEveryChoice)
{
    CalendarState state = loadDefaults(QDate(2026, 12, 8));
    PageSettingsGroup group(state);
    auto *language = group.findChild<QComboBox *>(QStringLiteral("cboLanguage"));
    auto *weekStart = group.findChild<QComboBox *>(QStringLiteral("cboWeekStart"));
    auto *paper = group.findChild<QComboBox *>(QStringLiteral("cboPaper"));
    auto *colours = group.findChild<QComboBox *>(QStringLiteral("cboColours"));
    EXPECT_EQ(language->currentText(), QStringLiteral("As the desktop has it"));
    EXPECT_EQ(weekStart->currentText(), QStringLiteral("Sunday"));
    EXPECT_EQ(paper->currentText(), QStringLiteral("As the printer has it"));
    EXPECT_EQ(colours->currentText(), QStringLiteral("Classic"));
    // Languages under their own names.
    EXPECT_GE(language->findText(QStringLiteral("Deutsch (Deutschland)")), 0);
    EXPECT_GE(language->findText(QString::fromUtf8("русский (Россия)")), 0);
    EXPECT_GE(language->findData(QStringLiteral("he_IL")), 0);
    EXPECT_GT(language->count(), 100);
    EXPECT_EQ(weekStart->count(), 8);
    EXPECT_EQ(weekStart->itemText(0), QStringLiteral("As the language has it"));
    QStringList papers;
    for (int i = 0; i < paper->count(); ++i)
        papers << paper->itemText(i);
    EXPECT_EQ(papers, (QStringList{"As the printer has it", "Letter", "Legal", "A4", "A3", "A5"}));
    QStringList palettes;
    for (int i = 0; i < colours->count(); ++i)
        palettes << colours->itemText(i);
    EXPECT_EQ(palettes, (QStringList{"Classic", "Colour-blind safe", "Patterns"}));
}

TEST(PageSettingsGroup, EachChangeEditsTheStateAndSaysSo)
{
    CalendarState state = loadDefaults(QDate(2026, 12, 8));
    PageSettingsGroup group(state);
    QSignalSpy changed(&group, &PageSettingsGroup::changed);
    auto *language = group.findChild<QComboBox *>(QStringLiteral("cboLanguage"));
    language->setCurrentIndex(language->findData(QStringLiteral("de_DE")));
    EXPECT_EQ(state.page.language, QStringLiteral("de_DE"));
    group.findChild<QComboBox *>(QStringLiteral("cboWeekStart"))->setCurrentIndex(0);
    EXPECT_EQ(state.page.weekStart, 0);
    group.findChild<QCheckBox *>(QStringLiteral("chkWeekNumbers"))->setChecked(true);
    EXPECT_TRUE(state.page.weekNumbers);
    group.findChild<QComboBox *>(QStringLiteral("cboPaper"))->setCurrentIndex(3);
    EXPECT_EQ(state.page.paper, Paper::A4);
    group.findChild<QComboBox *>(QStringLiteral("cboColours"))->setCurrentIndex(2);
    EXPECT_EQ(state.page.palette, Palette::Patterns);
    EXPECT_EQ(changed.count(), 5);

    // What a control file set is shown without counting as a change.
    state.page = PageSettings{QStringLiteral("ru"), 7, false, Paper::A5, Palette::Safe};
    group.refresh();
    EXPECT_EQ(changed.count(), 5);
    // "ru" is shown as the listed Russian of Russia, and stays "ru" in the state.
    EXPECT_EQ(language->currentData().toString(), QStringLiteral("ru_RU"));
    EXPECT_EQ(group.findChild<QComboBox *>(QStringLiteral("cboWeekStart"))->currentText(), QStringLiteral("Saturday"));
    EXPECT_FALSE(group.findChild<QCheckBox *>(QStringLiteral("chkWeekNumbers"))->isChecked());
    EXPECT_EQ(group.findChild<QComboBox *>(QStringLiteral("cboPaper"))->currentText(), QStringLiteral("A5"));
    EXPECT_EQ(group.findChild<QComboBox *>(QStringLiteral("cboColours"))->currentText(), QStringLiteral("Colour-blind safe"));
    EXPECT_EQ(state.page, (PageSettings{QStringLiteral("ru"), 7, false, Paper::A5, Palette::Safe}));
}

using PageGroupInWindow = WindowTest;

TEST_F(PageGroupInWindow, ThePreviewTakesTheChosenPaper)
{
    window->resize(1000, 900);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->previewImage().isNull(); }, 5000));
    const QImage letter = window->previewImage();
    // Letter is 8.5 x 11 in.
    EXPECT_NEAR(double(letter.width()) / letter.height(), 8.5 / 11, 0.01);
    auto *paper = child<QComboBox>("cboPaper");
    paper->setCurrentIndex(paper->findText(QStringLiteral("Legal")));
    EXPECT_EQ(window->state().page.paper, Paper::Legal);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->previewImage().size() != letter.size(); }, 5000));
    const QImage legal = window->previewImage();
    EXPECT_NEAR(double(legal.width()) / legal.height(), 8.5 / 14, 0.01);
}

TEST_F(PageGroupInWindow, AControlFileShowsInTheGroup)
{
    window->state().page.palette = Palette::Patterns;
    window->refreshWidgets();
    EXPECT_EQ(child<QComboBox>("cboColours")->currentText(), QStringLiteral("Patterns"));
}

} // namespace
