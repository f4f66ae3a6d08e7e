#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>

struct Credentials
{
    QString user;
    QString password;
    QString origin;  // where they came from, for messages: "~/.netrc", "LUNARIA_CALENDAR_PASSWORD"
};

// Where the user name and password for a server come from. Asked only when the server answers
// 401, so nothing is sent to a server that does not ask.
class CredentialSource
{
public:
    CredentialSource() = default;
    virtual ~CredentialSource() = default;
    Q_DISABLE_COPY_MOVE(CredentialSource)

    // The credentials for `asked`, a server reached from the address `written` (redirects may
    // lead elsewhere), or none.
    virtual std::optional<Credentials> credentialsFor(const QUrl &asked, const QUrl &written) = 0;
    // The server `asked` refused the credentials credentialsFor gave for it (401 again).
    virtual void refused(const QUrl &asked) { Q_UNUSED(asked) }
    // Where credentials were looked for, for the message when there were none.
    virtual QString lookedIn() const;
};

// The entry of a .netrc file (curl's format: machine, login, password, default; macdef skipped)
// for `host`, and `user` when the address names one. The first matching machine wins, then
// default.
std::optional<Credentials> netrcCredentials(const QByteArray &netrc, const QString &host, const QString &user);

// The command line's credentials: LUNARIA_CALENDAR_USER and LUNARIA_CALENDAR_PASSWORD for the
// server of the written address only (never for another server a redirect leads to), else the
// .netrc file at `netrcPath` (normally ~/.netrc), read when asked.
class CommandLineCredentials : public CredentialSource
{
public:
    // `user` and `password` as the environment gives them (empty when unset).
    CommandLineCredentials(QString netrcPath, QString user, QString password);
    // From the environment and the home folder.
    static CommandLineCredentials fromEnvironment();

    std::optional<Credentials> credentialsFor(const QUrl &asked, const QUrl &written) override;

private:
    QString m_netrcPath;
    QString m_user;
    QString m_password;
};
