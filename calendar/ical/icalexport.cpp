#include "calendar/ical/icalwriter.h"

#include "calendar/ical/icalsupport.h"

#include <QCryptographicHash>

#include <algorithm>
#include <cstdio>

using namespace std::chrono;

namespace {

// RFC 5545 weekday names, Sunday first as weekday::c_encoding() counts.
constexpr const char *RuleWeekdays[7] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

// INTERVAL is a short in libical.
constexpr int MaxInterval = 32767;

// The longest line of a file, without its CR LF; longer ones are folded.
constexpr qsizetype MaxLineOctets = 75;

bool isCalendarYear(year y)
{
    return y.ok() && int(y) >= 1 && int(y) <= MaxIcsExportYear;
}

QString untilDay(year_month_day day)
{
    return QStringLiteral("UNTIL=%1%2%3")
        .arg(int(day.year()), 4, 10, QLatin1Char('0'))
        .arg(unsigned(day.month()), 2, 10, QLatin1Char('0'))
        .arg(unsigned(day.day()), 2, 10, QLatin1Char('0'));
}

QString isoDate(year_month_day date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(int(date.year()), 4, 10, QLatin1Char('0'))
        .arg(unsigned(date.month()), 2, 10, QLatin1Char('0'))
        .arg(unsigned(date.day()), 2, 10, QLatin1Char('0'));
}

QString uidOver(const QString &ruleKey, const QString &dateText)
{
    const QByteArray digest = QCryptographicHash::hash((ruleKey + QLatin1Char('\n') + dateText).toUtf8(), QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.left(16).toHex()) + QStringLiteral("@lunaria");
}

// A DATE value, "yyyymmdd". libical 3.0 writes no date after the year 3000, and the year 1
// without its VALUE=DATE, so dates are written here.
QByteArray dateValue(year_month_day date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02u%02u", int(date.year()), unsigned(date.month()), unsigned(date.day()));
    return text;
}

QByteArray utcValue(const QDateTime &stamp)
{
    const QDateTime utc = stamp.toUTC();
    char text[24];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d%02dZ", utc.date().year(), utc.date().month(), utc.date().day(),
                  utc.time().hour(), utc.time().minute(), utc.time().second());
    return text;
}

// A TEXT value. libical 3.0 leaves a comma and a semicolon bare in CATEGORIES, where other
// readers take them for separators, so every text is escaped here, the same way everywhere.
// A control character other than the tab cannot be written; a line break becomes "\n" and a CR
// is dropped, so a CR LF is one line break, as the reader gives it back.
QByteArray textValue(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray escaped;
    escaped.reserve(utf8.size() + 8);
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == ';' || c == ',') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\n') {
            escaped += "\\n";
        } else if ((byte >= 0x20 && byte != 0x7F) || c == '\t') {
            escaped += c;
        }
    }
    return escaped;
}

// The octets of the character or escape that starts at `at`: a line is never folded inside
// one, so that even a reader that unfolds carelessly gets whole characters and escapes.
qsizetype unitLength(const QByteArray &line, qsizetype at)
{
    const auto byte = static_cast<unsigned char>(line[at]);
    qsizetype length = 1;
    if (byte == '\\')
        length = 2;
    else if (byte >= 0xF0)
        length = 4;
    else if (byte >= 0xE0)
        length = 3;
    else if (byte >= 0xC0)
        length = 2;
    return std::min(length, line.size() - at);
}

// Appends one content line, folded: at most MaxLineOctets octets a line, each continuation
// begun by a space, each line ended by CR LF.
void addLine(QByteArray &out, const QByteArray &line)
{
    qsizetype lineOctets = 0;
    for (qsizetype at = 0; at < line.size();) {
        const qsizetype length = unitLength(line, at);
        if (lineOctets + length > MaxLineOctets) {
            out += "\r\n ";
            lineOctets = 1;
        }
        out.append(line.constData() + at, length);
        lineOctets += length;
        at += length;
    }
    out += "\r\n";
}

// The RRULE as libical writes it, or nothing when libical cannot read `rrule`.
std::optional<QByteArray> ruleValue(const QString &rrule)
{
    const IcalRecurrenceRule rule(rrule.toUtf8().constData());
    if (rule.rule().freq == ICAL_NO_RECURRENCE)
        return std::nullopt;
    icalrecurrencetype copy = rule.rule();
    char *text = icalrecurrencetype_as_string_r(&copy);
    if (!text)
        return std::nullopt;
    QByteArray value(text);
    icalmemory_free_buffer(text);
    return value;
}

