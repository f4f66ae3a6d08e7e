// "Subscribe to Calendar..." in the real window, against the fault server of tests/sources
// over TLS: the address becomes a rule whose days are marked, and a server that asks for a
// login gets the one typed in the "Log In" dialog.
#include "app/modlunaria.h"
#include "app/windowfetcher.h"
#include "calendar/holidays/holidays.h"
#include "calendar/marksources.h"
#include "devices/printers.h"
#include "dialogs/credentialsdialog.h"
#include "dialogs/subscribedialog.h"
#include "tests/gui/fakes.h"
#include "tests/sources/localservers.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString Script = QStringLiteral(LUNARIA_SOURCE_DIR "/tests/sources/faultserver.py");
const QString Password = QStringLiteral("s3cret-pw");  // the fault server's

// The window's fetcher, with the first day of each range it was asked for written down.
struct CountingFetcher : CalendarFetcher
{
    CalendarFetcher *inner = nullptr;
    QList<QDate> asked;
    FetchedCalendar fetch(const QString &address, std::chrono::sys_days from, std::chrono::sys_days to) override
    {
        const std::chrono::year_month_day first{from};
        asked << QDate(int(first.year()), int(unsigned(first.month())), int(unsigned(first.day())));
        return inner->fetch(address, from, to);
    }
};

