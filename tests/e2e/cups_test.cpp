#include "tests/e2e/cupsserver.h"

#include "devices/cupsqueue.h"
#include "devices/printers.h"
#include "render/pagesurface.h"
#include "platform/usererror.h"
#include "print/printjob.h"
#include "tests/support/testfiles.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString Queue = QStringLiteral("Lunaria_Test");

int pdfPages(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished(30000);
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

class Cups : public CupsSuite
{
protected:
    static void SetUpTestSuite() { startServer(Queue); }
    static void TearDownTestSuite() { stopServer(); }

    void SetUp() override
    {
        CupsSuite::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(m_dir.isValid());
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        m_jobsBefore = s_server->waitForJobs(0, 0).size();
    }
    void TearDown() override
    {
        if (!m_previousFolder.isEmpty())
            QDir::setCurrent(m_previousFolder);
    }

    // Adds a raw queue writing to the capture folder; removed again at the end of the test.
    void addQueue(const QString &name, const QString &description)
    {
        bool ok = false;
        s_server->run(QStringLiteral("lpadmin"),
                      {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                       QStringLiteral("capture:") + s_server->captureDir(), QStringLiteral("-m"), QStringLiteral("raw"),
                       QStringLiteral("-D"), description},
                      &ok);
        ASSERT_TRUE(ok) << "lpadmin could not add " << name.toStdString();
    }
    void removeQueue(const QString &name)
    {
        s_server->run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), name});
    }
    int newJobs() const { return int(s_server->waitForJobs(0, 0).size()) - m_jobsBefore; }

    QTemporaryDir m_dir;
    QString m_previousFolder;
    int m_jobsBefore = 0;
};

TEST_F(Cups, InstalledQueuesComeFirstInQtsOrderThenThePdfDevice)
{
    addQueue(QStringLiteral("Lunaria_Aardvark"), QStringLiteral("First by name"));
    Printers printers;
    const QStringList names = printers.deviceNames();
    removeQueue(QStringLiteral("Lunaria_Aardvark"));
    EXPECT_EQ(names, (QStringList{QStringLiteral("Lunaria_Aardvark"), Queue, PdfDeviceName}));
}

TEST_F(Cups, CurrentIsTheDefaultPrinterUntilOneIsChosen)
{
    Printers printers;
    // The private server has no default printer: the PDF device stands in.
    EXPECT_EQ(printers.currentName(), PdfDeviceName);
    bool ok = false;
    s_server->run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), Queue}, &ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(printers.currentName(), Queue);
    printers.setCurrent(1);
    EXPECT_EQ(printers.currentName(), PdfDeviceName);
    printers.setCurrent(0);
    EXPECT_EQ(printers.currentName(), Queue);
    EXPECT_THROW(printers.setCurrent(2), UserError);
    EXPECT_THROW(printers.setCurrent(-1), UserError);
    EXPECT_EQ(printers.currentName(), Queue);
}

TEST_F(Cups, PrintsOnePageWithThreeCopiesAsOneJob)
{
    CalendarState state = loadDefaults(QDate(2026, 6, 1));
    state.txtYear = QStringLiteral("2027");
    state.txtHeader = QStringLiteral("Smith Family Calendar");
    state.txtMessage[5] = QStringLiteral("Happy New Year");
    state.txtCopies = QStringLiteral("3");
    Printers printers;
    printers.setCurrentByName(Queue);

    ASSERT_EQ(runPrintJob(state, printers), PrintOutcome::Printed);
    const QStringList jobs = s_server->waitForJobs(m_jobsBefore + 1, 30);
    ASSERT_EQ(jobs.size(), m_jobsBefore + 1);
    const QString job = s_server->captureDir() + QLatin1Char('/') + jobs.last();
    EXPECT_EQ(readTestFile(job + QStringLiteral(".copies")).trimmed(), QByteArray("3"));

    const QString data = job + QStringLiteral(".data");
    EXPECT_TRUE(readTestFile(data).startsWith("%PDF"));
    EXPECT_EQ(pdfPages(data), 1);
    const QString text = pdfText(data);
    for (const char *expected : {"Smith Family Calendar", "Happy New Year", "2027", "January", "December"})
        EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected;

    // CUPS itself keeps one completed job for it.
    QThread::msleep(300);
    EXPECT_EQ(newJobs(), 1);
    const QString completed =
        s_server->run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"), Queue});
    EXPECT_TRUE(completed.contains(jobs.last().section(QLatin1Char('-'), 1)));

    EXPECT_TRUE(QFile::exists(m_dir.filePath(QStringLiteral("MY_dl.txt"))));
}

