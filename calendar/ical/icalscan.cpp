#include "calendar/ical/icalscan.h"

#include "calendar/ical/icalendar.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

// Why an iCalendar file is refused, in the user's language.
struct ICalScanWords
{
    Q_DECLARE_TR_FUNCTIONS(ICalendar)
};

// VCALENDAR > VEVENT > VALARM is three deep; the standard's deepest components are four.
constexpr int MaxNesting = 8;

// Where a component of the kept text is.
enum class Place { Calendar, Event, TimeZone, Dropped };

struct Open
{
    std::string name;  // upper case
    int line = 0;
    Place place = Place::Dropped;
};

bool isNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

bool isDateProperty(std::string_view name)
{
    return name == "DTSTART" || name == "DTEND" || name == "DURATION" || name == "RRULE" || name == "RDATE"
        || name == "EXDATE" || name == "RECURRENCE-ID";
}

// Upper case into `out`, reusing its storage: names are compared for every line.
void upperInto(std::string_view text, std::string &out)
{
    out.assign(text);
    for (char &c : out)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
}

QByteArray bytesOf(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The year of a DATE or DATE-TIME value ("20240310T023000Z" -> 2024), nullopt for another value.
std::optional<int> yearOf(const QByteArray &value)
{
    if (value.size() < 8)
        return std::nullopt;
    int year = 0;
    for (int i = 0; i < 4; ++i) {
        if (value[i] < '0' || value[i] > '9')
            return std::nullopt;
        year = year * 10 + (value[i] - '0');
    }
    return year;
}

class Scanner
{
public:
    explicit Scanner(int year) : m_year(year) {}

    // Takes one unfolded line; false when the file is to be refused (the scan says why).
    bool take(std::string_view line, int lineNumber);
    bool finish();

    IcsScan &result() { return m_scan; }

private:
    bool refuse(const QString &reason);
    bool refuseAt(int lineNumber, const QString &reason);
    void keep(std::string_view line);
    void closeEvent();
    bool beginObservance(int lineNumber);
    bool takeObservanceLine(std::string_view value, int lineNumber);
    bool endObservance();

    int m_year;
    IcsScan m_scan;
    std::vector<Open> m_open;
    bool m_seenCalendar = false;
    std::string m_name, m_component;  // of the current line, upper case
    IcsScannedEvent m_scannedEvent;  // the VEVENT being read
    bool m_hasSummary = false;
    bool m_eventMayRecur = false;
    // The observances (STANDARD, DAYLIGHT) of VTIMEZONEs, and the changes of offset libical
    // works out for them at most: up to the year 2582 from their DTSTART.
    int m_zoneObservances = 0;   // of the VTIMEZONE being read
    int m_fileObservances = 0;
    long long m_zoneChanges = 0;  // of the file
    struct Observance
    {
        int line = 0;
        std::string name;
        int startYear = 1970;
        bool repeats = false;
        int untilYear = 2582;
        long long count = 0;  // 0: no COUNT
        long long perYear = 1;  // changes a year of the rule may have at most
        long long dates = 0;  // RDATE values
    };
    Observance m_observance;
};

// The last year libical 3.0 works out a zone's changes for, however far a time is.
constexpr int LastZoneYear = 2582;

bool Scanner::refuse(const QString &reason)
{
    m_scan.error = reason;
    return false;
}

bool Scanner::refuseAt(int lineNumber, const QString &reason)
{
    m_scan.errorLine = lineNumber;
    return refuse(reason);
}

void Scanner::keep(std::string_view line)
{
    m_scan.timeZones.append(line);
    m_scan.timeZones.append("\r\n");
}

// The TZID of ";TZID=Europe/Berlin;VALUE=DATE-TIME" or ";TZID=\"W. Europe Standard Time\"".
QByteArray tzidOf(std::string_view parameters)
{
    while (!parameters.empty() && parameters.front() == ';') {
        parameters.remove_prefix(1);
        const size_t equals = parameters.find('=');
        if (equals == std::string_view::npos)
            return {};
        std::string key;
        upperInto(parameters.substr(0, equals), key);
        parameters.remove_prefix(equals + 1);
        size_t end = 0;
        std::string_view value;
        if (!parameters.empty() && parameters.front() == '"') {
            end = parameters.find('"', 1);
            if (end == std::string_view::npos)
                return {};
            value = parameters.substr(1, end - 1);
            ++end;
        } else {
            end = std::min(parameters.find(';'), parameters.size());
            value = parameters.substr(0, end);
        }
        if (key == "TZID")
            return bytesOf(trimmed(value));
        parameters.remove_prefix(end);
        // A list of values ("a","b") goes on to the next ';'.
        parameters.remove_prefix(std::min(parameters.find(';'), parameters.size()));
    }
    return {};
}

bool Scanner::take(std::string_view line, int lineNumber)
{
    if (trimmed(line).empty())
        return true;

    const auto nameEnd = std::find_if_not(line.begin(), line.end(), isNameChar);
    const std::string_view rawName = line.substr(0, size_t(nameEnd - line.begin()));
    const bool named = !rawName.empty() && nameEnd != line.end() && (*nameEnd == ':' || *nameEnd == ';');
    if (!m_seenCalendar && !named)
        return refuse(ICalScanWords::tr("it does not begin with BEGIN:VCALENDAR, so it is not an iCalendar file"));
    if (!named) {
        // Inside a component it is most likely a line folded without its leading blank.
        if (m_open.empty())
            return refuseAt(lineNumber, ICalScanWords::tr("\"%1\" is not an iCalendar property (NAME:value)")
                                            .arg(QString::fromUtf8(line.substr(0, 40))));
        m_scan.warnings.add(lineNumber, ICalScanWords::tr("\"%1\" is not an iCalendar property (NAME:value); the line is left out")
                                            .arg(QString::fromUtf8(line.substr(0, 40))));
        return true;
    }
    // A CR alone would end the line for libical, and could make a component of a value.
    if (line.find('\r') != std::string_view::npos)
        return refuseAt(lineNumber, ICalScanWords::tr("a CR without LF is inside the line (only CR LF or LF end a line)"));
    // The value begins at the first ':' outside double-quoted parameter values.
    size_t colon = rawName.size();
    bool quoted = false;
    for (; colon < line.size(); ++colon) {
        if (line[colon] == '"')
            quoted = !quoted;
        else if (line[colon] == ':' && !quoted)
            break;
    }
    if (colon == line.size()) {
        if (m_open.empty())
            return refuseAt(lineNumber, ICalScanWords::tr("the property %1 has no ':' before its value").arg(latin1(rawName)));
        m_scan.warnings.add(lineNumber, ICalScanWords::tr("the property %1 has no ':' before its value; the line is left out")
                                            .arg(latin1(rawName)));
        return true;
    }

    upperInto(rawName, m_name);
    const std::string_view name = m_name;
    const std::string_view value = line.substr(colon + 1);
    const bool begins = name == "BEGIN";
    const bool ends = name == "END";
    if (begins || ends)
        upperInto(trimmed(value), m_component);
    const std::string_view component = m_component;

    if (m_open.empty()) {
        if (begins && component == "VCALENDAR") {
            m_seenCalendar = true;
            ++m_scan.calendars;
            m_open.push_back({m_component, lineNumber, Place::Calendar});
            keep("BEGIN:VCALENDAR");
            return true;
        }
        if (!m_seenCalendar)
            return refuse(ICalScanWords::tr("it does not begin with BEGIN:VCALENDAR, so it is not an iCalendar file"));
        return refuseAt(lineNumber, ICalScanWords::tr("%1 follows END:VCALENDAR").arg(latin1(name)));
    }

    const Place here = m_open.back().place;
    if (begins) {
        if (component.empty())
            return refuseAt(lineNumber, ICalScanWords::tr("BEGIN names no component"));
        if (int(m_open.size()) >= MaxNesting)
            return refuseAt(lineNumber, ICalScanWords::tr("components are nested more than %1 deep").arg(MaxNesting));
        Place place = Place::Dropped;
        if (here == Place::Calendar && component == "VEVENT")
            place = Place::Event;
        else if ((here == Place::Calendar && component == "VTIMEZONE") || here == Place::TimeZone)
            place = Place::TimeZone;
        if (place == Place::Event) {
            m_scannedEvent = IcsScannedEvent{};
            m_scannedEvent.line = lineNumber;
            m_scannedEvent.calendar = m_scan.calendars - 1;
            m_hasSummary = false;
            m_eventMayRecur = false;
        }
        if (place == Place::TimeZone) {
            m_scan.hasTimeZones = true;
            keep(line);
            if (here == Place::Calendar)
                m_zoneObservances = 0;
            else if (m_open.back().name == "VTIMEZONE" && (component == "STANDARD" || component == "DAYLIGHT")) {
                m_open.push_back({m_component, lineNumber, place});
                return beginObservance(lineNumber);
            }
        }
        m_open.push_back({m_component, lineNumber, place});
        return true;
    }
    if (ends) {
        const Open &open = m_open.back();
        if (component != open.name)
            return refuseAt(lineNumber, ICalScanWords::tr("END:%1 does not close BEGIN:%2 of line %3")
                                            .arg(latin1(component), latin1(open.name))
                                            .arg(open.line));
        if (open.place == Place::TimeZone) {
            keep(line);
            if (m_observance.line == open.line && !endObservance())
                return false;
        }
        else if (open.place == Place::Calendar)
            keep("END:VCALENDAR");
        if (open.place == Place::Event)
            closeEvent();
        m_open.pop_back();
        return true;
    }

    if (here == Place::Event) {
        if (isDateProperty(name)) {
            m_scannedEvent.dateLines.push_back({bytesOf(name), lineNumber,
                                                tzidOf(line.substr(rawName.size(), colon - rawName.size())),
                                                bytesOf(trimmed(value))});
            if (name != "DTSTART" && name != "DTEND" && name != "EXDATE")
                m_eventMayRecur = true;
        } else if (name == "UID") {
            m_scannedEvent.uid = bytesOf(trimmed(value));
        } else if (name == "SUMMARY" && !m_hasSummary) {
            m_scannedEvent.summary = unescapeIcsText(value);
            m_hasSummary = true;
        } else if (name == "SEQUENCE") {
            const std::string_view digits = trimmed(value);
            // Nine digits at most, so that the number never leaves an int; anything else counts
            // as no SEQUENCE at all.
            int sequence = 0;
            bool read = !digits.empty() && digits.size() <= 9;
            for (size_t i = 0; read && i < digits.size(); ++i) {
                const char c = digits[i];
                if (c < '0' || c > '9')
                    read = false;
                else
                    sequence = sequence * 10 + (c - '0');
            }
            m_scannedEvent.sequence = read ? sequence : 0;
        } else if (name == "STATUS") {
            std::string status;
            upperInto(trimmed(value), status);
            m_scannedEvent.cancelled = status == "CANCELLED";
        }
    } else if (here == Place::TimeZone) {
        if (m_observance.line == m_open.back().line && !takeObservanceLine(trimmed(value), lineNumber))
            return false;
        keep(line);
    } else if (here == Place::Calendar && name == "X-WR-CALNAME" && m_scan.calendarName.isEmpty()) {
        m_scan.calendarName = unescapeIcsText(trimmed(value));
    }
    return true;
}

bool Scanner::beginObservance(int lineNumber)
{
    if (++m_zoneObservances > MaxIcsObservancesPerZone)
        return refuseAt(lineNumber, ICalScanWords::tr("a time zone has more than %L1 STANDARD and DAYLIGHT parts")
                                        .arg(MaxIcsObservancesPerZone));
    if (++m_fileObservances > MaxIcsObservancesPerFile)
        return refuseAt(lineNumber, ICalScanWords::tr("its time zones have more than %L1 STANDARD and DAYLIGHT parts in all")
                                        .arg(MaxIcsObservancesPerFile));
    m_observance = Observance{};
    m_observance.line = lineNumber;
    m_observance.name = m_component;
    return true;
}

bool Scanner::takeObservanceLine(std::string_view value, int lineNumber)
{
    if (m_name == "DTSTART") {
        if (const auto year = yearOf(bytesOf(value)))
            m_observance.startYear = *year;
    } else if (m_name == "RDATE") {
        m_observance.dates += std::count(value.begin(), value.end(), ',') + 1;
    } else if (m_name == "RRULE") {
        // Real zones change their offset once or twice a year. libical works out every change
        // of a rule at once, so a rule of every minute would take it hours and gigabytes.
        std::string frequency;
        m_observance.repeats = true;
        // The values of each BY part, to bound the changes a year of the rule may have.
        long long months = 0, monthDays = 0, weekdays = 0, yearDays = 0, weeks = 0, times = 1;
        bool everyWeekday = false;  // some BYDAY without an ordinal
        size_t position = 0;
        while (position <= value.size()) {
            const size_t end = std::min(value.find(';', position), value.size());
            std::string part;
            upperInto(value.substr(position, end - position), part);
            const size_t equals = part.find('=');
            const std::string key = part.substr(0, equals);
            const std::string values = equals == std::string::npos ? std::string() : part.substr(equals + 1);
            const long long listed = std::count(values.begin(), values.end(), ',') + 1;
            if (key == "FREQ")
                frequency = values;
            else if (key == "UNTIL")
                m_observance.untilYear = yearOf(bytesOf(values)).value_or(LastZoneYear);
            else if (key == "COUNT")
                m_observance.count = std::max(1LL, std::strtoll(values.c_str(), nullptr, 10));
            else if (key == "BYMONTH")
                months = listed;
            else if (key == "BYMONTHDAY")
                monthDays = listed;
            else if (key == "BYYEARDAY")
                yearDays = listed;
            else if (key == "BYWEEKNO")
                weeks = listed;
            else if (key == "BYHOUR" || key == "BYMINUTE" || key == "BYSECOND")
                times = std::min(times * listed, 1'000'000LL);
            else if (key == "BYDAY") {
                weekdays = listed;
                for (size_t item = 0; item < values.size(); item = std::min(values.find(',', item), values.size()) + 1)
                    everyWeekday = everyWeekday || (values[item] >= 'A' && values[item] <= 'Z');
            }
            position = end + 1;
        }
        if (frequency != "YEARLY")
            return refuseAt(lineNumber, frequency.empty()
                                            ? ICalScanWords::tr("the %1 part of a time zone repeats without FREQ; only yearly repeats "
                                                                "are read for time zones")
                                                  .arg(latin1(m_observance.name))
                                            : ICalScanWords::tr("the %1 part of a time zone repeats FREQ=%2; only yearly repeats are "
                                                                "read for time zones")
                                                  .arg(latin1(m_observance.name), latin1(frequency)));
        // At most this many a year: real zones have one (BYMONTH=3;BYDAY=-1SU), older ones
        // spell it BYMONTH=4;BYDAY=SU;BYMONTHDAY=1,2,3,4,5,6,7.
        long long days = 1;
        if (yearDays > 0)
            days = yearDays;
        else if (weeks > 0)
            days = weeks * 7;
        else {
            const long long inMonth = monthDays > 0 && weekdays > 0 ? std::min(monthDays, weekdays * 5)
                : monthDays > 0                                    ? monthDays
                : weekdays > 0                                     ? weekdays * (everyWeekday ? 5 : 1)
                                                                   : 1;
            days = (months > 0 ? months : monthDays > 0 || weekdays > 0 ? 12 : 1) * inMonth;
        }
        m_observance.perYear = std::min(days * times, 1'000'000LL);
    }
    return true;
}

bool Scanner::endObservance()
{
    long long changes = 1 + m_observance.dates;
    if (m_observance.repeats) {
        const long long years = std::clamp(std::min(m_observance.untilYear, LastZoneYear) - m_observance.startYear + 1, 1, LastZoneYear);
        changes += m_observance.count > 0 ? std::min(m_observance.count, years * m_observance.perYear) : years * m_observance.perYear;
    }
    m_zoneChanges += changes;
    const int line = m_observance.line;
    m_observance = Observance{};
    if (m_zoneChanges > MaxIcsZoneChangesPerFile)
        return refuseAt(line, ICalScanWords::tr("its time zones change their offset more than %L1 times up to the year %2")
                                  .arg(MaxIcsZoneChangesPerFile)
                                  .arg(LastZoneYear));
    return true;
}

void Scanner::closeEvent()
{
    bool touchesYear = true;
    if (!m_eventMayRecur) {
        std::optional<int> first, last;
        for (const IcsDateLine &date : m_scannedEvent.dateLines) {
            if (date.name == "DTSTART")
                first = yearOf(date.value);
            else if (date.name == "DTEND")
                last = yearOf(date.value);
        }
        if (first) {
            const int lastYear = std::max(*first, last.value_or(*first));
            touchesYear = lastYear >= m_year - 1 && *first <= m_year + 1;
        }
    }
    if (touchesYear)
        m_scan.events.push_back(std::move(m_scannedEvent));
}

bool Scanner::finish()
{
    if (!m_seenCalendar)
        return refuse(ICalScanWords::tr("it holds no BEGIN:VCALENDAR, so it is not an iCalendar file"));
    if (!m_open.empty()) {
        const Open &open = m_open.back();
        return refuse(ICalScanWords::tr("it is cut short: BEGIN:%1 of line %2 has no END:%1").arg(latin1(open.name)).arg(open.line));
    }
    return true;
}

} // namespace

