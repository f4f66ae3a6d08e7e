#pragma once

// Recurrence expansion of the iCalendar reader: the days of the year on which the events of
// one UID (a series: its masters and the overrides of single occurrences) fall, from
// DTSTART, RRULE, RDATE, EXDATE and RECURRENCE-ID. Everyday rules are expanded here
// (icalrecurrence.h), rules repeating within a day are worked out day by day, the others go
// to libical's iterator. Every piece of work is counted, so that a file gives the same days,
// or the same message, on every computer.

#include "calendar/ical/icalendar.h"
#include "calendar/ical/icalproblems.h"
#include "calendar/ical/icalscan.h"
#include "calendar/ical/icalzones.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>
#include <unordered_set>
#include <utility>
#include <vector>

// Zone offsets lie within -12..+14 hours, so an event's wall clock and the computer's differ by
// less than two days: events whose own dates are two days or more outside the year are skipped.
inline constexpr qint64 ZoneSlackDays = 2;
// An event lasting longer is treated as lasting this long (about 11,000 years), which still
// covers every day from year 1 to 9999.
inline constexpr qint64 MaxEventDays = 4'000'000;

// How the end of an occurrence follows from its start.
struct EndRule
{
    enum class Kind { Default, Exact, Nominal };
    Kind kind = Kind::Default;  // Default: the whole day of an all-day event, else the start
    qint64 exactSeconds = 0;    // Exact (DTEND, or an RDATE period with an end): elapsed time
    qint64 nominalDays = 0;     // Nominal (DURATION): days on the wall clock ...
    qint64 nominalSeconds = 0;  // ... then elapsed seconds
};

struct Occurrence
{
    WallTime start;
    const Frame *frame = nullptr;
    EndRule end;
};

// One VEVENT, read.
struct Event
{
    const IcsScannedEvent *scanned = nullptr;  // its texts and date lines
    bool allDay = false;
    bool isOverride = false;
    WallTime recurrenceId;
    const Frame *recurrenceIdFrame = nullptr;
    Occurrence first;  // DTSTART and how long it lasts
};

// The events of one UID: the ones with a RECURRENCE-ID override single occurrences of the others.
struct Series
{
    std::vector<const Event *> masters;
    std::vector<const Event *> overrides;
};

// A date value and the frame it is in.
struct Moment
{
    icaltimetype time;  // as libical read it
    WallTime wall;      // checked
    const Frame *frame = nullptr;
};

// One value of a date property (DTSTART, an item of an RDATE list ...), or nullopt with
// `why` telling what is wrong with it.
std::optional<Moment> readMoment(IcsZones &zones, const IcsDateLine &line, const QByteArray &value, QString &why);

// A DURATION value into `end`; false with `why` set when it cannot be read.
bool readDuration(const IcsDateLine &line, const QByteArray &value, EndRule &end, QString &why);

// Work counted while expanding, in steps of about a microsecond: an occurrence worked out
// (one of an everyday rule, a call of libical's iterator, an RDATE), a day a rule within a day
// has occurrences on, 64 time units of a day tried for such a rule, and every day libical is
// to search (3 steps; a year of a yearly rule, 120).
class IcsExpander
{
public:
    IcsExpander(int year, IcsZones &zones, IcsWarnings &warnings);

    // Marks the days of `series` in the year. A series that cannot be worked out within
    // MaxIcsStepsPerEvent is left out with a warning; false when the file is to be refused
    // (error() says why).
    bool expand(const Series &series);

    const QString &error() const { return m_error; }
    qint64 steps() const { return MaxIcsStepsPerFile - m_stepsLeft; }
    int errorLine() const { return m_errorLine; }
    // Sorted by date; one per day and series, in series order within a day.
    std::vector<IcsDay> takeDays();

private:
    // How a piece of work ended.
    enum class Result { Done, LeftOut, Refused };

    Result expandMaster(const Event &master);
    Result expandRule(const Event &master, const IcsDateLine &line);
    Result expandRuleWithLibical(const Event &master, icalrecurrencetype rule, const std::optional<WallTime> &until, int line);
    Result expandSubDaily(const Event &master, const SubDailyRule &rule);
    Result expandRdate(const Event &master, const IcsDateLine &line);
    std::optional<WallTime> untilOf(const icalrecurrencetype &rule, const Event &master);
    Result charge(qint64 steps);
    void mark(const Occurrence &occurrence, bool allDay, const QString &summary);
    // The occurrence's end on its own wall clock, and whether it may touch the year at all.
    qint64 wallEndOf(const Occurrence &occurrence, bool allDay) const;
    bool nearWindow(const Occurrence &occurrence, bool allDay) const;
    bool excluded(const Occurrence &occurrence);
    bool excluded(const Event &master, WallTime start);
    // Marks the occurrence of `master`'s rule starting at `start`, unless it is DTSTART (marked
    // on its own) or excluded.
    void markRecurrence(const Event &master, WallTime start);
    std::chrono::sys_days skipTarget(const Event &master) const;
    void warn(int line, const QString &what);

    IcsZones &m_zones;
    IcsWarnings &m_warnings;
    std::chrono::sys_days m_firstDay, m_lastDay;
    qint64 m_windowStart, m_windowEnd;  // wall-clock seconds; occurrences outside are skipped
    // Of the series being expanded:
    std::unordered_set<qint64> m_excludedInstants, m_excludedDays;  // EXDATEs and overridden occurrences
    struct SeriesDay
    {
        qint64 day;  // since 1970-01-01
        QString summary;
    };
    std::vector<SeriesDay> m_seriesDays;  // each day once
    std::vector<bool> m_seriesMarked;     // by day of the year: in m_seriesDays already
    qint64 m_seriesSteps = 0;
    std::vector<std::pair<qint64, QString>> m_days;  // day, summary; in series order
    qint64 m_stepsLeft = MaxIcsStepsPerFile;
    QString m_error;
    int m_errorLine = 0;
};
