#include "layout/icalendar.h"

#include "layout/icalsupport.h"

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

// Sets TZ for one test; QTimeZone::systemTimeZone() reads it on every call.
class ScopedTimeZone
{
public:
    explicit ScopedTimeZone(const char *zone) { set(zone); }
    ~ScopedTimeZone() { set(m_old ? m_old->constData() : nullptr); }
    Q_DISABLE_COPY_MOVE(ScopedTimeZone)

private:
    static void set(const char *zone)
    {
        if (zone)
            qputenv("TZ", zone);
        else
            qunsetenv("TZ");
        tzset();
    }
    const std::optional<QByteArray> m_old = qEnvironmentVariableIsSet("TZ") ? std::optional(qgetenv("TZ")) : std::nullopt;
};

// A calendar around `body`, its lines ended by CR LF as the standard has them.
QByteArray calendar(const QByteArray &body)
{
    QByteArray text = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Lunaria tests//EN\n" + body + "END:VCALENDAR\n";
    return text.replace("\n", "\r\n");
}

// One VEVENT of the given properties (lines without their end).
QByteArray event(const QByteArray &properties, const QByteArray &uid = "a")
{
    return "BEGIN:VEVENT\nUID:" + uid + "\n" + properties + "\nEND:VEVENT\n";
}

std::string isoDate(year_month_day date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()), unsigned(date.month()), unsigned(date.day()));
    return text;
}

// "yyyy-mm-dd Summary" of every day of a result, or its error.
std::vector<std::string> entriesOf(const IcsReadResult &result)
{
    if (!result.ok)
        return {"refused: " + result.error.toStdString()};
    std::vector<std::string> entries;
    for (const IcsDay &day : result.days)
        entries.push_back(isoDate(day.date) + " " + day.summary.toStdString());
    return entries;
}

// The days of a result as "yyyy-mm-dd yyyy-mm-dd ...", or its error.
std::string daysOf(const IcsReadResult &result)
{
    std::string text;
    for (const std::string &entry : entriesOf(result))
        text += (text.empty() ? "" : " ") + (result.ok ? entry.substr(0, 10) : entry);
    return text;
}

std::string daysOf(const QByteArray &body, const char *zone = "UTC", int year = 2024)
{
    const ScopedTimeZone timeZone(zone);
    return daysOf(parseIcsDays(calendar(body), QStringLiteral("test.ics"), year));
}

QString sourcePath(const char *relative)
{
    return QStringLiteral(LUNARIA_SOURCE_DIR "/") + QLatin1String(relative);
}

template <typename Row> std::string rowName(const ::testing::TestParamInfo<Row> &info)
{
    return info.param.name;
}

// The sections of tests/data/ics/<name>: the rest of each "=== " line, and the lines after
// it that are neither blank nor comments ("#").
std::vector<std::pair<QByteArray, QList<QByteArray>>> sectionsOf(const char *name)
{
    QFile file(sourcePath("tests/data/ics/") + QLatin1String(name));
    std::vector<std::pair<QByteArray, QList<QByteArray>>> sections;
    if (!file.open(QIODevice::ReadOnly)) {
        // A missing table would otherwise leave its suite with fewer cases and nothing failing.
        ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
        return sections;
    }
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith("=== "))
            sections.push_back({line.mid(4), {}});
        else if (!sections.empty() && !line.isEmpty() && !line.startsWith('#'))
            sections.back().second << line;
    }
    return sections;
}

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

