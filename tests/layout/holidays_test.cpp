// The holiday file format, rule by rule, the computus, and the catalog of files.

#include "layout/holidaydates.h"
#include "layout/holidays.h"

#include <QCalendar>
#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace std::chrono;

namespace {

year_month_day ymd(int y, unsigned m, unsigned d)
{
    return year_month_day{year{y}, month{m}, day{d}};
}

// The holidays of `region` in `year` of a file given as text; fails the test on any error.
std::vector<HolidayDay> holidaysOf(const QString &text, const QString &region, int year)
{
    const HolidayLoadResult loaded = parseHolidayFile(text, QStringLiteral("XX.txt"));
    EXPECT_TRUE(loaded.country) << qPrintable(loaded.error);
    if (!loaded.country)
        return {};
    const auto days = loaded.country->holidays(region, year);
    EXPECT_TRUE(days.has_value()) << qPrintable(region);
    return days.value_or(std::vector<HolidayDay>{});
}

QString header(const char *lines)
{
    return QStringLiteral("country XX Testland\nsource The test's own law\n") + QString::fromUtf8(lines);
}

// "YYYY-MM-DD Name" of each day, for compact comparisons.
QStringList texts(const std::vector<HolidayDay> &days)
{
    QStringList list;
    for (const HolidayDay &day : days)
        list << QStringLiteral("%1-%2-%3 %4")
                    .arg(int(day.date.year()))
                    .arg(unsigned(day.date.month()), 2, 10, QLatin1Char('0'))
                    .arg(unsigned(day.date.day()), 2, 10, QLatin1Char('0'))
                    .arg(day.name);
    return list;
}

QStringList expected(std::initializer_list<const char *> rows)
{
    QStringList list;
    for (const char *row : rows)
        list << QString::fromUtf8(row);
    return list;
}

} // namespace

TEST(HolidayDates, FixedNthLastAndNearbyWeekdays)
{
    const QString file = header("Dec 25 = Christmas Day\n"
                                "Feb 29 = Leap Day\n"
                                "4th Thu of Nov = Thanksgiving Day\n"
                                "5th Fri of Feb = Fifth Friday\n"
                                "last Mon of May = Memorial Day\n"
                                "Mon on or before May 24 = Victoria Day\n"
                                "Fri on or after Jun 19 = Midsummer Eve\n"
                                "1st Mon of Nov +1 = Election Day\n");
    // Typed from a 2024 calendar: a leap year whose February has five Thursdays, not Fridays.
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX"), 2024)),
              expected({"2024-02-29 Leap Day", "2024-05-20 Victoria Day", "2024-05-27 Memorial Day", "2024-06-21 Midsummer Eve",
                        "2024-11-05 Election Day", "2024-11-28 Thanksgiving Day", "2024-12-25 Christmas Day"}));
    // 2021: 24 May and 19 June are themselves the weekday sought.
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX"), 2021)),
              expected({"2021-05-24 Victoria Day", "2021-05-31 Memorial Day", "2021-06-25 Midsummer Eve", "2021-11-02 Election Day",
                        "2021-11-25 Thanksgiving Day", "2021-12-25 Christmas Day"}));
    // 2036 is a leap year with a fifth Friday in February.
    const auto days2036 = texts(holidaysOf(file, QStringLiteral("XX"), 2036));
    EXPECT_TRUE(days2036.contains(QStringLiteral("2036-02-29 Fifth Friday")));
    EXPECT_TRUE(days2036.contains(QStringLiteral("2036-02-29 Leap Day")));
}

TEST(HolidayDates, EasterOffsetsWesternAndOrthodox)
{
    const QString file = header("Easter -2 = Good Friday\nEaster +39 = Ascension Day\nOrthodox Easter = Orthodox Easter\n"
                                "Orthodox Easter + 1 = Orthodox Easter Monday\n");
    // 2024: Western Easter 31 March, Orthodox 5 May (published church calendars).
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX"), 2024)),
              expected({"2024-03-29 Good Friday", "2024-05-05 Orthodox Easter", "2024-05-06 Orthodox Easter Monday", "2024-05-09 Ascension Day"}));
}

