#include "calendar/dayrules.h"
#include "calendar/markrules.h"
#include "calendar/rulewords.h"
#include "tests/support/recordingdatelist.h"
#include "tests/support/testfiles.h"
#include "tests/support/testsources.h"

#include <QDate>
#include <QTemporaryDir>
#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

// The holiday catalog and .ics reader these tests mark with.
const MarkSources &sources()
{
    static const TestSources testSources;
    return testSources;
}

CalendarState calendarOf(int yearNumber, std::vector<MarkRule> rules)
{
    CalendarState state = loadDefaults(QDate(2000, 6, 1));
    state.txtYear = QString::number(yearNumber);
    state.rules = std::move(rules);
    refreshMarks(state, sources());
    return state;
}

MarkRule nth(int ordinal, int weekday, const char *label)
{
    MarkRule rule;
    rule.kind = RuleKind::NthWeekday;
    rule.ordinal = ordinal;
    rule.weekday = weekday;
    rule.label = QString::fromUtf8(label);
    return rule;
}

MarkRule dates(std::vector<RuleDate> days, const char *label)
{
    MarkRule rule;
    rule.kind = RuleKind::Dates;
    rule.dates = std::move(days);
    rule.label = QString::fromUtf8(label);
    return rule;
}

MarkRule range(RuleDate from, RuleDate to, const char *label)
{
    MarkRule rule;
    rule.kind = RuleKind::Range;
    rule.from = from;
    rule.to = to;
    rule.label = QString::fromUtf8(label);
    return rule;
}

RuleDate on(int y, unsigned m, unsigned d)
{
    return RuleDate::full(year{y} / month{m} / day{d});
}

RuleDate every(unsigned m, unsigned d)
{
    return RuleDate::yearless(month{m} / day{d});
}

// The days of the year marked with `category`, as QDates, for comparing with QDate counts.
QList<QDate> daysIn(const CalendarState &state, int yearNumber, qint16 category)
{
    QList<QDate> found;
    for (QDate d(yearNumber, 1, 1); d.year() == yearNumber; d = d.addDays(1))
        if (state.dayMark(d.month(), d.day()) == category)
            found << d;
    return found;
}

TEST(MarkLastWeekday, MatchesCountingBackWithQDateFrom1900To2100)
{
    for (int y = 1900; y <= 2100; ++y) {
        for (int weekday = 1; weekday <= 7; ++weekday) {
            MarkRule rule;
            rule.kind = RuleKind::LastWeekday;
            rule.weekday = weekday;
            const CalendarState state = calendarOf(y, {rule});
            QList<QDate> expected;
            for (int m = 1; m <= 12; ++m) {
                QDate d(y, m, QDate(y, m, 1).daysInMonth());
                while (d.dayOfWeek() % 7 + 1 != weekday)
                    d = d.addDays(-1);
                expected << d;
            }
            ASSERT_EQ(daysIn(state, y, 0), expected) << y << " weekday " << weekday;
        }
    }
}

TEST(RefreshMarks, DatesAndRangesOfOneLabelShareACategory)
{
    // Ten birthdays need one colour; the weekly rule between them takes the next one.
    const CalendarState state = calendarOf(2027, {dates({on(2027, 3, 5)}, "Birthdays"), nth(2, 3, "Club"),
                                                  dates({every(7, 14), every(11, 2)}, "Birthdays"),
                                                  range(on(2027, 8, 1), on(2027, 8, 3), "Birthdays")});
    EXPECT_EQ(state.MarkCount, 2);
    EXPECT_EQ(state.MarkLegend[0][1], QStringLiteral("Birthdays"));
    EXPECT_EQ(state.MarkLegend[1][1], QStringLiteral("Club"));
    EXPECT_EQ(daysIn(state, 2027, 0), (QList<QDate>{QDate(2027, 3, 5), QDate(2027, 7, 14), QDate(2027, 8, 1),
                                                   QDate(2027, 8, 2), QDate(2027, 8, 3), QDate(2027, 11, 2)}));
    const std::vector<int> categories{state.ruleResults[0].category, state.ruleResults[1].category,
                                      state.ruleResults[2].category, state.ruleResults[3].category};
    EXPECT_EQ(categories, (std::vector<int>{0, 1, 0, 0}));
}

