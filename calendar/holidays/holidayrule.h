#pragma once

#include "calendar/holidays/holidaydates.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <climits>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

// How a holiday's date is found in a year.
enum class HolidayDateKind {
    Fixed,             // month/day every year; 29 February only in leap years
    OneOff,            // month/day of one year
    NthWeekday,        // the nth (1..5) weekday of a month; absent when the month has no nth
    LastWeekday,       // the last weekday of a month
    WeekdayOnOrBefore, // the weekday on or before month/day
    WeekdayOnOrAfter,  // the weekday on or after month/day
    Easter,            // Western Easter Sunday
    OrthodoxEaster,    // Orthodox Easter Sunday, as a Gregorian date
    MarchEquinox,      // the March equinox day in Japan
    SeptemberEquinox,  // the September equinox day in Japan
    BetweenHolidays,   // a day that is no holiday between two holidays (Japan's citizens' holiday)
    Qingming,          // the Qingming solar term in China, 4..6 April
    Lunar,             // month/day of an Islamic, Hebrew or Chinese calendar: none, one or two a year
};

// Where a holiday that falls on a weekend gives its day off.
enum class ObservedPolicy {
    None,
    Nearest,           // Saturday -> the Friday before, Sunday -> the Monday after
    NextWorkingDay,    // Saturday or Sunday -> the next Monday..Friday that is no holiday or day off yet
    Monday,            // Saturday or Sunday -> the Monday after
    SundayToMonday,    // Sunday -> the Monday after, unless that is a holiday or day off; Saturday stays
    SundayToNextFree,  // Sunday -> the next day that is no holiday or day off yet
    SundayToNextWorkingDay,  // Sunday -> the next Monday..Friday that is no holiday or day off yet; Saturday stays
};

// Whether a policy looks for the first free day, so that it can also move a holiday off a
// weekday that another holiday holds.
inline bool searchesForAFreeDay(ObservedPolicy policy)
{
    return policy == ObservedPolicy::NextWorkingDay || policy == ObservedPolicy::SundayToNextFree
           || policy == ObservedPolicy::SundayToNextWorkingDay;
}

// One holiday line of a country file.
struct HolidayRule
{
    HolidayDateKind kind = HolidayDateKind::Fixed;
    unsigned month = 1;                     // 1..12
    unsigned day = 1;                       // 1..31
    int year = 0;                           // OneOff only
    std::chrono::weekday weekday;           // the weekday kinds only
    unsigned nth = 1;                       // NthWeekday: 1..5
    int offsetDays = 0;                     // added to the date found, -366..366
    LunarCalendar calendar = LunarCalendar::IslamicCivil;  // Lunar only
    // Lunar only: dates a government announced for the calendar's day, each replacing the
    // computed one within AnnouncedSlackDays of it (moon-sighting countries fix the day late).
    std::vector<std::chrono::sys_days> announced;
    static constexpr int AnnouncedSlackDays = 3;
    // Lunar only: ICU's dates by Gregorian year, kept once computed, since its Chinese calendar
    // takes a few hundred microseconds a date. Shared by the rule's copies; at most one entry
    // a year, 1..9999. Null: computed each time.
    struct LunarMemo
    {
        std::mutex mutex;
        std::map<int, std::vector<std::chrono::sys_days>> byYear;
    };
    std::shared_ptr<LunarMemo> lunarMemo;
    QString name;
    int firstYear = INT_MIN;                // kept from this year on
    int lastYear = INT_MAX;                 // kept up to and including this year
    int everyYears = 1;                     // kept in firstYear and every everyYears after, 1..100
    std::vector<int> skippedYears;          // years it is not kept, sorted
    QStringList onlyIn;                     // national line: the regions it is kept in; empty = all
    QStringList notIn;                      // national line: the regions it is not kept in
    // Kept only if (or unless) a day of the same year falls on a weekday: Ireland's St Brigid's
    // Day is 1 February when that is a Friday, else the first Monday of February.
    struct Condition
    {
        unsigned month = 1;          // 1..12
        unsigned day = 1;            // 1..31
        std::chrono::weekday weekday;
        bool negated = false;        // "unless"
    };
    std::optional<Condition> condition;
    // Kept some days later (or earlier) in the years its date falls within some days of Easter
    // Sunday: Glarus' Näfels procession, the first Thursday of April, goes a week later when
    // that Thursday is in Holy Week ("moved +7 if Easter -7 .. -1").
    struct EasterMove
    {
        int firstOffset = 0;         // the days around Easter Sunday the date may not fall on,
        int lastOffset = 0;          // firstOffset..lastOffset, -366..366
        int byDays = 0;              // added to the date when it does, nonzero
    };
    std::optional<EasterMove> easterMove;
    ObservedPolicy observed = ObservedPolicy::None;
    int observedFrom = INT_MIN;             // the policy holds from this year on
    // A day that another holiday also falls on moves the holiday too, on any weekday
    // ("or-on-holiday"): Korea's substitute holidays. Only with a policy that searches.
    bool observedOnHoliday = false;
    QString observedName;                   // the day off's name
    int line = 0;                           // 1-based, for messages

    // Whether the holiday is kept in `year` at all.
    bool keptIn(int year) const;
    // Its date in `year`, nullopt when it has none that year. BetweenHolidays has none here.
    // A Lunar day falling twice in a Gregorian year gives the first here, ...
    std::optional<std::chrono::sys_days> dateIn(int year) const;
    // ... and the second here; nullopt for all other kinds.
    std::optional<std::chrono::sys_days> laterDateIn(int year) const;
    // A Lunar rule's days in `year` (by the calendar's day, before the offset), announced
    // dates in place of the computed ones, each with the offset added.
    std::vector<std::chrono::sys_days> lunarDatesIn(int year) const;
};