TEST(HolidayDates, WesternEasterMatchesGaussFrom1900To2200)
{
    for (int y = 1900; y <= 2200; ++y) {
        // Gauss's Easter algorithm with Lichtenberg's corrections, independent of the code's.
        const int a = y % 19, k = y / 100, m = 15 + (3 * k + 3) / 4 - (8 * k + 13) / 25, s = 2 - (3 * k + 3) / 4;
        const int d = (19 * a + m) % 30, r = (d + a / 11) / 29, og = 21 + d - r;
        const int sz = 7 - (y + y / 4 + s) % 7, oe = 7 - (og - sz) % 7, os = og + oe;  // os: day of March
        const QDate gauss = QDate(y, 3, 1).addDays(os - 1);
        const year_month_day easter = westernEaster(y);
        ASSERT_EQ(QDate(int(easter.year()), int(unsigned(easter.month())), int(unsigned(easter.day()))), gauss) << y;
    }
}

TEST(HolidayDates, OrthodoxEasterMatchesTheJulianCalendarFrom1900To2200)
{
    const QCalendar julian(QCalendar::System::Julian);
    for (int y = 1900; y <= 2200; ++y) {
        // Gauss's algorithm for the Julian calendar (M = 15, N = 6), then Qt's Julian calendar.
        const int a = y % 19, b = y % 4, c = y % 7, d = (19 * a + 15) % 30, e = (2 * b + 4 * c + 6 * d + 6) % 7;
        const int dayOfMarch = 22 + d + e;
        const QDate gauss = dayOfMarch <= 31 ? QDate(y, 3, dayOfMarch, julian) : QDate(y, 4, dayOfMarch - 31, julian);
        const year_month_day easter = orthodoxEaster(y);
        ASSERT_EQ(QDate(int(easter.year()), int(unsigned(easter.month())), int(unsigned(easter.day()))), gauss) << y;
    }
}

TEST(HolidayDates, EasterMatchesPublishedTables)
{
    // Western and Orthodox Easter Sunday from the published tables.
    const struct
    {
        int year;
        year_month_day western;
        year_month_day orthodox;
    } rows[] = {
        {1900, ymd(1900, 4, 15), ymd(1900, 4, 22)}, {1943, ymd(1943, 4, 25), ymd(1943, 4, 25)}, {1961, ymd(1961, 4, 2), ymd(1961, 4, 9)},
        {2000, ymd(2000, 4, 23), ymd(2000, 4, 30)}, {2008, ymd(2008, 3, 23), ymd(2008, 4, 27)}, {2011, ymd(2011, 4, 24), ymd(2011, 4, 24)},
        {2016, ymd(2016, 3, 27), ymd(2016, 5, 1)},  {2024, ymd(2024, 3, 31), ymd(2024, 5, 5)},  {2025, ymd(2025, 4, 20), ymd(2025, 4, 20)},
        {2038, ymd(2038, 4, 25), ymd(2038, 4, 25)}, {2100, ymd(2100, 3, 28), ymd(2100, 5, 2)},  {2200, ymd(2200, 4, 6), ymd(2200, 4, 6)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.year);
        EXPECT_EQ(westernEaster(row.year), row.western);
        EXPECT_EQ(orthodoxEaster(row.year), row.orthodox);
    }
}

TEST(HolidayDates, JapaneseEquinoxesMatchTheAlmanac)
{
    // National Astronomical Observatory of Japan, as published in the official gazette.
    const struct
    {
        int year;
        unsigned march;
        unsigned september;
    } rows[] = {{1960, 20, 23}, {1979, 21, 24}, {1992, 20, 23}, {2012, 20, 22}, {2016, 20, 22}, {2024, 20, 22}, {2025, 20, 23}, {2044, 20, 22}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.year);
        EXPECT_EQ(japaneseMarchEquinoxDay(row.year), row.march);
        EXPECT_EQ(japaneseSeptemberEquinoxDay(row.year), row.september);
    }
    for (const int y : {1, 1000, 1899, 2151, 5000, 9999}) {
        EXPECT_GE(japaneseMarchEquinoxDay(y), 19u);
        EXPECT_LE(japaneseMarchEquinoxDay(y), 22u);
        EXPECT_GE(japaneseSeptemberEquinoxDay(y), 21u);
        EXPECT_LE(japaneseSeptemberEquinoxDay(y), 24u);
    }
}

