#include "calendar/ical/icalrecurrence.h"

#include "calendar/ical/icalsupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <random>
#include <string>

using namespace std::chrono;

// libical's own recurrence iterator is the oracle: every rule of the subset must give the
// occurrences libical gives, in the same order.

namespace {

WallTime wallOf(const icaltimetype &time)
{
    const year_month_day date{year{time.year}, month{unsigned(time.month)}, day{unsigned(time.day)}};
    return {sys_days{date}, time.is_date ? 0 : time.hour * 3600 + time.minute * 60 + time.second};
}

std::string text(WallTime time)
{
    const year_month_day date{time.day};
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u+%ds", int(date.year()), unsigned(date.month()),
                  unsigned(date.day()), time.seconds);
    return buffer;
}

// An iCalendar DATE, or DATE-TIME when `time` is given ("T093000").
std::string icalDate(year_month_day date, const std::string &time = {})
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d%02u%02u", int(date.year()), unsigned(date.month()), unsigned(date.day()));
    return buffer + time;
}

// Occurrences from `start` on (libical's iterator), up to `last` or the rule's own end; only
// those from `from` on.
std::vector<std::string> libicalOccurrences(const std::string &rrule, const std::string &start, sys_days last,
                                            sys_days from = sys_days::min())
{
    ensureLibicalSetUp();
    const IcalRecurrenceRule rule(rrule.c_str());
    IcalIteratorPtr iterator(icalrecur_iterator_new(rule.rule(), icaltime_from_string(start.c_str())));
    std::vector<std::string> list;
    while (iterator) {
        const icaltimetype next = icalrecur_iterator_next(iterator.get());
        if (icaltime_is_null_time(next) || wallOf(next).day > last)
            break;
        if (wallOf(next).day >= from)
            list.push_back(text(wallOf(next)));
    }
    return list;
}

// The occurrences SimpleRecurrence gives, as libicalOccurrences; nullopt when the rule lies
// outside the subset.
std::optional<std::vector<std::string>> simpleOccurrences(const std::string &rrule, const std::string &start, sys_days last,
                                                          std::optional<sys_days> skipTo = std::nullopt)
{
    ensureLibicalSetUp();
    const IcalRecurrenceRule rule(rrule.c_str());
    std::optional<WallTime> until;
    if (!icaltime_is_null_time(rule.rule().until))
        until = wallOf(rule.rule().until);
    const auto simple = simpleRuleOf(rule.rule(), until);
    if (!simple)
        return std::nullopt;
    SimpleRecurrence recurrence(*simple, wallOf(icaltime_from_string(start.c_str())));
    if (skipTo)
        recurrence.skipTo(*skipTo);
    std::vector<std::string> occurrences;
    while (const auto next = recurrence.next()) {
        if (next->day > last)
            break;
        if (!skipTo || next->day >= *skipTo)
            occurrences.push_back(text(*next));
    }
    return occurrences;
}

struct RuleRow
{
    const char *name;
    const char *rrule;
    const char *start;
};

