#include "layout/icalrecurrence.h"

#include "layout/calendarmath.h"

#include <libical/ical.h>

#include <algorithm>

using namespace std::chrono;

namespace {

constexpr int LastYear = 9999;

bool isEmpty(const short *values)
{
    return values[0] == ICAL_RECURRENCE_ARRAY_MAX;
}

// The values of a BY part; a full list has no terminator.
std::vector<short> valuesOf(const short *values, int size)
{
    std::vector<short> list;
    for (int i = 0; i < size && values[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        list.push_back(values[i]);
    return list;
}

// libical numbers weekdays Sunday 1 .. Saturday 7, 0 for none.
std::optional<weekday> weekdayOf(icalrecurrencetype_weekday day)
{
    if (day < ICAL_SUNDAY_WEEKDAY || day > ICAL_SATURDAY_WEEKDAY)
        return std::nullopt;
    return weekday{unsigned(day - ICAL_SUNDAY_WEEKDAY)};
}

// Days from the week start to `day`, 0..6.
int daysIntoWeek(weekday day, weekday weekStart)
{
    return int((day - weekStart).count());
}

} // namespace

std::optional<SimpleRule> simpleRuleOf(const icalrecurrencetype &rule, std::optional<WallTime> until)
{
    SimpleRule simple;
    switch (rule.freq) {
    case ICAL_DAILY_RECURRENCE: simple.frequency = SimpleRule::Frequency::Daily; break;
    case ICAL_WEEKLY_RECURRENCE: simple.frequency = SimpleRule::Frequency::Weekly; break;
    case ICAL_MONTHLY_RECURRENCE: simple.frequency = SimpleRule::Frequency::Monthly; break;
    case ICAL_YEARLY_RECURRENCE: simple.frequency = SimpleRule::Frequency::Yearly; break;
    default: return std::nullopt;
    }
    if ((rule.rscale != nullptr && rule.rscale[0] != '\0') || rule.interval < 1 || rule.count < 0)
        return std::nullopt;
    if (!isEmpty(rule.by_second) || !isEmpty(rule.by_minute) || !isEmpty(rule.by_hour)
        || !isEmpty(rule.by_year_day) || !isEmpty(rule.by_week_no) || !isEmpty(rule.by_month)
        || !isEmpty(rule.by_set_pos))
        return std::nullopt;
    simple.interval = rule.interval;
    simple.count = rule.count;
    simple.until = until;
    if (const auto start = weekdayOf(rule.week_start))
        simple.weekStart = *start;

    const std::vector<short> byDay = valuesOf(rule.by_day, ICAL_BY_DAY_SIZE);
    const std::vector<short> byMonthDay = valuesOf(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE);
    switch (simple.frequency) {
    case SimpleRule::Frequency::Daily:
    case SimpleRule::Frequency::Yearly:
        if (!byDay.empty() || !byMonthDay.empty())
            return std::nullopt;
        break;
    case SimpleRule::Frequency::Weekly:
        // libical 3.0 places the weeks of an INTERVAL wrongly when they begin on Tuesday to
        // Saturday; its answer stands, wrong or not, so such rules are left to it.
        if (!byMonthDay.empty()
            || (simple.interval > 1 && simple.weekStart != Monday && simple.weekStart != Sunday))
            return std::nullopt;
        for (const short value : byDay) {
            const auto day = weekdayOf(icalrecurrencetype_day_day_of_week(value));
            if (!day || icalrecurrencetype_day_position(value) != 0)
                return std::nullopt;
            if (std::find(simple.weekdays.begin(), simple.weekdays.end(), *day) == simple.weekdays.end())
                simple.weekdays.push_back(*day);
        }
        break;
    case SimpleRule::Frequency::Monthly:
        if (byDay.size() + byMonthDay.size() > 1)
            return std::nullopt;
        if (byMonthDay.size() == 1) {
            const int value = byMonthDay.front();
            if (value == 0 || value < -31 || value > 31)
                return std::nullopt;
            simple.monthDay = value;
        }
        if (byDay.size() == 1) {
            const auto day = weekdayOf(icalrecurrencetype_day_day_of_week(byDay.front()));
            const int index = icalrecurrencetype_day_position(byDay.front());
            if (!day || index == 0 || index < -5 || index > 5)
                return std::nullopt;
            simple.nthWeekday = day;
            simple.nthWeekdayIndex = index;
        }
        break;
    }
    return simple;
}

SimpleRecurrence::SimpleRecurrence(const SimpleRule &rule, WallTime start)
    : m_rule(rule), m_start(start), m_firstPeriodDay(start.day)
{
    if (m_rule.frequency == SimpleRule::Frequency::Weekly) {
        if (m_rule.weekdays.empty())
            m_rule.weekdays.push_back(weekday{start.day});
        // In the order the days come in a week that begins on weekStart.
        std::sort(m_rule.weekdays.begin(), m_rule.weekdays.end(), [this](weekday a, weekday b) {
            return daysIntoWeek(a, m_rule.weekStart) < daysIntoWeek(b, m_rule.weekStart);
        });
        m_firstPeriodDay = start.day - days{daysIntoWeek(weekday{start.day}, m_rule.weekStart)};
    }
}

void SimpleRecurrence::skipTo(sys_days day)
{
    if (m_rule.count > 0 || day <= m_start.day)
        return;
    long long units = 0;  // whole frequency units from the first period to the one holding `day`
    switch (m_rule.frequency) {
    case SimpleRule::Frequency::Daily: units = (day - m_firstPeriodDay).count(); break;
    case SimpleRule::Frequency::Weekly: units = floorDiv((day - m_firstPeriodDay).count(), 7); break;
    case SimpleRule::Frequency::Monthly: {
        const year_month_day from{m_firstPeriodDay}, to{day};
        units = (int(to.year()) - int(from.year())) * 12LL + (int(unsigned(to.month())) - int(unsigned(from.month())));
        break;
    }
    case SimpleRule::Frequency::Yearly:
        units = int(year_month_day{day}.year()) - int(year_month_day{m_firstPeriodDay}.year());
        break;
    }
    const long long period = units / m_rule.interval;
    if (period >= m_period) {
        m_period = period;
        m_pending.clear();
    }
}

bool SimpleRecurrence::fillPeriod()
{
    // Checked before any calendar type is built from it, so that no year wraps around.
    const long long step = m_period * m_rule.interval;
    const long long daysLeft = (sys_days{year{LastYear} / December / 31} - m_firstPeriodDay).count();
    std::vector<sys_days> found;
    const year_month_day startDate{m_start.day};
    switch (m_rule.frequency) {
    case SimpleRule::Frequency::Daily:
        if (step > daysLeft)
            return false;
        found.push_back(m_firstPeriodDay + days{step});
        break;
    case SimpleRule::Frequency::Weekly: {
        if (step * 7 > daysLeft)
            return false;
        const sys_days weekBegin = m_firstPeriodDay + days{step * 7};
        for (const weekday day : m_rule.weekdays)
            found.push_back(weekBegin + days{daysIntoWeek(day, m_rule.weekStart)});
        break;
    }
    case SimpleRule::Frequency::Monthly: {
        const long long monthIndex = int(startDate.year()) * 12LL + (unsigned(startDate.month()) - 1) + step;
        if (monthIndex / 12 > LastYear)
            return false;
        const year_month month{year{int(monthIndex / 12)}, std::chrono::month{unsigned(monthIndex % 12) + 1}};
        if (m_rule.nthWeekday) {
            const weekday day = *m_rule.nthWeekday;
            if (m_rule.nthWeekdayIndex > 0) {
                const year_month_weekday nth{month.year(), month.month(), day[unsigned(m_rule.nthWeekdayIndex)]};
                if (nth.ok())
                    found.push_back(sys_days{nth});
            } else {
                const sys_days last{year_month_weekday_last{month.year(), month.month(), day[std::chrono::last]}};
                const sys_days nth = last - days{7 * (-m_rule.nthWeekdayIndex - 1)};
                if (year_month_day{nth}.month() == month.month())
                    found.push_back(nth);
            }
        } else {
            const unsigned length = unsigned(year_month_day_last{month.year(), month_day_last{month.month()}}.day());
            int dayOfMonth = int(unsigned(startDate.day()));
            if (m_rule.monthDay > 0)
                dayOfMonth = m_rule.monthDay;
            else if (m_rule.monthDay < 0)
                dayOfMonth = int(length) + 1 + m_rule.monthDay;
            if (dayOfMonth >= 1 && dayOfMonth <= int(length))
                found.push_back(sys_days{month / day{unsigned(dayOfMonth)}});
        }
        break;
    }
    case SimpleRule::Frequency::Yearly: {
        if (int(startDate.year()) + step > LastYear)
            return false;
        const year y{int(int(startDate.year()) + step)};
        const year_month_day date = y / startDate.month() / startDate.day();
        if (date.ok())
            found.push_back(sys_days{date});
        break;
    }
    }
    if (!found.empty() && int(year_month_day{found.front()}.year()) > LastYear)
        return false;
    ++m_period;
    for (auto it = found.rbegin(); it != found.rend(); ++it)
        if (*it >= m_start.day)
            m_pending.push_back(*it);
    return true;
}

std::optional<WallTime> SimpleRecurrence::next()
{
    while (!m_done && m_pending.empty())
        m_done = !fillPeriod();
    if (m_done)
        return std::nullopt;
    const WallTime next{m_pending.back(), m_start.seconds};
    m_pending.pop_back();
    if ((m_rule.until && next > *m_rule.until) || (m_rule.count > 0 && m_emitted >= m_rule.count)) {
        m_done = true;
        return std::nullopt;
    }
    ++m_emitted;
    return next;
}