TEST(HolidayObserved, NearestMovesSaturdayToFridayAndSundayToMonday)
{
    const QString file = header("observed-suffix (observed)\nJan 1 = New Year's Day; observed nearest\nJul 4 = Independence Day; observed nearest\n"
                                "Dec 25 = Christmas Day; observed nearest\n");
    // OPM's 2021 list: 4 July on a Sunday, Christmas and the next New Year's Day on Saturdays.
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX"), 2021)),
              expected({"2021-01-01 New Year's Day", "2021-07-04 Independence Day", "2021-07-05 Independence Day (observed)",
                        "2021-12-24 Christmas Day (observed)", "2021-12-25 Christmas Day", "2021-12-31 New Year's Day (observed)"}));
    // 2022 keeps its own New Year's Day but not the day off, which lies in 2021.
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX"), 2022)).first(), QStringLiteral("2022-01-01 New Year's Day"));
}

TEST(HolidayObserved, NextWorkingDayGivesCollidingHolidaysSuccessiveDays)
{
    const QString file = header("observed-suffix (substitute day)\nJan 1 = New Year's Day; observed next-working-day\n"
                                "Dec 25 = Christmas Day; observed next-working-day\nDec 26 = Boxing Day; observed next-working-day\n");
    // gov.uk: 2021 Christmas on Saturday, Boxing Day on Sunday; 2022 Christmas on Sunday.
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX"), 2021)),
              expected({"2021-01-01 New Year's Day", "2021-12-25 Christmas Day", "2021-12-26 Boxing Day",
                        "2021-12-27 Christmas Day (substitute day)", "2021-12-28 Boxing Day (substitute day)"}));
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX"), 2022)),
              expected({"2022-01-01 New Year's Day", "2022-01-03 New Year's Day (substitute day)", "2022-12-25 Christmas Day",
                        "2022-12-26 Boxing Day", "2022-12-27 Christmas Day (substitute day)"}));
}

TEST(HolidayObserved, MondaySundayOnlyAndNextFreeDay)
{
    const QString file = header("Feb 6 = Waitangi Day; observed monday as Waitangi Day (Mondayised)\n"
                                "Dec 25 = Christmas Day; observed sunday-to-monday as Christmas Monday\n"
                                "Dec 26 = Day of Goodwill; observed sunday-to-monday as Goodwill Monday\n"
                                "May 3 = Constitution Day; observed sunday-to-next-free-day as Substitute Holiday\n"
                                "May 4 = Greenery Day\nMay 5 = Children's Day\n");
    // 2021: 6 Feb a Saturday -> Monday 8; 26 Dec a Sunday -> Monday 27.
    const QStringList y2021 = texts(holidaysOf(file, QStringLiteral("XX"), 2021));
    EXPECT_TRUE(y2021.contains(QStringLiteral("2021-02-08 Waitangi Day (Mondayised)")));
    EXPECT_TRUE(y2021.contains(QStringLiteral("2021-12-27 Goodwill Monday")));
    EXPECT_FALSE(y2021.contains(QStringLiteral("2021-12-27 Christmas Monday")));  // a Saturday stays
    // 2022: Christmas on a Sunday, but its Monday is the Day of Goodwill already: nothing more.
    const QStringList y2022 = texts(holidaysOf(file, QStringLiteral("XX"), 2022));
    EXPECT_FALSE(y2022.join(QLatin1Char('|')).contains(QStringLiteral("Christmas Monday")));
    // 2015: 3 May a Sunday, 4 and 5 May holidays -> Wednesday 6 May (Japan's substitute holiday).
    EXPECT_TRUE(texts(holidaysOf(file, QStringLiteral("XX"), 2015)).contains(QStringLiteral("2015-05-06 Substitute Holiday")));
}

