#include "calendar/ruledays.h"

#include "calendar/holidays/holidays.h"
#include "calendar/ical/icsreader.h"
#include "calendar/marksources.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QSet>

#include <algorithm>

using namespace std::chrono;

namespace {

// What the rules say about the days they mark, in the user's language.
struct RuleDayWords
{
    Q_DECLARE_TR_FUNCTIONS(RuleDays)
};

// 1 Sunday .. 7 Saturday, as the rules count weekdays.
weekday ruleWeekday(int weekday)
{
    return std::chrono::weekday{unsigned(weekday - 1)};
}

RuleDays nthWeekdays(const MarkRule &rule, const CalendarSpan &span)
{
    RuleDays found;
    // A month without such a day (a fifth Friday) is passed over.
    if (rule.ordinal < 1 || rule.ordinal > 5)
        return found;
    for (int i = 0; i < 12; ++i) {
        const year_month_weekday nth{span.shown(i) / ruleWeekday(rule.weekday)[unsigned(rule.ordinal)]};
        if (nth.ok())
            found.days.push_back({year_month_day{nth}, {}});
    }
    return found;
}

RuleDays lastWeekdays(const MarkRule &rule, const CalendarSpan &span)
{
    RuleDays found;
    for (int i = 0; i < 12; ++i)
        found.days.push_back({year_month_day{span.shown(i) / ruleWeekday(rule.weekday)[last]}, {}});
    return found;
}

RuleDays everyNWeeks(const MarkRule &rule, const CalendarSpan &span)
{
    RuleDays found;
    const year_month_day start = dayOnPage(rule.from, span);
    if (rule.weeks < 1) {
        found.whyNoDay = RuleDayWords::tr("an interval of %1 weeks marks nothing").arg(rule.weeks);
        return found;
    }
    // The series runs within the page it starts on; one begun on last year's page marks
    // nothing now.
    if (!span.contains(start)) {
        found.whyNoDay = span.crossesNewYear()
            ? RuleDayWords::tr("the series starts on %1, outside the months shown, and marks days of the page it starts on only")
                  .arg(RuleDate::full(start).isoText())
            : RuleDayWords::tr("the series starts in %1 and marks days of that year only").arg(int(start.year()));
        return found;
    }
    for (sys_days d{start}; d <= span.lastDay(); d += days{7 * rule.weeks})
        found.days.push_back({year_month_day{d}, {}});
    return found;
}

// A series that goes on from its start into every later year: the days it reaches in the
// months shown. Counted from the start, so that a fortnightly bin day begun in December keeps
// its weeks in January.
RuleDays continuingWeeks(const MarkRule &rule, const CalendarSpan &span)
{
    RuleDays found;
    if (rule.weeks < 1) {
        found.whyNoDay = RuleDayWords::tr("an interval of %1 weeks marks nothing").arg(rule.weeks);
        return found;
    }
    const year_month_day startDate = dayOnPage(rule.from, span);
    if (!startDate.ok())
        return found;
    const sys_days start{startDate};
    if (start > span.lastDay()) {
        found.whyNoDay = RuleDayWords::tr("the series starts in %1").arg(int(startDate.year()));
        return found;
    }
    const long long step = 7LL * rule.weeks;
    const long long behind = std::max<long long>(0, (span.firstDay() - start).count());
    const long long periods = (behind + step - 1) / step;
    for (sys_days d = start + days{periods * step}; d <= span.lastDay(); d += days{step})
        found.days.push_back({year_month_day{d}, {}});
    return found;
}

// Whether a label names an anniversary, whose number reads "40th" rather than an age "(40)".
bool isAnniversary(const QString &label)
{
    static const char *const words[] = {"anniversary", "jubilee", "jahrestag", "hochzeitstag", "jubil\u00e4um",
                                        "anniversaire de", "noces"};
    const QString folded = label.toCaseFolded();
    return std::any_of(std::begin(words), std::end(words),
                       [&folded](const char *word) { return folded.contains(QString::fromUtf8(word)); });
}

// "40th", "40.", "40e": the number of an anniversary as the page's language writes it.
QString ordinalYears(int years, const QString &language)
{
    const QLocale::Language lang = (language.isEmpty() ? QLocale() : QLocale(language)).language();
    if (lang == QLocale::German)
        return QStringLiteral("%1.").arg(years);
    if (lang == QLocale::French)
        return years == 1 ? QStringLiteral("1er") : QStringLiteral("%1e").arg(years);
    if (lang != QLocale::English && lang != QLocale::C)
        return QString::number(years);
    const int tens = years % 100;
    const char *suffix = "th";
    if (tens < 11 || tens > 13) {
        switch (years % 10) {
        case 1: suffix = "st"; break;
        case 2: suffix = "nd"; break;
        case 3: suffix = "rd"; break;
        default: break;
        }
    }
    return QString::number(years) + QLatin1String(suffix);
}

// What follows a yearly date's label in the date-list: the age "(40)", or the anniversary's
// number "(40th)".
QString yearsText(int years, const QString &label, const QString &language)
{
    return QStringLiteral("(%1)").arg(isAnniversary(label) ? ordinalYears(years, language) : QString::number(years));
}

RuleDays dates(const MarkRule &rule, const CalendarSpan &span, const QString &language)
{
    RuleDays found;
    for (const RuleDate &date : rule.dates) {
        const year_month_day day = dayOnPage(date, span);
        if (!span.contains(day))
            continue;
        // A birthday marks nothing before the day it counts from.
        if (date.yearly && day.year() < *date.year)
            continue;
        const int years = date.yearly ? int(day.year()) - int(*date.year) : 0;
        // The leading blank tells the date-list that the age follows the label as it is.
        found.days.push_back({day, years > 0 ? QLatin1Char(' ') + yearsText(years, rule.label, language) : QString()});
    }
    std::stable_sort(found.days.begin(), found.days.end(), [](const MarkedDay &a, const MarkedDay &b) { return a.date < b.date; });
    found.days.erase(std::unique(found.days.begin(), found.days.end(),
                                 [](const MarkedDay &a, const MarkedDay &b) { return a.date == b.date; }),
                     found.days.end());
    return found;
}

RuleDays range(const MarkRule &rule, const CalendarSpan &span)
{
    RuleDays found;
    const year_month_day from = dayOnPage(rule.from, span);
    const year_month_day to = dayOnPage(rule.to, span);
    if (!from.ok() || !to.ok())
        return found;
    // Clipped to the months shown, so a range over years costs one page at most.
    const sys_days first = std::max(sys_days{from}, span.firstDay());
    const sys_days last = std::min(sys_days{to}, span.lastDay());
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

// The public holidays of the rule's region in the months shown: two holidays on one day are
// named together.
RuleDays holidays(const MarkRule &rule, const CalendarSpan &span, const MarkSources &sources, const QString &language)
{
    RuleDays found;
    for (year y = span.firstYear; y <= span.lastYear(); ++y) {
        const HolidayList list = sources.holidays.holidays(rule.source, int(y), language);
        if (found.note.isEmpty())
            found.note = list.note;
        if (!list.ok()) {
            found.problem = list.error;
            found.days.clear();
            return found;
        }
        for (const QString &warning : list.warnings)
            if (!found.warnings.contains(warning))
                found.warnings << warning;
        for (const HolidayDay &holiday : list.days) {
            if (!span.contains(holiday.date))
                continue;
            if (!found.days.empty() && found.days.back().date == holiday.date)
                found.days.back().detail += QStringLiteral(", ") + holiday.name;
            else
                found.days.push_back({holiday.date, holiday.name});
        }
    }
    found.legend = defaultHolidayLabel(sources.holidays.regionName(rule.source, language).value_or(rule.source), language);
    return found;
}

// The days an .ics file's events fall on in the months shown, each named by its events'
// summaries.
RuleDays events(const MarkRule &rule, const CalendarSpan &span, const MarkSources &sources)
{
    RuleDays found;
    DayNames names;
    QString calendarName;
    for (year y = span.firstYear; y <= span.lastYear(); ++y) {
        // Only the page's days of each year: a CalDAV server is asked for those alone.
        const std::chrono::sys_days yearFirst{y / January / 1};
        const std::chrono::sys_days yearLast{y / December / 31};
        const std::shared_ptr<const IcsReadResult> read = sources.calendars.read(
            rule.source, int(y), std::max(yearFirst, span.firstDay()), std::min(yearLast, span.lastDay()));
        if (!read->ok) {
            found.problem = read->error;
            found.days.clear();
            return found;
        }
        // The two years of one file mostly leave out the same events for the same reasons.
        for (const QString &warning : read->warnings)
            if (!found.warnings.contains(warning))
                found.warnings << warning;
        if (calendarName.isEmpty())
            calendarName = read->calendarName;
        for (const IcsDay &event : read->days) {
            if (!span.contains(event.date))
                continue;
            if (found.days.empty() || found.days.back().date != event.date) {
                if (!found.days.empty())
                    found.days.back().detail = names.text();
                names.clear();
                found.days.push_back({event.date, {}});
            }
            // A summary of several lines is one line of the date-list file.
            names.add(event.summary.simplified());
        }
    }
    if (!found.days.empty())
        found.days.back().detail = names.text();
    found.legend = calendarName.isEmpty() ? QFileInfo(rule.source).completeBaseName() : calendarName;
    return found;
}

} // namespace

year_month_day dayOnPage(const RuleDate &date, const CalendarSpan &span)
{
    return date.year && !date.yearly ? year_month_day{*date.year / date.monthDay} : span.dayOf(date.monthDay);
}

RuleDays daysOfRule(const MarkRule &rule, const CalendarSpan &span, const MarkSources &sources, const QString &language)
{
    RuleDays found;
    switch (rule.kind) {
    case RuleKind::NthWeekday: found = nthWeekdays(rule, span); break;
    case RuleKind::LastWeekday: found = lastWeekdays(rule, span); break;
    case RuleKind::EveryNWeeks: found = everyNWeeks(rule, span); break;
    case RuleKind::ContinuingWeeks: found = continuingWeeks(rule, span); break;
    case RuleKind::Dates: found = dates(rule, span, language); break;
    case RuleKind::Range: found = range(rule, span); break;
    case RuleKind::Holidays: found = holidays(rule, span, sources, language); break;
    case RuleKind::ICalendar: found = events(rule, span, sources); break;
    }
    // The rule's own label wins; holidays and calendars are named by their source without one.
    if (!rule.label.isEmpty() || found.legend.isEmpty())
        found.legend = rule.label;
    return found;
}
