#pragma once

// The everyday recurrence rules, expanded without libical. libical 3.0 as Debian builds it
// does its recurrence arithmetic through ICU calendars, 3 to 8 microseconds an occurrence,
// too slow for a file of thousands of weekly events; these rules take nanoseconds. Anything
// outside the subset goes to libical's iterator. tests/calendar/ical/icalrecurrence_test.cpp checks
// the subset against libical occurrence for occurrence.

#include <bitset>
#include <chrono>
#include <compare>
#include <limits>
#include <optional>
#include <vector>

struct icalrecurrencetype;

// A moment on a wall clock: a day and a time of day, in whatever zone its event is in.
struct WallTime
{
    std::chrono::sys_days day;
    int seconds = 0;  // since midnight, 0..86399

    auto operator<=>(const WallTime &) const = default;
};

// FREQ=DAILY, WEEKLY (BYDAY with plain weekdays allowed), MONTHLY (one BYMONTHDAY or one
// BYDAY with an ordinal allowed) or YEARLY with no BY parts; INTERVAL, COUNT, UNTIL, WKST.
struct SimpleRule
{
    enum class Frequency { Daily, Weekly, Monthly, Yearly };

    Frequency frequency = Frequency::Daily;
    int interval = 1;                          // >= 1
    int count = 0;                             // occurrences from DTSTART on; 0: no COUNT
    std::optional<WallTime> until;             // last allowed moment, inclusive
    std::vector<std::chrono::weekday> weekdays;  // Weekly; empty: the weekday of DTSTART
    std::chrono::weekday weekStart = std::chrono::Monday;
    int monthDay = 0;                          // Monthly: -31..-1 (from the end), 1..31; 0: none
    std::optional<std::chrono::weekday> nthWeekday;  // Monthly: the weekday of BYDAY=2TU ...
    int nthWeekdayIndex = 0;                   // ... and its ordinal, -5..-1 or 1..5
};

// `rule` as a SimpleRule, or nullopt when it lies outside the subset. `until` is the rule's
// UNTIL on the wall clock of DTSTART (nullopt without UNTIL); the caller converts it.
std::optional<SimpleRule> simpleRuleOf(const icalrecurrencetype &rule, std::optional<WallTime> until);

// The occurrences of a SimpleRule from DTSTART on, in order, as libical's iterator gives
// them: DTSTART itself only when it matches the rule, days that do not exist (31 April,
// 29 February of a common year, a fifth Monday) skipped.
class SimpleRecurrence
{
public:
    SimpleRecurrence(const SimpleRule &rule, WallTime start);

    // Moves on to the period holding `day`, skipping the occurrences before it. Only for a
    // rule without COUNT, whose later occurrences do not depend on the earlier ones.
    void skipTo(std::chrono::sys_days day);

    // The next occurrence, or nullopt after the last one or beyond the year 9999.
    std::optional<WallTime> next();

private:
    bool fillPeriod();

    SimpleRule m_rule;
    WallTime m_start;
    std::chrono::sys_days m_firstPeriodDay;  // the first day of DTSTART's period
    long long m_period = 0;                  // periods of `interval` units after the first
    std::vector<std::chrono::sys_days> m_pending;  // this period's days, latest first
    int m_emitted = 0;
    bool m_done = false;
};

// FREQ=SECONDLY, MINUTELY or HOURLY, with the BY parts that only pick among times and days
// (BYSECOND, BYMINUTE, BYHOUR, BYDAY without ordinal, BYMONTHDAY, BYYEARDAY, BYMONTH),
// INTERVAL, COUNT and UNTIL. Such a rule may have 86,400 occurrences a day, and libical steps
// through every second between two of them, so its occurrences are never listed: a calendar
// needs the days they fall on, and for each day the first and the last of them.
struct SubDailyRule
{
    int unitSeconds = 3600;  // 1 (SECONDLY), 60 (MINUTELY) or 3600 (HOURLY)
    long long interval = 1;  // in units, >= 1
    long long count = 0;     // occurrences from DTSTART on; 0: no COUNT
    std::optional<WallTime> until;  // last allowed moment, inclusive
    // The times of day allowed. A part the rule leaves out allows every value when it is
    // coarser than the frequency (every hour of a MINUTELY rule), and only the value of
    // DTSTART when it is finer (the second of DTSTART for a MINUTELY rule).
    std::bitset<24> hours;
    std::bitset<60> minutes;
    std::bitset<60> seconds;
    // The days allowed; empty lists and sets allow every day.
    std::bitset<13> months;          // 1..12
    std::bitset<7> weekdays;         // Sunday 0 .. Saturday 6
    std::vector<int> monthDays;      // -31..-1, 1..31
    std::vector<int> yearDays;       // -366..-1, 1..366
};