const RuleRow ruleRows[] = {
    {"daily", "FREQ=DAILY", "20240226T090000"},
    {"daily_interval_3_count", "FREQ=DAILY;INTERVAL=3;COUNT=20", "20240226T090000"},
    {"daily_until_inclusive", "FREQ=DAILY;UNTIL=20240305T090000", "20240226T090000"},
    {"daily_until_before_time", "FREQ=DAILY;UNTIL=20240305T085959", "20240226T090000"},
    {"weekly_plain", "FREQ=WEEKLY", "20240131"},
    {"weekly_interval_2_until_date", "FREQ=WEEKLY;INTERVAL=2;UNTIL=20241231", "20240105"},
    {"weekly_byday_list", "FREQ=WEEKLY;BYDAY=MO,WE,FR", "20240103T183000"},
    {"weekly_byday_start_unmatched", "FREQ=WEEKLY;BYDAY=TU,TH;COUNT=9", "20240103T183000"},
    {"weekly_interval_2_wkst_su", "FREQ=WEEKLY;INTERVAL=2;BYDAY=TU,SU;WKST=SU;COUNT=12", "19970805T090000"},
    {"weekly_interval_2_wkst_mo", "FREQ=WEEKLY;INTERVAL=2;BYDAY=TU,SU;WKST=MO;COUNT=12", "19970805T090000"},
    {"monthly_plain_31st", "FREQ=MONTHLY;COUNT=10", "20240131"},
    {"monthly_plain_29th_leap", "FREQ=MONTHLY;INTERVAL=1", "20240129T120000"},
    {"monthly_bymonthday_last", "FREQ=MONTHLY;BYMONTHDAY=-1", "20240131"},
    {"monthly_bymonthday_minus_3", "FREQ=MONTHLY;BYMONTHDAY=-3;INTERVAL=2", "20240101"},
    {"monthly_bymonthday_30", "FREQ=MONTHLY;BYMONTHDAY=30", "20240101"},
    {"monthly_second_tuesday", "FREQ=MONTHLY;BYDAY=2TU;UNTIL=20241231", "20240109"},
    {"monthly_fifth_monday", "FREQ=MONTHLY;BYDAY=5MO", "20240129"},
    {"monthly_last_friday", "FREQ=MONTHLY;BYDAY=-1FR;UNTIL=20241231", "20240126"},
    {"monthly_second_last_sunday", "FREQ=MONTHLY;BYDAY=-2SU;COUNT=14", "20231224T100000"},
    {"monthly_first_monday_start_unmatched", "FREQ=MONTHLY;BYDAY=1MO;COUNT=5", "20240110"},
    {"yearly_plain", "FREQ=YEARLY", "20240310"},
    {"yearly_leap_day", "FREQ=YEARLY;COUNT=4", "20000229"},
    {"yearly_interval_4_century", "FREQ=YEARLY;INTERVAL=4", "20880229"},
};

class RuleMatchesLibical : public ::testing::TestWithParam<RuleRow> {};

TEST_P(RuleMatchesLibical, OccurrenceForOccurrence)
{
    const RuleRow &row = GetParam();
    const sys_days last = sys_days{year{std::stoi(std::string(row.start, 4)) + 20} / December / 31};
    const auto occurrences = simpleOccurrences(row.rrule, row.start, last);
    ASSERT_TRUE(occurrences) << row.rrule;
    const std::vector<std::string> expected = libicalOccurrences(row.rrule, row.start, last);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(*occurrences, expected);
    if (std::string(row.rrule).find("COUNT") != std::string::npos)
        return;  // skipTo is only for rules without COUNT
    // Skipping to a later year leaves its occurrences as libical has them for the same rule,
    // begun in 2013 (2012 for 29 February).
    std::string start = row.start;
    start.replace(0, 4, start.substr(4, 4) == "0229" ? "2012" : "2013");
    const sys_days from = sys_days{year{2024} / January / 1};
    const sys_days to = sys_days{year{2024} / December / 31};
    EXPECT_EQ(simpleOccurrences(row.rrule, start, to, from), libicalOccurrences(row.rrule, start, to, from))
        << "from " << start;
}

INSTANTIATE_TEST_SUITE_P(SimpleRule, RuleMatchesLibical, ::testing::ValuesIn(ruleRows),
                         [](const ::testing::TestParamInfo<RuleRow> &info) { return std::string(info.param.name); });