TEST_F(Cups, AVanishedPrinterIsRefusedNotReplaced)
{
    const QString gone = QStringLiteral("Lunaria_Gone");
    addQueue(gone, QStringLiteral("Soon gone"));
    bool ok = false;
    s_server->run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), Queue}, &ok);
    Printers printers;
    printers.setCurrentByName(gone);
    removeQueue(gone);

    CalendarState state = loadDefaults(QDate(2026, 6, 1));
    try {
        runPrintJob(state, printers);
        FAIL() << "printed on another printer";
    } catch (const UserError &error) {
        EXPECT_TRUE(error.reason().contains(gone));
        EXPECT_TRUE(error.reason().contains(QLatin1String("no longer installed")));
    }
    QThread::msleep(500);
    EXPECT_EQ(newJobs(), 0);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("MY_dl.txt"))));
}

TEST_F(Cups, DeviceRuleTakesHpLaserPrintersByTheirName)
{
    struct Case
    {
        const char *queue;
        const char *description;
        bool duplex;
    };
    for (const Case c : {Case{"Lunaria_Office", "HP LaserJet 4050 in the office", true},
                         Case{"Lunaria_Lower", "hp laserjet 4050", false},
                         Case{"Lunaria_Plain", "Colour inkjet", false}}) {
        SCOPED_TRACE(c.queue);
        addQueue(QString::fromLatin1(c.queue), QString::fromLatin1(c.description));
        Printers printers;
        printers.setCurrentByName(QString::fromLatin1(c.queue));
        std::unique_ptr<OutputJob> job = printers.openJob();
        ASSERT_NE(job, nullptr);
        EXPECT_EQ(job->page().deviceName(), QString::fromLatin1(c.queue));
        EXPECT_EQ(job->applyDeviceRule(), c.duplex);
        job.reset();   // never begun: nothing is sent
        removeQueue(QString::fromLatin1(c.queue));
    }
    QThread::msleep(300);
    EXPECT_EQ(newJobs(), 0);
}

TEST_F(Cups, AJobTheServerDoesNotTakeIsRefusedWithItsReason)
{
    const QString queue = QStringLiteral("Lunaria_Refusing");
    const auto reject = [&](const char *reason) {
        return [=] { s_server->run(QStringLiteral("cupsreject"), {QStringLiteral("-r"), QLatin1String(reason), queue}); };
    };
    struct Row
    {
        const char *name;
        std::function<void()> before;       // before the job opens
        std::function<void()> whileDrawn;   // once the page is drawn, before it is sent
        int copies;
        const char *reason;
    };
    const Row rows[] = {
        {"queue_rejecting_jobs", reject("Paper jam in tray 2"), [] {}, 1, "is not accepting jobs (Paper jam in tray 2)"},
        {"copies_beyond_the_server_limit", [] {}, [] {}, 10000, "at most 9999 copies"},
        {"rejecting_once_the_page_is_drawn", [] {}, reject("Out of toner"), 1, "is not accepting jobs (Out of toner)"},
        {"queue_deleted_while_the_page_is_drawn", [] {}, [&] { removeQueue(queue); }, 1, "is no longer installed"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        addQueue(queue, QStringLiteral("Refuses"));
        row.before();
        Printers printers;
        printers.setCurrentByName(queue);
        try {
            const std::unique_ptr<OutputJob> job = printers.openJob();
            job->page().setCopies(row.copies);
            job->page().printText(QStringLiteral("a page"), true);
            row.whileDrawn();
            job->send();
            ADD_FAILURE() << "reported as sent";
        } catch (const UserError &error) {
            EXPECT_TRUE(error.reason().contains(queue) && error.reason().contains(QLatin1String(row.reason)))
                << error.reason().toStdString();
        }
        removeQueue(queue);
    }
    // The server's own answer, past the checks made before sending.
    const SentJob lost = sendPdfJob(queue, QStringLiteral(LUNARIA_SOURCE_DIR "/README.md"), QStringLiteral("lost"), {});
    EXPECT_EQ(lost.id, 0);
    EXPECT_TRUE(lost.error.contains(QLatin1String("does not exist"))) << lost.error.toStdString();
    QThread::msleep(300);
    EXPECT_EQ(newJobs(), 0);
}

// A PDF printer that can print on both sides, so that Qt passes the duplex setting on.
const char *DuplexPpd = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "LUNDUPLX.PPD"
*Manufacturer: "Lunaria"
*Product: "(Lunaria Duplex Test)"
*ModelName: "Lunaria Duplex Test"
*ShortNickName: "Lunaria Duplex Test"
*NickName: "Lunaria Duplex Test"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter2: "application/pdf application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Letter
*PageRegion Letter/US Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: Letter
*ImageableArea Letter/US Letter: "12 12 600 780"
*DefaultPaperDimension: Letter
*PaperDimension Letter/US Letter: "612 792"
*OpenUI *Duplex/2-Sided Printing: PickOne
*OrderDependency: 20 AnySetup *Duplex
*DefaultDuplex: None
*Duplex None/Off: "<</Duplex false>>setpagedevice"
*Duplex DuplexNoTumble/Long Edge: "<</Duplex true/Tumble false>>setpagedevice"
*Duplex DuplexTumble/Short Edge: "<</Duplex true/Tumble true>>setpagedevice"
*CloseUI: *Duplex
)ppd";

