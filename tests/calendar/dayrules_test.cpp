#include "calendar/dayrules.h"

#include "platform/usererror.h"
#include "tests/support/recordingdatelist.h"

#include <QDate>

#include <gtest/gtest.h>

#include <functional>

using namespace std::chrono;

namespace {

CalendarState stateForYear(int year)
{
    CalendarState state = loadDefaults(QDate(2000, 6, 1));
    state.txtYear = QString::number(year);
    return state;
}

year_month_day ymd(int y, unsigned m, unsigned d)
{
    return year_month_day{year{y}, month{m}, day{d}};
}

// Qt's weekday (Monday 1 .. Sunday 7) as the rules number it (Sunday 1 .. Saturday 7).
int ruleWeekday(const QDate &date)
{
    return date.dayOfWeek() % 7 + 1;
}

// The days of `month` marked with `category`.
QList<int> markedDays(const CalendarState &state, int month, qint16 category)
{
    QList<int> days;
    for (int day = 1; day <= 31; ++day)
        if (state.dayMark(month, day) == category)
            days << day;
    return days;
}

bool tablesEqual(const CalendarState &a, const CalendarState &b)
{
    return a.DayMarks == b.DayMarks && a.MarkLegend == b.MarkLegend && a.MarkCount == b.MarkCount;
}

} // namespace

TEST(MonthFrame, MatchesQDateFrom1900To2100)
{
    for (int y = 1900; y <= 2100; ++y) {
        for (int m = 1; m <= 12; ++m) {
            const QDate first(y, m, 1);
            const MonthFrame frame = monthFrame(y, m);
            ASSERT_EQ(frame.daysInMonth, first.daysInMonth()) << y << "-" << m;
            ASSERT_EQ(frame.weekdayOfFirst, first.dayOfWeek() % 7) << y << "-" << m;
        }
    }
}

TEST(MonthFrame, RefusesAMonthOutsideTheYear)
{
    EXPECT_THROW(monthFrame(2024, 0), UserError);
    EXPECT_THROW(monthFrame(2024, 13), UserError);
}

