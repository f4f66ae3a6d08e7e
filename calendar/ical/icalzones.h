#pragma once

// Time zones of the iCalendar reader: how the wall-clock fields of a property become a moment
// (a VTIMEZONE of the file through libical, a zone of the system through QTimeZone, UTC, the
// local clock), and the wall clock of this computer the days are marked on.

#include "calendar/ical/icalrecurrence.h"
#include "calendar/ical/icalsupport.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QTimeZone>

#include <deque>
#include <optional>
#include <vector>

inline constexpr qint64 SecondsPerDay = 86400;

// Seconds since 1970-01-01 00:00 on the same wall clock, and back.
qint64 secondsOf(WallTime time);
WallTime wallAt(qint64 seconds);

// The fields of a libical time, checked: libical's parser takes "20241301T250000" as it stands.
std::optional<WallTime> wallOf(const icaltimetype &time);

icaltimetype icalTimeOf(WallTime time, bool isDate, const icaltimezone *zone);

// "2024-13-01" or "2024-03-10 25:00:00", for messages.
QString describe(const icaltimetype &time);

// The wall clock of this computer. QTimeZone takes about 0.3 microseconds to find the offset of
// an instant, so offsets are kept for the spans between the zone's transitions: the events of
// a year fall into a few of them.
class LocalClock
{
public:
    LocalClock() : m_zone(QTimeZone::systemTimeZone()) {}

    const QTimeZone &zone() const { return m_zone; }

    // Local wall-clock seconds (since 1970-01-01 00:00 on that clock) of an instant.
    qint64 wallSeconds(qint64 instant);

private:
    struct Span
    {
        qint64 from;   // instants [from, until) share
        qint64 until;
        int offset;    // seconds east of UTC
    };
    static constexpr size_t MaxSpans = 64;

    QTimeZone m_zone;
    std::vector<Span> m_spans;
};

// How the wall-clock fields of a property become a moment.
struct Frame
{
    enum class Kind {
        Date,        // VALUE=DATE: a day of the calendar, the same in every zone
        Floating,    // no zone: the local wall clock
        Utc,         // "Z"
        FileZone,    // TZID of a VTIMEZONE in the file (libical converts)
        SystemZone,  // TZID known to the system's zoneinfo (QTimeZone converts)
    };
    Kind kind = Kind::Floating;
    icaltimezone *fileZone = nullptr;
    QTimeZone systemZone;
};

// The frames of a file's date properties, and the conversions between them.
class IcsZones
{
public:
    IcsZones();

    // TZIDs belong to their VCALENDAR: the one whose VTIMEZONEs libical read (null when it
    // has none) until the next call.
    void beginCalendar(icalcomponent *calendar);

    // The frame of a value libical read, with the TZID parameter of its property.
    const Frame *frameOf(const QByteArray &tzid, const icaltimetype &time);

    // Seconds since 1970-01-01 00:00 UTC of a wall-clock time in `frame`; dates and floating
    // times are on the local clock.
    qint64 instantOf(WallTime time, const Frame &frame);

    // Local wall-clock seconds of `elapsed` seconds after `time`.
    qint64 localSeconds(WallTime time, const Frame &frame, qint64 elapsed);

    // A UTC UNTIL on the wall clock of a DTSTART in `frame`.
    std::optional<WallTime> wallOfUtc(const icaltimetype &utc, const Frame &frame);

private:
    const Frame *zoneFrame(const QByteArray &tzid);
    // A file zone's conversion through libical, which expands the zone's rules again at every
    // call for a year after its expansion limit (2035): thousands of times a second at most.
    qint64 fileZoneInstant(WallTime time, const Frame &frame);

    LocalClock m_clock;
    Frame m_dateFrame, m_utcFrame, m_floatingFrame;
    std::deque<Frame> m_zoneFrames;                   // stable addresses
    icalcomponent *m_calendar = nullptr;              // the VCALENDAR being read (its VTIMEZONEs)
    QHash<QByteArray, const Frame *> m_framesByTzid;  // of the calendar being read
    QByteArray m_lastTzid;                            // the TZID last asked for ...
    const Frame *m_lastFrame = nullptr;               // ... and its frame
    // For a file zone and a day: UTC minus wall-clock seconds, the same all day; none on a day
    // the offset changes. Bounded: cleared when full.
    static constexpr qsizetype MaxCachedDays = 8192;
    QHash<QPair<const Frame *, qint64>, std::optional<qint64>> m_dayOffsets;
};
