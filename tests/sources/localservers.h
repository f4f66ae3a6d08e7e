#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

// Servers the tests start on 127.0.0.1 and stop again: the fault server of tests/sources
// (plain or TLS) and Radicale. Nothing outside the test's own temporary folder is touched.

// A port on 127.0.0.1 nobody listens on just now.
int freePort();

// A program on PATH, or empty.
QString programPath(const QString &name);

class ServerProcess
{
public:
    ServerProcess() = default;
    ~ServerProcess() { stop(); }
    ServerProcess(const ServerProcess &) = delete;
    ServerProcess &operator=(const ServerProcess &) = delete;

    // Starts `program` and waits until `port` takes connections; the reason when it did not.
    QString start(const QString &program, const QStringList &arguments, int port);
    void stop();
    int port() const { return m_port; }

private:
    std::unique_ptr<QProcess> m_process;
    int m_port = 0;
};

// A certificate for 127.0.0.1 with its key, made by openssl in `folder`; the reason when not.
QString makeCertificate(const QString &folder, QString *certificate, QString *key);

// A request of the test's own to a server the test started (to set up calendars), with the
// password sent at once. Returns the HTTP status, 0 when none came.
int davRequest(const QUrl &url, const QByteArray &verb, const QByteArray &body, const QString &user, const QString &password,
               QByteArray *answer = nullptr);
