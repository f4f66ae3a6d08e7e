#include "layout/markcolour.h"
#include "layout/markrules.h"
#include "tests/gui/windowfixture.h"

#include <QLineEdit>
#include <QListWidget>

using namespace std::chrono;

namespace {

class MarkedDays : public WindowTest
{
protected:
    QListWidget *list() { return child<QListWidget>("lstMarkedDays"); }
    QStringList rows()
    {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts << list()->item(i)->text();
        return texts;
    }
    bool greyed(int row)
    {
        return list()->item(row)->foreground().color() == list()->palette().color(QPalette::Disabled, QPalette::Text);
    }
    QRgb swatchColour(int row) { return list()->item(row)->icon().pixmap(14, 14).toImage().pixel(7, 7); }
    bool enabled(const char *button) { return child<QPushButton>(button)->isEnabled(); }
};

// A reunion in 2030, then five monthly rules: in 2027 the reunion marks nothing and the five
// take the five colours; in 2030 the reunion takes the first and the fifth monthly rule none.
TEST_F(MarkedDays, ShowEachRuleWithItsColourOrWhyItMarksNothingAndFollowTheYear)
{
    MarkRule reunion;
    reunion.kind = RuleKind::Dates;
    reunion.dates = {RuleDate::full(year{2030} / August / 3)};
    reunion.label = QStringLiteral("Reunion");
    window->state().rules.push_back(reunion);
    for (int weekday = 2; weekday <= 6; ++weekday) {
        MarkRule monthly;
        monthly.kind = RuleKind::NthWeekday;
        monthly.ordinal = 1;
        monthly.weekday = weekday;
        monthly.label = QStringLiteral("Rule %1").arg(weekday);
        window->state().rules.push_back(monthly);
    }
    window->runCommand(QStringLiteral("Test"), [&] { refreshMarks(window->state()); });

    ASSERT_EQ(list()->accessibleName(), "Marked Days");
    ASSERT_EQ(list()->count(), 6);
    EXPECT_EQ(rows()[0], "Reunion: 3 Aug 2030 (no day in 2027)");
    EXPECT_EQ(rows()[1], "Rule 2: 1st Monday of every month");
    EXPECT_TRUE(greyed(0));
    EXPECT_EQ(list()->item(0)->toolTip(), "Marks nothing: no day in 2027");
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(swatchColour(row), markColour(window->state(), row - 1)) << row;

    QLineEdit *year = child<QLineEdit>("txtYear");
    year->selectAll();
    QTest::keyClicks(year, "2030");
    EXPECT_EQ(window->state().dayMark(8, 3), 0);
    EXPECT_EQ(rows()[0], "Reunion: 3 Aug 2030");
    EXPECT_FALSE(greyed(0));
    EXPECT_EQ(swatchColour(0), markColour(window->state(), 0));
    EXPECT_EQ(rows()[5], "Rule 6: 1st Friday of every month (only five colours fit the legend)");
    EXPECT_TRUE(greyed(5));
}

TEST_F(MarkedDays, ButtonsActOnTheChosenRuleWhereTheyCan)
{
    for (const char *label : {"First", "Second", "Third"}) {
        MarkRule rule;
        rule.kind = RuleKind::LastWeekday;
        rule.label = QLatin1String(label);
        window->state().rules.push_back(rule);
    }
    window->runCommand(QStringLiteral("Test"), [&] { refreshMarks(window->state()); });
    EXPECT_TRUE(enabled("cmdAddRule"));
    EXPECT_FALSE(enabled("cmdEditRule"));
    EXPECT_FALSE(enabled("cmdRemoveRule"));

    list()->setCurrentRow(0);
    EXPECT_FALSE(enabled("cmdMoveUp"));
    EXPECT_TRUE(enabled("cmdMoveDown"));
    click("cmdMoveDown");
    EXPECT_EQ(window->state().rules[1].label, "First");
    EXPECT_EQ(window->state().MarkLegend[1][1], "First"); // the order decides the colours
    EXPECT_EQ(list()->currentRow(), 1);

    list()->setCurrentRow(2);
    EXPECT_FALSE(enabled("cmdMoveDown"));
    click("cmdRemoveRule");
    ASSERT_EQ(window->state().rules.size(), 2u);
    EXPECT_EQ(window->state().MarkCount, 2);
    EXPECT_EQ(rows(), (QStringList{"Second: Last Sunday of every month", "First: Last Sunday of every month"}));
    EXPECT_EQ(list()->currentRow(), 1);
    EXPECT_EQ(window->windowTitle(), "Untitled* - Print Yearly Calenader");
}

TEST_F(MarkedDays, ImportICalendarAddsARuleForTheChosenFileAndExportWritesTheMarkedDays)
{
    iCalendarAnswer = QStringLiteral(LUNARIA_SOURCE_DIR "/examples/club.txt"); // no calendar
    child<QAction>("mnuImportICalendar")->trigger();
    EXPECT_TRUE(window->state().rules.empty());
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().contains(QLatin1String("club.txt"))) << messages.texts().first().toStdString();

    iCalendarAnswer = QStringLiteral(LUNARIA_SOURCE_DIR "/tests/data/ics/export-2024.ics");
    child<QAction>("mnuImportICalendar")->trigger();
    ASSERT_EQ(window->state().rules.size(), 1u);
    EXPECT_EQ(window->state().rules.front().kind, RuleKind::ICalendar);
    EXPECT_EQ(window->state().rules.front().source, iCalendarAnswer);
    EXPECT_EQ(list()->currentRow(), 0);
    iCalendarAnswer.clear(); // cancelled
    child<QAction>("mnuImportICalendar")->trigger();
    EXPECT_EQ(window->state().rules.size(), 1u);

    window->state().txtYear = QStringLiteral("2024");
    window->refreshWidgets();
    exportAnswer = dir.filePath(QStringLiteral("marked.ics"));
    child<QAction>("mnuExportMarkedDays")->trigger();
    QFile exported(exportAnswer);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_TRUE(exported.readAll().startsWith("BEGIN:VCALENDAR\r\n"));
}

} // namespace
