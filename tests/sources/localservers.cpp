#include "localservers.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace {

// Tries at connecting while a server starts: 100 of 100 ms, ten seconds in all.
constexpr int StartTries = 100;

} // namespace

int freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

QString programPath(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

QString ServerProcess::start(const QString &program, const QStringList &arguments, int port)
{
    stop();
    m_port = port;
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->start(program, arguments);
    if (!m_process->waitForStarted(5000))
        return QStringLiteral("%1 did not start: %2").arg(program, m_process->errorString());
    for (int i = 0; i < StartTries; ++i) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, quint16(port));
        if (socket.waitForConnected(100))
            return {};
        if (m_process->state() != QProcess::Running)
            return QStringLiteral("%1 ended: %2").arg(program, QString::fromLocal8Bit(m_process->readAll()));
        QThread::msleep(100);
    }
    return QStringLiteral("%1 does not listen on port %2: %3").arg(program).arg(port).arg(QString::fromLocal8Bit(m_process->readAll()));
}

void ServerProcess::stop()
{
    if (!m_process)
        return;
    m_process->terminate();
    if (!m_process->waitForFinished(3000)) {
        m_process->kill();
        m_process->waitForFinished(3000);
    }
    m_process.reset();
}

QString makeCertificate(const QString &folder, QString *certificate, QString *key)
{
    *certificate = folder + QLatin1String("/cert.pem");
    *key = folder + QLatin1String("/key.pem");
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                   QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-keyout"), *key, QStringLiteral("-out"), *certificate, QStringLiteral("-days"), QStringLiteral("2"),
                   QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=IP:127.0.0.1")});
    if (!openssl.waitForFinished(20000) || openssl.exitCode() != 0)
        return QStringLiteral("openssl could not make a certificate: %1").arg(QString::fromLocal8Bit(openssl.readAll()));
    return {};
}

int davRequest(const QUrl &url, const QByteArray &verb, const QByteArray &body, const QString &user, const QString &password,
               QByteArray *answer)
{
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setTransferTimeout(10000);
    request.setRawHeader("Authorization", "Basic " + (user + QLatin1Char(':') + password).toUtf8().toBase64());
    request.setRawHeader("Content-Type", verb == "PUT" ? "text/calendar; charset=utf-8" : "application/xml; charset=utf-8");
    QNetworkReply *reply = manager.sendCustomRequest(request, verb, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    if (answer)
        *answer = reply->readAll();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    delete reply;
    return status;
}