// The one place the year's wording is checked; elsewhere it is enough that a year is refused.
TEST(CalendarYear, IsAWholeNumberFrom1To32767)
{
    const struct
    {
        const char *text;
        int year;            // 0: refused ...
        const char *problem; // ... with this reason
    } rows[] = {
        {"  2031  ", 2031, ""},
        {"1", 1, ""},
        {"32767", 32767, ""},
        {"02027", 2027, ""},
        {"2027 - the reunion year", 2027, ""},
        {"", 0, "no year is given"},
        {"2004abc", 0, "the year \"2004abc\" is not a whole number"},
        {"2O30", 0, "the year \"2O30\" is not a whole number"},
        {"1e3", 0, "the year \"1e3\" is not a whole number"},
        {"2027.5", 0, "the year \"2027.5\" is not a whole number"},
        {"20 27", 0, "the year \"20 27\" is not a whole number"},
        {"-5", 0, "the year \"-5\" is not a whole number"},
        {"0", 0, "the year 0 is outside 1 to 32767"},
        {"32768", 0, "the year 32768 is outside 1 to 32767"},
        {"99999", 0, "the year 99999 is outside 1 to 32767"},
        {"99999999999999999999", 0, "the year 99999999999999999999 is outside 1 to 32767"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        QString problem;
        const std::optional<qint16> year = yearFromText(QString::fromLatin1(row.text), &problem);
        EXPECT_EQ(year.value_or(0), row.year);
        EXPECT_EQ(problem, QString::fromLatin1(row.problem));
        CalendarState state = stateForYear(0);
        state.txtYear = QString::fromLatin1(row.text);
        if (row.year) {
            EXPECT_EQ(calendarYear(state), row.year);
            continue;
        }
        // As a message of its own, the same words as a sentence: what the page, the print and
        // the window say of a year (their tests check only that it is this message).
        try {
            calendarYear(state);
            ADD_FAILURE() << "no failure";
        } catch (const UserError &error) {
            EXPECT_TRUE(error.reason().front().isUpper()) << error.reason().toStdString();
            EXPECT_EQ(error.reason().mid(1), problem.mid(1));
        }
    }
}

// The days either rule marks are checked against QDate below, over two centuries. Of the
// category's digit, the weekday rule keeps what is there; the weekly one writes its number.
TEST(MarkRules, SetTheLabelOfTheNextCategory)
{
    const struct
    {
        std::function<void(CalendarState &)> mark;
        const char *digit;
    } rows[] = {
        {[](CalendarState &state) { MarkNthWeekday(state, 3, 2, QStringLiteral("Board meeting")); }, "kept"},
        {[](CalendarState &state) { MarkEveryNWeeks(state, ymd(2024, 1, 1), 1, QStringLiteral("Board meeting")); }, "0"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.digit);
        CalendarState state = stateForYear(2024);
        state.MarkLegend[0][0] = QStringLiteral("kept");
        row.mark(state);
        EXPECT_EQ(state.MarkLegend[0][0], QString::fromLatin1(row.digit));
        EXPECT_EQ(state.MarkLegend[0][1], QStringLiteral("Board meeting"));
        EXPECT_EQ(state.MarkCount, 1);
    }
}

// Every weekday and ordinal of every year from 1900 to 2100 against the days Qt counts.
TEST(MarkNthWeekday, MatchesCountingWithQDateFrom1900To2100)
{
    for (int y = 1900; y <= 2100; ++y) {
        for (int weekday = 1; weekday <= 7; ++weekday) {
            for (int ordinal = 1; ordinal <= 5; ++ordinal) {
                CalendarState state = stateForYear(y);
                MarkNthWeekday(state, qint16(weekday), qint16(ordinal), QStringLiteral("x"));
                for (int m = 1; m <= 12; ++m) {
                    int seen = 0;
                    QList<int> expected;
                    for (QDate d(y, m, 1); d.month() == m; d = d.addDays(1))
                        if (ruleWeekday(d) == weekday && ++seen == ordinal)
                            expected << d.day();
                    ASSERT_EQ(markedDays(state, m, 0), expected)
                        << y << "-" << m << " weekday " << weekday << " ordinal " << ordinal;
                }
            }
        }
    }
}

TEST(MarkEveryNWeeks, OtherYearOrNoIntervalUsesNoCategory)
{
    const CalendarState before = stateForYear(2024);
    struct Case { const char *tag; year_month_day start; int weeks; };
    const Case cases[] = {
        {"previous_year", ymd(2023, 12, 31), 1},
        {"next_year", ymd(2025, 1, 1), 2},
        {"zero_weeks", ymd(2024, 3, 1), 0},
        {"negative_weeks", ymd(2024, 3, 1), -2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.tag);
        CalendarState state = before;
        MarkEveryNWeeks(state, c.start, qint16(c.weeks), QStringLiteral("Bins"));
        EXPECT_TRUE(tablesEqual(state, before));
    }
}

// Start dates and intervals over many years against "in the year, not before the start, a
// whole number of intervals after it", counted with QDate.
TEST(MarkEveryNWeeks, MatchesDayDistancesFromTheStart)
{
    for (int y = 1900; y <= 2100; y += 7) {
        for (int weeks : {1, 2, 3, 5, 26, 52, 53}) {
            for (const QDate &start : {QDate(y, 1, 1), QDate(y, 2, 29).isValid() ? QDate(y, 2, 29) : QDate(y, 2, 28),
                                       QDate(y, 7, 15), QDate(y, 12, 31)}) {
                CalendarState state = stateForYear(y);
                MarkEveryNWeeks(state, ymd(y, unsigned(start.month()), unsigned(start.day())), qint16(weeks),
                                QStringLiteral("x"));
                for (QDate d(y, 1, 1); d.year() == y; d = d.addDays(1)) {
                    const qint64 distance = start.daysTo(d);
                    const qint16 expected = distance >= 0 && distance % (7 * weeks) == 0 ? 0 : NoMark;
                    ASSERT_EQ(state.dayMark(d.month(), d.day()), expected)
                        << d.toString(Qt::ISODate).toStdString() << " from " << start.toString(Qt::ISODate).toStdString()
                        << " every " << weeks;
                }
            }
        }
    }
}

TEST(MarkRules, SixthRuleChangesNothing)
{
    CalendarState state = stateForYear(2024);
    for (int i = 0; i < 5; ++i)
        MarkNthWeekday(state, qint16(i + 1), 1, QStringLiteral("rule %1").arg(i));
    ASSERT_EQ(state.MarkCount, 5);
    const CalendarState five = state;
    MarkNthWeekday(state, 7, 2, QStringLiteral("sixth"));
    EXPECT_TRUE(tablesEqual(state, five));
    MarkEveryNWeeks(state, ymd(2024, 1, 6), 1, QStringLiteral("sixth"));
    EXPECT_TRUE(tablesEqual(state, five));
}

TEST(MarkRules, LaterRulesOverwriteEarlierOnes)
{
    ASSERT_EQ(QDate(2023, 1, 1).dayOfWeek(), Qt::Sunday);
    CalendarState state = stateForYear(2023);
    MarkEveryNWeeks(state, ymd(2023, 1, 1), 1, QStringLiteral("Sundays"));
    MarkNthWeekday(state, 1, 2, QStringLiteral("Second Sunday"));
    EXPECT_EQ(state.dayMark(1, 1), 0);
    EXPECT_EQ(state.dayMark(1, 8), 1);
    EXPECT_EQ(state.dayMark(1, 15), 0);
    EXPECT_EQ(state.dayMark(2, 12), 1);
    EXPECT_EQ(state.MarkCount, 2);
}

TEST(ListMarkedDate, WritesMonthPaddedDayAndTrimmedLabel)
{
    CalendarState state = stateForYear(2024);
    state.MarkLegend[2][1] = QStringLiteral("   Dentist  ");
    state.MarkLegend[4][1] = QStringLiteral("Leap day");
    state.MarkLegend[0][1] = QString();
    RecordingDateList sink;
    ListMarkedDate(state, sink, 5, 3, 2);
    ListMarkedDate(state, sink, 29, 2, 4);
    ListMarkedDate(state, sink, 31, 12, 0);
    const QStringList expected{QStringLiteral("March 05  Dentist"), QStringLiteral("February 29  Leap day"),
                               QStringLiteral("December 31  ")};
    EXPECT_EQ(sink.lines, expected);
}

TEST(ListMarkedDate, RefusesACategoryOutsideTheLegend)
{
    const CalendarState state = stateForYear(2024);
    RecordingDateList sink;
    EXPECT_THROW(ListMarkedDate(state, sink, 1, 1, 5), UserError);
    EXPECT_THROW(ListMarkedDate(state, sink, 1, 1, -1), UserError);
    EXPECT_THROW(ListMarkedDate(state, sink, 1, 1, NoMark), UserError);
    EXPECT_TRUE(sink.lines.isEmpty());
}
