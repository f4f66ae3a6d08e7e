#include "calendar/ical/icalendar.h"
#include "calendar/ical/icalwriter.h"
#include "tests/calendar/ical/icstestsupport.h"

#include "calendar/ical/icalsupport.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <optional>
#include <string>

#include <sys/stat.h>

using namespace std::chrono;


namespace {

// The export.

QByteArray sampleIcs()
{
    const year y{2024};
    const auto board = nthWeekdayOfEveryMonth(y, Tuesday[2]);
    const auto payday = lastWeekdayOfEveryMonth(y, Friday);
    const auto bins = everyNWeeksInYear(y / January / 5, 2);
    const year_month_day holiday = y / December / 25;
    const std::vector<IcsExportEvent> events = {
        {uidFor(QStringLiteral("NTH 3 2 Board meeting"), board->start), QStringLiteral("Board meeting"),
         QStringLiteral("Board meeting"), board->start, board->rrule},
        {uidFor(QStringLiteral("LAST 6 Payday"), payday->start), QStringLiteral("Payday"), QStringLiteral("Payday"),
         payday->start, payday->rrule},
        {uidFor(QStringLiteral("EVERY 2 Bins"), bins->start), QStringLiteral("Bins"), QStringLiteral("Bins"), bins->start,
         bins->rrule},
        // A long summary with letters of two and three bytes, to be folded.
        {uidFor(QStringLiteral("HOLIDAYS de"), holiday),
         QStringLiteral("Holidays: Erster Weihnachtstag \u2014 Fête de Noël, Navidad; Christmas Day (Dzień Bożego Narodzenia)"),
         QStringLiteral("Holidays, Germany"), holiday, QString()},
        {uidFor(QStringLiteral("RNG Summer camp"), y / July / 22), QStringLiteral("Summer camp"),
         QStringLiteral("Kids; school\\trips"), y / July / 22, QString(), 12},
        {uidFor(QStringLiteral("DAY Anna"), March / 5), QStringLiteral("Anna"), QStringLiteral("Birthdays, parties"),
         y / March / 5, everyYearFrom(y / March / 5)->rrule},
    };
    return writeIcs(events, QStringLiteral("Lunaria 2024"), QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5), QTimeZone::utc()));
}

QByteArray exportOf(const std::vector<IcsExportEvent> &events)
{
    return writeIcs(events, QString(), QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5), QTimeZone::utc()));
}

TEST(IcsWrite, MatchesTheGoldenFile)
{
    const QByteArray written = sampleIcs();
    const QString golden = sourcePath("tests/data/ics/export-2024.ics");
    if (qEnvironmentVariableIntValue("LUNARIA_UPDATE_GOLDEN") == 1)
        writeTestFile(golden, written);
    // After an intended change, LUNARIA_UPDATE_GOLDEN=1 writes the file again.
    EXPECT_EQ(written.toStdString(), readTestFile(golden).toStdString());
}

TEST(IcsWrite, LinesAreFoldedAt75OctetsAndEndInCrLf)
{
    const QByteArray written = sampleIcs();
    ASSERT_TRUE(written.endsWith("\r\n"));
    EXPECT_EQ(written.count('\n'), written.count("\r\n"));
    EXPECT_EQ(written.count('\r'), written.count("\r\n"));
    bool folded = false;
    for (const QByteArray &line : written.chopped(2).split('\n')) {
        const QByteArray bare = QByteArray(line).replace("\r", "");
        EXPECT_LE(bare.size(), 75) << bare.toStdString();
        folded = folded || bare.startsWith(' ');
        // Folding never splits a character: every line is valid UTF-8 on its own.
        EXPECT_EQ(QString::fromUtf8(bare).toUtf8(), bare);
    }
    EXPECT_TRUE(folded);
}

TEST(IcsWrite, FoldsCleanlyWhereverALineEnds)
{
    // Every length of summary, of one- and two-byte letters and of escapes ("\,"), must come out
    // with whole lines, no fold inside an escape, and read back the same.
    const ScopedTimeZone zone("UTC");
    for (const QString &letter : {QStringLiteral("x"), QStringLiteral("\u00e9"), QStringLiteral(",")}) {
        for (int length = 1; length <= 160; ++length) {
            SCOPED_TRACE(letter.toStdString() + " " + std::to_string(length));
            const QString summary = letter.repeated(length);
            const QByteArray written = exportOf({{QStringLiteral("u"), summary, QString(), year{2024} / May / 1, QString()}});
            EXPECT_FALSE(written.contains("\r\r"));
            EXPECT_FALSE(written.contains("\r\n \r\n"));
            EXPECT_EQ(written.count('\n'), written.count("\r\n"));
            for (const QByteArray &line : written.split('\n')) {
                const QByteArray bare = line.chopped(line.endsWith('\r') ? 1 : 0);
                qsizetype trailing = 0;
                while (trailing < bare.size() && bare[bare.size() - 1 - trailing] == '\\')
                    ++trailing;
                EXPECT_EQ(trailing % 2, 0) << bare.toStdString();
            }
            EXPECT_EQ(entriesOf(parseIcsDays(written, QStringLiteral("export"), 2024)),
                      std::vector<std::string>{"2024-05-01 " + summary.toStdString()});
        }
    }
}

