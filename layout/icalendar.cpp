#include "layout/icalendar.h"

#include "layout/calendarmath.h"
#include "layout/icalrecurrence.h"
#include "layout/icalscan.h"
#include "layout/icalsupport.h"
#include "platform/regularfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QTimeZone>

#include <algorithm>
#include <cstring>
#include <deque>
#include <limits>
#include <string>
#include <unordered_set>

using namespace std::chrono;

namespace {

// Why an iCalendar file is refused, in the user's language.
struct ICalendarWords
{
    Q_DECLARE_TR_FUNCTIONS(ICalendar)
};

constexpr qint64 SecondsPerDay = 86400;
// Zone offsets lie within -12..+14 hours, so an event's wall clock and the computer's differ by
// less than two days: events whose own dates are two days or more outside the year are skipped.
constexpr qint64 ZoneSlackDays = 2;
// An event lasting longer is treated as lasting this long (about 11,000 years), which still
// covers every day from year 1 to 9999.
constexpr qint64 MaxEventDays = 4'000'000;

qint64 secondsOf(WallTime time)
{
    return qint64(time.day.time_since_epoch().count()) * SecondsPerDay + time.seconds;
}

WallTime wallAt(qint64 seconds)
{
    return {sys_days{days{floorDiv(seconds, SecondsPerDay)}}, int(seconds - floorDiv(seconds, SecondsPerDay) * SecondsPerDay)};
}

// The fields of a libical time, checked: libical's parser takes "20241301T250000" as it stands.
std::optional<WallTime> wallOf(const icaltimetype &time)
{
    if (time.year < 1 || time.year > 9999 || time.month < 1 || time.month > 12 || time.day < 1 || time.day > 31)
        return std::nullopt;
    const year_month_day date{year{time.year}, month{unsigned(time.month)}, day{unsigned(time.day)}};
    if (!date.ok())
        return std::nullopt;
    if (time.is_date)
        return WallTime{sys_days{date}, 0};
    // Second 60 is a leap second; calendars have none, so it counts as 59.
    if (time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59 || time.second < 0 || time.second > 60)
        return std::nullopt;
    return WallTime{sys_days{date}, time.hour * 3600 + time.minute * 60 + std::min(time.second, 59)};
}

icaltimetype icalTimeOf(WallTime time, bool isDate, const icaltimezone *zone)
{
    const year_month_day date{time.day};
    icaltimetype result = icaltime_null_time();
    result.year = int(date.year());
    result.month = int(unsigned(date.month()));
    result.day = int(unsigned(date.day()));
    result.is_date = isDate ? 1 : 0;
    if (!isDate) {
        result.hour = time.seconds / 3600;
        result.minute = time.seconds / 60 % 60;
        result.second = time.seconds % 60;
        result.zone = zone;
    }
    return result;
}

// "2024-13-01" or "2024-03-10 25:00:00", for messages.
QString describe(const icaltimetype &time)
{
    const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    QString text = QStringLiteral("%1-%2-%3").arg(time.year, 4, 10, QLatin1Char('0')).arg(two(time.month), two(time.day));
    if (!time.is_date)
        text += QStringLiteral(" %1:%2:%3").arg(two(time.hour), two(time.minute), two(time.second));
    return text;
}

QDateTime qtDateTime(WallTime time, const QTimeZone &zone)
{
    const year_month_day date{time.day};
    return QDateTime(QDate(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day()))),
                     QTime(time.seconds / 3600, time.seconds / 60 % 60, time.seconds % 60), zone);
}

WallTime wallOf(const QDateTime &dateTime)
{
    const qint64 julianDay = dateTime.date().toJulianDay();
    const QTime time = dateTime.time();
    return {sys_days{days{julianDay - UnixEpochJdn}}, time.hour() * 3600 + time.minute() * 60 + time.second()};
}

// The wall clock of this computer. QTimeZone takes about 0.3 microseconds to find the offset of
// an instant, so offsets are kept for the spans between the zone's transitions: the events of
// a year fall into a few of them.
class LocalClock
{
public:
    LocalClock() : m_zone(QTimeZone::systemTimeZone()) {}

    const QTimeZone &zone() const { return m_zone; }

