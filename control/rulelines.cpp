#include "control/rulelines.h"

#include "calendar/ical/icsreader.h"

#include "platform/localedates.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <tuple>

using namespace std::chrono;

namespace {

// Why a rule line of a control file is skipped, in the user's language.
struct RuleLineWords
{
    Q_DECLARE_TR_FUNCTIONS(RuleLines)
};

const QLatin1Char Blank(' ');

struct KeyOfKind
{
    RuleKind kind;
    const char *key;
};
constexpr KeyOfKind RuleKeys[] = {
    {RuleKind::NthWeekday, "DTM"}, {RuleKind::LastWeekday, "LST"}, {RuleKind::EveryNWeeks, "EFW"},
    {RuleKind::Dates, "DAY"},      {RuleKind::Range, "RNG"},       {RuleKind::Holidays, "HOL"},
    {RuleKind::ICalendar, "ICS"},  {RuleKind::ContinuingWeeks, "EVR"},
};

// The text before the first blank, and what follows that blank (not trimmed).
std::pair<QStringView, QStringView> splitAtBlank(QStringView text)
{
    const qsizetype blank = text.indexOf(Blank);
    if (blank < 0)
        return {text, QStringView()};
    return {text.left(blank), text.mid(blank + 1)};
}

QString weekdayProblem()
{
    return RuleLineWords::tr("the weekday number must be 1 (Sunday) to 7 (Saturday)");
}

// A weekday field of LST: 1..7 after rounding, as DTM rounds.
std::optional<int> weekdayField(QStringView text, QString &problem)
{
    const std::optional<double> number = leadingNumber(text);
    if (!number) {
        problem = RuleLineWords::tr("the weekday number is missing or not a number");
        return std::nullopt;
    }
    const double weekday = std::nearbyint(*number);
    if (!(weekday >= 1 && weekday <= 7)) {
        problem = weekdayProblem();
        return std::nullopt;
    }
    return int(weekday);
}

RuleLine nthWeekday(QStringView value)
{
    const auto [ordinalText, afterOrdinal] = splitAtBlank(value);
    const auto [weekdayText, afterWeekday] = splitAtBlank(trimBlanks(afterOrdinal));
    const std::optional<double> ordinalNumber = leadingNumber(ordinalText);
    const std::optional<double> weekdayNumber = leadingNumber(weekdayText);
    const double ordinal = std::nearbyint(ordinalNumber.value_or(0));
    const double weekday = std::nearbyint(weekdayNumber.value_or(0));
    // Week numbers of 5 and above and weekdays of 8 and above have always been passed over;
    // they still mark nothing, but a line that marks nothing says so.
    if (ordinal >= 5 && ordinalNumber)
        return {std::nullopt, RuleLineWords::tr("the week number %1 is beyond 4, so the line marks nothing (use LST for the "
                                                "last one of a month)").arg(ordinal)};
    if (weekday >= 8 && weekdayNumber)
        return {std::nullopt, RuleLineWords::tr("the weekday number %1 is beyond 7 (Saturday), so the line marks nothing")
                                  .arg(weekday)};
    if (!ordinalNumber)
        return {std::nullopt, RuleLineWords::tr("the week number is missing or not a number")};
    if (!weekdayNumber)
        return {std::nullopt, RuleLineWords::tr("the weekday number is missing or not a number")};
    if (ordinal < 1)
        return {std::nullopt, RuleLineWords::tr("the week number must be 1 to 4")};
    if (weekday < 1)
        return {std::nullopt, weekdayProblem()};
    MarkRule rule;
    rule.kind = RuleKind::NthWeekday;
    rule.ordinal = int(ordinal);
    rule.weekday = int(weekday);
    rule.label = trimBlanks(afterWeekday).toString();
    return {rule, {}};
}

RuleLine lastWeekday(QStringView value)
{
    const auto [weekdayText, label] = splitAtBlank(value);
    QString problem;
    const std::optional<int> weekday = weekdayField(weekdayText, problem);
    if (!weekday)
        return {std::nullopt, problem};
    MarkRule rule;
    rule.kind = RuleKind::LastWeekday;
    rule.weekday = *weekday;
    rule.label = trimBlanks(label).toString();
    return {rule, {}};
}

// EFW and EVR: a date, a number of weeks, a label.
RuleLine everyNWeeks(RuleKind kind, QStringView value)
{
    const auto [dateText, afterDate] = splitAtBlank(value);
    if (dateText.isEmpty())
        return {std::nullopt, RuleLineWords::tr("the date is missing")};
    const std::optional<QDate> date = parseLocaleDate(dateText.toString());
    if (!date)
        return {std::nullopt, RuleLineWords::tr("\"%1\" is not a date").arg(dateText)};
    // Without a label the whole rest is the interval, rather than nothing at all.
    const auto [weeksText, label] = splitAtBlank(trimBlanks(afterDate));
    const std::optional<double> weeks = leadingNumber(weeksText);
    if (!weeks)
        return {std::nullopt, RuleLineWords::tr("the number of weeks is missing or not a number")};
    const double rounded = std::nearbyint(*weeks);
    // Below 1 has always meant "never", quietly; beyond 16 bits is no number of weeks at all.
    if (!(rounded >= -32768 && rounded <= 32767))
        return {std::nullopt, RuleLineWords::tr("the number of weeks %1 is outside 1 to 32767").arg(weeksText)};
    MarkRule rule;
    rule.kind = kind;
    rule.from = RuleDate::full(year{date->year()} / month{unsigned(date->month())} / day{unsigned(date->day())});
    rule.weeks = qint16(rounded);
    rule.label = trimBlanks(label).toString();
    return {rule, {}};
}

RuleLine singleDates(QStringView value)
{
    // The dates run to the first blank that does not follow a comma: "2027-03-05, --04-01 Birthdays".
    qsizetype end = 0;
    while (end < value.size()) {
        if (value[end] == Blank && (end == 0 || value[end - 1] != QLatin1Char(',')))
            break;
        ++end;
    }
    const QStringView datesText = value.left(end);
    if (datesText.isEmpty())
        return {std::nullopt, RuleLineWords::tr("the date is missing")};
    MarkRule rule;
    rule.kind = RuleKind::Dates;
    for (QStringView piece : datesText.split(QLatin1Char(','))) {
        piece = trimBlanks(piece);
        // "1987-03-05+": that day every year since 1987, a birthday with its age.
        const bool yearly = piece.endsWith(QLatin1Char('+'));
        std::optional<RuleDate> date = parseRuleDate(yearly ? piece.chopped(1) : piece);
        if (!date)
            return {std::nullopt, piece.isEmpty() ? RuleLineWords::tr("a date is missing between commas")
                                                  : RuleLineWords::tr("\"%1\" is not a date").arg(piece)};
        if (yearly && date->isYearless())
            return {std::nullopt, RuleLineWords::tr("\"%1\" repeats every year without a \"+\"; a \"+\" follows a date with "
                                                    "its first year, like 1987-03-05+")
                                      .arg(piece)};
        date->yearly = yearly;
        rule.dates.push_back(*date);
    }
    rule.label = trimBlanks(value.mid(end)).toString();
    return {rule, {}};
}

RuleLine dateRange(QStringView value)
{
    const auto [fromText, afterFrom] = splitAtBlank(value);
    const auto [toText, label] = splitAtBlank(trimBlanks(afterFrom));
    if (fromText.isEmpty() || toText.isEmpty())
        return {std::nullopt, RuleLineWords::tr("a range needs a first and a last date")};
    const std::optional<RuleDate> from = parseRuleDate(fromText);
    if (!from)
        return {std::nullopt, RuleLineWords::tr("\"%1\" is not a date").arg(fromText)};
    const std::optional<RuleDate> to = parseRuleDate(toText);
    if (!to)
        return {std::nullopt, RuleLineWords::tr("\"%1\" is not a date").arg(toText)};
    switch (rangeProblem(*from, *to)) {
    case RangeProblem::MixedYears: return {std::nullopt, RuleLineWords::tr("both dates need a year, or neither")};
    case RangeProblem::Backwards:
        return {std::nullopt, RuleLineWords::tr("the last date %1 is before the first %2").arg(toText, fromText)};
    case RangeProblem::None: break;
    }
    MarkRule rule;
    rule.kind = RuleKind::Range;
    rule.from = *from;
    rule.to = *to;
    rule.label = trimBlanks(label).toString();
    return {rule, {}};
}

RuleLine holidays(QStringView value)
{
    const auto [regionText, label] = splitAtBlank(value);
    if (regionText.isEmpty())
        return {std::nullopt, RuleLineWords::tr("the region is missing (a code such as US, DE-BY or GB-SCT)")};
    // Whether there is a list for the region, and what it holds, is for the calendar's year to
    // tell: the rule says so at its line when the marks are worked out.
    const QString region = regionText.toString().toUpper();
    MarkRule rule;
    rule.kind = RuleKind::Holidays;
    rule.source = region;
    rule.label = trimBlanks(label).toString();
    return {rule, {}};
}

// ICS path [label]: a path holding blanks is written in double quotes.
RuleLine icalendarFile(QStringView value, const QString &folder)
{
    QStringView pathText;
    QStringView label;
    if (value.startsWith(QLatin1Char('"'))) {
        const qsizetype close = value.indexOf(QLatin1Char('"'), 1);
        if (close < 0)
            return {std::nullopt, RuleLineWords::tr("the file name has no closing quote")};
        pathText = value.mid(1, close - 1);
        label = value.mid(close + 1);
    } else {
        std::tie(pathText, label) = splitAtBlank(value);
    }
    if (pathText.isEmpty())
        return {std::nullopt, RuleLineWords::tr("the iCalendar file is missing")};
    QString path = pathText.toString();
    // An address (https://, webcal://, caldav+https:// ...) is kept as written: it is no path
    // to resolve, and cleaning it would fold its "//".
    if (!isCalendarAddress(path)) {
        if (QFileInfo(path).isRelative() && !folder.isEmpty())
            path = QDir(folder).filePath(path);
        // The file is read when the marks are worked out for the calendar's year, which reports
        // at this line what it could not use.
        path = QDir::cleanPath(path);
    }
    MarkRule rule;
    rule.kind = RuleKind::ICalendar;
    rule.source = path;
    rule.label = trimBlanks(label).toString();
    return {rule, {}};
}

} // namespace

