// Fetching published calendars from the fault server of tests/sources (faultserver.py), over
// http and over TLS with a certificate made here: every way a server can fail gives a message
// that names the address and holds no password.

#include "localservers.h"

#include "calendar/ical/icsreader.h"
#include "sources/credentials.h"
#include "sources/networkfetcher.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

const QString Password = QStringLiteral("s3cret-pw");
const QString Script = QStringLiteral(LUNARIA_SOURCE_DIR "/tests/sources/faultserver.py");
const sys_days From = sys_days{2027y / January / 1};
const sys_days To = sys_days{2027y / December / 31};

// Limits small enough that the slow cases end in a second or two.
NetworkOptions quickOptions(const QString &cacheFolder)
{
    NetworkOptions options;
    options.transferTimeoutMs = 1000;
    options.wholeAnswerMs = 2000;
    options.cacheFolder = cacheFolder;
    return options;
}

class FaultServerTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = new QTemporaryDir;
        s_plain = new ServerProcess;
        s_tls = new ServerProcess;
        const QString python = programPath(QStringLiteral("python3"));
        if (python.isEmpty() || programPath(QStringLiteral("openssl")).isEmpty()) {
            s_skip = QStringLiteral("python3 and openssl are needed for the local servers");
            return;
        }
        s_problem = makeCertificate(s_folder->path(), &s_certificate, &s_key);
        const int plainPort = freePort();
        if (s_problem.isEmpty())
            s_problem = s_plain->start(python, {Script, QString::number(plainPort)}, plainPort);
        const int tlsPort = freePort();
        if (s_problem.isEmpty())
            s_problem = s_tls->start(python,
                                     {Script, QString::number(tlsPort), QStringLiteral("--cert"), s_certificate,
                                      QStringLiteral("--key"), s_key, QStringLiteral("--other-port"), QString::number(plainPort)},
                                     tlsPort);
    }
    static void TearDownTestSuite()
    {
        delete s_plain;
        delete s_tls;
        delete s_folder;
    }
    void SetUp() override
    {
        if (!s_skip.isEmpty())
            GTEST_SKIP() << qPrintable(s_skip);
        ASSERT_TRUE(s_problem.isEmpty()) << qPrintable(s_problem);
        ASSERT_TRUE(m_cache.isValid());
    }

    static QString plain(const QString &path) { return QStringLiteral("http://127.0.0.1:%1%2").arg(s_plain->port()).arg(path); }
    static QString tls(const QString &path) { return QStringLiteral("https://127.0.0.1:%1%2").arg(s_tls->port()).arg(path); }

    // A .netrc holding `password` for 127.0.0.1.
    QString netrc(const QString &password)
    {
        const QString path = m_cache.filePath(QStringLiteral("netrc"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("machine example.org login bob password other\nmachine 127.0.0.1 login anna password %1\n")
                       .arg(password)
                       .toUtf8());
        return path;
    }

    FetchedCalendar fetch(const QString &address, CredentialSource *credentials = nullptr, NetworkOptions options = {})
    {
        // A copy kept from an earlier fetch would stand in for a failure: each fetch has its own
        // cache unless the test shares one.
        if (options.cacheFolder.isEmpty()) {
            const QString trusted = options.caFile;
            options = quickOptions(m_cache.filePath(QStringLiteral("cache-%1").arg(++m_fetches)));
            options.caFile = trusted;
        }
        NetworkFetcher fetcher(options, credentials);
        FetchedCalendar fetched = fetcher.fetch(address, From, To);
        // No password in any message, whatever happened.
        for (const QString &text : QStringList{fetched.error} + fetched.warnings)
            EXPECT_FALSE(text.contains(Password)) << qPrintable(text);
        return fetched;
    }

    static QJsonArray requestsSeen()
    {
        QByteArray answer;
        davRequest(QUrl(plain(QStringLiteral("/requests"))), "GET", {}, {}, {}, &answer);
        return QJsonDocument::fromJson(answer).array();
    }

    QTemporaryDir m_cache;
    int m_fetches = 0;
    static inline QTemporaryDir *s_folder = nullptr;
    static inline ServerProcess *s_plain = nullptr;
    static inline ServerProcess *s_tls = nullptr;
    static inline QString s_certificate;
    static inline QString s_key;
    static inline QString s_problem;
    static inline QString s_skip;
};

struct Refusal
{
    const char *name;
    const char *path;
    const char *says;  // a part of the message after the address
};

