#include "layout/icalrecurrence.h"

#include "layout/icalsupport.h"

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