class Subscribe : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = new QTemporaryDir;
        s_server = new ServerProcess;
        const QString python = programPath(QStringLiteral("python3"));
        if (python.isEmpty() || programPath(QStringLiteral("openssl")).isEmpty()) {
            s_skip = QStringLiteral("python3 and openssl are needed for the local server");
            return;
        }
        s_problem = makeCertificate(s_folder->path(), &s_certificate, &s_key);
        const int port = freePort();
        if (s_problem.isEmpty())
            s_problem = s_server->start(python, {Script, QString::number(port), QStringLiteral("--cert"), s_certificate,
                                                 QStringLiteral("--key"), s_key},
                                        port);
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
        ASSERT_TRUE(dir.isValid());
        printers.setCurrentByName(PdfDeviceName);
        LoginStore store;
        store.read = [this](const QUrl &server) {
            KeychainRead read;
            if (kept.contains(server.host()))
                read.credentials = kept.value(server.host());
            return read;
        };
        store.store = [this](const QUrl &server, const Credentials &login) {
            kept.insert(server.host(), login);
            return std::optional<QString>();
        };
        credentials = std::make_unique<WindowCredentials>(
            [this](const QString &server, const QString &note) { return askLogin(window.get(), server, note); },
            [this](const QString &text) { messages.show(text, QString()); }, store);
        NetworkOptions options;
        // Long enough for a loaded machine under the sanitizers: none of these tests waits for one.
        options.transferTimeoutMs = 20000;
        options.wholeAnswerMs = 40000;
        options.caFile = s_certificate;
        options.cacheFolder = dir.filePath(QStringLiteral("cache"));
        network = std::make_unique<WindowNetwork>(options, *credentials, [this]() -> QWidget * { return window.get(); });
        counting.inner = network.get();
        calendars = std::make_unique<IcsReader>(&counting);
        marks = std::make_unique<MarkSources>(MarkSources{holidays, *calendars});

        LunariaServices services;
        services.messages = &messages;
        services.fonts = &fonts;
        services.marks = marks.get();
        services.devices = &printers;
        services.today = QDate(2026, 12, 8);
        services.askExportFile = [this](const QString &) { return dir.filePath(QStringLiteral("marked.ics")); };
        window = std::make_unique<frmLunaria>(services);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QLineEdit *year = window->findChild<QLineEdit *>(QStringLiteral("txtYear"));
        year->selectAll();
        QTest::keyClicks(year, QStringLiteral("2027"));
    }
    void TearDown() override
    {
        window.reset();
        // No password in anything the window said.
        for (const QString &text : messages.texts())
            EXPECT_FALSE(text.contains(Password)) << qPrintable(text);
    }

    static QString address(const char *path) { return QStringLiteral("https://127.0.0.1:%1%2").arg(s_server->port()).arg(QLatin1String(path)); }

    // Opens the dialog from the File menu, types `address` and presses OK.
    SubscribeDialog *subscribe(const QString &address)
    {
        window->findChild<QAction *>(QStringLiteral("mnuSubscribeCalendar"))->trigger();
        auto *dialog = window->findChild<SubscribeDialog *>();
        EXPECT_NE(dialog, nullptr);
        if (!dialog)
            return nullptr;
        dialog->findChild<QLineEdit *>(QStringLiteral("txtAddress"))->setText(address);
        dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        return dialog;
    }

    // What a user does when the "Log In" dialog comes: reads it and types `user` and `password`.
    struct Seen
    {
        QString question;
        QString note;
        bool masked = false;
        QString progress;  // the progress shown under the dialog
    };
    void answerLogin(const QString &user, const QString &password, bool remember)
    {
        auto *timer = new QTimer(window.get());
        QObject::connect(timer, &QTimer::timeout, timer, [=, this] {
            auto *login = window->findChild<CredentialsDialog *>();
            if (!login || !login->isVisible())
                return;
            timer->stop();
            timer->deleteLater();
            Seen seen;
            seen.question = login->findChild<QLabel *>(QStringLiteral("lblQuestion"))->text();
            seen.note = login->findChild<QLabel *>(QStringLiteral("lblNote"))->text();
            auto *secret = login->findChild<QLineEdit *>(QStringLiteral("txtPassword"));
            seen.masked = secret->echoMode() == QLineEdit::Password;
            if (auto *progress = window->findChild<QProgressDialog *>(QStringLiteral("FetchProgress")); progress && progress->isVisible())
                seen.progress = progress->labelText();
            logins << seen;
            login->findChild<QLineEdit *>(QStringLiteral("txtUser"))->setText(user);
            secret->setText(password);
            login->findChild<QCheckBox *>(QStringLiteral("chkRemember"))->setChecked(remember);
            login->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        });
        timer->start(20);
    }

    QStringList rules()
    {
        auto *list = window->findChild<QListWidget *>(QStringLiteral("lstMarkedDays"));
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
    // The marked days as "Export Marked Days..." writes them.
    QByteArray exported()
    {
        window->findChild<QAction *>(QStringLiteral("mnuExportMarkedDays"))->trigger();
        QFile file(dir.filePath(QStringLiteral("marked.ics")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static inline QTemporaryDir *s_folder = nullptr;
    static inline ServerProcess *s_server = nullptr;
    static inline QString s_skip, s_problem, s_certificate, s_key;

    QTemporaryDir dir;
    HookedMessageService messages;
    FakeFontChooser fonts;
    Printers printers;
    HolidayCatalog holidays{{QString(), QStringLiteral(LUNARIA_SOURCE_DIR "/data/holidays")}};
    QHash<QString, Credentials> kept;  // the secret store, by host
    QList<Seen> logins;
    std::unique_ptr<WindowCredentials> credentials;
    std::unique_ptr<WindowNetwork> network;
    CountingFetcher counting;
    std::unique_ptr<IcsReader> calendars;
    std::unique_ptr<MarkSources> marks;
    std::unique_ptr<frmLunaria> window;
};

// The server's calendar "School" has two days in 2027: 18 June and 6 September.
TEST_F(Subscribe, AnAddressBecomesARuleThatMarksTheCalendarsDays)
{
    subscribe(address("/school.ics"));
    EXPECT_TRUE(messages.texts().isEmpty()) << qPrintable(messages.texts().join(QLatin1Char('\n')));
    ASSERT_EQ(rules().size(), 1);
    EXPECT_TRUE(rules()[0].startsWith(QLatin1String("School"))) << qPrintable(rules()[0]);
    EXPECT_TRUE(window->windowTitle().contains(QLatin1Char('*'))) << qPrintable(window->windowTitle());
    const QByteArray days = exported();
    EXPECT_TRUE(days.contains("DTSTART;VALUE=DATE:20270618")) << days.constData();
    EXPECT_TRUE(days.contains("DTSTART;VALUE=DATE:20270906")) << days.constData();
    EXPECT_TRUE(logins.isEmpty());  // the server asked for none
}

// Typing 2028 passes through the years 2, 20 and 202; the server is asked for none of them,
// only for the year the typing stops at. A command run before then uses that year's marks.
TEST_F(Subscribe, TypingAYearAsksTheServerOnlyForTheYearTheTypingStopsAt)
{
    subscribe(address("/school.ics"));
    ASSERT_EQ(rules().size(), 1);
    counting.asked.clear();
    QLineEdit *year = window->findChild<QLineEdit *>(QStringLiteral("txtYear"));
    year->selectAll();
    QTest::keyClicks(year, QStringLiteral("2028"));
    EXPECT_TRUE(counting.asked.isEmpty());
    QTRY_VERIFY(!counting.asked.isEmpty());
    // One question, for 2028 (from the day before, for the time zones west of UTC).
    ASSERT_EQ(counting.asked.size(), 1);
    EXPECT_EQ(counting.asked[0], QDate(2027, 12, 31));
    EXPECT_TRUE(rules()[0].contains(QLatin1String("no day in 2028"))) << qPrintable(rules()[0]);

    // 2027 was fetched before: the export's command finds its marks at once, without waiting.
    year->selectAll();
    QTest::keyClicks(year, QStringLiteral("2027"));
    EXPECT_TRUE(rules()[0].contains(QLatin1String("no day in 2028")));  // not yet worked out
    EXPECT_TRUE(exported().contains("DTSTART;VALUE=DATE:20270618"));
    EXPECT_FALSE(rules()[0].contains(QLatin1String("no day"))) << qPrintable(rules()[0]);
    EXPECT_EQ(counting.asked.size(), 1);
}

TEST_F(Subscribe, AServerThatAsksForALoginGetsTheOneTypedAgainAfterARefusal)
{
    answerLogin(QStringLiteral("anna"), QStringLiteral("wrong-pw"), false);
    SubscribeDialog *dialog = subscribe(address("/private.ics"));
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(logins.size(), 1);
    const QString server = QStringLiteral("127.0.0.1:%1").arg(s_server->port());
    EXPECT_EQ(logins[0].question, QStringLiteral("The server %1 asks for a user name and password.").arg(server));
    EXPECT_TRUE(logins[0].masked);
    EXPECT_EQ(logins[0].progress, QStringLiteral("Fetching %1...").arg(address("/private.ics")));
    EXPECT_TRUE(dialog->isVisible());
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.texts()[0], QStringLiteral("Address: %1: the server refused the user name and password from the Log In "
                                                  "dialog (401)").arg(address("/private.ics")));
    EXPECT_TRUE(rules().isEmpty());

    // Asked again, saying why; the right login is kept in the store when the user says so.
    answerLogin(QStringLiteral("anna"), Password, true);
    dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    ASSERT_EQ(logins.size(), 2);
    EXPECT_EQ(logins[1].note, "The server refused the user name and password it was given.");
    EXPECT_EQ(messages.texts().size(), 1);
    ASSERT_EQ(rules().size(), 1);
    EXPECT_TRUE(exported().contains("DTSTART;VALUE=DATE:20270906"));
    ASSERT_TRUE(kept.contains(QStringLiteral("127.0.0.1")));
    EXPECT_EQ(kept.value(QStringLiteral("127.0.0.1")).user, "anna");
    EXPECT_EQ(kept.value(QStringLiteral("127.0.0.1")).password, Password);
}

// While a fetch runs, the form's timers (the preview's redraw among them) wait, and nothing
// else does: the fetch's own timers must run.
TEST(FetchProgressHold, TheFormsTimersWaitUntilTheFetchIsOver)
{
    QMainWindow window;
    auto *form = new QWidget(&window);
    window.setCentralWidget(form);
    window.show();
    int formFired = 0;
    int outsideFired = 0;
    auto *formTimer = new QTimer(form);
    formTimer->setSingleShot(true);
    QObject::connect(formTimer, &QTimer::timeout, [&] { ++formFired; });
    QTimer outside;
    outside.setSingleShot(true);
    QObject::connect(&outside, &QTimer::timeout, [&] { ++outsideFired; });
    {
        const FetchProgress progress(&window, QStringLiteral("https://example.org/a.ics"));
        auto *dialog = window.findChild<QProgressDialog *>(QStringLiteral("FetchProgress"));
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_TRUE(dialog->isModal());
        EXPECT_EQ(dialog->labelText(), "Fetching https://example.org/a.ics...");
        formTimer->start(10);
        outside.start(10);
        QTest::qWait(150);
        EXPECT_EQ(formFired, 0);
        EXPECT_EQ(outsideFired, 1);
    }
    EXPECT_EQ(window.findChild<QProgressDialog *>(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return formFired == 1; }, 1000));
}

} // namespace
