#include "calendar/ical/icalendar.h"

#include "calendar/ical/icalexpand.h"
#include "calendar/ical/icalproblems.h"
#include "calendar/ical/icalscan.h"
#include "calendar/ical/icalsupport.h"
#include "calendar/ical/icalzones.h"
#include "platform/regularfile.h"

#include <QHash>

#include <deque>
#include <vector>

namespace {

// The front end of the reader: the events of the scan, read into series by UID, each series
// expanded as soon as its VCALENDAR ends.
class Reader
{
public:
    Reader(int year, const IcsScan &scan, IcsWarnings &warnings)
        : m_scan(scan), m_warnings(warnings), m_expander(year, m_zones, warnings)
    {
    }

    // Reads the events, with the VCALENDARs libical made of the scan's time-zone text (one
    // each, in order; none when the file has no VTIMEZONE). False with error() set when the
    // file is refused.
    bool read(const std::vector<icalcomponent *> &calendars);

    QString error(const QString &name) const { return icsRefusalText(name, m_expander.errorLine(), m_expander.error()); }
    std::vector<IcsDay> takeDays() { return m_expander.takeDays(); }
    qint64 steps() const { return m_expander.steps(); }

private:
    bool readEvent(const IcsScannedEvent &scanned, Event &event);
    void add(const Event &event);
    bool expandCalendar();

    const IcsScan &m_scan;
    IcsWarnings &m_warnings;
    IcsZones m_zones;
    IcsExpander m_expander;
    std::deque<Event> m_events;               // stable addresses
    std::vector<Series> m_series;             // of the calendar being read
    QHash<QByteArray, size_t> m_seriesByUid;  // of the calendar being read
    std::vector<int> m_sequences;             // by series: the SEQUENCE of its masters
};

bool Reader::expandCalendar()
{
    for (const Series &series : m_series)
        if (!m_expander.expand(series))
            return false;
    m_series.clear();
    m_sequences.clear();
    m_seriesByUid.clear();
    return true;
}

bool Reader::read(const std::vector<icalcomponent *> &calendars)
{
    int calendar = -1;
    for (const IcsScannedEvent &scanned : m_scan.events) {
        if (scanned.calendar != calendar) {
            // TZIDs and UIDs belong to their VCALENDAR.
            if (!expandCalendar())
                return false;
            calendar = scanned.calendar;
            m_zones.beginCalendar(size_t(calendar) < calendars.size() ? calendars[size_t(calendar)] : nullptr);
        }
        Event &event = m_events.emplace_back();
        if (readEvent(scanned, event))
            add(event);
        else
            m_events.pop_back();
    }
    return expandCalendar();
}

void Reader::add(const Event &event)
{
    const IcsScannedEvent &scanned = *event.scanned;
    // Without a UID an event stands alone.
    size_t index = m_series.size();
    if (!scanned.uid.isEmpty()) {
        const auto found = m_seriesByUid.constFind(scanned.uid);
        if (found != m_seriesByUid.cend())
            index = *found;
        else
            m_seriesByUid.insert(scanned.uid, index);
    }
    if (index == m_series.size()) {
        m_series.emplace_back();
        m_sequences.push_back(scanned.sequence);
    }
    Series &series = m_series[index];
    if (event.isOverride) {
        series.overrides.push_back(&event);
        return;
    }
    // Revisions of an event: a higher SEQUENCE replaces the event as it was, a lower one is
    // out of date; events of the same SEQUENCE are all kept.
    if (!series.masters.empty() && scanned.sequence < m_sequences[index])
        return;
    if (scanned.sequence > m_sequences[index] || series.masters.empty()) {
        series.masters.clear();
        m_sequences[index] = scanned.sequence;
    }
    series.masters.push_back(&event);
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

    QString why;
    const auto leaveOut = [&](int line) {
        m_warnings.add(line, ICalendarWords::tr("%1; the event is left out").arg(why));
        return false;
    };
    if (recurrenceId) {
        const auto moment = readMoment(m_zones, *recurrenceId, recurrenceId->value, why);
        if (!moment)
            return leaveOut(recurrenceId->line);
        event.isOverride = true;
        event.recurrenceId = moment->wall;
        event.recurrenceIdFrame = moment->frame;
    }
    if (start) {
        const auto moment = readMoment(m_zones, *start, start->value, why);
        if (!moment)
            return leaveOut(start->line);
        event.first.start = moment->wall;
        event.first.frame = moment->frame;
    } else if (event.isOverride) {
        // An override that does not move its occurrence may leave DTSTART out.
        event.first.start = event.recurrenceId;
        event.first.frame = event.recurrenceIdFrame;
    } else {
        why = ICalendarWords::tr("there is no DTSTART");
        return leaveOut(scanned.line);
    }
    event.allDay = event.first.frame->kind == Frame::Kind::Date;

    if (end) {
        if (const auto moment = readMoment(m_zones, *end, end->value, why)) {
            const auto onWallClock = [](const Frame &frame) {
                return frame.kind == Frame::Kind::Date || frame.kind == Frame::Kind::Floating;
            };
            const qint64 elapsed = onWallClock(*event.first.frame) && onWallClock(*moment->frame)
                ? secondsOf(moment->wall) - secondsOf(event.first.start)
                : m_zones.instantOf(moment->wall, *moment->frame) - m_zones.instantOf(event.first.start, *event.first.frame);
            event.first.end.kind = EndRule::Kind::Exact;
            event.first.end.exactSeconds = std::clamp<qint64>(elapsed, 0, MaxEventDays * SecondsPerDay);
            return true;
        }
        m_warnings.add(end->line, ICalendarWords::tr("%1; the event is marked as if it had no end").arg(why));
    }
    if (duration && !readDuration(*duration, duration->value, event.first.end, why)) {
        event.first.end = EndRule{};
        m_warnings.add(duration->line, ICalendarWords::tr("%1; the event is marked as if it had no end").arg(why));
    }
    return true;
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
    IcsScan scan = scanIcs(text, year);
    if (!scan.error.isEmpty())
        return refused(icsRefusalText(name, scan.errorLine, scan.error));

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
    Reader reader(year, scan, scan.warnings);
    if (!reader.read(calendars))
        return refused(reader.error(name));

    IcsReadResult result;
    result.ok = true;
    result.calendarName = scan.calendarName;
    result.days = reader.takeDays();
    result.warnings = scan.warnings.texts(name);
    result.steps = reader.steps();
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
    case Problem::LinkLoop: reason = ICalendarWords::tr("it leads through too many symbolic links"); break;
    case Problem::Folder: reason = ICalendarWords::tr("it is a folder, not a file"); break;
    case Problem::NotRegular: reason = ICalendarWords::tr("it is not a regular file (a device, pipe or socket)"); break;
    case Problem::TooLarge:
        reason = ICalendarWords::tr("it is larger than %1 MiB, too large for an iCalendar file").arg(MaxIcsFileBytes / (1024 * 1024));
        break;
    case Problem::CannotOpen:
    case Problem::CannotRead: break;
    }
    return refused(icsRefusalText(path, 0, reason));
}