TEST(RefreshMarks, ALabelIsSharedOnlyOnceItMarksADayAndComparedTrimmedAndExactly)
{
    const CalendarState state = calendarOf(2027, {dates({on(2026, 3, 5)}, "Trip"),   // another year: no category
                                                  dates({every(2, 29)}, "Trip"),      // not in a common year
                                                  nth(1, 2, "Mondays"),
                                                  dates({on(2027, 6, 1)}, " Trip "),  // the first Trip that marks
                                                  dates({on(2027, 6, 2)}, "trip")});  // another label
    using Status = RuleResult::Status;
    EXPECT_EQ(state.ruleResults[0].status, Status::NoDayThisYear);
    EXPECT_EQ(state.ruleResults[1].status, Status::NoDayThisYear);
    EXPECT_EQ(state.ruleResults[2].category, 0);
    EXPECT_EQ(state.ruleResults[3].category, 1);
    EXPECT_EQ(state.ruleResults[4].category, 2);
    EXPECT_EQ(state.MarkCount, 3);
}

TEST(RefreshMarks, RulesBeyondFiveColoursMarkNothingAndLaterRulesOverwrite)
{
    std::vector<MarkRule> rules;
    for (int weekday = 1; weekday <= 5; ++weekday)
        rules.push_back(nth(1, weekday, "weekday"));
    rules.push_back(dates({on(2027, 1, 20)}, "sixth"));   // no colour left
    rules.push_back(dates({on(2027, 1, 4)}, "weekday"));  // no shared colour: labels of DTM do not count
    CalendarState state = calendarOf(2027, rules);
    EXPECT_EQ(state.ruleResults[5].status, RuleResult::Status::NoColourLeft);
    EXPECT_EQ(state.ruleResults[6].status, RuleResult::Status::NoColourLeft);
    EXPECT_EQ(state.dayMark(1, 20), NoMark);

    // A single date after a weekly rule takes the day over, whatever the kinds.
    state = calendarOf(2027, {nth(1, 2, "Mondays"), dates({on(2027, 1, 4)}, "Party")});
    EXPECT_EQ(state.dayMark(1, 4), 1);
    EXPECT_EQ(state.dayMark(2, 1), 0);
}

TEST(RefreshMarks, ARangeIsClippedToTheCalendarYear)
{
    const CalendarState state = calendarOf(2027, {range(on(2026, 12, 28), on(2027, 1, 2), "Winter")});
    EXPECT_EQ(daysIn(state, 2027, 0), (QList<QDate>{QDate(2027, 1, 1), QDate(2027, 1, 2)}));
    const CalendarState yearly = calendarOf(2028, {range(every(2, 27), every(3, 1), "Yearly")});
    EXPECT_EQ(daysIn(yearly, 2028, 0).size(), 4); // 27, 28, 29 February and 1 March of a leap year
}

TEST(RefreshMarks, TheMarksFollowTheYear)
{
    MarkRule fortnightly;
    fortnightly.kind = RuleKind::EveryNWeeks;
    fortnightly.from = on(2027, 1, 8);
    fortnightly.weeks = 2;
    CalendarState state = calendarOf(2026, {nth(2, 3, "Club"), fortnightly});
    // In 2026 the second Tuesday of March is the 10th, and the fortnightly rule starts next year.
    EXPECT_EQ(daysIn(state, 2026, 0).at(2), QDate(2026, 3, 10));
    EXPECT_EQ(state.ruleResults[1].status, RuleResult::Status::NoDayThisYear);
    EXPECT_EQ(state.MarkCount, 1);

    state.txtYear = QStringLiteral("2027");
    refreshMarks(state, sources());
    EXPECT_EQ(state.dayMark(3, 10), NoMark);
    EXPECT_EQ(daysIn(state, 2027, 0).at(2), QDate(2027, 3, 9));
    EXPECT_EQ(daysIn(state, 2027, 1).size(), 26);
}