    // Local wall-clock seconds (since 1970-01-01 00:00 on that clock) of an instant.
    qint64 wallSeconds(qint64 instant)
    {
        for (const Span &span : m_spans)
            if (instant >= span.from && instant < span.until)
                return instant + span.offset;
        if (m_spans.size() >= MaxSpans)
            m_spans.clear();
        const QDateTime at = QDateTime::fromSecsSinceEpoch(instant, QTimeZone::utc());
        Span span{std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max(), m_zone.offsetFromUtc(at)};
        const QTimeZone::OffsetData before = m_zone.previousTransition(at.addSecs(1));
        const QTimeZone::OffsetData after = m_zone.nextTransition(at);
        if (before.atUtc.isValid())
            span.from = before.atUtc.toSecsSinceEpoch();
        if (after.atUtc.isValid())
            span.until = after.atUtc.toSecsSinceEpoch();
        if (!(span.from <= instant && instant < span.until)) {
            span.from = instant;
            span.until = instant + 1;
        }
        m_spans.push_back(span);
        return instant + span.offset;
    }

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

// The days of one series in the year, with the summary of the first occurrence on each.
struct SeriesDay
{
    qint64 day;  // since 1970-01-01
    QString summary;
};

// A date value and the frame it is in.
struct Moment
{
    icaltimetype time;  // as libical read it
    WallTime wall;      // checked
    const Frame *frame = nullptr;
};

class Reader
{
public:
    Reader(const QString &name, int year, const IcsScan &scan)
        : m_name(name), m_scan(scan),
          m_firstDay(sys_days{std::chrono::year{year} / January / 1}),
          m_lastDay(sys_days{std::chrono::year{year} / December / 31}),
          m_windowStart(secondsOf({m_firstDay - days{ZoneSlackDays}, 0})),
          m_windowEnd(secondsOf({m_lastDay + days{ZoneSlackDays + 1}, 0}))
    {
        m_dateFrame.kind = Frame::Kind::Date;
        m_utcFrame.kind = Frame::Kind::Utc;
        m_floatingFrame.kind = Frame::Kind::Floating;
    }

    // Reads the events, with the VCALENDARs libical made of the scan's time-zone text (one
    // each, in order; none when the file has no VTIMEZONE). False with error() set when the
    // file is refused.
    bool read(const std::vector<icalcomponent *> &calendars);

    const QString &error() const { return m_error; }
    std::vector<IcsDay> takeDays();

private:
    bool readEvent(const IcsScannedEvent &scanned, Event &event);
    std::optional<Moment> momentOf(const IcsDateLine &line, const QByteArray &value);
    bool durationOf(const IcsDateLine &line, const QByteArray &value, EndRule &end);
    const Frame *frameOf(const QByteArray &tzid, const icaltimetype &time);
    const Frame *zoneFrame(const QByteArray &tzid);
    bool expand(const Series &series);
    bool expandRule(const Event &master, const IcsDateLine &line, const std::unordered_set<qint64> &excludedInstants,
                    const std::unordered_set<qint64> &excludedDays, int &steps);
    bool expandRuleWithLibical(const Event &master, icalrecurrencetype rule, const std::optional<WallTime> &until,
                               const std::unordered_set<qint64> &excludedInstants,
                               const std::unordered_set<qint64> &excludedDays, int &steps, int line);
    std::optional<WallTime> untilOf(const icalrecurrencetype &rule, const Event &master);
    bool countStep(int &steps, bool &stop);
    void mark(const Occurrence &occurrence, bool allDay, const QString &summary);
    // Marks the occurrence of `master`'s rule starting at `start`, unless it is DTSTART (marked
    // on its own) or excluded.
    void markRecurrence(const Event &master, WallTime start, const std::unordered_set<qint64> &excludedInstants,
                        const std::unordered_set<qint64> &excludedDays);
    qint64 instantOf(WallTime time, const Frame &frame);
    qint64 localSeconds(WallTime time, const Frame &frame, qint64 elapsed);
    bool refuse(int line, const QString &reason);
    sys_days skipTarget(const Event &master) const;