void addEvent(QByteArray &out, const IcsExportEvent &event, const QByteArray &stamp)
{
    addLine(out, "BEGIN:VEVENT");
    addLine(out, "UID:" + textValue(event.uid));
    addLine(out, "DTSTAMP:" + stamp);
    addLine(out, "DTSTART;VALUE=DATE:" + dateValue(event.start));
    // All-day: DTEND is the exclusive end, the day after the last.
    const year_month_day end{sys_days{event.start} + days{event.dayCount}};
    if (isCalendarYear(end.year()))
        addLine(out, "DTEND;VALUE=DATE:" + dateValue(end));
    else
        addLine(out, "DURATION:P" + QByteArray::number(event.dayCount) + 'D');
    if (!event.rrule.isEmpty()) {
        const std::optional<QByteArray> rule = ruleValue(event.rrule);
        Q_ASSERT_X(rule, "writeIcs", "an rrule libical cannot read");
        if (rule)
            addLine(out, "RRULE:" + *rule);
    }
    addLine(out, "SUMMARY:" + textValue(event.summary));
    if (!event.category.isEmpty())
        addLine(out, "CATEGORIES:" + textValue(event.category));
    // Marked days are reminders, not appointments: they do not make the owner busy.
    addLine(out, "TRANSP:TRANSPARENT");
    addLine(out, "END:VEVENT");
}

} // namespace

QByteArray writeIcs(const std::vector<IcsExportEvent> &events, const QString &calendarName, const QDateTime &stamp)
{
    Q_ASSERT(stamp.isValid());
    ensureLibicalSetUp();
    QByteArray out;
    addLine(out, "BEGIN:VCALENDAR");
    addLine(out, "VERSION:2.0");
    addLine(out, "PRODID:-//Lunaria//Lunaria//EN");
    addLine(out, "CALSCALE:GREGORIAN");
    if (!calendarName.isEmpty())
        addLine(out, "X-WR-CALNAME:" + textValue(calendarName));
    const QByteArray dtstamp = utcValue(stamp);
    for (const IcsExportEvent &event : events) {
        const bool valid = event.start.ok() && isCalendarYear(event.start.year()) && event.dayCount >= 1;
        Q_ASSERT(valid);
        if (valid)
            addEvent(out, event, dtstamp);
    }
    addLine(out, "END:VCALENDAR");
    return out;
}

std::optional<IcsRecurrence> nthWeekdayOfEveryMonth(year_month from, weekday_indexed day, year_month_day until)
{
    if (!isCalendarYear(from.year()) || !isCalendarYear(until.year()) || !day.ok() || !until.ok())
        return std::nullopt;
    // Every weekday comes five times in at least four months of any twelve, so some month has it.
    for (year_month m = from; sys_days{m / 1} <= sys_days{until}; m += months{1}) {
        const year_month_weekday first{m.year(), m.month(), day};
        if (first.ok() && sys_days{first} <= sys_days{until})
            return IcsRecurrence{year_month_day{sys_days{first}},
                                 QStringLiteral("FREQ=MONTHLY;BYDAY=%1%2;").arg(day.index()).arg(QLatin1String(RuleWeekdays[day.weekday().c_encoding()]))
                                     + untilDay(until)};
    }
    return std::nullopt;
}

std::optional<IcsRecurrence> nthWeekdayOfEveryMonth(year y, weekday_indexed day)
{
    return nthWeekdayOfEveryMonth(y / January, day, y / December / 31);
}

std::optional<IcsRecurrence> lastWeekdayOfEveryMonth(year_month from, weekday day, year_month_day until)
{
    if (!isCalendarYear(from.year()) || !isCalendarYear(until.year()) || !day.ok() || !until.ok())
        return std::nullopt;
    const year_month_weekday_last first{from.year(), from.month(), day[last]};
    if (sys_days{first} > sys_days{until})
        return std::nullopt;
    return IcsRecurrence{year_month_day{sys_days{first}},
                         QStringLiteral("FREQ=MONTHLY;BYDAY=-1%1;").arg(QLatin1String(RuleWeekdays[day.c_encoding()])) + untilDay(until)};
}

std::optional<IcsRecurrence> lastWeekdayOfEveryMonth(year y, weekday day)
{
    return lastWeekdayOfEveryMonth(y / January, day, y / December / 31);
}

std::optional<IcsRecurrence> everyNWeeksUntil(year_month_day start, int weeks, year_month_day until)
{
    if (!start.ok() || !isCalendarYear(start.year()) || !until.ok() || !isCalendarYear(until.year()) || weeks < 1
        || weeks > MaxInterval || sys_days{until} < sys_days{start})
        return std::nullopt;
    return IcsRecurrence{start, QStringLiteral("FREQ=WEEKLY;INTERVAL=%1;").arg(weeks) + untilDay(until)};
}

std::optional<IcsRecurrence> everyNWeeksInYear(year_month_day start, int weeks)
{
    if (!start.ok())
        return std::nullopt;
    return everyNWeeksUntil(start, weeks, start.year() / December / 31);
}

std::optional<IcsRecurrence> everyYearFrom(year_month_day start)
{
    if (!start.ok() || !isCalendarYear(start.year()))
        return std::nullopt;
    return IcsRecurrence{start, QStringLiteral("FREQ=YEARLY")};
}

QString uidFor(const QString &ruleKey, year_month_day date)
{
    return uidOver(ruleKey, isoDate(date));
}

QString uidFor(const QString &ruleKey, month_day day)
{
    return uidOver(ruleKey, QStringLiteral("--%1-%2")
                                .arg(unsigned(day.month()), 2, 10, QLatin1Char('0'))
                                .arg(unsigned(day.day()), 2, 10, QLatin1Char('0')));
}
