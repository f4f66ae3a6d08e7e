// The country file parser: turns the lines of a holiday file into HolidayRules.

#include "layout/holidayrule.h"
#include "layout/holidays.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

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

// A failure of one line; the parser adds the file and line.
struct LineError
{
    QString reason;
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
    throw LineError{HolidayFileWords::tr("'%1' is no way to move a day off (nearest, next-working-day, monday, "
                                         "sunday-to-monday, sunday-to-next-free-day)")
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
void parseObserved(const QString &clause, const QString &suffix, HolidayRule &rule)
{
    static const QRegularExpression observed(
        QStringLiteral("^observed\\s+(\\S+)(?:\\s+from\\s+(\\S+))?(?:\\s+as\\s+(.*))?$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = observed.match(clause);
    if (!m.hasMatch())
        throw LineError{HolidayFileWords::tr("write 'observed WAY [from YEAR] [as NAME]', not '%1'").arg(clause)};
    rule.observed = parsePolicy(m.captured(1));
    if (!m.captured(2).isEmpty())
        rule.observedFrom = parseYear(m.captured(2));
    const QString name = m.captured(3).trimmed();
    if (m.hasCaptured(3) && name.isEmpty())
        throw LineError{HolidayFileWords::tr("'as' needs the name of the day off")};
    if (!name.isEmpty())
        rule.observedName = name;
    else
        rule.observedName = suffix.isEmpty() ? rule.name : rule.name + QLatin1Char(' ') + suffix;
    if (rule.observedName.size() > MaxNameChars)
        throw LineError{HolidayFileWords::tr("the name of the day off is longer than %1 characters").arg(MaxNameChars)};
}

// "Dec 25 = Christmas Day; observed next-working-day; from 1971; in GB-ENG GB-WLS"
HolidayRule parseHolidayLine(const QString &line, const QString &suffix, bool national)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        throw LineError{HolidayFileWords::tr("'%1' is neither a directive (country, region, source, observed-suffix) "
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

    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString clause = parts[i].simplified();
        QStringList words = clause.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        const QString keyword = words.takeFirst().toLower();
        if (keyword == QLatin1String("from") && words.size() == 1) {
            rule.firstYear = parseYear(words[0]);
        } else if (keyword == QLatin1String("until") && words.size() == 1) {
            rule.lastYear = parseYear(words[0]);
        } else if (keyword == QLatin1String("skip") && !words.isEmpty()) {
            if (words.size() > MaxListItems)
                throw LineError{HolidayFileWords::tr("'skip' lists more than %1 years").arg(MaxListItems)};
            for (const QString &word : words)
                rule.skippedYears.push_back(parseYear(word));
            std::sort(rule.skippedYears.begin(), rule.skippedYears.end());
        } else if (keyword == QLatin1String("in") || (keyword == QLatin1String("not") && !words.isEmpty() && words[0].toLower() == QLatin1String("in"))) {
            if (!national)
                throw LineError{HolidayFileWords::tr("'%1' belongs on a national line, above the first region line").arg(clause)};
            if (keyword == QLatin1String("in")) {
                rule.onlyIn = parseRegionList(words, QStringLiteral("in"));
            } else {
                words.removeFirst();
                rule.notIn = parseRegionList(words, QStringLiteral("not in"));
            }
        } else if (keyword == QLatin1String("every") && words.size() == 2 && words[1].toLower() == QLatin1String("years")) {
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
            parseObserved(clause, suffix, rule);
        } else {
            throw LineError{HolidayFileWords::tr("'%1' is no clause this file format knows (from YEAR, until YEAR, skip YEAR..., every N years, "
                                                 "in REGION..., not in REGION..., if/unless MONTH DAY is WEEKDAY, "
                                                 "observed WAY [from YEAR] [as NAME])")
                                .arg(clause)};
        }
    }
    if (rule.everyYears > 1 && rule.firstYear == INT_MIN)
        throw LineError{HolidayFileWords::tr("'every N years' counts from a first year: add 'from YEAR'")};
    if (rule.firstYear > rule.lastYear)
        throw LineError{HolidayFileWords::tr("it is kept from %1 but only until %2").arg(rule.firstYear).arg(rule.lastYear)};
    if (rule.kind == HolidayDateKind::BetweenHolidays && rule.observed != ObservedPolicy::None)
        throw LineError{HolidayFileWords::tr("a day between holidays is never moved")};
    return rule;
}

} // namespace

HolidayLoadResult parseHolidayFile(const QString &text, const QString &fileName)
{
    static const QRegularExpression countryLine(QStringLiteral("^country\\s+([A-Z]{2})\\s+(\\S.*)$"));
    static const QRegularExpression regionLine(QStringLiteral("^region\\s+([A-Z]{2})-([A-Z0-9]{1,3})\\s+(\\S.*)$"));
    static const QRegularExpression keywordLine(QStringLiteral("^(country|region|source|observed-suffix)(?:\\s+(.*))?$"));

    if (text.size() > MaxHolidayTextChars)
        return {nullptr, HolidayFileWords::tr("%1: it is larger than 1 MiB, too large for a holiday file").arg(fileName)};

    std::vector<HolidayCountry::Region> regions;
    std::vector<HolidayRule> rules;
    std::vector<bool> nationalRules;  // by rule index: written above the first region line
    QString suffix;
    int lineNumber = 0;
    const auto failAt = [&](int line, const QString &reason) {
        return HolidayLoadResult{nullptr, HolidayFileWords::tr("%1, line %2: %3").arg(fileName).arg(line).arg(reason)};
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
            if (const qsizetype hash = line.indexOf(QLatin1Char('#')); hash >= 0)
                line.truncate(hash);
            line = line.trimmed();
            if (line.isEmpty())
                continue;

            const QRegularExpressionMatch keyword = keywordLine.match(line);
            const QString directive = keyword.hasMatch() ? keyword.captured(1) : QString();
            if (regions.empty() && directive != QLatin1String("country"))
                throw LineError{HolidayFileWords::tr("the file must begin with 'country CODE Name', e.g. 'country DE Germany'")};
            if (directive == QLatin1String("country")) {
                const QRegularExpressionMatch m = countryLine.match(line);
                if (!m.hasMatch())
                    throw LineError{HolidayFileWords::tr("write 'country CODE Name' with a two-letter code in capitals, e.g. 'country DE Germany'")};
                if (!regions.empty())
                    throw LineError{HolidayFileWords::tr("a file describes one country; this is its second 'country' line")};
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
                regions.push_back({code, m.captured(3).trimmed(), {}, {}});
            } else if (directive == QLatin1String("source")) {
                const QString source = keyword.captured(2).trimmed();
                if (source.isEmpty())
                    throw LineError{HolidayFileWords::tr("'source' needs the law or page the dates come from")};
                regions.back().sources.append(source);
            } else if (directive == QLatin1String("observed-suffix")) {
                suffix = keyword.captured(2).trimmed();
                if (suffix.size() > MaxNameChars)
                    throw LineError{HolidayFileWords::tr("the suffix is longer than %1 characters").arg(MaxNameChars)};
            } else {
                if (rules.size() >= MaxRules)
                    throw LineError{HolidayFileWords::tr("a file may hold at most %1 holidays").arg(MaxRules)};
                const bool national = regions.size() == 1;
                HolidayRule rule = parseHolidayLine(line, suffix, national);
                rule.line = lineNumber;
                const int index = int(rules.size());
                rules.push_back(std::move(rule));
                nationalRules.push_back(national);
                if (!national)
                    regions.back().ruleIndexes.push_back(index);
            }
        }
    } catch (const LineError &error) {
        return failAt(lineNumber, error.reason);
    }
    if (regions.empty())
        return {nullptr, HolidayFileWords::tr("%1: it holds no 'country' line").arg(fileName)};
    if (regions.front().sources.isEmpty())
        return {nullptr, HolidayFileWords::tr("%1: it names no source: add a line 'source ...' naming the law or page the dates come from").arg(fileName)};

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
    return {std::make_shared<const HolidayCountry>(std::move(regions), std::move(rules)), QString()};
}
