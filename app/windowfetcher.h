#pragma once

#include "calendar/ical/icsreader.h"
#include "sources/credentials.h"
#include "sources/httpsession.h"
#include "sources/keychain.h"
#include "sources/networkfetcher.h"

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QWidget;
struct SubscribeOffers;

// What the user typed when a server asked for a login.
struct TypedLogin
{
    Credentials credentials;
    bool remember = false;  // keep them in the secret store
};

// Where the window keeps and finds logins; tests hand in a store of their own.
struct LoginStore
{
    std::function<KeychainRead(const QUrl &server)> read = readKeychainCredentials;
    std::function<std::optional<QString>(const QUrl &server, const Credentials &)> store = storeKeychainCredentials;
};

// The window's credentials: those in the secret store for the server that asks, else what the
// user types when asked (`ask`, given the server and why it asks again; none is a cancel),
// kept for the run and, when the user says so, in the store. A server that refuses them is
// asked about again at its next request. Only the program's main thread asks the user.
class WindowCredentials : public CredentialSource
{
public:
    using Ask = std::function<std::optional<TypedLogin>(const QString &server, const QString &note)>;
    // `tell` shows why the store could not keep a login.
    WindowCredentials(Ask ask, std::function<void(const QString &)> tell, LoginStore store = {});

    std::optional<Credentials> credentialsFor(const QUrl &asked, const QUrl &written) override;
    void refused(const QUrl &asked) override;
    QString lookedIn() const override;

private:
    Ask m_ask;
    std::function<void(const QString &)> m_tell;
    LoginStore m_store;
    QHash<QString, Credentials> m_given;  // by host[:port], for the run
    QSet<QString> m_refused;              // hosts whose last login was refused
};

// While it lives, a modal "Fetching <address>..." over `window`, and the window's own form and
// preview hold still: their timers wait, so that the preview does not draw marks worked out
// half-way. The fetch's event loop goes on underneath.
class FetchProgress
{
public:
    FetchProgress(QWidget *window, const QString &address);
    ~FetchProgress();
    Q_DISABLE_COPY_MOVE(FetchProgress)

private:
    class Hold;
    std::unique_ptr<Hold> m_hold;
};

// The window's way to calendars on the network: the fetcher behind its IcsReader, with a
// progress indication over the window while a fetch runs, and the CalDAV discovery of the
// "Subscribe to Calendar" dialog through the same credentials.
class WindowNetwork : public CalendarFetcher
{
public:
    // `window` is where the progress and the login dialog show (none: nothing shows).
    WindowNetwork(NetworkOptions options, CredentialSource &credentials, std::function<QWidget *()> window);

    FetchedCalendar fetch(const QString &address, std::chrono::sys_days from, std::chrono::sys_days to) override;
    // The calendars the CalDAV server of the caldav+ `address` offers the user.
    SubscribeOffers discover(const QString &address);

private:
    NetworkOptions m_options;
    CredentialSource &m_credentials;
    std::function<QWidget *()> m_window;
    NetworkFetcher m_fetcher;
};
