#include "layout/icalscan.h"

#include <QByteArrayView>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace {

// VCALENDAR > VEVENT > VALARM is three deep; the standard's deepest components are four.
constexpr int MaxNesting = 8;

// Where a component of the kept text is.
enum class Place { Calendar, Event, TimeZone, Dropped };

struct Open
{
    QByteArray name;  // upper case
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

bool isKeptEventProperty(std::string_view name)
{
    return isDateProperty(name) || name == "UID" || name == "SUMMARY" || name == "STATUS";
}

QByteArray upper(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size())).toUpper();
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return text;
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

    // Takes one unfolded line; false when the file is to be refused (error() says why).
    bool take(std::string_view line, int lineNumber);
    bool finish();

    IcsScan &result() { return m_scan; }

private:
    bool refuse(const QString &reason);
    bool refuseAt(int lineNumber, const QString &reason);
    void keep(std::string_view line);
    void closeEvent();

    int m_year;
    IcsScan m_scan;
    std::vector<Open> m_open;
    bool m_seenCalendar = false;
    // The lines of the VEVENT being read, kept or dropped as a whole at its END.
    QByteArray m_event;
    IcsScannedEvent m_scannedEvent;
    bool m_eventMayRecur = false;
};

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
    QByteArray &target = (!m_open.empty() && m_open.back().place == Place::Event) ? m_event : m_scan.pruned;
    target.append(line.data(), qsizetype(line.size()));
    target.append("\r\n", 2);
}

bool Scanner::take(std::string_view line, int lineNumber)
{
    if (trimmed(line).empty())
        return true;

    const auto nameEnd = std::find_if_not(line.begin(), line.end(), isNameChar);
    const std::string_view rawName = line.substr(0, size_t(nameEnd - line.begin()));
    const bool named = !rawName.empty() && nameEnd != line.end() && (*nameEnd == ':' || *nameEnd == ';');
    if (!m_seenCalendar && !named)
        return refuse(QStringLiteral("it does not begin with BEGIN:VCALENDAR, so it is not an iCalendar file"));
    if (!named)
        return refuseAt(lineNumber, QStringLiteral("\"%1\" is not an iCalendar property (NAME:value)")
                                        .arg(QString::fromUtf8(line.substr(0, 40))));
    // The value begins at the first ':' outside double-quoted parameter values.
    size_t colon = rawName.size();
    bool quoted = false;
    for (; colon < line.size(); ++colon) {
        if (line[colon] == '"')
            quoted = !quoted;
        else if (line[colon] == ':' && !quoted)
            break;
    }
    if (colon == line.size())
        return refuseAt(lineNumber, QStringLiteral("the property %1 has no ':' before its value")
                                        .arg(QString::fromLatin1(rawName)));

    const QByteArray name = upper(rawName);
    const std::string_view value = line.substr(colon + 1);
    const bool begins = name == "BEGIN";
    const bool ends = name == "END";
    const QByteArray component = (begins || ends) ? upper(trimmed(value)) : QByteArray();

    if (m_open.empty()) {
        if (begins && component == "VCALENDAR") {
            m_seenCalendar = true;
            m_open.push_back({component, lineNumber, Place::Calendar});
            keep(line);
            return true;
        }
        if (!m_seenCalendar)
            return refuse(QStringLiteral("it does not begin with BEGIN:VCALENDAR, so it is not an iCalendar file"));
        return refuseAt(lineNumber, QStringLiteral("%1 follows END:VCALENDAR").arg(QString::fromLatin1(name)));
    }

    const Place here = m_open.back().place;
    if (begins) {
        if (component.isEmpty())
            return refuseAt(lineNumber, QStringLiteral("BEGIN names no component"));
        if (int(m_open.size()) >= MaxNesting)
            return refuseAt(lineNumber, QStringLiteral("components are nested more than %1 deep").arg(MaxNesting));
        Place place = Place::Dropped;
        if (here == Place::Calendar && component == "VEVENT")
            place = Place::Event;
        else if (here == Place::Calendar && component == "VTIMEZONE")
            place = Place::TimeZone;
        else if (here == Place::TimeZone)
            place = Place::TimeZone;
        if (place == Place::Event) {
            m_event.clear();
            m_scannedEvent = IcsScannedEvent{lineNumber, {}};
            m_eventMayRecur = false;
        }
        m_open.push_back({component, lineNumber, place});
        if (place != Place::Dropped)
            keep(line);
        return true;
    }
    if (ends) {
        const Open &open = m_open.back();
        if (component != open.name)
            return refuseAt(lineNumber, QStringLiteral("END:%1 does not close BEGIN:%2 of line %3")
                                            .arg(QString::fromLatin1(component), QString::fromLatin1(open.name))
                                            .arg(open.line));
        if (open.place != Place::Dropped)
            keep(line);
        if (open.place == Place::Event)
            closeEvent();
        m_open.pop_back();
        return true;
    }

    if (here == Place::Event) {
        if (isDateProperty(std::string_view(name.constData(), size_t(name.size()))))
            m_scannedEvent.dateLines.push_back(
                {name, lineNumber, QByteArray(value.data(), qsizetype(value.size()))});
        if (name == "RRULE" || name == "RDATE" || name == "RECURRENCE-ID" || name == "DURATION")
            m_eventMayRecur = true;
        if (isKeptEventProperty(std::string_view(name.constData(), size_t(name.size()))))
            keep(line);
    } else if (here == Place::TimeZone || (here == Place::Calendar && name == "X-WR-CALNAME")) {
        keep(line);
    }
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
    if (touchesYear) {
        m_scan.pruned.append(m_event);
        m_scan.events.push_back(std::move(m_scannedEvent));
    }
    m_event.clear();
}

bool Scanner::finish()
{
    if (!m_seenCalendar)
        return refuse(QStringLiteral("it holds no BEGIN:VCALENDAR, so it is not an iCalendar file"));
    if (!m_open.empty()) {
        const Open &open = m_open.back();
        return refuse(QStringLiteral("it is cut short: BEGIN:%1 of line %2 has no END:%1")
                          .arg(QString::fromLatin1(open.name))
                          .arg(open.line));
    }
    return true;
}

} // namespace

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
