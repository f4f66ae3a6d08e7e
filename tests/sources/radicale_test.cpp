// CalDAV against a real server: Radicale on 127.0.0.1 with its own storage and a htpasswd
// user, calendars and events made through its CalDAV interface. What the program reads from a
// collection is checked against the same events read from one local file.

#include "localservers.h"

#include "calendar/ical/icsreader.h"
#include "sources/caldav.h"
#include "sources/credentials.h"
#include "sources/httpsession.h"
#include "sources/networkfetcher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace std::chrono;

namespace {

const QString User = QStringLiteral("anna");
const QString Password = QStringLiteral("family-pw");

QByteArray calendarOf(const QByteArray &components)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//tests//radicale//EN\r\n" + components + "END:VCALENDAR\r\n";
}

QByteArray allDay(const char *uid, const char *date, const char *summary, const QByteArray &extra = {})
{
    return QByteArray("BEGIN:VEVENT\r\nUID:") + uid + "\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:" + date +
           "\r\nSUMMARY:" + summary + "\r\n" + extra + "END:VEVENT\r\n";
}

const QByteArray Berlin = "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\n"
                          "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nTZNAME:CEST\r\n"
                          "DTSTART:19700329T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\n"
                          "BEGIN:STANDARD\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\n"
                          "DTSTART:19701025T030000\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\n"
                          "END:VTIMEZONE\r\n";

// The family calendar's events, one resource each as a calendar client stores them.
struct Event
{
    const char *uid;
    QByteArray components;
};
const Event FamilyEvents[] = {
    {"birthday", allDay("birthday", "20200314", "Grandma's birthday", "RRULE:FREQ=YEARLY\r\n")},
    {"party", Berlin + "BEGIN:VEVENT\r\nUID:party\r\nDTSTAMP:20260101T000000Z\r\n"
                       "DTSTART;TZID=Europe/Berlin:20270820T180000\r\nDTEND;TZID=Europe/Berlin:20270820T230000\r\n"
                       "SUMMARY:Summer party\r\nEND:VEVENT\r\n"},
    {"ski", allDay("ski", "20280210", "Ski trip")},
    {"spring", allDay("spring", "20270410", "Spring fair")},
    {"far", allDay("far", "20290501", "Far away")},
    {"long-ago", allDay("long-ago", "20150704", "Long ago")},
};

class RadicaleTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = new QTemporaryDir;
        s_server = new ServerProcess;
        const QString radicale = programPath(QStringLiteral("radicale"));
        if (radicale.isEmpty()) {
            s_skip = QStringLiteral("Radicale is not installed (Debian package radicale)");
            return;
        }
        QFile users(s_folder->filePath(QStringLiteral("users")));
        if (!users.open(QIODevice::WriteOnly) || users.write((User + QLatin1Char(':') + Password + QLatin1Char('\n')).toUtf8()) < 0) {
            s_problem = QStringLiteral("cannot write the users file");
            return;
        }
        users.close();
        const int port = freePort();
        s_problem = s_server->start(radicale,
                                    {QStringLiteral("--config"), QString(), QStringLiteral("--server-hosts"),
                                     QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("--storage-filesystem-folder"),
                                     s_folder->filePath(QStringLiteral("collections")), QStringLiteral("--auth-type"),
                                     QStringLiteral("htpasswd"), QStringLiteral("--auth-htpasswd-filename"), users.fileName(),
                                     QStringLiteral("--auth-htpasswd-encryption"), QStringLiteral("plain"),
                                     QStringLiteral("--logging-level"), QStringLiteral("warning")},
                                    port);
        if (!s_problem.isEmpty())
            return;
        s_base = QStringLiteral("http://127.0.0.1:%1").arg(port);
        for (const char *name : {"family", "work"}) {
            const QByteArray display = QByteArray(name) == "family" ? "Family" : "Work";
            const QByteArray body = "<?xml version=\"1.0\"?><C:mkcalendar xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\">"
                                    "<D:set><D:prop><D:displayname>" + display + "</D:displayname></D:prop></D:set></C:mkcalendar>";
            if (davRequest(collection(name), "MKCALENDAR", body, User, Password) != 201) {
                s_problem = QStringLiteral("Radicale did not make the calendar %1").arg(QLatin1String(name));
                return;
            }
        }
        for (const Event &event : FamilyEvents) {
            if (!put("family", event.uid, event.components)) {
                s_problem = QStringLiteral("Radicale did not take the event %1").arg(QLatin1String(event.uid));
                return;
            }
        }
    }
    static void TearDownTestSuite()
    {
        delete s_server;
        delete s_folder;
    }
    void SetUp() override
    {
        if (!s_skip.isEmpty())
            GTEST_SKIP() << qPrintable(s_skip);
        ASSERT_TRUE(s_problem.isEmpty()) << qPrintable(s_problem);
        QFile netrc(m_home.filePath(QStringLiteral("netrc")));
        ASSERT_TRUE(netrc.open(QIODevice::WriteOnly));
        netrc.write(QStringLiteral("machine 127.0.0.1\n  login %1\n  password %2\n").arg(User, Password).toUtf8());
        m_options.cacheFolder = m_home.filePath(QStringLiteral("cache"));
    }

    static QUrl collection(const char *name) { return QUrl(s_base + QStringLiteral("/anna/%1/").arg(QLatin1String(name))); }
    static QString address(const char *name) { return QLatin1String("caldav+") + collection(name).toString(); }
    static bool put(const char *calendar, const char *uid, const QByteArray &components)
    {
        const QUrl url(collection(calendar).toString() + QLatin1String(uid) + QLatin1String(".ics"));
        const int status = davRequest(url, "PUT", calendarOf(components), User, Password);
        return status == 201 || status == 204;
    }

    QTemporaryDir m_home;
    NetworkOptions m_options;
    CommandLineCredentials m_credentials{m_home.filePath(QStringLiteral("netrc")), {}, {}};
    static inline QTemporaryDir *s_folder = nullptr;
    static inline ServerProcess *s_server = nullptr;
    static inline QString s_base;
    static inline QString s_problem;
    static inline QString s_skip;
};

TEST_F(RadicaleTest, collectionGivesTheEventsOfTheShownMonthsOnly)
{
    NetworkFetcher fetcher(m_options, &m_credentials);
    // A page from August 2027 to July 2028.
    const FetchedCalendar fetched = fetcher.fetch(address("family"), sys_days{2027y / August / 1}, sys_days{2028y / July / 31});
    ASSERT_TRUE(fetched.ok) << qPrintable(fetched.error);
    EXPECT_TRUE(fetched.warnings.isEmpty()) << qPrintable(fetched.warnings.join('\n'));
    EXPECT_TRUE(fetched.bytes.contains("X-WR-CALNAME:Family\r\n"));
    for (const char *shown : {"Grandma's birthday", "Summer party", "Ski trip"})
        EXPECT_TRUE(fetched.bytes.contains(shown)) << shown;
    for (const char *outside : {"Spring fair", "Far away", "Long ago"})
        EXPECT_FALSE(fetched.bytes.contains(outside)) << outside;
    EXPECT_EQ(fetched.bytes.count("BEGIN:VTIMEZONE"), 1);
}

TEST_F(RadicaleTest, collectionMarksWhatTheSameEventsInAFileMark)
{
    NetworkFetcher fetcher(m_options, &m_credentials);
    IcsReader reader(&fetcher);
    QByteArray all;
    for (const Event &event : FamilyEvents)
        all += event.components;
    const QString local = m_home.filePath(QStringLiteral("family.ics"));
    QFile file(local);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(calendarOf(all));
    file.close();

    for (int year : {2027, 2028, 2029}) {
        SCOPED_TRACE(year);
        const auto remote = reader.read(address("family"), year);
        const IcsReadResult expected = readIcsDays(local, year);
        ASSERT_TRUE(remote->ok) << qPrintable(remote->error);
        ASSERT_EQ(remote->days.size(), expected.days.size());
        for (size_t i = 0; i < expected.days.size(); ++i) {
            EXPECT_EQ(remote->days[i].date, expected.days[i].date);
            EXPECT_EQ(remote->days[i].summary, expected.days[i].summary);
        }
        EXPECT_EQ(remote->calendarName, QStringLiteral("Family"));
    }
}