TEST(SimpleRule, LeavesOtherRulesToLibical)
{
    ensureLibicalSetUp();
    for (const char *rrule : {"FREQ=HOURLY", "FREQ=MONTHLY;BYDAY=MO", "FREQ=MONTHLY;BYDAY=1MO,3MO",
                              "FREQ=YEARLY;BYMONTH=11;BYDAY=4TH", "FREQ=DAILY;BYHOUR=9,17",
                              "FREQ=MONTHLY;BYMONTHDAY=1,15", "FREQ=WEEKLY;BYDAY=1MO", "FREQ=MONTHLY;BYDAY=-1FR;BYSETPOS=1",
                              "FREQ=YEARLY;BYWEEKNO=20", "RSCALE=GREGORIAN;FREQ=YEARLY",
                              "FREQ=WEEKLY;INTERVAL=2;WKST=WE"}) {
        SCOPED_TRACE(rrule);
        EXPECT_FALSE(simpleRuleOf(IcalRecurrenceRule(rrule).rule(), std::nullopt));
    }
}

TEST(SimpleRule, RandomRulesMatchLibical)
{
    // A fixed seed, so a failure repeats; the rows print the rule that differs.
    std::mt19937 random(20240229);
    const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const auto signedPick = [&pick](int high) { return pick(0, 1) ? pick(1, high) : -pick(1, high); };
    const char *weekdayNames[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
    int compared = 0;
    for (int i = 0; i < 300; ++i) {
        std::string rrule;
        switch (pick(0, 3)) {
        case 0: rrule = "FREQ=DAILY"; break;
        case 1: {
            rrule = "FREQ=WEEKLY";
            if (pick(0, 1)) {
                std::string list;
                for (int d = 0; d < 7; ++d)
                    if (pick(0, 2) == 0)
                        list += std::string(list.empty() ? "" : ",") + weekdayNames[d];
                if (!list.empty())
                    rrule += ";BYDAY=" + list;
            }
            rrule += std::string(";WKST=") + weekdayNames[pick(0, 6)];
            break;
        }
        case 2:
            rrule = "FREQ=MONTHLY";
            if (pick(0, 2) == 0)
                rrule += ";BYMONTHDAY=" + std::to_string(signedPick(31));
            else if (pick(0, 1))
                rrule += ";BYDAY=" + std::to_string(signedPick(5)) + weekdayNames[pick(0, 6)];
            break;
        default: rrule = "FREQ=YEARLY"; break;
        }
        rrule += ";INTERVAL=" + std::to_string(pick(1, 4));
        const bool allDay = pick(0, 1);
        const year_month_day date{sys_days{year{2020} / January / 1} + days{pick(0, 3650)}};
        char time[8] = "";
        if (!allDay) {
            const int hour = pick(0, 23);
            std::snprintf(time, sizeof time, "T%02d%02d00", hour, pick(0, 59));
        }
        const std::string start = icalDate(date, time);
        if (pick(0, 2) == 0)
            rrule += ";COUNT=" + std::to_string(pick(1, 40));
        else if (pick(0, 1))
            rrule += ";UNTIL=" + icalDate(sys_days{date} + days{pick(0, 900)}, allDay ? "" : "T235959");
        SCOPED_TRACE(rrule + " from " + start);
        const sys_days last = sys_days{date} + days{3 * 366};
        const auto occurrences = simpleOccurrences(rrule, start, last);
        if (!occurrences)
            continue;
        EXPECT_EQ(*occurrences, libicalOccurrences(rrule, start, last));
        ++compared;
        if (rrule.find("COUNT") == std::string::npos) {
            // Skipping ahead gives the same later occurrences.
            const sys_days skipTo = sys_days{date} + days{pick(1, 700)};
            EXPECT_EQ(simpleOccurrences(rrule, start, last, skipTo), libicalOccurrences(rrule, start, last, skipTo))
                << "skipping to " << text({skipTo, 0});
        }
    }
    // Only weekly rules with an INTERVAL and a week beginning on Tuesday to Saturday go to libical.
    EXPECT_GT(compared, 250);
}

} // namespace

