#pragma once

#include "calendar/calendarspan.h"
#include "model/calendarstate.h"

#include <QString>

#include <chrono>
#include <optional>

class DateListSink;

// Length and start of one month of the Gregorian calendar.
struct MonthFrame
{
    int daysInMonth;     // 28..31
    int weekdayOfFirst;  // 0 = Sunday .. 6 = Saturday
};
// Length and start of `month` (1..12) of `year`. Throws UserError for another month number.
MonthFrame monthFrame(int year, int month);

// The year a year text stands for: a whole number 1..32767 at its start (blanks at either end
// trimmed), alone or followed by a blank and words that do not start with a digit ("2027 -
// the reunion year", whose title the page prints whole). Otherwise nothing, and `problem`
// (when given) says why in words that name the text: "the year 40000 is outside 1 to 32767",
// "the year "2O30" is not a whole number".
std::optional<qint16> yearFromText(const QString &text, QString *problem = nullptr);

// The calendar year the rules work in, from txtYear. Throws UserError naming the year when
// there is none ("The year 40000 is outside 1 to 32767").
qint16 calendarYear(const CalendarState &state);

// The months the page of `state` shows: from its first month (state.page.firstMonth) of its
// year. Nothing, with `problem` as yearFromText says it, for a year that cannot be used.
std::optional<CalendarSpan> calendarSpan(const CalendarState &state, QString *problem = nullptr);

// The period a page shows as its title and its messages write it: "2027", or "2027/2028" for
// twelve months across New Year.
QString spanTitle(const CalendarSpan &span);

// Marks the `ordinal`-th `weekday` (1 = Sunday .. 7 = Saturday) of every month of the
// calendar year with the next mark category, labelled `label`. A month without such a day
// gets no mark. Does nothing once five categories are given out.
void MarkNthWeekday(CalendarState &state, qint16 weekday, qint16 ordinal, const QString &label);

// Marks `start` and every date `weeks` weeks after it, while still in the calendar year,
// with the next mark category. A start in another year, or weeks < 1, uses no category.
void MarkEveryNWeeks(CalendarState &state, std::chrono::year_month_day start, qint16 weeks, const QString &label);

// Marks the last `weekday` (1 = Sunday .. 7 = Saturday) of every month of the calendar year
// with the next mark category. Does nothing once five categories are given out.
void MarkLastWeekday(CalendarState &state, qint16 weekday, const QString &label);

// Writes "Month dd  label" for a marked day to `sink`, followed by " - " and the day's
// detail where it has one ("January 01  Public holidays (Bavaria) - New Year's Day"), or by
// an age in brackets ("March 05  Anna (40)"). A page across New Year gives the year after
// the day ("August 05 2027  ..."). Throws UserError for a category outside 0..4.
void ListMarkedDate(const CalendarState &state, DateListSink &sink, qint16 day, qint16 month, qint16 category);