QString ruleKey(RuleKind kind)
{
    for (const KeyOfKind &entry : RuleKeys)
        if (entry.kind == kind)
            return QLatin1String(entry.key);
    return {};
}

std::optional<RuleKind> ruleKindOfKey(QStringView key)
{
    for (const KeyOfKind &entry : RuleKeys)
        if (key.compare(QLatin1String(entry.key), Qt::CaseInsensitive) == 0)
            return entry.kind;
    return std::nullopt;
}

std::optional<RuleDate> parseRuleDate(QStringView text)
{
    if (const std::optional<QDate> date = parseLocaleDate(text.toString()))
        return RuleDate::full(year{date->year()} / month{unsigned(date->month())} / day{unsigned(date->day())});
    if (const std::optional<std::pair<int, int>> monthDay = parseLocaleMonthDay(text.toString()))
        return RuleDate::yearless(month{unsigned(monthDay->first)} / day{unsigned(monthDay->second)});
    return std::nullopt;
}

RangeProblem rangeProblem(const RuleDate &from, const RuleDate &to)
{
    if (from.isYearless() != to.isYearless())
        return RangeProblem::MixedYears;
    const year leap{2000};
    return sys_days{to.in(leap)} < sys_days{from.in(leap)} ? RangeProblem::Backwards : RangeProblem::None;
}

