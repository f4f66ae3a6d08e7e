#include "layout/icalendar.h"

#include "layout/icalrecurrence.h"
#include "layout/icalscan.h"
#include "layout/icalsupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTimeZone>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <limits>
#include <unordered_set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::chrono;

namespace {

constexpr qint64 SecondsPerDay = 86400;
// Zone offsets lie within -12..+14 hours, so an event's wall clock and the computer's differ by
// less than two days: events whose own dates are two days or more outside the year are skipped.
constexpr qint64 ZoneSlackDays = 2;
// An event lasting longer is treated as lasting this long (about 11,000 years), which still
// covers every day from year 1 to 9999.
constexpr qint64 MaxEventDays = 4'000'000;

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

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
    if (time.year < 1 || time.year > 9999 || time.month < 1 || time.month > 12 || time.day < 1)
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

QString describe(const icaltimetype &time)
{
    QString text = QStringLiteral("%1-%2-%3").arg(time.year, 4, 10, QLatin1Char('0')).arg(time.month, 2, 10, QLatin1Char('0')).arg(time.day, 2, 10, QLatin1Char('0'));
    if (!time.is_date)
        text += QStringLiteral(" %1:%2:%3").arg(time.hour, 2, 10, QLatin1Char('0')).arg(time.minute, 2, 10, QLatin1Char('0')).arg(time.second, 2, 10, QLatin1Char('0'));
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
    // Julian day 2440588 is 1970-01-01.
    return {sys_days{days{julianDay - 2440588}}, time.hour() * 3600 + time.minute() * 60 + time.second()};
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
        if (!(span.from <= instant && instant < span.until))
            span.from = instant, span.until = instant + 1;
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
    icalcomponent *component = nullptr;
    const IcsScannedEvent *scanned = nullptr;  // its lines; null if the scan lost count
    QByteArray uid;
    QString summary;
    bool cancelled = false;
    bool allDay = false;
    bool isOverride = false;
    WallTime recurrenceId;
    const Frame *recurrenceIdFrame = nullptr;
    Occurrence first;  // DTSTART and how long it lasts
};

// The events of one UID: the ones with a RECURRENCE-ID override single occurrences of the others.
struct Series
{
    std::vector<Event *> masters;
    std::vector<Event *> overrides;
};

// The days of one series in the year, with the summary of the first occurrence on each.
struct SeriesDay
{
    qint64 day;  // since 1970-01-01
    QString summary;
};

class Reader
{
public:
    Reader(const QString &name, int year, const IcsScan &scan)
        : m_name(name), m_scan(scan), m_year(year),
          m_firstDay(sys_days{std::chrono::year{year} / January / 1}),
          m_lastDay(sys_days{std::chrono::year{year} / December / 31}),
          m_windowStart(secondsOf({m_firstDay - days{ZoneSlackDays}, 0})),
          m_windowEnd(secondsOf({m_lastDay + days{ZoneSlackDays + 1}, 0}))
    {
        m_dateFrame.kind = Frame::Kind::Date;
        m_utcFrame.kind = Frame::Kind::Utc;
        m_floatingFrame.kind = Frame::Kind::Floating;
    }

    // Reads the VCALENDARs under `root`; false with error() set when the file is refused.
    bool read(icalcomponent *root);

