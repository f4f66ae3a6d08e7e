#include "tests/e2e/cupsserver.h"
#include "tests/support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// `lunaria` as a user runs it from a shell, without a display.
struct ProcessRun
{
    int status = -1;
    QString out;
    QString err;
};

ProcessRun runLunaria(const QStringList &arguments, const QString &folder, const QString &cupsServer = QString(),
               bool keepPlatform = false)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (!keepPlatform)
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!cupsServer.isEmpty())
        env.insert(QStringLiteral("CUPS_SERVER"), cupsServer);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral(LUNARIA_BINARY_DIR "/app/lunaria"), arguments);
    ProcessRun run;
    if (!p.waitForFinished(60000))
        return run;
    run.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

QString writeFamily(const QString &folder)
{
    return writeTestFile(folder, QStringLiteral("family.txt"), "YER 2027\r\nHDR The Smith Family\r\nDTM 2 3 Club meeting\r\n");
}

TEST(LunariaProcess, TheWindowWithoutADisplaySaysItNeedsADesktop)
{
    QTemporaryDir dir;
    const ProcessRun run = runLunaria({}, dir.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QLatin1String("needs a desktop"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QLatin1String("--print"))); // and how to print without one
}

TEST(LunariaProcess, PrintsToAPdfWithoutADisplay)
{
    QTemporaryDir dir;
    const QString control = writeFamily(dir.path());
    const ProcessRun run = runLunaria({QStringLiteral("--print"), control, QStringLiteral("--to"), QStringLiteral("out.pdf")}, dir.path());
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("out.pdf"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("family_dl.txt"))));
}

TEST(LunariaProcess, HelpAndUsageErrors)
{
    QTemporaryDir dir;
    const ProcessRun help = runLunaria({QStringLiteral("--help")}, dir.path());
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(QLatin1String("--list-printers")));
    const ProcessRun bad = runLunaria({QStringLiteral("--frobnicate")}, dir.path());
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.err.contains(QLatin1String("frobnicate"))) << bad.err.toStdString();
}

class LunariaCups : public CupsSuite
{
protected:
    static void SetUpTestSuite() { startServer(QStringLiteral("CommandLineQueue")); }
    static void TearDownTestSuite() { stopServer(); }
};

TEST_F(LunariaCups, ListPrintersShowsTheQueueThenThePdfDevice)
{
    QTemporaryDir dir;
    const ProcessRun run = runLunaria({QStringLiteral("--list-printers")}, dir.path(), s_server->socketPath());
    EXPECT_EQ(run.status, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2) << run.out.toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("  1 CommandLineQueue"))) << run.out.toStdString();
    EXPECT_TRUE(lines.last().endsWith(QLatin1String(" PDF file")));

    // A name that is not there is a usage error that lists the devices.
    const ProcessRun unknown = runLunaria({QStringLiteral("--print"), writeFamily(dir.path()), QStringLiteral("--printer"),
                                           QStringLiteral("No Such Printer")},
                                          dir.path(), s_server->socketPath());
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains(QLatin1String("there is no printer \"No Such Printer\""))) << unknown.err.toStdString();
    EXPECT_TRUE(unknown.err.contains(QLatin1String("  1 CommandLineQueue\n"))) << unknown.err.toStdString();
}

TEST_F(LunariaCups, CopiesReachThePrinterAsTheJobsCopyCount)
{
    QTemporaryDir dir;
    const QString control = writeFamily(dir.path());
    const QStringList before = s_server->waitForJobs(0, 0);
    const ProcessRun run = runLunaria({QStringLiteral("--print"), control, QStringLiteral("--printer"), QStringLiteral("CommandLineQueue"),
                                QStringLiteral("--copies"), QStringLiteral("3")},
                               dir.path(), s_server->socketPath());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QStringList jobs = s_server->waitForJobs(int(before.size()) + 1, 30);
    for (const QString &old : before)
        jobs.removeAll(old);
    ASSERT_EQ(jobs.size(), 1) << "one job, however many copies";
    QFile copies(QDir(s_server->captureDir()).filePath(jobs.first() + QStringLiteral(".copies")));
    ASSERT_TRUE(copies.open(QIODevice::ReadOnly));
    EXPECT_EQ(copies.readAll().trimmed(), "3");
    QFile data(QDir(s_server->captureDir()).filePath(jobs.first() + QStringLiteral(".data")));
    ASSERT_TRUE(data.open(QIODevice::ReadOnly));
    EXPECT_TRUE(data.read(5).startsWith("%PDF"));
}

TEST_F(LunariaCups, AQueueRejectingJobsIsMarkedAndPrintingOnItFails)
{
    QTemporaryDir dir;
    const QString queue = QStringLiteral("CommandLineQueue");
    bool ok = false;
    s_server->run(QStringLiteral("cupsreject"), {QStringLiteral("-r"), QStringLiteral("Paper jam"), queue}, &ok);
    ASSERT_TRUE(ok);
    const QStringList before = s_server->waitForJobs(0, 0);
    const ProcessRun list = runLunaria({QStringLiteral("--list-printers")}, dir.path(), s_server->socketPath());
    const ProcessRun print = runLunaria({QStringLiteral("--print"), writeFamily(dir.path()), QStringLiteral("--printer"), queue},
                                        dir.path(), s_server->socketPath());
    s_server->run(QStringLiteral("cupsaccept"), {queue});
    EXPECT_TRUE(list.out.contains(QLatin1String("  1 CommandLineQueue (not accepting jobs)\n"))) << list.out.toStdString();
    EXPECT_EQ(print.status, 1);
    EXPECT_TRUE(print.err.contains(QLatin1String("not accepting jobs (Paper jam)"))) << print.err.toStdString();
    EXPECT_FALSE(QFile::exists(QDir(dir.path()).filePath(QStringLiteral("family_dl.txt"))));
    EXPECT_EQ(s_server->waitForJobs(0, 0), before);
}

} // namespace