TEST_F(RadicaleTest, readerAsksForTheShownDaysOfTheYear)
{
    NetworkFetcher fetcher(m_options, &m_credentials);
    IcsReader reader(&fetcher);
    const auto hasDay = [](const IcsReadResult &read, year_month_day day) {
        return std::any_of(read.days.begin(), read.days.end(), [&](const IcsDay &d) { return d.date == day; });
    };
    // August to December of a page from August 2027 to July 2028, then the whole year.
    const auto shown = reader.read(address("family"), 2027, sys_days{2027y / August / 1}, sys_days{2028y / July / 31});
    ASSERT_TRUE(shown->ok) << qPrintable(shown->error);
    EXPECT_TRUE(hasDay(*shown, 2027y / August / 20));
    EXPECT_FALSE(hasDay(*shown, 2027y / April / 10));
    const auto whole = reader.read(address("family"), 2027);
    ASSERT_TRUE(whole->ok) << qPrintable(whole->error);
    EXPECT_TRUE(hasDay(*whole, 2027y / April / 10));
}

TEST_F(RadicaleTest, unchangedCollectionIsTakenFromTheCopy)
{
    NetworkFetcher fetcher(m_options, &m_credentials);
    const sys_days from{2031y / January / 1};
    const sys_days to{2031y / December / 31};
    const FetchedCalendar first = fetcher.fetch(address("work"), from, to);
    ASSERT_TRUE(first.ok) << qPrintable(first.error);
    EXPECT_FALSE(first.bytes.contains("BEGIN:VEVENT"));

    // Mark the kept copy: while the collection's tag is the same, the copy is what comes back.
    const QStringList copies = QDir(m_options.cacheFolder).entryList({QStringLiteral("*.ics")});
    ASSERT_EQ(copies.size(), 1);
    QFile copy(m_options.cacheFolder + QLatin1Char('/') + copies[0]);
    ASSERT_TRUE(copy.open(QIODevice::Append));
    copy.write("X-KEPT:yes\r\n");
    copy.close();
    EXPECT_TRUE(fetcher.fetch(address("work"), from, to).bytes.contains("X-KEPT:yes"));

    ASSERT_TRUE(put("work", "review", allDay("review", "20310512", "Review")));
    const FetchedCalendar changed = fetcher.fetch(address("work"), from, to);
    ASSERT_TRUE(changed.ok) << qPrintable(changed.error);
    EXPECT_FALSE(changed.bytes.contains("X-KEPT"));
    EXPECT_TRUE(changed.bytes.contains("SUMMARY:Review"));
}

TEST_F(RadicaleTest, discoveryOffersTheUsersCalendars)
{
    HttpSession session(m_options, &m_credentials);
    const CalendarDiscovery found = discoverCalendars(session, QUrl(s_base + QLatin1Char('/')));
    ASSERT_TRUE(found.problem.isEmpty()) << qPrintable(found.problem);
    ASSERT_EQ(found.calendars.size(), 2);
    QStringList offered;
    for (const OfferedCalendar &calendar : found.calendars)
        offered << calendar.name + QLatin1Char(' ') + calendar.address;
    offered.sort();
    EXPECT_EQ(offered, QStringList({QStringLiteral("Family ") + address("family"), QStringLiteral("Work ") + address("work")}));
}

TEST_F(RadicaleTest, wrongPasswordIsRefusedWithoutSayingIt)
{
    CommandLineCredentials wrong({}, User, QStringLiteral("not-the-password"));
    NetworkFetcher fetcher(m_options, &wrong);
    const FetchedCalendar fetched = fetcher.fetch(address("family"), sys_days{2027y / January / 1}, sys_days{2027y / December / 31});
    EXPECT_FALSE(fetched.ok);
    EXPECT_EQ(fetched.error, address("family") + QStringLiteral(": the server refused the user name and password from LUNARIA_CALENDAR_PASSWORD (401)"));
    EXPECT_FALSE(fetched.error.contains(QLatin1String("not-the-password")));
}

} // namespace
