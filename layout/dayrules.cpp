#include "layout/dayrules.h"

#include "layout/datelistsink.h"
#include "platform/localedates.h"
#include "platform/numbers.h"
#include "platform/usererror.h"

#include <QCoreApplication>

#include <cmath>

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
    const std::optional<double> number = leadingNumber(trimmed);
    const double rounded = number ? std::nearbyint(*number) : 0;
    QString reason;
    if (trimmed.isEmpty())
        reason = DayRuleWords::tr("no year is given");
    else if (!number)
        reason = DayRuleWords::tr("the year \"%1\" is not a number").arg(trimmed);
    else if (!(rounded >= 1 && rounded <= 32767))
        reason = DayRuleWords::tr("the year %1 is outside 1 to 32767").arg(trimmed);
    else
        return qint16(rounded);
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

void MarkNthWeekday(CalendarState &state, qint16 weekday, qint16 ordinal, const QString &label)
{
    if (state.MarkCount >= MarkCategories)
        return;
    const int year = calendarYear(state);
    for (int month = 1; month <= 12; ++month) {
        const MonthFrame frame = monthFrame(year, month);
        const int offset = ((weekday - 1 - frame.weekdayOfFirst) % 7 + 7) % 7;
        const int day = (ordinal - 1) * 7 + offset + 1;
        if (day >= 1 && day <= frame.daysInMonth)
            state.setDayMark(month, day, state.MarkCount);
    }
    state.MarkLegend[state.MarkCount][1] = label;
    ++state.MarkCount;
}

void MarkEveryNWeeks(CalendarState &state, year_month_day start, qint16 weeks, const QString &label)
{
    const int year = calendarYear(state);
    if (weeks < 1 || !start.ok() || int(start.year()) != year)
        return;
    if (state.MarkCount >= MarkCategories)
        return;
    state.MarkLegend[state.MarkCount] = {QString::number(state.MarkCount), label};
    for (sys_days d{start}; year_month_day{d}.year() == start.year(); d += days{7 * weeks}) {
        const year_month_day ymd{d};
        state.setDayMark(int(unsigned(ymd.month())), int(unsigned(ymd.day())), state.MarkCount);
    }
    ++state.MarkCount;
}

void MarkLastWeekday(CalendarState &state, qint16 weekday, const QString &label)
{
    if (state.MarkCount >= MarkCategories)
        return;
    const int year = calendarYear(state);
    for (int month = 1; month <= 12; ++month) {
        const MonthFrame frame = monthFrame(year, month);
        const int weekdayOfLast = (frame.weekdayOfFirst + frame.daysInMonth - 1) % 7;
        const int day = frame.daysInMonth - ((weekdayOfLast - (weekday - 1)) % 7 + 7) % 7;
        state.setDayMark(month, day, state.MarkCount);
    }
    state.MarkLegend[state.MarkCount][1] = label;
    ++state.MarkCount;
}

void ListMarkedDate(const CalendarState &state, DateListSink &sink, qint16 day, qint16 month, qint16 category)
{
    if (category < 0 || category >= MarkCategories)
        throw UserError(DayRuleWords::tr("Mark category %1 is outside 0 to 4").arg(category));
    QString line = QStringLiteral("%1 %2  %3")
                       .arg(monthName(month, state.page.language))
                       .arg(day, 2, 10, QLatin1Char('0'))
                       .arg(state.MarkLegend[category][1].trimmed());
    const QString &detail = state.dayDetail(month, day);
    if (!detail.isEmpty())
        line += QStringLiteral(" - ") + detail;
    sink.writeLine(line);
}