QString unescapeIcsText(std::string_view value)
{
    std::string text;
    text.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            text += (next == 'n' || next == 'N') ? '\n' : next;
            continue;
        }
        // Control characters have no place in a text (RFC 5545 allows the tab alone); they
        // could not be shown, and an export would not keep them.
        const auto byte = static_cast<unsigned char>(value[i]);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F)
            continue;
        text += value[i];
    }
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

IcsScan scanIcs(const QByteArray &bytes, int year)
{
    Scanner scanner(year);
    const std::string_view text(bytes.constData(), size_t(bytes.size()));
    std::string logical;  // the current property, unfolded
    int logicalLine = 0;  // 0: none yet
    int lineNumber = 0;
    size_t position = 0;
    while (position < text.size()) {
        size_t end = text.find('\n', position);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view physical = text.substr(position, end - position);
        position = end + 1;
        ++lineNumber;
        if (!physical.empty() && physical.back() == '\r')
            physical.remove_suffix(1);
        // A line beginning with a blank continues the one before (folding).
        if (logicalLine > 0 && !physical.empty() && (physical.front() == ' ' || physical.front() == '\t')) {
            logical.append(physical.substr(1));
            continue;
        }
        if (logicalLine > 0 && !scanner.take(logical, logicalLine))
            return std::move(scanner.result());
        logical.assign(physical);
        logicalLine = lineNumber;
    }
    if (logicalLine > 0 && !scanner.take(logical, logicalLine))
        return std::move(scanner.result());
    scanner.finish();
    return std::move(scanner.result());
}