TEST(IcsWrite, LibicalFindsNothingWrong)
{
    const QByteArray written = sampleIcs();
    ensureLibicalSetUp();
    IcalComponentPtr parsed(icalparser_parse_string(written.constData()));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(icalcomponent_isa(parsed.get()), ICAL_VCALENDAR_COMPONENT);
    EXPECT_EQ(icalcomponent_count_errors(parsed.get()), 0);
    EXPECT_EQ(icalcomponent_count_components(parsed.get(), ICAL_VEVENT_COMPONENT), 6);
    // icalrestriction_check adds an X-LIC-ERROR for every rule of RFC 5546 broken.
    EXPECT_EQ(icalrestriction_check(parsed.get()), 1);
    EXPECT_EQ(icalcomponent_count_errors(parsed.get()), 0);
}

TEST(IcsWrite, ReadingTheExportBackMarksTheDaysOfTheRules)
{
    // The oracle counts with QDate; all-day events are on their days in every zone, in every
    // year an export holds (libical 3.0 wrote none after 3000, and the year 1 without VALUE=DATE).
    const QRegularExpression wholeDate(QStringLiteral("^DT(START|END);VALUE=DATE:\\d{8}\r$"));
    for (const char *zoneName : {"UTC", "Pacific/Kiritimati", "America/Adak"}) {
        const ScopedTimeZone zone(zoneName);
        for (const int yearNumber : {1, 2024, 2025, 2026, 3001, MaxIcsExportYear}) {
            SCOPED_TRACE(std::string(zoneName) + " " + std::to_string(yearNumber));
            const year y{yearNumber};
            const auto board = nthWeekdayOfEveryMonth(y, Tuesday[2]);
            const auto fifth = nthWeekdayOfEveryMonth(y, Monday[5]);
            const auto payday = lastWeekdayOfEveryMonth(y, Friday);
            const auto bins = everyNWeeksInYear(y / January / 5, 3);
            const QByteArray written = exportOf({
                {QStringLiteral("1"), QStringLiteral("Board"), QString(), board->start, board->rrule},
                {QStringLiteral("2"), QStringLiteral("Fifth"), QString(), fifth->start, fifth->rrule},
                {QStringLiteral("3"), QStringLiteral("Payday"), QString(), payday->start, payday->rrule},
                {QStringLiteral("4"), QStringLiteral("Bins"), QString(), bins->start, bins->rrule},
                {QStringLiteral("5"), QStringLiteral("Camp"), QString(), y / December / 29, QString(), 3},
            });
            for (const QByteArray &line : written.split('\n')) {
                if (line.startsWith("DTSTART") || line.startsWith("DTEND")) {
                    EXPECT_TRUE(wholeDate.match(QString::fromLatin1(line)).hasMatch()) << line.toStdString();
                }
            }
            std::vector<std::string> expected;
            for (QDate date(yearNumber, 1, 1); date.year() == yearNumber; date = date.addDays(1)) {
                const std::string iso = date.toString(Qt::ISODate).toStdString();
                const int nth = (date.day() - 1) / 7 + 1;
                const qint64 fromJanuary5 = QDate(yearNumber, 1, 5).daysTo(date);
                if (date.dayOfWeek() == Qt::Tuesday && nth == 2)
                    expected.push_back(iso + " Board");
                if (date.dayOfWeek() == Qt::Monday && nth == 5)
                    expected.push_back(iso + " Fifth");
                if (date.dayOfWeek() == Qt::Friday && date.day() + 7 > date.daysInMonth())
                    expected.push_back(iso + " Payday");
                if (fromJanuary5 >= 0 && fromJanuary5 % 21 == 0)
                    expected.push_back(iso + " Bins");
                if (date.month() == 12 && date.day() >= 29)
                    expected.push_back(iso + " Camp");
            }
            std::vector<std::string> read = entriesOf(parseIcsDays(written, QStringLiteral("export"), yearNumber));
            std::sort(expected.begin(), expected.end());
            std::sort(read.begin(), read.end());
            EXPECT_EQ(read, expected);
            // Every rule ends with the year: nothing of the next one.
            if (yearNumber < MaxIcsExportYear) {
                EXPECT_EQ(daysOf(parseIcsDays(written, QStringLiteral("export"), yearNumber + 1)), "");
            }
        }
    }
}

