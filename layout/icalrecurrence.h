#pragma once

// The everyday recurrence rules, expanded without libical. libical 3.0 as Debian builds it
// does its recurrence arithmetic through ICU calendars, 3 to 8 microseconds an occurrence,
// too slow for a file of thousands of weekly events; these rules take nanoseconds. Anything
// outside the subset goes to libical's iterator. tests/layout/icalrecurrence_test.cpp checks
// the subset against libical occurrence for occurrence.

#include <chrono>
#include <compare>
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
