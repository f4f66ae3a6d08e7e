#include "calendar/markexport.h"

#include "calendar/dayrules.h"
#include "calendar/ical/icalwriter.h"
#include "calendar/ruledays.h"

#include <QCoreApplication>

#include <algorithm>

using namespace std::chrono;

namespace {

// Why the marked days cannot be exported, in the user's language.
struct MarkExportWords
{
    Q_DECLARE_TR_FUNCTIONS(MarkExport)
};

// Everything that makes a rule the rule it is, for its events' UIDs.
QString ruleIdentity(const MarkRule &rule)
{
    QStringList dates;
    for (const RuleDate &date : rule.dates)
        dates << date.isoText();
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
        .arg(int(rule.kind))
        .arg(rule.ordinal)
        .arg(rule.weekday)
        .arg(rule.weeks)
        .arg(rule.from.isoText(), rule.to.isoText(), dates.join(QLatin1Char(',')), rule.source, rule.label);
}

std::optional<IcsRecurrence> recurrenceOf(const MarkRule &rule, const CalendarSpan &span)
{
    const weekday day{unsigned(rule.weekday - 1)};
    const year_month_day until{span.lastDay()};
    switch (rule.kind) {
    case RuleKind::NthWeekday: return nthWeekdayOfEveryMonth(span.shown(0), day[unsigned(rule.ordinal)], until);
    case RuleKind::LastWeekday: return lastWeekdayOfEveryMonth(span.shown(0), day, until);
    case RuleKind::EveryNWeeks:
        return everyNWeeksUntil(dayOnPage(rule.from, span), rule.weeks, until);
    case RuleKind::ContinuingWeeks: return std::nullopt;  // from its first day this year, below
    case RuleKind::Dates:
    case RuleKind::Range:
    case RuleKind::Holidays:
    case RuleKind::ICalendar: return std::nullopt;
    }
    return std::nullopt;
}

// The date of a DAY rule that marks `day` every year: its first day when it is a birthday with
// its year, else `day` itself; nothing for a date of one year.
std::optional<year_month_day> yearlyFrom(const MarkRule &rule, year_month_day day)
{
    for (const RuleDate &date : rule.dates) {
        if (!date.repeats() || date.monthDay != day.month() / day.day())
            continue;
        return date.yearly ? year_month_day{*date.year / date.monthDay} : day;
    }
    return std::nullopt;
}

// The events of one rule that marks days in `calendar`.
void addEventsOf(std::vector<IcsExportEvent> &events, const MarkRule &rule, const QString &label, const CalendarSpan &span,
                 const MarkSources &sources)
{
    const QString identity = ruleIdentity(rule);
    if (const std::optional<IcsRecurrence> recurrence = recurrenceOf(rule, span)) {
        events.push_back({uidFor(identity, recurrence->start), label, label, recurrence->start, recurrence->rrule});
        return;
    }
    const std::vector<MarkedDay> days = daysOfRule(rule, span, sources).days;
    if (days.empty())
        return;
    if (rule.kind == RuleKind::ContinuingWeeks) {
        // The series as far as the page goes, from the first of its days the page holds.
        if (const std::optional<IcsRecurrence> weekly = everyNWeeksUntil(days.front().date, rule.weeks, year_month_day{span.lastDay()})) {
            events.push_back({uidFor(identity, weekly->start), label, label, weekly->start, weekly->rrule});
            return;
        }
    }
    if (rule.kind == RuleKind::Range) {
        // One event from the first to the last day the page shows: a fortnight away is one
        // entry in a phone, not fourteen.
        const year_month_day first = days.front().date;
        const int dayCount = int((sys_days{days.back().date} - sys_days{first}).count()) + 1;
        events.push_back({uidFor(identity, first), label, label, first, QString(), dayCount});
        return;
    }
    for (const MarkedDay &day : days) {
        // A date without a year, or with the year it counts from, is a birthday or an
        // anniversary: one event every year. Its UID leaves the year out, so the exports of two
        // years update one event.
        const std::optional<year_month_day> from = rule.kind == RuleKind::Dates ? yearlyFrom(rule, day.date) : std::nullopt;
        if (from) {
            if (const std::optional<IcsRecurrence> yearly = everyYearFrom(*from)) {
                events.push_back({uidFor(identity, day.date.month() / day.date.day()), label, label, yearly->start, yearly->rrule});
                continue;
            }
        }
        const QString summary = day.detail.isEmpty() ? label : label + QStringLiteral(" - ") + day.detail;
        events.push_back({uidFor(identity, day.date), summary, label, day.date, QString()});
    }
}

} // namespace

MarkedDaysIcs markedDaysAsIcs(const CalendarState &state, const MarkSources &sources, const QDateTime &stamp)
{
    const auto refused = [](const QString &why) {
        return MarkedDaysIcs{{}, MarkExportWords::tr("The marked days cannot be exported: %1 . . .").arg(why)};
    };
    QString yearProblem;
    const std::optional<CalendarSpan> span = calendarSpan(state, &yearProblem);
    if (!span)
        return refused(yearProblem);
    if (int(span->lastYear()) > MaxIcsExportYear)
        return refused(MarkExportWords::tr("an iCalendar file holds the years 1 to %1, not %2")
                           .arg(MaxIcsExportYear)
                           .arg(int(span->lastYear())));

    std::vector<IcsExportEvent> events;
    for (size_t i = 0; i < state.rules.size() && i < state.ruleResults.size(); ++i) {
        const RuleResult &result = state.ruleResults[i];
        if (result.status == RuleResult::Status::Marked)
            addEventsOf(events, state.rules[i], state.MarkLegend[size_t(result.category)][1].trimmed(), *span, sources);
    }
    const QString name = state.txtHeader.trimmed().isEmpty() ? QStringLiteral("Lunaria calendar") : state.txtHeader.trimmed();
    return {writeIcs(events, name, stamp), {}};
}