TEST(HolidayObserved, HoldsFromItsFirstYearOnly)
{
    const QString file = header("Jul 4 = Independence Day; observed nearest from 1971 as Independence Day (observed)\n");
    EXPECT_EQ(holidaysOf(file, QStringLiteral("XX"), 1965).size(), 1u);  // a Sunday, before the rule
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX"), 1982)).last(), QStringLiteral("1982-07-05 Independence Day (observed)"));
}

TEST(HolidayYears, FirstLastSkippedAndEveryNthYear)
{
    const QString file = header("Jun 19 = Juneteenth; from 2021\nNov 11 = Old Day; until 1970\n"
                                "last Mon of May = Spring bank holiday; skip 2022\n2022 Jun 2 = Spring bank holiday\n"
                                "Oct 1 = Inauguration; from 2024; every 6 years\n");
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX"), 2020)), expected({"2020-05-25 Spring bank holiday"}));
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX"), 2022)), expected({"2022-06-02 Spring bank holiday", "2022-06-19 Juneteenth"}));
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX"), 1970)),
              expected({"1970-05-25 Spring bank holiday", "1970-11-11 Old Day"}));
    EXPECT_EQ(holidaysOf(file, QStringLiteral("XX"), 2030).size(), 3u);
    EXPECT_EQ(holidaysOf(file, QStringLiteral("XX"), 2031).size(), 2u);
}

TEST(HolidayYears, IfAndUnlessADayFallsOnAWeekday)
{
    const QString file = header("Feb 1 = St Brigid's Day; if Feb 1 is Fri\n1st Mon of Feb = St Brigid's Day; unless Feb 1 is Fri\n");
    // citizensinformation.ie: 3 Feb 2025 (1 Feb a Saturday), 1 Feb 2030 (a Friday).
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX"), 2025)), expected({"2025-02-03 St Brigid's Day"}));
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX"), 2030)), expected({"2030-02-01 St Brigid's Day"}));
}

TEST(HolidayYears, OneOffDatesAndTwoHolidaysOnOneDate)
{
    const QString file = header("2023 May 8 = Coronation\n1st Mon of May = Early May bank holiday\nMay 8 = Liberation Day\n");
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX"), 2023)),
              expected({"2023-05-01 Early May bank holiday", "2023-05-08 Coronation", "2023-05-08 Liberation Day"}));
    EXPECT_EQ(holidaysOf(file, QStringLiteral("XX"), 2024).size(), 2u);
}

TEST(HolidayYears, BetweenTwoHolidaysIsACitizensHoliday)
{
    const QString file = header("3rd Mon of Sep = Respect for the Aged Day\nSep 23 = Autumnal Equinox Day\n"
                                "between holidays = Citizens' Holiday; from 1986\n");
    // 2015 (Cabinet Office): Monday 21 and Wednesday 23 September, so Tuesday 22 too.
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX"), 2015)),
              expected({"2015-09-21 Respect for the Aged Day", "2015-09-22 Citizens' Holiday", "2015-09-23 Autumnal Equinox Day"}));
    EXPECT_EQ(holidaysOf(file, QStringLiteral("XX"), 2016).size(), 2u);
}

TEST(HolidayRegions, ARegionKeepsTheNationalDaysThatApplyAndItsOwn)
{
    const QString file = header("Jan 1 = New Year's Day\nEaster +1 = Easter Monday; not in XX-SC\nJan 6 = Epiphany; in XX-BY XX-BW\n"
                                "region XX-BY Bavaria\nAug 15 = Assumption Day\n"
                                "region XX-BW Baden-Württemberg\nregion XX-SC Scotland\nJan 2 = 2nd January\n");
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX"), 2024)), expected({"2024-01-01 New Year's Day", "2024-04-01 Easter Monday"}));
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX-BY"), 2024)),
              expected({"2024-01-01 New Year's Day", "2024-01-06 Epiphany", "2024-04-01 Easter Monday", "2024-08-15 Assumption Day"}));
    EXPECT_EQ(texts(holidaysOf(file, QStringLiteral("XX-SC"), 2024)), expected({"2024-01-01 New Year's Day", "2024-01-02 2nd January"}));
    const HolidayLoadResult loaded = parseHolidayFile(file, QStringLiteral("XX.txt"));
    ASSERT_TRUE(loaded.country);
    EXPECT_EQ(loaded.country->regions().size(), 4u);
    EXPECT_EQ(loaded.country->regionName(QStringLiteral("XX-BW")), QStringLiteral("Baden-Württemberg"));
    EXPECT_FALSE(loaded.country->holidays(QStringLiteral("XX-ZZ"), 2024).has_value());
    EXPECT_EQ(loaded.country->sources(QStringLiteral("XX-BY")), QStringList{QStringLiteral("The test's own law")});
}

