#include "calendar/holidays/holidaydates.h"

#include "calendar/calendarmath.h"

#include <algorithm>
#include <cmath>

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
