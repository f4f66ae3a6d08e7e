#include "calendar/dayrules.h"

#include "calendar/datelistsink.h"
#include "calendar/holidays/holidays.h"
#include "calendar/ical/icsreader.h"
#include "calendar/marksources.h"
#include "calendar/ruledays.h"
#include "platform/localedates.h"
#include "platform/usererror.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

using namespace std::chrono;

namespace {

// Why a year cannot be used, in the user's language.
struct DayRuleWords
{
    Q_DECLARE_TR_FUNCTIONS(DayRules)
};

} // namespace

MonthFrame monthFrame(int year, int month)
{
    // chrono gives a month 13 a length and a weekday; nothing in the tables stands behind it.
    if (month < 1 || month > 12)
        throw UserError(DayRuleWords::tr("Month %1 is outside 1 to 12").arg(month));
    const year_month_day first{std::chrono::year{year}, std::chrono::month{unsigned(month)}, std::chrono::day{1}};
    const year_month_day_last last{first.year(), month_day_last{first.month()}};
    return {int(unsigned(last.day())), int(weekday{sys_days{first}}.c_encoding())};
}

std::optional<qint16> yearFromText(const QString &text, QString *problem)
{
    const QString trimmed = text.trimmed();
    const auto isDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    const qsizetype digits = std::find_if_not(trimmed.begin(), trimmed.end(), isDigit) - trimmed.begin();
    // The number may be followed by words for the title ("2027 - the reunion year"), but by
    // nothing that makes it another number: "2O30", "1e3", "2027.5" and "20 27" are slips of
    // the keyboard, and reading their first digits would print the year 2 or 20.
    const QStringView rest = QStringView(trimmed).mid(digits);
    const QStringView words = rest.trimmed();
    const bool whole = digits > 0 && (rest.isEmpty() || (rest.front().isSpace() && !isDigit(words.front())));
    bool inRange = false;
    const int number = whole && digits <= 5 ? trimmed.left(digits).toInt(&inRange) : 0;
    QString reason;
    if (trimmed.isEmpty())
        reason = DayRuleWords::tr("no year is given");
    else if (!whole)
        reason = DayRuleWords::tr("the year \"%1\" is not a whole number").arg(trimmed);
    else if (!inRange || number < 1 || number > 32767)
        reason = DayRuleWords::tr("the year %1 is outside 1 to 32767").arg(trimmed.left(digits));
    else
        return qint16(number);
    if (problem)
        *problem = reason;
    return std::nullopt;
}

qint16 calendarYear(const CalendarState &state)
{
    QString problem;
    if (const std::optional<qint16> year = yearFromText(state.txtYear, &problem))
        return *year;
    problem[0] = problem[0].toUpper();
    throw UserError(problem);
}

std::optional<CalendarSpan> calendarSpan(const CalendarState &state, QString *problem)
{
    const std::optional<qint16> year = yearFromText(state.txtYear, problem);
    if (!year)
        return std::nullopt;
    const int first = state.page.firstMonth >= 1 && state.page.firstMonth <= 12 ? state.page.firstMonth : 1;
    // A page across New Year needs the next year as well, and years end at 32767.
    if (first != 1 && *year == std::numeric_limits<qint16>::max()) {
        if (problem)
            *problem = DayRuleWords::tr("the year %1 is the last there is; a page from month %2 runs into the next")
                           .arg(*year)
                           .arg(first);
        return std::nullopt;
    }
    return CalendarSpan::of(std::chrono::year{*year}, first);
}

QString spanTitle(const CalendarSpan &span)
{
    if (!span.crossesNewYear())
        return QString::number(int(span.firstYear));
    return QStringLiteral("%1/%2").arg(int(span.firstYear)).arg(int(span.lastYear()));
}

namespace {

// The old marking operations keep their ways: each takes the next category whether or not it
// marks a day, and does nothing once five are given out.
void markWithNextCategory(CalendarState &state, const MarkRule &rule, const QString &label, bool setDigit)
{
    if (state.MarkCount >= MarkCategories)
        return;
    // Weekday rules read nothing from outside the calendar.
    const HolidayCatalog noHolidays(QStringList{});
    IcsReader noFiles;
    const RuleDays found = daysOfRule(rule, year{calendarYear(state)}, MarkSources{noHolidays, noFiles});
    for (const MarkedDay &day : found.days)
        state.setDayMark(int(unsigned(day.date.month())), int(unsigned(day.date.day())), state.MarkCount);
    if (setDigit)
        state.MarkLegend[state.MarkCount][0] = QString::number(state.MarkCount);
    state.MarkLegend[state.MarkCount][1] = label;
    ++state.MarkCount;
}

} // namespace

void MarkNthWeekday(CalendarState &state, qint16 weekday, qint16 ordinal, const QString &label)
{
    MarkRule rule;
    rule.kind = RuleKind::NthWeekday;
    rule.weekday = weekday;
    rule.ordinal = ordinal;
    markWithNextCategory(state, rule, label, false);
}

void MarkEveryNWeeks(CalendarState &state, year_month_day start, qint16 weeks, const QString &label)
{
    const int year = calendarYear(state);
    if (weeks < 1 || !start.ok() || int(start.year()) != year)
        return;
    MarkRule rule;
    rule.kind = RuleKind::EveryNWeeks;
    rule.from = RuleDate::full(start);
    rule.weeks = weeks;
    markWithNextCategory(state, rule, label, true);
}

void MarkLastWeekday(CalendarState &state, qint16 weekday, const QString &label)
{
    MarkRule rule;
    rule.kind = RuleKind::LastWeekday;
    rule.weekday = weekday;
    markWithNextCategory(state, rule, label, false);
}

void ListMarkedDate(const CalendarState &state, DateListSink &sink, qint16 day, qint16 month, qint16 category)
{
    if (category < 0 || category >= MarkCategories)
        throw UserError(DayRuleWords::tr("Mark category %1 is outside 0 to 4").arg(category));
    QString line = QStringLiteral("%1 %2").arg(monthName(month, state.page.language)).arg(day, 2, 10, QLatin1Char('0'));
    if (const std::optional<CalendarSpan> span = calendarSpan(state); span && span->crossesNewYear())
        line += QStringLiteral(" %1").arg(int(span->yearOf(std::chrono::month{unsigned(month)})));
    line += QStringLiteral("  ") + state.MarkLegend[category][1].trimmed();
    const QString &detail = state.dayDetail(month, day);
    if (detail.startsWith(QLatin1Char(' ')))
        line += detail;
    else if (!detail.isEmpty())
        line += QStringLiteral(" - ") + detail;
    sink.writeLine(line);
}