TEST(IcsWrite, TextsReadBackWholeByLibicalAndByUs)
{
    for (const char *utf8 : {"Birthdays, parties", "Club; board", "C:\\Users\\Anna", "a\\,b", "ends in \\", "two\nlines", "a\tb"}) {
        const QString text = QString::fromUtf8(utf8);
        SCOPED_TRACE(utf8);
        const QByteArray written = writeIcs({{QStringLiteral("u"), text, text, year{2024} / May / 1, QString()}}, text,
                                            QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5), QTimeZone::utc()));
        ensureLibicalSetUp();
        IcalComponentPtr parsed(icalparser_parse_string(written.constData()));
        icalcomponent *vevent = parsed ? icalcomponent_get_first_component(parsed.get(), ICAL_VEVENT_COMPONENT) : nullptr;
        ASSERT_TRUE(vevent);
        // CATEGORIES as one property of one value.
        ASSERT_EQ(icalcomponent_count_properties(vevent, ICAL_CATEGORIES_PROPERTY), 1);
        EXPECT_EQ(QString::fromUtf8(icalproperty_get_categories(icalcomponent_get_first_property(vevent, ICAL_CATEGORIES_PROPERTY))), text);
        EXPECT_EQ(QString::fromUtf8(icalcomponent_get_summary(vevent)), text);
        const IcsReadResult read = parseIcsDays(written, QStringLiteral("export"), 2024);
        EXPECT_EQ(entriesOf(read), std::vector<std::string>{"2024-05-01 " + text.toStdString()});
        EXPECT_EQ(read.calendarName, text);
    }
}

TEST(IcsRules, TextsOfTheRules)
{
    const auto board = nthWeekdayOfEveryMonth(year{2024}, Tuesday[2]);
    ASSERT_TRUE(board);
    EXPECT_EQ(isoDate(board->start), "2024-01-09");
    EXPECT_EQ(board->rrule, QStringLiteral("FREQ=MONTHLY;BYDAY=2TU;UNTIL=20241231"));
    // The first fifth Monday of 2024 is 29 January (Python's calendar module).
    const auto fifth = nthWeekdayOfEveryMonth(year{2024}, Monday[5]);
    ASSERT_TRUE(fifth);
    EXPECT_EQ(isoDate(fifth->start), "2024-01-29");
    const auto payday = lastWeekdayOfEveryMonth(year{2027}, Friday);
    ASSERT_TRUE(payday);
    EXPECT_EQ(isoDate(payday->start), "2027-01-29");
    EXPECT_EQ(payday->rrule, QStringLiteral("FREQ=MONTHLY;BYDAY=-1FR;UNTIL=20271231"));
    const auto birthday = everyYearFrom(year{1} / March / 5);
    ASSERT_TRUE(birthday);
    EXPECT_EQ(isoDate(birthday->start), "0001-03-05");
    EXPECT_EQ(birthday->rrule, QStringLiteral("FREQ=YEARLY"));
    const auto bins = everyNWeeksInYear(year{812} / March / 12, 3);
    ASSERT_TRUE(bins);
    EXPECT_EQ(bins->rrule, QStringLiteral("FREQ=WEEKLY;INTERVAL=3;UNTIL=08121231"));

    EXPECT_FALSE(nthWeekdayOfEveryMonth(year{2024}, Tuesday[0]));
    EXPECT_FALSE(nthWeekdayOfEveryMonth(year{2024}, Tuesday[6]));
    EXPECT_FALSE(nthWeekdayOfEveryMonth(year{MaxIcsExportYear + 1}, Tuesday[1]));
    EXPECT_FALSE(everyNWeeksInYear(year{MaxIcsExportYear + 1} / January / 1, 1));
    EXPECT_FALSE(lastWeekdayOfEveryMonth(year{0}, Friday));
    EXPECT_FALSE(everyNWeeksInYear(year{2024} / February / 30, 2));
    EXPECT_FALSE(everyNWeeksInYear(year{2024} / February / 1, 0));
    EXPECT_FALSE(everyYearFrom(year{2023} / February / 29));
    EXPECT_FALSE(everyYearFrom(year{MaxIcsExportYear + 1} / January / 1));
}

TEST(IcsRules, UidsAreStableDigests)
{
    // Computed with Python: hashlib.sha256(b"NTH 3 2 Board meeting\n2024-01-09").hexdigest()[:32]
    EXPECT_EQ(uidFor(QStringLiteral("NTH 3 2 Board meeting"), year{2024} / January / 9),
              QStringLiteral("8a3e4b63d8f04be747af9d39b23fef09@lunaria"));
    EXPECT_EQ(uidFor(QStringLiteral("Bins"), year{2024} / January / 5), QStringLiteral("6233e0780d20eedca59d491bb273fd2a@lunaria"));
    EXPECT_NE(uidFor(QStringLiteral("Bins"), year{2024} / January / 5), uidFor(QStringLiteral("Bins"), year{2024} / January / 6));
    // hashlib.sha256(b"DAY Anna\n--03-05").hexdigest()[:32]
    EXPECT_EQ(uidFor(QStringLiteral("DAY Anna"), March / 5), QStringLiteral("94c30d2713a6b2ff67093ba12ac324ee@lunaria"));
}

} // namespace