    QString m_name;
    const IcsScan &m_scan;
    sys_days m_firstDay, m_lastDay;
    qint64 m_windowStart, m_windowEnd;  // wall-clock seconds; occurrences outside are skipped
    LocalClock m_clock;
    Frame m_dateFrame, m_utcFrame, m_floatingFrame;
    std::deque<Frame> m_zoneFrames;                  // stable addresses
    icalcomponent *m_calendar = nullptr;             // the VCALENDAR being read (its VTIMEZONEs)
    QHash<QByteArray, const Frame *> m_framesByTzid;  // of the calendar being read
    QByteArray m_lastTzid;                           // the TZID last asked for ...
    const Frame *m_lastFrame = nullptr;              // ... and its frame
    std::deque<Event> m_events;
    std::vector<Series> m_series;                    // of the calendar being read
    QHash<QByteArray, size_t> m_seriesByUid;         // of the calendar being read
    std::vector<SeriesDay> m_seriesDays;  // of the series being expanded, each day once
    std::vector<bool> m_seriesMarked;     // by day of the year: in m_seriesDays already
    std::vector<std::pair<qint64, QString>> m_days;  // day, summary; in series order
    qint64 m_stepsLeft = MaxIcsStepsPerFile;
    QElapsedTimer m_clockTime;
    QString m_error;
};

// Why the file `name` was refused, at `line` when there is one (> 0).
QString refusalText(const QString &name, int line, const QString &reason)
{
    return line > 0 ? ICalendarWords::tr("%1, line %2: %3").arg(name).arg(line).arg(reason)
                    : QStringLiteral("%1: %2").arg(name, reason);
}

bool Reader::refuse(int line, const QString &reason)
{
    m_error = refusalText(m_name, line, reason);
    return false;
}

bool Reader::read(const std::vector<icalcomponent *> &calendars)
{
    m_clockTime.start();
    int calendar = -1;
    const auto expandCalendar = [this] {
        for (const Series &series : m_series)
            if (!expand(series))
                return false;
        m_series.clear();
        return true;
    };
    for (const IcsScannedEvent &scanned : m_scan.events) {
        if (scanned.calendar != calendar) {
            // TZIDs and UIDs belong to their VCALENDAR.
            if (!expandCalendar())
                return false;
            calendar = scanned.calendar;
            m_calendar = size_t(calendar) < calendars.size() ? calendars[size_t(calendar)] : nullptr;
            m_framesByTzid.clear();
            m_lastFrame = nullptr;
            m_seriesByUid.clear();
        }
        Event &event = m_events.emplace_back();
        if (!readEvent(scanned, event))
            return false;
        // Without a UID an event stands alone.
        size_t index = m_series.size();
        if (!scanned.uid.isEmpty()) {
            const auto found = m_seriesByUid.constFind(scanned.uid);
            if (found != m_seriesByUid.cend())
                index = *found;
            else
                m_seriesByUid.insert(scanned.uid, index);
        }
        if (index == m_series.size())
            m_series.emplace_back();
        (event.isOverride ? m_series[index].overrides : m_series[index].masters).push_back(&event);
    }
    return expandCalendar();
}

QString quoted(const QByteArray &value)
{
    const QString text = QString::fromUtf8(value);
    return QLatin1Char('"') + (text.size() > 60 ? text.left(57) + QStringLiteral("...") : text) + QLatin1Char('"');
}

std::optional<Moment> Reader::momentOf(const IcsDateLine &line, const QByteArray &value)
{
    const icaltimetype time = icaltime_from_string(value.constData());
    if (icaltime_is_null_time(time)) {
        refuse(line.line, ICalendarWords::tr("libical cannot read the %1 value %2").arg(QString::fromLatin1(line.name), quoted(value)));
        return std::nullopt;
    }
    const auto wall = wallOf(time);
    if (!wall) {
        refuse(line.line, ICalendarWords::tr("the %1 %2 is not a date of the years 1 to 9999")
                              .arg(QString::fromLatin1(line.name), describe(time)));
        return std::nullopt;
    }
    return Moment{time, *wall, frameOf(line.tzid, time)};
}

bool Reader::durationOf(const IcsDateLine &line, const QByteArray &value, EndRule &end)
{
    const icaldurationtype length = icaldurationtype_from_string(value.constData());
    if (icaldurationtype_is_bad_duration(length))
        return refuse(line.line, ICalendarWords::tr("libical cannot read the %1 value %2").arg(QString::fromLatin1(line.name), quoted(value)));
    // A negative duration ends where the event begins.
    end.kind = EndRule::Kind::Nominal;
    end.nominalDays = length.is_neg ? 0 : std::min<qint64>(qint64(length.weeks) * 7 + length.days, MaxEventDays);
    end.nominalSeconds = length.is_neg ? 0
                                       : std::min<qint64>(qint64(length.hours) * 3600 + qint64(length.minutes) * 60 + length.seconds,
                                                          MaxEventDays * SecondsPerDay);
    return true;
}

const Frame *Reader::frameOf(const QByteArray &tzid, const icaltimetype &time)
{
    if (time.is_date)
        return &m_dateFrame;
    if (icaltime_is_utc(time))
        return &m_utcFrame;
    if (tzid.isEmpty())
        return &m_floatingFrame;
    // Most events of a file share a zone: the last one is kept without a look-up.
    if (!m_lastFrame || m_lastTzid != tzid) {
        m_lastTzid = tzid;
        m_lastFrame = zoneFrame(tzid);
    }
    return m_lastFrame;
}

// A name that cannot leave the zoneinfo folder: QTimeZone opens zoneinfo/<name> as it stands,
// and blocks on a FIFO named "../../../tmp/fifo".
bool isPlainZoneName(const QByteArray &id)
{
    if (id.isEmpty() || id.size() > 64 || id.startsWith('/') || id.endsWith('/') || id.contains("//"))
        return false;
    return std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
            || c == '+' || c == '/';
    });
}

