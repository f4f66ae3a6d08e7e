#include "sources/keychain.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>

#include <qt6keychain/keychain.h>

namespace {

const QString Service = QStringLiteral("Lunaria");

QString keyOf(const QUrl &server)
{
    return server.port() < 0 ? server.host() : QStringLiteral("%1:%2").arg(server.host()).arg(server.port());
}

// Runs `job` to its end in an event loop of its own; the job is deleted by its owner.
void finish(QKeychain::Job &job)
{
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

KeychainRead readKeychainCredentials(const QUrl &server)
{
    KeychainRead read;
    QKeychain::ReadPasswordJob job(Service);
    job.setKey(keyOf(server));
    finish(job);
    if (job.error() == QKeychain::EntryNotFound)
        return read;
    if (job.error() != QKeychain::NoError) {
        read.problem = job.errorString();
        return read;
    }
    const QJsonObject entry = QJsonDocument::fromJson(job.binaryData()).object();
    read.credentials = Credentials{entry.value(QLatin1String("user")).toString(), entry.value(QLatin1String("password")).toString(),
                                   QCoreApplication::translate("Keychain", "the secret store")};
    return read;
}

std::optional<QString> storeKeychainCredentials(const QUrl &server, const Credentials &credentials)
{
    QKeychain::WritePasswordJob job(Service);
    job.setKey(keyOf(server));
    QJsonObject entry;
    entry.insert(QLatin1String("user"), credentials.user);
    entry.insert(QLatin1String("password"), credentials.password);
    job.setBinaryData(QJsonDocument(entry).toJson(QJsonDocument::Compact));
    finish(job);
    if (job.error() != QKeychain::NoError)
        return job.errorString();
    return std::nullopt;
}

std::optional<QString> forgetKeychainCredentials(const QUrl &server)
{
    QKeychain::DeletePasswordJob job(Service);
    job.setKey(keyOf(server));
    finish(job);
    if (job.error() != QKeychain::NoError && job.error() != QKeychain::EntryNotFound)
        return job.errorString();
    return std::nullopt;
}

std::optional<Credentials> KeychainCredentials::credentialsFor(const QUrl &asked, const QUrl &)
{
    return readKeychainCredentials(asked).credentials;
}