    const QString &error() const { return m_error; }
    const QString &calendarName() const { return m_calendarName; }
    std::vector<IcsDay> takeDays();

private:
    bool readCalendar(icalcomponent *calendar);
    bool readEvent(icalcomponent *component, Event &event);
    bool checkParseErrors(icalcomponent *component, const IcsScannedEvent *scanned);
    std::optional<WallTime> timeOf(const icaltimetype &time, const char *property, const Event &event);
    const Frame *frameOf(icalproperty *property, const icaltimetype &time);
    const Frame *zoneFrame(const QByteArray &tzid);
    bool expand(const Series &series);
    bool expandRule(const Event &master, icalproperty *property, const std::unordered_set<qint64> &excludedInstants,
                    const std::unordered_set<qint64> &excludedDays, int &steps);
    bool expandRuleWithLibical(const Event &master, icalrecurrencetype rule, const std::optional<WallTime> &until,
                               const std::unordered_set<qint64> &excludedInstants,
                               const std::unordered_set<qint64> &excludedDays, int &steps, int line);
    std::optional<WallTime> untilOf(const icalrecurrencetype &rule, const Event &master);
    bool countStep(int &steps, bool &stop);
    void mark(const Occurrence &occurrence, bool allDay, const QString &summary);
    qint64 instantOf(WallTime time, const Frame &frame);
    qint64 localSeconds(WallTime time, const Frame &frame, qint64 elapsed);
    int lineOf(const Event &event, const char *property) const;
    bool refuse(int line, const QString &reason);
    sys_days skipTarget(const Event &master) const;

    QString m_name;
    const IcsScan &m_scan;
    int m_year;
    sys_days m_firstDay, m_lastDay;
    qint64 m_windowStart, m_windowEnd;  // wall-clock seconds; occurrences outside are skipped
    LocalClock m_clock;
    Frame m_dateFrame, m_utcFrame, m_floatingFrame;
    std::deque<Frame> m_zoneFrames;                  // stable addresses
    QHash<QByteArray, const Frame *> m_framesByTzid;  // of the calendar being read
    icalcomponent *m_calendar = nullptr;
    size_t m_eventIndex = 0;  // VEVENTs read so far, to find their lines in m_scan
    std::deque<Event> m_events;
    std::vector<Series> m_series;
    QHash<QByteArray, size_t> m_seriesByUid;
    std::vector<SeriesDay> m_seriesDays;  // of the series being expanded
    std::vector<std::pair<qint64, QString>> m_days;  // day, summary; in series order
    qint64 m_stepsLeft = MaxIcsStepsPerFile;
    QElapsedTimer m_clockTime;
    QString m_error;
    QString m_calendarName;
};

bool Reader::refuse(int line, const QString &reason)
{
    m_error = line > 0 ? QStringLiteral("%1, line %2: %3").arg(m_name).arg(line).arg(reason)
                       : QStringLiteral("%1: %2").arg(m_name, reason);
    return false;
}

int Reader::lineOf(const Event &event, const char *property) const
{
    if (!event.scanned)
        return 0;
    for (const IcsDateLine &line : event.scanned->dateLines)
        if (line.name == property)
            return line.line;
    return event.scanned->line;
}

bool Reader::read(icalcomponent *root)
{
    m_clockTime.start();
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT)
        return readCalendar(root);
    for (icalcomponent *calendar = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); calendar;
         calendar = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
        if (!readCalendar(calendar))
            return false;
    return true;
}

bool Reader::readCalendar(icalcomponent *calendar)
{
    m_calendar = calendar;
    m_framesByTzid.clear();
    if (m_calendarName.isEmpty()) {
        for (icalproperty *property = icalcomponent_get_first_property(calendar, ICAL_X_PROPERTY); property;
             property = icalcomponent_get_next_property(calendar, ICAL_X_PROPERTY)) {
            const char *name = icalproperty_get_x_name(property);
            if (name && qstricmp(name, "X-WR-CALNAME") == 0) {
                m_calendarName = QString::fromUtf8(icalproperty_get_x(property)).trimmed();
                break;
            }
        }
    }

    const size_t firstSeries = m_series.size();
    for (icalcomponent *component = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); component;
         component = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        Event &event = m_events.emplace_back();
        if (!readEvent(component, event))
            return false;
        // Without a UID an event stands alone.
        size_t index = m_series.size();
        if (!event.uid.isEmpty()) {
            const auto found = m_seriesByUid.constFind(event.uid);
            if (found != m_seriesByUid.cend())
                index = *found;
            else
                m_seriesByUid.insert(event.uid, index);
        }
        if (index == m_series.size())
            m_series.emplace_back();
        (event.isOverride ? m_series[index].overrides : m_series[index].masters).push_back(&event);
    }
    for (size_t i = firstSeries; i < m_series.size(); ++i)
        if (!expand(m_series[i]))
            return false;
    return true;
}

