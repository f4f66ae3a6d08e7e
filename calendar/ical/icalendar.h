#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>
#include <vector>

// Reading iCalendar (RFC 5545) files with libical: its value parsers read the dates,
// durations and rules, the zones it builds from VTIMEZONEs convert times, and its iterator
// expands the rules beyond the everyday ones (calendar/ical/icalrecurrence.h). Exports are
// written by calendar/ical/icalwriter.h. libical stays out of this header.

// The largest .ics file read: 16 MiB, a few years of a busy shared calendar.
inline constexpr qint64 MaxIcsFileBytes = 16 * 1024 * 1024;

// The reader counts its work in steps rather than measuring time, so that a file gives the
// same days, or the same message, on every computer however busy. A step is about a
// microsecond of work: an occurrence worked out (of an everyday rule, a call of libical's
// iterator, an RDATE or EXDATE), a day on which a rule repeating within a day has
// occurrences, 64 times of day tried for such a rule, or 3 for each day libical is to search
// through for a rule outside the everyday ones (120 for each year of a yearly one), counted
// before it starts. Rules repeating within a day are worked out day by day, never occurrence
// by occurrence: FREQ=SECONDLY costs little more than FREQ=DAILY.

// Steps spent on one event (with the overrides of its UID) before it is left out with a
// warning: 250,000 covers a daily rule with COUNT begun 680 years before (counted occurrence by
// occurrence) and libical searching 220 years of days; an event of the year takes about 370.
inline constexpr qint64 MaxIcsStepsPerEvent = 250'000;

// Steps spent on one file before it is refused as too costly to expand: about a second. A file
// of 10,000 weekly events needs about 530,000 for a year.
inline constexpr qint64 MaxIcsStepsPerFile = 1'000'000;

// Entries (days of events) a file may give before it is refused, as a bound on memory (about
// 64 bytes each): 2,700 events that last all year. 10,000 events of a day each give 10,000.
inline constexpr qint64 MaxIcsDays = 1'000'000;

// Bounds on the VTIMEZONEs of a file, checked before libical reads them: it works out every
// change of offset of an observance (STANDARD or DAYLIGHT) from its DTSTART up to the year a
// time asks for, as far as 2582, and with FREQ=MINUTELY it would run for hours. Real zones
// have two observances repeating yearly (Outlook, Google), or a few dozen for their history
// (vzic); a file has a zone for each place its events are in. So an observance may only
// repeat yearly, a zone has at most 100 observances, a file 1,000, and their changes up to
// 2582 are at most 200,000: eighty zones of two observances since 1970 need 98,000. The
// changes are counted from DTSTART, UNTIL and COUNT, times the days a year the BY parts may
// pick (BYMONTH=3;BYDAY=-1SU one, BYDAY=MO up to 60), and one for each RDATE. A file beyond
// them is refused.
inline constexpr int MaxIcsObservancesPerZone = 100;
inline constexpr int MaxIcsObservancesPerFile = 1'000;
inline constexpr long long MaxIcsZoneChangesPerFile = 200'000;

// Warnings listed for one file; the rest are counted in a last line ("further problems not
// listed: 12").
inline constexpr int MaxIcsWarnings = 20;

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
    // What was left out of a file that was read all the same: an event or a property that
    // cannot be used, each "name, line N: what is wrong; what was done" (empty when nothing),
    // by line; at most MaxIcsWarnings, then "name: further problems not listed: N".
    QStringList warnings;
    qint64 steps = 0;  // the work counted in reading it (MaxIcsStepsPerFile), for measurements
};

// Reads the .ics file at `path` and lists every day of `year` (1..9999) on which one of its
// events occurs, in the local time zone of this computer (QTimeZone::systemTimeZone(), so TZ
// is honoured). Only a regular file of at most MaxIcsFileBytes is read.
// A TZID without a VTIMEZONE in the file is looked up in the system's zoneinfo (IANA names,
// also behind a "/prefix/", and Windows names); an unknown one counts as local time. Limits of
// libical 3.0: rules outside the everyday ones stop after the year 2582, and so do the summer
// times of a VTIMEZONE. EXRULE is ignored; RANGE=THISANDFUTURE overrides one occurrence only.
// A file that is not iCalendar (no VCALENDAR, BEGIN and END that do not match, NUL bytes,
// too large) is refused; a property or an event that cannot be used is left out with a
// warning, and the rest is read. Of the events of one UID without RECURRENCE-ID, those of the
// highest SEQUENCE count. A RECURRENCE-ID at midnight overrides the occurrence of that day of
// an all-day event.
IcsReadResult readIcsDays(const QString &path, int year);

// Same as readIcsDays for the bytes of a file; `name` stands for the file in messages.
IcsReadResult parseIcsDays(const QByteArray &bytes, const QString &name, int year);
