#pragma once

// Writing iCalendar files: the marked days of a calendar as all-day events a phone or another
// calendar program reads.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <chrono>
#include <optional>
#include <vector>

// The last year an export can hold: a date in an iCalendar file has four digits of year.
inline constexpr int MaxIcsExportYear = 9999;

// One all-day event of an export.
struct IcsExportEvent
{
    QString uid;       // stable across exports (see uidFor), so a re-import replaces the event
    QString summary;
    QString category;  // CATEGORIES, one category whatever it holds ("Birthdays, parties");
                       // none when empty
    std::chrono::year_month_day start;  // years 1..MaxIcsExportYear
    QString rrule;     // empty: no repeats; else an RRULE value such as "FREQ=MONTHLY;BYDAY=2TU"
    int dayCount = 1;  // the days each occurrence lasts, from `start` on; 1 and more
};

// The events as one VCALENDAR (VERSION 2.0, PRODID "-//Lunaria//Lunaria//EN", X-WR-CALNAME
// `calendarName` when not empty): one all-day VEVENT each, DTSTART;VALUE=DATE its first day and
// DTEND;VALUE=DATE the day after its last (DURATION in days instead when that day would be in
// the year 10000), DTSTAMP `stamp` (so the same input gives the same bytes). Texts are escaped
// ("\," "\;" "\\" "\n"; other control characters but the tab left out), lines folded at 75
// octets, never inside a character or an escape, and ended by CR LF. An event whose rrule
// libical cannot read, whose start lies outside the years 1..MaxIcsExportYear or whose
// dayCount is below 1 is a programmer error: the rule, or the event, is left out.
QByteArray writeIcs(const std::vector<IcsExportEvent> &events, const QString &calendarName, const QDateTime &stamp);

// The first day and the RRULE of a rule, for IcsExportEvent.
struct IcsRecurrence
{
    std::chrono::year_month_day start;  // the first occurrence, which DTSTART must be
    QString rrule;                      // for the rules of one year, ends with UNTIL=<31 December>
};

// The `day.index()`-th (1..5) weekday of every month of `year`, e.g. "FREQ=MONTHLY;BYDAY=2TU;
// UNTIL=20241231". Months without a fifth one are skipped. nullopt for an index outside 1..5
// or a year outside 1..MaxIcsExportYear (for all four helpers).
std::optional<IcsRecurrence> nthWeekdayOfEveryMonth(std::chrono::year year, std::chrono::weekday_indexed day);

// The same from the month `from` to the day `until` (a page from August to July), its UNTIL
// that day; nullopt also when no such weekday lies between them.
std::optional<IcsRecurrence> nthWeekdayOfEveryMonth(std::chrono::year_month from, std::chrono::weekday_indexed day,
                                                    std::chrono::year_month_day until);

// The last `day` of every month of `year`: "FREQ=MONTHLY;BYDAY=-1FR;UNTIL=20241231".
std::optional<IcsRecurrence> lastWeekdayOfEveryMonth(std::chrono::year year, std::chrono::weekday day);
// The same from the month `from` to the day `until`.
std::optional<IcsRecurrence> lastWeekdayOfEveryMonth(std::chrono::year_month from, std::chrono::weekday day,
                                                     std::chrono::year_month_day until);

// `start` and every `weeks`-th week after it to the end of start's year:
// "FREQ=WEEKLY;INTERVAL=2;UNTIL=20241231". nullopt unless start.ok() and weeks is 1..32767.
std::optional<IcsRecurrence> everyNWeeksInYear(std::chrono::year_month_day start, int weeks);
// The same up to `until` (not before `start`).
std::optional<IcsRecurrence> everyNWeeksUntil(std::chrono::year_month_day start, int weeks, std::chrono::year_month_day until);

// `start` and the same day of every year after it, with no end: "FREQ=YEARLY". A 29 February
// comes back in leap years only. nullopt unless start.ok().
std::optional<IcsRecurrence> everyYearFrom(std::chrono::year_month_day start);

// A UID that depends only on `ruleKey` (any text naming the rule, e.g. its control-file line)
// and `date` (the event's DTSTART): the first 16 bytes of SHA-256 over the UTF-8 of
// "<ruleKey>\n<yyyy-mm-dd>" as 32 lower-case hex digits, then "@lunaria". Exporting the same
// rule again gives the same UID, so calendar programs update the event instead of adding one.
QString uidFor(const QString &ruleKey, std::chrono::year_month_day date);

// The same for an event that comes back every year on `day`, over "<ruleKey>\n--mm-dd": the
// exports of two years give one event, not two that double the day from then on.
QString uidFor(const QString &ruleKey, std::chrono::month_day day);