TEST(IcsReadBounds, CostlyFilesStopOrAreRefused)
{
    // MaxIcsStepsPerEvent seconds from midnight on 1 January reach into 2 January.
    static_assert(MaxIcsStepsPerEvent > 86400 && MaxIcsStepsPerEvent < 2 * 86400);
    const struct
    {
        const char *name;
        QByteArray properties;  // of each event
        qint64 events;
        const char *days;
    } rows[] = {
        {"endless_secondly_rule_stops_at_the_cap_of_its_event", "DTSTART:20240101T000000Z\nRRULE:FREQ=SECONDLY", 1,
         "2024-01-01 2024-01-02"},
        {"too_many_occurrences", "DTSTART;VALUE=DATE:20240101\nRRULE:FREQ=DAILY", MaxIcsStepsPerFile / 366 + 1,
         "refused: test.ics: its recurring events have more than 1,000,000 occurrences to work through"},
        {"too_many_days", "DTSTART;VALUE=DATE:20240101\nDURATION:P366D", MaxIcsDays / 366 + 1,
         "refused: test.ics: its events fall on more than 1,000,000 days in all"},
        // libical looks for 30 February until the year 2582, half a second each.
        {"rules_that_never_match_in_time", "DTSTART;VALUE=DATE:20240101\nRRULE:FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30", 6,
         "refused: test.ics: its recurring events take more than 1 s to work out"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QByteArray body;
        for (qint64 i = 0; i < row.events; ++i)
            body += event(row.properties, QByteArray::number(i));
        EXPECT_EQ(daysOf(body), row.days);
    }
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
    QFile agenda(sourcePath("tests/data/ics/calcurse-4.7.1-agenda.txt"));
    ASSERT_TRUE(agenda.open(QIODevice::ReadOnly));
    std::vector<std::string> expected;
    for (const QByteArray &line : agenda.readAll().trimmed().split('\n'))
        expected.push_back(line.toStdString());
    const ScopedTimeZone zone("America/New_York");
    EXPECT_EQ(entriesOf(readIcsDays(sourcePath("tests/data/ics/calcurse-4.7.1-export.ics"), 2024)), expected);
}

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
    QFile file(sourcePath("tests/data/ics/export-2024.ics"));
    if (qEnvironmentVariableIntValue("LUNARIA_UPDATE_GOLDEN") == 1) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(written);
        file.close();
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "run with LUNARIA_UPDATE_GOLDEN=1 to write " << file.fileName().toStdString();
    EXPECT_EQ(written.toStdString(), file.readAll().toStdString());
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
    // libical 3.0 folds a line that ends at the fold into its CR LF; every length of summary, of
    // one- and two-byte letters, must come out with whole lines and read back the same.
    const ScopedTimeZone zone("UTC");
    for (const QString &letter : {QStringLiteral("x"), QStringLiteral("\u00e9")}) {
        for (int length = 1; length <= 160; ++length) {
            SCOPED_TRACE(letter.toStdString() + " " + std::to_string(length));
            const QString summary = letter.repeated(length);
            const QByteArray written = exportOf({{QStringLiteral("u"), summary, QString(), year{2024} / May / 1, QString()}});
            EXPECT_FALSE(written.contains("\r\r"));
            EXPECT_FALSE(written.contains("\r\n \r\n"));
            EXPECT_EQ(written.count('\n'), written.count("\r\n"));
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
    EXPECT_EQ(icalcomponent_count_components(parsed.get(), ICAL_VEVENT_COMPONENT), 4);
    // icalrestriction_check adds an X-LIC-ERROR for every rule of RFC 5546 broken.
    EXPECT_EQ(icalrestriction_check(parsed.get()), 1);
    EXPECT_EQ(icalcomponent_count_errors(parsed.get()), 0);
}

TEST(IcsWrite, ReadingTheExportBackMarksTheDaysOfTheRules)
{
    // The oracle counts with QDate; all-day events are on their days in every zone.
    for (const char *zoneName : {"UTC", "Pacific/Kiritimati", "America/Adak"}) {
        const ScopedTimeZone zone(zoneName);
        for (const int yearNumber : {2024, 2025, 2026, MaxIcsExportYear}) {
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
            });
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
            }
            std::vector<std::string> read = entriesOf(parseIcsDays(written, QStringLiteral("export"), yearNumber));
            std::sort(expected.begin(), expected.end());
            std::sort(read.begin(), read.end());
            EXPECT_EQ(read, expected);
            // Every rule ends with the year: nothing of the next one.
            EXPECT_EQ(daysOf(parseIcsDays(written, QStringLiteral("export"), yearNumber + 1)), "");
        }
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
}

TEST(IcsRules, UidsAreStableDigests)
{
    // Computed with Python: hashlib.sha256(b"NTH 3 2 Board meeting\n2024-01-09").hexdigest()[:32]
    EXPECT_EQ(uidFor(QStringLiteral("NTH 3 2 Board meeting"), year{2024} / January / 9),
              QStringLiteral("8a3e4b63d8f04be747af9d39b23fef09@lunaria"));
    EXPECT_EQ(uidFor(QStringLiteral("Bins"), year{2024} / January / 5), QStringLiteral("6233e0780d20eedca59d491bb273fd2a@lunaria"));
    EXPECT_NE(uidFor(QStringLiteral("Bins"), year{2024} / January / 5), uidFor(QStringLiteral("Bins"), year{2024} / January / 6));
}

} // namespace
