#include "layout/markrules.h"

#include "layout/dayrules.h"
#include "layout/holidays.h"
#include "platform/usererror.h"

#include <QHash>
#include <QLocale>

using namespace std::chrono;

namespace {

// A rule of single days: every day it marks in `year`, each with its detail (mostly none).
struct MarkedDay
{
    year_month_day date;
    QString detail;
};

std::vector<MarkedDay> daysOf(const MarkRule &rule, year calendar)
{
    std::vector<MarkedDay> marked;
    switch (rule.kind) {
    case RuleKind::Dates:
        for (const RuleDate &date : rule.dates) {
            const year_month_day day = date.in(calendar);
            if (day.ok() && day.year() == calendar)
                marked.push_back({day, {}});
        }
        break;
    case RuleKind::Range: {
        const year_month_day from = rule.from.in(calendar);
        const year_month_day to = rule.to.in(calendar);
        if (!from.ok() || !to.ok())
            break;
        // Clipped to the calendar year, so a range over years costs one year at most.
        const sys_days first = std::max(sys_days{from}, sys_days{calendar / January / 1});
        const sys_days last = std::min(sys_days{to}, sys_days{calendar / December / 31});
        for (sys_days d = first; d <= last; d += days{1})
            marked.push_back({year_month_day{d}, {}});
        break;
    }
    default:
        break;
    }
    return marked;
}

// The public holidays of the rule's region in `calendar`, one entry a day: two holidays on
// one day are named together. Nothing, and `problem` set, when they cannot be worked out.
std::vector<MarkedDay> holidaysOf(const MarkRule &rule, year calendar, QString &problem)
{
    std::vector<MarkedDay> marked;
    const auto found = sharedHolidayCatalog().holidays(rule.source, int(calendar));
    if (const QString *error = std::get_if<QString>(&found)) {
        problem = *error;
        return marked;
    }
    for (const HolidayDay &holiday : std::get<std::vector<HolidayDay>>(found)) {
        if (holiday.date.year() != calendar)
            continue;
        if (!marked.empty() && marked.back().date == holiday.date)
            marked.back().detail += QStringLiteral(", ") + holiday.name;
        else
            marked.push_back({holiday.date, holiday.name});
    }
    return marked;
}

// The legend text of a rule: its label, or for holidays without one "Public holidays (Bavaria)".
QString legendLabel(const MarkRule &rule)
{
    if (rule.kind == RuleKind::Holidays && rule.label.isEmpty())
        return defaultHolidayLabel(sharedHolidayCatalog().regionName(rule.source).value_or(rule.source));
    return rule.label;
}

void resetMarks(CalendarState &state)
{
    for (auto &month : state.DayMarks)
        month.fill(NoMark);
    for (auto &month : state.dayDetails)
        month.fill(QString());
    for (int i = 0; i < MarkCategories; ++i)
        state.MarkLegend[i] = {QString::number(i), QString()};
    state.MarkCount = 0;
}

} // namespace

