// The countries beyond western Europe and North America: Orthodox Easter, and the shipped
// files of the countries that keep it, of the rest of Europe and of the others, against the
// holidays their governments publish.

#include "calendar/holidays/holidaydates.h"
#include "calendar/holidays/holidays.h"
#include "tests/calendar/holidays/shippedholidays.h"
#include "tests/support/qtprinters.h"

#include <QDate>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace std::chrono;

namespace {

TEST(OrthodoxEaster, IsASundayFrom4AprilTo8MayIn1900To2100)
{
    // From 1900 to 2099 the Julian calendar runs 13 days behind: its Easter limits, 22 March
    // and 25 April, are 4 April and 8 May; 2100 drops a Gregorian leap day and adds one.
    for (int y = 1900; y <= 2100; ++y) {
        const year_month_day easter = orthodoxEaster(y);
        ASSERT_TRUE(easter.ok()) << y;
        ASSERT_EQ(int(easter.year()), y);
        ASSERT_EQ(weekday{sys_days{easter}}, Sunday) << y;
        const unsigned shift = y < 2100 ? 0 : 1;
        ASSERT_GE(sys_days{easter}, sys_days{year{y} / April / day{4 + shift}}) << y;
        ASSERT_LE(sys_days{easter}, sys_days{year{y} / May / day{8 + shift}}) << y;
    }
}

TEST(OrthodoxEaster, FallsOnThePublishedSundays)
{
    // The Ecumenical Patriarchate's and the Orthodox churches' published Paschalion.
    const year_month_day published[] = {year{2024} / May / 5, year{2025} / April / 20, year{2026} / April / 12,
                                        year{2027} / May / 2,  year{2028} / April / 16, year{2029} / April / 8};
    for (const year_month_day &date : published)
        EXPECT_EQ(orthodoxEaster(int(date.year())), date);
}

TEST(Qingming, FallsOnThePublishedDays)
{
    // The Purple Mountain Observatory's almanac: 4 April in these years, 5 April in the others
    // of 1990..2026.
    const int fourthOfApril[] = {1992, 1996, 2000, 2004, 2008, 2009, 2012, 2013, 2016, 2017, 2020, 2021, 2024, 2025};
    for (int y = 1990; y <= 2026; ++y) {
        const bool fourth = std::find(std::begin(fourthOfApril), std::end(fourthOfApril), y) != std::end(fourthOfApril);
        EXPECT_EQ(qingmingDay(y), fourth ? 4u : 5u) << y;
    }
    for (const int y : {1, 1582, 1900, 2101, 9999}) {
        EXPECT_GE(qingmingDay(y), 4u) << y;
        EXPECT_LE(qingmingDay(y), 6u) << y;
    }
}

struct PublishedWorldYear
{
    const char *region;
    int year;
    const char *holidays;
    const char *source;  // where the row was checked
};

// Easter 2024: 31 March, Orthodox 5 May; 2025: both 20 April; 2026: 5 April, Orthodox 12 April.
const PublishedWorldYear PublishedWorldYears[] = {
    {"GR", 2024, "01-01 New Year's Day; 01-06 Epiphany; 03-18 Clean Monday; 03-25 Independence Day; 05-03 Good Friday; 05-05 Easter Sunday; 05-06 Easter Monday; 05-07 Labour Day; 06-24 Whit Monday; 08-15 Dormition of the Mother of God; 10-28 Ochi Day; 12-25 Christmas Day; 12-26 Synaxis of the Mother of God",
     "Ministry of Labour's holiday circular for 2024 (ypergasias.gov.gr)"},
    {"GR", 2025, "01-01 New Year's Day; 01-06 Epiphany; 03-03 Clean Monday; 03-25 Independence Day; 04-18 Good Friday; 04-20 Easter Sunday; 04-21 Easter Monday; 05-01 Labour Day; 06-09 Whit Monday; 08-15 Dormition of the Mother of God; 10-28 Ochi Day; 12-25 Christmas Day; 12-26 Synaxis of the Mother of God",
     "Ministry of Labour's holiday circular for 2025 (ypergasias.gov.gr)"},
    {"GR", 2026, "01-01 New Year's Day; 01-06 Epiphany; 02-23 Clean Monday; 03-25 Independence Day; 04-10 Good Friday; 04-12 Easter Sunday; 04-13 Easter Monday; 05-01 Labour Day; 06-01 Whit Monday; 08-15 Dormition of the Mother of God; 10-28 Ochi Day; 12-25 Christmas Day; 12-26 Synaxis of the Mother of God",
     "Ministry of Labour's holiday circular for 2026 (ypergasias.gov.gr)"},
    {"CY", 2024, "01-01 New Year's Day; 01-06 Epiphany; 03-18 Green Monday; 03-25 Greek Independence Day; 04-01 Cyprus National Day; 05-01 Labour Day; 05-03 Good Friday; 05-06 Easter Monday; 05-07 Easter Tuesday; 06-24 Kataklysmos (Whit Monday); 08-15 Dormition of the Theotokos; 10-01 Cyprus Independence Day; 10-28 Ochi Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Day after Christmas",
     "Republic of Cyprus public service holidays 2024 (pio.gov.cy)"},
    {"CY", 2025, "01-01 New Year's Day; 01-06 Epiphany; 03-03 Green Monday; 03-25 Greek Independence Day; 04-01 Cyprus National Day; 04-18 Good Friday; 04-21 Easter Monday; 04-22 Easter Tuesday; 05-01 Labour Day; 06-09 Kataklysmos (Whit Monday); 08-15 Dormition of the Theotokos; 10-01 Cyprus Independence Day; 10-28 Ochi Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Day after Christmas",
     "Republic of Cyprus public service holidays 2025 (pio.gov.cy)"},
    {"CY", 2026, "01-01 New Year's Day; 01-06 Epiphany; 02-23 Green Monday; 03-25 Greek Independence Day; 04-01 Cyprus National Day; 04-10 Good Friday; 04-13 Easter Monday; 04-14 Easter Tuesday; 05-01 Labour Day; 06-01 Kataklysmos (Whit Monday); 08-15 Dormition of the Theotokos; 10-01 Cyprus Independence Day; 10-28 Ochi Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Day after Christmas",
     "Republic of Cyprus public service holidays 2026 (pio.gov.cy)"},
    {"RO", 2024, "01-01 New Year's Day; 01-02 Day after New Year's Day; 01-06 Epiphany; 01-07 Synaxis of St John the Baptist; 01-24 Day of the Union of the Romanian Principalities; 05-01 Labour Day; 05-03 Good Friday; 05-05 Easter Sunday; 05-06 Easter Monday; 06-01 Children's Day; 06-23 Whit Sunday; 06-24 Whit Monday; 08-15 Dormition of the Mother of God; 11-30 St Andrew's Day; 12-01 National Day; 12-25 Christmas Day; 12-26 Second Day of Christmas",
     "Codul muncii art. 139; Orthodox Easter 5 May 2024"},
    {"RO", 2025, "01-01 New Year's Day; 01-02 Day after New Year's Day; 01-06 Epiphany; 01-07 Synaxis of St John the Baptist; 01-24 Day of the Union of the Romanian Principalities; 04-18 Good Friday; 04-20 Easter Sunday; 04-21 Easter Monday; 05-01 Labour Day; 06-01 Children's Day; 06-08 Whit Sunday; 06-09 Whit Monday; 08-15 Dormition of the Mother of God; 11-30 St Andrew's Day; 12-01 National Day; 12-25 Christmas Day; 12-26 Second Day of Christmas",
     "Codul muncii art. 139; Orthodox Easter 20 April 2025"},
    {"RO", 2026, "01-01 New Year's Day; 01-02 Day after New Year's Day; 01-06 Epiphany; 01-07 Synaxis of St John the Baptist; 01-24 Day of the Union of the Romanian Principalities; 04-10 Good Friday; 04-12 Easter Sunday; 04-13 Easter Monday; 05-01 Labour Day; 05-31 Whit Sunday; 06-01 Children's Day; 06-01 Whit Monday; 08-15 Dormition of the Mother of God; 11-30 St Andrew's Day; 12-01 National Day; 12-25 Christmas Day; 12-26 Second Day of Christmas",
     "Codul muncii art. 139; Orthodox Easter 12 April 2026"},
    {"BG", 2024, "01-01 New Year's Day; 03-03 Liberation Day; 03-04 Liberation Day (day off); 05-01 Labour Day; 05-03 Good Friday; 05-04 Holy Saturday; 05-05 Easter Sunday; 05-06 Easter Monday; 05-06 St George's Day (Day of the Bulgarian Army); 05-24 Day of Bulgarian Education and Culture and of the Slavonic Alphabet; 09-06 Unification Day; 09-22 Independence Day; 09-23 Independence Day (day off); 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Second Day of Christmas",
     "Labour Code art. 154 and the Council of Ministers' list for 2024"},
    {"BG", 2025, "01-01 New Year's Day; 03-03 Liberation Day; 04-18 Good Friday; 04-19 Holy Saturday; 04-20 Easter Sunday; 04-21 Easter Monday; 05-01 Labour Day; 05-06 St George's Day (Day of the Bulgarian Army); 05-24 Day of Bulgarian Education and Culture and of the Slavonic Alphabet; 05-26 Day of Bulgarian Education and Culture and of the Slavonic Alphabet (day off); 09-06 Unification Day; 09-08 Unification Day (day off); 09-22 Independence Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Second Day of Christmas",
     "Labour Code art. 154 and the Council of Ministers' list for 2025"},
    {"BG", 2026, "01-01 New Year's Day; 03-03 Liberation Day; 04-10 Good Friday; 04-11 Holy Saturday; 04-12 Easter Sunday; 04-13 Easter Monday; 05-01 Labour Day; 05-06 St George's Day (Day of the Bulgarian Army); 05-24 Day of Bulgarian Education and Culture and of the Slavonic Alphabet; 05-25 Day of Bulgarian Education and Culture and of the Slavonic Alphabet (day off); 09-06 Unification Day; 09-07 Unification Day (day off); 09-22 Independence Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Second Day of Christmas; 12-28 Second Day of Christmas (day off)",
     "Labour Code art. 154 and the Council of Ministers' list for 2026"},
    {"RS", 2024, "01-01 New Year's Day; 01-02 New Year's Day (second day); 01-07 Orthodox Christmas Day; 02-15 Statehood Day; 02-16 Statehood Day (second day); 05-01 Labour Day; 05-02 Labour Day (second day); 05-03 Orthodox Good Friday; 05-04 Orthodox Holy Saturday; 05-05 Orthodox Easter Sunday; 05-06 Orthodox Easter Monday; 11-11 Armistice Day",
     "Law on State and Other Holidays; the government's list for 2024 (srbija.gov.rs)"},
    {"RS", 2025, "01-01 New Year's Day; 01-02 New Year's Day (second day); 01-07 Orthodox Christmas Day; 02-15 Statehood Day; 02-16 Statehood Day (second day); 02-17 Statehood Day (day off); 04-18 Orthodox Good Friday; 04-19 Orthodox Holy Saturday; 04-20 Orthodox Easter Sunday; 04-21 Orthodox Easter Monday; 05-01 Labour Day; 05-02 Labour Day (second day); 11-11 Armistice Day",
     "Law on State and Other Holidays; the government's list for 2025 (srbija.gov.rs)"},
    {"RS", 2026, "01-01 New Year's Day; 01-02 New Year's Day (second day); 01-07 Orthodox Christmas Day; 02-15 Statehood Day; 02-16 Statehood Day (second day); 02-17 Statehood Day (day off); 04-10 Orthodox Good Friday; 04-11 Orthodox Holy Saturday; 04-12 Orthodox Easter Sunday; 04-13 Orthodox Easter Monday; 05-01 Labour Day; 05-02 Labour Day (second day); 11-11 Armistice Day",
     "Law on State and Other Holidays; the government's list for 2026 (srbija.gov.rs)"},
    {"LU", 2024, "01-01 New Year's Day; 04-01 Easter Monday; 05-01 Labour Day; 05-09 Europe Day; 05-09 Ascension Day; 05-20 Whit Monday; 06-23 National Day; 08-15 Assumption Day; 11-01 All Saints' Day; 12-25 Christmas Day; 12-26 St Stephen's Day",
     "guichet.public.lu, jours fériés légaux 2024"},
    {"LU", 2025, "01-01 New Year's Day; 04-21 Easter Monday; 05-01 Labour Day; 05-09 Europe Day; 05-29 Ascension Day; 06-09 Whit Monday; 06-23 National Day; 08-15 Assumption Day; 11-01 All Saints' Day; 12-25 Christmas Day; 12-26 St Stephen's Day",
     "guichet.public.lu, jours fériés légaux 2025"},
    {"LU", 2026, "01-01 New Year's Day; 04-06 Easter Monday; 05-01 Labour Day; 05-09 Europe Day; 05-14 Ascension Day; 05-25 Whit Monday; 06-23 National Day; 08-15 Assumption Day; 11-01 All Saints' Day; 12-25 Christmas Day; 12-26 St Stephen's Day",
     "guichet.public.lu, jours fériés légaux 2026"},
    {"IS", 2024, "01-01 New Year's Day; 03-28 Maundy Thursday; 03-29 Good Friday; 03-31 Easter Sunday; 04-01 Easter Monday; 04-25 First Day of Summer; 05-01 Labour Day; 05-09 Ascension Day; 05-19 Whit Sunday; 05-20 Whit Monday; 06-17 Icelandic National Day; 08-05 Commerce Day; 12-24 Christmas Eve (from 13:00); 12-25 Christmas Day; 12-26 Second Day of Christmas; 12-31 New Year's Eve (from 13:00)",
     "Stjórnarráð Íslands, frídagar 2024"},
    {"IS", 2025, "01-01 New Year's Day; 04-17 Maundy Thursday; 04-18 Good Friday; 04-20 Easter Sunday; 04-21 Easter Monday; 04-24 First Day of Summer; 05-01 Labour Day; 05-29 Ascension Day; 06-08 Whit Sunday; 06-09 Whit Monday; 06-17 Icelandic National Day; 08-04 Commerce Day; 12-24 Christmas Eve (from 13:00); 12-25 Christmas Day; 12-26 Second Day of Christmas; 12-31 New Year's Eve (from 13:00)",
     "Stjórnarráð Íslands, frídagar 2025"},
    {"IS", 2026, "01-01 New Year's Day; 04-02 Maundy Thursday; 04-03 Good Friday; 04-05 Easter Sunday; 04-06 Easter Monday; 04-23 First Day of Summer; 05-01 Labour Day; 05-14 Ascension Day; 05-24 Whit Sunday; 05-25 Whit Monday; 06-17 Icelandic National Day; 08-03 Commerce Day; 12-24 Christmas Eve (from 13:00); 12-25 Christmas Day; 12-26 Second Day of Christmas; 12-31 New Year's Eve (from 13:00)",
     "Stjórnarráð Íslands, frídagar 2026"},
    {"LI", 2024, "01-01 New Year's Day; 01-06 Epiphany; 02-02 Candlemas; 03-19 St Joseph's Day; 04-01 Easter Monday; 05-01 Labour Day; 05-09 Ascension Day; 05-20 Whit Monday; 05-30 Corpus Christi; 08-15 National Holiday (Assumption Day); 09-08 Nativity of Mary; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day",
     "Arbeitsgesetz Art. 18; llv.li, Feiertage 2024"},
    {"LI", 2025, "01-01 New Year's Day; 01-06 Epiphany; 02-02 Candlemas; 03-19 St Joseph's Day; 04-21 Easter Monday; 05-01 Labour Day; 05-29 Ascension Day; 06-09 Whit Monday; 06-19 Corpus Christi; 08-15 National Holiday (Assumption Day); 09-08 Nativity of Mary; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day",
     "Arbeitsgesetz Art. 18; llv.li, Feiertage 2025"},
    {"LI", 2026, "01-01 New Year's Day; 01-06 Epiphany; 02-02 Candlemas; 03-19 St Joseph's Day; 04-06 Easter Monday; 05-01 Labour Day; 05-14 Ascension Day; 05-25 Whit Monday; 06-04 Corpus Christi; 08-15 National Holiday (Assumption Day); 09-08 Nativity of Mary; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day",
     "Arbeitsgesetz Art. 18; llv.li, Feiertage 2026"},
    {"EE", 2024, "01-01 New Year's Day; 02-24 Independence Day; 03-29 Good Friday; 03-31 Easter Sunday; 05-01 Spring Day; 05-19 Whit Sunday; 06-23 Victory Day; 06-24 Midsummer Day; 08-20 Day of Restoration of Independence; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Second Day of Christmas",
     "Public Holidays Act § 2; riigipühad 2024"},
    {"EE", 2025, "01-01 New Year's Day; 02-24 Independence Day; 04-18 Good Friday; 04-20 Easter Sunday; 05-01 Spring Day; 06-08 Whit Sunday; 06-23 Victory Day; 06-24 Midsummer Day; 08-20 Day of Restoration of Independence; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Second Day of Christmas",
     "Public Holidays Act § 2; riigipühad 2025"},
    {"EE", 2026, "01-01 New Year's Day; 02-24 Independence Day; 04-03 Good Friday; 04-05 Easter Sunday; 05-01 Spring Day; 05-24 Whit Sunday; 06-23 Victory Day; 06-24 Midsummer Day; 08-20 Day of Restoration of Independence; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Second Day of Christmas",
     "Public Holidays Act § 2; riigipühad 2026"},
    {"LV", 2024, "01-01 New Year's Day; 03-29 Good Friday; 03-31 Easter Sunday; 04-01 Easter Monday; 05-01 Labour Day; 05-04 Restoration of Independence Day; 05-06 Restoration of Independence Day (day off); 05-19 Whit Sunday; 06-23 Midsummer Eve; 06-24 Midsummer Day; 11-18 Proclamation Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Second Day of Christmas; 12-31 New Year's Eve",
     "likumi.lv, svētku dienas 2024"},
    {"LV", 2025, "01-01 New Year's Day; 04-18 Good Friday; 04-20 Easter Sunday; 04-21 Easter Monday; 05-01 Labour Day; 05-04 Restoration of Independence Day; 05-05 Restoration of Independence Day (day off); 06-08 Whit Sunday; 06-23 Midsummer Eve; 06-24 Midsummer Day; 11-18 Proclamation Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Second Day of Christmas; 12-31 New Year's Eve",
     "likumi.lv, svētku dienas 2025"},
    {"LV", 2026, "01-01 New Year's Day; 04-03 Good Friday; 04-05 Easter Sunday; 04-06 Easter Monday; 05-01 Labour Day; 05-04 Restoration of Independence Day; 05-24 Whit Sunday; 06-23 Midsummer Eve; 06-24 Midsummer Day; 11-18 Proclamation Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Second Day of Christmas; 12-31 New Year's Eve",
     "likumi.lv, svētku dienas 2026"},
    {"LT", 2024, "01-01 New Year's Day; 02-16 Day of Restoration of the State of Lithuania; 03-11 Day of Restoration of Independence of Lithuania; 03-31 Easter Sunday; 04-01 Easter Monday; 05-01 International Labour Day; 05-05 Mother's Day; 06-02 Father's Day; 06-24 St John's Day (Midsummer); 07-06 Statehood Day; 08-15 Assumption Day; 11-01 All Saints' Day; 11-02 All Souls' Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Second Day of Christmas",
     "Labour Code art. 123; šventinės dienos 2024"},
    {"LT", 2025, "01-01 New Year's Day; 02-16 Day of Restoration of the State of Lithuania; 03-11 Day of Restoration of Independence of Lithuania; 04-20 Easter Sunday; 04-21 Easter Monday; 05-01 International Labour Day; 05-04 Mother's Day; 06-01 Father's Day; 06-24 St John's Day (Midsummer); 07-06 Statehood Day; 08-15 Assumption Day; 11-01 All Saints' Day; 11-02 All Souls' Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Second Day of Christmas",
     "Labour Code art. 123; šventinės dienos 2025"},
    {"LT", 2026, "01-01 New Year's Day; 02-16 Day of Restoration of the State of Lithuania; 03-11 Day of Restoration of Independence of Lithuania; 04-05 Easter Sunday; 04-06 Easter Monday; 05-01 International Labour Day; 05-03 Mother's Day; 06-07 Father's Day; 06-24 St John's Day (Midsummer); 07-06 Statehood Day; 08-15 Assumption Day; 11-01 All Saints' Day; 11-02 All Souls' Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 Second Day of Christmas",
     "Labour Code art. 123; šventinės dienos 2026"},
    {"SI", 2024, "01-01 New Year's Day; 01-02 New Year's Day (second day); 02-08 Prešeren Day; 03-31 Easter Sunday; 04-01 Easter Monday; 04-27 Day of Uprising Against Occupation; 05-01 Labour Day; 05-02 Labour Day (second day); 05-19 Whit Sunday; 06-25 Statehood Day; 08-15 Assumption Day; 10-31 Reformation Day; 11-01 Remembrance Day; 12-25 Christmas Day; 12-26 Independence and Unity Day",
     "gov.si, prazniki in dela prosti dnevi 2024"},
    {"SI", 2025, "01-01 New Year's Day; 01-02 New Year's Day (second day); 02-08 Prešeren Day; 04-20 Easter Sunday; 04-21 Easter Monday; 04-27 Day of Uprising Against Occupation; 05-01 Labour Day; 05-02 Labour Day (second day); 06-08 Whit Sunday; 06-25 Statehood Day; 08-15 Assumption Day; 10-31 Reformation Day; 11-01 Remembrance Day; 12-25 Christmas Day; 12-26 Independence and Unity Day",
     "gov.si, prazniki in dela prosti dnevi 2025"},
    {"SI", 2026, "01-01 New Year's Day; 01-02 New Year's Day (second day); 02-08 Prešeren Day; 04-05 Easter Sunday; 04-06 Easter Monday; 04-27 Day of Uprising Against Occupation; 05-01 Labour Day; 05-02 Labour Day (second day); 05-24 Whit Sunday; 06-25 Statehood Day; 08-15 Assumption Day; 10-31 Reformation Day; 11-01 Remembrance Day; 12-25 Christmas Day; 12-26 Independence and Unity Day",
     "gov.si, prazniki in dela prosti dnevi 2026"},
    {"HR", 2024, "01-01 New Year's Day; 01-06 Epiphany; 03-31 Easter Sunday; 04-01 Easter Monday; 05-01 Labour Day; 05-30 Statehood Day; 05-30 Corpus Christi; 06-22 Anti-Fascist Struggle Day; 08-05 Victory and Homeland Thanksgiving Day and Day of Croatian Defenders; 08-15 Assumption Day; 11-01 All Saints' Day; 11-18 Remembrance Day; 12-25 Christmas Day; 12-26 St Stephen's Day",
     "NN 110/19; gov.hr, blagdani 2024"},
    {"HR", 2025, "01-01 New Year's Day; 01-06 Epiphany; 04-20 Easter Sunday; 04-21 Easter Monday; 05-01 Labour Day; 05-30 Statehood Day; 06-19 Corpus Christi; 06-22 Anti-Fascist Struggle Day; 08-05 Victory and Homeland Thanksgiving Day and Day of Croatian Defenders; 08-15 Assumption Day; 11-01 All Saints' Day; 11-18 Remembrance Day; 12-25 Christmas Day; 12-26 St Stephen's Day",
     "NN 110/19; gov.hr, blagdani 2025"},
    {"HR", 2026, "01-01 New Year's Day; 01-06 Epiphany; 04-05 Easter Sunday; 04-06 Easter Monday; 05-01 Labour Day; 05-30 Statehood Day; 06-04 Corpus Christi; 06-22 Anti-Fascist Struggle Day; 08-05 Victory and Homeland Thanksgiving Day and Day of Croatian Defenders; 08-15 Assumption Day; 11-01 All Saints' Day; 11-18 Remembrance Day; 12-25 Christmas Day; 12-26 St Stephen's Day",
     "NN 110/19; gov.hr, blagdani 2026"},
    {"HU", 2024, "01-01 New Year's Day; 03-15 National Day; 03-29 Good Friday; 03-31 Easter Sunday; 04-01 Easter Monday; 05-01 Labour Day; 05-19 Whit Sunday; 05-20 Whit Monday; 08-20 State Foundation Day; 10-23 National Day; 11-01 All Saints' Day; 12-25 Christmas Day; 12-26 Second Day of Christmas",
     "Mt. 102. §; kormany.hu, munkaszüneti napok 2024"},
    {"HU", 2025, "01-01 New Year's Day; 03-15 National Day; 04-18 Good Friday; 04-20 Easter Sunday; 04-21 Easter Monday; 05-01 Labour Day; 06-08 Whit Sunday; 06-09 Whit Monday; 08-20 State Foundation Day; 10-23 National Day; 11-01 All Saints' Day; 12-25 Christmas Day; 12-26 Second Day of Christmas",
     "Mt. 102. §; kormany.hu, munkaszüneti napok 2025"},
    {"HU", 2026, "01-01 New Year's Day; 03-15 National Day; 04-03 Good Friday; 04-05 Easter Sunday; 04-06 Easter Monday; 05-01 Labour Day; 05-24 Whit Sunday; 05-25 Whit Monday; 08-20 State Foundation Day; 10-23 National Day; 11-01 All Saints' Day; 12-25 Christmas Day; 12-26 Second Day of Christmas",
     "Mt. 102. §; kormany.hu, munkaszüneti napok 2026"},
    {"MT", 2024, "01-01 New Year's Day; 02-10 Feast of St Paul's Shipwreck; 03-19 Feast of St Joseph; 03-29 Good Friday; 03-31 Freedom Day; 05-01 Worker's Day; 06-07 Sette Giugno; 06-29 Feast of St Peter and St Paul (Mnarja); 08-15 Feast of the Assumption; 09-08 Victory Day; 09-21 Independence Day; 12-08 Feast of the Immaculate Conception; 12-13 Republic Day; 12-25 Christmas Day",
     "gov.mt, public holidays 2024"},
    {"MT", 2025, "01-01 New Year's Day; 02-10 Feast of St Paul's Shipwreck; 03-19 Feast of St Joseph; 03-31 Freedom Day; 04-18 Good Friday; 05-01 Worker's Day; 06-07 Sette Giugno; 06-29 Feast of St Peter and St Paul (Mnarja); 08-15 Feast of the Assumption; 09-08 Victory Day; 09-21 Independence Day; 12-08 Feast of the Immaculate Conception; 12-13 Republic Day; 12-25 Christmas Day",
     "gov.mt, public holidays 2025"},
    {"MT", 2026, "01-01 New Year's Day; 02-10 Feast of St Paul's Shipwreck; 03-19 Feast of St Joseph; 03-31 Freedom Day; 04-03 Good Friday; 05-01 Worker's Day; 06-07 Sette Giugno; 06-29 Feast of St Peter and St Paul (Mnarja); 08-15 Feast of the Assumption; 09-08 Victory Day; 09-21 Independence Day; 12-08 Feast of the Immaculate Conception; 12-13 Republic Day; 12-25 Christmas Day",
     "gov.mt, public holidays 2026"},
    {"CO", 2024, "01-01 New Year's Day; 01-08 Epiphany; 03-25 St Joseph's Day; 03-28 Maundy Thursday; 03-29 Good Friday; 05-01 Labour Day; 05-13 Ascension Day; 06-03 Corpus Christi; 06-10 Sacred Heart; 07-01 Saints Peter and Paul; 07-20 Independence Day; 08-07 Battle of Boyacá; 08-19 Assumption Day; 10-14 Columbus Day; 11-04 All Saints' Day; 11-11 Independence of Cartagena; 12-08 Immaculate Conception; 12-25 Christmas Day",
     "Ley 51 de 1983; festivos de Colombia 2024 (Decreto/calendario oficial)"},
    {"CO", 2025, "01-01 New Year's Day; 01-06 Epiphany; 03-24 St Joseph's Day; 04-17 Maundy Thursday; 04-18 Good Friday; 05-01 Labour Day; 06-02 Ascension Day; 06-23 Corpus Christi; 06-30 Sacred Heart; 06-30 Saints Peter and Paul; 07-20 Independence Day; 08-07 Battle of Boyacá; 08-18 Assumption Day; 10-13 Columbus Day; 11-03 All Saints' Day; 11-17 Independence of Cartagena; 12-08 Immaculate Conception; 12-25 Christmas Day",
     "Ley 51 de 1983; festivos de Colombia 2025 (Decreto/calendario oficial)"},
    {"CO", 2026, "01-01 New Year's Day; 01-12 Epiphany; 03-23 St Joseph's Day; 04-02 Maundy Thursday; 04-03 Good Friday; 05-01 Labour Day; 05-18 Ascension Day; 06-08 Corpus Christi; 06-15 Sacred Heart; 06-29 Saints Peter and Paul; 07-20 Independence Day; 08-07 Battle of Boyacá; 08-17 Assumption Day; 10-12 Columbus Day; 11-02 All Saints' Day; 11-16 Independence of Cartagena; 12-08 Immaculate Conception; 12-25 Christmas Day",
     "Ley 51 de 1983; festivos de Colombia 2026 (Decreto/calendario oficial)"},
    {"IN", 2024, "01-26 Republic Day; 08-15 Independence Day; 10-02 Gandhi Jayanti",
     "DoPT holiday list for 2024 (three national holidays)"},
    {"IN", 2025, "01-26 Republic Day; 08-15 Independence Day; 10-02 Gandhi Jayanti",
     "DoPT holiday list for 2025 (three national holidays)"},
    {"IN", 2026, "01-26 Republic Day; 08-15 Independence Day; 10-02 Gandhi Jayanti",
     "DoPT holiday list for 2026 (three national holidays)"},
    {"TR", 2024, "01-01 New Year's Day; 04-10 Ramadan Feast; 04-11 Ramadan Feast (second day); 04-12 Ramadan Feast (third day); 04-23 National Sovereignty and Children's Day; 05-01 Labour and Solidarity Day; 05-19 Commemoration of Atatürk, Youth and Sports Day; 06-16 Feast of the Sacrifice; 06-17 Feast of the Sacrifice (second day); 06-18 Feast of the Sacrifice (third day); 06-19 Feast of the Sacrifice (fourth day); 07-15 Democracy and National Unity Day; 08-30 Victory Day; 10-29 Republic Day",
     "Law 2429; Diyanet's calendar of feasts for 2024"},
    {"TR", 2025, "01-01 New Year's Day; 03-30 Ramadan Feast; 03-31 Ramadan Feast (second day); 04-01 Ramadan Feast (third day); 04-23 National Sovereignty and Children's Day; 05-01 Labour and Solidarity Day; 05-19 Commemoration of Atatürk, Youth and Sports Day; 06-06 Feast of the Sacrifice; 06-07 Feast of the Sacrifice (second day); 06-08 Feast of the Sacrifice (third day); 06-09 Feast of the Sacrifice (fourth day); 07-15 Democracy and National Unity Day; 08-30 Victory Day; 10-29 Republic Day",
     "Law 2429; Diyanet's calendar of feasts for 2025"},
    {"TR", 2026, "01-01 New Year's Day; 03-20 Ramadan Feast; 03-21 Ramadan Feast (second day); 03-22 Ramadan Feast (third day); 04-23 National Sovereignty and Children's Day; 05-01 Labour and Solidarity Day; 05-19 Commemoration of Atatürk, Youth and Sports Day; 05-27 Feast of the Sacrifice; 05-28 Feast of the Sacrifice (second day); 05-29 Feast of the Sacrifice (third day); 05-30 Feast of the Sacrifice (fourth day); 07-15 Democracy and National Unity Day; 08-30 Victory Day; 10-29 Republic Day",
     "Law 2429; Diyanet's calendar of feasts for 2026"},
    {"IL", 2023, "04-06 Pesach; 04-12 Last day of Pesach; 04-26 Independence Day; 05-26 Shavuot; 09-16 Rosh Hashanah; 09-17 Rosh Hashanah (second day); 09-25 Yom Kippur; 09-30 Sukkot; 10-07 Simchat Torah",
     "gov.il, holidays and days of rest 5783-5784"},
    {"IL", 2024, "04-23 Pesach; 04-29 Last day of Pesach; 05-14 Independence Day; 06-12 Shavuot; 10-03 Rosh Hashanah; 10-04 Rosh Hashanah (second day); 10-12 Yom Kippur; 10-17 Sukkot; 10-24 Simchat Torah",
     "gov.il, holidays and days of rest 5784-5785; Independence Day moved from Monday 13 May"},
    {"IL", 2025, "04-13 Pesach; 04-19 Last day of Pesach; 05-01 Independence Day; 06-02 Shavuot; 09-23 Rosh Hashanah; 09-24 Rosh Hashanah (second day); 10-02 Yom Kippur; 10-07 Sukkot; 10-14 Simchat Torah",
     "gov.il, holidays and days of rest 5785-5786; Independence Day moved from Saturday 3 May"},
    {"CN", 2023, "01-01 New Year's Day; 01-22 Spring Festival; 01-23 Spring Festival holiday; 01-24 Spring Festival holiday; 04-05 Qingming Festival; 05-01 Labour Day; 06-22 Dragon Boat Festival; 09-29 Mid-Autumn Festival; 10-01 National Day; 10-02 National Day holiday; 10-03 National Day holiday",
     "State Council notice on the 2023 holidays (gov.cn): the statutory days"},
    {"CN", 2024, "01-01 New Year's Day; 02-10 Spring Festival; 02-11 Spring Festival holiday; 02-12 Spring Festival holiday; 04-04 Qingming Festival; 05-01 Labour Day; 06-10 Dragon Boat Festival; 09-17 Mid-Autumn Festival; 10-01 National Day; 10-02 National Day holiday; 10-03 National Day holiday",
     "State Council notice on the 2024 holidays (gov.cn): the statutory days"},
    {"CN", 2025, "01-01 New Year's Day; 01-28 Spring Festival Eve; 01-29 Spring Festival; 01-30 Spring Festival holiday; 01-31 Spring Festival holiday; 04-04 Qingming Festival; 05-01 Labour Day; 05-02 Labour Day holiday; 05-31 Dragon Boat Festival; 10-01 National Day; 10-02 National Day holiday; 10-03 National Day holiday; 10-06 Mid-Autumn Festival",
     "State Council Decree No. 795 and the notice on the 2025 holidays: the statutory days"},
    {"KR", 2023, "01-01 New Year's Day; 01-21 Seollal holiday; 01-22 Seollal; 01-23 Seollal holiday; 01-24 Seollal (substitute holiday); 03-01 Independence Movement Day; 05-05 Children's Day; 05-27 Buddha's Birthday; 05-29 Buddha's Birthday (substitute holiday); 06-06 Memorial Day; 08-15 Liberation Day; 09-28 Chuseok holiday; 09-29 Chuseok; 09-30 Chuseok holiday; 10-02 Temporary holiday; 10-03 National Foundation Day; 10-09 Hangeul Day; 12-25 Christmas Day",
     "Ministry of the Interior and Safety, public holidays 2023; KASI lunar calendar"},
    {"KR", 2024, "01-01 New Year's Day; 02-09 Seollal holiday; 02-10 Seollal; 02-11 Seollal holiday; 02-12 Seollal (substitute holiday); 03-01 Independence Movement Day; 04-10 National Assembly Election Day; 05-05 Children's Day; 05-06 Children's Day (substitute holiday); 05-15 Buddha's Birthday; 06-06 Memorial Day; 08-15 Liberation Day; 09-16 Chuseok holiday; 09-17 Chuseok; 09-18 Chuseok holiday; 10-01 Armed Forces Day; 10-03 National Foundation Day; 10-09 Hangeul Day; 12-25 Christmas Day",
     "Ministry of the Interior and Safety, public holidays 2024"},
    {"KR", 2025, "01-01 New Year's Day; 01-27 Temporary holiday; 01-28 Seollal holiday; 01-29 Seollal; 01-30 Seollal holiday; 03-01 Independence Movement Day; 03-03 Independence Movement Day (substitute holiday); 05-05 Children's Day; 05-05 Buddha's Birthday; 05-06 Children's Day (substitute holiday); 06-03 Presidential Election Day; 06-06 Memorial Day; 08-15 Liberation Day; 10-03 National Foundation Day; 10-05 Chuseok holiday; 10-06 Chuseok; 10-07 Chuseok holiday; 10-08 Chuseok (substitute holiday); 10-09 Hangeul Day; 12-25 Christmas Day",
     "Ministry of the Interior and Safety, public holidays 2025"},
    {"KR", 2017, "01-01 New Year's Day; 01-27 Seollal holiday; 01-28 Seollal; 01-29 Seollal holiday; 01-30 Seollal (substitute holiday); 03-01 Independence Movement Day; 05-03 Buddha's Birthday; 05-05 Children's Day; 05-09 Presidential Election Day; 06-06 Memorial Day; 08-15 Liberation Day; 10-02 Temporary holiday; 10-03 Chuseok holiday; 10-03 National Foundation Day; 10-04 Chuseok; 10-05 Chuseok holiday; 10-06 Chuseok (substitute holiday); 10-09 Hangeul Day; 12-25 Christmas Day",
     "Ministry of the Interior and Safety, public holidays 2017: Chuseok's eve on National Foundation Day, substitute 6 October"},
    {"KR", 2021, "01-01 New Year's Day; 02-11 Seollal holiday; 02-12 Seollal; 02-13 Seollal holiday; 03-01 Independence Movement Day; 05-05 Children's Day; 05-19 Buddha's Birthday; 06-06 Memorial Day; 08-15 Liberation Day; 08-16 Liberation Day (substitute holiday); 09-20 Chuseok holiday; 09-21 Chuseok; 09-22 Chuseok holiday; 10-03 National Foundation Day; 10-04 National Foundation Day (substitute holiday); 10-09 Hangeul Day; 10-11 Hangeul Day (substitute holiday); 12-25 Christmas Day",
     "Ministry of Personnel Management, the Regulations as amended in July 2021: substitutes 16 August, 4 and 11 October 2021, none for Christmas"},
    {"SA", 2023, "02-22 Founding Day; 04-21 Eid al-Fitr holiday; 04-22 Eid al-Fitr holiday; 04-23 Eid al-Fitr holiday; 04-24 Eid al-Fitr holiday; 06-27 Day of Arafah; 06-28 Eid al-Adha; 06-29 Eid al-Adha holiday; 06-30 Eid al-Adha holiday; 09-23 Saudi National Day",
     "HRSD announcements for the private sector 2023: Eid al-Fitr 21-24 April, Eid al-Adha 27-30 June, National Day on Saturday 23 September with no day in lieu"},
    {"SA", 2024, "02-22 Founding Day; 04-09 Eid al-Fitr holiday; 04-10 Eid al-Fitr holiday; 04-11 Eid al-Fitr holiday; 04-12 Eid al-Fitr holiday; 06-15 Day of Arafah; 06-16 Eid al-Adha; 06-17 Eid al-Adha holiday; 06-18 Eid al-Adha holiday; 09-23 Saudi National Day",
     "HRSD announcements for the private sector 2024: Eid al-Fitr from the end of work on 29 Ramadan (8 April) for four days, Eid al-Adha 15-18 June, National Day on Monday 23 September"},
    {"SA", 2025, "02-22 Founding Day; 03-30 Eid al-Fitr holiday; 03-31 Eid al-Fitr holiday; 04-01 Eid al-Fitr holiday; 04-02 Eid al-Fitr holiday; 06-05 Day of Arafah; 06-06 Eid al-Adha; 06-07 Eid al-Adha holiday; 06-08 Eid al-Adha holiday; 09-23 Saudi National Day",
     "HRSD announcements for the private sector 2025: Eid al-Fitr 30 March - 2 April, Eid al-Adha 5-8 June"},
    {"AE", 2023, "01-01 New Year's Day; 04-20 Eid al-Fitr holiday; 04-21 Eid al-Fitr; 04-22 Eid al-Fitr holiday; 04-23 Eid al-Fitr holiday; 06-27 Arafat Day; 06-28 Eid al-Adha; 06-29 Eid al-Adha holiday; 06-30 Eid al-Adha holiday; 07-21 Islamic New Year; 09-29 Prophet Muhammad's Birthday; 12-02 National Day; 12-03 National Day holiday",
     "UAE Cabinet's holiday calendar for 2023 (WAM, 27 November 2022): 29 Ramadan - 3 Shawwal, Hijri New Year 21 July, Prophet's Birthday 29 September"},
    {"AE", 2024, "01-01 New Year's Day; 04-08 Eid al-Fitr holiday; 04-09 Eid al-Fitr holiday; 04-10 Eid al-Fitr; 04-11 Eid al-Fitr holiday; 04-12 Eid al-Fitr holiday; 06-15 Arafat Day; 06-16 Eid al-Adha; 06-17 Eid al-Adha holiday; 06-18 Eid al-Adha holiday; 07-07 Islamic New Year; 09-15 Prophet Muhammad's Birthday; 12-02 National Day; 12-03 National Day holiday",
     "UAE Cabinet's holiday calendar for 2024 (WAM, 21 November 2023); Eid al-Fitr on 10 April after a 30-day Ramadan"},
    {"AE", 2025, "01-01 New Year's Day; 03-30 Eid al-Fitr; 03-31 Eid al-Fitr holiday; 04-01 Eid al-Fitr holiday; 06-05 Arafat Day; 06-06 Eid al-Adha; 06-07 Eid al-Adha holiday; 06-08 Eid al-Adha holiday; 06-27 Islamic New Year; 09-05 Prophet Muhammad's Birthday; 12-01 National Day holiday; 12-02 National Day",
     "Cabinet Resolution No. 27 of 2024; Hijri New Year and Prophet's Birthday moved to Fridays; MoHRE circular of 17 November 2025: National Day 1-2 December"},
    {"TR", 2023, "01-01 New Year's Day; 04-21 Ramadan Feast; 04-22 Ramadan Feast (second day); 04-23 National Sovereignty and Children's Day; 04-23 Ramadan Feast (third day); 05-01 Labour and Solidarity Day; 05-19 Commemoration of Atatürk, Youth and Sports Day; 06-28 Feast of the Sacrifice; 06-29 Feast of the Sacrifice (second day); 06-30 Feast of the Sacrifice (third day); 07-01 Feast of the Sacrifice (fourth day); 07-15 Democracy and National Unity Day; 08-30 Victory Day; 10-29 Republic Day",
     "Law 2429; Diyanet's calendar of feasts for 2023"},
    // Slovakia, Argentina, Chile, Peru, Monaco, Andorra, Russia, Ukraine, Singapore, the Philippines:
    // the laws and lists named in each file's source lines, as the rows name them.
    {"SK", 2024, "01-01 Day of the Establishment of the Slovak Republic; 01-06 Epiphany; 03-29 Good Friday; 04-01 Easter Monday; 05-01 Labour Day; 05-08 Day of Victory over Fascism; 07-05 Saints Cyril and Methodius Day; 08-29 Slovak National Uprising Anniversary; 09-15 Our Lady of Seven Sorrows; 11-01 All Saints' Day; 11-17 Struggle for Freedom and Democracy Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 St Stephen's Day",
     "Act 241/1993 as amended by the consolidation law of 2023: 1 September a working day from 2024 (vlada.gov.sk, state holidays)"},
    {"SK", 2025, "01-01 Day of the Establishment of the Slovak Republic; 01-06 Epiphany; 04-18 Good Friday; 04-21 Easter Monday; 05-01 Labour Day; 05-08 Day of Victory over Fascism; 07-05 Saints Cyril and Methodius Day; 08-29 Slovak National Uprising Anniversary; 09-15 Our Lady of Seven Sorrows; 11-01 All Saints' Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 St Stephen's Day",
     "Act 241/1993 as amended by the consolidation law of 2025: 17 November a working day from 2025"},
    {"SK", 2026, "01-01 Day of the Establishment of the Slovak Republic; 01-06 Epiphany; 04-03 Good Friday; 04-06 Easter Monday; 05-01 Labour Day; 07-05 Saints Cyril and Methodius Day; 08-29 Slovak National Uprising Anniversary; 11-01 All Saints' Day; 12-24 Christmas Eve; 12-25 Christmas Day; 12-26 St Stephen's Day",
     "the consolidation law passed on 25 September 2025: 8 May and 15 September working days in 2026 (spravy.stvr.sk)"},
    {"AR", 2024, "01-01 New Year's Day; 02-12 Carnival; 02-13 Carnival; 03-24 Day of Remembrance for Truth and Justice; 03-29 Good Friday; 04-01 Bridge holiday for tourism; 04-02 Day of the Veterans and the Fallen of the Malvinas War; 05-01 Labour Day; 05-25 May Revolution Day; 06-17 Anniversary of the Death of General Güemes; 06-20 Anniversary of the Death of General Belgrano; 06-21 Bridge holiday for tourism; 07-09 Independence Day; 08-17 Anniversary of the Death of General San Martín; 10-11 Bridge holiday for tourism; 10-12 Day of Respect for Cultural Diversity; 11-18 National Sovereignty Day; 12-08 Immaculate Conception; 12-25 Christmas Day",
     "Ley 27.399 art. 6 (20 November on Monday 18) and Decreto 106/2023: the tourist holidays of 1 April, 21 June and 11 October"},
    {"AR", 2025, "01-01 New Year's Day; 03-03 Carnival; 03-04 Carnival; 03-24 Day of Remembrance for Truth and Justice; 04-02 Day of the Veterans and the Fallen of the Malvinas War; 04-18 Good Friday; 05-01 Labour Day; 05-02 Non-working day for tourism; 05-25 May Revolution Day; 06-16 Anniversary of the Death of General Güemes; 06-20 Anniversary of the Death of General Belgrano; 07-09 Independence Day; 08-15 Non-working day for tourism; 08-17 Anniversary of the Death of General San Martín; 10-12 Day of Respect for Cultural Diversity; 11-21 Non-working day for tourism; 11-24 National Sovereignty Day; 12-08 Immaculate Conception; 12-25 Christmas Day",
     "Ley 27.399 art. 6 (17 June on Monday 16, 20 November on Monday 24) and Decreto 1027/2024: 2 May, 15 August, 21 November"},
    {"CL", 2024, "01-01 New Year's Day; 03-29 Good Friday; 03-30 Holy Saturday; 05-01 Labour Day; 05-21 Navy Day; 06-20 National Day of Indigenous Peoples; 06-29 Saints Peter and Paul; 07-16 Our Lady of Mount Carmel; 08-15 Assumption Day; 09-18 Independence Day; 09-19 Army Day; 09-20 National holiday; 10-12 Meeting of Two Worlds; 10-31 Day of the Evangelical and Protestant Churches; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day",
     "Leyes 19.668, 20.299, 20.983, 21.357 (solstice 20 June 2024, 16:51 in Chile); the election days left out"},
    {"CL", 2025, "01-01 New Year's Day; 04-18 Good Friday; 04-19 Holy Saturday; 05-01 Labour Day; 05-21 Navy Day; 06-20 National Day of Indigenous Peoples; 06-29 Saints Peter and Paul; 07-16 Our Lady of Mount Carmel; 08-15 Assumption Day; 09-18 Independence Day; 09-19 Army Day; 10-12 Meeting of Two Worlds; 10-31 Day of the Evangelical and Protestant Churches; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day",
     "Leyes 19.668, 20.299, 21.357 (solstice 20 June 2025, 22:42 in Chile); the election days left out"},
    {"CL", 2026, "01-01 New Year's Day; 04-03 Good Friday; 04-04 Holy Saturday; 05-01 Labour Day; 05-21 Navy Day; 06-21 National Day of Indigenous Peoples; 06-29 Saints Peter and Paul; 07-16 Our Lady of Mount Carmel; 08-15 Assumption Day; 09-18 Independence Day; 09-19 Army Day; 10-12 Meeting of Two Worlds; 10-31 Day of the Evangelical and Protestant Churches; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day",
     "Leyes 19.668, 20.299, 21.357 (solstice 21 June 2026, 04:24 in Chile)"},
    {"PE", 2024, "01-01 New Year's Day; 03-28 Maundy Thursday; 03-29 Good Friday; 05-01 Labour Day; 06-07 Battle of Arica and Flag Day; 06-29 Saints Peter and Paul; 07-23 Peruvian Air Force Day; 07-28 Independence Day; 07-29 Independence Day (second day); 08-06 Battle of Junín; 08-30 Saint Rose of Lima; 10-08 Battle of Angamos; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-09 Battle of Ayacucho; 12-25 Christmas Day",
     "Decreto Legislativo 713, art. 6, as amended: the sixteen holidays of 2024"},
    {"PE", 2025, "01-01 New Year's Day; 04-17 Maundy Thursday; 04-18 Good Friday; 05-01 Labour Day; 06-07 Battle of Arica and Flag Day; 06-29 Saints Peter and Paul; 07-23 Peruvian Air Force Day; 07-28 Independence Day; 07-29 Independence Day (second day); 08-06 Battle of Junín; 08-30 Saint Rose of Lima; 10-08 Battle of Angamos; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-09 Battle of Ayacucho; 12-25 Christmas Day",
     "Decreto Legislativo 713, art. 6, as amended"},
    {"PE", 2026, "01-01 New Year's Day; 04-02 Maundy Thursday; 04-03 Good Friday; 05-01 Labour Day; 06-07 Battle of Arica and Flag Day; 06-29 Saints Peter and Paul; 07-23 Peruvian Air Force Day; 07-28 Independence Day; 07-29 Independence Day (second day); 08-06 Battle of Junín; 08-30 Saint Rose of Lima; 10-08 Battle of Angamos; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-09 Battle of Ayacucho; 12-25 Christmas Day",
     "Decreto Legislativo 713, art. 6, as amended"},
    {"MC", 2024, "01-01 New Year's Day; 01-27 St Devota's Day; 04-01 Easter Monday; 05-01 Labour Day; 05-09 Ascension Day; 05-20 Whit Monday; 05-30 Corpus Christi; 08-15 Assumption Day; 11-01 All Saints' Day; 11-19 National Day; 12-08 Immaculate Conception; 12-25 Christmas Day",
     "Loi n° 798; the government's list for 2024 (Monaco Tribune, January 2024): 8 December, a Sunday, not moved"},
    {"MC", 2025, "01-01 New Year's Day; 01-27 St Devota's Day; 04-21 Easter Monday; 05-01 Labour Day; 05-29 Ascension Day; 06-09 Whit Monday; 06-19 Corpus Christi; 08-15 Assumption Day; 11-01 All Saints' Day; 11-19 National Day; 12-08 Immaculate Conception; 12-25 Christmas Day",
     "Loi n° 798: no holiday on a Sunday in 2025"},
    {"AD", 2019, "01-01 New Year's Day; 01-06 Epiphany; 03-04 Carnival; 03-14 Constitution Day; 04-19 Good Friday; 04-22 Easter Monday; 05-01 Labour Day; 06-10 Whit Monday; 08-15 Assumption Day; 09-08 Our Lady of Meritxell; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day",
     "Decret del calendari laboral 2019 (BOPA, 14 November 2018)"},
    {"AD", 2023, "01-01 New Year's Day; 01-06 Epiphany; 02-20 Carnival; 03-14 Constitution Day; 04-07 Good Friday; 04-10 Easter Monday; 05-01 Labour Day; 05-29 Whit Monday; 08-15 Assumption Day; 09-08 Our Lady of Meritxell; 11-01 All Saints' Day; 12-08 Immaculate Conception; 12-25 Christmas Day; 12-26 St Stephen's Day",
     "Decret del calendari laboral 2023 (Govern d'Andorra, October 2022)"},
    {"RU", 2024, "01-01 New Year Holidays; 01-02 New Year Holidays; 01-03 New Year Holidays; 01-04 New Year Holidays; 01-05 New Year Holidays; 01-06 New Year Holidays; 01-07 Orthodox Christmas Day; 01-08 New Year Holidays; 02-23 Defender of the Fatherland Day; 03-08 International Women's Day; 04-29 Day off by decree; 04-30 Day off by decree; 05-01 Spring and Labour Day; 05-09 Victory Day; 05-10 Day off by decree; 06-12 Russia Day; 11-04 Unity Day; 12-30 Day off by decree; 12-31 Day off by decree",
     "Labour Code art. 112; Government Decree No. 1354 of 10 August 2023 (days off 29-30 April, 10 May, 30-31 December)"},
    {"RU", 2025, "01-01 New Year Holidays; 01-02 New Year Holidays; 01-03 New Year Holidays; 01-04 New Year Holidays; 01-05 New Year Holidays; 01-06 New Year Holidays; 01-07 Orthodox Christmas Day; 01-08 New Year Holidays; 02-23 Defender of the Fatherland Day; 03-08 International Women's Day; 05-01 Spring and Labour Day; 05-02 Day off by decree; 05-08 Day off by decree; 05-09 Victory Day; 06-12 Russia Day; 06-13 Day off by decree; 11-03 Day off by decree; 11-04 Unity Day; 12-31 Day off by decree",
     "Labour Code art. 112; Government Decree No. 1335 of 4 October 2024 (days off 2 and 8 May, 13 June, 3 November, 31 December)"},
    {"RU", 2026, "01-01 New Year Holidays; 01-02 New Year Holidays; 01-03 New Year Holidays; 01-04 New Year Holidays; 01-05 New Year Holidays; 01-06 New Year Holidays; 01-07 Orthodox Christmas Day; 01-08 New Year Holidays; 01-09 Day off by decree; 02-23 Defender of the Fatherland Day; 03-08 International Women's Day; 03-09 International Women's Day (day off); 05-01 Spring and Labour Day; 05-09 Victory Day; 05-11 Victory Day (day off); 06-12 Russia Day; 11-04 Unity Day; 12-31 Day off by decree",
     "Labour Code art. 112 (8 March and 9 May on a weekend give 9 March and 11 May); the decree for 2026 (9 January, 31 December)"},
    {"UA", 2021, "01-01 New Year's Day; 01-07 Orthodox Christmas Day; 03-08 International Women's Day; 05-01 Labour Day; 05-02 Easter; 05-03 Labour Day (day off); 05-04 Easter (day off); 05-09 Victory Day; 05-10 Victory Day (day off); 06-20 Trinity; 06-21 Trinity (day off); 06-28 Constitution Day; 08-24 Independence Day; 10-14 Defender of Ukraine Day; 12-25 Christmas Day; 12-27 Christmas Day (day off)",
     "Labour Code art. 67 and 73: the weekend holidays' days off on 3 and 4 May, 10 May, 21 June, 27 December"},
    {"UA", 2022, "01-01 New Year's Day; 01-03 New Year's Day (day off); 01-07 Orthodox Christmas Day",
     "Labour Code art. 73; martial law from 24 February 2022 (Law 2136-IX, art. 6)"},
    {"UA", 2025, "",
     "Law 2136-IX, art. 6: no holiday is a day off under martial law"},
    {"SG", 2024, "01-01 New Year's Day; 02-10 Chinese New Year; 02-11 Chinese New Year (second day); 02-12 Chinese New Year (second day) (observed); 03-29 Good Friday; 04-10 Hari Raya Puasa; 05-01 Labour Day; 05-22 Vesak Day; 06-17 Hari Raya Haji; 08-09 National Day; 10-31 Deepavali; 12-25 Christmas Day",
     "Ministry of Manpower, public holidays 2024"},
    {"SG", 2025, "01-01 New Year's Day; 01-29 Chinese New Year; 01-30 Chinese New Year (second day); 03-31 Hari Raya Puasa; 04-18 Good Friday; 05-01 Labour Day; 05-03 Polling Day; 05-12 Vesak Day; 06-07 Hari Raya Haji; 08-09 National Day; 10-20 Deepavali; 12-25 Christmas Day",
     "Ministry of Manpower, public holidays 2025 (Polling Day 3 May)"},
    {"SG", 2026, "01-01 New Year's Day; 02-17 Chinese New Year; 02-18 Chinese New Year (second day); 03-21 Hari Raya Puasa; 04-03 Good Friday; 05-01 Labour Day; 05-27 Hari Raya Haji; 05-31 Vesak Day; 06-01 Vesak Day (observed); 08-09 National Day; 08-10 National Day (observed); 11-08 Deepavali; 11-09 Deepavali (observed); 12-25 Christmas Day",
     "Ministry of Manpower, public holidays 2026 (Hari Raya Puasa 21 March)"},
    {"PH", 2024, "01-01 New Year's Day; 02-10 Chinese New Year; 03-28 Maundy Thursday; 03-29 Good Friday; 03-30 Black Saturday; 04-09 Day of Valor; 04-10 Eid'l Fitr; 05-01 Labor Day; 06-12 Independence Day; 06-17 Eid'l Adha; 08-23 Ninoy Aquino Day; 08-26 National Heroes Day; 11-01 All Saints' Day; 11-02 All Souls' Day; 11-30 Bonifacio Day; 12-08 Feast of the Immaculate Conception of Mary; 12-24 Christmas Eve; 12-25 Christmas Day; 12-30 Rizal Day; 12-31 Last Day of the Year",
     "Proclamation 368 (2023), Proclamation 665 (Ninoy Aquino Day on 23 August) and the Eid proclamations of 2024"},
    {"PH", 2025, "01-01 New Year's Day; 01-29 Chinese New Year; 04-01 Eid'l Fitr; 04-09 Day of Valor; 04-17 Maundy Thursday; 04-18 Good Friday; 04-19 Black Saturday; 05-01 Labor Day; 05-12 Election Day; 06-06 Eid'l Adha; 06-12 Independence Day; 07-27 Iglesia ni Cristo Founding Anniversary; 08-21 Ninoy Aquino Day; 08-25 National Heroes Day; 10-31 All Saints' Day Eve; 11-01 All Saints' Day; 11-30 Bonifacio Day; 12-08 Feast of the Immaculate Conception of Mary; 12-24 Christmas Eve; 12-25 Christmas Day; 12-30 Rizal Day; 12-31 Last Day of the Year",
     "Proclamations 727 and 729 (2024), 839 (Eid'l Fitr 1 April), 878 (election 12 May) and 911 (Eid'l Adha 6 June)"},
};

class ShippedWorldCountry : public testing::TestWithParam<PublishedWorldYear>
{
};

TEST_P(ShippedWorldCountry, ListsThePublishedHolidays)
{
    const PublishedWorldYear &row = GetParam();
    SCOPED_TRACE(row.source);
    const auto result = shipped().holidays(QString::fromLatin1(row.region), row.year, QStringLiteral("en"));
    ASSERT_TRUE(result.ok()) << qPrintable(result.error);
    EXPECT_EQ(listText(result.days), QString::fromUtf8(row.holidays));
}

INSTANTIATE_TEST_SUITE_P(Published, ShippedWorldCountry, testing::ValuesIn(PublishedWorldYears),
                         [](const testing::TestParamInfo<PublishedWorldYear> &info) {
                             return QStringLiteral("%1_%2").arg(QString::fromLatin1(info.param.region)).arg(info.param.year).toStdString();
                         });

// Single days where a law changed or a day off moved: kept ("MM-DD Name") or not (a name).
const PublishedDay PublishedWorldDays[] = {
    {"GR", 2021, "05-04 Labour Day", true, "Ministry of Labour, 2021: 1 May was Holy Saturday"},
    {"GR", 2021, "05-01 Labour Day", false, "Ministry of Labour, 2021"},
    {"GR", 2022, "05-02 Labour Day", true, "Ministry of Labour, 2022: 1 May was a Sunday"},
    {"GR", 2013, "05-07 Labour Day", true, "Ministry of Development, 2013: 1 May was Holy Wednesday"},
    {"GR", 2016, "05-03 Labour Day", true, "Ministry of Labour, 2016: 1 May was Easter Sunday"},
    {"BG", 2017, "01-02 New Year's Day (day off)", true, "Labour Code art. 154(2), in force from 2017"},
    {"BG", 2016, "(day off)", false, "the weekend rule of art. 154(2) holds from 2017"},
    {"LV", 2024, "05-06 Restoration of Independence Day (day off)", true, "State Labour Inspectorate (vdi.gov.lv): 4 May 2024 a Saturday"},
    {"BG", 2022, "12-27 Christmas Eve (day off)", true, "Labour Code art. 154(2); 24 and 25 December 2022 a weekend"},
    {"BG", 2022, "12-28 Christmas Day (day off)", true, "Labour Code art. 154(2)"},
    {"RS", 2023, "01-03 New Year's Day (day off)", true, "Law on State Holidays art. 3: 1 January 2023 a Sunday, 2 January a holiday"},
    {"RS", 2011, "Armistice Day", false, "a public holiday from 2012"},
    {"RO", 2016, "Children's Day", false, "Legea 220/2016: from 2017"},
    {"RO", 2023, "Epiphany", false, "Legea 52/2023: from 2024"},
    {"HR", 2019, "06-25 Statehood Day", true, "the law of 2019 moved it to 30 May from 2020"},
    {"HR", 2019, "Remembrance Day", false, "NN 110/19: from 2020"},
    {"SI", 2015, "New Year's Day (second day)", false, "ZPDPD as amended in 2012: not work-free 2013..2016"},
    {"SI", 2017, "01-02 New Year's Day (second day)", true, "ZPDPD as amended in 2016"},
    {"LV", 2018, "11-19 Proclamation Day (day off)", true, "Latvian holiday law: 18 November 2018 a Sunday"},
    {"LV", 2023, "05-29 Ice Hockey Bronze Medal Day", true, "Saeima's law of 2023"},
    {"LT", 2019, "All Souls' Day", false, "Labour Code: from 2020"},
    {"HU", 2016, "Good Friday", false, "Mt. 102. §: from 2017"},
    {"LU", 2018, "Europe Day", false, "the law of 19 December 2018: from 2019"},
    {"CO", 2025, "06-30 Sacred Heart", true, "Ley 51 de 1983: moved to Monday 30 June 2025"},
    {"TR", 2016, "Democracy and National Unity Day", false, "Law 6752: first kept in 2017"},
    {"SA", 2023, "04-21 Eid al-Fitr holiday", true, "HRSD: Eid al-Fitr 1444 on 21 April 2023"},
    {"SA", 2024, "04-10 Eid al-Fitr holiday", true, "HRSD: Eid al-Fitr 1445 on 10 April 2024"},
    {"SA", 2025, "03-30 Eid al-Fitr holiday", true, "HRSD: Eid al-Fitr 1446 on 30 March 2025"},
    {"SA", 2023, "06-27 Day of Arafah", true, "Supreme Court: Arafah 1444 on 27 June 2023"},
    {"SA", 2024, "06-15 Day of Arafah", true, "Supreme Court: Arafah 1445 on 15 June 2024"},
    {"SA", 2025, "06-05 Day of Arafah", true, "Supreme Court: Arafah 1446 on 5 June 2025"},
    {"SA", 2021, "Founding Day", false, "Royal Order A/371: first kept on 22 February 2022"},
    {"AE", 2023, "06-28 Eid al-Adha", true, "u.ae public holidays 2023"},
    {"AE", 2024, "06-16 Eid al-Adha", true, "u.ae public holidays 2024"},
    {"AE", 2025, "06-06 Eid al-Adha", true, "u.ae public holidays 2025"},
    {"AE", 2023, "07-21 Islamic New Year", true, "Cabinet: Hijri New Year 1445 kept on Friday 21 July 2023"},
    {"AE", 2025, "09-05 Prophet Muhammad's Birthday", true, "Cabinet: kept on Friday 5 September 2025"},
    {"AE", 2024, "12-02 National Day", true, "u.ae public holidays 2024"},
    {"EG", 2023, "04-17 Sham el-Nessim", true, "Cabinet decree for 2023; Coptic Easter 16 April"},
    {"EG", 2024, "05-06 Sham el-Nessim", true, "Cabinet decree for 2024; Coptic Easter 5 May"},
    {"EG", 2025, "04-21 Sham el-Nessim", true, "Cabinet decree for 2025; Coptic Easter 20 April"},
    {"EG", 2023, "04-21 Eid al-Fitr", true, "Dar al-Ifta: 1 Shawwal 1444"},
    {"EG", 2024, "04-10 Eid al-Fitr", true, "Dar al-Ifta: 1 Shawwal 1445"},
    {"EG", 2025, "03-30 Eid al-Fitr", true, "Dar al-Ifta: 1 Shawwal 1446"},
    {"EG", 2024, "06-16 Eid al-Adha", true, "Dar al-Ifta: 10 Dhu al-Hijjah 1445"},
    {"IL", 2021, "04-15 Independence Day", true, "gov.il: moved from Saturday 17 April 2021"},
    {"KR", 2012, "Hangeul Day", false, "a public holiday again from 2013"},
    {"KR", 2022, "Buddha's Birthday (substitute holiday)", false, "substitutes for Buddha's Birthday from 2023"},
    {"KR", 2014, "09-10 Chuseok (substitute holiday)", true, "Ministry of Security and Public Administration, 2014: the first substitute holiday, Chuseok's eve a Sunday"},
    {"KR", 2012, "Chuseok (substitute holiday)", false, "substitute holidays from 2014 (the Regulations as amended 5 November 2013): Chuseok on Sunday 30 September 2012 gave none"},
    {"KR", 2019, "05-06 Children's Day (substitute holiday)", true, "the Regulations art. 3(2), 2019: Children's Day a Sunday"},
    {"KR", 2019, "Buddha's Birthday (substitute holiday)", false, "the Regulations, 2019: no substitute for Buddha's Birthday on Sunday 12 May"},
    {"KR", 2021, "Christmas Day (substitute holiday)", false, "substitutes for Christmas from 2023: 25 December 2021 a Saturday"},
    {"CN", 2007, "Qingming Festival", false, "a statutory holiday from 2008"},
    {"CN", 2010, "02-13 Spring Festival Eve", true, "State Council 2007 amendment: the eve, 2008 to 2013"},    {"AR", 2026, "03-23 Non-working day for tourism", true, "Resolución 164/2025 (JGM), Boletín Oficial 26 December 2025"},
    {"AR", 2026, "07-10 Non-working day for tourism", true, "Resolución 164/2025 (JGM)"},
    {"AR", 2026, "12-07 Non-working day for tourism", true, "Resolución 164/2025 (JGM)"},
    {"AR", 2026, "06-15 Anniversary of the Death of General Güemes", true, "Ley 27.399 art. 6: 17 June 2026 a Wednesday"},
    {"AR", 2027, "Non-working day for tourism", false, "no decree for 2027 yet"},
    {"SK", 2018, "10-30 Centenary of the Declaration of the Slovak Nation", true, "Act 241/1993 as amended in 2018: a day of rest once"},
    {"SK", 2019, "Centenary of the Declaration", false, "a day of rest in 2018 only"},
    {"SK", 2027, "09-15 Our Lady of Seven Sorrows", true, "the consolidation law of 2025 suspended it for 2026 only"},
    {"RU", 2027, "Day off by decree", false, "no decree for 2027 yet"},
    {"RU", 2027, "05-10 Victory Day (day off)", true, "Labour Code art. 112: 9 May 2027 a Sunday"},
    {"UA", 2027, "07-15 Statehood Day", true, "Labour Code art. 73 as amended in 2023, once martial law ends"},
    {"SG", 2023, "01-24 Chinese New Year (observed)", true, "Ministry of Manpower 2023: 22 January a Sunday, 23 January the second day"},
    {"SG", 2023, "09-01 Polling Day", true, "Ministry of Manpower 2023: presidential election"},
    {"SG", 2023, "04-22 Hari Raya Puasa", true, "Ministry of Manpower 2023"},
    {"SG", 2023, "06-29 Hari Raya Haji", true, "Ministry of Manpower 2023"},
    {"MA", 2024, "04-10 Eid al-Fitr", true, "Ministry of Habous: 1 Shawwal 1445 on 10 April 2024"},
    {"MA", 2025, "03-31 Eid al-Fitr", true, "Ministry of Habous: 1 Shawwal 1446 on 31 March 2025"},
    {"MA", 2024, "06-17 Eid al-Adha", true, "Ministry of Habous: 10 Dhu al-Hijjah 1445 on 17 June 2024"},
    {"MA", 2025, "06-07 Eid al-Adha", true, "Ministry of Habous: 10 Dhu al-Hijjah 1446 on 7 June 2025"},
    {"MA", 2024, "01-14 Amazigh New Year", true, "Royal decision of May 2023: a paid holiday from 2024"},
    {"MA", 2026, "07-30 Throne Day", true, "Décret 2-04-426"},
    {"MA", 2025, "11-18 Independence Day", true, "Décret 2-04-426"},
    {"CL", 2023, "National Day of Indigenous Peoples", false, "the file starts in 2024"},
    {"MC", 2022, "05-02 Labour Day (day off)", true, "the government's list for 2022: 1 May a Sunday"},
    {"MC", 2022, "12-26 Christmas Day (day off)", true, "the government's list for 2022: 25 December a Sunday"},
    {"MC", 2023, "11-20 National Day (day off)", true, "the government's list for 2023: 19 November a Sunday"},
    {"MC", 2023, "01-02 New Year's Day (day off)", true, "the government's list for 2023"},
    {"PH", 2026, "02-17 Chinese New Year", true, "Proclamation 1006 (2025)"},
    {"PH", 2026, "04-04 Black Saturday", true, "Proclamation 1006 (2025)"},
    {"PH", 2026, "08-31 National Heroes Day", true, "Proclamation 1006: the last Monday of August"},
    {"PH", 2026, "11-02 All Souls' Day", true, "Proclamation 1006 (2025)"},
    {"PH", 2026, "EDSA", false, "Proclamation 1006: 25 February a special working day"},
};

INSTANTIATE_TEST_SUITE_P(World, ShippedDay, testing::ValuesIn(PublishedWorldDays), publishedDayName);

TEST(ShippedWorldFiles, GiveNoDayOffOnAnotherHoliday)
{
    // A weekend holiday's day off goes to a day that is free: one listed on the date of another
    // holiday would be a day off that is no day off at all.
    for (const char *country : {"BG", "RS", "LV", "KR", "RU", "UA", "MC"}) {
        for (int y = 1900; y <= 2100; ++y) {
            const auto result = shipped().holidays(QString::fromLatin1(country), y, QStringLiteral("en"));
            ASSERT_TRUE(result.ok()) << country << " " << y;
            std::map<sys_days, int> holidaysOn;
            for (const HolidayDay &day : result.days)
                ++holidaysOn[sys_days{day.date}];
            for (const HolidayDay &day : result.days) {
                if (day.name.endsWith(QLatin1String("(day off)")) || day.name.endsWith(QLatin1String("(substitute holiday)"))) {
                    ASSERT_EQ(holidaysOn[sys_days{day.date}], 1) << country << " " << y << " " << qPrintable(day.name);
                }
            }
        }
    }
}

} // namespace

// Whether a country's file is checked against published years or days here; the check that
// every shipped file is checked asks it.
bool worldCountryHasAPublishedYear(const QString &country);
bool worldCountryHasAPublishedYear(const QString &country)
{
    const auto ofCountry = [&](const auto &row) { return QString::fromLatin1(row.region).startsWith(country); };
    return std::any_of(std::begin(PublishedWorldYears), std::end(PublishedWorldYears), ofCountry)
           || std::any_of(std::begin(PublishedWorldDays), std::end(PublishedWorldDays), ofCountry);
}
