// The holiday file format, rule by rule, the computus, and the catalog of files.

#include "calendar/holidays/holidaydates.h"
#include "calendar/holidays/holidays.h"
#include "tests/support/qtprinters.h"
#include "tests/support/tables.h"
#include "tests/support/testfiles.h"

#include <QCalendar>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace std::chrono;

namespace {

year_month_day ymd(int y, unsigned m, unsigned d)
{
    return year_month_day{year{y}, month{m}, day{d}};
}

QDate qdate(year_month_day date)
{
    return QDate(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())));
}

// "YYYY-MM-DD Name" of each holiday of `region` in `year` of a file given as text; fails the
// test on any error.
QStringList holidaysOf(const QString &text, const QString &region, int year)
{
    const HolidayLoadResult loaded = parseHolidayFile(text, QStringLiteral("XX.txt"));
    EXPECT_TRUE(loaded.country) << qPrintable(loaded.error);
    const auto days = loaded.country ? loaded.country->holidays(region, year) : std::nullopt;
    EXPECT_TRUE(days.has_value()) << qPrintable(region);
    QStringList list;
    for (const HolidayDay &day : days.value_or(std::vector<HolidayDay>{}))
        list << qdate(day.date).toString(Qt::ISODate) + QLatin1Char(' ') + day.name;
    return list;
}

// One check of a holiday file: the holidays of a region's year, or the error that refuses it.
struct HolidayCase
{
    std::string name;
    QString file;
    QString region;
    int year = 0;
    bool all = true;     // `days` are all the year's holidays, not some of them
    QStringList days;    // "YYYY-MM-DD Name"
    QStringList absent;  // texts in none of them
    QString errorAt;     // when refused: "XX.txt" or "XX.txt, line N" ...
    QString says;        // ... and a text of the message
};

// The cases of a file under tests/data/holidays, whose head says how they are written: each
// section is a holiday file, up to its first "> " line.
std::vector<HolidayCase> holidayCases(const char *dataFile)
{
    std::vector<HolidayCase> cases;
    const QRegularExpression check(QStringLiteral("^> (?:error at (.+?): (.+)|(\\S+) (\\d+)(, among them)?)$"));
    for (const TableSection &section : tableSections(QStringLiteral("holidays/") + QLatin1String(dataFile))) {
        QString file;
        bool inFile = true;
        for (const QString &line : section.lines) {
            const QRegularExpressionMatch match = check.match(line);
            if (match.hasMatch()) {
                inFile = false;
                const QString region = match.captured(3);
                QString tag = region.isEmpty() ? section.name : section.name + QLatin1Char('_') + region + QLatin1Char('_') + match.captured(4);
                cases.push_back({tag.replace(QLatin1Char('-'), QLatin1Char('_')).toStdString(), file, region,
                                 match.captured(4).toInt(), !match.hasCaptured(5), {}, {}, match.captured(1), match.captured(2)});
            } else if (inFile) {
                file += line + QLatin1Char('\n');
            } else if (!isTableNote(line)) {
                if (line.startsWith(QLatin1String("not ")))
                    cases.back().absent << line.mid(4);
                else
                    cases.back().days << line;
            }
        }
        if (inFile)
            ADD_FAILURE() << dataFile << ", line " << section.line << ": no \"> \" line says what " << qPrintable(section.name)
                          << " gives";
    }
    return cases;
}

class HolidayFile : public testing::TestWithParam<HolidayCase> {};

