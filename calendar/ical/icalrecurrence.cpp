#include "calendar/ical/icalrecurrence.h"

#include "calendar/calendarmath.h"

#include <libical/ical.h>

#include <algorithm>
#include <numeric>

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

namespace {

constexpr int SecondsPerDay = 86400;

// Fills `set` from a BY part of values low..high; false when a value lies outside them.
template <size_t N> bool fill(std::bitset<N> &set, const short *values, int size, int low, int high)
{
    for (const short value : valuesOf(values, size)) {
        if (value < low || value > high)
            return false;
        set.set(size_t(value));
    }
    return true;
}

bool fillSigned(std::vector<int> &list, const short *values, int size, int limit)
{
    for (const short value : valuesOf(values, size)) {
        if (value == 0 || value < -limit || value > limit)
            return false;
        list.push_back(value);
    }
    return true;
}

} // namespace

std::optional<SubDailyRule> subDailyRuleOf(const icalrecurrencetype &rule, std::optional<WallTime> until, WallTime start,
                                           SubDailyProblem *problem)
{
    const auto fail = [problem](SubDailyProblem why) -> std::optional<SubDailyRule> {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    SubDailyRule subDaily;
    switch (rule.freq) {
    case ICAL_SECONDLY_RECURRENCE: subDaily.unitSeconds = 1; break;
    case ICAL_MINUTELY_RECURRENCE: subDaily.unitSeconds = 60; break;
    case ICAL_HOURLY_RECURRENCE: subDaily.unitSeconds = 3600; break;
    default: return fail(SubDailyProblem::NotSubDaily);
    }
    if (rule.rscale != nullptr && rule.rscale[0] != '\0')
        return fail(SubDailyProblem::Rscale);
    if (!isEmpty(rule.by_set_pos))
        return fail(SubDailyProblem::SetPosition);
    if (!isEmpty(rule.by_week_no))
        return fail(SubDailyProblem::WeekNumber);
    if (rule.interval < 1 || rule.count < 0)
        return fail(SubDailyProblem::BadValue);
    subDaily.interval = rule.interval;
    subDaily.count = rule.count;
    subDaily.until = until;

    const int startMinute = start.seconds / 60 % 60, startSecond = start.seconds % 60;
    // Second 60 (a leap second) never comes on these clocks; a list of it alone matches nothing.
    bool secondsRead = true;
    for (const short value : valuesOf(rule.by_second, ICAL_BY_SECOND_SIZE)) {
        if (value < 0 || value > 60)
            secondsRead = false;
        else if (value < 60)
            subDaily.seconds.set(size_t(value));
    }
    if (!secondsRead || !fill(subDaily.minutes, rule.by_minute, ICAL_BY_MINUTE_SIZE, 0, 59)
        || !fill(subDaily.hours, rule.by_hour, ICAL_BY_HOUR_SIZE, 0, 23)
        || !fill(subDaily.months, rule.by_month, ICAL_BY_MONTH_SIZE, 1, 12)
        || !fillSigned(subDaily.monthDays, rule.by_month_day, ICAL_BY_MONTHDAY_SIZE, 31)
        || !fillSigned(subDaily.yearDays, rule.by_year_day, ICAL_BY_YEARDAY_SIZE, 366))
        return fail(SubDailyProblem::BadValue);
    if (isEmpty(rule.by_hour))
        subDaily.hours.set();
    if (isEmpty(rule.by_minute)) {
        if (subDaily.unitSeconds <= 60)
            subDaily.minutes.set();
        else
            subDaily.minutes.set(size_t(startMinute));
    }
    if (isEmpty(rule.by_second)) {
        if (subDaily.unitSeconds == 1)
            subDaily.seconds.set();
        else
            subDaily.seconds.set(size_t(startSecond));
    }
    for (const short value : valuesOf(rule.by_day, ICAL_BY_DAY_SIZE)) {
        const auto day = weekdayOf(icalrecurrencetype_day_day_of_week(value));
        if (!day)
            return fail(SubDailyProblem::BadValue);
        if (icalrecurrencetype_day_position(value) != 0)
            return fail(SubDailyProblem::WeekdayOrdinal);
        subDaily.weekdays.set(day->c_encoding());
    }
    if (problem)
        *problem = SubDailyProblem::None;
    return subDaily;
}

SubDailyDays::SubDailyDays(const SubDailyRule &rule, WallTime start)
    : m_rule(rule), m_start(start), m_unitsPerDay(SecondsPerDay / rule.unitSeconds),
      m_startUnit(floorDiv(start.day.time_since_epoch().count() * SecondsPerDay + start.seconds, rule.unitSeconds)),
      m_picksDays(rule.months.any() || rule.weekdays.any() || !rule.monthDays.empty() || !rule.yearDays.empty()),
      m_day(start.day)
{
    switch (m_rule.unitSeconds) {
    case 1: m_inUnit = {0}; break;
    case 60:
        for (int s = 0; s < 60; ++s)
            if (m_rule.seconds[size_t(s)])
                m_inUnit.push_back(s);
        break;
    default:
        for (int m = 0; m < 60; ++m)
            for (int s = 0; s < 60; ++s)
                if (m_rule.minutes[size_t(m)] && m_rule.seconds[size_t(s)])
                    m_inUnit.push_back(m * 60 + s);
        break;
    }
    if (!m_inUnit.empty())
        for (long long unit = 0; unit < m_unitsPerDay; ++unit)
            if (unitValid(unit))
                m_validUnits.push_back(unit);
    m_work += m_unitsPerDay;
    m_phases.resize(size_t(m_rule.interval));
    if (m_validUnits.empty())
        m_done = true;
}

bool SubDailyDays::unitValid(long long unit) const
{
    switch (m_rule.unitSeconds) {
    case 1: return m_rule.hours[size_t(unit / 3600)] && m_rule.minutes[size_t(unit / 60 % 60)] && m_rule.seconds[size_t(unit % 60)];
    case 60: return m_rule.hours[size_t(unit / 60)] && m_rule.minutes[size_t(unit % 60)];
    default: return m_rule.hours[size_t(unit)];
    }
}

bool SubDailyDays::dayMatches(sys_days day) const
{
    if (!m_picksDays)
        return true;
    const year_month_day date{day};
    if (m_rule.months.any() && !m_rule.months[unsigned(date.month())])
        return false;
    if (m_rule.weekdays.any() && !m_rule.weekdays[weekday{day}.c_encoding()])
        return false;
    if (!m_rule.monthDays.empty()) {
        const int length = int(unsigned(year_month_day_last{date.year(), month_day_last{date.month()}}.day()));
        const int dayOfMonth = int(unsigned(date.day()));
        if (std::none_of(m_rule.monthDays.begin(), m_rule.monthDays.end(),
                         [&](int value) { return value > 0 ? value == dayOfMonth : length + 1 + value == dayOfMonth; }))
            return false;
    }
    if (!m_rule.yearDays.empty()) {
        const int length = date.year().is_leap() ? 366 : 365;
        const int dayOfYear = int((day - sys_days{date.year() / January / 1}).count()) + 1;
        if (std::none_of(m_rule.yearDays.begin(), m_rule.yearDays.end(),
                         [&](int value) { return value > 0 ? value == dayOfYear : length + 1 + value == dayOfYear; }))
            return false;
    }
    return true;
}

long long SubDailyDays::phaseOf(sys_days day) const
{
    // Unit u of the day is an occurrence's when (day * units a day + u - DTSTART's unit) is a
    // multiple of the interval, that is when u is this modulo the interval.
    return floorMod(m_startUnit - day.time_since_epoch().count() * m_unitsPerDay, m_rule.interval);
}

SubDailyDays::Bounds SubDailyDays::boundsOf(sys_days day) const
{
    Bounds bounds;
    if (day == m_start.day)
        bounds.low = m_start.seconds;
    if (m_rule.until && day == m_rule.until->day)
        bounds.high = m_rule.until->seconds;
    return bounds;
}

template <typename Take> void SubDailyDays::forEachUnit(long long phase, long long fromUnit, long long toUnit, Take take)
{
    // Either the units of the phase are tried, or the allowed ones: whichever are fewer.
    const long long candidates = (toUnit - fromUnit) / m_rule.interval + 1;
    if (candidates <= (long long)m_validUnits.size()) {
        for (long long unit = fromUnit + floorMod(phase - fromUnit, m_rule.interval); unit <= toUnit; unit += m_rule.interval) {
            ++m_work;
            if (unitValid(unit) && !take(unit))
                return;
        }
        return;
    }
    for (auto it = std::lower_bound(m_validUnits.begin(), m_validUnits.end(), fromUnit); it != m_validUnits.end() && *it <= toUnit;
         ++it) {
        ++m_work;
        if (floorMod(*it - phase, m_rule.interval) == 0 && !take(*it))
            return;
    }
}

long long SubDailyDays::countIn(long long phase, Bounds bounds)
{
    long long count = 0;
    const long long fromUnit = bounds.low / m_rule.unitSeconds, toUnit = bounds.high / m_rule.unitSeconds;
    forEachUnit(phase, fromUnit, toUnit, [&](long long unit) {
        if (unit != fromUnit && unit != toUnit) {
            count += (long long)m_inUnit.size();
            return true;
        }
        const int base = int(unit * m_rule.unitSeconds);
        count += std::count_if(m_inUnit.begin(), m_inUnit.end(),
                               [&](int offset) { return base + offset >= bounds.low && base + offset <= bounds.high; });
        return true;
    });
    return count;
}

std::optional<int> SubDailyDays::kthIn(long long phase, Bounds bounds, long long k)
{
    std::optional<int> found;
    const long long fromUnit = bounds.low / m_rule.unitSeconds, toUnit = bounds.high / m_rule.unitSeconds;
    forEachUnit(phase, fromUnit, toUnit, [&](long long unit) {
        const int base = int(unit * m_rule.unitSeconds);
        if (unit != fromUnit && unit != toUnit && k > (long long)m_inUnit.size()) {
            k -= (long long)m_inUnit.size();
            return true;
        }
        for (const int offset : m_inUnit) {
            if (base + offset >= bounds.low && base + offset <= bounds.high && --k == 0) {
                found = base + offset;
                return false;
            }
        }
        return true;
    });
    return found;
}

std::optional<int> SubDailyDays::firstIn(long long phase, Bounds bounds)
{
    return kthIn(phase, bounds, 1);
}

std::optional<int> SubDailyDays::lastIn(long long phase, Bounds bounds)
{
    std::optional<int> found;
    const long long fromUnit = bounds.low / m_rule.unitSeconds, toUnit = bounds.high / m_rule.unitSeconds;
    forEachUnit(phase, fromUnit, toUnit, [&](long long unit) {
        const int base = int(unit * m_rule.unitSeconds);
        for (auto it = m_inUnit.rbegin(); it != m_inUnit.rend(); ++it) {
            if (base + *it >= bounds.low && base + *it <= bounds.high) {
                found = base + *it;
                break;
            }
        }
        return true;
    });
    return found;
}

const SubDailyDays::PhaseStats &SubDailyDays::statsOf(long long phase)
{
    PhaseStats &stats = m_phases[size_t(phase)];
    if (!stats.known) {
        const Bounds whole;
        stats.known = true;
        const auto first = firstIn(phase, whole);
        stats.first = first.value_or(0);
        stats.last = first ? lastIn(phase, whole).value_or(0) : 0;
        stats.count = !first ? 0 : m_rule.count > 0 ? countIn(phase, whole) : 1;
    }
    return stats;
}

std::optional<SubDailyDays::Day> SubDailyDays::next(sys_days from, sys_days to)
{
    if (m_rule.count == 0 && m_day < from)
        m_day = from;
    const long long interval = m_rule.interval;
    while (!m_done && m_day <= to) {
        if (m_work > m_workLimit) {
            m_exhausted = true;
            return std::nullopt;
        }
        const sys_days day = m_day;
        m_day += days{1};
        ++m_work;
        if (m_rule.until && day > m_rule.until->day) {
            m_done = true;
            break;
        }
        if (m_rule.count > 0 && !m_picksDays && !m_cycleTried && day > m_start.day && day < from) {
            // The phases repeat every `cycle` days: whole cycles before `from` are counted at once.
            m_cycleTried = true;
            const long long cycle = interval / std::gcd(interval, m_unitsPerDay);
            sys_days limit = from;
            if (m_rule.until && m_rule.until->day < limit)
                limit = m_rule.until->day;
            if (cycle <= (limit - day).count()) {
                long long perCycle = 0;
                for (long long i = 0; i < cycle; ++i)
                    perCycle += statsOf(phaseOf(day + days{i})).count;
                if (perCycle == 0) {
                    m_done = true;
                    break;
                }
                const long long cycles = std::min((limit - day).count() / cycle, (m_rule.count - m_emitted - 1) / perCycle);
                m_emitted += cycles * perCycle;
                m_day = day + days{cycles * cycle};
                continue;
            }
        }
        if (!dayMatches(day))
            continue;
        const long long phase = phaseOf(day);
        Bounds bounds = boundsOf(day);
        std::optional<int> first, last;
        long long count = 0;
        if (bounds.low == 0 && bounds.high == SecondsPerDay - 1) {
            const PhaseStats &stats = statsOf(phase);
            count = stats.count;
            if (count > 0) {
                first = stats.first;
                last = stats.last;
            }
        } else {
            first = firstIn(phase, bounds);
            if (first) {
                last = lastIn(phase, bounds);
                count = m_rule.count > 0 ? countIn(phase, bounds) : 1;
            }
        }
        if (!first)
            continue;
        if (m_rule.count > 0 && m_emitted + count >= m_rule.count) {
            // The day of the last occurrence.
            last = kthIn(phase, bounds, m_rule.count - m_emitted);
            m_done = true;
        }
        m_emitted += count;
        if (day >= from)
            return Day{day, *first, last.value_or(*first)};
    }
    return std::nullopt;
}

std::optional<int> SubDailyDays::firstFrom(const Day &day, int seconds)
{
    if (seconds > day.last)
        return std::nullopt;
    return firstIn(phaseOf(day.day), {std::max(seconds, day.first), day.last});
}

std::optional<int> SubDailyDays::lastUntil(const Day &day, int seconds)
{
    if (seconds < day.first)
        return std::nullopt;
    return lastIn(phaseOf(day.day), {day.first, std::min(seconds, day.last)});
}
