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

struct DaysCase
{
    std::string name;
    QByteArray zone;  // TZ while reading
    QByteArray body;
    std::string days;  // the days of 2024 expected
};

// The cases of event-days.txt, whose head says how they are written.
std::vector<DaysCase> daysCases()
{
    std::vector<DaysCase> cases;
    std::map<QByteArray, QByteArray> blocks;
    const QRegularExpression head(QStringLiteral("^(\\w+) (\\S+):(.*)$"));
    for (const auto &[title, lines] : sectionsOf("event-days.txt")) {
        QByteArray body;
        for (const QByteArray &line : lines)
            body += line.startsWith('@') ? blocks.at(line) : line + '\n';
        if (title.startsWith('@')) {
            blocks[title] = body;
            continue;
        }
        const QRegularExpressionMatch match = head.match(QString::fromUtf8(title));
        cases.push_back({match.captured(1).toStdString(), match.captured(2).toUtf8(),
                         body.contains("BEGIN:VEVENT") ? body : event(body.chopped(1)), match.captured(3).trimmed().toStdString()});
    }
    return cases;
}

class EventDays : public ::testing::TestWithParam<DaysCase> {};

TEST_P(EventDays, AreTheDaysItOccursOn)
{
    EXPECT_EQ(daysOf(GetParam().body, GetParam().zone.constData()), GetParam().days);
}

INSTANTIATE_TEST_SUITE_P(IcsRead, EventDays, ::testing::ValuesIn(daysCases()), rowName<DaysCase>);

TEST(IcsRead, WeeklyEventsBegunLongAgoKeepTheirWeeks)
{
    // Skipping ahead to the year must not shift the weeks; QDate counts them from the start.
    const struct
    {
        const char *name;
        QByteArray event;
        int weeks;  // between occurrences
    } rows[] = {
        {"every_monday", event("DTSTART;TZID=Europe/Berlin:19990104T090000\nRRULE:FREQ=WEEKLY"), 1},
        {"every_third_monday", event("DTSTART:19990104T080000Z\nRRULE:FREQ=WEEKLY;INTERVAL=3;BYDAY=MO"), 3},
    };
    for (const auto &row : rows) {
        for (const int year : {2023, 2024, 2100}) {
            SCOPED_TRACE(std::string(row.name) + " " + std::to_string(year));
            std::string expected;
            for (QDate date(1999, 1, 4); date.year() <= year; date = date.addDays(7 * row.weeks))
                if (date.year() == year)
                    expected += (expected.empty() ? "" : " ") + date.toString(Qt::ISODate).toStdString();
            EXPECT_EQ(daysOf(row.event, "Europe/Berlin", year), expected);
        }
    }
}

TEST(IcsRead, EachCalendarOfAFileHasItsOwnZonesAndUids)
{
    // Two calendars define "Office" differently, and both use the UID "a".
    const auto office = [](const char *offset) {
        return QByteArray("BEGIN:VTIMEZONE\nTZID:Office\nBEGIN:STANDARD\nTZOFFSETFROM:") + offset + "\nTZOFFSETTO:" + offset
            + "\nDTSTART:19700101T000000\nEND:STANDARD\nEND:VTIMEZONE\n" + event("DTSTART;TZID=Office:20240310T003000");
    };
    const ScopedTimeZone zone("UTC");
    EXPECT_EQ(daysOf(parseIcsDays(calendar(office("+0200")) + calendar(office("-0200")), QStringLiteral("test.ics"), 2024)),
              "2024-03-09 2024-03-10");
}