TEST_P(HolidayFile, GivesTheHolidaysOrNamesTheLineAtFault)
{
    const HolidayCase &row = GetParam();
    if (!row.errorAt.isEmpty()) {
        const HolidayLoadResult loaded = parseHolidayFile(row.file, QStringLiteral("XX.txt"));
        EXPECT_FALSE(loaded.country);
        EXPECT_TRUE(loaded.error.startsWith(row.errorAt + QStringLiteral(": "))) << qPrintable(loaded.error);
        EXPECT_TRUE(loaded.error.contains(row.says)) << qPrintable(loaded.error);
        return;
    }
    const QStringList days = holidaysOf(row.file, row.region, row.year);
    if (row.all)
        EXPECT_EQ(days, row.days);
    else
        for (const QString &day : row.days)
            EXPECT_TRUE(days.contains(day)) << qPrintable(day);
    for (const QString &text : row.absent)
        EXPECT_FALSE(days.join(QLatin1Char('|')).contains(text)) << qPrintable(text);
}

const auto caseName = [](const testing::TestParamInfo<HolidayCase> &info) { return info.param.name; };
INSTANTIATE_TEST_SUITE_P(Years, HolidayFile, testing::ValuesIn(holidayCases("years.txt")), caseName);
INSTANTIATE_TEST_SUITE_P(Broken, HolidayFile, testing::ValuesIn(holidayCases("broken.txt")), caseName);
INSTANTIATE_TEST_SUITE_P(Calendars, HolidayFile, testing::ValuesIn(holidayCases("calendars.txt")), caseName);

TEST(HolidayDates, WesternEasterMatchesGaussFrom1900To2200)
{
    for (int y = 1900; y <= 2200; ++y) {
        // Gauss's Easter algorithm with Lichtenberg's corrections, independent of the code's.
        const int a = y % 19, k = y / 100, m = 15 + (3 * k + 3) / 4 - (8 * k + 13) / 25, s = 2 - (3 * k + 3) / 4;
        const int d = (19 * a + m) % 30, r = (d + a / 11) / 29, og = 21 + d - r;
        const int sz = 7 - (y + y / 4 + s) % 7, oe = 7 - (og - sz) % 7, os = og + oe;  // os: day of March
        ASSERT_EQ(qdate(westernEaster(y)), QDate(y, 3, 1).addDays(os - 1)) << y;
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
        ASSERT_EQ(qdate(orthodoxEaster(y)), gauss) << y;
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

TEST(HolidayRegions, AreNamedAndTheirSourcesFound)
{
    const HolidayLoadResult loaded = parseHolidayFile(QStringLiteral("country XX Testland\nsource The test's own law\n"
                                                                     "region XX-BY Bavaria\nregion XX-BW Baden-Württemberg\n"
                                                                     "region XX-SC Scotland\n"),
                                                      QStringLiteral("XX.txt"));
    ASSERT_TRUE(loaded.country);
    EXPECT_EQ(loaded.country->regions().size(), 4u);
    EXPECT_EQ(loaded.country->regionName(QStringLiteral("XX-BW")), QStringLiteral("Baden-Württemberg"));
    EXPECT_FALSE(loaded.country->holidays(QStringLiteral("XX-ZZ"), 2024).has_value());
    EXPECT_EQ(loaded.country->sources(QStringLiteral("XX-BY")), QStringList{QStringLiteral("The test's own law")});
}

TEST(HolidayCatalog, AUserFileReplacesTheShippedOne)
{
    QTemporaryDir user;
    QTemporaryDir shipped;
    writeTestFile(shipped.filePath(QStringLiteral("XX.txt")), "country XX Shipped\nsource s\nDec 25 = Christmas Day\nregion XX-AB Abland\n");
    writeTestFile(shipped.filePath(QStringLiteral("YY.txt")), "country YY Otherland\nsource s\nJan 1 = New Year's Day\n");
    const HolidayCatalog catalog({user.path(), shipped.path()});
    EXPECT_EQ(catalog.regionName(QStringLiteral("XX")), QStringLiteral("Shipped"));

    writeTestFile(user.filePath(QStringLiteral("XX.txt")), "country XX Corrected\nsource s\nDec 26 = Boxing Day\n");
    EXPECT_EQ(catalog.regionName(QStringLiteral("XX")), QStringLiteral("Corrected"));
    const auto days = catalog.holidays(QStringLiteral("xx"), 2024).days;
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(qdate(days[0].date).toString(Qt::ISODate) + QLatin1Char(' ') + days[0].name, QStringLiteral("2024-12-26 Boxing Day"));
    const std::vector<std::pair<QString, QString>> regions{{QStringLiteral("XX"), QStringLiteral("Corrected")},
                                                           {QStringLiteral("YY"), QStringLiteral("Otherland")}};
    EXPECT_EQ(catalog.regions(), regions);
}

TEST(HolidayCatalog, RereadsAFileThatChanged)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("XX.txt"));
    writeTestFile(path, "country XX Testland\nsource s\nDec 25 = Christmas Day\n");
    const HolidayCatalog catalog({folder.path()});
    EXPECT_EQ(catalog.holidays(QStringLiteral("XX"), 2024).days.size(), 1u);
    writeTestFile(path, "country XX Testland\nsource s\nDec 25 = Christmas Day\nDec 26 = Boxing Day\n");
    EXPECT_EQ(catalog.holidays(QStringLiteral("XX"), 2024).days.size(), 2u);
}