struct BrokenFile
{
    const char *tag;
    const char *text;
    int line;
    const char *says;
};

class HolidayFileErrors : public testing::TestWithParam<BrokenFile>
{
};

TEST_P(HolidayFileErrors, NameTheFileAndLine)
{
    const BrokenFile &row = GetParam();
    const HolidayLoadResult loaded = parseHolidayFile(QString::fromUtf8(row.text), QStringLiteral("XX.txt"));
    EXPECT_FALSE(loaded.country);
    const QString where = row.line > 0 ? QStringLiteral("XX.txt, line %1: ").arg(row.line) : QStringLiteral("XX.txt: ");
    EXPECT_TRUE(loaded.error.startsWith(where)) << qPrintable(loaded.error);
    EXPECT_TRUE(loaded.error.contains(QString::fromUtf8(row.says))) << qPrintable(loaded.error);
}

const BrokenFile BrokenFiles[] = {
    {"no_country_line", "Dec 25 = Christmas\n", 1, "must begin with 'country"},
    {"lower_case_code", "country de Germany\n", 1, "two-letter code"},
    {"no_source", "country XX Testland\nDec 25 = Christmas\n", 0, "names no source"},
    {"unknown_month", "country XX T\nsource s\n\n# a comment\nDex 25 = Christmas\n", 5, "'Dex' is not a month"},
    {"day_31_of_april", "country XX T\nsource s\nApr 31 = Nothing\n", 3, "not a day of apr"},
    {"leap_day_near_weekday", "country XX T\nsource s\nMon on or before Feb 29 = X\n", 3, "not a day of feb"},
    {"sixth_weekday", "country XX T\nsource s\n6th Mon of May = X\n", 3, "1st to a 5th"},
    {"unknown_weekday", "country XX T\nsource s\n1st Mo of May = X\n", 3, "'Mo' is not a weekday"},
    {"no_name", "country XX T\nsource s\nDec 25 =\n", 3, "no name"},
    {"no_equals", "country XX T\nsource s\nDec 25 Christmas\n", 3, "neither a directive"},
    {"bad_rule", "country XX T\nsource s\nthe day after payday = X\n", 3, "no date this file format knows"},
    {"huge_offset", "country XX T\nsource s\nEaster +9999 = X\n", 3, "more than 366 days"},
    {"year_zero", "country XX T\nsource s\nDec 25 = X; from 0\n", 3, "not a year"},
    {"until_before_from", "country XX T\nsource s\nDec 25 = X; from 2000; until 1990\n", 3, "kept from 2000 but only until 1990"},
    {"unknown_clause", "country XX T\nsource s\nDec 25 = X; sometimes\n", 3, "no clause"},
    {"unknown_policy", "country XX T\nsource s\nDec 25 = X; observed friday\n", 3, "no way to move"},
    {"every_without_from", "country XX T\nsource s\nDec 25 = X; every 4 years\n", 3, "add 'from YEAR'"},
    {"in_inside_region", "country XX T\nsource s\nregion XX-AB A\nDec 25 = X; in XX-AB\n", 4, "national line"},
    {"undefined_region", "country XX T\nsource s\nDec 25 = X; in XX-QQ\nregion XX-AB A\n", 3, "XX-QQ is not defined"},
    {"region_of_other_country", "country XX T\nsource s\nregion YY-AB A\n", 3, "region XX-CODE"},
    {"region_twice", "country XX T\nsource s\nregion XX-AB A\nregion XX-AB B\n", 4, "defined twice"},
    {"second_country", "country XX T\nsource s\ncountry YY U\n", 3, "second 'country' line"},
};