bool Reader::checkParseErrors(icalcomponent *component, const IcsScannedEvent *scanned)
{
    // Every X-LIC-ERROR here is libical's own: the scan passes no such line on. A date property
    // it could not read would silently lose days, so the file is refused; others do not matter.
    for (icalproperty *error = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY); error;
         error = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY)) {
        const QByteArray text = icalproperty_get_xlicerror(error);
        if (!scanned)
            continue;
        const IcsDateLine *culprit = nullptr;
        for (const IcsDateLine &line : scanned->dateLines) {
            if (!text.contains(" " + line.name + " property"))
                continue;
            if (!culprit || text.trimmed().endsWith(line.value.trimmed()))
                culprit = &line;
        }
        if (culprit) {
            QString value = QString::fromUtf8(culprit->value.trimmed());
            if (value.size() > 60)
                value = value.left(57) + QStringLiteral("...");
            return refuse(culprit->line, QStringLiteral("libical cannot read the %1 value \"%2\"")
                                             .arg(QString::fromLatin1(culprit->name), value));
        }
    }
    return true;
}

std::optional<WallTime> Reader::timeOf(const icaltimetype &time, const char *property, const Event &event)
{
    const auto wall = wallOf(time);
    if (!wall)
        refuse(lineOf(event, property), QStringLiteral("the %1 %2 is not a date of the years 1 to 9999")
                                             .arg(QString::fromLatin1(property), describe(time)));
    return wall;
}

const Frame *Reader::frameOf(icalproperty *property, const icaltimetype &time)
{
    if (time.is_date)
        return &m_dateFrame;
    if (icaltime_is_utc(time))
        return &m_utcFrame;
    icalparameter *tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    const char *id = tzid ? icalparameter_get_tzid(tzid) : nullptr;
    if (!id || !*id)
        return &m_floatingFrame;
    return zoneFrame(QByteArray(id));
}

