// What every shipped holiday file keeps over two centuries, and the substitute days of holidays
// that share a day ("or-on-holiday").

#include "calendar/holidays/holidays.h"
#include "tests/calendar/holidays/shippedholidays.h"
#include "tests/support/qtprinters.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

using namespace std::chrono;

namespace {

QDate qdate(year_month_day date)
{
    return QDate(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())));
}

// Every country file the source tree ships, parsed; a file that does not parse fails the test.
std::vector<std::shared_ptr<const HolidayCountry>> shippedCountries()
{
    std::vector<std::shared_ptr<const HolidayCountry>> countries;
    const QStringList files = QDir(ShippedFolder).entryList({QStringLiteral("??.txt")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const HolidayLoadResult loaded = loadHolidayFile(ShippedFolder + QLatin1Char('/') + file);
        if (!loaded.country)
            ADD_FAILURE() << qPrintable(loaded.error);
        else
            countries.push_back(loaded.country);
    }
    return countries;
}

// The days off the laws themselves put on another holiday, which the program lists and says
// beside the list. A region code stands for itself; a country code for it and all its regions.
struct KnownClash
{
    const char *region;
    const char *clash;  // "YYYY-MM-DD day off / holiday"
    const char *law;
};

const KnownClash KnownClashes[] = {
    {"NZ", "2038-04-26 Anzac Day (observed) / Easter Monday",
     "Holidays Act 2003 s 45A: Anzac Day on a Sunday is kept on the Monday after, Easter Monday in 2038"},
    {"AU-WA", "2038-04-26 Anzac Day (additional day) / Easter Monday",
     "Public and Bank Holidays Act 1972 (WA): the Monday after a weekend Anzac Day, Easter Monday in 2038"},
    {"US-HI", "2005-03-25 Prince Jonah Kuhio Kalanianaole Day (observed) / Good Friday",
     "HRS 8-1: a Saturday holiday is kept on the Friday before, Good Friday in 2005"},
    {"US-HI", "2016-03-25 Prince Jonah Kuhio Kalanianaole Day (observed) / Good Friday",
     "HRS 8-1: as in 2005, Good Friday in 2016"},
};

TEST(ShippedHolidayProperties, GiveRealDatesOfTheYearAndSayWhereADayOffMeetsAnother)
{
    // 1900..2100: every year of each country's own list, and every 7th year of each region,
    // the regions of a country starting a year apart so that together they cover each year,
    // besides the years of the known clashes. The holidays of a year are listed in that year
    // (a day off moved across New Year's Eve is listed in the year it falls in), in date order;
    // a day off that shares its date with any other entry must come with a clash naming it.
    const std::vector<std::shared_ptr<const HolidayCountry>> countries = shippedCountries();
    ASSERT_GE(countries.size(), 49u);
    QStringList unknown;
    std::map<std::ptrdiff_t, int> seen;  // by index into KnownClashes
    int regionYears = 0;
    for (const auto &country : countries) {
        int regionIndex = 0;
        for (const auto &[code, name] : country->regions()) {
            const bool isCountry = code == country->code();
            const int first = 1900 + (isCountry ? 0 : regionIndex++ % 7);
            std::vector<int> years;
            for (int y = first; y <= 2100; y += isCountry ? 1 : 7)
                years.push_back(y);
            for (const KnownClash &row : KnownClashes)
                if (code.startsWith(QLatin1String(row.region)))
                    years.push_back(QString::fromLatin1(row.clash).left(4).toInt());
            std::sort(years.begin(), years.end());
            years.erase(std::unique(years.begin(), years.end()), years.end());
            for (const int y : years) {
                std::vector<HolidayClash> clashes;
                const auto days = country->holidays(code, y, &clashes);
                ASSERT_TRUE(days.has_value()) << qPrintable(code);
                ++regionYears;
                std::map<sys_days, int> entriesOn;
                QDate previous;
                for (const HolidayDay &day : *days) {
                    const QDate date = qdate(day.date);
                    ASSERT_TRUE(day.date.ok() && date.isValid()) << qPrintable(code) << " " << y << " " << qPrintable(day.name);
                    ASSERT_EQ(date.year(), y) << qPrintable(code) << " " << qPrintable(day.name);
                    ASSERT_FALSE(previous.isValid() && date < previous) << qPrintable(code) << " " << y << " out of order";
                    previous = date;
                    ++entriesOn[sys_days{day.date}];
                }
                for (const HolidayDay &day : *days) {
                    if (!day.dayOff || entriesOn[sys_days{day.date}] == 1)
                        continue;
                    const bool said = std::any_of(clashes.begin(), clashes.end(), [&](const HolidayClash &clash) {
                        return clash.date == day.date && clash.dayOff == day.name && !clash.holiday.isEmpty();
                    });
                    EXPECT_TRUE(said) << qPrintable(code) << " " << qPrintable(qdate(day.date).toString(Qt::ISODate))
                                      << ": the day off " << qPrintable(day.name) << " shares its day without a word";
                }
                for (const HolidayClash &clash : clashes) {
                    const QString text = QStringLiteral("%1 %2 / %3").arg(qdate(clash.date).toString(Qt::ISODate), clash.dayOff, clash.holiday);
                    // A structured binding cannot be captured before clang 16: the code goes in by name.
                    const auto known = std::find_if(std::begin(KnownClashes), std::end(KnownClashes),
                                                    [&text, &regionCode = code](const KnownClash &row) {
                                                        const QString region = QLatin1String(row.region);
                                                        return (regionCode == region || regionCode.startsWith(region + QLatin1Char('-')))
                                                               && text == QLatin1String(row.clash);
                                                    });
                    if (known == std::end(KnownClashes))
                        unknown << code + QLatin1Char(' ') + text;
                    else
                        ++seen[known - std::begin(KnownClashes)];
                }
            }
        }
    }
    EXPECT_GE(regionYears, 201 * 49 + 29 * 120);
    // Every other day off has a day of its own, and each known clash still happens.
    EXPECT_EQ(unknown, QStringList());
    for (std::ptrdiff_t i = 0; i < std::ssize(KnownClashes); ++i)
        EXPECT_GT(seen[i], 0) << KnownClashes[i].region << " " << KnownClashes[i].clash;
}

// A file's holidays of one year as "MM-DD Name", days off marked with a star.
QString yearOf(const QString &text, int year)
{
    const HolidayLoadResult loaded = parseHolidayFile(text, QStringLiteral("XX.txt"), QStringLiteral("XX"));
    if (!loaded.country)
        return loaded.error;
    QStringList items;
    for (const HolidayDay &day : loaded.country->holidays(QStringLiteral("XX"), year).value_or(std::vector<HolidayDay>{}))
        items << qdate(day.date).toString(QStringLiteral("MM-dd ")) + day.name + (day.dayOff ? QStringLiteral("*") : QString());
    return items.join(QStringLiteral("; "));
}

const QString Header = QStringLiteral("country XX Testland\nsource The test's own law\nobserved-suffix (substitute)\n");

struct SharedDayCase
{
    const char *name;
    const char *lines;
    int year;
    const char *holidays;
};

// 5 May is a Monday in 2025 and a Saturday in 2029; 3 October a Tuesday in 2028, a Monday in
// 2033 (2 October a Sunday) and a Friday in 2025.
const SharedDayCase SharedDayCases[] = {
    {"TwoMovedHolidaysOnAWeekdayGetOneDayOffNamedByTheFirst",
     "May 5 = Children's Day; observed next-working-day or-on-holiday\n"
     "May 5 = Buddha's Birthday; observed next-working-day or-on-holiday\n",
     2025, "05-05 Children's Day; 05-05 Buddha's Birthday; 05-06 Children's Day (substitute)*"},
    {"TwoMovedHolidaysOnASaturdayGetOneDayOff",
     "May 5 = Children's Day; observed next-working-day or-on-holiday\n"
     "May 5 = Buddha's Birthday; observed next-working-day or-on-holiday\n",
     2029, "05-05 Children's Day; 05-05 Buddha's Birthday; 05-07 Children's Day (substitute)*"},
    {"AHolidayMovesOffAnotherThatDoesNotMove",
     "May 5 = Children's Day; observed next-working-day or-on-holiday\n"
     "2025 May 5 = Election Day\n",
     2025, "05-05 Children's Day; 05-05 Election Day; 05-06 Children's Day (substitute)*"},
    {"WithoutTheClauseASharedWeekdayGivesNothing",
     "May 5 = Children's Day; observed next-working-day\n"
     "2025 May 5 = Election Day\n",
     2025, "05-05 Children's Day; 05-05 Election Day"},
    {"AHolidayAloneOnAWeekdayStays",
     "May 5 = Children's Day; observed next-working-day or-on-holiday\n",
     2025, "05-05 Children's Day"},
    {"ABlockMeetingAFixedDayGivesTheFirstWeekdayAfterTheBlock",
     "Oct 2 = Eve; observed sunday-to-next-working-day or-on-holiday\n"
     "Oct 3 = Feast; observed sunday-to-next-working-day or-on-holiday\n"
     "Oct 4 = Day after; observed sunday-to-next-working-day or-on-holiday\n"
     "Oct 3 = Foundation Day; observed next-working-day or-on-holiday\n",
     2028, "10-02 Eve; 10-03 Feast; 10-03 Foundation Day; 10-04 Day after; 10-05 Feast (substitute)*"},
    {"ASundayAndASharedDayInOneBlockGiveTwoDaysOffInDateOrder",
     "Oct 2 = Eve; observed sunday-to-next-working-day or-on-holiday\n"
     "Oct 3 = Feast; observed sunday-to-next-working-day or-on-holiday\n"
     "Oct 4 = Day after; observed sunday-to-next-working-day or-on-holiday\n"
     "Oct 3 = Foundation Day; observed next-working-day or-on-holiday\n",
     2033, "10-02 Eve; 10-03 Feast; 10-03 Foundation Day; 10-04 Day after; 10-05 Eve (substitute)*; 10-06 Feast (substitute)*"},
    {"TheWorkingDayWaySkipsTheWeekendAfterAFriday",
     "Oct 3 = Feast; observed sunday-to-next-working-day or-on-holiday\n"
     "Oct 4 = Day after; observed sunday-to-next-working-day or-on-holiday\n"
     "Oct 3 = Foundation Day; observed next-working-day or-on-holiday\n",
     2025, "10-03 Feast; 10-03 Foundation Day; 10-04 Day after; 10-06 Feast (substitute)*"},
    {"TheFreeDayWayTakesTheSundayAfterAFriday",
     "Oct 3 = Feast; observed sunday-to-next-free-day or-on-holiday\n"
     "Oct 4 = Day after; observed sunday-to-next-free-day or-on-holiday\n"
     "Oct 3 = Foundation Day\n",
     2025, "10-03 Feast; 10-03 Foundation Day; 10-04 Day after; 10-05 Feast (substitute)*"},
    {"TheSundayWayLeavesASaturdayAlone",
     "Oct 4 = Day after; observed sunday-to-next-working-day or-on-holiday\n",
     2025, "10-04 Day after"},
    {"TheClauseHoldsFromItsYear",
     "May 5 = Children's Day; observed next-working-day or-on-holiday from 2026\n"
     "May 5 = Buddha's Birthday\n",
     2025, "05-05 Children's Day; 05-05 Buddha's Birthday"},
    {"AnEasterDayMayMoveOffAFixedOne",
     "Easter +1 = Easter Monday\n"
     "Apr 26 = Anzac Day; observed next-working-day or-on-holiday\n",
     2038, "04-26 Easter Monday; 04-26 Anzac Day; 04-27 Anzac Day (substitute)*"},
};

class SharedDay : public testing::TestWithParam<SharedDayCase>
{
};

TEST_P(SharedDay, GivesTheDaysOffOfTheLaw)
{
    const SharedDayCase &row = GetParam();
    EXPECT_EQ(yearOf(Header + QString::fromUtf8(row.lines), row.year), QString::fromUtf8(row.holidays));
}

INSTANTIATE_TEST_SUITE_P(OrOnHoliday, SharedDay, testing::ValuesIn(SharedDayCases),
                         [](const testing::TestParamInfo<SharedDayCase> &info) { return std::string(info.param.name); });

TEST(SharedDay, IsRefusedWithAWayThatDoesNotSearch)
{
    for (const char *way : {"nearest", "monday", "sunday-to-monday"}) {
        const QString error = yearOf(Header + QStringLiteral("May 5 = Children's Day; observed %1 or-on-holiday\n").arg(QLatin1String(way)), 2025);
        EXPECT_TRUE(error.startsWith(QLatin1String("XX.txt, line 4: 'or-on-holiday' needs a way"))) << qPrintable(error);
    }
    // A day that always falls on a Monday can still share it, so the clause is not refused as
    // one that never acts; without it, it is.
    EXPECT_EQ(yearOf(Header + QStringLiteral("Easter +1 = Easter Monday; observed next-working-day or-on-holiday\n"), 2025),
              QStringLiteral("04-21 Easter Monday"));
    EXPECT_TRUE(yearOf(Header + QStringLiteral("Easter +1 = Easter Monday; observed next-working-day\n"), 2025)
                    .contains(QLatin1String("always falls on a Monday")));
}

TEST(DayOffClash, IsReportedWithTheRegionTheDateAndBothNames)
{
    // Christmas 2021 is a Saturday: the nearest weekday before it is Christmas Eve, a holiday.
    const QString text = Header + QStringLiteral("Dec 24 = Christmas Eve\nDec 25 = Christmas Day; observed nearest\n");
    const HolidayLoadResult loaded = parseHolidayFile(text, QStringLiteral("XX.txt"), QStringLiteral("XX"));
    ASSERT_TRUE(loaded.country) << qPrintable(loaded.error);
    std::vector<HolidayClash> clashes;
    loaded.country->holidays(QStringLiteral("XX"), 2021, &clashes);
    ASSERT_EQ(clashes.size(), 1u);
    EXPECT_EQ(qdate(clashes[0].date), QDate(2021, 12, 24));
    EXPECT_EQ(clashes[0].dayOff, QStringLiteral("Christmas Day (substitute)"));
    EXPECT_EQ(clashes[0].holiday, QStringLiteral("Christmas Eve"));
    clashes.clear();
    loaded.country->holidays(QStringLiteral("XX"), 2022, &clashes);
    EXPECT_TRUE(clashes.empty());

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile file(folder.filePath(QStringLiteral("XX.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(text.toUtf8()), text.toUtf8().size());
    file.close();
    const HolidayCatalog catalog({QString(), folder.path()});
    const HolidayList list = catalog.holidays(QStringLiteral("XX"), 2021, QStringLiteral("en"));
    ASSERT_TRUE(list.ok()) << qPrintable(list.error);
    EXPECT_EQ(list.warnings, QStringList{QStringLiteral("XX, 2021-12-24: the day off 'Christmas Day (substitute)' falls on the "
                                                        "same day as 'Christmas Eve'")});
    EXPECT_TRUE(catalog.holidays(QStringLiteral("XX"), 2022, QStringLiteral("en")).warnings.isEmpty());
}

TEST(DayOffClash, IsReportedWhenNoFreeDayIsLeft)
{
    // 1 January 2023 is a Sunday, and every day of the month after it is a holiday.
    QString text = Header + QStringLiteral("Jan 1 = New Year's Day; observed sunday-to-next-free-day\n");
    for (int d = 2; d <= 32; ++d) {
        const QDate date = QDate(2023, 1, 1).addDays(d - 1);
        text += date.toString(QStringLiteral("yyyy MMM d")) + QStringLiteral(" = Festival day %1\n").arg(d);
    }
    const HolidayLoadResult loaded = parseHolidayFile(text, QStringLiteral("XX.txt"), QStringLiteral("XX"));
    ASSERT_TRUE(loaded.country) << qPrintable(loaded.error);
    std::vector<HolidayClash> clashes;
    const auto days = loaded.country->holidays(QStringLiteral("XX"), 2023, &clashes);
    ASSERT_TRUE(days.has_value());
    EXPECT_EQ(days->size(), 32u);
    ASSERT_EQ(clashes.size(), 1u);
    EXPECT_EQ(qdate(clashes[0].date), QDate(2023, 1, 1));
    EXPECT_TRUE(clashes[0].holiday.isEmpty());
}

// The code block after `heading` in docs/holiday-format.md.
QString documentBlock(const char *heading)
{
    QFile document(QStringLiteral(LUNARIA_SOURCE_DIR "/docs/holiday-format.md"));
    if (!document.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(document.readAll());
    const qsizetype fence = text.indexOf(QStringLiteral("```"), text.indexOf(QLatin1String(heading)));
    const qsizetype start = text.indexOf(QLatin1Char('\n'), fence) + 1;
    return text.mid(start, text.indexOf(QStringLiteral("```"), start) - start).trimmed();
}

TEST(HolidayFormatDocument, TheKoreanLinesAreThoseOfTheShippedFile)
{
    QFile file(ShippedFolder + QStringLiteral("/KR.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList shippedLines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const QStringList example = documentBlock("#### A holiday on another holiday").split(QLatin1Char('\n'));
    ASSERT_EQ(example.size(), 4);
    for (const QString &line : example)
        EXPECT_TRUE(shippedLines.contains(line)) << qPrintable(line);
}

TEST(HolidayFormatDocument, TheClashMessageIsTheOneGiven)
{
    const HolidayList list = shipped().holidays(QStringLiteral("NZ"), 2038, QStringLiteral("en"));
    ASSERT_TRUE(list.ok()) << qPrintable(list.error);
    EXPECT_TRUE(list.warnings.contains(documentBlock("#### A day off on a day already taken"))) << qPrintable(list.warnings.join(QLatin1Char('\n')));
}

} // namespace