// libical keeps a file zone's changes up to 2035 only; later years take them from a year of
// the same layout. The oracle is the system's own America/New_York, whose rules the file's
// zone copies: 19:30 is on its day in summer (23:30 UTC) and on the next in winter.
TEST(IcsRead, AFilesOwnZoneKeepsItsRulesAfter2035)
{
    const QByteArray eastern = "BEGIN:VTIMEZONE\nTZID:Office\n"
                               "BEGIN:DAYLIGHT\nTZOFFSETFROM:-0500\nTZOFFSETTO:-0400\nDTSTART:20070311T020000\n"
                               "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\nEND:DAYLIGHT\n"
                               "BEGIN:STANDARD\nTZOFFSETFROM:-0400\nTZOFFSETTO:-0500\nDTSTART:20071104T020000\n"
                               "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\nEND:STANDARD\nEND:VTIMEZONE\n";
    const ScopedTimeZone zone("UTC");
    const QTimeZone newYork("America/New_York");
    for (const int year : {2030, 2040, 2100, 2400, 4321, 9999}) {
        for (const QDate local : {QDate(year, 1, 15), QDate(year, 3, 1), QDate(year, 7, 1), QDate(year, 11, 20)}) {
            SCOPED_TRACE(local.toString(Qt::ISODate).toStdString());
            const QByteArray start = local.toString(QStringLiteral("yyyyMMdd")).toLatin1() + "T193000";
            const QDate expected = QDateTime(local, QTime(19, 30), newYork).toUTC().date();
            const IcsReadResult read =
                parseIcsDays(calendar(eastern + event("DTSTART;TZID=Office:" + start)), QStringLiteral("test.ics"), year);
            ASSERT_EQ(read.days.size(), expected.year() == year ? 1u : 0u);
            if (!read.days.empty()) {
                EXPECT_EQ(daysOf(read), expected.toString(Qt::ISODate).toStdString());
            }
        }
    }
}