const Frame *Reader::zoneFrame(const QByteArray &tzid)
{
    if (const auto found = m_framesByTzid.constFind(tzid); found != m_framesByTzid.cend())
        return *found;
    Frame frame;
    icaltimezone *fileZone = m_calendar ? icalcomponent_get_timezone(m_calendar, tzid.constData()) : nullptr;
    if (fileZone) {
        frame.kind = Frame::Kind::FileZone;
        frame.fileZone = fileZone;
    } else {
        // Not defined in the file: a zone of the system's zoneinfo, through QTimeZone. libical's
        // own zones are not asked: libical opens zoneinfo/<TZID> for any TZID, "../" included,
        // unchecked. Some programs prefix the IANA name ("/freeassociation.sourceforge.net/Tzfile/
        // Europe/Berlin"), and Outlook uses Windows names ("W. Europe Standard Time").
        QByteArray id = tzid;
        if (id.startsWith('/')) {
            for (qsizetype slash = 0; (slash = id.indexOf('/', slash + 1)) > 0;) {
                if (QTimeZone::isTimeZoneIdAvailable(id.mid(slash + 1))) {
                    id = id.mid(slash + 1);
                    break;
                }
            }
        }
        QTimeZone systemZone;
        if (isPlainZoneName(id))
            systemZone = QTimeZone(id);
        if (!systemZone.isValid()) {
            const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(tzid);
            if (!iana.isEmpty())
                systemZone = QTimeZone(iana);
        }
        if (systemZone.isValid()) {
            frame.kind = Frame::Kind::SystemZone;
            frame.systemZone = systemZone;
        } else {
            // A zone nobody knows: its times are taken as local ones.
            frame.kind = Frame::Kind::Floating;
        }
    }
    const Frame *stored = &m_zoneFrames.emplace_back(std::move(frame));
    m_framesByTzid.insert(tzid, stored);
    return stored;
}

bool Reader::readEvent(const IcsScannedEvent &scanned, Event &event)
{
    event.scanned = &scanned;
    const IcsDateLine *start = nullptr, *end = nullptr, *duration = nullptr, *recurrenceId = nullptr;
    // The first of each counts, as in libical.
    for (const IcsDateLine &line : scanned.dateLines) {
        const IcsDateLine **slot = line.name == "DTSTART"         ? &start
                                   : line.name == "DTEND"         ? &end
                                   : line.name == "DURATION"      ? &duration
                                   : line.name == "RECURRENCE-ID" ? &recurrenceId
                                                                  : nullptr;
        if (slot && !*slot)
            *slot = &line;
    }

    if (recurrenceId) {
        const auto moment = momentOf(*recurrenceId, recurrenceId->value);
        if (!moment)
            return false;
        event.isOverride = true;
        event.recurrenceId = moment->wall;
        event.recurrenceIdFrame = moment->frame;
    }
    if (start) {
        const auto moment = momentOf(*start, start->value);
        if (!moment)
            return false;
        event.first.start = moment->wall;
        event.first.frame = moment->frame;
    } else if (event.isOverride) {
        // An override that does not move its occurrence may leave DTSTART out.
        event.first.start = event.recurrenceId;
        event.first.frame = event.recurrenceIdFrame;
    } else {
        return refuse(scanned.line, ICalendarWords::tr("the event has no DTSTART"));
    }
    event.allDay = event.first.frame->kind == Frame::Kind::Date;

    if (end) {
        const auto moment = momentOf(*end, end->value);
        if (!moment)
            return false;
        const auto onWallClock = [](const Frame &frame) {
            return frame.kind == Frame::Kind::Date || frame.kind == Frame::Kind::Floating;
        };
        const qint64 elapsed = onWallClock(*event.first.frame) && onWallClock(*moment->frame)
            ? secondsOf(moment->wall) - secondsOf(event.first.start)
            : instantOf(moment->wall, *moment->frame) - instantOf(event.first.start, *event.first.frame);
        event.first.end.kind = EndRule::Kind::Exact;
        event.first.end.exactSeconds = std::clamp<qint64>(elapsed, 0, MaxEventDays * SecondsPerDay);
    } else if (duration && !durationOf(*duration, duration->value, event.first.end)) {
        return false;
    }
    return true;
}

