#include "app/pagesettingsgroup.h"
#include "tests/gui/windowfixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(PageSettingsGroup, EveryControlIsNamedByItsLabel)
{
    CalendarState state = loadDefaults(QDate(2026, 12, 8));
    PageSettingsGroup group(state);
    group.show();
    for (const char *name : {"Language", "WeekStart", "Paper", "Colours"}) {
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
    // Languages under their own names.
    auto *language = group.findChild<QComboBox *>(QStringLiteral("cboLanguage"));
    EXPECT_EQ(language->itemData(language->findText(QStringLiteral("Deutsch (Deutschland)"))), QStringLiteral("de_DE"));
}

TEST(PageSettingsGroup, EachChangeEditsTheStateAndSaysSoWhileRefreshingIsSilent)
{
    CalendarState state = loadDefaults(QDate(2026, 12, 8));
    PageSettingsGroup group(state);
    QSignalSpy changed(&group, &PageSettingsGroup::changed);
    auto combo = [&group](const char *name) { return group.findChild<QComboBox *>(QLatin1String(name)); };
    auto *weekNumbers = group.findChild<QCheckBox *>(QStringLiteral("chkWeekNumbers"));
    combo("cboLanguage")->setCurrentIndex(combo("cboLanguage")->findData(QStringLiteral("de_DE")));
    combo("cboWeekStart")->setCurrentIndex(combo("cboWeekStart")->findText(QStringLiteral("As the language has it")));
    weekNumbers->setChecked(true);
    combo("cboPaper")->setCurrentIndex(combo("cboPaper")->findText(QStringLiteral("A4")));
    combo("cboColours")->setCurrentIndex(combo("cboColours")->findText(QStringLiteral("Patterns")));
    EXPECT_EQ(state.page, (PageSettings{QStringLiteral("de_DE"), 0, true, Paper::A4, Palette::Patterns}));
    EXPECT_EQ(changed.count(), 5);

    // What a control file set is shown without counting as a change; "ru" shows as Russia's.
    state.page = PageSettings{QStringLiteral("ru"), 7, false, Paper::A5, Palette::Safe};
    group.refresh();
    EXPECT_EQ(changed.count(), 5);
    EXPECT_EQ(combo("cboLanguage")->currentData(), QStringLiteral("ru_RU"));
    EXPECT_EQ(combo("cboWeekStart")->currentText(), QStringLiteral("Saturday"));
    EXPECT_FALSE(weekNumbers->isChecked());
    EXPECT_EQ(combo("cboPaper")->currentText(), QStringLiteral("A5"));
    EXPECT_EQ(combo("cboColours")->currentText(), QStringLiteral("Colour-blind safe"));
    EXPECT_EQ(state.page.language, QStringLiteral("ru"));
}

using PageGroupInWindow = WindowTest;

TEST_F(PageGroupInWindow, ThePreviewShowsTheChosenSheet)
{
    window->resize(1000, 900);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->previewImage().isNull(); }, 5000));
    const QImage letter = window->previewImage();
    EXPECT_NEAR(double(letter.width()) / letter.height(), 8.5 / 11, 0.01);
    auto *paper = child<QComboBox>("cboPaper");
    paper->setCurrentIndex(paper->findText(QStringLiteral("Legal")));
    EXPECT_EQ(window->state().page.paper, Paper::Legal);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->previewImage().size() != letter.size(); }, 5000));
    EXPECT_NEAR(double(window->previewImage().width()) / window->previewImage().height(), 8.5 / 14, 0.01);
}

} // namespace