TEST(HolidayCatalog, ErrorsNameTheRegionTheFileOrTheLine)
{
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("FF.txt"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("DD.txt")));
    writeTestFile(folder.filePath(QStringLiteral("XX.txt")), "country XX Testland\nsource s\nDec 32 = Nothing\n");
    writeTestFile(folder.filePath(QStringLiteral("YY.txt")), "country ZZ Elsewhere\nsource s\n");
    writeTestFile(folder.filePath(QStringLiteral("WW.txt")), "country WW Wland\nsource s\n");
    writeTestFile(folder.filePath(QStringLiteral("BB.txt")), "country BB B\nsource s\n" + QByteArray(1024 * 1024, '#'));
    writeTestFile(folder.filePath(QStringLiteral("LL.txt")), "country LL Latin\nsource caf\xE9\n");
    writeTestFile(folder.filePath(QStringLiteral("NN.txt")), QByteArray("country NN N\nsource s\n\0", 24));
    ASSERT_TRUE(QFile::link(folder.filePath(QStringLiteral("OO.txt")), folder.filePath(QStringLiteral("OO.txt"))));
    ASSERT_TRUE(QFile::link(folder.filePath(QStringLiteral("gone.txt")), folder.filePath(QStringLiteral("GG.txt"))));
    const HolidayCatalog catalog({folder.path()});
    const struct
    {
        const char *region;
        int year;
        const char *says;
        bool atEnd;  // the message ends with it
    } rows[] = {
        {"XX", 2024, "XX.txt, line 3: '32' is not a day of dec", false},
        {"YY", 2024, "YY.txt, line 1: the file is named YY.txt but defines the country ZZ", false},
        {"QQ", 2024, "no file QQ.txt", false},
        {"WW-AB", 2024, "defines no region WW-AB", false},
        {"Bavaria", 2024, "no region code", false},
        {"WW", 0, "1 to 9999", false},
        {"WW", 10000, "1 to 9999", false},
        // Only a regular UTF-8 file without NUL bytes of at most 1 MiB is read.
        {"FF", 2024, "FF.txt: it is not a regular file", true},
        {"DD", 2024, "DD.txt: it is not a regular file", true},
        {"BB", 2024, "larger than 1 MiB", false},
        {"LL", 2024, "LL.txt, line 2: it is not UTF-8", false},
        {"NN", 2024, "NN.txt, line 3: it holds NUL bytes", false},
        // A link that leads nowhere is no missing file: the user made it.
        {"OO", 2024, "OO.txt: it leads through too many symbolic links", true},
        {"GG", 2024, "gone.txt, which does not exist", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.region) + " " + std::to_string(row.year));
        const QString message = catalog.holidays(QString::fromLatin1(row.region), row.year).error;
        const QString says = QString::fromUtf8(row.says);
        EXPECT_TRUE(row.atEnd ? message.endsWith(says) : message.contains(says)) << qPrintable(message);
    }
    EXPECT_FALSE(catalog.regionName(QStringLiteral("XX")).has_value());
    // Of all the files, only WW's is whole.
    EXPECT_EQ(catalog.regions(), (std::vector<std::pair<QString, QString>>{{QStringLiteral("WW"), QStringLiteral("Wland")}}));
}