qint64 Reader::instantOf(WallTime time, const Frame &frame)
{
    switch (frame.kind) {
    case Frame::Kind::Utc:
        return secondsOf(time);
    case Frame::Kind::FileZone: {
        icaltimetype converted = icalTimeOf(time, false, nullptr);
        icaltimezone_convert_time(&converted, frame.fileZone, icaltimezone_get_utc_timezone());
        // Converted fields may lie just outside the years 1..9999; chrono counts them all the same.
        // A VTIMEZONE with absurd offsets could leave them invalid: then the time counts as UTC.
        const year_month_day date{year{converted.year}, month{unsigned(converted.month)},
                                  std::chrono::day{unsigned(std::clamp(converted.day, 0, 255))}};
        if (!date.ok() || converted.year < -30000 || converted.year > 30000)
            return secondsOf(time);
        return secondsOf({sys_days{date}, converted.hour * 3600 + converted.minute * 60 + converted.second});
    }
    case Frame::Kind::SystemZone:
        return qtDateTime(time, frame.systemZone).toSecsSinceEpoch();
    case Frame::Kind::Date:
    case Frame::Kind::Floating:
        break;
    }
    return qtDateTime(time, m_clock.zone()).toSecsSinceEpoch();
}

// Local wall-clock seconds of `elapsed` seconds after `time`.
qint64 Reader::localSeconds(WallTime time, const Frame &frame, qint64 elapsed)
{
    if (frame.kind == Frame::Kind::Date || frame.kind == Frame::Kind::Floating)
        return secondsOf(time) + elapsed;
    return m_clock.wallSeconds(instantOf(time, frame) + elapsed);
}

void Reader::mark(const Occurrence &occurrence, bool allDay, const QString &summary)
{
    const qint64 wallStart = secondsOf(occurrence.start);
    const EndRule &end = occurrence.end;
    // Where the occurrence ends on its own wall clock, to skip the ones far from the year
    // before converting anything.
    qint64 wallEnd = wallStart;
    switch (end.kind) {
    case EndRule::Kind::Default: wallEnd = allDay ? wallStart + SecondsPerDay : wallStart; break;
    case EndRule::Kind::Exact: wallEnd = wallStart + end.exactSeconds; break;
    case EndRule::Kind::Nominal: wallEnd = wallStart + end.nominalDays * SecondsPerDay + end.nominalSeconds; break;
    }
    if (wallEnd < m_windowStart || wallStart > m_windowEnd)
        return;

    const qint64 localStart = localSeconds(occurrence.start, *occurrence.frame, 0);
    qint64 localEnd = localStart;
    if (wallEnd > m_windowEnd) {
        localEnd = m_windowEnd;  // past the year whichever the zone
    } else {
        switch (end.kind) {
        case EndRule::Kind::Default: localEnd = allDay ? localStart + SecondsPerDay : localStart; break;
        case EndRule::Kind::Exact: localEnd = localSeconds(occurrence.start, *occurrence.frame, end.exactSeconds); break;
        case EndRule::Kind::Nominal:
            localEnd = localSeconds({occurrence.start.day + days{end.nominalDays}, occurrence.start.seconds},
                                    *occurrence.frame, end.nominalSeconds);
            break;
        }
    }
    // The end is exclusive: an event until 00:00, or an all-day event's DTEND, is not on that day.
    const qint64 firstDay = floorDiv(localStart, SecondsPerDay);
    const qint64 lastDay = localEnd > localStart ? floorDiv(localEnd - 1, SecondsPerDay) : firstDay;
    const qint64 yearStart = m_firstDay.time_since_epoch().count();
    const qint64 from = std::max<qint64>(firstDay, yearStart);
    const qint64 to = std::min<qint64>(lastDay, m_lastDay.time_since_epoch().count());
    for (qint64 day = from; day <= to; ++day) {
        if (!m_seriesMarked[size_t(day - yearStart)]) {
            m_seriesMarked[size_t(day - yearStart)] = true;
            m_seriesDays.push_back({day, summary});
        }
    }
}

bool Reader::countStep(int &steps, bool &stop)
{
    if (++steps > MaxIcsStepsPerEvent) {
        stop = true;
        return true;
    }
    if (--m_stepsLeft < 0)
        return refuse(0, ICalendarWords::tr("its recurring events have more than %L1 occurrences to work through")
                             .arg(MaxIcsStepsPerFile));
    return true;
}

sys_days Reader::skipTarget(const Event &master) const
{
    // Occurrences that start this long before the year cannot reach into it.
    const EndRule &end = master.first.end;
    qint64 length = 1;
    if (end.kind == EndRule::Kind::Exact)
        length += end.exactSeconds / SecondsPerDay + 1;
    else if (end.kind == EndRule::Kind::Nominal)
        length += end.nominalDays + end.nominalSeconds / SecondsPerDay + 1;
    return m_firstDay - days{std::min(length, MaxEventDays) + ZoneSlackDays};
}

