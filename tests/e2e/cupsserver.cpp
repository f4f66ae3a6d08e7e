#include "tests/e2e/cupsserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <dlfcn.h>
#include <unistd.h>

namespace {

QString helperPath()
{
    return QStringLiteral(LUNARIA_SOURCE_DIR "/scripts/cups-test-server");
}

} // namespace

void pointCupsAt(const QString &server)
{
    // Back to the server the suite was started with (one that does not exist, under ctest),
    // never to the machine's own.
    static const QString original = qEnvironmentVariable("CUPS_SERVER");
    const QString target = server.isEmpty() ? original : server;
    if (target.isEmpty())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", target.toLocal8Bit());
    // The CUPS library reads CUPS_SERVER once and keeps it; make it read again. Loading the
    // print plugin first makes sure it is the same library Qt uses.
    (void)QPrinterInfo::availablePrinterNames();
    void *cups = dlopen("libcups.so.2", RTLD_NOW | RTLD_NOLOAD);
    if (!cups)
        return;
    using SetServer = void (*)(const char *);
    if (auto setServer = reinterpret_cast<SetServer>(dlsym(cups, "cupsSetServer"))) {
        const QByteArray name = target.toLocal8Bit();
        setServer(target.isEmpty() ? nullptr : name.constData());
    }
    dlclose(cups);
}

QString CupsTestServer::unavailableReason()
{
    const QString cupsd =
        QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    if (cupsd.isEmpty())
        return QStringLiteral("cupsd is not installed");
    if (::geteuid() != 0)
        return QStringLiteral("a private cupsd needs root (it runs its devices as lp)");
    return {};
}

bool CupsTestServer::start(const QString &queue, QString *error)
{
    m_dir = std::make_unique<QTemporaryDir>();
    if (!m_dir->isValid()) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    QProcess helper;
    helper.start(helperPath(), {QStringLiteral("start"), m_dir->path(), queue, captureDir()});
    if (!helper.waitForFinished(60000) || helper.exitStatus() != QProcess::NormalExit || helper.exitCode() != 0) {
        *error = QString::fromLocal8Bit(helper.readAllStandardError());
        return false;
    }
    m_server = QString::fromLocal8Bit(helper.readAllStandardOutput()).trimmed();
    pointCupsAt(m_server);
    return true;
}

void CupsTestServer::stop()
{
    if (!m_dir)
        return;
    QProcess::execute(helperPath(), {QStringLiteral("stop"), m_dir->path()});
    pointCupsAt(QString());
    m_server.clear();
    m_dir.reset();
}

QString CupsTestServer::captureDir() const
{
    return m_dir ? m_dir->filePath(QStringLiteral("capture")) : QString();
}

QString CupsTestServer::run(const QString &program, const QStringList &arguments, bool *ok) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CUPS_SERVER"), m_server);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(30000);
    const bool success = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (ok)
        *ok = success;
    return success ? QString::fromLocal8Bit(process.readAllStandardOutput()) : QString();
}

QStringList CupsTestServer::waitForJobs(int count, int seconds) const
{
    QElapsedTimer timer;
    timer.start();
    QStringList jobs;
    while (true) {
        jobs.clear();
        for (const QString &name : QDir(captureDir()).entryList({QStringLiteral("job-*.copies")}, QDir::Files, QDir::Name))
            jobs << name.section(QLatin1Char('.'), 0, 0);
        if (jobs.size() >= count || timer.elapsed() > seconds * 1000)
            return jobs;
        QThread::msleep(100);
    }
}

void CupsSuite::startServer(const QString &queue)
{
    s_skip = CupsTestServer::unavailableReason();
    if (!s_skip.isEmpty())
        return;
    s_server = new CupsTestServer;
    if (!s_server->start(queue, &s_error)) {
        delete s_server;
        s_server = nullptr;
    }
}

void CupsSuite::stopServer()
{
    if (s_server)
        s_server->stop();
    delete s_server;
    s_server = nullptr;
}

void CupsSuite::SetUp()
{
    if (!s_skip.isEmpty())
        GTEST_SKIP() << s_skip.toStdString();
    ASSERT_NE(s_server, nullptr) << "the private cupsd did not start: " << s_error.toStdString();
}