TEST(IcsRead, AZoneNameThatLeavesZoneinfoIsNotOpened)
{
    // QTimeZone would open zoneinfo/<TZID> and wait on a FIFO for ever; the zone counts as local.
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("zone"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(daysOf(event("DTSTART;TZID=../../.." + QFile::encodeName(fifo) + ":20240701T013000")), "2024-07-01");
}

TEST(IcsRead, OneEntryPerDayAndEventSortedByDateInFileOrder)
{
    const QByteArray body = event("SUMMARY:Late\nDTSTART;VALUE=DATE:20240502", "late")
        + event("SUMMARY:Hourly\nDTSTART:20240501T080000Z\nRRULE:FREQ=HOURLY;COUNT=5", "hourly")
        + event("SUMMARY:Early\nDTSTART;VALUE=DATE:20240501", "early");
    const ScopedTimeZone zone("UTC");
    EXPECT_EQ(entriesOf(parseIcsDays(calendar(body), QStringLiteral("test.ics"), 2024)),
              (std::vector<std::string>{"2024-05-01 Hourly", "2024-05-01 Early", "2024-05-02 Late"}));
}

TEST(IcsRead, FoldedLinesBothLineEndsAndUtf8)
{
    // "Jürgen" folded between the two bytes of "ü", and the calendar name's comma escaped.
    const QByteArray crlf = calendar("X-WR-CALNAME:Family\\, friends\n"
                                     + event("SUMMARY:Geburtstag J\xC3\n \xBCrgen \xE2\x80\x94 80\nDTSTART;VALUE=DATE:20240310"));
    for (const QByteArray &bytes : {crlf, QByteArray(crlf).replace("\r\n", "\n")}) {
        SCOPED_TRACE(bytes.contains('\r') ? "CR LF" : "LF");
        const IcsReadResult result = parseIcsDays(bytes, QStringLiteral("test.ics"), 2024);
        EXPECT_EQ(result.calendarName, QStringLiteral("Family, friends"));
        EXPECT_EQ(entriesOf(result), std::vector<std::string>{"2024-03-10 Geburtstag Jürgen \u2014 80"});
    }
}

TEST(IcsRead, ControlCharactersAreLeftOutOfTextsButTabsAndLineBreaksStay)
{
    // A backspace cannot be shown, and an export would drop it (found by the fuzzer).
    const IcsReadResult result = parseIcsDays(
        calendar(event("SUMMARY:Bins\x08 out\\nat\tseven\x7F\nDTSTART;VALUE=DATE:20240310")), QStringLiteral("test.ics"), 2024);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    ASSERT_EQ(result.days.size(), 1u);
    EXPECT_EQ(result.days.front().summary, QStringLiteral("Bins out\nat\tseven"));
}

TEST(IcsRead, TheFirstAndLastYearsOfTheCalendar)
{
    const QByteArray body = event("DTSTART;VALUE=DATE:00010101", "a") + event("DTSTART:00010101T030000Z\nRRULE:FREQ=YEARLY", "b")
        + event("DTSTART;TZID=Europe/Berlin:99991230T120000\nRRULE:FREQ=DAILY", "c")
        + event("DTSTART:99991231T230000Z\nDURATION:P1000W", "d");
    // The yearly event at 03:00 UTC is on 31 December of the year before in New York.
    EXPECT_EQ(daysOf(body, "America/New_York", 1), "0001-01-01 0001-12-31");
    EXPECT_EQ(daysOf(body, "America/New_York", 9999), "9999-12-30 9999-12-31 9999-12-31");
    EXPECT_EQ(daysOf(body, "America/New_York", 0), "refused: test.ics: the year 0 is outside 1 to 9999");
}

struct RefusalRow
{
    std::string name;
    QByteArray bytes;
    std::string message;
};

// The files of refusals.txt, whose head says how they are written, and bytes no text file shows.
std::vector<RefusalRow> refusalRows()
{
    std::vector<RefusalRow> rows = {
        {"random_bytes", QByteArray::fromHex("8f3a9c01ffe2d47b6611a0c3"),
         "test.ics: it does not begin with BEGIN:VCALENDAR, so it is not an iCalendar file"},
        {"nul_bytes", QByteArray("BEGIN:VCALENDAR\r\n\0\0\0", 20), "test.ics: it holds NUL bytes, so it is not an iCalendar file"},
        {"lone_cr_inside_a_line", calendar("BEGIN:VEVENT\nUID:a\rBEGIN:VEVENT\nDTSTART:20240310\nEND:VEVENT\n"),
         "test.ics, line 5: a CR without LF is inside the line (only CR LF or LF end a line)"},
    };
    for (const auto &[title, lines] : sectionsOf("refusals.txt")) {
        const qsizetype colon = title.indexOf(": ");
        rows.push_back({title.left(colon).toStdString(), lines.isEmpty() ? QByteArray() : lines.join("\r\n") + "\r\n",
                        title.mid(colon + 2).toStdString()});
    }
    return rows;
}

class Refusal : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(Refusal, NamesTheFileAndWhatIsWrong)
{
    const IcsReadResult result = parseIcsDays(GetParam().bytes, QStringLiteral("test.ics"), 2024);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.days.empty());
    EXPECT_EQ(result.error.toStdString(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(IcsRead, Refusal, ::testing::ValuesIn(refusalRows()), rowName<RefusalRow>);

struct WarningRow
{
    std::string name;
    QByteArray bytes;
    std::string days;
    std::vector<std::string> warnings;
};

// The files of warnings.txt, whose head says how they are written.
std::vector<WarningRow> warningRows()
{
    std::vector<WarningRow> rows;
    for (const auto &[title, lines] : sectionsOf("warnings.txt")) {
        const qsizetype colon = title.indexOf(": ");
        WarningRow row{title.left(colon).toStdString(), {}, title.mid(colon + 2).toStdString(), {}};
        QList<QByteArray> fileLines;
        for (const QByteArray &line : lines) {
            if (line.startsWith("! "))
                row.warnings.push_back(line.mid(2).toStdString());
            else
                fileLines << line;
        }
        row.bytes = fileLines.join("\r\n") + "\r\n";
        rows.push_back(row);
    }
    return rows;
}

class LeftOutWithAWarning : public ::testing::TestWithParam<WarningRow> {};

TEST_P(LeftOutWithAWarning, AndTheRestIsRead)
{
    const ScopedTimeZone zone("UTC");
    const IcsReadResult result = parseIcsDays(GetParam().bytes, QStringLiteral("test.ics"), 2024);
    EXPECT_EQ(daysOf(result), GetParam().days);
    std::vector<std::string> warnings;
    for (const QString &warning : result.warnings)
        warnings.push_back(warning.toStdString());
    EXPECT_EQ(warnings, GetParam().warnings);
}

INSTANTIATE_TEST_SUITE_P(IcsRead, LeftOutWithAWarning, ::testing::ValuesIn(warningRows()), rowName<WarningRow>);

TEST(IcsRead, WarningsAreBoundedAndCounted)
{
    // Every event has an unreadable DTSTART: the first MaxIcsWarnings are listed by line,
    // the others counted, and the good event stays.
    QByteArray body;
    const int bad = MaxIcsWarnings + 30;
    for (int i = 0; i < bad; ++i)
        body += event("DTSTART:someday", QByteArray::number(i));
    body += event("DTSTART;VALUE=DATE:20240320", "good");
    const ScopedTimeZone zone("UTC");
    const IcsReadResult result = parseIcsDays(calendar(body), QStringLiteral("test.ics"), 2024);
    EXPECT_EQ(daysOf(result), "2024-03-20");
    ASSERT_EQ(result.warnings.size(), MaxIcsWarnings + 1);
    // calendar() adds three lines before the first event, each event takes four.
    EXPECT_EQ(result.warnings.front().toStdString(),
              "test.ics, line 6: libical cannot read the DTSTART value \"someday\"; the event is left out");
    EXPECT_TRUE(result.warnings[MaxIcsWarnings - 1].startsWith(QStringLiteral("test.ics, line %1:").arg(6 + 4 * (MaxIcsWarnings - 1))));
    EXPECT_EQ(result.warnings.back().toStdString(), "test.ics: further problems not listed: 30");
}

TEST(IcsReadBounds, RulesRepeatingWithinADayMarkExactlyTheirDays)
{
    // Days, never occurrences: these have millions of occurrences, and no cap may cut them short.
    const struct
    {
        const char *name;
        QByteArray properties;
        int year;
        const char *firstDay;
        const char *lastDay;
        int days;
    } rows[] = {
        {"every_7_minutes_since_2020", "DTSTART:20200101T000000Z\nRRULE:FREQ=MINUTELY;INTERVAL=7", 2027, "2027-01-01", "2027-12-31", 365},
        {"every_second", "DTSTART;TZID=Europe/Berlin:20200101T000000\nRRULE:FREQ=SECONDLY", 2024, "2024-01-01", "2024-12-31", 366},
        {"hourly_at_nine_is_daily", "DTSTART:20200101T000000Z\nRRULE:FREQ=HOURLY;BYHOUR=9", 2027, "2027-01-01", "2027-12-31", 365},
        // 500,000 minutes are 347 days and 5 hours and 20 minutes.
        {"half_a_million_minutes", "DTSTART:20270101T000000Z\nRRULE:FREQ=MINUTELY;COUNT=500000", 2027, "2027-01-01", "2027-12-14", 348},
        {"a_million_minutes_from_last_year", "DTSTART:20260101T000000Z\nRRULE:FREQ=MINUTELY;COUNT=1000000", 2027, "2027-01-01",
         "2027-11-26", 330},
        {"every_90_minutes_until_mid_year", "DTSTART:20250101T000000Z\nRRULE:FREQ=MINUTELY;INTERVAL=90;UNTIL=20270630T120000Z",
         2027, "2027-01-01", "2027-06-30", 181},
        // Every 25 hours: a day is left out every 25 days.
        {"every_25_hours", "DTSTART:20270101T000000Z\nRRULE:FREQ=HOURLY;INTERVAL=25", 2027, "2027-01-01", "2027-12-31", 351},
        {"secondly_counted_from_long_ago", "DTSTART:15000101T000000Z\nRRULE:FREQ=SECONDLY;INTERVAL=7;BYSECOND=0;COUNT=1000000000", 2027,
         "2027-01-01", "2027-12-31", 365},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const ScopedTimeZone zone(row.properties.contains("Berlin") ? "Europe/Berlin" : "UTC");
        const IcsReadResult result = parseIcsDays(calendar(event(row.properties)), QStringLiteral("test.ics"), row.year);
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        EXPECT_TRUE(result.warnings.isEmpty()) << result.warnings.join(QLatin1Char('\n')).toStdString();
        ASSERT_EQ(int(result.days.size()), row.days);
        EXPECT_EQ(isoDate(result.days.front().date), row.firstDay);
        EXPECT_EQ(isoDate(result.days.back().date), row.lastDay);
        for (size_t i = 1; i < result.days.size(); ++i)
            ASSERT_LT(result.days[i - 1].date, result.days[i].date);
    }
}

TEST(IcsReadBounds, CostlyFilesAreRefusedAndCostlyEventsLeftOutNeverCutShort)
{
    const struct
    {
        const char *name;
        QByteArray properties;  // of each event
        qint64 events;
        const char *days;
        const char *warning;  // of the first event, or ""
    } rows[] = {
        {"too_many_occurrences", "DTSTART;VALUE=DATE:20240101\nRRULE:FREQ=DAILY", MaxIcsStepsPerFile / 366 + 1,
         "refused: test.ics: its recurring events take more than 1,000,000 steps to work out", ""},
        {"too_many_days", "DTSTART;VALUE=DATE:20240101\nDURATION:P366D", MaxIcsDays / 366 + 1,
         "refused: test.ics: its events fall on more than 1,000,000 days in all", ""},
        // Counted from the year 1000, day by day: more than an event may take.
        {"everyday_rule_counted_from_long_ago", "DTSTART;VALUE=DATE:10000101\nRRULE:FREQ=DAILY;COUNT=3000000", 1, "",
         "test.ics, line 4: the event repeats too often to be worked out within 250,000 steps; it is left out"},
        // libical would search 500 years of days for the first match.
        {"libical_rule_counted_from_long_ago", "DTSTART;VALUE=DATE:15000101\nRRULE:FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30;COUNT=5", 1, "",
         "test.ics, line 4: the event repeats too often to be worked out within 250,000 steps; it is left out"},
        // Rules that never match cost libical no more than the year (searching up to the year
        // 2582, each took it half a second).
        {"rules_that_never_match", "DTSTART;VALUE=DATE:20240101\nRRULE:FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30", 500,
         "", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QByteArray body;
        for (qint64 i = 0; i < row.events; ++i)
            body += event(row.properties, QByteArray::number(i));
        const ScopedTimeZone zone("UTC");
        const IcsReadResult result = parseIcsDays(calendar(body), QStringLiteral("test.ics"), 2024);
        if (QByteArray(row.name) == "rules_that_never_match") {
            // Only the DTSTARTs, each of its own event.
            EXPECT_EQ(result.days.size(), size_t(row.events));
            EXPECT_TRUE(result.warnings.isEmpty());
            continue;
        }
        EXPECT_EQ(daysOf(result), row.days);
        EXPECT_EQ(result.warnings.isEmpty() ? std::string() : result.warnings.front().toStdString(), row.warning);
    }
}

TEST(IcsReadBounds, TimeZonesBeyondTheirBoundsAreRefused)
{
    const auto observance = [](int year, const QByteArray &rule) {
        return "BEGIN:STANDARD\nTZOFFSETFROM:+0100\nTZOFFSETTO:+0100\nDTSTART:" + QByteArray::number(year).rightJustified(4, '0')
            + "0101T000000\n" + rule + "END:STANDARD\n";
    };
    const auto zone = [&](const QByteArray &id, int observances, int year, const QByteArray &rule) {
        QByteArray text = "BEGIN:VTIMEZONE\nTZID:" + id + "\n";
        for (int i = 0; i < observances; ++i)
            text += observance(year, rule);
        return text + "END:VTIMEZONE\n";
    };
    const QByteArray yearly = "RRULE:FREQ=YEARLY\n";
    QByteArray manyZones;
    for (int i = 0; i <= MaxIcsObservancesPerFile / MaxIcsObservancesPerZone; ++i)
        manyZones += zone("Z" + QByteArray::number(i), MaxIcsObservancesPerZone, 2000, "");
    // Each yearly observance from the year 1 changes 2,582 times up to 2582.
    QByteArray manyChanges;
    for (int i = 0; i < 2; ++i)
        manyChanges += zone("C" + QByteArray::number(i), int(MaxIcsZoneChangesPerFile / 2582 / 2 + 1), 1, yearly);
    const struct
    {
        const char *name;
        QByteArray zones;
        const char *message;
    } rows[] = {
        {"observances_of_a_zone", zone("Z", MaxIcsObservancesPerZone + 1, 2000, yearly),
         "refused: test.ics, line 606: a time zone has more than 100 STANDARD and DAYLIGHT parts"},
        {"observances_of_a_file", manyZones, "refused: test.ics, line 5036: its time zones have more than 1,000 STANDARD and DAYLIGHT parts in all"},
        // Every Monday of the year: up to 60 changes a year for each observance.
        {"yearly_rules_of_many_days", zone("W", 6, 1970, "RRULE:FREQ=YEARLY;BYDAY=MO\n"),
         "refused: test.ics, line 36: its time zones change their offset more than 200,000 times up to the year 2582"},
        {"changes_of_a_file", manyChanges,
         "refused: test.ics, line 471: its time zones change their offset more than 200,000 times up to the year 2582"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(daysOf(row.zones + event("DTSTART;VALUE=DATE:20240320")), row.message);
    }
    // Within the bounds, such zones are read.
    EXPECT_EQ(daysOf(zone("Z", MaxIcsObservancesPerZone, 1970, yearly) + event("DTSTART;TZID=Z:20240320T120000")), "2024-03-20");
}

TEST(IcsReadFile, RefusesWhatIsNoRegularFileOfAtMost16MiB)
{
    // A regular file is read by AnExportOfCalcurse.
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("pipe.ics"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString large = folder.filePath(QStringLiteral("large.ics"));
    QFile file(large);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(MaxIcsFileBytes + 1));
    file.close();
    const char *const notRegular = "it is not a regular file (a device, pipe or socket)";
    const struct
    {
        QString path;
        const char *reason;
    } rows[] = {
        {folder.path(), "it is a folder, not a file"},
        {fifo, notRegular},
        {QStringLiteral("/dev/zero"), notRegular},
        {folder.filePath(QStringLiteral("missing.ics")), "there is no such file"},
        {large, "it is larger than 16 MiB, too large for an iCalendar file"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.path.toStdString());
        EXPECT_EQ(daysOf(readIcsDays(row.path, 2024)), "refused: " + row.path.toStdString() + ": " + row.reason);
    }
}

TEST(IcsReadFile, AnExportOfCalcurse)
{
    // calcurse 4.7.1 (Debian 12) exported tests/data/ics/calcurse-4.7.1-apts with "calcurse -x":
    // LF line ends, no UIDs, floating times, DURATION. The agenda file holds the days of
    // calcurse's own agenda of the same data ("calcurse -Q --from 01/01/2024 --to 12/31/2024").
    std::vector<std::string> expected;
    for (const QByteArray &line : readTestFile(sourcePath("tests/data/ics/calcurse-4.7.1-agenda.txt")).trimmed().split('\n'))
        expected.push_back(line.toStdString());
    const ScopedTimeZone zone("America/New_York");
    EXPECT_EQ(entriesOf(readIcsDays(sourcePath("tests/data/ics/calcurse-4.7.1-export.ics"), 2024)), expected);
}

} // namespace
