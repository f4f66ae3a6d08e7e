#include "layout/markrules.h"

#include "layout/dayrules.h"
#include "layout/holidays.h"
#include "layout/icalendar.h"
#include "platform/usererror.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

#include <map>
#include <memory>

using namespace std::chrono;

namespace {

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
        if (!marked.empty() && marked.back().date == holiday.date)
            marked.back().detail += QStringLiteral(", ") + holiday.name;
        else
            marked.push_back({holiday.date, holiday.name});
    }
    return marked;
}

// An .ics file read for one year, kept while the file is unchanged: the marks are worked
// out again at every keystroke in the year box, and a large file takes tens of milliseconds.
// Shared, not copied: a file may mark up to a million days.
std::shared_ptr<const IcsReadResult> icsDaysCached(const QString &path, int year)
{
    struct Entry
    {
        QDateTime modified;
        qint64 size;
        std::shared_ptr<const IcsReadResult> result;
    };
    static QMutex mutex;
    static std::map<std::pair<QString, int>, Entry> cache;
    const QFileInfo info(path);
    const QMutexLocker lock(&mutex);
    const auto key = std::pair{path, year};
    const auto found = cache.find(key);
    if (found != cache.end() && found->second.modified == info.lastModified() && found->second.size == info.size())
        return found->second.result;
    auto result = std::make_shared<const IcsReadResult>(readIcsDays(path, year));
    if (cache.size() >= 32)
        cache.clear();
    cache[key] = {info.lastModified(), info.size(), result};
    return result;
}

// The days an .ics file's events fall on in `calendar`, each named by its events' summaries.
std::vector<MarkedDay> eventsOf(const MarkRule &rule, year calendar, QString &problem)
{
    std::vector<MarkedDay> marked;
    const std::shared_ptr<const IcsReadResult> read = icsDaysCached(rule.source, int(calendar));
    if (!read->ok) {
        problem = read->error;
        return marked;
    }
    for (IcsDay event : read->days) {
        // A summary of several lines is one line of the date-list file.
        event.summary = event.summary.simplified();
        if (!marked.empty() && marked.back().date == event.date) {
            if (!event.summary.isEmpty() && !marked.back().detail.split(QStringLiteral(", ")).contains(event.summary))
                marked.back().detail += (marked.back().detail.isEmpty() ? QString() : QStringLiteral(", ")) + event.summary;
        } else {
            marked.push_back({event.date, event.summary});
        }
    }
    return marked;
}

// The legend text of a rule: its label; for holidays without one "Public holidays (Bavaria)",
// for an .ics file without one the calendar's own name or else the file's.
QString legendLabel(const MarkRule &rule, year calendar)
{
    if (!rule.label.isEmpty())
        return rule.label;
    if (rule.kind == RuleKind::Holidays)
        return defaultHolidayLabel(sharedHolidayCatalog().regionName(rule.source).value_or(rule.source));
    if (rule.kind == RuleKind::ICalendar) {
        const QString name = icsDaysCached(rule.source, int(calendar))->calendarName;
        return name.isEmpty() ? QFileInfo(rule.source).completeBaseName() : name;
    }
    return rule.label;
}

} // namespace

std::vector<MarkedDay> markedDaysOf(const MarkRule &rule, year calendar, QString &problem)
{
    switch (rule.kind) {
    case RuleKind::Holidays: return holidaysOf(rule, calendar, problem);
    case RuleKind::ICalendar: return eventsOf(rule, calendar, problem);
    default: return daysOf(rule, calendar);
    }
}

namespace {

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
        case RuleKind::Holidays:
        case RuleKind::ICalendar: {
            QString problem;
            const std::vector<MarkedDay> marked = markedDaysOf(rule, calendar, problem);
            if (!problem.isEmpty()) {
                result = {RuleResult::Status::Failed, -1, problem};
                continue;
            }
            if (marked.empty())
                continue;
            // Holidays and calendars take a category of their own; dates and ranges share one
            // per label.
            const bool shares = rule.kind == RuleKind::Dates || rule.kind == RuleKind::Range;
            const QString key = rule.label.trimmed();
            int category = shares ? sharedCategories.value(key, -1) : -1;
            if (category < 0) {
                if (state.MarkCount >= MarkCategories)
                    break;
                category = state.MarkCount++;
                state.MarkLegend[category][1] = legendLabel(rule, calendar);
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
        }
        if (state.MarkCount > before)
            result = {RuleResult::Status::Marked, before, {}};
        else
            result = {RuleResult::Status::NoColourLeft, -1, {}};
    }
}

namespace {

// The rules in words, in the language of the window (not of the page).
struct MarkRuleWords
{
    Q_DECLARE_TR_FUNCTIONS(MarkRules)
};

} // namespace

