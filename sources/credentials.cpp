#include "sources/credentials.h"

#include <QCoreApplication>

#include "platform/regularfile.h"

#include <QDir>
#include <QList>

namespace {

// A .netrc larger than this is not a list of a few servers.
constexpr qint64 MaxNetrcBytes = 1024 * 1024;

} // namespace

std::optional<Credentials> netrcCredentials(const QByteArray &netrc, const QString &host, const QString &user)
{
    const QList<QByteArray> tokens = netrc.simplified().split(' ');
    std::optional<Credentials> fallback;
    bool inMachine = false;
    bool isDefault = false;
    bool matches = false;
    Credentials entry;
    const auto finish = [&]() -> std::optional<Credentials> {
        if (!inMachine || (!user.isEmpty() && entry.user != user))
            return std::nullopt;
        if (matches)
            return entry;
        if (isDefault && !fallback)
            fallback = entry;
        return std::nullopt;
    };
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QByteArray &token = tokens[i];
        const QString next = i + 1 < tokens.size() ? QString::fromUtf8(tokens[i + 1]) : QString();
        if (token == "machine" || token == "default") {
            if (std::optional<Credentials> found = finish())
                return found;
            inMachine = true;
            isDefault = token == "default";
            matches = !isDefault && next.compare(host, Qt::CaseInsensitive) == 0;
            entry = {};
            entry.origin = QStringLiteral("~/.netrc");
            if (!isDefault)
                ++i;
        } else if (token == "login" && inMachine) {
            entry.user = next;
            ++i;
        } else if (token == "password" && inMachine) {
            entry.password = next;
            ++i;
        } else if (token == "account") {
            ++i;
        } else if (token == "macdef") {
            // A macro runs to an empty line, which simplified() has lost; its words cannot be
            // told from entries, so the rest of the file is not read.
            break;
        }
    }
    if (std::optional<Credentials> found = finish())
        return found;
    return fallback;
}

CommandLineCredentials::CommandLineCredentials(QString netrcPath, QString user, QString password)
    : m_netrcPath(std::move(netrcPath)), m_user(std::move(user)), m_password(std::move(password))
{
}

CommandLineCredentials CommandLineCredentials::fromEnvironment()
{
    return CommandLineCredentials(QDir::home().filePath(QStringLiteral(".netrc")),
                                  qEnvironmentVariable("LUNARIA_CALENDAR_USER"),
                                  qEnvironmentVariable("LUNARIA_CALENDAR_PASSWORD"));
}

std::optional<Credentials> CommandLineCredentials::credentialsFor(const QUrl &asked, const QUrl &written)
{
    const bool sameServer = asked.host().compare(written.host(), Qt::CaseInsensitive) == 0 && asked.port() == written.port();
    if (!m_password.isEmpty() && sameServer) {
        const QString user = m_user.isEmpty() ? written.userName() : m_user;
        return Credentials{user, m_password, QStringLiteral("LUNARIA_CALENDAR_PASSWORD")};
    }
    if (m_netrcPath.isEmpty())
        return std::nullopt;
    const RegularFileBytes file = readRegularFile(m_netrcPath, MaxNetrcBytes);
    if (file.problem != RegularFileBytes::Problem::None)
        return std::nullopt;
    return netrcCredentials(file.bytes, asked.host(), sameServer ? written.userName() : QString());
}

QString CredentialSource::lookedIn() const
{
    return QCoreApplication::translate("NetworkFetcher", "~/.netrc or LUNARIA_CALENDAR_PASSWORD");
}