INSTANTIATE_TEST_SUITE_P(Broken, HolidayFileErrors, testing::ValuesIn(BrokenFiles),
                         [](const testing::TestParamInfo<BrokenFile> &info) { return std::string(info.param.tag); });

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

TEST(HolidayCatalog, AUserFileReplacesTheShippedOne)
{
    QTemporaryDir user;
    QTemporaryDir shipped;
    writeFile(shipped.filePath(QStringLiteral("XX.txt")), "country XX Shipped\nsource s\nDec 25 = Christmas Day\nregion XX-AB Abland\n");
    writeFile(shipped.filePath(QStringLiteral("YY.txt")), "country YY Otherland\nsource s\nJan 1 = New Year's Day\n");
    const HolidayCatalog catalog({user.path(), shipped.path()});
    EXPECT_EQ(catalog.regionName(QStringLiteral("XX")), QStringLiteral("Shipped"));

    writeFile(user.filePath(QStringLiteral("XX.txt")), "country XX Corrected\nsource s\nDec 26 = Boxing Day\n");
    EXPECT_EQ(catalog.regionName(QStringLiteral("XX")), QStringLiteral("Corrected"));
    const auto days = std::get<std::vector<HolidayDay>>(catalog.holidays(QStringLiteral("xx"), 2024));
    EXPECT_EQ(texts(days), expected({"2024-12-26 Boxing Day"}));
    const std::vector<std::pair<QString, QString>> regions{{QStringLiteral("XX"), QStringLiteral("Corrected")},
                                                           {QStringLiteral("YY"), QStringLiteral("Otherland")}};
    EXPECT_EQ(catalog.regions(), regions);
}

TEST(HolidayCatalog, RereadsAFileThatChanged)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("XX.txt"));
    writeFile(path, "country XX Testland\nsource s\nDec 25 = Christmas Day\n");
    const HolidayCatalog catalog({folder.path()});
    EXPECT_EQ(std::get<std::vector<HolidayDay>>(catalog.holidays(QStringLiteral("XX"), 2024)).size(), 1u);
    writeFile(path, "country XX Testland\nsource s\nDec 25 = Christmas Day\nDec 26 = Boxing Day\n");
    EXPECT_EQ(std::get<std::vector<HolidayDay>>(catalog.holidays(QStringLiteral("XX"), 2024)).size(), 2u);
}

TEST(HolidayCatalog, ErrorsNameTheRegionTheFileOrTheLine)
{
    QTemporaryDir folder;
    writeFile(folder.filePath(QStringLiteral("XX.txt")), "country XX Testland\nsource s\nDec 32 = Nothing\n");
    writeFile(folder.filePath(QStringLiteral("YY.txt")), "country ZZ Elsewhere\nsource s\n");
    writeFile(folder.filePath(QStringLiteral("WW.txt")), "country WW Wland\nsource s\n");
    const HolidayCatalog catalog({folder.path()});
    const auto message = [&](const char *region, int year = 2024) { return std::get<QString>(catalog.holidays(QString::fromLatin1(region), year)); };
    EXPECT_TRUE(message("XX").contains(QStringLiteral("XX.txt, line 3: '32' is not a day of dec"))) << qPrintable(message("XX"));
    EXPECT_TRUE(message("YY").contains(QStringLiteral("named YY.txt but defines the country ZZ"))) << qPrintable(message("YY"));
    EXPECT_TRUE(message("QQ").contains(QStringLiteral("no file QQ.txt"))) << qPrintable(message("QQ"));
    EXPECT_TRUE(message("WW-AB").contains(QStringLiteral("defines no region WW-AB"))) << qPrintable(message("WW-AB"));
    EXPECT_TRUE(message("Bavaria").contains(QStringLiteral("no region code"))) << qPrintable(message("Bavaria"));
    EXPECT_TRUE(message("WW", 0).contains(QStringLiteral("1 to 9999"))) << qPrintable(message("WW", 0));
    EXPECT_TRUE(message("WW", 10000).contains(QStringLiteral("1 to 9999")));
    EXPECT_FALSE(catalog.regionName(QStringLiteral("XX")).has_value());
}

