#pragma once

#include <chrono>
#include <vector>

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

// The day of April (4..6) of Qingming, the solar term at which the sun reaches longitude 15
// degrees, in China's time (UTC+8), by the almanac's rule of thumb
// floor(0.2422 Y + C) - floor(Y / 4) with Y the year within its century (1..100) and
// C = 5.59 for 1901..2000, 4.81 for 2001..2100. Other years use the nearest formula, kept
// within 4..6 April.
unsigned qingmingDay(int year);

// The calendars a holiday's date may be given in besides the Gregorian one, each computed by
// ICU's calendar of the same name.
enum class LunarCalendar {
    IslamicCivil,     // "islamic-civil": the tabular Hijri calendar (epoch 16 July 622)
    IslamicUmmAlQura, // "islamic-umalqura": Saudi Arabia's Umm al-Qura tables, civil outside 1300..1600 AH
    Hebrew,           // "hebrew"
    Chinese,          // "chinese": the Chinese lunisolar calendar, reckoned for China's time (UTC+8)
    Korean,           // "dangi": the same calendar reckoned for Korea's time (UTC+9)
};

// The Gregorian dates, in order, on which day `day` of month `month` of `calendar` falls
// within the Gregorian `year`: none, one or (for the Islamic calendars, whose year is eleven
// days shorter) two. Months are numbered 1..12 for the Islamic, Chinese and Korean calendars
// (a leap month is never meant), and for the Hebrew one from Nisan as in the Bible:
// 1 Nisan .. 6 Elul, 7 Tishri .. 11 Shevat, 12 Adar (Adar II in a leap year) and 13 Adar I,
// which only leap years have. A day the month lacks in a year (the 30th of a short month)
// gives no date that year. Empty if ICU cannot build the calendar.
std::vector<std::chrono::sys_days> lunarDatesIn(LunarCalendar calendar, unsigned month, unsigned day, int year);
