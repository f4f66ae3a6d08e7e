// The country file parser: turns the lines of a holiday file into HolidayRules.

#include "calendar/holidays/holidayfile.h"

#include "calendar/holidays/holidaycountry.h"
#include "calendar/holidays/holidaydates.h"
#include "calendar/holidays/holidayrule.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <set>

using namespace std::chrono;

namespace {

// Why a line of a holiday file is refused, in the user's language; the file's own words stay in quotes.
struct HolidayFileWords
{
    Q_DECLARE_TR_FUNCTIONS(Holidays)
};

// Bounds that keep a hostile file's cost small; the shipped files use a tenth of each.
constexpr qsizetype MaxHolidayTextChars = 1024 * 1024;
constexpr size_t MaxRules = 5000;
constexpr size_t MaxRegions = 500;
constexpr qsizetype MaxNameChars = 200;
constexpr qsizetype MaxListItems = 200;
constexpr int MaxOffsetDays = 366;

const char *const MonthNames[12] = {"january", "february", "march",     "april",   "may",      "june",
                                    "july",    "august",   "september", "october", "november", "december"};
const char *const WeekdayNames[7] = {"sunday", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday"};

// "Thursday"
QString englishWeekday(weekday wd)
{
    const QString name = QLatin1String(WeekdayNames[wd.c_encoding()]);
    return name.front().toUpper() + name.mid(1);
}

// A month by its English name or first three letters: 1..12, or nullopt.
std::optional<unsigned> monthNumber(const QString &word)
{
    const QString lower = word.toLower();
    for (unsigned i = 0; i < 12; ++i) {
        const QString name = QLatin1String(MonthNames[i]);
        if (lower == name || (lower.size() == 3 && name.startsWith(lower)))
            return i + 1;
    }
    return std::nullopt;
}

std::optional<weekday> weekdayNamed(const QString &word)
{
    const QString lower = word.toLower();
    for (unsigned i = 0; i < 7; ++i) {
        const QString name = QLatin1String(WeekdayNames[i]);
        if (lower == name || (lower.size() == 3 && name.startsWith(lower)))
            return weekday{i};
    }
    return std::nullopt;
}

// A failure of one line; the parser adds the file and the line, the one it is reading unless
// `line` names an earlier one.
struct LineError
{
    QString reason;
    int line = 0;
};

int parseYear(const QString &word)
{
    bool ok = false;
    const int y = word.toInt(&ok);
    if (!ok || y < FirstHolidayYear || y > LastHolidayYear)
        throw LineError{HolidayFileWords::tr("'%1' is not a year from %2 to %3").arg(word).arg(FirstHolidayYear).arg(LastHolidayYear)};
    return y;
}

unsigned parseMonth(const QString &word)
{
    const std::optional<unsigned> m = monthNumber(word);
    if (!m)
        throw LineError{HolidayFileWords::tr("'%1' is not a month (Jan .. Dec)").arg(word)};
    return *m;
}

weekday parseWeekday(const QString &word)
{
    const std::optional<weekday> wd = weekdayNamed(word);
    if (!wd)
        throw LineError{HolidayFileWords::tr("'%1' is not a weekday (Mon .. Sun)").arg(word)};
    return *wd;
}

// Day `word` of `month`; 29 February is allowed (kept in leap years only) when `leapDay`.
unsigned parseDay(const QString &word, unsigned month, bool leapDay)
{
    bool ok = false;
    const int d = word.toInt(&ok);
    // The days of each month in a leap year.
    constexpr int LeapMonthDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int longest = (month == 2 && !leapDay) ? 28 : LeapMonthDays[month - 1];
    if (!ok || d < 1 || d > longest)
        throw LineError{HolidayFileWords::tr("'%1' is not a day of %2 (1 .. %3)")
                            .arg(word, QLatin1String(MonthNames[month - 1]).left(3))
                            .arg(longest)};
    return unsigned(d);
}

// The date part of a holiday line: "Dec 25", "2023 May 8", "4th Thu of Nov", "last Mon of May",
// "Mon on or before May 24", "Easter -2", "Orthodox Easter +1", "March equinox",
// "between holidays"; each but the last may end in an offset in days ("+1", "- 2").
void parseDateRule(const QString &text, HolidayRule &rule)
{
    static const QRegularExpression offsetAtEnd(QStringLiteral("^(.*\\S)\\s*([+-])\\s*(\\d+)$"));
    static const QRegularExpression fixedDate(QStringLiteral("^(?:(\\d+)\\s+)?([A-Za-z]+)\\s+(\\d+)$"));
    static const QRegularExpression nthWeekday(
        QStringLiteral("^(?:(\\d)(?:st|nd|rd|th)|(last))\\s+([A-Za-z]+)\\s+of\\s+([A-Za-z]+)$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression weekdayNear(
        QStringLiteral("^([A-Za-z]+)\\s+on\\s+or\\s+(before|after)\\s+([A-Za-z]+)\\s+(\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression easter(QStringLiteral("^(orthodox\\s+)?easter$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression equinox(QStringLiteral("^(march|september)\\s+equinox$"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression between(QStringLiteral("^between\\s+holidays$"), QRegularExpression::CaseInsensitiveOption);
    // "Islamic umalqura 10-01 +1": read whole, since its month-day would pass for an offset.
    static const QRegularExpression lunar(
        QStringLiteral("^(islamic\\s+civil|islamic\\s+umalqura|hebrew|chinese|korean)\\s+(\\d{1,2})-(\\d{1,2})(?:\\s*([+-])\\s*(\\d+))?$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression lunarWord(QStringLiteral("^(islamic|hebrew|chinese|korean)\\b"), QRegularExpression::CaseInsensitiveOption);

    if (const QRegularExpressionMatch m = lunar.match(text); m.hasMatch()) {
        const QString name = m.captured(1).simplified().toLower();
        rule.kind = HolidayDateKind::Lunar;
        rule.calendar = name == QLatin1String("islamic civil")      ? LunarCalendar::IslamicCivil
                        : name == QLatin1String("islamic umalqura") ? LunarCalendar::IslamicUmmAlQura
                        : name == QLatin1String("hebrew")           ? LunarCalendar::Hebrew
                        : name == QLatin1String("chinese")          ? LunarCalendar::Chinese
                                                                    : LunarCalendar::Korean;
        const unsigned months = rule.calendar == LunarCalendar::Hebrew ? 13 : 12;
        rule.month = m.captured(2).toUInt();
        rule.day = m.captured(3).toUInt();
        if (rule.month < 1 || rule.month > months)
            throw LineError{HolidayFileWords::tr("'%1' has no month %2 (1 .. %3)").arg(m.captured(1)).arg(m.captured(2)).arg(months)};
        if (rule.day < 1 || rule.day > 30)
            throw LineError{HolidayFileWords::tr("'%1' has no day %2 in a month (1 .. 30)").arg(m.captured(1), m.captured(3))};
        rule.lunarMemo = std::make_shared<HolidayRule::LunarMemo>();
        if (!m.captured(4).isEmpty()) {
            bool ok = false;
            const int magnitude = m.captured(5).toInt(&ok);
            if (!ok || magnitude > MaxOffsetDays)
                throw LineError{HolidayFileWords::tr("the offset %1%2 is more than %3 days").arg(m.captured(4), m.captured(5)).arg(MaxOffsetDays)};
            rule.offsetDays = m.captured(4) == QLatin1String("-") ? -magnitude : magnitude;
        }
        return;
    }
    if (lunarWord.match(text).hasMatch())
        throw LineError{HolidayFileWords::tr("'%1' is no date of another calendar this file format knows: write e.g. "
                                             "'Islamic umalqura 10-01', 'Islamic civil 12-10', 'Hebrew 07-01', 'Chinese 01-01' or 'Korean 08-15'")
                            .arg(text)};

    QString date = text;
    if (const QRegularExpressionMatch m = offsetAtEnd.match(date); m.hasMatch()) {
        bool ok = false;
        const int magnitude = m.captured(3).toInt(&ok);
        if (!ok || magnitude > MaxOffsetDays)
            throw LineError{HolidayFileWords::tr("the offset %1%2 is more than %3 days").arg(m.captured(2), m.captured(3)).arg(MaxOffsetDays)};
        rule.offsetDays = m.captured(2) == QLatin1String("-") ? -magnitude : magnitude;
        date = m.captured(1);
    }

    if (const QRegularExpressionMatch m = fixedDate.match(date); m.hasMatch()) {
        rule.month = parseMonth(m.captured(2));
        if (m.hasCaptured(1) && !m.captured(1).isEmpty()) {
            rule.kind = HolidayDateKind::OneOff;
            rule.year = parseYear(m.captured(1));
            const bool leap = std::chrono::year{rule.year}.is_leap();
            rule.day = parseDay(m.captured(3), rule.month, leap);
        } else {
            rule.kind = HolidayDateKind::Fixed;
            rule.day = parseDay(m.captured(3), rule.month, true);
        }
        return;
    }
    if (const QRegularExpressionMatch m = nthWeekday.match(date); m.hasMatch()) {
        rule.weekday = parseWeekday(m.captured(3));
        rule.month = parseMonth(m.captured(4));
        if (!m.captured(2).isEmpty()) {
            rule.kind = HolidayDateKind::LastWeekday;
        } else {
            rule.kind = HolidayDateKind::NthWeekday;
            rule.nth = m.captured(1).toUInt();
            if (rule.nth < 1 || rule.nth > 5)
                throw LineError{HolidayFileWords::tr("a month has a 1st to a 5th weekday, not a %1th").arg(rule.nth)};
        }
        return;
    }
    if (const QRegularExpressionMatch m = weekdayNear.match(date); m.hasMatch()) {
        rule.weekday = parseWeekday(m.captured(1));
        rule.kind = m.captured(2).toLower() == QLatin1String("before") ? HolidayDateKind::WeekdayOnOrBefore
                                                                       : HolidayDateKind::WeekdayOnOrAfter;
        rule.month = parseMonth(m.captured(3));
        rule.day = parseDay(m.captured(4), rule.month, false);
        return;
    }
    if (const QRegularExpressionMatch m = easter.match(date); m.hasMatch()) {
        rule.kind = m.captured(1).isEmpty() ? HolidayDateKind::Easter : HolidayDateKind::OrthodoxEaster;
        return;
    }
    if (const QRegularExpressionMatch m = equinox.match(date); m.hasMatch()) {
        rule.kind = m.captured(1).toLower() == QLatin1String("march") ? HolidayDateKind::MarchEquinox
                                                                      : HolidayDateKind::SeptemberEquinox;
        return;
    }
    if (date.compare(QLatin1String("qingming"), Qt::CaseInsensitive) == 0) {
        rule.kind = HolidayDateKind::Qingming;
        return;
    }
    if (between.match(date).hasMatch()) {
        if (rule.offsetDays != 0)
            throw LineError{HolidayFileWords::tr("'between holidays' takes no offset")};
        rule.kind = HolidayDateKind::BetweenHolidays;
        return;
    }
    throw LineError{HolidayFileWords::tr("'%1' is no date this file format knows: write e.g. 'Dec 25', '2023 May 8', "
                                         "'4th Thu of Nov', 'last Mon of May', 'Mon on or before May 24', 'Easter -2', "
                                         "'Orthodox Easter +1', 'March equinox' or 'between holidays'")
                        .arg(text)};
}

ObservedPolicy parsePolicy(const QString &word)
{
    const QString lower = word.toLower();
    if (lower == QLatin1String("nearest"))
        return ObservedPolicy::Nearest;
    if (lower == QLatin1String("next-working-day"))
        return ObservedPolicy::NextWorkingDay;
    if (lower == QLatin1String("monday"))
        return ObservedPolicy::Monday;
    if (lower == QLatin1String("sunday-to-monday"))
        return ObservedPolicy::SundayToMonday;
    if (lower == QLatin1String("sunday-to-next-free-day"))
        return ObservedPolicy::SundayToNextFree;
    if (lower == QLatin1String("sunday-to-next-working-day"))
        return ObservedPolicy::SundayToNextWorkingDay;
    throw LineError{HolidayFileWords::tr("'%1' is no way to move a day off (nearest, next-working-day, monday, "
                                         "sunday-to-monday, sunday-to-next-free-day, sunday-to-next-working-day)")
                        .arg(word)};
}

QStringList parseRegionList(const QStringList &words, const QString &what)
{
    if (words.isEmpty())
        throw LineError{HolidayFileWords::tr("'%1' needs region codes").arg(what)};
    if (words.size() > MaxListItems)
        throw LineError{HolidayFileWords::tr("'%1' lists more than %2 regions").arg(what).arg(MaxListItems)};
    QStringList codes;
    for (const QString &word : words)
        codes.append(word.toUpper());
    return codes;
}

// "observed next-working-day from 1971 as Christmas Day (substitute day)"
// Whether the day off is named with the observed-suffix.
bool parseObserved(const QString &clause, const QString &suffix, HolidayRule &rule)
{
    static const QRegularExpression observed(
        QStringLiteral("^observed\\s+(\\S+)(\\s+or-on-holiday)?(?:\\s+from\\s+(\\S+))?(?:\\s+as\\s+(.*))?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = observed.match(clause);
    if (!m.hasMatch())
        throw LineError{HolidayFileWords::tr("write 'observed WAY [or-on-holiday] [from YEAR] [as NAME]', not '%1'").arg(clause)};
    rule.observed = parsePolicy(m.captured(1));
    rule.observedOnHoliday = !m.captured(2).isEmpty();
    // On a weekday there is no weekend side to move to: only a way that looks for the next
    // free day says where a holiday that shares its day goes.
    if (rule.observedOnHoliday && !searchesForAFreeDay(rule.observed))
        throw LineError{HolidayFileWords::tr("'or-on-holiday' needs a way that looks for the next free day "
                                             "(next-working-day, sunday-to-next-working-day, sunday-to-next-free-day), not '%1'")
                            .arg(m.captured(1))};
    if (!m.captured(3).isEmpty())
        rule.observedFrom = parseYear(m.captured(3));
    const QString name = m.captured(4).trimmed();
    if (m.hasCaptured(4) && name.isEmpty())
        throw LineError{HolidayFileWords::tr("'as' needs the name of the day off")};
    if (!name.isEmpty())
        rule.observedName = name;
    else
        rule.observedName = suffix.isEmpty() ? rule.name : rule.name + QLatin1Char(' ') + suffix;
    if (rule.observedName.size() > MaxNameChars)
        throw LineError{HolidayFileWords::tr("the name of the day off is longer than %1 characters").arg(MaxNameChars)};
    return name.isEmpty() && !suffix.isEmpty();
}

// The weekday the holiday always falls on, where its kind fixes one: "4th Thu of Nov" is a
// Thursday, "Easter -2" a Friday.
std::optional<weekday> fixedWeekday(const HolidayRule &rule)
{
    switch (rule.kind) {
    case HolidayDateKind::NthWeekday:
    case HolidayDateKind::LastWeekday:
    case HolidayDateKind::WeekdayOnOrBefore:
    case HolidayDateKind::WeekdayOnOrAfter:
        // A move by other than whole weeks gives the day a second weekday.
        if (rule.easterMove && rule.easterMove->byDays % 7 != 0)
            return std::nullopt;
        return rule.weekday + days{rule.offsetDays};
    case HolidayDateKind::Easter:
    case HolidayDateKind::OrthodoxEaster: return Sunday + days{rule.offsetDays};
    case HolidayDateKind::Fixed:
    case HolidayDateKind::OneOff:
    case HolidayDateKind::MarchEquinox:
    case HolidayDateKind::SeptemberEquinox:
    case HolidayDateKind::BetweenHolidays:
    case HolidayDateKind::Qingming:
    case HolidayDateKind::Lunar: break;
    }
    return std::nullopt;
}

// A 'moved' clause that no year would apply would be ignored without a word. A date reckoned
// from Easter keeps its distance from it, so there the clause moves it always or never.
void refuseAMoveThatNeverHappens(const HolidayRule &rule, int first, int last)
{
    if (!rule.easterMove)
        return;
    if (rule.kind == HolidayDateKind::Easter)
        throw LineError{HolidayFileWords::tr("'moved' on a day reckoned from Easter would move it every year or never: "
                                             "change its offset instead")};
    // Easter's dates repeat their pattern within a few centuries, far less than this bound.
    const int from = std::max(first, 1583);
    const int to = std::min(last, from + 1000);
    for (int y = from; y <= to; ++y) {
        if (!rule.keptIn(y))
            continue;
        HolidayRule unmoved = rule;
        unmoved.easterMove.reset();
        const std::optional<sys_days> date = unmoved.dateIn(y);
        if (!date)
            continue;
        const int fromEaster = int((*date - sys_days{westernEaster(y)}).count());
        if (fromEaster >= rule.easterMove->firstOffset && fromEaster <= rule.easterMove->lastOffset)
            return;
    }
    throw LineError{HolidayFileWords::tr("'moved' would never move the day: in no year it is kept does it fall within "
                                         "those days of Easter")};
}

// Whether some year the holiday is kept in gives it a date. Stops at the first such year,
// which for any real holiday lies within a few years of its first.
bool givesADay(const HolidayRule &rule, int first, int last)
{
    for (int y = first; y <= last; y += rule.everyYears)
        if (rule.keptIn(y) && (rule.kind == HolidayDateKind::BetweenHolidays || rule.dateIn(y)))
            return true;
    return false;
}

// A line, or a clause of it, that could never take effect would be read and then ignored
// without a word; the user who wrote it meant something by it.
void refuseWhatWouldBeIgnored(const HolidayRule &rule)
{
    const bool oneOff = rule.kind == HolidayDateKind::OneOff;
    const int first = std::max(oneOff ? rule.year : rule.firstYear, FirstHolidayYear);
    const int last = std::min(oneOff ? rule.year : rule.lastYear, LastHolidayYear);
    for (const int y : rule.skippedYears) {
        const bool inRange = y >= rule.firstYear && y <= rule.lastYear && (!oneOff || y == rule.year);
        if (!inRange || (rule.everyYears > 1 && (y - rule.firstYear) % rule.everyYears != 0))
            throw LineError{HolidayFileWords::tr("'skip %1' names a year the holiday is not kept in anyway").arg(y)};
    }
    if (!givesADay(rule, first, last))
        throw LineError{HolidayFileWords::tr("the holiday would never be listed: no year its date and clauses allow has such a day")};
    refuseAMoveThatNeverHappens(rule, first, last);
    if (rule.observed == ObservedPolicy::None)
        return;
    if (rule.observedFrom > last)
        throw LineError{HolidayFileWords::tr("'observed ... from %1' would never move a day: the holiday is kept until %2 only")
                            .arg(rule.observedFrom)
                            .arg(last)};
    // Another holiday may fall on any weekday, so an 'or-on-holiday' clause can always act.
    if (const std::optional<weekday> wd = fixedWeekday(rule); wd && !rule.observedOnHoliday) {
        const bool sundayOnly = rule.observed == ObservedPolicy::SundayToMonday || rule.observed == ObservedPolicy::SundayToNextFree
                                || rule.observed == ObservedPolicy::SundayToNextWorkingDay;
        if (*wd != Sunday && (sundayOnly || *wd != Saturday))
            throw LineError{HolidayFileWords::tr("'observed' would never move a day: the holiday always falls on a %1")
                                .arg(englishWeekday(*wd))};
    }
}

// A signed number of days of a 'moved' clause, "+7", "-1" or "0".
int parseSignedDays(const QString &word, const QString &clause)
{
    bool ok = false;
    const int n = word.toInt(&ok);
    if (!ok || n < -MaxOffsetDays || n > MaxOffsetDays)
        throw LineError{HolidayFileWords::tr("'%1' in '%2' is not a number of days from -%3 to +%3").arg(word, clause).arg(MaxOffsetDays)};
    return n;
}

// "moved +7 if Easter -7 .. -1", "moved +1 if Easter +1": the days are counted from Easter
// Sunday in the holiday's own year.
// "announced 2025 Mar 30, 2026 Mar 20": the dates a government set for a day of another
// calendar. Each must be within a few days of the day computed, or it was meant for another.
std::vector<sys_days> parseAnnounced(const HolidayRule &rule, const QString &clause)
{
    if (rule.kind != HolidayDateKind::Lunar)
        throw LineError{HolidayFileWords::tr("'announced' is for days of the Islamic, Hebrew, Chinese or Korean calendar, whose "
                                             "date a government may set; write a one-off line for another day")};
    const QStringList items = clause.mid(qsizetype(std::strlen("announced"))).split(QLatin1Char(','));
    if (items.size() > MaxListItems)
        throw LineError{HolidayFileWords::tr("'announced' lists more than %1 dates").arg(MaxListItems)};
    std::vector<sys_days> dates;
    for (const QString &item : items) {
        const QStringList words = item.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() != 3)
            throw LineError{HolidayFileWords::tr("write 'announced YEAR MONTH DAY, ...', e.g. 'announced 2025 Mar 30, "
                                                 "2026 Mar 20', not '%1'")
                                .arg(clause)};
        const int y = parseYear(words[0]);
        const unsigned m = parseMonth(words[1]);
        const sys_days date{std::chrono::year{y} / month{m} / day{parseDay(words[2], m, std::chrono::year{y}.is_leap())}};
        bool near = false;
        for (int around = std::max(y - 1, FirstHolidayYear); around <= std::min(y + 1, LastHolidayYear) && !near; ++around)
            for (const sys_days computed : lunarDatesIn(rule.calendar, rule.month, rule.day, around))
                near = near || std::chrono::abs(computed - date) <= days{HolidayRule::AnnouncedSlackDays};
        if (!near)
            throw LineError{HolidayFileWords::tr("the announced %1 is more than %2 days from the day the calendar gives: "
                                                 "give the date of the calendar's day itself, before the line's offset")
                                .arg(item.trimmed())
                                .arg(HolidayRule::AnnouncedSlackDays)};
        if (std::find(dates.begin(), dates.end(), date) != dates.end())
            throw LineError{HolidayFileWords::tr("the announced %1 is given twice").arg(item.trimmed())};
        dates.push_back(date);
    }
    std::sort(dates.begin(), dates.end());
    return dates;
}

HolidayRule::EasterMove parseEasterMove(const QStringList &words, const QString &clause)
{
    const bool shaped = (words.size() == 3 || words.size() == 4 || words.size() == 6) && words[1].toLower() == QLatin1String("if")
        && words[2].toLower() == QLatin1String("easter") && (words.size() != 6 || words[4] == QLatin1String(".."));
    if (!shaped)
        throw LineError{HolidayFileWords::tr("write 'moved DAYS if Easter OFFSET [.. OFFSET]', e.g. 'moved +7 if Easter -7 .. -1', not '%1'")
                            .arg(clause)};
    HolidayRule::EasterMove move;
    move.byDays = parseSignedDays(words[0], clause);
    if (move.byDays == 0)
        throw LineError{HolidayFileWords::tr("'%1' moves the day by no days").arg(clause)};
    move.firstOffset = words.size() >= 4 ? parseSignedDays(words[3], clause) : 0;
    move.lastOffset = words.size() == 6 ? parseSignedDays(words[5], clause) : move.firstOffset;
    if (move.firstOffset > move.lastOffset)
        throw LineError{HolidayFileWords::tr("'%1' names no day: its first offset comes after its last").arg(clause)};
    return move;
}

// "Dec 25 = Christmas Day; observed next-working-day; from 1971; in GB-ENG GB-WLS"
// `usesSuffix` is set when the day off is named with the observed-suffix.
HolidayRule parseHolidayLine(const QString &line, const QString &suffix, bool national, bool *usesSuffix)
{
    *usesSuffix = false;
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        throw LineError{HolidayFileWords::tr("'%1' is neither a directive (country, language, region, source, observed-suffix, names) "
                                             "nor a holiday (DATE = NAME)")
                            .arg(line)};
    HolidayRule rule;
    const QStringList parts = line.mid(equals + 1).split(QLatin1Char(';'));
    rule.name = parts.front().trimmed();
    if (rule.name.isEmpty())
        throw LineError{HolidayFileWords::tr("the holiday has no name after '='")};
    if (rule.name.size() > MaxNameChars)
        throw LineError{HolidayFileWords::tr("the name is longer than %1 characters").arg(MaxNameChars)};
    parseDateRule(line.left(equals).trimmed(), rule);

    QStringList given;  // the clauses' keywords so far: a second 'from' would silently win
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString clause = parts[i].simplified();
        QStringList words = clause.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        QString keyword = words.takeFirst().toLower();
        if (keyword == QLatin1String("not") && !words.isEmpty() && words[0].toLower() == QLatin1String("in")) {
            keyword = QStringLiteral("not in");
            words.removeFirst();
        }
        static const QStringList known{QStringLiteral("from"), QStringLiteral("until"), QStringLiteral("skip"), QStringLiteral("in"),
                                       QStringLiteral("not in"), QStringLiteral("every"), QStringLiteral("observed"),
                                       QStringLiteral("moved"), QStringLiteral("announced")};
        if (known.contains(keyword)) {
            if (given.contains(keyword))
                throw LineError{HolidayFileWords::tr("'%1' is given twice on this line: give it once").arg(keyword)};
            given.append(keyword);
        }
        if (keyword == QLatin1String("from") || keyword == QLatin1String("until")) {
            if (words.size() != 1)
                throw LineError{HolidayFileWords::tr("write '%1 YEAR', e.g. '%1 2021', not '%2'").arg(keyword, clause)};
            (keyword == QLatin1String("from") ? rule.firstYear : rule.lastYear) = parseYear(words[0]);
        } else if (keyword == QLatin1String("skip")) {
            if (words.isEmpty())
                throw LineError{HolidayFileWords::tr("'skip' needs the years the holiday is not kept in, e.g. 'skip 2002 2012'")};
            if (words.size() > MaxListItems)
                throw LineError{HolidayFileWords::tr("'skip' lists more than %1 years").arg(MaxListItems)};
            for (const QString &word : words)
                rule.skippedYears.push_back(parseYear(word));
            std::sort(rule.skippedYears.begin(), rule.skippedYears.end());
        } else if (keyword == QLatin1String("in") || keyword == QLatin1String("not in")) {
            if (!national)
                throw LineError{HolidayFileWords::tr("'%1' belongs on a national line, above the first region line").arg(clause)};
            // Together, one of the two lists would say nothing the other does not.
            if (given.contains(QLatin1String("in")) && given.contains(QLatin1String("not in")))
                throw LineError{HolidayFileWords::tr("give 'in' or 'not in', not both: list the regions it is kept in, or those it is not")};
            (keyword == QLatin1String("in") ? rule.onlyIn : rule.notIn) = parseRegionList(words, keyword);
        } else if (keyword == QLatin1String("every")) {
            if (words.size() != 2 || words[1].toLower() != QLatin1String("years"))
                throw LineError{HolidayFileWords::tr("write 'every N years', e.g. 'every 6 years', not '%1'").arg(clause)};
            bool ok = false;
            rule.everyYears = words[0].toInt(&ok);
            if (!ok || rule.everyYears < 1 || rule.everyYears > 100)
                throw LineError{HolidayFileWords::tr("'every %1 years' needs a number of years from 1 to 100").arg(words[0])};
        } else if (keyword == QLatin1String("if") || keyword == QLatin1String("unless")) {
            // "if Apr 27 is Sun"
            if (words.size() != 4 || words[2].toLower() != QLatin1String("is"))
                throw LineError{HolidayFileWords::tr("write '%1 MONTH DAY is WEEKDAY', e.g. '%1 Feb 1 is Fri'").arg(keyword)};
            if (rule.condition)
                throw LineError{HolidayFileWords::tr("a holiday takes one 'if' or 'unless'")};
            HolidayRule::Condition condition;
            condition.month = parseMonth(words[0]);
            condition.day = parseDay(words[1], condition.month, true);
            condition.weekday = parseWeekday(words[3]);
            condition.negated = keyword == QLatin1String("unless");
            rule.condition = condition;
        } else if (keyword == QLatin1String("observed")) {
            *usesSuffix = parseObserved(clause, suffix, rule);
        } else if (keyword == QLatin1String("moved")) {
            rule.easterMove = parseEasterMove(words, clause);
        } else if (keyword == QLatin1String("announced")) {
            rule.announced = parseAnnounced(rule, clause);
        } else {
            throw LineError{HolidayFileWords::tr("'%1' is no clause this file format knows (from YEAR, until YEAR, skip YEAR..., every N years, "
                                                 "in REGION..., not in REGION..., if/unless MONTH DAY is WEEKDAY, "
                                                 "observed WAY [or-on-holiday] [from YEAR] [as NAME], moved DAYS if Easter OFFSET [.. OFFSET])")
                                .arg(clause)};
        }
    }
    if (rule.everyYears > 1 && rule.firstYear == INT_MIN)
        throw LineError{HolidayFileWords::tr("'every N years' counts from a first year: add 'from YEAR'")};
    if (rule.firstYear > rule.lastYear)
        throw LineError{HolidayFileWords::tr("it is kept from %1 but only until %2").arg(rule.firstYear).arg(rule.lastYear)};
    if (rule.kind == HolidayDateKind::BetweenHolidays && (rule.observed != ObservedPolicy::None || rule.easterMove))
        throw LineError{HolidayFileWords::tr("a day between holidays is never moved")};
    // Its distance from Easter changes from year to year, but no law moves such a day for Easter.
    if (rule.kind == HolidayDateKind::Lunar && rule.easterMove)
        throw LineError{HolidayFileWords::tr("'moved' is for days of the Gregorian calendar; give a day of another "
                                             "calendar its announced date instead")};
    refuseWhatWouldBeIgnored(rule);
    return rule;
}

} // namespace

HolidayLoadResult parseHolidayFile(const QString &text, const QString &fileName, const QString &expectedCode)
{
    static const QRegularExpression countryLine(QStringLiteral("^country\\s+([A-Z]{2})\\s+(\\S.*)$"));
    static const QRegularExpression regionLine(QStringLiteral("^region\\s+([A-Z]{2})-([A-Z0-9]{1,3})\\s+(\\S.*)$"));
    static const QRegularExpression keywordLine(
        QStringLiteral("^(country|region|source|observed-suffix|language|names|announced-until|not-listed)(?:\\s+(.*))?$"));
    static const QRegularExpression announcedUntilLine(QStringLiteral("^(\\S+)\\s+(\\S.*)$"));
    static const QRegularExpression languageCode(QStringLiteral("^[a-z]{2}$"));

    if (text.size() > MaxHolidayTextChars)
        return {nullptr, HolidayFileWords::tr("%1: it is larger than 1 MiB, too large for a holiday file").arg(fileName)};

    std::vector<HolidayCountry::Region> regions;
    std::vector<HolidayRule> rules;
    std::vector<bool> nationalRules;  // by rule index: written above the first region line
    QString suffix;
    int suffixLine = 0;       // of the observed-suffix in force, while no holiday has used it
    int countryLineNumber = 0;
    int lineNumber = 0;
    // The names blocks end the file: each translates the English names written above it.
    HolidayNames names;
    HolidayAnnouncedUntil announcedUntil;
    bool languagesGiven = false;
    int firstNamesLine = 0;     // 0 before the first 'names' line
    QString namesLanguage;      // of the block being read; empty between blocks
    struct Translation
    {
        QString english;
        int line;
    };
    std::vector<Translation> translations;  // checked against the file's names at its end
    std::set<QString> usedSuffixes;
    const auto failAt = [&](int line, const QString &reason) {
        return HolidayLoadResult{nullptr, HolidayFileWords::tr("%1, line %2: %3").arg(fileName).arg(qMax(line, 1)).arg(reason)};
    };
    // A suffix no holiday below uses names nothing: the user meant it for some day off.
    const auto refuseUnusedSuffix = [&] {
        if (suffixLine != 0)
            throw LineError{HolidayFileWords::tr("no holiday below uses this observed-suffix: it names the days off of "
                                                 "'observed' clauses without 'as'"),
                            suffixLine};
    };
    const auto refuseLongName = [](const QString &name) {
        if (name.size() > MaxNameChars)
            throw LineError{HolidayFileWords::tr("the name is longer than %1 characters").arg(MaxNameChars)};
    };
    try {
        qsizetype start = 0;
        while (start < text.size()) {
            qsizetype end = text.indexOf(QLatin1Char('\n'), start);
            if (end < 0)
                end = text.size();
            QString line = text.mid(start, end - start);
            start = end + 1;
            ++lineNumber;
            if (lineNumber == 1 && line.startsWith(QChar(0xFEFF)))
                line.remove(0, 1);
            // A blank line ends a names block; a line holding only a comment does not.
            if (line.trimmed().isEmpty())
                namesLanguage.clear();
            if (const qsizetype hash = line.indexOf(QLatin1Char('#')); hash >= 0)
                line.truncate(hash);
            line = line.trimmed();
            if (line.isEmpty())
                continue;

            const QRegularExpressionMatch keyword = keywordLine.match(line);
            const QString directive = keyword.hasMatch() ? keyword.captured(1) : QString();
            if (regions.empty() && directive != QLatin1String("country"))
                throw LineError{HolidayFileWords::tr("the file must begin with 'country CODE Name', e.g. 'country DE Germany'")};
            if (firstNamesLine != 0 && directive != QLatin1String("names")) {
                if (namesLanguage.isEmpty() || !directive.isEmpty())
                    throw LineError{HolidayFileWords::tr("the 'names' blocks end the file: move this line above the first of "
                                                         "them, line %1")
                                        .arg(firstNamesLine)};
                const qsizetype equals = line.indexOf(QLatin1Char('='));
                const QString english = line.left(qMax(equals, qsizetype(0))).trimmed();
                const QString translated = line.mid(equals + 1).trimmed();
                if (equals < 0 || english.isEmpty() || translated.isEmpty())
                    throw LineError{HolidayFileWords::tr("write 'English name = name in %1', e.g. \"New Year's Day = Neujahr\"")
                                        .arg(namesLanguage)};
                refuseLongName(translated);
                std::map<QString, QString> &block = names.byLanguage[namesLanguage];
                if (!block.emplace(english, translated).second)
                    throw LineError{HolidayFileWords::tr("'%1' is translated into '%2' twice").arg(english, namesLanguage)};
                translations.push_back({english, lineNumber});
                continue;
            }
            if (directive == QLatin1String("language")) {
                const QStringList codes = keyword.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
                if (languagesGiven)
                    throw LineError{HolidayFileWords::tr("a file names its languages once; this is its second 'language' line")};
                if (regions.size() > 1 || !rules.empty())
                    throw LineError{HolidayFileWords::tr("the 'language' line belongs right below the country line")};
                if (codes.isEmpty() || codes.size() > MaxListItems)
                    throw LineError{HolidayFileWords::tr("write 'language CODE...' with the country's own languages, the main "
                                                         "one first, as ISO 639-1 codes, e.g. 'language de'")};
                for (const QString &code : codes) {
                    if (!languageCode.match(code).hasMatch())
                        throw LineError{HolidayFileWords::tr("'%1' is no ISO 639-1 language code: two small letters, e.g. de")
                                            .arg(code)};
                    if (names.languages.contains(code))
                        throw LineError{HolidayFileWords::tr("the language %1 is named twice").arg(code)};
                    names.languages.append(code);
                }
                languagesGiven = true;
            } else if (directive == QLatin1String("names")) {
                const QString code = keyword.captured(2).trimmed();
                if (!languageCode.match(code).hasMatch())
                    throw LineError{HolidayFileWords::tr("write 'names CODE' with an ISO 639-1 language code of two small "
                                                         "letters, e.g. 'names de', not '%1'")
                                        .arg(line)};
                if (firstNamesLine == 0)
                    firstNamesLine = lineNumber;
                namesLanguage = code;
            } else if (directive == QLatin1String("country")) {
                const QRegularExpressionMatch m = countryLine.match(line);
                if (!m.hasMatch())
                    throw LineError{HolidayFileWords::tr("write 'country CODE Name' with a two-letter code in capitals, e.g. 'country DE Germany'")};
                if (!regions.empty())
                    throw LineError{HolidayFileWords::tr("a file describes one country; this is its second 'country' line")};
                if (!expectedCode.isEmpty() && m.captured(1) != expectedCode)
                    throw LineError{HolidayFileWords::tr("the file is named %1.txt but defines the country %2: a country's file "
                                                         "is named by its code, %2.txt")
                                        .arg(expectedCode, m.captured(1))};
                refuseLongName(m.captured(2).trimmed());
                countryLineNumber = lineNumber;
                regions.push_back({m.captured(1), m.captured(2).trimmed(), {}, {}});
            } else if (directive == QLatin1String("region")) {
                const QRegularExpressionMatch m = regionLine.match(line);
                if (!m.hasMatch() || m.captured(1) != regions.front().code)
                    throw LineError{HolidayFileWords::tr("write 'region %1-CODE Name', e.g. 'region %1-AB Region name', with the "
                                                         "code of ISO 3166-2 in capitals")
                                        .arg(regions.front().code)};
                const QString code = m.captured(1) + QLatin1Char('-') + m.captured(2);
                for (const HolidayCountry::Region &region : regions)
                    if (region.code == code)
                        throw LineError{HolidayFileWords::tr("the region %1 is defined twice").arg(code)};
                if (regions.size() > MaxRegions)
                    throw LineError{HolidayFileWords::tr("a file may define at most %1 regions").arg(MaxRegions)};
                refuseLongName(m.captured(3).trimmed());
                regions.push_back({code, m.captured(3).trimmed(), {}, {}});
            } else if (directive == QLatin1String("announced-until")) {
                const QRegularExpressionMatch m = announcedUntilLine.match(keyword.captured(2).trimmed());
                if (!m.hasMatch())
                    throw LineError{HolidayFileWords::tr("write 'announced-until YEAR TEXT', e.g. 'announced-until 2026 the days "
                                                         "the government sets each year by decree'")};
                if (announcedUntil.lastYear != 0)
                    throw LineError{HolidayFileWords::tr("a file says once up to which year its decreed days are listed; this is "
                                                         "its second 'announced-until' line")};
                announcedUntil.lastYear = parseYear(m.captured(1));
                announcedUntil.what = m.captured(2).trimmed();
                refuseLongName(announcedUntil.what);
            } else if (directive == QLatin1String("not-listed")) {
                const QString what = keyword.captured(2).trimmed();
                if (what.isEmpty())
                    throw LineError{HolidayFileWords::tr("write 'not-listed TEXT', e.g. 'not-listed the bridge days the ministry "
                                                         "sets each year'")};
                if (!announcedUntil.notListed.isEmpty())
                    throw LineError{HolidayFileWords::tr("a file says once which days it leaves out; this is its second "
                                                         "'not-listed' line")};
                refuseLongName(what);
                announcedUntil.notListed = what;
            } else if (directive == QLatin1String("source")) {
                const QString source = keyword.captured(2).trimmed();
                if (source.isEmpty())
                    throw LineError{HolidayFileWords::tr("'source' needs the law or page the dates come from")};
                regions.back().sources.append(source);
            } else if (directive == QLatin1String("observed-suffix")) {
                refuseUnusedSuffix();
                suffix = keyword.captured(2).trimmed();
                suffixLine = suffix.isEmpty() ? 0 : lineNumber;
                if (suffix.size() > MaxNameChars)
                    throw LineError{HolidayFileWords::tr("the suffix is longer than %1 characters").arg(MaxNameChars)};
            } else {
                if (rules.size() >= MaxRules)
                    throw LineError{HolidayFileWords::tr("a file may hold at most %1 holidays").arg(MaxRules)};
                const bool national = regions.size() == 1;
                bool usesSuffix = false;
                HolidayRule rule = parseHolidayLine(line, suffix, national, &usesSuffix);
                rule.line = lineNumber;
                if (usesSuffix) {
                    suffixLine = 0;
                    usedSuffixes.insert(suffix);
                    names.composed[rule.observedName] = {rule.name, suffix};
                }
                const int index = int(rules.size());
                rules.push_back(std::move(rule));
                nationalRules.push_back(national);
                if (!national)
                    regions.back().ruleIndexes.push_back(index);
            }
        }
        if (regions.empty())
            throw LineError{HolidayFileWords::tr("the file ends before its 'country CODE Name' line, e.g. 'country DE Germany'")};
        refuseUnusedSuffix();
        // A translation of a name the file does not use would never be shown: a typo.
        std::set<QString> known(usedSuffixes);
        if (!announcedUntil.what.isEmpty())
            known.insert(announcedUntil.what);
        if (!announcedUntil.notListed.isEmpty())
            known.insert(announcedUntil.notListed);
        for (const HolidayCountry::Region &region : regions)
            known.insert(region.name);
        for (const HolidayRule &rule : rules) {
            known.insert(rule.name);
            if (!rule.observedName.isEmpty())
                known.insert(rule.observedName);
        }
        for (const Translation &translation : translations)
            if (known.count(translation.english) == 0)
                throw LineError{HolidayFileWords::tr("'%1' is no name of a holiday, a region or the country in this file: "
                                                     "the left side is the English name as written above")
                                    .arg(translation.english),
                                translation.line};
    } catch (const LineError &error) {
        return failAt(error.line != 0 ? error.line : lineNumber, error.reason);
    }
    if (regions.front().sources.isEmpty())
        return failAt(countryLineNumber, HolidayFileWords::tr("the country names no source: add a line 'source ...' below it "
                                                              "naming the law or page the dates come from"));

    // National lines go to the country and to each region they are kept in, in file order.
    const auto defined = [&](const QString &code) {
        return std::any_of(regions.begin() + 1, regions.end(), [&](const HolidayCountry::Region &r) { return r.code == code; });
    };
    for (size_t index = 0; index < rules.size(); ++index) {
        const HolidayRule &rule = rules[index];
        for (const QStringList *list : {&rule.onlyIn, &rule.notIn})
            for (const QString &code : *list)
                if (!defined(code))
                    return failAt(rule.line, HolidayFileWords::tr("the region %1 is not defined in this file").arg(code));
    }
    for (auto region = regions.begin(); region != regions.end(); ++region) {
        const bool isCountry = region == regions.begin();
        std::vector<int> indexes;
        for (size_t index = 0; index < rules.size(); ++index) {
            const HolidayRule &rule = rules[index];
            if (!nationalRules[index])
                continue;
            if (isCountry ? rule.onlyIn.isEmpty()
                          : ((rule.onlyIn.isEmpty() || rule.onlyIn.contains(region->code)) && !rule.notIn.contains(region->code)))
                indexes.push_back(int(index));
        }
        indexes.insert(indexes.end(), region->ruleIndexes.begin(), region->ruleIndexes.end());
        std::sort(indexes.begin(), indexes.end());
        region->ruleIndexes = std::move(indexes);
    }
    return {std::make_shared<const HolidayCountry>(std::move(regions), std::move(rules), std::move(names),
                                                  std::move(announcedUntil)),
            QString()};
}