std::optional<WallTime> Reader::untilOf(const icalrecurrencetype &rule, const Event &master)
{
    if (icaltime_is_null_time(rule.until))
        return std::nullopt;
    const auto wall = wallOf(rule.until);
    if (!wall)
        return std::nullopt;
    // A UTC UNTIL is compared on the wall clock of DTSTART.
    if (rule.until.is_date || !icaltime_is_utc(rule.until) || master.first.frame->kind == Frame::Kind::Utc
        || master.allDay)
        return wall;
    const qint64 instant = secondsOf(*wall);
    switch (master.first.frame->kind) {
    case Frame::Kind::FileZone: {
        icaltimetype local = rule.until;
        icaltimezone_convert_time(&local, icaltimezone_get_utc_timezone(), master.first.frame->fileZone);
        if (const auto converted = wallOf(local))
            return converted;
        return wall;
    }
    case Frame::Kind::SystemZone:
        return wallOf(QDateTime::fromSecsSinceEpoch(instant, master.first.frame->systemZone));
    default:
        return wallAt(m_clock.wallSeconds(instant));
    }
}

bool Reader::expandRule(const Event &master, const IcsDateLine &line, const std::unordered_set<qint64> &excludedInstants,
                        const std::unordered_set<qint64> &excludedDays, int &steps)
{
    const IcalRecurrenceRule parsed(line.value.constData());
    const icalrecurrencetype &rule = parsed.rule();
    if (rule.freq == ICAL_NO_RECURRENCE)
        return refuse(line.line, ICalendarWords::tr("libical cannot read the RRULE value %1").arg(quoted(line.value)));
    if (!icaltime_is_null_time(rule.until) && !wallOf(rule.until))
        return refuse(line.line, ICalendarWords::tr("the UNTIL %1 of the RRULE is not a date of the years 1 to 9999").arg(describe(rule.until)));
    const std::optional<WallTime> until = untilOf(rule, master);
    // An UNTIL that is a date for a DTSTART that is not (or the other way round) is libical's to
    // interpret.
    const bool untilMatches = icaltime_is_null_time(rule.until) || bool(rule.until.is_date) == master.allDay;
    const auto simple = untilMatches ? simpleRuleOf(rule, until) : std::nullopt;
    if (!simple)
        return expandRuleWithLibical(master, rule, until, excludedInstants, excludedDays, steps, line.line);

    SimpleRecurrence occurrences(*simple, master.first.start);
    occurrences.skipTo(skipTarget(master));
    bool stop = false;
    while (const auto start = occurrences.next()) {
        if (!countStep(steps, stop))
            return false;
        if (stop || secondsOf(*start) > m_windowEnd)
            break;
        markRecurrence(master, *start, excludedInstants, excludedDays);
    }
    return true;
}

void Reader::markRecurrence(const Event &master, WallTime start, const std::unordered_set<qint64> &excludedInstants,
                            const std::unordered_set<qint64> &excludedDays)
{
    if (start == master.first.start)
        return;
    if (excludedDays.count(start.day.time_since_epoch().count())
        || (!excludedInstants.empty() && excludedInstants.count(instantOf(start, *master.first.frame))))
        return;
    Occurrence occurrence = master.first;
    occurrence.start = start;
    mark(occurrence, master.allDay, master.scanned->summary);
}

bool Reader::expandRuleWithLibical(const Event &master, icalrecurrencetype rule, const std::optional<WallTime> &until,
                                   const std::unordered_set<qint64> &excludedInstants,
                                   const std::unordered_set<qint64> &excludedDays, int &steps, int line)
{
    // libical steps through every second or minute between two matches of such a rule, and
    // between matches that never come it steps on to the year 2582: hours of work.
    if (rule.freq < ICAL_DAILY_RECURRENCE) {
        const short *parts[] = {rule.by_second, rule.by_minute, rule.by_hour, rule.by_day, rule.by_month_day,
                                rule.by_year_day, rule.by_week_no, rule.by_month, rule.by_set_pos};
        for (const short *part : parts)
            if (part[0] != ICAL_RECURRENCE_ARRAY_MAX)
                return refuse(line, ICalendarWords::tr("an RRULE that repeats more often than daily cannot have BY... parts here"));
    }
    const Frame &frame = *master.first.frame;
    // libical compares a UTC UNTIL with the occurrences in the zone it knows; for the others the
    // UNTIL goes in on the wall clock of DTSTART.
    if (until && frame.kind != Frame::Kind::FileZone && frame.kind != Frame::Kind::Utc && !rule.until.is_date)
        rule.until = icalTimeOf(*until, false, nullptr);
    const icaltimezone *zone = frame.kind == Frame::Kind::FileZone ? frame.fileZone
        : frame.kind == Frame::Kind::Utc                         ? icaltimezone_get_utc_timezone()
                                                                 : nullptr;
    const icaltimetype start = icalTimeOf(master.first.start, master.allDay, zone);
    IcalIteratorPtr iterator(icalrecur_iterator_new(rule, start));
    if (!iterator)
        return refuse(line, ICalendarWords::tr("libical cannot expand this RRULE"));
    const sys_days target = skipTarget(master);
    if (rule.count == 0 && target > master.first.start.day)
        icalrecur_iterator_set_start(iterator.get(), icalTimeOf({target, master.first.start.seconds}, master.allDay, zone));

    std::optional<WallTime> previous;
    bool stop = false;
    for (;;) {
        const icaltimetype next = icalrecur_iterator_next(iterator.get());
        // Checked after every step, since a rule that never matches takes libical long to give up.
        if (m_clockTime.elapsed() > MaxIcsExpandMilliseconds)
            return refuse(0, ICalendarWords::tr("its recurring events take more than %1 s to work out")
                                 .arg(MaxIcsExpandMilliseconds / 1000.0));
        if (icaltime_is_null_time(next))
            break;
        if (!countStep(steps, stop))
            return false;
        const auto wall = wallOf(next);
        // An iterator that stops moving forward is done.
        if (stop || !wall || secondsOf(*wall) > m_windowEnd || (previous && *wall <= *previous))
            break;
        previous = wall;
        markRecurrence(master, *wall, excludedInstants, excludedDays);
    }
    return true;
}