TEST_F(FaultServerTest, badAnswersAreRefusedNamingTheAddress)
{
    const Refusal rows[] = {
        {"not_found", "/gone.ics", "the server answered 404"},
        {"html_page", "/page.html", "the answer is not an iCalendar file (text/html; it begins \"<!DOCTYPE html><html>"},
        {"cut_short", "/truncated.ics", "closed the connection after 40 bytes"},
        {"too_large", "/huge.ics", "larger than 16 MiB"},
        {"trickling", "/trickle.ics", "did not come within 2 s"},
        {"silent", "/silent.ics", "no answer for 1 s"},
        {"redirect_loop", "/hops/5", "redirected more than 5 times"},
        {"not_a_collection", "/dav/missing/", "the server answered 404"},
        {"broken_multistatus", "/dav/broken/", "the server's answer cannot be read: line 1, column"},
        {"no_credentials", "/private.ics", "none were found for 127.0.0.1 in ~/.netrc or LUNARIA_CALENDAR_PASSWORD (401)"},
    };
    for (const Refusal &row : rows) {
        SCOPED_TRACE(row.name);
        const QString address = QString::fromLatin1(row.path).startsWith(QLatin1String("/dav/"))
                                    ? QLatin1String("caldav+") + plain(QString::fromLatin1(row.path))
                                    : plain(QString::fromLatin1(row.path));
        const FetchedCalendar fetched = fetch(address);
        EXPECT_FALSE(fetched.ok);
        EXPECT_TRUE(fetched.error.startsWith(address + QLatin1String(": "))) << qPrintable(fetched.error);
        EXPECT_TRUE(fetched.error.contains(QString::fromUtf8(row.says))) << qPrintable(fetched.error);
    }
}

TEST_F(FaultServerTest, unreachableServerIsSaid)
{
    const QString address = QStringLiteral("http://127.0.0.1:%1/school.ics").arg(freePort());
    const FetchedCalendar fetched = fetch(address);
    EXPECT_FALSE(fetched.ok);
    EXPECT_TRUE(fetched.error.startsWith(address + QLatin1String(": server unreachable: "))) << qPrintable(fetched.error);
}

TEST_F(FaultServerTest, redirectsWithinTheLimitAreFollowed)
{
    const FetchedCalendar fetched = fetch(plain(QStringLiteral("/hops/4")));
    ASSERT_TRUE(fetched.ok) << qPrintable(fetched.error);
    EXPECT_TRUE(fetched.bytes.contains("SUMMARY:Sports day"));
}

TEST_F(FaultServerTest, credentialsComeFromNetrcOrTheEnvironment)
{
    CommandLineCredentials rightNetrc(netrc(Password), {}, {});
    EXPECT_TRUE(fetch(plain(QStringLiteral("/private.ics")), &rightNetrc).ok);
    CommandLineCredentials fromEnvironment({}, QStringLiteral("anna"), Password);
    EXPECT_TRUE(fetch(plain(QStringLiteral("/private.ics")), &fromEnvironment).ok);

    CommandLineCredentials wrongNetrc(netrc(QStringLiteral("wrong")), {}, {});
    const FetchedCalendar refused = fetch(plain(QStringLiteral("/private.ics")), &wrongNetrc);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.error.endsWith(QLatin1String(": the server refused the user name and password from ~/.netrc (401)")))
        << qPrintable(refused.error);
}

TEST_F(FaultServerTest, credentialsAreSentOnlyWhenAsked)
{
    CommandLineCredentials credentials({}, QStringLiteral("anna"), Password);
    ASSERT_TRUE(fetch(plain(QStringLiteral("/school.ics")), &credentials).ok);
    const QJsonArray seen = requestsSeen();
    ASSERT_GE(seen.size(), 2);
    const QJsonObject last = seen[seen.size() - 2].toObject();  // the last is the listing itself
    EXPECT_EQ(last.value(QLatin1String("path")).toString(), QStringLiteral("/school.ics"));
    EXPECT_FALSE(last.value(QLatin1String("authorization")).toBool());
}

TEST_F(FaultServerTest, untrustedCertificateIsRefusedWithTheReason)
{
    const FetchedCalendar fetched = fetch(tls(QStringLiteral("/school.ics")));
    EXPECT_FALSE(fetched.ok);
    EXPECT_TRUE(fetched.error.contains(QLatin1String("the server's certificate is not trusted: The certificate is self-signed, and untrusted")))
        << qPrintable(fetched.error);
    EXPECT_TRUE(fetched.error.contains(QLatin1String("LUNARIA_CA_FILE")));
}