// An IANA name that cannot leave the zoneinfo folder: QTimeZone opens a file of that name.
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
    if (icaltimezone *zone = icalcomponent_get_timezone(m_calendar, tzid.constData())) {
        frame.kind = Frame::Kind::FileZone;
        frame.fileZone = zone;
    } else {
        // Not defined in the file: a zone of the system's zoneinfo. libical's own zones are not
        // asked: libical opens zoneinfo/<TZID> for any TZID, "../" included, and would block on a
        // FIFO. Some programs prefix the IANA name ("/freeassociation.sourceforge.net/Tzfile/
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

bool Reader::readEvent(icalcomponent *component, Event &event)
{
    event.component = component;
    event.scanned = m_eventIndex < m_scan.events.size() ? &m_scan.events[m_eventIndex] : nullptr;
    ++m_eventIndex;
    if (!checkParseErrors(component, event.scanned))
        return false;

    if (const char *uid = icalcomponent_get_uid(component))
        event.uid = QByteArray(uid).trimmed();
    if (const char *summary = icalcomponent_get_summary(component))
        event.summary = QString::fromUtf8(summary);
    event.cancelled = icalcomponent_get_status(component) == ICAL_STATUS_CANCELLED;

    if (icalproperty *property = icalcomponent_get_first_property(component, ICAL_RECURRENCEID_PROPERTY)) {
        const icaltimetype time = icalproperty_get_recurrenceid(property);
        const auto wall = timeOf(time, "RECURRENCE-ID", event);
        if (!wall)
            return false;
        event.isOverride = true;
        event.recurrenceId = *wall;
        event.recurrenceIdFrame = frameOf(property, time);
    }

    icalproperty *start = icalcomponent_get_first_property(component, ICAL_DTSTART_PROPERTY);
    icaltimetype startTime{};
    if (start) {
        startTime = icalproperty_get_dtstart(start);
        const auto wall = timeOf(startTime, "DTSTART", event);
        if (!wall)
            return false;
        event.first.start = *wall;
        event.first.frame = frameOf(start, startTime);
    } else if (event.isOverride) {
        // An override that does not move its occurrence may leave DTSTART out.
        event.first.start = event.recurrenceId;
        event.first.frame = event.recurrenceIdFrame;
    } else {
        return refuse(event.scanned ? event.scanned->line : 0, QStringLiteral("the event has no DTSTART"));
    }
    event.allDay = event.first.frame->kind == Frame::Kind::Date;

    if (icalproperty *end = icalcomponent_get_first_property(component, ICAL_DTEND_PROPERTY)) {
        const icaltimetype endTime = icalproperty_get_dtend(end);
        const auto wall = timeOf(endTime, "DTEND", event);
        if (!wall)
            return false;
        const Frame *endFrame = frameOf(end, endTime);
        const bool wallClocks = (event.first.frame->kind == Frame::Kind::Date || event.first.frame->kind == Frame::Kind::Floating)
            && (endFrame->kind == Frame::Kind::Date || endFrame->kind == Frame::Kind::Floating);
        const qint64 elapsed = wallClocks ? secondsOf(*wall) - secondsOf(event.first.start)
                                          : instantOf(*wall, *endFrame) - instantOf(event.first.start, *event.first.frame);
        event.first.end.kind = EndRule::Kind::Exact;
        event.first.end.exactSeconds = std::clamp<qint64>(elapsed, 0, MaxEventDays * SecondsPerDay);
    } else if (icalproperty *duration = icalcomponent_get_first_property(component, ICAL_DURATION_PROPERTY)) {
        const icaldurationtype length = icalproperty_get_duration(duration);
        event.first.end.kind = EndRule::Kind::Nominal;
        if (!length.is_neg) {
            event.first.end.nominalDays = std::min<qint64>(qint64(length.weeks) * 7 + length.days, MaxEventDays);
            event.first.end.nominalSeconds = std::min<qint64>(
                qint64(length.hours) * 3600 + qint64(length.minutes) * 60 + length.seconds, MaxEventDays * SecondsPerDay);
        }
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
        const sys_days day{year{converted.year} / month{unsigned(converted.month)} / std::chrono::day{unsigned(converted.day)}};
        return secondsOf({day, converted.hour * 3600 + converted.minute * 60 + converted.second});
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
    const qint64 from = std::max<qint64>(firstDay, m_firstDay.time_since_epoch().count());
    const qint64 to = std::min<qint64>(lastDay, m_lastDay.time_since_epoch().count());
    for (qint64 day = from; day <= to; ++day)
        m_seriesDays.push_back({day, summary});
}

bool Reader::countStep(int &steps, bool &stop)
{
    if (++steps > MaxIcsStepsPerEvent) {
        stop = true;
        return true;
    }
    if (--m_stepsLeft < 0)
        return refuse(0, QStringLiteral("its recurring events have more than %L1 occurrences to work through")
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
        return WallTime{sys_days{year{9999} / December / 31}, SecondsPerDay - 1};
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

bool Reader::expandRule(const Event &master, icalproperty *property, const std::unordered_set<qint64> &excludedInstants,
                        const std::unordered_set<qint64> &excludedDays, int &steps)
{
    const icalrecurrencetype rule = icalproperty_get_rrule(property);
    const std::optional<WallTime> until = untilOf(rule, master);
    const int line = lineOf(master, "RRULE");
    // An UNTIL that is a date for a DTSTART that is not (or the other way round) is libical's to
    // interpret.
    const bool untilMatches = icaltime_is_null_time(rule.until) || bool(rule.until.is_date) == master.allDay;
    const auto simple = untilMatches ? simpleRuleOf(rule, until) : std::nullopt;
    if (!simple)
        return expandRuleWithLibical(master, rule, until, excludedInstants, excludedDays, steps, line);

    SimpleRecurrence occurrences(*simple, master.first.start);
    occurrences.skipTo(skipTarget(master));
    bool stop = false;
    while (const auto start = occurrences.next()) {
        if (!countStep(steps, stop))
            return false;
        if (stop || secondsOf(*start) > m_windowEnd)
            break;
        if (*start == master.first.start)
            continue;
        if (excludedDays.count(start->day.time_since_epoch().count())
            || (!excludedInstants.empty() && excludedInstants.count(instantOf(*start, *master.first.frame))))
            continue;
        Occurrence occurrence = master.first;
        occurrence.start = *start;
        mark(occurrence, master.allDay, master.summary);
    }
    return true;
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
                return refuse(line, QStringLiteral("an RRULE that repeats more often than daily cannot have BY... parts here"));
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
        return refuse(line, QStringLiteral("libical cannot expand this RRULE"));
    const sys_days target = skipTarget(master);
    if (rule.count == 0 && target > master.first.start.day)
        icalrecur_iterator_set_start(iterator.get(), icalTimeOf({target, master.first.start.seconds}, master.allDay, zone));

    std::optional<WallTime> previous;
    bool stop = false;
    for (;;) {
        const icaltimetype next = icalrecur_iterator_next(iterator.get());
        // Checked after every step, since a rule that never matches takes libical long to give up.
        if (m_clockTime.elapsed() > MaxIcsExpandMilliseconds)
            return refuse(0, QStringLiteral("its recurring events take more than %1 s to work out")
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
        if (*wall == master.first.start)
            continue;
        if (excludedDays.count(wall->day.time_since_epoch().count())
            || (!excludedInstants.empty() && excludedInstants.count(instantOf(*wall, frame))))
            continue;
        Occurrence occurrence = master.first;
        occurrence.start = *wall;
        mark(occurrence, master.allDay, master.summary);
    }
    return true;
}

bool Reader::expand(const Series &series)
{
    m_seriesDays.clear();
    // A cancelled event takes its overrides with it.
    for (const Event *master : series.masters)
        if (master->cancelled)
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
        for (icalproperty *property = icalcomponent_get_first_property(master->component, ICAL_EXDATE_PROPERTY); property;
             property = icalcomponent_get_next_property(master->component, ICAL_EXDATE_PROPERTY)) {
            const icaltimetype time = icalproperty_get_exdate(property);
            const auto wall = timeOf(time, "EXDATE", *master);
            if (!wall)
                return false;
            exclude(*wall, *frameOf(property, time));
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
            mark(master->first, master->allDay, master->summary);
        for (icalproperty *property = icalcomponent_get_first_property(master->component, ICAL_RRULE_PROPERTY);
             property && !stop; property = icalcomponent_get_next_property(master->component, ICAL_RRULE_PROPERTY))
            if (!expandRule(*master, property, excludedInstants, excludedDays, steps))
                return false;
        for (icalproperty *property = icalcomponent_get_first_property(master->component, ICAL_RDATE_PROPERTY);
             property && !stop; property = icalcomponent_get_next_property(master->component, ICAL_RDATE_PROPERTY)) {
            if (!countStep(steps, stop))
                return false;
            const icaldatetimeperiodtype value = icalproperty_get_rdate(property);
            Occurrence occurrence = master->first;
            const bool isPeriod = icaltime_is_null_time(value.time);
            const icaltimetype time = isPeriod ? value.period.start : value.time;
            const auto wall = timeOf(time, "RDATE", *master);
            if (!wall)
                return false;
            occurrence.start = *wall;
            occurrence.frame = frameOf(property, time);
            if (isPeriod && !icaltime_is_null_time(value.period.end)) {
                const auto end = timeOf(value.period.end, "RDATE", *master);
                if (!end)
                    return false;
                occurrence.end.kind = EndRule::Kind::Exact;
                occurrence.end.exactSeconds = std::clamp<qint64>(
                    instantOf(*end, *occurrence.frame) - instantOf(*wall, *occurrence.frame), 0, MaxEventDays * SecondsPerDay);
            } else if (isPeriod) {
                const icaldurationtype length = value.period.duration;
                occurrence.end = EndRule{EndRule::Kind::Nominal, 0,
                                         length.is_neg ? 0 : std::min<qint64>(qint64(length.weeks) * 7 + length.days, MaxEventDays),
                                         length.is_neg ? 0 : qint64(length.hours) * 3600 + qint64(length.minutes) * 60 + length.seconds};
            }
            if (!excluded(occurrence))
                mark(occurrence, occurrence.frame->kind == Frame::Kind::Date, master->summary);
        }
    }
    for (const Event *override : series.overrides) {
        if (override->cancelled)
            continue;
        const QString &summary = !override->summary.isEmpty() || series.masters.empty()
            ? override->summary
            : series.masters.front()->summary;
        mark(override->first, override->allDay, summary);
    }

    // One entry per day: the first occurrence's summary stands for the others.
    std::stable_sort(m_seriesDays.begin(), m_seriesDays.end(),
                     [](const SeriesDay &a, const SeriesDay &b) { return a.day < b.day; });
    for (size_t i = 0; i < m_seriesDays.size(); ++i)
        if (i == 0 || m_seriesDays[i].day != m_seriesDays[i - 1].day)
            m_days.emplace_back(m_seriesDays[i].day, m_seriesDays[i].summary);
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
        return refused(QStringLiteral("%1: the year %2 is outside 1 to 9999").arg(name).arg(year));
    if (bytes.size() > MaxIcsFileBytes)
        return refused(QStringLiteral("%1: it is larger than %2 MiB, too large for an iCalendar file")
                           .arg(name).arg(MaxIcsFileBytes / (1024 * 1024)));
    if (bytes.contains('\0'))
        return refused(QStringLiteral("%1: it holds NUL bytes, so it is not an iCalendar file").arg(name));

    // A byte-order mark is no part of the first line.
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    const IcsScan scan = scanIcs(text, year);
    if (!scan.error.isEmpty() && scan.errorLine > 0)
        return refused(QStringLiteral("%1, line %2: %3").arg(name).arg(scan.errorLine).arg(scan.error));
    if (!scan.error.isEmpty())
        return refused(QStringLiteral("%1: %2").arg(name, scan.error));

    ensureLibicalSetUp();
    IcalComponentPtr root(icalparser_parse_string(scan.pruned.constData()));
    if (!root)
        return refused(QStringLiteral("%1: libical cannot read it as iCalendar").arg(name));
    Reader reader(name, year, scan);
    if (!reader.read(root.get()))
        return refused(reader.error());

    IcsReadResult result;
    result.ok = true;
    result.calendarName = reader.calendarName();
    result.days = reader.takeDays();
    return result;
}

IcsReadResult readIcsDays(const QString &path, int year)
{
    const auto fail = [&path](const QString &reason) { return refused(QStringLiteral("%1: %2").arg(path, reason)); };
    const QFileInfo info(path);
    if (!info.exists())
        return fail(QStringLiteral("there is no such file"));
    if (info.isDir())
        return fail(QStringLiteral("it is a folder, not a file"));
    if (!info.isFile())
        return fail(QStringLiteral("it is not a regular file (a device, pipe or socket)"));
    if (info.size() > MaxIcsFileBytes)
        return fail(QStringLiteral("it is larger than %1 MiB, too large for an iCalendar file")
                        .arg(MaxIcsFileBytes / (1024 * 1024)));

    // Non-blocking, and checked again once open: a FIFO put in the file's place since the check
    // above must not hang the program.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    struct stat status{};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return fail(QStringLiteral("it is not a regular file (a device, pipe or socket)"));
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return fail(file.errorString());
    }
    // One byte more than allowed, to notice a file that grew since its size was checked.
    const QByteArray bytes = file.read(MaxIcsFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    return parseIcsDays(bytes, path, year);
}