// Calls `take` with each value of a property that may hold a list ("20240101,20240108").
template<typename Take>
bool forEachValue(const QByteArray &values, Take take)
{
    for (const QByteArray &value : values.split(','))
        if (!take(value.trimmed()))
            return false;
    return true;
}

bool Reader::expand(const Series &series)
{
    m_seriesDays.clear();
    m_seriesMarked.assign(size_t((m_lastDay - m_firstDay).count() + 1), false);
    // A cancelled event takes its overrides with it.
    for (const Event *master : series.masters)
        if (master->scanned->cancelled)
            return true;

    // Occurrences replaced by overrides count as excluded, like EXDATEs.
    std::unordered_set<qint64> excludedInstants, excludedDays;
    const auto exclude = [&](WallTime time, const Frame &frame) {
        if (frame.kind == Frame::Kind::Date)
            excludedDays.insert(time.day.time_since_epoch().count());
        else
            excludedInstants.insert(instantOf(time, frame));
    };
    for (const Event *override : series.overrides)
        exclude(override->recurrenceId, *override->recurrenceIdFrame);
    for (const Event *master : series.masters) {
        for (const IcsDateLine &line : master->scanned->dateLines) {
            if (line.name != "EXDATE")
                continue;
            const bool read = forEachValue(line.value, [&](const QByteArray &value) {
                const auto moment = momentOf(line, value);
                if (moment)
                    exclude(moment->wall, *moment->frame);
                return bool(moment);
            });
            if (!read)
                return false;
        }
    }
    const auto excluded = [&](const Occurrence &occurrence) {
        return excludedDays.count(occurrence.start.day.time_since_epoch().count())
            || (!excludedInstants.empty() && occurrence.frame->kind != Frame::Kind::Date
                && excludedInstants.count(instantOf(occurrence.start, *occurrence.frame)));
    };

    for (const Event *master : series.masters) {
        int steps = 0;
        bool stop = false;
        // DTSTART is always the first occurrence, whether or not the RRULE matches it.
        if (!countStep(steps, stop))
            return false;
        if (!excluded(master->first))
            mark(master->first, master->allDay, master->scanned->summary);
        for (const IcsDateLine &line : master->scanned->dateLines) {
            if (stop)
                break;
            if (line.name == "RRULE" && !expandRule(*master, line, excludedInstants, excludedDays, steps))
                return false;
            if (line.name != "RDATE")
                continue;
            const bool read = forEachValue(line.value, [&](const QByteArray &value) {
                // False ends the list: at the cap of the event (stop) or with an error.
                if (!countStep(steps, stop) || stop)
                    return false;
                Occurrence occurrence = master->first;
                if (value.contains('/')) {
                    // A PERIOD: start/end or start/duration.
                    const qsizetype slash = value.indexOf('/');
                    const auto from = momentOf(line, value.left(slash));
                    if (!from)
                        return false;
                    occurrence.start = from->wall;
                    occurrence.frame = from->frame;
                    const QByteArray to = value.mid(slash + 1);
                    if (to.startsWith('P') || to.startsWith('+') || to.startsWith('-')) {
                        if (!durationOf(line, to, occurrence.end))
                            return false;
                    } else {
                        const auto until = momentOf(line, to);
                        if (!until)
                            return false;
                        occurrence.end.kind = EndRule::Kind::Exact;
                        occurrence.end.exactSeconds = std::clamp<qint64>(
                            instantOf(until->wall, *until->frame) - instantOf(from->wall, *from->frame), 0, MaxEventDays * SecondsPerDay);
                    }
                } else {
                    const auto moment = momentOf(line, value);
                    if (!moment)
                        return false;
                    occurrence.start = moment->wall;
                    occurrence.frame = moment->frame;
                }
                if (!excluded(occurrence))
                    mark(occurrence, occurrence.frame->kind == Frame::Kind::Date, master->scanned->summary);
                return true;
            });
            if (!read && !m_error.isEmpty())
                return false;
        }
    }
    for (const Event *override : series.overrides) {
        if (override->scanned->cancelled)
            continue;
        const QString &summary = !override->scanned->summary.isEmpty() || series.masters.empty()
            ? override->scanned->summary
            : series.masters.front()->scanned->summary;
        mark(override->first, override->allDay, summary);
    }

    // One entry per day: the first occurrence's summary stands for the others.
    if (m_days.size() + m_seriesDays.size() > size_t(MaxIcsDays))
        return refuse(0, ICalendarWords::tr("its events fall on more than %L1 days in all").arg(MaxIcsDays));
    std::sort(m_seriesDays.begin(), m_seriesDays.end(), [](const SeriesDay &a, const SeriesDay &b) { return a.day < b.day; });
    for (SeriesDay &day : m_seriesDays)
        m_days.emplace_back(day.day, std::move(day.summary));
    return true;
}