QString pathForFolder(const QString &path, const QString &folder)
{
    // An address is no path: made relative, "caldav+https://x/a/" would lose a slash.
    if (path.isEmpty() || folder.isEmpty() || isCalendarAddress(path))
        return path;
    const QString relative = QDir(folder).relativeFilePath(path);
    if (relative.startsWith(QLatin1String("..")) || QFileInfo(relative).isAbsolute())
        return path;
    return relative;
}

namespace {

RuleLine ruleOfKind(RuleKind kind, QStringView value, const QString &folder)
{
    switch (kind) {
    case RuleKind::NthWeekday: return nthWeekday(value);
    case RuleKind::LastWeekday: return lastWeekday(value);
    case RuleKind::EveryNWeeks:
    case RuleKind::ContinuingWeeks: return everyNWeeks(kind, value);
    case RuleKind::Dates: return singleDates(value);
    case RuleKind::Range: return dateRange(value);
    case RuleKind::Holidays: return holidays(value);
    case RuleKind::ICalendar: return icalendarFile(value, folder);
    }
    return {std::nullopt, RuleLineWords::tr("this kind of rule is not known here")};
}

} // namespace

RuleLine parseRuleValue(RuleKind kind, QStringView value, const QString &folder)
{
    RuleLine line = ruleOfKind(kind, value, folder);
    if (line.rule && line.rule->label.size() > MaxLabelLength)
        return {std::nullopt, labelTooLong(line.rule->label)};
    return line;
}

QString labelTooLong(const QString &label)
{
    return RuleLineWords::tr("the label is %L1 characters long; a legend holds at most %2").arg(label.size()).arg(MaxLabelLength);
}

QString ruleValue(const MarkRule &rule, const QString &folder)
{
    QString value;
    switch (rule.kind) {
    case RuleKind::NthWeekday:
        value = QStringLiteral("%1 %2").arg(rule.ordinal).arg(rule.weekday);
        break;
    case RuleKind::LastWeekday:
        value = QString::number(rule.weekday);
        break;
    case RuleKind::EveryNWeeks:
    case RuleKind::ContinuingWeeks:
        value = QStringLiteral("%1 %2").arg(rule.from.isoText()).arg(rule.weeks);
        break;
    case RuleKind::Dates: {
        QStringList dates;
        for (const RuleDate &date : rule.dates)
            dates << date.isoText();
        value = dates.join(QStringLiteral(", "));
        break;
    }
    case RuleKind::Range:
        value = QStringLiteral("%1 %2").arg(rule.from.isoText(), rule.to.isoText());
        break;
    case RuleKind::Holidays:
        value = rule.source;
        break;
    case RuleKind::ICalendar: {
        value = pathForFolder(rule.source, folder);
        if (value.contains(Blank))
            value = QLatin1Char('"') + value + QLatin1Char('"');
        break;
    }
    }
    if (!rule.label.isEmpty())
        value += Blank + rule.label;
    return value;
}
