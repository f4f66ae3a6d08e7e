#include "calendar/markrules.h"

#include "calendar/dayrules.h"
#include "calendar/marksources.h"

#include <QCoreApplication>
#include <QHash>

using namespace std::chrono;

namespace {

// What the marks of a calendar have to say, in the user's language.
struct MarkRuleWords
{
    Q_DECLARE_TR_FUNCTIONS(MarkRules)
};

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

void refreshMarks(CalendarState &state, const MarkSources &sources)
{
    resetMarks(state);
    state.ruleResults.assign(state.rules.size(), RuleResult{});

    QString yearProblem;
    const std::optional<CalendarSpan> span = calendarSpan(state, &yearProblem);
    if (!span) {
        yearProblem[0] = yearProblem[0].toUpper();
        for (RuleResult &result : state.ruleResults)
            result = {RuleResult::Status::Failed, -1, yearProblem, {}, {}};
        return;
    }

    // DAY and RNG rules of one label share a category.
    QHash<QString, int> sharedCategories;
    for (size_t i = 0; i < state.rules.size(); ++i) {
        const MarkRule &rule = state.rules[i];
        RuleResult &result = state.ruleResults[i];
        RuleDays found = daysOfRule(rule, *span, sources, state.page.language);
        result.warnings = std::move(found.warnings);
        result.note = std::move(found.note);
        if (!found.problem.isEmpty()) {
            result.status = RuleResult::Status::Failed;
            result.problem = std::move(found.problem);
            continue;
        }
        if (found.days.empty()) {
            result.status = RuleResult::Status::NoDayThisYear;
            result.problem = std::move(found.whyNoDay);
            continue;
        }
        const bool shares = rule.kind == RuleKind::Dates || rule.kind == RuleKind::Range;
        const QString key = rule.label.trimmed();
        int category = shares ? sharedCategories.value(key, -1) : -1;
        if (category < 0) {
            if (state.MarkCount >= MarkCategories) {
                result.status = RuleResult::Status::NoColourLeft;
                continue;
            }
            category = state.MarkCount++;
            state.MarkLegend[category][1] = found.legend;
            if (shares)
                sharedCategories.insert(key, category);
        }
        // The day's detail goes with its mark: a later rule that wins the day also names it,
        // with nothing when it has no name for it.
        for (MarkedDay &day : found.days) {
            const int month = int(unsigned(day.date.month()));
            const int dayOfMonth = int(unsigned(day.date.day()));
            state.setDayMark(month, dayOfMonth, qint16(category));
            state.dayDetails[month - 1][dayOfMonth - 1] = std::move(day.detail);
        }
        result.status = RuleResult::Status::Marked;
        result.category = category;
    }
}

QStringList ruleResultMessages(const RuleResult &result, const CalendarSpan &span)
{
    const QString calendar = spanTitle(span);
    QStringList messages;
    switch (result.status) {
    case RuleResult::Status::Marked:
        break;
    case RuleResult::Status::NoDayThisYear:
        messages << (result.problem.isEmpty() ? MarkRuleWords::tr("it marks no day in %1").arg(calendar)
                                              : MarkRuleWords::tr("it marks no day in %1: %2").arg(calendar).arg(result.problem));
        break;
    case RuleResult::Status::NoColourLeft:
        messages << MarkRuleWords::tr("it marks nothing: only five colours fit the legend");
        break;
    case RuleResult::Status::Failed:
        messages << MarkRuleWords::tr("it marks nothing: %1").arg(result.problem);
        break;
    }
    messages += result.warnings;
    if (!result.note.isEmpty())
        messages << result.note;
    return messages;
}
