#pragma once

#include <chrono>

// Date arithmetic behind the holiday rules. Each function is total over the years
// -32000..32000 (no overflow, no failure); the results are the real dates within the ranges
// named, and the same formula's continuation outside them.

// Western Easter Sunday (Gregorian computus), as a Gregorian date. Right for every year
// from 1583 on.
std::chrono::year_month_day westernEaster(int year);

// Orthodox Easter Sunday (Julian computus), given as the Gregorian date it falls on. Right
// for every year from 1583 on.
std::chrono::year_month_day orthodoxEaster(int year);

// The Gregorian date of a day of the Julian calendar; `month` 1..12, `day` 1..31.
std::chrono::year_month_day gregorianFromJulian(int year, unsigned month, unsigned day);

// The day of March (19..22) or September (21..24) on which the equinox falls in Japan
// (UTC+9), by the approximation Japan's almanac uses: one formula for 1900..1979, one for
// 1980..2099 and one for 2100..2150. Years outside 1900..2150 use the nearest formula, its
// result kept within the four days named, so they never fail but may be a day off the sky.
unsigned japaneseMarchEquinoxDay(int year);
unsigned japaneseSeptemberEquinoxDay(int year);
