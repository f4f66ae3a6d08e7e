#include "calendar/ical/icalzones.h"

#include "calendar/calendarmath.h"

#include <QDateTime>

#include <algorithm>
#include <limits>

using namespace std::chrono;

qint64 secondsOf(WallTime time)
{
    return qint64(time.day.time_since_epoch().count()) * SecondsPerDay + time.seconds;
}

WallTime wallAt(qint64 seconds)
{
    return {sys_days{days{floorDiv(seconds, SecondsPerDay)}}, int(seconds - floorDiv(seconds, SecondsPerDay) * SecondsPerDay)};
}

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

QString describe(const icaltimetype &time)
{
    const auto two = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    QString text = QStringLiteral("%1-%2-%3").arg(time.year, 4, 10, QLatin1Char('0')).arg(two(time.month), two(time.day));
    if (!time.is_date)
        text += QStringLiteral(" %1:%2:%3").arg(two(time.hour), two(time.minute), two(time.second));
    return text;
}

namespace {

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

} // namespace

qint64 LocalClock::wallSeconds(qint64 instant)
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

IcsZones::IcsZones()
{
    m_dateFrame.kind = Frame::Kind::Date;
    m_utcFrame.kind = Frame::Kind::Utc;
    m_floatingFrame.kind = Frame::Kind::Floating;
}

void IcsZones::beginCalendar(icalcomponent *calendar)
{
    m_calendar = calendar;
    m_framesByTzid.clear();
    m_lastFrame = nullptr;
}

const Frame *IcsZones::frameOf(const QByteArray &tzid, const icaltimetype &time)
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

const Frame *IcsZones::zoneFrame(const QByteArray &tzid)
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

qint64 IcsZones::instantOf(WallTime time, const Frame &frame)
{
    switch (frame.kind) {
    case Frame::Kind::Utc:
        return secondsOf(time);
    case Frame::Kind::FileZone: {
        // A day's two ends with one offset have it all day; a day with a change is worked
        // out time by time.
        const QPair<const Frame *, qint64> key{&frame, qint64(time.day.time_since_epoch().count())};
        auto cached = m_dayOffsets.constFind(key);
        if (cached == m_dayOffsets.cend()) {
            if (m_dayOffsets.size() >= MaxCachedDays)
                m_dayOffsets.clear();
            const WallTime first{time.day, 0};
            const WallTime last{time.day, 86399};
            const qint64 atFirst = fileZoneInstant(first, frame) - secondsOf(first);
            const qint64 atLast = fileZoneInstant(last, frame) - secondsOf(last);
            cached = m_dayOffsets.insert(key, atFirst == atLast ? std::optional<qint64>(atFirst) : std::nullopt);
        }
        if (*cached)
            return secondsOf(time) + **cached;
        return fileZoneInstant(time, frame);
    }
    case Frame::Kind::SystemZone:
        return qtDateTime(time, frame.systemZone).toSecsSinceEpoch();
    case Frame::Kind::Date:
    case Frame::Kind::Floating:
        break;
    }
    return qtDateTime(time, m_clock.zone()).toSecsSinceEpoch();
}

namespace {

// libical expands a zone's rules up to 2035 and keeps them; for a later year it expands them
// again at every conversion, milliseconds each. A later year's local time is therefore taken
// in the year of 2008-2035 with the same first weekday and the same length, whose yearly
// rules fall on the same days.
constexpr int LastExpandedYear = 2035;

year sameLayoutYear(year later)
{
    const auto layout = [](year y) { return std::pair{weekday{sys_days{y / January / 1}}.c_encoding(), y.is_leap()}; };
    for (year candidate{LastExpandedYear}; candidate > year{LastExpandedYear - 28}; --candidate)
        if (layout(candidate) == layout(later))
            return candidate;
    return year{LastExpandedYear};
}

} // namespace

qint64 IcsZones::fileZoneInstant(WallTime time, const Frame &frame)
{
    const year_month_day local{time.day};
    if (int(local.year()) > LastExpandedYear) {
        const WallTime stand{sys_days{sameLayoutYear(local.year()) / local.month() / local.day()}, time.seconds};
        return secondsOf(time) + (fileZoneInstant(stand, frame) - secondsOf(stand));
    }
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

qint64 IcsZones::localSeconds(WallTime time, const Frame &frame, qint64 elapsed)
{
    if (frame.kind == Frame::Kind::Date || frame.kind == Frame::Kind::Floating)
        return secondsOf(time) + elapsed;
    return m_clock.wallSeconds(instantOf(time, frame) + elapsed);
}

std::optional<WallTime> IcsZones::wallOfUtc(const icaltimetype &utc, const Frame &frame)
{
    const auto wall = wallOf(utc);
    if (!wall)
        return std::nullopt;
    switch (frame.kind) {
    case Frame::Kind::FileZone: {
        icaltimetype local = utc;
        icaltimezone_convert_time(&local, icaltimezone_get_utc_timezone(), frame.fileZone);
        if (const auto converted = wallOf(local))
            return converted;
        return wall;
    }
    case Frame::Kind::SystemZone:
        return wallOf(QDateTime::fromSecsSinceEpoch(secondsOf(*wall), frame.systemZone));
    case Frame::Kind::Utc:
    case Frame::Kind::Date:
        return wall;
    case Frame::Kind::Floating:
        break;
    }
    return wallAt(m_clock.wallSeconds(secondsOf(*wall)));
}
