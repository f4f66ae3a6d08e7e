#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <chrono>
#include <optional>
#include <vector>

// Reading and writing iCalendar (RFC 5545) files with libical: its value parsers read the
// dates, durations and rules, the zones it builds from VTIMEZONEs convert times, its iterator
// expands the rules beyond the everyday ones (layout/icalrecurrence.h), and it writes exports.
// It stays out of this header.

// The largest .ics file read: 16 MiB, a few years of a busy shared calendar.
inline constexpr qint64 MaxIcsFileBytes = 16 * 1024 * 1024;

// Recurrence steps (one per RRULE occurrence or RDATE) spent on one event before its
// expansion stops: 100,000 covers an hourly event for eleven years. Only events repeating
// more often than hourly run into it; the days found up to then stay marked.
inline constexpr int MaxIcsStepsPerEvent = 100'000;

// Recurrence steps spent on one file before it is refused as too costly to expand. A file of
// 10,000 weekly events needs about 530,000 for a year.
inline constexpr qint64 MaxIcsStepsPerFile = 1'000'000;

// Entries (days of events) a file may give before it is refused, as a bound on memory (about
// 64 bytes each): 2,700 events that last all year. 10,000 events of a day each give 10,000.
inline constexpr qint64 MaxIcsDays = 1'000'000;

// Time spent expanding one file's recurrences with libical before it is refused, in
// milliseconds. Only rules libical must search far for come near it: it looks for a match of
// FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30 until the year 2582, half a second. Reading all of a
// file of 10,000 events takes a tenth of that.
inline constexpr int MaxIcsExpandMilliseconds = 1000;

// One day on which one event occurs.
struct IcsDay
{
    std::chrono::year_month_day date;
    QString summary;  // the event's SUMMARY, empty when it has none
};

struct IcsReadResult
{
    bool ok = false;
    QString error;             // when !ok: the file, the line where known, and what is wrong
    QString calendarName;      // X-WR-CALNAME, empty when absent
    std::vector<IcsDay> days;  // sorted by date; one entry per day and event (UID), in file
                               // order within a day; empty when !ok
};

// Reads the .ics file at `path` and lists every day of `year` (1..9999) on which one of its
// events occurs, in the local time zone of this computer (QTimeZone::systemTimeZone(), so TZ
// is honoured). Only a regular file of at most MaxIcsFileBytes is read.
// A TZID without a VTIMEZONE in the file is looked up in the system's zoneinfo (IANA names,
// also behind a "/prefix/", and Windows names); an unknown one counts as local time. Limits of
// libical 3.0: rules outside the everyday ones stop after the year 2582, and so do the summer
// times of a VTIMEZONE. EXRULE is ignored; RANGE=THISANDFUTURE overrides one occurrence only.
IcsReadResult readIcsDays(const QString &path, int year);

// Same as readIcsDays for the bytes of a file; `name` stands for the file in messages.
IcsReadResult parseIcsDays(const QByteArray &bytes, const QString &name, int year);

// The last year an export can hold: libical 3.0 writes no date after the year 3000.
inline constexpr int MaxIcsExportYear = 3000;

// One all-day event of an export.
struct IcsExportEvent
{
    QString uid;       // stable across exports (see uidFor), so a re-import replaces the event
    QString summary;
    QString category;  // CATEGORIES; none when empty. A comma separates two categories (libical
                       // writes CATEGORIES as a list and has no escape for a comma in one)
    std::chrono::year_month_day start;  // years 1..MaxIcsExportYear
    QString rrule;     // empty: a single day; else an RRULE value such as "FREQ=MONTHLY;BYDAY=2TU"
};

// The events as one VCALENDAR (VERSION 2.0, PRODID "-//Lunaria//Lunaria//EN", X-WR-CALNAME
// `calendarName` when not empty): one all-day VEVENT each, DTSTAMP `stamp` (so the same input
// gives the same bytes), lines folded at 75 octets and ended by CR LF. An event whose rrule
// libical cannot read, or whose start lies after MaxIcsExportYear, is a programmer error: the
// rule, or the event, is left out.
QByteArray writeIcs(const std::vector<IcsExportEvent> &events, const QString &calendarName, const QDateTime &stamp);

// The first day and the RRULE of a rule of the calendar year, for IcsExportEvent.
struct IcsRecurrence
{
    std::chrono::year_month_day start;  // the first occurrence, which DTSTART must be
    QString rrule;                      // ends with UNTIL=<31 December of the year>
};

// The `day.index()`-th (1..5) weekday of every month of `year`, e.g. "FREQ=MONTHLY;BYDAY=2TU;
// UNTIL=20241231". Months without a fifth one are skipped. nullopt for an index outside 1..5
// or a year outside 1..MaxIcsExportYear (for all three helpers).
std::optional<IcsRecurrence> nthWeekdayOfEveryMonth(std::chrono::year year, std::chrono::weekday_indexed day);

// The last `day` of every month of `year`: "FREQ=MONTHLY;BYDAY=-1FR;UNTIL=20241231".
std::optional<IcsRecurrence> lastWeekdayOfEveryMonth(std::chrono::year year, std::chrono::weekday day);

// `start` and every `weeks`-th week after it to the end of start's year:
// "FREQ=WEEKLY;INTERVAL=2;UNTIL=20241231". nullopt unless start.ok() and weeks is 1..32767.
std::optional<IcsRecurrence> everyNWeeksInYear(std::chrono::year_month_day start, int weeks);

// A UID that depends only on `ruleKey` (any text naming the rule, e.g. its control-file line)
// and `date` (the event's DTSTART): the first 16 bytes of SHA-256 over the UTF-8 of
// "<ruleKey>\n<yyyy-mm-dd>" as 32 lower-case hex digits, then "@lunaria". Exporting the same
// rule again gives the same UID, so calendar programs update the event instead of adding one.
QString uidFor(const QString &ruleKey, std::chrono::year_month_day date);
