#include "layout/icalendar.h"

#include "layout/icalsupport.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include <sys/stat.h>

using namespace std::chrono;

namespace {

// Sets TZ for one test; QTimeZone::systemTimeZone() reads it on every call.
class ScopedTimeZone
{
public:
    explicit ScopedTimeZone(const char *zone) : m_had(qEnvironmentVariableIsSet("TZ")), m_old(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }
    Q_DISABLE_COPY_MOVE(ScopedTimeZone)

private:
    bool m_had;
    QByteArray m_old;
};

// A calendar around `body`, its lines ended by CR LF as the standard has them.
QByteArray calendar(const QByteArray &body)
{
    QByteArray text = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Lunaria tests//EN\n" + body + "END:VCALENDAR\n";
    return text.replace("\n", "\r\n");
}

std::string isoDate(year_month_day date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()), unsigned(date.month()), unsigned(date.day()));
    return text;
}

// The days of a result as "yyyy-mm-dd yyyy-mm-dd ...", or its error.
std::string daysOf(const IcsReadResult &result)
{
    if (!result.ok)
        return "refused: " + result.error.toStdString();
    std::string text;
    for (const IcsDay &day : result.days)
        text += (text.empty() ? "" : " ") + isoDate(day.date);
    return text;
}

std::string daysOf(const QByteArray &body, const char *zone = "UTC", int year = 2024)
{
    const ScopedTimeZone timeZone(zone);
    return daysOf(parseIcsDays(calendar(body), QStringLiteral("test.ics"), year));
}

QString sourcePath(const QString &relative)
{
    return QStringLiteral(LUNARIA_SOURCE_DIR "/") + relative;
}

// A VTIMEZONE of US Eastern time under a name no system knows, so only the file can define it.
const QByteArray TestEastern =
    "BEGIN:VTIMEZONE\n"
    "TZID:Lunaria Test Eastern\n"
    "BEGIN:DAYLIGHT\n"
    "TZOFFSETFROM:-0500\nTZOFFSETTO:-0400\nTZNAME:EDT\nDTSTART:20070311T020000\n"
    "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\n"
    "END:DAYLIGHT\n"
    "BEGIN:STANDARD\n"
    "TZOFFSETFROM:-0400\nTZOFFSETTO:-0500\nTZNAME:EST\nDTSTART:20071104T020000\n"
    "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\n"
    "END:STANDARD\n"
    "END:VTIMEZONE\n";

struct DaysRow
{
    const char *name;
    const char *zone;  // TZ while reading
    QByteArray body;
    const char *days;  // the days of 2024 expected
};