namespace {

// "yyyy-mm-dd first-last" for each day with occurrences, the seconds of the day of its first
// and last occurrence.
std::string dayText(sys_days day, int first, int last)
{
    return text({day, first}).substr(0, 10) + " " + std::to_string(first) + "-" + std::to_string(last);
}

// The days of a rule from libical's iterator, from `from` up to `last`.
std::vector<std::string> libicalDays(const std::string &rrule, const std::string &start, sys_days from, sys_days last)
{
    ensureLibicalSetUp();
    const IcalRecurrenceRule parsed(rrule.c_str());
    // An UNTIL just after the span, or libical searches a rule that does not match second by
    // second up to the year 2582.
    icalrecurrencetype rule = parsed.rule();
    const icaltimetype end = icaltime_from_string((icalDate(year_month_day{last + std::chrono::days{1}}) + "T000000").c_str());
    if (icaltime_is_null_time(rule.until) || icaltime_compare(rule.until, end) > 0)
        rule.until = end;
    IcalIteratorPtr iterator(icalrecur_iterator_new(rule, icaltime_from_string(start.c_str())));
    std::vector<std::string> days;
    std::optional<WallTime> first, previous;
    const auto flush = [&] {
        if (first)
            days.push_back(dayText(first->day, first->seconds, previous->seconds));
    };
    while (iterator) {
        const icaltimetype next = icalrecur_iterator_next(iterator.get());
        if (icaltime_is_null_time(next) || wallOf(next).day > last)
            break;
        const WallTime time = wallOf(next);
        if (time.day < from)
            continue;
        if (!first || first->day != time.day) {
            flush();
            first = time;
        }
        previous = time;
    }
    flush();
    return days;
}

bool listed(const short *values, int size, int value)
{
    for (int i = 0; i < size && values[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        if (values[i] == value)
            return true;
    return false;
}

// The days of a rule repeating within a day as its definition has them, by brute force: every
// `interval` units from DTSTART's, each unit's times (the finer BY parts, or DTSTART's own
// seconds and minutes), those the other BY parts allow. libical 3.0 is no judge of rules with
// an INTERVAL and BY parts: it takes BYHOUR of an hourly rule as a list to expand, and leaves
// the interval when a BY part of a coarser unit does not match; nor of the first day, where it
// passes over matches before the time of DTSTART's next unit.
std::vector<std::string> definedDays(const std::string &rrule, const std::string &start, sys_days from, sys_days last)
{
    ensureLibicalSetUp();
    const IcalRecurrenceRule parsed(rrule.c_str());
    const icalrecurrencetype &rule = parsed.rule();
    const int unit = rule.freq == ICAL_SECONDLY_RECURRENCE ? 1 : rule.freq == ICAL_MINUTELY_RECURRENCE ? 60 : 3600;
    const WallTime begin = wallOf(icaltime_from_string(start.c_str()));
    const long long beginSeconds = begin.day.time_since_epoch().count() * 86400LL + begin.seconds;
    const auto part = [](const short *values) { return values[0] != ICAL_RECURRENCE_ARRAY_MAX; };
    std::vector<int> offsets;  // within a unit
    for (int offset = 0; offset < unit; ++offset) {
        const int minute = offset / 60, second = offset % 60;
        const bool minuteOk = unit < 3600 || (part(rule.by_minute) ? listed(rule.by_minute, ICAL_BY_MINUTE_SIZE, minute)
                                                                    : minute == begin.seconds / 60 % 60);
        const bool secondOk = unit < 60 || (part(rule.by_second) ? listed(rule.by_second, ICAL_BY_SECOND_SIZE, second)
                                                                  : second == begin.seconds % 60);
        if (minuteOk && secondOk)
            offsets.push_back(offset);
    }
    std::vector<std::string> found;
    std::optional<WallTime> first, previous;
    const auto flush = [&] {
        if (first)
            found.push_back(dayText(first->day, first->seconds, previous->seconds));
    };
    long long emitted = 0;
    for (long long unitStart = beginSeconds / unit * unit;; unitStart += 1LL * rule.interval * unit) {
        if (unitStart / 86400 > last.time_since_epoch().count())
            break;
        for (const int offset : offsets) {
            const long long at = unitStart + offset;
            const WallTime time{sys_days{days{at / 86400}}, int(at % 86400)};
            const year_month_day date{time.day};
            const int hour = time.seconds / 3600, minute = time.seconds / 60 % 60, second = time.seconds % 60;
            const int length = int(unsigned(year_month_day_last{date.year(), month_day_last{date.month()}}.day()));
            const bool monthDayOk = !part(rule.by_month_day) || listed(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE, int(unsigned(date.day())))
                || listed(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE, int(unsigned(date.day())) - length - 1);
            bool weekdayOk = !part(rule.by_day);
            for (int i = 0; !weekdayOk && i < ICAL_BY_DAY_SIZE && rule.by_day[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
                weekdayOk = unsigned(icalrecurrencetype_day_day_of_week(rule.by_day[i]) - 1) == weekday{time.day}.c_encoding();
            if (at < beginSeconds || (part(rule.by_hour) && !listed(rule.by_hour, ICAL_BY_HOUR_SIZE, hour))
                || (unit == 1 && part(rule.by_minute) && !listed(rule.by_minute, ICAL_BY_MINUTE_SIZE, minute))
                || (unit == 1 && part(rule.by_second) && !listed(rule.by_second, ICAL_BY_SECOND_SIZE, second))
                || (unit == 60 && part(rule.by_minute) && !listed(rule.by_minute, ICAL_BY_MINUTE_SIZE, minute)) || !monthDayOk
                || !weekdayOk)
                continue;
            if (!icaltime_is_null_time(rule.until) && time > wallOf(rule.until))
                goto done;
            if (rule.count > 0 && ++emitted > rule.count)
                goto done;
            if (time.day < from || time.day > last)
                continue;
            if (!first || first->day != time.day) {
                flush();
                first = time;
            }
            previous = time;
        }
    }
done:
    flush();
    return found;
}

std::optional<std::vector<std::string>> subDailyDays(const std::string &rrule, const std::string &start, sys_days from, sys_days last)
{
    ensureLibicalSetUp();
    const IcalRecurrenceRule rule(rrule.c_str());
    std::optional<WallTime> until;
    if (!icaltime_is_null_time(rule.rule().until))
        until = wallOf(rule.rule().until);
    const WallTime begin = wallOf(icaltime_from_string(start.c_str()));
    const auto subDaily = subDailyRuleOf(rule.rule(), until, begin);
    if (!subDaily)
        return std::nullopt;
    SubDailyDays days(*subDaily, begin);
    std::vector<std::string> list;
    while (const auto day = days.next(from, last))
        list.push_back(dayText(day->day, day->first, day->last));
    return list;
}

} // namespace

TEST(SubDailyRule, RandomRulesGiveTheDaysOfTheirDefinition)
{
    // The days, and the first and last occurrence of each, as the occurrences listed one by
    // one give them (by brute force, and by libical's iterator where it can judge); over a few days for SECONDLY, weeks for MINUTELY, months for
    // HOURLY, from DTSTART or from a later day (counting the occurrences before it with COUNT).
    std::mt19937 random(20270105);
    const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const auto list = [&](int low, int high, int chance) {
        std::string values;
        for (int v = low; v <= high; ++v)
            if (pick(0, chance) == 0)
                values += (values.empty() ? "" : ",") + std::to_string(v);
        return values;
    };
    const char *weekdayNames[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
    int compared = 0, comparedWithLibical = 0;
    for (int i = 0; i < 120; ++i) {
        const int kind = pick(0, 2);
        std::string rrule = kind == 0 ? "FREQ=SECONDLY" : kind == 1 ? "FREQ=MINUTELY" : "FREQ=HOURLY";
        const int spanDays = kind == 0 ? 2 : kind == 1 ? 12 : 90;
        const int unitsPerDay = kind == 0 ? 86400 : kind == 1 ? 1440 : 24;
        // Intervals below a day's units, around it (so that the times move from day to day) and beyond.
        // (libical keeps intervals in a short.)
        const int interval = pick(0, 3) == 0 ? 1 : pick(0, 2) == 0 ? pick(1, 5) : pick(0, 1) ? unitsPerDay + pick(-3, 3)
                                                                                  : pick(1, std::min(unitsPerDay * 3, 32767));
        rrule += ";INTERVAL=" + std::to_string(std::max(1, interval));
        const auto add = [&](const char *name, const std::string &values) {
            if (!values.empty())
                rrule += std::string(";") + name + "=" + values;
        };
        if (pick(0, 2) == 0)
            add("BYHOUR", list(0, 23, 3));
        if (pick(0, 2) == 0)
            add("BYMINUTE", list(0, 59, 8));
        if (pick(0, 3) == 0)
            add("BYSECOND", list(0, 59, 10));
        if (pick(0, 3) == 0) {
            std::string days;
            for (int d = 0; d < 7; ++d)
                if (pick(0, 1))
                    days += std::string(days.empty() ? "" : ",") + weekdayNames[d];
            add("BYDAY", days);
        }
        if (pick(0, 5) == 0)
            add("BYMONTHDAY", std::to_string(pick(0, 1) ? pick(1, 28) : -pick(1, 28)));
        const year_month_day date{sys_days{year{2024} / January / 1} + days{pick(0, 700)}};
        char time[8];
        std::snprintf(time, sizeof time, "T%02d%02d%02d", pick(0, 23), pick(0, 59), pick(0, 59));
        const std::string start = icalDate(date, time);
        const sys_days last = sys_days{date} + days{spanDays};
        if (pick(0, 2) == 0)
            rrule += ";COUNT=" + std::to_string(pick(1, 5000));
        else if (pick(0, 1))
            rrule += ";UNTIL=" + icalDate(sys_days{date} + days{pick(0, spanDays)}, "T120000");
        const sys_days from = pick(0, 1) ? sys_days{date} : sys_days{date} + days{pick(1, spanDays)};
        SCOPED_TRACE(rrule + " from " + start + ", days from " + text({from, 0}).substr(0, 10));
        const auto days = subDailyDays(rrule, start, from, last);
        ASSERT_TRUE(days);
        EXPECT_EQ(*days, definedDays(rrule, start, from, last));
        if (interval <= 1) {
            // libical also skips the first matches on DTSTART's day when DTSTART does not match.
            const sys_days after = std::max(from, sys_days{date} + std::chrono::days{1});
            EXPECT_EQ(*subDailyDays(rrule, start, after, last), libicalDays(rrule, start, after, last)) << "libical";
            ++comparedWithLibical;
        }
        compared += !days->empty();
    }
    // Most rules have occurrences in their span.
    EXPECT_GT(compared, 45);
    EXPECT_GT(comparedWithLibical, 15);
}

TEST(SubDailyRule, RefusesWhatItCannotWorkOut)
{
    ensureLibicalSetUp();
    const struct
    {
        const char *rrule;
        SubDailyProblem problem;
    } rows[] = {
        {"FREQ=HOURLY;BYSETPOS=1;BYHOUR=9,10", SubDailyProblem::SetPosition},
        {"FREQ=MINUTELY;BYWEEKNO=3", SubDailyProblem::WeekNumber},
        {"FREQ=HOURLY;BYDAY=1MO", SubDailyProblem::WeekdayOrdinal},
        {"FREQ=DAILY", SubDailyProblem::NotSubDaily},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.rrule);
        SubDailyProblem problem = SubDailyProblem::None;
        EXPECT_FALSE(subDailyRuleOf(IcalRecurrenceRule(row.rrule).rule(), std::nullopt, {sys_days{}, 0}, &problem));
        EXPECT_EQ(problem, row.problem);
    }
}