QString weekdayName(int weekday)
{
    // Sunday first, as the rules count.
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("MarkRules", "Sunday"),   QT_TRANSLATE_NOOP("MarkRules", "Monday"),
        QT_TRANSLATE_NOOP("MarkRules", "Tuesday"),  QT_TRANSLATE_NOOP("MarkRules", "Wednesday"),
        QT_TRANSLATE_NOOP("MarkRules", "Thursday"), QT_TRANSLATE_NOOP("MarkRules", "Friday"),
        QT_TRANSLATE_NOOP("MarkRules", "Saturday"),
    };
    return weekday >= 1 && weekday <= 7 ? MarkRuleWords::tr(names[weekday - 1]) : QString();
}

namespace {

// The week of the month a rule names, 1..4 as the rules count; "5th" and beyond for other
// numbers.
QString ordinalText(int n)
{
    static const char *const ordinals[] = {
        QT_TRANSLATE_NOOP("MarkRules", "1st"), QT_TRANSLATE_NOOP("MarkRules", "2nd"),
        QT_TRANSLATE_NOOP("MarkRules", "3rd"), QT_TRANSLATE_NOOP("MarkRules", "4th"),
    };
    if (n >= 1 && n <= 4)
        return MarkRuleWords::tr(ordinals[n - 1]);
    static const char *const suffixes[] = {"th", "st", "nd", "rd"};
    const int lastTwo = n % 100;
    const int last = n % 10;
    const char *suffix = (lastTwo >= 11 && lastTwo <= 13) || last > 3 || last < 0 ? "th" : suffixes[last];
    return QString::number(n) + QLatin1String(suffix);
}

QString dateText(const RuleDate &date)
{
    static const char *const months[] = {
        QT_TRANSLATE_NOOP("MarkRules", "Jan"), QT_TRANSLATE_NOOP("MarkRules", "Feb"),
        QT_TRANSLATE_NOOP("MarkRules", "Mar"), QT_TRANSLATE_NOOP("MarkRules", "Apr"),
        QT_TRANSLATE_NOOP("MarkRules", "May"), QT_TRANSLATE_NOOP("MarkRules", "Jun"),
        QT_TRANSLATE_NOOP("MarkRules", "Jul"), QT_TRANSLATE_NOOP("MarkRules", "Aug"),
        QT_TRANSLATE_NOOP("MarkRules", "Sep"), QT_TRANSLATE_NOOP("MarkRules", "Oct"),
        QT_TRANSLATE_NOOP("MarkRules", "Nov"), QT_TRANSLATE_NOOP("MarkRules", "Dec"),
    };
    const unsigned month = unsigned(date.monthDay.month());
    const QString monthText = month >= 1 && month <= 12 ? MarkRuleWords::tr(months[month - 1]) : QString();
    //: A day of the month and a short month name: "8 Jan"
    const QString dayMonth = MarkRuleWords::tr("%1 %2", "day and month").arg(QString::number(unsigned(date.monthDay.day())), monthText);
    return date.year ? QStringLiteral("%1 %2").arg(dayMonth).arg(int(*date.year)) : dayMonth;
}

} // namespace

QString describeRule(const MarkRule &rule)
{
    switch (rule.kind) {
    case RuleKind::NthWeekday:
        //: An ordinal ("2nd") and a weekday: "2nd Tuesday of every month"
        return MarkRuleWords::tr("%1 %2 of every month").arg(ordinalText(rule.ordinal), weekdayName(rule.weekday));
    case RuleKind::LastWeekday:
        return MarkRuleWords::tr("Last %1 of every month").arg(weekdayName(rule.weekday));
    case RuleKind::EveryNWeeks:
        if (rule.weeks == 1)
            return MarkRuleWords::tr("Every week from %1").arg(dateText(rule.from));
        return MarkRuleWords::tr("Every %1 weeks from %2").arg(rule.weeks).arg(dateText(rule.from));
    case RuleKind::Dates:
        if (rule.dates.size() == 1)
            return rule.dates.front().isYearless() ? MarkRuleWords::tr("%1 every year").arg(dateText(rule.dates.front()))
                                                   : dateText(rule.dates.front());
        return MarkRuleWords::tr("%1 dates").arg(rule.dates.size());
    case RuleKind::Range:
        return QStringLiteral("%1 - %2").arg(dateText(rule.from), dateText(rule.to));
    case RuleKind::Holidays:
        return MarkRuleWords::tr("Public holidays of %1")
            .arg(sharedHolidayCatalog().regionName(rule.source).value_or(rule.source));
    case RuleKind::ICalendar:
        return MarkRuleWords::tr("Events of %1").arg(rule.source.section(QLatin1Char('/'), -1));
    }
    return {};
}