TEST(RefreshMarks, AYearThatIsNoYearMarksNothingAndSaysWhyPerRule)
{
    CalendarState state = calendarOf(2027, {nth(2, 3, "Club")});
    state.txtYear = QStringLiteral("99999");
    refreshMarks(state, sources());
    EXPECT_EQ(state.MarkCount, 0);
    EXPECT_EQ(state.dayMark(3, 9), NoMark);
    ASSERT_EQ(state.ruleResults.size(), 1u);
    EXPECT_EQ(state.ruleResults[0].status, RuleResult::Status::Failed);
    QString problem;
    yearFromText(state.txtYear, &problem);
    EXPECT_EQ(state.ruleResults[0].problem.compare(problem, Qt::CaseInsensitive), 0) << state.ruleResults[0].problem.toStdString();
}

TEST(ListMarkedDate, ADayWithADetailListsItAfterTheLabel)
{
    CalendarState state = calendarOf(2027, {dates({on(2027, 1, 1)}, " Public holidays (Bavaria) ")});
    state.dayDetails[0][0] = QStringLiteral("New Year's Day");
    RecordingDateList list;
    ListMarkedDate(state, list, 1, 1, 0);
    EXPECT_EQ(list.lines, QStringList{QStringLiteral("January 01  Public holidays (Bavaria) - New Year's Day")});
}

TEST(RefreshMarks, HolidaysTakeOneCategoryAndNameEachDay)
{
    MarkRule bavaria;
    bavaria.kind = RuleKind::Holidays;
    bavaria.source = QStringLiteral("DE-BY");
    CalendarState state = calendarOf(2027, {nth(1, 2, "Mondays"), bavaria});
    ASSERT_EQ(state.ruleResults[1].status, RuleResult::Status::Marked) << state.ruleResults[1].problem.toStdString();
    EXPECT_EQ(state.MarkLegend[1][1], QStringLiteral("Public holidays (Bavaria)"));
    // Easter Monday 2027 is 29 March, and Corpus Christi (27 May) is a Bavarian holiday.
    EXPECT_EQ(state.dayMark(3, 29), 1);
    EXPECT_EQ(state.dayMark(5, 27), 1);
    EXPECT_EQ(state.dayDetail(1, 1), QStringLiteral("New Year's Day"));
    EXPECT_EQ(state.dayDetail(3, 29), QStringLiteral("Easter Monday"));

    bavaria.source = QStringLiteral("XX-NOWHERE");
    state = calendarOf(2027, {bavaria});
    EXPECT_EQ(state.ruleResults[0].status, RuleResult::Status::Failed);
    EXPECT_FALSE(state.ruleResults[0].problem.isEmpty());
    EXPECT_EQ(state.MarkCount, 0);
}

// The date-list names a day by the mark that won it: the label of the later rule, and its own
// detail or none, never the name the rule it replaced gave the day.
TEST(RefreshMarks, TheRuleThatWinsADayAlsoNamesIt)
{
    MarkRule bavaria;
    bavaria.kind = RuleKind::Holidays;
    bavaria.source = QStringLiteral("DE-BY");
    ASSERT_EQ(QDate(2027, 1, 1).dayOfWeek(), Qt::Friday);
    const MarkRule firstFriday = nth(1, 6, "Club");
    for (const bool holidaysFirst : {true, false}) {
        SCOPED_TRACE(holidaysFirst);
        const CalendarState state = calendarOf(2027, holidaysFirst ? std::vector{bavaria, firstFriday} : std::vector{firstFriday, bavaria});
        RecordingDateList list;
        ListMarkedDate(state, list, 1, 1, state.dayMark(1, 1));
        EXPECT_EQ(list.lines.value(0), holidaysFirst ? QStringLiteral("January 01  Club")
                                                    : QStringLiteral("January 01  Public holidays (Bavaria) - New Year's Day"));
    }
}

