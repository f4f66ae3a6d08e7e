#include "calendar/holidays/holidaydates.h"

#include "calendar/calendarmath.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace std::chrono;

year_month_day westernEaster(int year)
{
    // The "anonymous Gregorian algorithm" (Meeus, Astronomical Algorithms, ch. 8).
    const long long y = year;
    const long long a = floorMod(y, 19);
    const long long b = floorDiv(y, 100);
    const long long c = floorMod(y, 100);
    const long long d = floorDiv(b, 4);
    const long long e = floorMod(b, 4);
    const long long f = floorDiv(b + 8, 25);
    const long long g = floorDiv(b - f + 1, 3);
    const long long h = floorMod(19 * a + b - d - g + 15, 30);
    const long long i = floorDiv(c, 4);
    const long long k = floorMod(c, 4);
    const long long l = floorMod(32 + 2 * e + 2 * i - h - k, 7);
    const long long m = floorDiv(a + 11 * h + 22 * l, 451);
    const long long monthNumber = floorDiv(h + l - 7 * m + 114, 31);  // 3 or 4
    const long long dayNumber = floorMod(h + l - 7 * m + 114, 31) + 1;
    return year_month_day{std::chrono::year{year}, month{unsigned(monthNumber)}, day{unsigned(dayNumber)}};
}

year_month_day gregorianFromJulian(int year, unsigned monthNumber, unsigned dayNumber)
{
    // Julian calendar to Julian Day Number (Richards, "Mapping Time", the Julian variant).
    const long long a = floorDiv(14 - monthNumber, 12);
    const long long y = year + 4800 - a;
    const long long m = monthNumber + 12 * a - 3;
    const long long jdn = dayNumber + floorDiv(153 * m + 2, 5) + 365 * y + floorDiv(y, 4) - 32083;
    return year_month_day{sys_days{days{jdn - UnixEpochJdn}}};
}

year_month_day orthodoxEaster(int year)
{
    // Meeus's Julian algorithm, then the Julian date carried over to the Gregorian calendar.
    const long long a = floorMod(year, 4);
    const long long b = floorMod(year, 7);
    const long long c = floorMod(year, 19);
    const long long d = floorMod(19 * c + 15, 30);
    const long long e = floorMod(2 * a + 4 * b - d + 34, 7);
    const long long monthNumber = floorDiv(d + e + 114, 31);
    const long long dayNumber = floorMod(d + e + 114, 31) + 1;
    return gregorianFromJulian(year, unsigned(monthNumber), unsigned(dayNumber));
}

namespace {

// The almanac's formula: floor(base + 0.242194 (Y - 1980) - INT((Y - leapBase) / 4)), where
// INT truncates toward zero as the published formula's does. Outside 1900..2150 the nearest
// formula goes on, its result kept within [lowest, lowest + 3], the days an equinox can fall on.
unsigned equinoxDay(int year, double base1900, double base1980, double base2100, int lowest)
{
    double base = base1980;
    int leapBase = 1980;
    if (year < 1980) {
        base = base1900;
        leapBase = 1983;
    } else if (year >= 2100) {
        base = base2100;
    }
    const double value = base + 0.242194 * (year - 1980) - double((year - leapBase) / 4);
    const int dayNumber = int(std::floor(std::clamp(value, double(lowest), double(lowest + 3))));
    return unsigned(dayNumber);
}

} // namespace

unsigned japaneseMarchEquinoxDay(int year)
{
    return equinoxDay(year, 20.8357, 20.8431, 21.8510, 19);
}

unsigned japaneseSeptemberEquinoxDay(int year)
{
    return equinoxDay(year, 23.2588, 23.2488, 24.2488, 21);
}

unsigned qingmingDay(int year)
{
    // The century's own year, 1..100, so that 2000 counts with the 1900s as the rule has it.
    const long long y = floorMod(year - 1, 100) + 1;
    const double base = year <= 2000 ? 5.59 : 4.81;
    const long long dayNumber = (long long)std::floor(0.2422 * double(y) + base) - floorDiv(y, 4);
    return unsigned(std::clamp(dayNumber, 4LL, 6LL));
}

namespace {

constexpr double MillisPerDay = 86400000.0;

const char *icuLocale(LunarCalendar calendar)
{
    switch (calendar) {
    case LunarCalendar::IslamicCivil: return "@calendar=islamic-civil";
    case LunarCalendar::IslamicUmmAlQura: return "@calendar=islamic-umalqura";
    case LunarCalendar::Hebrew: return "@calendar=hebrew";
    case LunarCalendar::Chinese: return "@calendar=chinese";
    case LunarCalendar::Korean: return "@calendar=dangi";
    }
    return "@calendar=islamic-civil";
}

// ICU's month field for a month as the holiday files number it; -1 for none.
int icuMonth(LunarCalendar calendar, unsigned month)
{
    if (calendar != LunarCalendar::Hebrew)
        return month >= 1 && month <= 12 ? int(month) - 1 : -1;
    // ICU counts from Tishri (0) and keeps a slot for Adar I (5) in every year.
    constexpr int FromNisan[13] = {7, 8, 9, 10, 11, 12, 0, 1, 2, 3, 4, 6, 5};
    return month >= 1 && month <= 13 ? FromNisan[month - 1] : -1;
}

} // namespace

std::vector<sys_days> lunarDatesIn(LunarCalendar calendar, unsigned month, unsigned day, int year)
{
    const int wantedMonth = icuMonth(calendar, month);
    if (wantedMonth < 0 || day < 1 || day > 30)
        return {};
    UErrorCode status = U_ZERO_ERROR;
    // Reckoned in UTC, so that a day of the calendar is a whole Gregorian day; the Chinese and
    // Korean calendars take their country's time for the new moons themselves.
    std::unique_ptr<icu::Calendar> cal(
        icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), icu::Locale(icuLocale(calendar)), status));
    if (U_FAILURE(status) || !cal)
        return {};
    const sys_days first = sys_days{std::chrono::year{year} / January / 1};
    const sys_days last = sys_days{std::chrono::year{year} / December / 31};
    const auto extendedYearOn = [&](sys_days date) {
        cal->setTime(double(date.time_since_epoch().count()) * MillisPerDay + MillisPerDay / 2, status);
        return cal->get(UCAL_EXTENDED_YEAR, status);
    };
    const int firstYear = extendedYearOn(first);
    const int lastYear = extendedYearOn(last);
    std::vector<sys_days> dates;
    for (int lunarYear = firstYear; lunarYear <= lastYear && U_SUCCESS(status); ++lunarYear) {
        cal->clear();
        cal->set(UCAL_EXTENDED_YEAR, lunarYear);
        cal->set(UCAL_MONTH, wantedMonth);
        const bool leapMonths = calendar == LunarCalendar::Chinese || calendar == LunarCalendar::Korean;
        if (leapMonths)
            cal->set(UCAL_IS_LEAP_MONTH, 0);
        cal->set(UCAL_DATE, int(day));
        const UDate millis = cal->getTime(status);
        if (U_FAILURE(status))
            break;
        // A lenient calendar carries the 30th of a 29-day month, or Adar I of a common year,
        // into the next month: read the fields back to see that the day exists.
        const bool exists = cal->get(UCAL_MONTH, status) == wantedMonth && cal->get(UCAL_DATE, status) == int(day)
                            && (!leapMonths || cal->get(UCAL_IS_LEAP_MONTH, status) == 0);
        const sys_days date{days{(long long)std::floor(millis / MillisPerDay)}};
        if (U_SUCCESS(status) && exists && date >= first && date <= last)
            dates.push_back(date);
    }
    return dates;
}