TEST(HolidayCatalog, RefusesWhatIsNoRegularUtf8FileOfAtMostOneMebibyte)
{
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("FF.txt"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("DD.txt")));
    writeFile(folder.filePath(QStringLiteral("BB.txt")), "country BB B\nsource s\n" + QByteArray(1024 * 1024, '#'));
    writeFile(folder.filePath(QStringLiteral("LL.txt")), "country LL Latin \xE9\nsource s\n");
    writeFile(folder.filePath(QStringLiteral("NN.txt")), QByteArray("country NN N\nsource s\n\0", 24));
    const HolidayCatalog catalog({folder.path()});
    const auto message = [&](const char *region) { return std::get<QString>(catalog.holidays(QString::fromLatin1(region), 2024)); };
    EXPECT_TRUE(message("FF").endsWith(QStringLiteral("FF.txt: it is not a regular file"))) << qPrintable(message("FF"));
    EXPECT_TRUE(message("DD").endsWith(QStringLiteral("DD.txt: it is not a regular file"))) << qPrintable(message("DD"));
    EXPECT_TRUE(message("BB").contains(QStringLiteral("larger than 1 MiB"))) << qPrintable(message("BB"));
    EXPECT_TRUE(message("LL").contains(QStringLiteral("not UTF-8"))) << qPrintable(message("LL"));
    EXPECT_TRUE(message("NN").contains(QStringLiteral("NUL bytes"))) << qPrintable(message("NN"));
    EXPECT_TRUE(catalog.regions().empty());
}

TEST(HolidayCatalog, SearchesTheUsersFolderFirstAndTheSourceTreeLast)
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/tmp/lunaria-user-data");
    const QStringList path = holidaySearchPath();
    if (saved.isEmpty())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", saved);
    ASSERT_GE(path.size(), 2);
    EXPECT_EQ(path.first(), QStringLiteral("/tmp/lunaria-user-data/lunaria/holidays"));
    EXPECT_EQ(path.last(), QDir::cleanPath(QStringLiteral(LUNARIA_SOURCE_DIR "/data/holidays")));
    QStringList unique = path;
    EXPECT_EQ(unique.removeDuplicates(), 0);
}

TEST(HolidayLabel, NamesTheRegion)
{
    EXPECT_EQ(defaultHolidayLabel(QStringLiteral("Bavaria")), QStringLiteral("Public holidays (Bavaria)"));
}

TEST(HolidayFormatDocument, TheWorkedExampleGivesWhatTheTextSays)
{
    QFile document(QStringLiteral(LUNARIA_SOURCE_DIR "/docs/holiday-format.md"));
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(document.readAll());
    const qsizetype start = text.indexOf(QStringLiteral("```\n")) + 4;
    const QString example = text.mid(start, text.indexOf(QStringLiteral("```"), start) - start);
    EXPECT_EQ(texts(holidaysOf(example, QStringLiteral("GB-SCT"), 2022)),
              expected({"2022-01-01 New Year's Day", "2022-01-02 2nd January", "2022-01-03 New Year's Day (substitute day)",
                        "2022-01-04 2nd January (substitute day)", "2022-04-15 Good Friday", "2022-06-02 Spring bank holiday",
                        "2022-06-03 Platinum Jubilee bank holiday", "2022-12-25 Christmas Day", "2022-12-26 Boxing Day",
                        "2022-12-27 Christmas Day (substitute day)"}));
    const QStringList england = texts(holidaysOf(example, QStringLiteral("GB-ENG"), 2022));
    EXPECT_TRUE(england.contains(QStringLiteral("2022-01-03 New Year's Day (substitute day)")));
    EXPECT_TRUE(england.contains(QStringLiteral("2022-04-18 Easter Monday")));
    EXPECT_FALSE(england.join(QLatin1Char('|')).contains(QStringLiteral("2nd January")));
}