std::vector<IcsDay> Reader::takeDays()
{
    std::stable_sort(m_days.begin(), m_days.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<IcsDay> days;
    days.reserve(m_days.size());
    for (const auto &[day, summary] : m_days)
        days.push_back({year_month_day{sys_days{std::chrono::days{day}}}, summary});
    return days;
}

IcsReadResult refused(const QString &message)
{
    IcsReadResult result;
    result.error = message;
    return result;
}

} // namespace

IcsReadResult parseIcsDays(const QByteArray &bytes, const QString &name, int year)
{
    if (year < 1 || year > 9999)
        return refused(ICalendarWords::tr("%1: the year %2 is outside 1 to 9999").arg(name).arg(year));
    if (bytes.size() > MaxIcsFileBytes)
        return refused(ICalendarWords::tr("%1: it is larger than %2 MiB, too large for an iCalendar file")
                           .arg(name).arg(MaxIcsFileBytes / (1024 * 1024)));
    if (bytes.contains('\0'))
        return refused(ICalendarWords::tr("%1: it holds NUL bytes, so it is not an iCalendar file").arg(name));

    // A byte-order mark is no part of the first line.
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    const IcsScan scan = scanIcs(text, year);
    if (!scan.error.isEmpty())
        return refused(refusalText(name, scan.errorLine, scan.error));

    ensureLibicalSetUp();
    // libical builds its zones from the VTIMEZONEs, one VCALENDAR for each of the file's.
    IcalComponentPtr root;
    std::vector<icalcomponent *> calendars;
    if (scan.hasTimeZones) {
        root.reset(icalparser_parse_string(scan.timeZones.c_str()));
        if (root && icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT)
            calendars.push_back(root.get());
        for (icalcomponent *calendar = root ? icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT) : nullptr;
             calendar; calendar = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            calendars.push_back(calendar);
        if (int(calendars.size()) != scan.calendars)
            return refused(ICalendarWords::tr("%1: libical cannot read its time zones").arg(name));
    }
    Reader reader(name, year, scan);
    if (!reader.read(calendars))
        return refused(reader.error());

    IcsReadResult result;
    result.ok = true;
    result.calendarName = scan.calendarName;
    result.days = reader.takeDays();
    return result;
}

IcsReadResult readIcsDays(const QString &path, int year)
{
    using Problem = RegularFileBytes::Problem;
    const RegularFileBytes file = readRegularFile(path, MaxIcsFileBytes);
    QString reason = file.reason;
    switch (file.problem) {
    case Problem::None: return parseIcsDays(file.bytes, path, year);
    case Problem::Missing: reason = ICalendarWords::tr("there is no such file"); break;
    case Problem::Folder: reason = ICalendarWords::tr("it is a folder, not a file"); break;
    case Problem::NotRegular: reason = ICalendarWords::tr("it is not a regular file (a device, pipe or socket)"); break;
    case Problem::TooLarge:
        reason = ICalendarWords::tr("it is larger than %1 MiB, too large for an iCalendar file").arg(MaxIcsFileBytes / (1024 * 1024));
        break;
    case Problem::CannotOpen:
    case Problem::CannotRead: break;
    }
    return refused(refusalText(path, 0, reason));
}