const DaysRow daysRows[] = {
    // How long an event lasts.
    {"all_day_one_day", "UTC", "BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20240310\nDTEND;VALUE=DATE:20240311\nEND:VEVENT\n",
     "2024-03-10"},
    {"all_day_three_days", "UTC", "BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20240310\nDTEND;VALUE=DATE:20240313\nEND:VEVENT\n",
     "2024-03-10 2024-03-11 2024-03-12"},
    {"all_day_without_dtend", "UTC", "BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20240310\nEND:VEVENT\n", "2024-03-10"},
    {"timed_without_dtend", "UTC", "BEGIN:VEVENT\nUID:a\nDTSTART:20240310T230000Z\nEND:VEVENT\n", "2024-03-10"},
    {"all_day_duration", "UTC", "BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20240228\nDURATION:P2D\nEND:VEVENT\n",
     "2024-02-28 2024-02-29"},
    {"timed_duration_past_midnight", "UTC", "BEGIN:VEVENT\nUID:a\nDTSTART:20240310T220000Z\nDURATION:PT4H\nEND:VEVENT\n",
     "2024-03-10 2024-03-11"},
    {"timed_past_midnight", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART:20240310T220000Z\nDTEND:20240312T010000Z\nEND:VEVENT\n",
     "2024-03-10 2024-03-11 2024-03-12"},
    {"timed_ending_at_midnight", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART:20240310T220000Z\nDTEND:20240311T000000Z\nEND:VEVENT\n", "2024-03-10"},
    {"begun_the_year_before", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20231230\nDTEND;VALUE=DATE:20240103\nEND:VEVENT\n", "2024-01-01 2024-01-02"},
    {"next_year_left_out", "UTC", "BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20250101\nEND:VEVENT\n", ""},
    // Where a timed event falls on the local calendar.
    {"utc_in_new_york", "America/New_York", "BEGIN:VEVENT\nUID:a\nDTSTART:20240310T023000Z\nEND:VEVENT\n", "2024-03-09"},
    {"utc_into_the_year_in_berlin", "Europe/Berlin", "BEGIN:VEVENT\nUID:a\nDTSTART:20231231T233000Z\nEND:VEVENT\n",
     "2024-01-01"},
    {"floating_is_local", "America/New_York", "BEGIN:VEVENT\nUID:a\nDTSTART:20240310T023000\nEND:VEVENT\n", "2024-03-10"},
    {"vtimezone_summer", "UTC",
     TestEastern + "BEGIN:VEVENT\nUID:a\nDTSTART;TZID=Lunaria Test Eastern:20240701T193000\nEND:VEVENT\n", "2024-07-01"},
    {"vtimezone_winter", "UTC",
     TestEastern + "BEGIN:VEVENT\nUID:a\nDTSTART;TZID=Lunaria Test Eastern:20240115T193000\nEND:VEVENT\n", "2024-01-16"},
    {"system_zone_without_vtimezone", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART;TZID=Europe/Berlin:20240701T013000\nEND:VEVENT\n", "2024-06-30"},
    {"system_zone_with_prefix", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART;TZID=/freeassociation.sourceforge.net/Tzfile/Europe/Berlin:20240701T013000\nEND:VEVENT\n",
     "2024-06-30"},
    {"windows_zone_name", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART;TZID=\"W. Europe Standard Time\":20240701T013000\nEND:VEVENT\n", "2024-06-30"},
    {"unknown_zone_is_local", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART;TZID=Nowhere/Atlantis:20240701T013000\nEND:VEVENT\n", "2024-07-01"},
    // Recurrence.
    {"rrule_count", "UTC", "BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20240310\nRRULE:FREQ=DAILY;COUNT=3\nEND:VEVENT\n",
     "2024-03-10 2024-03-11 2024-03-12"},
    {"rrule_until", "UTC", "BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20240310\nRRULE:FREQ=WEEKLY;UNTIL=20240324\nEND:VEVENT\n",
     "2024-03-10 2024-03-17 2024-03-24"},
    {"rrule_utc_until_zoned_start", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART;TZID=Europe/Berlin:20240310T100000\nRRULE:FREQ=DAILY;UNTIL=20240312T090000Z\nEND:VEVENT\n",
     "2024-03-10 2024-03-11 2024-03-12"},
    {"rrule_byday", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART:20240311T090000Z\nRRULE:FREQ=WEEKLY;BYDAY=MO,WE;COUNT=4\nEND:VEVENT\n",
     "2024-03-11 2024-03-13 2024-03-18 2024-03-20"},
    {"rrule_bysetpos_by_libical", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20240129\nRRULE:FREQ=MONTHLY;BYDAY=MO,FR;BYSETPOS=-1;COUNT=3\nEND:VEVENT\n",
     "2024-01-29 2024-02-26 2024-03-29"},
    {"rrule_rscale_by_libical", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20230310\nRRULE:RSCALE=GREGORIAN;FREQ=YEARLY;COUNT=3\nEND:VEVENT\n", "2024-03-10"},
    // Thanksgiving: the fourth Thursday of November, 28 November in 2024.
    {"rrule_yearly_from_years_ago_by_libical", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:19421126\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=4TH\nEND:VEVENT\n", "2024-11-28"},
    {"rrule_in_vtimezone_by_local_date", "UTC",
     TestEastern
         + "BEGIN:VEVENT\nUID:a\nDTSTART;TZID=Lunaria Test Eastern:20240308T193000\nRRULE:FREQ=DAILY;COUNT=3\nEND:VEVENT\n",
     // 00:30 UTC while New York keeps standard time, 23:30 once summer time begins on 10 March.
     "2024-03-09 2024-03-10"},
    {"rdate", "UTC", "BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20240310\nRDATE;VALUE=DATE:20240401,20240501\nEND:VEVENT\n",
     "2024-03-10 2024-04-01 2024-05-01"},
    {"rdate_period", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART:20240310T090000Z\nRDATE;VALUE=PERIOD:20240401T220000Z/20240402T010000Z\nEND:VEVENT\n",
     "2024-03-10 2024-04-01 2024-04-02"},
    {"exdate", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20240310\nRRULE:FREQ=DAILY;COUNT=4\nEXDATE;VALUE=DATE:20240311\nEND:VEVENT\n",
     "2024-03-10 2024-03-12 2024-03-13"},
    {"exdate_timed", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART:20240310T090000Z\nRRULE:FREQ=DAILY;COUNT=3\nEXDATE:20240311T090000Z\nEND:VEVENT\n",
     "2024-03-10 2024-03-12"},
    {"recurrence_id_moves_an_occurrence", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART:20240304T090000Z\nRRULE:FREQ=WEEKLY;COUNT=3\nEND:VEVENT\n"
     "BEGIN:VEVENT\nUID:a\nRECURRENCE-ID:20240311T090000Z\nDTSTART:20240313T090000Z\nEND:VEVENT\n",
     "2024-03-04 2024-03-13 2024-03-18"},
    // Cancelled events.
    {"cancelled_event", "UTC", "BEGIN:VEVENT\nUID:a\nSTATUS:CANCELLED\nDTSTART;VALUE=DATE:20240310\nEND:VEVENT\n", ""},
    {"cancelled_occurrence", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20240304\nRRULE:FREQ=WEEKLY;COUNT=3\nEND:VEVENT\n"
     "BEGIN:VEVENT\nUID:a\nRECURRENCE-ID;VALUE=DATE:20240311\nDTSTART;VALUE=DATE:20240311\nSTATUS:CANCELLED\nEND:VEVENT\n",
     "2024-03-04 2024-03-18"},
    {"cancelled_series_with_its_overrides", "UTC",
     "BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20240304\nRRULE:FREQ=WEEKLY;COUNT=3\nSTATUS:CANCELLED\nEND:VEVENT\n"
     "BEGIN:VEVENT\nUID:a\nRECURRENCE-ID;VALUE=DATE:20240311\nDTSTART;VALUE=DATE:20240312\nEND:VEVENT\n",
     ""},
};

class EventDays : public ::testing::TestWithParam<DaysRow>
{
};

TEST_P(EventDays, AreTheDaysItOccursOn)
{
    const DaysRow &row = GetParam();
    EXPECT_EQ(daysOf(row.body, row.zone), row.days);
}

INSTANTIATE_TEST_SUITE_P(IcsRead, EventDays, ::testing::ValuesIn(daysRows),
                         [](const ::testing::TestParamInfo<DaysRow> &info) { return std::string(info.param.name); });

TEST(IcsRead, WeeklyEventsBegunLongAgoKeepTheirWeeks)
{
    // Skipping ahead to the year must not shift the weeks; QDate counts them from the start.
    const ScopedTimeZone zone("Europe/Berlin");
    const struct
    {
        const char *name;
        QByteArray event;
        int weeks;  // between occurrences
    } rows[] = {
        {"every_monday", "BEGIN:VEVENT\nUID:a\nDTSTART;TZID=Europe/Berlin:19990104T090000\nRRULE:FREQ=WEEKLY\nEND:VEVENT\n", 1},
        {"every_third_monday", "BEGIN:VEVENT\nUID:a\nDTSTART:19990104T080000Z\nRRULE:FREQ=WEEKLY;INTERVAL=3;BYDAY=MO\nEND:VEVENT\n", 3},
    };
    for (const auto &row : rows) {
        for (const int year : {2023, 2024, 2100}) {
            SCOPED_TRACE(std::string(row.name) + " " + std::to_string(year));
            std::string expected;
            for (QDate date(1999, 1, 4); date.year() <= year; date = date.addDays(7 * row.weeks))
                if (date.year() == year)
                    expected += (expected.empty() ? "" : " ") + date.toString(Qt::ISODate).toStdString();
            EXPECT_EQ(daysOf(parseIcsDays(calendar(row.event), QStringLiteral("test.ics"), year)), expected);
        }
    }
}

TEST(IcsRead, EachCalendarOfAFileHasItsOwnZonesAndUids)
{
    // Two calendars define "Office" differently, and both use the UID "a".
    const auto office = [](const char *offset) {
        return QByteArray("BEGIN:VTIMEZONE\nTZID:Office\nBEGIN:STANDARD\nTZOFFSETFROM:") + offset + "\nTZOFFSETTO:" + offset
            + "\nDTSTART:19700101T000000\nEND:STANDARD\nEND:VTIMEZONE\n";
    };
    const QByteArray event = "BEGIN:VEVENT\nUID:a\nDTSTART;TZID=Office:20240310T003000\nEND:VEVENT\n";
    const QByteArray bytes = calendar(office("+0200") + event) + calendar(office("-0200") + event);
    const ScopedTimeZone zone("UTC");
    EXPECT_EQ(daysOf(parseIcsDays(bytes, QStringLiteral("test.ics"), 2024)), "2024-03-09 2024-03-10");
}

TEST(IcsRead, AZoneNameThatLeavesZoneinfoIsNotOpened)
{
    // QTimeZone would open zoneinfo/<TZID> and wait on a FIFO for ever; the zone counts as local.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString fifo = folder.filePath(QStringLiteral("zone"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QByteArray body = "BEGIN:VEVENT\nUID:a\nDTSTART;TZID=../../.." + QFile::encodeName(fifo) + ":20240701T013000\nEND:VEVENT\n";
    EXPECT_EQ(daysOf(body, "UTC"), "2024-07-01");
}

TEST(IcsRead, OneEntryPerDayAndEventSortedByDateInFileOrder)
{
    const QByteArray body =
        "BEGIN:VEVENT\nUID:late\nSUMMARY:Late\nDTSTART;VALUE=DATE:20240502\nEND:VEVENT\n"
        "BEGIN:VEVENT\nUID:hourly\nSUMMARY:Hourly\nDTSTART:20240501T080000Z\nRRULE:FREQ=HOURLY;COUNT=5\nEND:VEVENT\n"
        "BEGIN:VEVENT\nUID:early\nSUMMARY:Early\nDTSTART;VALUE=DATE:20240501\nEND:VEVENT\n";
    const ScopedTimeZone zone("UTC");
    const IcsReadResult result = parseIcsDays(calendar(body), QStringLiteral("test.ics"), 2024);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    ASSERT_EQ(result.days.size(), 3u);
    EXPECT_EQ(isoDate(result.days[0].date) + " " + result.days[0].summary.toStdString(), "2024-05-01 Hourly");
    EXPECT_EQ(isoDate(result.days[1].date) + " " + result.days[1].summary.toStdString(), "2024-05-01 Early");
    EXPECT_EQ(isoDate(result.days[2].date) + " " + result.days[2].summary.toStdString(), "2024-05-02 Late");
}

TEST(IcsRead, FoldedLinesBothLineEndsAndUtf8)
{
    // "Jürgen" folded between the two bytes of "ü", and the calendar name's comma escaped.
    const QByteArray crlf = calendar("X-WR-CALNAME:Family\\, friends\n"
                                     "BEGIN:VEVENT\nUID:a\nSUMMARY:Geburtstag J\xC3\n \xBCrgen \xE2\x80\x94 80\n"
                                     "DTSTART;VALUE=DATE:20240310\nEND:VEVENT\n");
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    for (const QByteArray &bytes : {crlf, lf}) {
        SCOPED_TRACE(bytes.contains('\r') ? "CR LF" : "LF");
        const IcsReadResult result = parseIcsDays(bytes, QStringLiteral("test.ics"), 2024);
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        EXPECT_EQ(result.calendarName, QStringLiteral("Family, friends"));
        ASSERT_EQ(result.days.size(), 1u);
        EXPECT_EQ(result.days[0].summary, QStringLiteral("Geburtstag Jürgen \u2014 80"));
    }
}

TEST(IcsRead, TheFirstAndLastYearsOfTheCalendar)
{
    const ScopedTimeZone zone("America/New_York");
    const QByteArray body =
        "BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:00010101\nEND:VEVENT\n"
        "BEGIN:VEVENT\nUID:b\nDTSTART:00010101T030000Z\nRRULE:FREQ=YEARLY\nEND:VEVENT\n"
        "BEGIN:VEVENT\nUID:c\nDTSTART;TZID=Europe/Berlin:99991230T120000\nRRULE:FREQ=DAILY\nEND:VEVENT\n"
        "BEGIN:VEVENT\nUID:d\nDTSTART:99991231T230000Z\nDURATION:P1000W\nEND:VEVENT\n";
    // The yearly event at 03:00 UTC is on 31 December of the year before in New York.
    EXPECT_EQ(daysOf(parseIcsDays(calendar(body), QStringLiteral("test.ics"), 1)), "0001-01-01 0001-12-31");
    EXPECT_EQ(daysOf(parseIcsDays(calendar(body), QStringLiteral("test.ics"), 9999)), "9999-12-30 9999-12-31 9999-12-31");
    EXPECT_EQ(daysOf(parseIcsDays(calendar(body), QStringLiteral("test.ics"), 0)),
              "refused: test.ics: the year 0 is outside 1 to 9999");
}

struct RefusalRow
{
    const char *name;
    QByteArray bytes;
    const char *message;  // after "test.ics"
};

const RefusalRow refusalRows[] = {
    {"empty", "", ": it holds no BEGIN:VCALENDAR, so it is not an iCalendar file"},
    {"plain_text", "Dear diary,\r\ntoday nothing happened.\r\n",
     ": it does not begin with BEGIN:VCALENDAR, so it is not an iCalendar file"},
    {"random_bytes", QByteArray::fromHex("8f3a9c01ffe2d47b6611a0c3"),
     ": it does not begin with BEGIN:VCALENDAR, so it is not an iCalendar file"},
    {"nul_bytes", QByteArray("BEGIN:VCALENDAR\r\n\0\0\0", 20), ": it holds NUL bytes, so it is not an iCalendar file"},
    {"a_vcard", "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann\r\nEND:VCARD\r\n",
     ": it does not begin with BEGIN:VCALENDAR, so it is not an iCalendar file"},
    {"cut_short", "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART:20240310\r\n",
     ": it is cut short: BEGIN:VEVENT of line 3 has no END:VEVENT"},
    {"no_end_vcalendar", "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n",
     ": it is cut short: BEGIN:VCALENDAR of line 1 has no END:VCALENDAR"},
    {"end_of_another_component",
     "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART:20240310\r\nEND:VTODO\r\nEND:VCALENDAR\r\n",
     ", line 5: END:VTODO does not close BEGIN:VEVENT of line 2"},
    {"text_after_the_calendar", calendar("") + "Sent from my phone\r\n",
     ", line 5: \"Sent from my phone\" is not an iCalendar property (NAME:value)"},
    {"property_without_value", calendar("BEGIN:VEVENT\nUID;X-A=\"b:c\"\nEND:VEVENT\n"),
     ", line 5: the property UID has no ':' before its value"},
    {"unreadable_dtstart", calendar("BEGIN:VEVENT\nUID:a\nDTSTART:next tuesday\nEND:VEVENT\n"),
     ", line 6: libical cannot read the DTSTART value \"next tuesday\""},
    {"impossible_date", calendar("BEGIN:VEVENT\nUID:a\nDTSTART:20241301\nEND:VEVENT\n"),
     ", line 6: the DTSTART 2024-13-01 is not a date of the years 1 to 9999"},
    {"unreadable_rrule", calendar("BEGIN:VEVENT\nUID:a\nDTSTART:20240310T090000Z\nRRULE:FREQ=SOMETIMES\nEND:VEVENT\n"),
     ", line 7: libical cannot read the RRULE value \"FREQ=SOMETIMES\""},
    {"unreadable_exdate_among_several",
     calendar("BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20240310\nRRULE:FREQ=DAILY\nEXDATE;VALUE=DATE:20240311\n"
              "EXDATE;VALUE=DATE:tomorrow\nEND:VEVENT\n"),
     ", line 9: libical cannot read the EXDATE value \"tomorrow\""},
    {"event_without_dtstart", calendar("BEGIN:VEVENT\nUID:a\nSUMMARY:When?\nEND:VEVENT\n"),
     ", line 4: the event has no DTSTART"},
    {"lone_cr_inside_a_line", calendar("BEGIN:VEVENT\nUID:a\rBEGIN:VEVENT\nDTSTART:20240310\nEND:VEVENT\n"),
     ", line 5: a CR without LF is inside the line (only CR LF or LF end a line)"},
    {"until_not_a_date", calendar("BEGIN:VEVENT\nUID:a\nDTSTART:20240310T090000Z\nRRULE:FREQ=DAILY;UNTIL=20241301\nEND:VEVENT\n"),
     ", line 7: the UNTIL 2024-13-01 of the RRULE is not a date of the years 1 to 9999"},
    {"subdaily_rule_with_by_parts",
     calendar("BEGIN:VEVENT\nUID:a\nDTSTART:20240310T090000Z\nRRULE:FREQ=MINUTELY;BYMONTH=2;BYMONTHDAY=30\nEND:VEVENT\n"),
     ", line 7: an RRULE that repeats more often than daily cannot have BY... parts here"},
};

class Refusal : public ::testing::TestWithParam<RefusalRow>
{
};

TEST_P(Refusal, NamesTheFileAndWhatIsWrong)
{
    const RefusalRow &row = GetParam();
    const IcsReadResult result = parseIcsDays(row.bytes, QStringLiteral("test.ics"), 2024);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.days.empty());
    EXPECT_EQ(result.error.toStdString(), std::string("test.ics") + row.message);
}

INSTANTIATE_TEST_SUITE_P(IcsRead, Refusal, ::testing::ValuesIn(refusalRows),
                         [](const ::testing::TestParamInfo<RefusalRow> &info) { return std::string(info.param.name); });

TEST(IcsReadBounds, AnEndlessSecondlyRuleStopsAtTheCapOfItsEvent)
{
    const ScopedTimeZone zone("UTC");
    const QByteArray body = "BEGIN:VEVENT\nUID:a\nDTSTART:20240101T000000Z\nRRULE:FREQ=SECONDLY\nEND:VEVENT\n";
    // MaxIcsStepsPerEvent seconds from midnight on 1 January reach into 2 January.
    static_assert(MaxIcsStepsPerEvent > 86400 && MaxIcsStepsPerEvent < 2 * 86400);
    EXPECT_EQ(daysOf(parseIcsDays(calendar(body), QStringLiteral("test.ics"), 2024)), "2024-01-01 2024-01-02");
}

TEST(IcsReadBounds, TooManyOccurrencesRefuseTheFile)
{
    const ScopedTimeZone zone("UTC");
    QByteArray body;
    const int events = int(MaxIcsStepsPerFile / 366) + 1;
    for (int i = 0; i < events; ++i)
        body += "BEGIN:VEVENT\nUID:" + QByteArray::number(i) + "\nDTSTART;VALUE=DATE:20240101\nRRULE:FREQ=DAILY\nEND:VEVENT\n";
    EXPECT_EQ(daysOf(parseIcsDays(calendar(body), QStringLiteral("test.ics"), 2024)),
              "refused: test.ics: its recurring events have more than 1,000,000 occurrences to work through");
}

TEST(IcsReadBounds, TooManyDaysRefuseTheFile)
{
    const ScopedTimeZone zone("UTC");
    QByteArray body;
    const int events = int(MaxIcsDays / 366) + 1;
    for (int i = 0; i < events; ++i)
        body += "BEGIN:VEVENT\nUID:" + QByteArray::number(i) + "\nDTSTART;VALUE=DATE:20240101\nDURATION:P366D\nEND:VEVENT\n";
    EXPECT_EQ(daysOf(parseIcsDays(calendar(body), QStringLiteral("test.ics"), 2024)),
              "refused: test.ics: its events fall on more than 1,000,000 days in all");
}

TEST(IcsReadBounds, RulesThatNeverMatchRefuseTheFileInTime)
{
    // libical looks for 30 February until the year 2582, half a second each.
    const ScopedTimeZone zone("UTC");
    QByteArray body;
    for (int i = 0; i < 6; ++i)
        body += "BEGIN:VEVENT\nUID:" + QByteArray::number(i)
            + "\nDTSTART;VALUE=DATE:20240101\nRRULE:FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30\nEND:VEVENT\n";
    EXPECT_EQ(daysOf(parseIcsDays(calendar(body), QStringLiteral("test.ics"), 2024)),
              "refused: test.ics: its recurring events take more than 1 s to work out");
}

TEST(IcsReadFile, ReadsARegularFile)
{
    const ScopedTimeZone zone("UTC");
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("plain.ics"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(calendar("BEGIN:VEVENT\nUID:a\nDTSTART;VALUE=DATE:20240310\nEND:VEVENT\n"));
    file.close();
    EXPECT_EQ(daysOf(readIcsDays(path, 2024)), "2024-03-10");
}

TEST(IcsReadFile, RefusesWhatIsNoRegularFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString fifo = folder.filePath(QStringLiteral("pipe.ics"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString large = folder.filePath(QStringLiteral("large.ics"));
    {
        QFile file(large);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(MaxIcsFileBytes + 1));
    }
    const struct
    {
        QString path;
        const char *reason;
    } rows[] = {
        {folder.path(), "it is a folder, not a file"},
        {fifo, "it is not a regular file (a device, pipe or socket)"},
        {QStringLiteral("/dev/zero"), "it is not a regular file (a device, pipe or socket)"},
        {folder.filePath(QStringLiteral("missing.ics")), "there is no such file"},
        {large, "it is larger than 16 MiB, too large for an iCalendar file"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.path.toStdString());
        const IcsReadResult result = readIcsDays(row.path, 2024);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, row.path + QStringLiteral(": ") + QLatin1String(row.reason));
    }
}

TEST(IcsReadFile, AnExportOfCalcurse)
{
    // calcurse 4.7.1 (Debian 12) exported tests/data/ics/calcurse-4.7.1-apts with "calcurse -x":
    // LF line ends, no UIDs, floating times, DURATION. The days are those of calcurse's own
    // agenda of the same data ("calcurse -Q --from 01/01/2024 --to 12/31/2024").
    const char *agenda[] = {
        "2024-01-05 Bins",
        "2024-01-08 Choir",
        "2024-01-15 Choir",
        "2024-01-19 Bins",
        "2024-01-22 Choir",
        "2024-01-29 Choir",
        "2024-01-31 Lunch on the last day",
        "2024-02-02 Bins",
        "2024-02-05 Choir",
        "2024-02-16 Bins",
        "2024-02-19 Choir",
        "2024-02-26 Choir",
        "2024-03-01 Bins",
        "2024-03-04 Choir",
        "2024-03-10 Daylight saving starts in the US",
        "2024-03-11 Choir",
        "2024-03-15 Bins",
        "2024-03-18 Choir",
        "2024-03-25 Choir",
        "2024-03-29 Bins",
        "2024-03-31 Lunch on the last day",
        "2024-04-12 Bins",
        "2024-04-15 Tax day at the office",
        "2024-04-26 Bins",
        "2024-05-10 Bins",
        "2024-05-24 Bins",
        "2024-05-31 Lunch on the last day",
        "2024-06-07 Bins",
        "2024-06-20 Midsummer night",
        "2024-06-21 Bins",
        "2024-06-21 Midsummer night",
        "2024-07-05 Bins",
        "2024-07-19 Bins",
        "2024-07-31 Lunch on the last day",
        "2024-08-02 Bins",
        "2024-08-16 Bins",
        "2024-08-30 Bins",
        "2024-08-31 Lunch on the last day",
        "2024-09-13 Bins",
        "2024-09-27 Bins",
        "2024-10-11 Bins",
        "2024-10-25 Bins",
        "2024-10-31 Lunch on the last day",
        "2024-11-08 Bins",
        "2024-11-22 Bins",
        "2024-12-06 Bins",
        "2024-12-20 Bins",
        "2024-12-24 Christmas Eve",
        "2024-12-31 Lunch on the last day",
    };
    const ScopedTimeZone zone("America/New_York");
    const IcsReadResult result = readIcsDays(sourcePath(QStringLiteral("tests/data/ics/calcurse-4.7.1-export.ics")), 2024);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    std::vector<std::string> read;
    for (const IcsDay &day : result.days)
        read.push_back(isoDate(day.date) + " " + day.summary.toStdString());
    EXPECT_EQ(read, std::vector<std::string>(std::begin(agenda), std::end(agenda)));
}

// The export.

std::vector<IcsExportEvent> sampleExport()
{
    const year y{2024};
    const auto board = nthWeekdayOfEveryMonth(y, Tuesday[2]);
    const auto payday = lastWeekdayOfEveryMonth(y, Friday);
    const auto bins = everyNWeeksInYear(y / January / 5, 2);
    const year_month_day holiday = y / December / 25;
    return {
        {uidFor(QStringLiteral("NTH 3 2 Board meeting"), board->start), QStringLiteral("Board meeting"),
         QStringLiteral("Board meeting"), board->start, board->rrule},
        {uidFor(QStringLiteral("LAST 6 Payday"), payday->start), QStringLiteral("Payday"), QStringLiteral("Payday"),
         payday->start, payday->rrule},
        {uidFor(QStringLiteral("EVERY 2 Bins"), bins->start), QStringLiteral("Bins"), QStringLiteral("Bins"), bins->start,
         bins->rrule},
        // A long summary with letters of two and three bytes, to be folded.
        {uidFor(QStringLiteral("HOLIDAYS de"), holiday), QStringLiteral("Holidays: Erster Weihnachtstag \u2014 Fête de Noël, "
                                                                        "Navidad; Christmas Day (Dzień Bożego Narodzenia)"),
         QStringLiteral("Holidays, Germany"), holiday, QString()},
    };
}

QDateTime sampleStamp()
{
    return QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5), QTimeZone::utc());
}

TEST(IcsWrite, MatchesTheGoldenFile)
{
    const QByteArray written = writeIcs(sampleExport(), QStringLiteral("Lunaria 2024"), sampleStamp());
    const QString golden = sourcePath(QStringLiteral("tests/data/ics/export-2024.ics"));
    if (qEnvironmentVariableIntValue("LUNARIA_UPDATE_GOLDEN") == 1) {
        QFile file(golden);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(written);
    }
    QFile file(golden);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "run with LUNARIA_UPDATE_GOLDEN=1 to write " << golden.toStdString();
    EXPECT_EQ(written.toStdString(), file.readAll().toStdString());
}

TEST(IcsWrite, LinesAreFoldedAt75OctetsAndEndInCrLf)
{
    const QByteArray written = writeIcs(sampleExport(), QStringLiteral("Lunaria 2024"), sampleStamp());
    ASSERT_TRUE(written.endsWith("\r\n"));
    EXPECT_EQ(written.count('\n'), written.count("\r\n"));
    EXPECT_EQ(written.count('\r'), written.count("\r\n"));
    const QList<QByteArray> lines = written.chopped(2).split('\n');
    bool folded = false;
    for (QByteArray line : lines) {
        line.replace("\r", "");
        EXPECT_LE(line.size(), 75) << line.toStdString();
        folded = folded || line.startsWith(' ');
    }
    EXPECT_TRUE(folded);
    // Folding never splits a character: every line is valid UTF-8 on its own.
    for (QByteArray line : lines) {
        line.replace("\r", "");
        EXPECT_EQ(QString::fromUtf8(line).toUtf8(), line);
    }
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
            const QByteArray written = writeIcs({{QStringLiteral("u"), summary, QString(), year{2024} / May / 1, QString()}},
                                                QString(), sampleStamp());
            EXPECT_FALSE(written.contains("\r\r"));
            EXPECT_FALSE(written.contains("\r\n \r\n"));
            EXPECT_EQ(written.count('\n'), written.count("\r\n"));
            const IcsReadResult result = parseIcsDays(written, QStringLiteral("export"), 2024);
            ASSERT_TRUE(result.ok) << result.error.toStdString();
            ASSERT_EQ(result.days.size(), 1u);
            EXPECT_EQ(result.days[0].summary, summary);
        }
    }
}

TEST(IcsWrite, LibicalFindsNothingWrong)
{
    const QByteArray written = writeIcs(sampleExport(), QStringLiteral("Lunaria 2024"), sampleStamp());
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
            const std::vector<IcsExportEvent> events = {
                {QStringLiteral("1"), QStringLiteral("Board"), QString(), board->start, board->rrule},
                {QStringLiteral("2"), QStringLiteral("Fifth"), QString(), fifth->start, fifth->rrule},
                {QStringLiteral("3"), QStringLiteral("Payday"), QString(), payday->start, payday->rrule},
                {QStringLiteral("4"), QStringLiteral("Bins"), QString(), bins->start, bins->rrule},
            };
            const IcsReadResult result = parseIcsDays(writeIcs(events, QString(), sampleStamp()), QStringLiteral("export"), yearNumber);
            ASSERT_TRUE(result.ok) << result.error.toStdString();

            std::vector<std::string> expected, read;
            for (QDate date(yearNumber, 1, 1); date.year() == yearNumber; date = date.addDays(1)) {
                const int nth = (date.day() - 1) / 7 + 1;
                const bool lastOfMonth = date.day() + 7 > date.daysInMonth();
                const qint64 fromJanuary5 = QDate(yearNumber, 1, 5).daysTo(date);
                if (date.dayOfWeek() == Qt::Tuesday && nth == 2)
                    expected.push_back(date.toString(Qt::ISODate).toStdString() + " Board");
                if (date.dayOfWeek() == Qt::Monday && nth == 5)
                    expected.push_back(date.toString(Qt::ISODate).toStdString() + " Fifth");
                if (date.dayOfWeek() == Qt::Friday && lastOfMonth)
                    expected.push_back(date.toString(Qt::ISODate).toStdString() + " Payday");
                if (fromJanuary5 >= 0 && fromJanuary5 % 21 == 0)
                    expected.push_back(date.toString(Qt::ISODate).toStdString() + " Bins");
            }
            for (const IcsDay &day : result.days)
                read.push_back(isoDate(day.date) + " " + day.summary.toStdString());
            std::sort(expected.begin(), expected.end());
            std::sort(read.begin(), read.end());
            EXPECT_EQ(read, expected);
            // Every rule ends with the year: nothing of the next one.
            const IcsReadResult nextYear = parseIcsDays(writeIcs(events, QString(), sampleStamp()), QStringLiteral("export"), yearNumber + 1);
            EXPECT_EQ(daysOf(nextYear), "");
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