TEST(HolidayCatalog, SaysWhenTheUsersOwnFileIsUsed)
{
    enum UserFile { None, Regular, Loop };
    const struct
    {
        const char *name;
        UserFile user;
        bool shipped;
        bool noUserFolder;  // the search path's first entry is empty
        const char *note;   // %1 the user's folder, %2 the shipped one
        const char *error;
    } rows[] = {
        {"shipped only", None, true, false, "", ""},
        {"user's in place of the shipped", Regular, true, false, "using your own holiday list %1/XX.txt instead of %2/XX.txt", ""},
        {"user's only", Regular, false, false, "using your own holiday list %1/XX.txt", ""},
        // Skipping it for the shipped file would hide the mistake behind the old holidays.
        {"user's a loop", Loop, true, false, "", "%1/XX.txt: it leads through too many symbolic links"},
        {"no user folder", None, true, true, "", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir user;
        QTemporaryDir shipped;
        const QString userFile = user.filePath(QStringLiteral("XX.txt"));
        if (row.user == Regular) {
            writeTestFile(userFile, "country XX Mine\nsource s\nDec 26 = Boxing Day\n");
        } else if (row.user == Loop) {
            ASSERT_TRUE(QFile::link(userFile, userFile));
        }
        if (row.shipped)
            writeTestFile(shipped.filePath(QStringLiteral("XX.txt")), "country XX Shipped\nsource s\nDec 25 = Christmas Day\n");
        const HolidayCatalog catalog({row.noUserFolder ? QString() : user.path(), shipped.path()});
        const HolidayList list = catalog.holidays(QStringLiteral("XX"), 2024);
        const auto filled = [&](const char *text) {
            return QString::fromUtf8(text).replace(QLatin1String("%1"), user.path()).replace(QLatin1String("%2"), shipped.path());
        };
        EXPECT_EQ(list.note, filled(row.note));
        EXPECT_EQ(list.error, filled(row.error));
        EXPECT_EQ(list.days.size(), list.ok() ? 1u : 0u);
    }
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
    const QString text = QString::fromUtf8(readTestFile(QStringLiteral(LUNARIA_SOURCE_DIR "/docs/holiday-format.md")));
    const qsizetype start = text.indexOf(QStringLiteral("```\n"), text.indexOf(QStringLiteral("### A worked example"))) + 4;
    const QString example = text.mid(start, text.indexOf(QStringLiteral("```"), start) - start);
    EXPECT_EQ(holidaysOf(example, QStringLiteral("GB-SCT"), 2022),
              QStringLiteral("2022-01-01 New Year's Day|2022-01-02 2nd January|2022-01-03 New Year's Day (substitute day)|"
                             "2022-01-04 2nd January (substitute day)|2022-04-15 Good Friday|2022-06-02 Spring bank holiday|"
                             "2022-06-03 Platinum Jubilee bank holiday|2022-12-25 Christmas Day|2022-12-26 Boxing Day|"
                             "2022-12-27 Christmas Day (substitute day)")
                  .split(QLatin1Char('|')));
    const QStringList england = holidaysOf(example, QStringLiteral("GB-ENG"), 2022);
    EXPECT_TRUE(england.contains(QStringLiteral("2022-01-03 New Year's Day (substitute day)")));
    EXPECT_TRUE(england.contains(QStringLiteral("2022-04-18 Easter Monday")));
    EXPECT_FALSE(england.join(QLatin1Char('|')).contains(QStringLiteral("2nd January")));
}

} // namespace
