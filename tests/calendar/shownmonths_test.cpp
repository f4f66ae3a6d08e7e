// A page from any month: every rule marks the days of the twelve months shown, across New
// Year, and yearly dates carry their age. The expected days are found by walking the page's
// days one by one with QDate, not by the rules' own arithmetic.

#include "calendar/dayrules.h"
#include "calendar/markexport.h"
#include "calendar/markrules.h"
#include "tests/support/recordingdatelist.h"
#include "tests/support/testfiles.h"
#include "tests/support/testsources.h"

#include <QDate>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace std::chrono;

namespace {

const MarkSources &sources()
{
    static const TestSources testSources;
    return testSources;
}

RuleDate on(int y, unsigned m, unsigned d)
{
    return RuleDate::full(year{y} / month{m} / day{d});
}

RuleDate every(unsigned m, unsigned d)
{
    return RuleDate::yearless(month{m} / day{d});
}

MarkRule rule(RuleKind kind, const std::function<void(MarkRule &)> &set)
{
    MarkRule made;
    made.kind = kind;
    set(made);
    return made;
}

CalendarState pageOf(int calendarYear, int firstMonth, std::vector<MarkRule> rules)
{
    CalendarState state = loadDefaults(QDate(2000, 6, 1));
    state.txtYear = QString::number(calendarYear);
    state.page.firstMonth = firstMonth;
    state.rules = std::move(rules);
    refreshMarks(state, sources());
    return state;
}

// The days of the page marked in category 0, walking from its first day to its last.
std::vector<QDate> markedDays(const CalendarState &state, QDate first)
{
    std::vector<QDate> days;
    for (QDate d = first; d < first.addYears(1); d = d.addDays(1))
        if (state.dayMark(d.month(), d.day()) == 0)
            days.push_back(d);
    return days;
}

std::vector<QDate> walk(QDate first, const std::function<bool(QDate)> &marks)
{
    std::vector<QDate> days;
    for (QDate d = first; d < first.addYears(1); d = d.addDays(1))
        if (marks(d))
            days.push_back(d);
    return days;
}

struct SpanCase
{
    const char *tag;
    MarkRule rule;
    std::function<bool(QDate)> marks;
};

class AcrossNewYear : public testing::TestWithParam<SpanCase>
{
};

// August 2027 to July 2028, and for comparison the same rule on a page from March.
TEST_P(AcrossNewYear, MarksTheDaysOfTheTwelveMonthsShown)
{
    const SpanCase &c = GetParam();
    for (const int firstMonth : {8, 3, 1}) {
        SCOPED_TRACE(firstMonth);
        const QDate first(2027, firstMonth, 1);
        const CalendarState state = pageOf(2027, firstMonth, {c.rule});
        EXPECT_EQ(markedDays(state, first), walk(first, c.marks));
    }
}

const QDate SeriesStart(2027, 9, 3);
const QDate BinDayStart(2026, 12, 25);

INSTANTIATE_TEST_SUITE_P(
    Rules, AcrossNewYear,
    testing::Values(
        SpanCase{"second_tuesday", rule(RuleKind::NthWeekday, [&](MarkRule &r) { r.label = "x"; r.ordinal = 2; r.weekday = 3; }),
                 [](QDate d) { return d.dayOfWeek() == 2 && (d.day() - 1) / 7 == 1; }},
        SpanCase{"last_friday", rule(RuleKind::LastWeekday, [&](MarkRule &r) { r.label = "x"; r.weekday = 6; }),
                 [](QDate d) { return d.dayOfWeek() == 5 && d.day() + 7 > d.daysInMonth(); }},
        // Within the page it starts on: from 3 Sep 2027 to the page's end, none before.
        SpanCase{"every_two_weeks_on_its_page", rule(RuleKind::EveryNWeeks, [&](MarkRule &r) { r.label = "x"; r.weeks = 2; r.from = on(2027, 9, 3); }),
                 [](QDate d) { return d >= SeriesStart && SeriesStart.daysTo(d) % 14 == 0; }},
        SpanCase{"bin_day_since_last_year", rule(RuleKind::ContinuingWeeks, [&](MarkRule &r) { r.label = "x"; r.weeks = 2; r.from = on(2026, 12, 25); }),
                 [](QDate d) { return BinDayStart.daysTo(d) % 14 == 0; }},
        SpanCase{"yearless_and_dated_days",
                 rule(RuleKind::Dates, [&](MarkRule &r) { r.label = "x"; r.dates = {every(3, 5), on(2027, 9, 1), on(2028, 6, 1), on(2027, 7, 1)}; }),
                 [](QDate d) {
                     return (d.month() == 3 && d.day() == 5) || d == QDate(2027, 9, 1) || d == QDate(2028, 6, 1)
                         || d == QDate(2027, 7, 1);
                 }},
        SpanCase{"range_over_new_year", rule(RuleKind::Range, [&](MarkRule &r) { r.label = "x"; r.from = on(2027, 12, 20); r.to = on(2028, 1, 5); }),
                 [](QDate d) { return d >= QDate(2027, 12, 20) && d <= QDate(2028, 1, 5); }},
        SpanCase{"birthday_from_its_year", rule(RuleKind::Dates, [&](MarkRule &r) { r.label = "x"; r.dates = {RuleDate::since(year{2028} / 2 / 29)}; }),
                 [](QDate d) { return d == QDate(2028, 2, 29); }}),
    [](const testing::TestParamInfo<SpanCase> &info) { return std::string(info.param.tag); });

// The walk above does not hold on a page that lacks the series' start: EFW marks nothing there.
TEST(AcrossNewYear, AnEveryNWeeksSeriesMarksNothingOnAPageWithoutItsStart)
{
    const CalendarState state = pageOf(2028, 8, {rule(RuleKind::EveryNWeeks, [&](MarkRule &r) { r.label = "x"; r.weeks = 2; r.from = on(2027, 9, 3); })});
    EXPECT_EQ(state.ruleResults[0].status, RuleResult::Status::NoDayThisYear);
}

TEST(AcrossNewYear, HolidaysAndCalendarsOfBothYearsAreMarked)
{
    QTemporaryDir folder;
    const QString ics = writeTestFile(folder.path(), QStringLiteral("terms.ics"),
                                      "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:t\r\n"
                                      "BEGIN:VEVENT\r\nUID:a\r\nDTSTART;VALUE=DATE:20270915\r\nSUMMARY:Term\r\nEND:VEVENT\r\n"
                                      "BEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:20280210\r\nSUMMARY:Half term\r\nEND:VEVENT\r\n"
                                      "BEGIN:VEVENT\r\nUID:c\r\nDTSTART;VALUE=DATE:20270310\r\nSUMMARY:Before\r\nEND:VEVENT\r\n"
                                      "END:VCALENDAR\r\n");
    const CalendarState state = pageOf(2027, 8,
                                       {rule(RuleKind::ICalendar, [&](MarkRule &r) { r.label = "Terms"; r.source = ics; }),
                                        rule(RuleKind::Holidays, [&](MarkRule &r) { r.label = "Bavaria"; r.source = "DE-BY"; })});
    EXPECT_EQ(markedDays(state, QDate(2027, 8, 1)), (std::vector<QDate>{QDate(2027, 9, 15), QDate(2028, 2, 10)}));
    EXPECT_EQ(state.dayDetail(2, 10), QStringLiteral("Half term"));
    // Bavaria: Assumption 2027, German Unity Day 2027, New Year and Good Friday 2028.
    for (const QDate d : {QDate(2027, 8, 15), QDate(2027, 10, 3), QDate(2028, 1, 1), QDate(2028, 4, 14)})
        EXPECT_EQ(state.dayMark(d.month(), d.day()), 1) << d.toString(Qt::ISODate).toStdString();
    // 2027's Good Friday (26 March) is not on this page; 2028's Assumption is.
    EXPECT_EQ(state.dayMark(3, 26), NoMark);
}

TEST(AcrossNewYear, TheDateListGivesTheYearAndFollowsThePage)
{
    CalendarState state = pageOf(2027, 8,
                                 {rule(RuleKind::Dates, [&](MarkRule &r) { r.label = "Trip"; r.dates = {on(2028, 1, 2), on(2027, 8, 3)}; })});
    RecordingDateList list;
    ListMarkedDate(state, list, 3, 8, 0);
    ListMarkedDate(state, list, 2, 1, 0);
    EXPECT_EQ(list.lines, (QStringList{QStringLiteral("August 03 2027  Trip"), QStringLiteral("January 02 2028  Trip")}));
    state.page.firstMonth = 1;
    RecordingDateList plain;
    ListMarkedDate(state, plain, 3, 8, 0);
    EXPECT_EQ(plain.lines, QStringList{QStringLiteral("August 03  Trip")});
}

TEST(AcrossNewYear, TheLastYearThereIsCannotStartAPageAfterJanuary)
{
    CalendarState state = pageOf(32767, 8, {rule(RuleKind::Dates, [&](MarkRule &r) { r.label = "x"; r.dates = {every(3, 5)}; })});
    EXPECT_EQ(state.ruleResults[0].status, RuleResult::Status::Failed);
    EXPECT_FALSE(calendarSpan(state).has_value());
    state.page.firstMonth = 1;
    EXPECT_TRUE(calendarSpan(state).has_value());
}

struct AgeCase
{
    const char *label;
    QString language;
    int born;
    QString listed;  // the date-list line on the 2027 page; empty: not marked
};

class YearlyDates : public testing::TestWithParam<AgeCase>
{
};

TEST_P(YearlyDates, CarryTheirAgeOrTheAnniversarysNumber)
{
    const AgeCase &c = GetParam();
    CalendarState state = loadDefaults(QDate(2000, 6, 1));
    state.txtYear = QStringLiteral("2027");
    state.page.language = c.language;
    state.rules = {rule(RuleKind::Dates, [&](MarkRule &r) { r.label = c.label; r.dates = {RuleDate::since(year{c.born} / March / 5)}; })};
    refreshMarks(state, sources());
    RecordingDateList list;
    if (state.dayMark(3, 5) == 0)
        ListMarkedDate(state, list, 5, 3, 0);
    EXPECT_EQ(list.lines.value(0), c.listed);
}

INSTANTIATE_TEST_SUITE_P(
    Ages, YearlyDates,
    testing::Values(AgeCase{"Anna", {}, 1987, QStringLiteral("March 05  Anna (40)")},
                    AgeCase{"Anna", {}, 2027, QStringLiteral("March 05  Anna")},
                    AgeCase{"Anna", {}, 2030, QString()},
                    AgeCase{"Wedding anniversary", {}, 1987, QStringLiteral("March 05  Wedding anniversary (40th)")},
                    AgeCase{"Wedding anniversary", {}, 2026, QStringLiteral("March 05  Wedding anniversary (1st)")},
                    AgeCase{"Wedding anniversary", {}, 2015, QStringLiteral("March 05  Wedding anniversary (12th)")},
                    AgeCase{"Wedding anniversary", {}, 2005, QStringLiteral("March 05  Wedding anniversary (22nd)")},
                    AgeCase{"Wedding anniversary", {}, 1914, QStringLiteral("March 05  Wedding anniversary (113th)")},
                    AgeCase{"Wedding anniversary", {}, 1924, QStringLiteral("March 05  Wedding anniversary (103rd)")},
                    AgeCase{"Hochzeitstag", QStringLiteral("de_DE"), 1987, QStringLiteral("M\u00e4rz 05  Hochzeitstag (40.)")},
                    AgeCase{"Noces de Paul", QStringLiteral("fr_FR"), 2026, QStringLiteral("Mars 05  Noces de Paul (1er)")}),
    [](const testing::TestParamInfo<AgeCase> &info) { return "case" + std::to_string(info.index); });

TEST(YearlyDates, ExportAsOneYearlyEventFromTheirFirstYear)
{
    const CalendarState state = pageOf(2027, 1, {rule(RuleKind::Dates, [&](MarkRule &r) { r.label = "Anna"; r.dates = {RuleDate::since(year{1987} / March / 5)}; })});
    const MarkedDaysIcs exported = markedDaysAsIcs(state, sources(), QDateTime(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC));
    ASSERT_TRUE(exported.problem.isEmpty());
    const QByteArray ics = exported.ics;
    EXPECT_TRUE(ics.contains("DTSTART;VALUE=DATE:19870305")) << ics.constData();
    EXPECT_TRUE(ics.contains("RRULE:FREQ=YEARLY")) << ics.constData();
    EXPECT_EQ(ics.count("BEGIN:VEVENT"), 1);
}

TEST(AcrossNewYear, TheExportCoversTheTwelveMonthsShown)
{
    const CalendarState state = pageOf(2027, 8,
                                       {rule(RuleKind::NthWeekday, [&](MarkRule &r) { r.label = "Club"; r.ordinal = 2; r.weekday = 3; }),
                                        rule(RuleKind::Dates, [&](MarkRule &r) { r.label = "Trip"; r.dates = {on(2028, 1, 2)}; })});
    const QByteArray ics = markedDaysAsIcs(state, sources(), QDateTime(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC)).ics;
    // The second Tuesday from August 2027 to the page's last day.
    EXPECT_TRUE(ics.contains("DTSTART;VALUE=DATE:20270810")) << ics.constData();
    EXPECT_TRUE(ics.contains("UNTIL=20280731")) << ics.constData();
    EXPECT_TRUE(ics.contains("DTSTART;VALUE=DATE:20280102")) << ics.constData();
}

} // namespace