// Thousands of differently named events on one day: each name once, the first ten listed and
// the rest counted, in time that grows with the count, not its square.
TEST(RefreshMarks, ADayOfManyEventsListsTenNamesAndCountsTheRest)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QByteArray ics = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//EN\r\n";
    const int events = 12000;
    for (int i = 1; i <= events; ++i)
        ics += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) + "\r\nDTSTART;VALUE=DATE:20270301\r\nSUMMARY:Event "
               + QByteArray::number((i - 1) % (events / 2) + 1) + "\r\nEND:VEVENT\r\n";
    ics += "END:VCALENDAR\r\n";
    MarkRule busy;
    busy.kind = RuleKind::ICalendar;
    busy.source = writeTestFile(dir.path(), QStringLiteral("busy.ics"), ics);
    const CalendarState state = calendarOf(2027, {busy});
    ASSERT_EQ(state.ruleResults[0].status, RuleResult::Status::Marked) << state.ruleResults[0].problem.toStdString();
    QStringList expected;
    for (int i = 1; i <= MaxNamesPerDay; ++i)
        expected << QStringLiteral("Event %1").arg(i);
    EXPECT_EQ(state.dayDetail(3, 1), expected.join(QStringLiteral(", ")) + QStringLiteral(" and ") + QLocale().toString(5990) + QStringLiteral(" more"));
}

// A continuing series marks the days it reaches in the year wherever it started: checked by
// walking day by day from its start, for starts before, in and after the year.
TEST(RefreshMarks, AContinuingSeriesMarksTheDaysItReachesInTheYear)
{
    for (const QDate start : {QDate(2020, 2, 29), QDate(2026, 12, 25), QDate(2027, 1, 1), QDate(2027, 6, 30), QDate(2028, 1, 3)})
        for (const int weeks : {1, 2, 3, 5}) {
            SCOPED_TRACE(start.toString(Qt::ISODate).toStdString() + " every " + std::to_string(weeks));
            MarkRule series;
            series.kind = RuleKind::ContinuingWeeks;
            series.from = on(start.year(), unsigned(start.month()), unsigned(start.day()));
            series.weeks = qint16(weeks);
            series.label = QStringLiteral("Bins");
            const CalendarState state = calendarOf(2027, {series});
            QList<QDate> expected;
            int sinceStart = 0;
            for (QDate d = start; d.year() <= 2027; d = d.addDays(1), ++sinceStart)
                if (d.year() == 2027 && sinceStart % (7 * weeks) == 0)
                    expected << d;
            EXPECT_EQ(daysIn(state, 2027, 0), expected);
            EXPECT_EQ(state.ruleResults[0].status, expected.isEmpty() ? RuleResult::Status::NoDayThisYear : RuleResult::Status::Marked);
        }
}

TEST(DescribeRule, SaysTheRuleInWords)
{
    MarkRule fortnightly;
    fortnightly.kind = RuleKind::EveryNWeeks;
    fortnightly.from = on(2027, 1, 8);
    fortnightly.weeks = 2;
    MarkRule continued = fortnightly;
    continued.kind = RuleKind::ContinuingWeeks;
    continued.from = on(2026, 12, 25);
    MarkRule last;
    last.kind = RuleKind::LastWeekday;
    last.weekday = 6;
    const struct
    {
        MarkRule rule;
        const char *words;
    } rows[] = {
        {nth(2, 3, ""), "2nd Tuesday of every month"},
        {nth(1, 1, ""), "1st Sunday of every month"},
        {last, "Last Friday of every month"},
        {fortnightly, "Every 2 weeks from 8 Jan 2027"},
        {continued, "Every 2 weeks since 25 Dec 2026"},
        {dates({on(2027, 1, 1), every(3, 5), on(2027, 4, 1)}, ""), "3 dates"},
        {dates({every(3, 5)}, ""), "5 Mar every year"},
        {range(on(2027, 7, 12), on(2027, 7, 23), ""), "12 Jul 2027 - 23 Jul 2027"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(describeRule(row.rule, sources().holidays), QString::fromUtf8(row.words));
}

} // namespace
