#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A private CUPS scheduler for one test suite, started through scripts/cups-test-server in a
// temporary folder, with one raw queue whose jobs land in captureDir(). While it runs,
// CUPS_SERVER (and the CUPS library's cached server) point at it.
class CupsTestServer
{
public:
    // Why the server cannot run here (cupsd not installed, not root); empty when it can.
    static QString unavailableReason();

    // Starts the scheduler with queue `queue`. Returns false with `error` set on failure.
    bool start(const QString &queue, QString *error);
    // Stops it and points the CUPS library back at its default server.
    void stop();

    QString socketPath() const { return m_server; }
    QString captureDir() const;
    // Runs a CUPS command-line tool (lpadmin, lpstat) against this server; its stdout, or
    // an empty string and `ok` false when it fails.
    QString run(const QString &program, const QStringList &arguments, bool *ok = nullptr) const;
    // The job ids whose copies file has arrived in captureDir(), waiting up to `seconds`
    // for at least `count` of them.
    QStringList waitForJobs(int count, int seconds) const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_server;
};

// Points the CUPS library of this process (already loaded by Qt's print plugin) at
// `server`; an empty string restores its default.
void pointCupsAt(const QString &server);

// A test suite sharing one private scheduler, started for the suite with startServer() from
// SetUpTestSuite and stopped with stopServer(). Its tests skip where no scheduler can run.
class CupsSuite : public ::testing::Test
{
protected:
    static void startServer(const QString &queue);
    static void stopServer();
    // Skips the test, or fails it when the scheduler should have started and did not.
    void SetUp() override;

    static inline CupsTestServer *s_server = nullptr;
    static inline QString s_skip;
    static inline QString s_error;
};
