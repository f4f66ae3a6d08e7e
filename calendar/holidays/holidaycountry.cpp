// The holidays of a region in a year: its rules' dates, the days off they move to and the
// bridging days between them.

#include "calendar/holidays/holidaycountry.h"

#include "calendar/holidays/holidayrule.h"

#include <algorithm>
#include <set>

using namespace std::chrono;

namespace {

// A day off never moves further than this from its holiday; bounds the search for a free day
// in a file that marks whole weeks as holidays.
constexpr int MaxDaysToFreeDay = 31;

int yearOf(sys_days date)
{
    return int(year_month_day{date}.year());
}

bool isWeekend(weekday wd)
{
    return wd == Saturday || wd == Sunday;
}

// One day of the computation window: a holiday, a day off it moved to or a bridging day.
struct WindowDay
{
    sys_days date;
    const QString *name;
};

} // namespace

HolidayCountry::HolidayCountry(std::vector<Region> regions, std::vector<HolidayRule> rules)
    : m_regions(std::move(regions)), m_rules(std::move(rules))
{
    Q_ASSERT(!m_regions.empty());
}

HolidayCountry::~HolidayCountry() = default;

const QString &HolidayCountry::code() const
{
    return m_regions.front().code;
}

const QString &HolidayCountry::name() const
{
    return m_regions.front().name;
}

std::vector<std::pair<QString, QString>> HolidayCountry::regions() const
{
    std::vector<std::pair<QString, QString>> list;
    list.reserve(m_regions.size());
    for (const Region &region : m_regions)
        list.emplace_back(region.code, region.name);
    return list;
}

const HolidayCountry::Region *HolidayCountry::findRegion(const QString &code) const
{
    for (const Region &region : m_regions)
        if (region.code.compare(code, Qt::CaseInsensitive) == 0)
            return &region;
    return nullptr;
}

std::optional<QString> HolidayCountry::regionName(const QString &code) const
{
    if (const Region *region = findRegion(code))
        return region->name;
    return std::nullopt;
}

QStringList HolidayCountry::sources(const QString &code) const
{
    const Region *region = findRegion(code);
    if (!region)
        return {};
    QStringList list = region->sources;
    if (region != &m_regions.front())
        list += m_regions.front().sources;
    return list;
}

std::optional<std::vector<HolidayDay>> HolidayCountry::holidays(const QString &code, int year) const
{
    const Region *region = findRegion(code);
    if (!region)
        return std::nullopt;
    std::vector<HolidayDay> result;
    if (year < FirstHolidayYear || year > LastHolidayYear)
        return result;

    // A day off can move across the new year (the US New Year's Day of a Saturday is kept on
    // the Friday before), so the holidays of the years around are computed too.
    std::vector<WindowDay> found;
    std::vector<const HolidayRule *> owners;
    std::vector<const HolidayRule *> bridges;
    for (int y = year - 1; y <= year + 1; ++y) {
        for (const int index : region->ruleIndexes) {
            const HolidayRule &rule = m_rules[size_t(index)];
            if (rule.kind == HolidayDateKind::BetweenHolidays) {
                if (y == year)
                    bridges.push_back(&rule);
                continue;
            }
            if (!rule.keptIn(y))
                continue;
            if (const std::optional<sys_days> date = rule.dateIn(y)) {
                found.push_back({*date, &rule.name});
                owners.push_back(&rule);
            }
        }
    }
    std::vector<size_t> order(found.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return found[a].date < found[b].date; });

    std::vector<sys_days> holidayDates;
    holidayDates.reserve(found.size());
    for (const size_t i : order)
        holidayDates.push_back(found[i].date);
    std::set<sys_days> daysOff;
    const auto isTaken = [&](sys_days date) {
        return std::binary_search(holidayDates.begin(), holidayDates.end(), date) || daysOff.count(date) != 0;
    };

    // Days off are given out in date order, so that of two colliding holidays the earlier
    // takes the first free day (Christmas on Saturday: Monday; Boxing Day: Tuesday).
    std::vector<WindowDay> moved;
    for (const size_t i : order) {
        const HolidayRule &rule = *owners[i];
        const sys_days date = found[i].date;
        if (rule.observed == ObservedPolicy::None || yearOf(date) < rule.observedFrom)
            continue;
        const weekday wd{date};
        std::optional<sys_days> dayOff;
        switch (rule.observed) {
        case ObservedPolicy::None:
            break;
        case ObservedPolicy::Nearest:
            if (wd == Saturday)
                dayOff = date - days{1};
            else if (wd == Sunday)
                dayOff = date + days{1};
            break;
        case ObservedPolicy::Monday:
            if (wd == Saturday)
                dayOff = date + days{2};
            else if (wd == Sunday)
                dayOff = date + days{1};
            break;
        case ObservedPolicy::SundayToMonday:
            // A Monday that is a holiday already gains nothing (South Africa's Christmas on a
            // Sunday: the Monday is the Day of Goodwill anyway).
            if (wd == Sunday && !isTaken(date + days{1}))
                dayOff = date + days{1};
            break;
        case ObservedPolicy::NextWorkingDay:
        case ObservedPolicy::SundayToNextFree: {
            const bool moves = rule.observed == ObservedPolicy::NextWorkingDay ? isWeekend(wd) : wd == Sunday;
            if (!moves)
                break;
            for (int step = 1; step <= MaxDaysToFreeDay; ++step) {
                const sys_days candidate = date + days{step};
                const bool working = rule.observed == ObservedPolicy::SundayToNextFree || !isWeekend(weekday{candidate});
                if (working && !isTaken(candidate)) {
                    dayOff = candidate;
                    break;
                }
            }
            break;
        }
        }
        if (dayOff) {
            daysOff.insert(*dayOff);
            moved.push_back({*dayOff, &rule.observedName});
        }
    }

    // A bridging day lies between two holidays proper (not days off), is none itself and is
    // no Sunday: Japan's citizens' holiday.
    std::vector<WindowDay> bridged;
    if (!bridges.empty()) {
        for (size_t i = 1; i < holidayDates.size(); ++i) {
            if (holidayDates[i] - holidayDates[i - 1] != days{2})
                continue;
            const sys_days between = holidayDates[i - 1] + days{1};
            if (weekday{between} == Sunday || daysOff.count(between) != 0 || yearOf(between) != year)
                continue;
            for (const HolidayRule *rule : bridges) {
                if (rule->keptIn(year)) {
                    bridged.push_back({between, &rule->name});
                    break;
                }
            }
        }
    }

    std::vector<WindowDay> all;
    all.reserve(found.size() + moved.size() + bridged.size());
    for (const size_t i : order)
        all.push_back(found[i]);
    all.insert(all.end(), moved.begin(), moved.end());
    all.insert(all.end(), bridged.begin(), bridged.end());
    std::stable_sort(all.begin(), all.end(), [](const WindowDay &a, const WindowDay &b) { return a.date < b.date; });
    for (const WindowDay &day : all)
        if (yearOf(day.date) == year)
            result.push_back({year_month_day{day.date}, *day.name});
    return result;
}
