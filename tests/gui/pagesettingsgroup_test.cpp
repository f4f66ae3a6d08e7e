#include "app/pagesettingsgroup.h"
#include "tests/gui/windowfixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(PageSettingsGroup, EveryControlIsNamedByItsLabel)
{
    PageSettingsGroup group;
    group.show();
    for (const char *name : {"Language", "WeekStart", "Paper", "Colours", "FirstMonth"}) {
        auto *l = group.findChild<QLabel *>(QStringLiteral("lbl") + QLatin1String(name));
        auto *c = group.findChild<QComboBox *>(QStringLiteral("cbo") + QLatin1String(name));
        ASSERT_TRUE(l && c) << name;
        EXPECT_EQ(l->buddy(), c);
        EXPECT_EQ(c->accessibleName(), QString(l->text()).remove(QLatin1Char('&')));
        // A screen reader finds the label through the combo box's label relation.
        const auto relations = QAccessible::queryAccessibleInterface(c)->relations(QAccessible::Label);
        EXPECT_TRUE(std::any_of(relations.begin(), relations.end(), [l](const auto &r) { return r.first->object() == l; }));
    }
    EXPECT_EQ(group.findChild<QCheckBox *>(QStringLiteral("chkWeekNumbers"))->accessibleName(), QStringLiteral("Week numbers"));
    EXPECT_EQ(group.findChild<QCheckBox *>(QStringLiteral("chkMoonPhases"))->accessibleName(), QStringLiteral("Moon phases"));
    // The months in the desktop's language (English here), January first.
    auto *months = group.findChild<QComboBox *>(QStringLiteral("cboFirstMonth"));
    ASSERT_EQ(months->count(), 12);
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(months->itemText(m - 1), QLocale::c().standaloneMonthName(m)) << m;
    EXPECT_EQ(months->currentText(), "January");
    // Languages under their own names.
    auto *language = group.findChild<QComboBox *>(QStringLiteral("cboLanguage"));
    EXPECT_EQ(language->itemData(language->findText(QStringLiteral("Deutsch (Deutschland)"))), QStringLiteral("de_DE"));
}

TEST(PageSettingsGroup, EachChangeSaysTheSettingsWhileShowingThemIsSilent)
{
    PageSettingsGroup group;
    QList<PageSettings> said;
    QObject::connect(&group, &PageSettingsGroup::pageChanged, [&](const PageSettings &page) { said << page; });
    auto combo = [&group](const char *name) { return group.findChild<QComboBox *>(QLatin1String(name)); };
    auto *weekNumbers = group.findChild<QCheckBox *>(QStringLiteral("chkWeekNumbers"));
    auto *moon = group.findChild<QCheckBox *>(QStringLiteral("chkMoonPhases"));
    combo("cboLanguage")->setCurrentIndex(combo("cboLanguage")->findData(QStringLiteral("de_DE")));
    combo("cboWeekStart")->setCurrentIndex(combo("cboWeekStart")->findText(QStringLiteral("As the language has it")));
    weekNumbers->setChecked(true);
    combo("cboPaper")->setCurrentIndex(combo("cboPaper")->findText(QStringLiteral("A4")));
    combo("cboColours")->setCurrentIndex(combo("cboColours")->findText(QStringLiteral("Patterns")));
    combo("cboFirstMonth")->setCurrentIndex(combo("cboFirstMonth")->findText(QStringLiteral("August")));
    moon->setChecked(true);
    ASSERT_EQ(said.size(), 7);
    EXPECT_EQ(said.last(), (PageSettings{QStringLiteral("de_DE"), 0, true, Paper::A4, Palette::Patterns, 8, true}));
    EXPECT_EQ(said[4].firstMonth, 1);  // each change says the others as they were
    EXPECT_FALSE(said[5].moonPhases);

    // What a control file set is shown without counting as a change; "ru" shows as Russia's.
    group.showSettings(PageSettings{QStringLiteral("ru"), 7, false, Paper::A5, Palette::Safe, 12, false});
    EXPECT_EQ(said.size(), 7);
    EXPECT_EQ(combo("cboLanguage")->currentData(), QStringLiteral("ru_RU"));
    EXPECT_EQ(combo("cboWeekStart")->currentText(), QStringLiteral("Saturday"));
    EXPECT_FALSE(weekNumbers->isChecked());
    EXPECT_EQ(combo("cboPaper")->currentText(), QStringLiteral("A5"));
    EXPECT_EQ(combo("cboColours")->currentText(), QStringLiteral("Colour-blind safe"));
    EXPECT_EQ(combo("cboFirstMonth")->currentText(), QStringLiteral("December"));
    EXPECT_FALSE(moon->isChecked());
}

using PageGroupInWindow = WindowTest;

TEST_F(PageGroupInWindow, ThePreviewShowsTheChosenSheet)
{
    window->resize(1000, 900);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !previewImage().isNull(); }, 5000));
    const QImage letter = previewImage();
    EXPECT_NEAR(double(letter.width()) / letter.height(), 8.5 / 11, 0.01);
    auto *paper = child<QComboBox>("cboPaper");
    paper->setCurrentIndex(paper->findText(QStringLiteral("Legal")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return previewImage().size() != letter.size(); }, 5000));
    EXPECT_NEAR(double(previewImage().width()) / previewImage().height(), 8.5 / 14, 0.01);
    EXPECT_TRUE(savedAs(QStringLiteral("legal.txt")).contains(QLatin1String("PAP Legal\r\n")));
}

} // namespace
