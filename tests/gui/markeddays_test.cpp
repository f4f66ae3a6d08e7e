#include "dialogs/frmrule.h"
#include "page/markcolour.h"
#include "calendar/markrules.h"
#include "tests/gui/windowfixture.h"
#include "tests/support/testsources.h"

#include <QFile>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QComboBox>
#include <QApplication>
#include <QListWidget>

using namespace std::chrono;

namespace {

// The holiday catalog and .ics reader these tests mark with.
const MarkSources &sources()
{
    static const TestSources testSources;
    return testSources;
}

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
    window->runCommand(QStringLiteral("Test"), [&] { refreshMarks(window->state(), sources()); });

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

    // The chosen rule's reason is said in full under the list, and only while there is one.
    QLabel *problem = child<QLabel>("lblRuleProblem");
    list()->setCurrentRow(5);
    EXPECT_TRUE(problem->isVisible());
    EXPECT_EQ(problem->text(), "Marks nothing: only five colours fit the legend");
    list()->setCurrentRow(1);
    EXPECT_FALSE(problem->isVisible());
}

TEST_F(MarkedDays, ButtonsActOnTheChosenRuleWhereTheyCan)
{
    for (const char *label : {"First", "Second", "Third"}) {
        MarkRule rule;
        rule.kind = RuleKind::LastWeekday;
        rule.label = QLatin1String(label);
        window->state().rules.push_back(rule);
    }
    window->runCommand(QStringLiteral("Test"), [&] { refreshMarks(window->state(), sources()); });
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

// Remove, Move Up and Move Down pressed from the keyboard leave the focus on the list, on the
// rule they moved (or the one after the removed one), even where the button disables itself.
TEST_F(MarkedDays, TheFocusStaysOnTheListAfterEachListButton)
{
    const struct
    {
        const char *button;
        int from;
        int to;  // the row chosen afterwards
    } rows[] = {{"cmdMoveUp", 1, 0}, {"cmdMoveDown", 1, 2}, {"cmdRemoveRule", 2, 1}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.button);
        window->state().rules.clear();
        for (const char *label : {"First", "Second", "Third"}) {
            MarkRule rule;
            rule.kind = RuleKind::LastWeekday;
            rule.label = QLatin1String(label);
            window->state().rules.push_back(rule);
        }
        window->runCommand(QStringLiteral("Test"), [&] { refreshMarks(window->state(), sources()); });
        list()->setCurrentRow(row.from);
        QPushButton *button = child<QPushButton>(row.button);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        EXPECT_EQ(QApplication::focusWidget(), list());
        EXPECT_EQ(list()->currentRow(), row.to);
    }
}

// The colour squares of the list are the page's colours, whichever set the Page group chose.
TEST_F(MarkedDays, TheColourSquaresFollowThePalette)
{
    for (int weekday = 1; weekday <= 5; ++weekday) {
        MarkRule rule;
        rule.kind = RuleKind::LastWeekday;
        rule.weekday = weekday;
        window->state().rules.push_back(rule);
    }
    window->runCommand(QStringLiteral("Test"), [&] { refreshMarks(window->state(), sources()); });
    QComboBox *colours = child<QComboBox>("cboColours");
    for (int choice = 0; choice < colours->count(); ++choice) {
        SCOPED_TRACE(choice);
        colours->setCurrentIndex(choice);
        for (int row = 0; row < 5; ++row)
            EXPECT_EQ(swatchColour(row), markColour(window->state(), row)) << row;
    }
}

// A calendar that marks some of its days says beside its row why not all, and in full below.
TEST_F(MarkedDays, ARuleThatMarksLessThanItShouldSaysWhy)
{
    QFile ics(dir.filePath(QStringLiteral("school.ics")));
    ASSERT_TRUE(ics.open(QIODevice::WriteOnly));
    ics.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//EN\r\n"
              "BEGIN:VEVENT\r\nUID:1\r\nDTSTART;VALUE=DATE:20270301\r\nSUMMARY:Term\r\nEND:VEVENT\r\n"
              "BEGIN:VEVENT\r\nUID:2\r\nDTSTART;VALUE=DATE:20270230\r\nSUMMARY:Never\r\nEND:VEVENT\r\n"
              "END:VCALENDAR\r\n");
    ics.close();
    MarkRule school;
    school.kind = RuleKind::ICalendar;
    school.source = ics.fileName();
    school.label = QStringLiteral("School");
    window->state().rules.push_back(school);
    window->runCommand(QStringLiteral("Test"), [&] { refreshMarks(window->state(), sources()); });
    ASSERT_EQ(window->state().ruleResults[0].status, RuleResult::Status::Marked);
    EXPECT_EQ(window->state().dayMark(3, 1), 0);
    EXPECT_FALSE(greyed(0));
    EXPECT_TRUE(rows()[0].contains(QLatin1String("line 11: the DTSTART 2027-02-30"))) << rows()[0].toStdString();
    list()->setCurrentRow(0);
    QLabel *problem = child<QLabel>("lblRuleProblem");
    EXPECT_TRUE(problem->isVisible());
    EXPECT_TRUE(problem->text().startsWith(QLatin1String("Marks less than it should:\n"))) << problem->text().toStdString();
    EXPECT_TRUE(problem->text().contains(QLatin1String("2027-02-30"))) << problem->text().toStdString();
}

TEST_F(MarkedDays, ImportICalendarAddsARuleForTheChosenFileAndExportWritesTheMarkedDays)
{
    iCalendarAnswer = QStringLiteral(LUNARIA_SOURCE_DIR "/examples/club.txt"); // no calendar
    child<QAction>("mnuImportICalendar")->trigger();
    EXPECT_TRUE(window->state().rules.empty());
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().contains(QLatin1String("club.txt"))) << messages.texts().first().toStdString();

    // A calendar file opens the rule dialog with its own name as the label, to keep or change.
    iCalendarAnswer = QStringLiteral(LUNARIA_SOURCE_DIR "/tests/data/ics/export-2024.ics");
    child<QAction>("mnuImportICalendar")->trigger();
    frmRule *dialog = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (dialog = window->findChild<frmRule *>()) && dialog->isVisible(); }, 2000));
    QLineEdit *label = dialog->findChild<QLineEdit *>(QStringLiteral("txtLabel"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Lunaria 2024");  // its X-WR-CALNAME
    label->setText(QStringLiteral("Board"));
    dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttons"))->button(QDialogButtonBox::Ok)->click();
    ASSERT_EQ(window->state().rules.size(), 1u);
    EXPECT_EQ(window->state().rules.front().label, "Board");
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
