// The date of one holiday line in a year.

#include "calendar/holidays/holidayrule.h"

#include "calendar/holidays/holidaydates.h"

#include <algorithm>

using namespace std::chrono;

bool HolidayRule::keptIn(int y) const
{
    if (y < firstYear || y > lastYear)
        return false;
    if (everyYears > 1 && (y - firstYear) % everyYears != 0)
        return false;
    if (kind == HolidayDateKind::OneOff && y != year)
        return false;
    if (condition) {
        const year_month_day conditionDate{std::chrono::year{y}, std::chrono::month{condition->month}, std::chrono::day{condition->day}};
        // 29 February in a common year is no day at all, so it falls on no weekday.
        const bool falls = conditionDate.ok() && std::chrono::weekday{sys_days{conditionDate}} == condition->weekday;
        if (falls == condition->negated)
            return false;
    }
    return !std::binary_search(skippedYears.begin(), skippedYears.end(), y);
}

std::optional<sys_days> HolidayRule::dateIn(int y) const
{
    const std::chrono::year calendarYear{y};
    const std::chrono::month calendarMonth{month};
    sys_days date;
    switch (kind) {
    case HolidayDateKind::Fixed:
    case HolidayDateKind::OneOff: {
        const year_month_day ymd{calendarYear, calendarMonth, std::chrono::day{day}};
        if (!ymd.ok())
            return std::nullopt;
        date = sys_days{ymd};
        break;
    }
    case HolidayDateKind::NthWeekday: {
        const year_month_weekday ymw{calendarYear, calendarMonth, weekday_indexed{weekday, nth}};
        if (!ymw.ok())
            return std::nullopt;
        date = sys_days{ymw};
        break;
    }
    case HolidayDateKind::LastWeekday:
        date = sys_days{year_month_weekday_last{calendarYear, calendarMonth, weekday_last{weekday}}};
        break;
    case HolidayDateKind::WeekdayOnOrBefore:
        date = sys_days{year_month_day{calendarYear, calendarMonth, std::chrono::day{day}}};
        date -= std::chrono::weekday{date} - weekday;
        break;
    case HolidayDateKind::WeekdayOnOrAfter:
        date = sys_days{year_month_day{calendarYear, calendarMonth, std::chrono::day{day}}};
        date += weekday - std::chrono::weekday{date};
        break;
    case HolidayDateKind::Easter:
        date = sys_days{westernEaster(y)};
        break;
    case HolidayDateKind::OrthodoxEaster:
        date = sys_days{orthodoxEaster(y)};
        break;
    case HolidayDateKind::MarchEquinox:
        date = sys_days{calendarYear / March / std::chrono::day{japaneseMarchEquinoxDay(y)}};
        break;
    case HolidayDateKind::SeptemberEquinox:
        date = sys_days{calendarYear / September / std::chrono::day{japaneseSeptemberEquinoxDay(y)}};
        break;
    case HolidayDateKind::Qingming:
        date = sys_days{calendarYear / April / std::chrono::day{qingmingDay(y)}};
        break;
    case HolidayDateKind::BetweenHolidays:
        return std::nullopt;
    case HolidayDateKind::Lunar: {
        const std::vector<sys_days> dates = lunarDatesIn(y);
        if (dates.empty())
            return std::nullopt;
        return dates.front();
    }
    }
    date += days{offsetDays};
    if (easterMove) {
        const int fromEaster = int((date - sys_days{westernEaster(y)}).count());
        if (fromEaster >= easterMove->firstOffset && fromEaster <= easterMove->lastOffset)
            date += days{easterMove->byDays};
    }
    return date;
}

std::vector<sys_days> HolidayRule::lunarDatesIn(int y) const
{
    std::vector<sys_days> dates;
    if (lunarMemo) {
        const std::lock_guard<std::mutex> lock(lunarMemo->mutex);
        const auto known = lunarMemo->byYear.find(y);
        if (known != lunarMemo->byYear.end())
            dates = known->second;
        else
            dates = lunarMemo->byYear[y] = ::lunarDatesIn(calendar, month, day, y);
    } else {
        dates = ::lunarDatesIn(calendar, month, day, y);
    }
    for (sys_days &date : dates) {
        for (const sys_days given : announced) {
            if (std::chrono::abs(given - date) <= days{AnnouncedSlackDays}) {
                date = given;
                break;
            }
        }
        date += days{offsetDays};
    }
    return dates;
}

std::optional<sys_days> HolidayRule::laterDateIn(int y) const
{
    if (kind != HolidayDateKind::Lunar)
        return std::nullopt;
    const std::vector<sys_days> dates = lunarDatesIn(y);
    if (dates.size() < 2)
        return std::nullopt;
    return dates[1];
}
