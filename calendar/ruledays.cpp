#include "calendar/ruledays.h"

#include "calendar/holidays/holidays.h"
#include "calendar/ical/icsreader.h"
#include "calendar/marksources.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

using namespace std::chrono;

namespace {

// What the rules say about the days they mark, in the user's language.
struct RuleDayWords
{
    Q_DECLARE_TR_FUNCTIONS(RuleDays)
};

sys_days firstDay(year calendar)
{
    return sys_days{calendar / January / 1};
}

sys_days lastDay(year calendar)
{
    return sys_days{calendar / December / 31};
}

// 1 Sunday .. 7 Saturday, as the rules count weekdays.
weekday ruleWeekday(int weekday)
{
    return std::chrono::weekday{unsigned(weekday - 1)};
}

RuleDays nthWeekdays(const MarkRule &rule, year calendar)
{
    RuleDays found;
    // A month without such a day (a fifth Friday) is passed over.
    if (rule.ordinal < 1 || rule.ordinal > 5)
        return found;
    for (unsigned m = 1; m <= 12; ++m) {
        const year_month_weekday nth{calendar / month{m} / ruleWeekday(rule.weekday)[unsigned(rule.ordinal)]};
        if (nth.ok())
            found.days.push_back({year_month_day{nth}, {}});
    }
    return found;
}

RuleDays lastWeekdays(const MarkRule &rule, year calendar)
{
    RuleDays found;
    for (unsigned m = 1; m <= 12; ++m)
        found.days.push_back({year_month_day{calendar / month{m} / ruleWeekday(rule.weekday)[last]}, {}});
    return found;
}

RuleDays everyNWeeks(const MarkRule &rule, year calendar)
{
    RuleDays found;
    const year_month_day start = rule.from.in(calendar);
    if (rule.weeks < 1) {
        found.whyNoDay = RuleDayWords::tr("an interval of %1 weeks marks nothing").arg(rule.weeks);
        return found;
    }
    // The series runs within its start's year only; one begun last year marks nothing now.
    if (!start.ok() || start.year() != calendar) {
        found.whyNoDay = RuleDayWords::tr("the series starts in %1 and marks days of that year only").arg(int(start.year()));
        return found;
    }
    for (sys_days d{start}; d <= lastDay(calendar); d += days{7 * rule.weeks})
        found.days.push_back({year_month_day{d}, {}});
    return found;
}

// A series that goes on from its start into every later year: the days it reaches in this
// one. Counted from the start, so that a fortnightly bin day begun in December keeps its
// weeks in January.
RuleDays continuingWeeks(const MarkRule &rule, year calendar)
{
    RuleDays found;
    if (rule.weeks < 1) {
        found.whyNoDay = RuleDayWords::tr("an interval of %1 weeks marks nothing").arg(rule.weeks);
        return found;
    }
    const year_month_day startDate = rule.from.in(calendar);
    if (!startDate.ok())
        return found;
    const sys_days start{startDate};
    if (start > lastDay(calendar)) {
        found.whyNoDay = RuleDayWords::tr("the series starts in %1").arg(int(startDate.year()));
        return found;
    }
    const long long step = 7LL * rule.weeks;
    const long long behind = std::max<long long>(0, (firstDay(calendar) - start).count());
    const long long periods = (behind + step - 1) / step;
    for (sys_days d = start + days{periods * step}; d <= lastDay(calendar); d += days{step})
        found.days.push_back({year_month_day{d}, {}});
    return found;
}

RuleDays dates(const MarkRule &rule, year calendar)
{
    RuleDays found;
    for (const RuleDate &date : rule.dates) {
        const year_month_day day = date.in(calendar);
        if (day.ok() && day.year() == calendar)
            found.days.push_back({day, {}});
    }
    std::sort(found.days.begin(), found.days.end(), [](const MarkedDay &a, const MarkedDay &b) { return a.date < b.date; });
    found.days.erase(std::unique(found.days.begin(), found.days.end(),
                                 [](const MarkedDay &a, const MarkedDay &b) { return a.date == b.date; }),
                     found.days.end());
    return found;
}

RuleDays range(const MarkRule &rule, year calendar)
{
    RuleDays found;
    const year_month_day from = rule.from.in(calendar);
    const year_month_day to = rule.to.in(calendar);
    if (!from.ok() || !to.ok())
        return found;
    // Clipped to the calendar year, so a range over years costs one year at most.
    const sys_days first = std::max(sys_days{from}, firstDay(calendar));
    const sys_days last = std::min(sys_days{to}, lastDay(calendar));
    for (sys_days d = first; d <= last; d += days{1})
        found.days.push_back({year_month_day{d}, {}});
    return found;
}

// Collects the names of one day: each name once, in the order first seen, at most
// MaxNamesPerDay of them listed. Linear in the number of entries.
class DayNames
{
public:
    void add(const QString &name)
    {
        if (name.isEmpty() || m_seen.contains(name))
            return;
        m_seen.insert(name);
        if (m_listed.size() < MaxNamesPerDay)
            m_listed << name;
    }
    QString text() const
    {
        QString joined = m_listed.join(QStringLiteral(", "));
        const qsizetype more = m_seen.size() - m_listed.size();
        if (more > 0)
            joined += RuleDayWords::tr(" and %L1 more").arg(more);
        return joined;
    }
    void clear()
    {
        m_seen.clear();
        m_listed.clear();
    }

private:
    QSet<QString> m_seen;
    QStringList m_listed;
};

// The public holidays of the rule's region: two holidays on one day are named together.
RuleDays holidays(const MarkRule &rule, year calendar, const MarkSources &sources)
{
    RuleDays found;
    const HolidayList list = sources.holidays.holidays(rule.source, int(calendar));
    found.note = list.note;
    if (!list.ok()) {
        found.problem = list.error;
        return found;
    }
    for (const HolidayDay &holiday : list.days) {
        if (!found.days.empty() && found.days.back().date == holiday.date)
            found.days.back().detail += QStringLiteral(", ") + holiday.name;
        else
            found.days.push_back({holiday.date, holiday.name});
    }
    found.legend = defaultHolidayLabel(sources.holidays.regionName(rule.source).value_or(rule.source));
    return found;
}

// The days an .ics file's events fall on, each named by its events' summaries.
RuleDays events(const MarkRule &rule, year calendar, const MarkSources &sources)
{
    RuleDays found;
    const std::shared_ptr<const IcsReadResult> read = sources.calendars.read(rule.source, int(calendar));
    if (!read->ok) {
        found.problem = read->error;
        return found;
    }
    found.warnings = read->warnings;
    DayNames names;
    for (const IcsDay &event : read->days) {
        if (found.days.empty() || found.days.back().date != event.date) {
            if (!found.days.empty())
                found.days.back().detail = names.text();
            names.clear();
            found.days.push_back({event.date, {}});
        }
        // A summary of several lines is one line of the date-list file.
        names.add(event.summary.simplified());
    }
    if (!found.days.empty())
        found.days.back().detail = names.text();
    found.legend = read->calendarName.isEmpty() ? QFileInfo(rule.source).completeBaseName() : read->calendarName;
    return found;
}

} // namespace

RuleDays daysOfRule(const MarkRule &rule, year calendar, const MarkSources &sources)
{
    RuleDays found;
    switch (rule.kind) {
    case RuleKind::NthWeekday: found = nthWeekdays(rule, calendar); break;
    case RuleKind::LastWeekday: found = lastWeekdays(rule, calendar); break;
    case RuleKind::EveryNWeeks: found = everyNWeeks(rule, calendar); break;
    case RuleKind::ContinuingWeeks: found = continuingWeeks(rule, calendar); break;
    case RuleKind::Dates: found = dates(rule, calendar); break;
    case RuleKind::Range: found = range(rule, calendar); break;
    case RuleKind::Holidays: found = holidays(rule, calendar, sources); break;
    case RuleKind::ICalendar: found = events(rule, calendar, sources); break;
    }
    // The rule's own label wins; holidays and calendars are named by their source without one.
    if (!rule.label.isEmpty() || found.legend.isEmpty())
        found.legend = rule.label;
    return found;
}