TEST_F(FaultServerTest, certificateFileNamedIsTrusted)
{
    NetworkOptions options = quickOptions({});
    options.caFile = s_certificate;
    const FetchedCalendar https = fetch(tls(QStringLiteral("/school.ics")), nullptr, options);
    EXPECT_TRUE(https.ok) << qPrintable(https.error);
    const QString webcal = QStringLiteral("webcal://127.0.0.1:%1/school.ics").arg(s_tls->port());
    const FetchedCalendar subscribed = fetch(webcal, nullptr, options);
    EXPECT_TRUE(subscribed.ok) << qPrintable(subscribed.error);
    EXPECT_EQ(subscribed.name, webcal);

    const FetchedCalendar downgraded = fetch(tls(QStringLiteral("/to-http")), nullptr, options);
    EXPECT_FALSE(downgraded.ok);
    EXPECT_TRUE(downgraded.error.contains(QLatin1String("redirected to an http:// address"))) << qPrintable(downgraded.error);

    options.caFile = Script;
    const FetchedCalendar noCertificate = fetch(tls(QStringLiteral("/school.ics")), nullptr, options);
    EXPECT_FALSE(noCertificate.ok);
    EXPECT_TRUE(noCertificate.error.contains(QLatin1String("holds no PEM certificate"))) << qPrintable(noCertificate.error);
}

TEST_F(FaultServerTest, unchangedCalendarIsAskedForWithItsETag)
{
    const QString address = plain(QStringLiteral("/school.ics"));
    const NetworkOptions shared = quickOptions(m_cache.filePath(QStringLiteral("cache")));
    const FetchedCalendar first = fetch(address, nullptr, shared);
    ASSERT_TRUE(first.ok) << qPrintable(first.error);
    const FetchedCalendar second = fetch(address, nullptr, shared);
    ASSERT_TRUE(second.ok) << qPrintable(second.error);
    EXPECT_EQ(second.bytes, first.bytes);
    EXPECT_TRUE(second.warnings.isEmpty()) << qPrintable(second.warnings.join('\n'));
    const QJsonArray seen = requestsSeen();
    const QJsonObject asked = seen[seen.size() - 2].toObject();
    EXPECT_EQ(asked.value(QLatin1String("ifNoneMatch")).toString(), QStringLiteral("\"school-v1\""));
}

TEST_F(FaultServerTest, copyIsUsedWhenTheServerIsGone)
{
    ServerProcess own;
    const int port = freePort();
    ASSERT_EQ(own.start(programPath(QStringLiteral("python3")), {Script, QString::number(port)}, port), QString());
    const QString address = QStringLiteral("http://127.0.0.1:%1/school.ics").arg(port);
    const NetworkOptions shared = quickOptions(m_cache.filePath(QStringLiteral("cache")));
    const FetchedCalendar first = fetch(address, nullptr, shared);
    ASSERT_TRUE(first.ok) << qPrintable(first.error);
    own.stop();

    const FetchedCalendar offline = fetch(address, nullptr, shared);
    ASSERT_TRUE(offline.ok) << qPrintable(offline.error);
    EXPECT_EQ(offline.bytes, first.bytes);
    ASSERT_EQ(offline.warnings.size(), 1);
    const QString today = QLocale().toString(QDate::currentDate(), QStringLiteral("d MMM yyyy"));
    EXPECT_TRUE(offline.warnings[0].startsWith(QStringLiteral("%1: the copy from %2 ").arg(address, today))) << qPrintable(offline.warnings[0]);
    EXPECT_TRUE(offline.warnings[0].contains(QLatin1String("server unreachable"))) << qPrintable(offline.warnings[0]);
}

TEST_F(FaultServerTest, readerMarksTheDaysOfAnAddress)
{
    NetworkFetcher fetcher(quickOptions(m_cache.filePath(QStringLiteral("cache"))), nullptr);
    IcsReader reader(&fetcher);
    const auto read = reader.read(plain(QStringLiteral("/school.ics")), 2027);
    ASSERT_TRUE(read->ok) << qPrintable(read->error);
    EXPECT_EQ(read->calendarName, QStringLiteral("School"));
    ASSERT_EQ(read->days.size(), 2u);
    EXPECT_EQ(read->days[0].date, 2027y / June / 18);
    EXPECT_EQ(read->days[1].date, 2027y / September / 6);

    const QString gone = plain(QStringLiteral("/gone.ics"));
    const auto missing = reader.read(gone, 2027);
    EXPECT_FALSE(missing->ok);
    EXPECT_TRUE(missing->error.startsWith(gone)) << qPrintable(missing->error);

    IcsReader offline;
    const auto refused = offline.read(plain(QStringLiteral("/school.ics")), 2027);
    EXPECT_FALSE(refused->ok);
    EXPECT_TRUE(refused->error.contains(QLatin1String("calendars on the network cannot be read here")));
}

} // namespace