TEST_F(Cups, HpLaserPrinterGetsLongEdgeDuplexOnTheJob)
{
    QTemporaryDir ppdDir;
    const QString ppd = writeTestFile(ppdDir.path(), QStringLiteral("duplex.ppd"), DuplexPpd);
    struct Case
    {
        const char *queue;
        const char *description;
        const char *sides;
    };
    for (const Case c : {Case{"Lunaria_Duplex_HP", "HP LaserJet 4250 duplex", "sides=two-sided-long-edge"},
                         Case{"Lunaria_Duplex_Lower", "hp laserjet 4250 duplex", "sides=one-sided"}}) {
        SCOPED_TRACE(c.queue);
        const QString queue = QString::fromLatin1(c.queue);
        bool ok = false;
        // Printer drivers are deprecated in CUPS and still work.
        s_server->run(QStringLiteral("lpadmin"),
                      {QStringLiteral("-p"), queue, QStringLiteral("-E"), QStringLiteral("-v"),
                       QStringLiteral("capture:") + s_server->captureDir(), QStringLiteral("-P"), ppd,
                       QStringLiteral("-D"), QString::fromLatin1(c.description)},
                      &ok);
        ASSERT_TRUE(ok);
        const int before = int(s_server->waitForJobs(0, 0).size());
        CalendarState state = loadDefaults(QDate(2026, 6, 1));
        Printers printers;
        printers.setCurrentByName(queue);
        ASSERT_EQ(runPrintJob(state, printers), PrintOutcome::Printed);
        const QStringList jobs = s_server->waitForJobs(before + 1, 30);
        removeQueue(queue);
        ASSERT_EQ(jobs.size(), before + 1);
        const QString options =
            QString::fromUtf8(readTestFile(s_server->captureDir() + QLatin1Char('/') + jobs.last() + QStringLiteral(".options")));
        EXPECT_TRUE(options.split(QLatin1Char(' ')).contains(QLatin1String(c.sides))) << options.toStdString();
    }
}

// A suite of its own: its test stops the server.
class CupsGone : public CupsSuite
{
protected:
    static void SetUpTestSuite() { startServer(QStringLiteral("Lunaria_Stopping")); }
    static void TearDownTestSuite() { stopServer(); }
};

TEST_F(CupsGone, AServerStoppedWhileThePageIsDrawnIsNamedAsUnreachable)
{
    Printers printers;
    printers.setCurrentByName(QStringLiteral("Lunaria_Stopping"));
    const std::unique_ptr<OutputJob> job = printers.openJob();
    job->page().printText(QStringLiteral("a page"), true);
    // Stopped behind the library's back: it still points at the server's socket.
    QProcess::execute(QStringLiteral(LUNARIA_SOURCE_DIR "/scripts/cups-test-server"),
                      {QStringLiteral("stop"), QFileInfo(s_server->socketPath()).absolutePath()});
    QStringList reasons;
    try {
        job->send();
    } catch (const UserError &error) {
        reasons << error.reason();
    }
    Printers noneNamed;   // the PDF device stands in for a default printer, and there is none
    try {
        noneNamed.openJob();
    } catch (const UserError &error) {
        reasons << error.reason();
    }
    const QString unreachable = QStringLiteral("No printer can be reached: the print service (CUPS) at %1 does not answer");
    EXPECT_EQ(reasons.filter(unreachable.arg(s_server->socketPath())).size(), 2) << reasons.join(QLatin1Char('\n')).toStdString();
}

} // namespace