void refreshMarks(CalendarState &state)
{
    resetMarks(state);
    state.ruleResults.assign(state.rules.size(), RuleResult{});

    QString yearProblem;
    const std::optional<qint16> yearNumber = yearFromText(state.txtYear, &yearProblem);
    if (!yearNumber) {
        yearProblem[0] = yearProblem[0].toUpper();
        for (RuleResult &result : state.ruleResults)
            result = {RuleResult::Status::Failed, -1, yearProblem};
        return;
    }
    const year calendar{*yearNumber};

    // DAY and RNG rules of one label share a category.
    QHash<QString, int> sharedCategories;
    for (size_t i = 0; i < state.rules.size(); ++i) {
        const MarkRule &rule = state.rules[i];
        RuleResult &result = state.ruleResults[i];
        const qint16 before = state.MarkCount;
        switch (rule.kind) {
        case RuleKind::NthWeekday:
            MarkNthWeekday(state, qint16(rule.weekday), qint16(rule.ordinal), rule.label);
            break;
        case RuleKind::LastWeekday:
            MarkLastWeekday(state, qint16(rule.weekday), rule.label);
            break;
        case RuleKind::EveryNWeeks: {
            const year_month_day start = rule.from.in(calendar);
            // A start in another year, or no interval, marks nothing and uses no category.
            if (rule.weeks < 1 || !start.ok() || start.year() != calendar)
                continue;
            MarkEveryNWeeks(state, start, rule.weeks, rule.label);
            break;
        }
        case RuleKind::Dates:
        case RuleKind::Range:
        case RuleKind::Holidays: {
            QString problem;
            const std::vector<MarkedDay> marked =
                rule.kind == RuleKind::Holidays ? holidaysOf(rule, calendar, problem) : daysOf(rule, calendar);
            if (!problem.isEmpty()) {
                result = {RuleResult::Status::Failed, -1, problem};
                continue;
            }
            if (marked.empty())
                continue;
            // Holidays take a category of their own; dates and ranges share one per label.
            const bool shares = rule.kind != RuleKind::Holidays;
            const QString key = rule.label.trimmed();
            int category = shares ? sharedCategories.value(key, -1) : -1;
            if (category < 0) {
                if (state.MarkCount >= MarkCategories)
                    break;
                category = state.MarkCount++;
                state.MarkLegend[category][1] = legendLabel(rule);
                if (shares)
                    sharedCategories.insert(key, category);
            }
            for (const MarkedDay &day : marked) {
                const int month = int(unsigned(day.date.month()));
                const int dayOfMonth = int(unsigned(day.date.day()));
                state.setDayMark(month, dayOfMonth, qint16(category));
                state.dayDetails[month - 1][dayOfMonth - 1] = day.detail;
            }
            result = {RuleResult::Status::Marked, category, {}};
            continue;
        }
        case RuleKind::ICalendar:
            result = {RuleResult::Status::Failed, -1, QStringLiteral("not available in this version")};
            continue;
        }
        if (state.MarkCount > before)
            result = {RuleResult::Status::Marked, before, {}};
        else
            result = {RuleResult::Status::NoColourLeft, -1, {}};
    }
}

QString weekdayName(int weekday)
{
    // Sunday first, as the rules count.
    return QLocale::c().dayName(weekday == 1 ? 7 : weekday - 1);
}

namespace {

QString ordinalText(int n)
{
    static const char *const suffixes[] = {"th", "st", "nd", "rd"};
    const int lastTwo = n % 100;
    const int last = n % 10;
    const char *suffix = (lastTwo >= 11 && lastTwo <= 13) || last > 3 ? "th" : suffixes[last];
    return QString::number(n) + QLatin1String(suffix);
}

QString dateText(const RuleDate &date)
{
    const QString dayMonth = QStringLiteral("%1 %2")
                                 .arg(unsigned(date.monthDay.day()))
                                 .arg(QLocale::c().monthName(int(unsigned(date.monthDay.month())), QLocale::ShortFormat));
    return date.year ? QStringLiteral("%1 %2").arg(dayMonth).arg(int(*date.year)) : dayMonth;
}

} // namespace

QString describeRule(const MarkRule &rule)
{
    switch (rule.kind) {
    case RuleKind::NthWeekday:
        return QStringLiteral("%1 %2 of every month").arg(ordinalText(rule.ordinal), weekdayName(rule.weekday));
    case RuleKind::LastWeekday:
        return QStringLiteral("Last %1 of every month").arg(weekdayName(rule.weekday));
    case RuleKind::EveryNWeeks:
        if (rule.weeks == 1)
            return QStringLiteral("Every week from %1").arg(dateText(rule.from));
        return QStringLiteral("Every %1 weeks from %2").arg(rule.weeks).arg(dateText(rule.from));
    case RuleKind::Dates:
        if (rule.dates.size() == 1)
            return dateText(rule.dates.front()) + (rule.dates.front().isYearless() ? QStringLiteral(" every year") : QString());
        return QStringLiteral("%1 dates").arg(rule.dates.size());
    case RuleKind::Range:
        return QStringLiteral("%1 - %2").arg(dateText(rule.from), dateText(rule.to));
    case RuleKind::Holidays:
        return QStringLiteral("Public holidays of %1")
            .arg(sharedHolidayCatalog().regionName(rule.source).value_or(rule.source));
    case RuleKind::ICalendar:
        return QStringLiteral("Events of %1").arg(rule.source.section(QLatin1Char('/'), -1));
    }
    return {};
}
