#include "layout/markexport.h"

#include "layout/dayrules.h"
#include "layout/icalendar.h"
#include "layout/markrules.h"

using namespace std::chrono;

namespace {

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

std::optional<IcsRecurrence> recurrenceOf(const MarkRule &rule, year calendar)
{
    const weekday day{unsigned(rule.weekday - 1)};
    switch (rule.kind) {
    case RuleKind::NthWeekday: return nthWeekdayOfEveryMonth(calendar, day[unsigned(rule.ordinal)]);
    case RuleKind::LastWeekday: return lastWeekdayOfEveryMonth(calendar, day);
    case RuleKind::EveryNWeeks: return everyNWeeksInYear(rule.from.in(calendar), rule.weeks);
    default: return std::nullopt;
    }
}

} // namespace

QByteArray markedDaysAsIcs(const CalendarState &state, const QDateTime &stamp)
{
    std::vector<IcsExportEvent> events;
    const std::optional<qint16> yearNumber = yearFromText(state.txtYear);
    if (yearNumber) {
        const year calendar{*yearNumber};
        for (size_t i = 0; i < state.rules.size() && i < state.ruleResults.size(); ++i) {
            const RuleResult &result = state.ruleResults[i];
            if (result.status != RuleResult::Status::Marked)
                continue;
            const MarkRule &rule = state.rules[i];
            const QString label = state.MarkLegend[size_t(result.category)][1].trimmed();
            const QString identity = ruleIdentity(rule);
            if (const std::optional<IcsRecurrence> recurrence = recurrenceOf(rule, calendar)) {
                events.push_back({uidFor(identity, recurrence->start), label, label, recurrence->start, recurrence->rrule});
                continue;
            }
            QString problem;
            for (const MarkedDay &day : markedDaysOf(rule, calendar, problem)) {
                const QString summary = day.detail.isEmpty() ? label : label + QStringLiteral(" - ") + day.detail;
                events.push_back({uidFor(identity, day.date), summary, label, day.date, QString()});
            }
        }
    }
    const QString name = state.txtHeader.trimmed().isEmpty() ? QStringLiteral("Lunaria calendar") : state.txtHeader.trimmed();
    return writeIcs(events, name, stamp);
}