// Why a sub-daily rule cannot be worked out here, for a message; empty when it can.
enum class SubDailyProblem { None, NotSubDaily, SetPosition, WeekNumber, WeekdayOrdinal, Rscale, BadValue };

// `rule` as a SubDailyRule for occurrences from `start` on, or nullopt with the reason.
// `until` is the rule's UNTIL on the wall clock of DTSTART (nullopt without UNTIL).
std::optional<SubDailyRule> subDailyRuleOf(const icalrecurrencetype &rule, std::optional<WallTime> until, WallTime start,
                                           SubDailyProblem *problem = nullptr);

// The days on which a SubDailyRule has occurrences from DTSTART on, in order. A rule without
// COUNT starts at once on the day asked for; one with COUNT counts its occurrences from
// DTSTART up to it, day by day, or a whole number of cycles at once when no BY part picks
// days (the times of day repeat every interval / gcd(interval, units a day) days).
class SubDailyDays
{
public:
    SubDailyDays(const SubDailyRule &rule, WallTime start);

    struct Day
    {
        std::chrono::sys_days day;
        int first = 0;  // seconds since midnight of the first occurrence of the day ...
        int last = 0;   // ... and of the last
    };

    // The next day from `from` on (and after the day returned before) up to `to` with an
    // occurrence, or nullopt when there is none.
    std::optional<Day> next(std::chrono::sys_days from, std::chrono::sys_days to);

    // The first occurrence of `day` (returned by next) at or after `seconds`, and the last at
    // or before it, within the occurrences of that day; nullopt when there is none.
    std::optional<int> firstFrom(const Day &day, int seconds);
    std::optional<int> lastUntil(const Day &day, int seconds);

    // Units of work done so far: days looked at and time units of a day tried. next() gives
    // up, returning nullopt with exhausted() true, once the work passes `limit`.
    long long work() const { return m_work; }
    void setWorkLimit(long long limit) { m_workLimit = limit; }
    bool exhausted() const { return m_exhausted; }

private:
    struct Bounds
    {
        int low = 0;       // seconds since midnight, inclusive
        int high = 86399;  // inclusive
    };
    struct PhaseStats
    {
        bool known = false;
        long long count = 0;
        int first = 0, last = 0;
    };
    bool dayMatches(std::chrono::sys_days day) const;
    long long phaseOf(std::chrono::sys_days day) const;
    Bounds boundsOf(std::chrono::sys_days day) const;
    bool unitValid(long long unit) const;
    // Calls take(unit) for the units of the day in [fromUnit, toUnit] whose index is `phase`
    // modulo the interval and whose time is allowed, in order, until take returns false.
    template <typename Take> void forEachUnit(long long phase, long long fromUnit, long long toUnit, Take take);
    long long countIn(long long phase, Bounds bounds);
    std::optional<int> kthIn(long long phase, Bounds bounds, long long k);
    std::optional<int> firstIn(long long phase, Bounds bounds);
    std::optional<int> lastIn(long long phase, Bounds bounds);
    const PhaseStats &statsOf(long long phase);

    SubDailyRule m_rule;
    WallTime m_start;
    long long m_unitsPerDay;
    long long m_startUnit;                // unit index of DTSTART since 1970-01-01
    bool m_picksDays;                      // some BY part picks days
    std::vector<int> m_inUnit;             // offsets of the allowed times within a unit, ascending
    std::vector<long long> m_validUnits;   // units of a day whose time is allowed, ascending
    std::vector<PhaseStats> m_phases;      // by phase (0 .. interval - 1), worked out when first met
    std::chrono::sys_days m_day;           // the next day to look at
    long long m_emitted = 0;               // occurrences before m_day (with COUNT)
    bool m_cycleTried = false;
    bool m_done = false;
    bool m_exhausted = false;
    long long m_work = 0;
    long long m_workLimit = std::numeric_limits<long long>::max();
};
