#include "app/windowfetcher.h"

#include "dialogs/subscribedialog.h"
#include "sources/caldav.h"
#include "sources/calendaraddress.h"

#include <QApplication>
#include <QMainWindow>
#include <QProgressDialog>
#include <QThread>

namespace {

struct WindowNetworkWords
{
    Q_DECLARE_TR_FUNCTIONS(WindowNetwork)
};

QString serverOf(const QUrl &url)
{
    return url.port() < 0 ? url.host() : QStringLiteral("%1:%2").arg(url.host()).arg(url.port());
}

bool onMainThread()
{
    return QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
}

} // namespace

WindowCredentials::WindowCredentials(Ask ask, std::function<void(const QString &)> tell, LoginStore store)
    : m_ask(std::move(ask)), m_tell(std::move(tell)), m_store(std::move(store))
{
}

std::optional<Credentials> WindowCredentials::credentialsFor(const QUrl &asked, const QUrl &)
{
    const QString server = serverOf(asked);
    // A CalDAV fetch asks at each of its requests: one answer serves the run.
    if (const auto given = m_given.constFind(server); given != m_given.cend())
        return *given;
    const bool refusedBefore = m_refused.contains(server);
    QString note;
    if (!refusedBefore) {
        const KeychainRead kept = m_store.read ? m_store.read(asked) : KeychainRead{};
        if (kept.credentials) {
            m_given.insert(server, *kept.credentials);
            return kept.credentials;
        }
        if (!kept.problem.isEmpty())
            note = WindowNetworkWords::tr("The secret store could not be read: %1").arg(kept.problem);
    } else {
        note = WindowNetworkWords::tr("The server refused the user name and password it was given.");
    }
    if (!m_ask || !onMainThread())
        return std::nullopt;
    std::optional<TypedLogin> typed = m_ask(server, note);
    if (!typed)
        return std::nullopt;
    typed->credentials.origin = WindowNetworkWords::tr("the Log In dialog");
    m_refused.remove(server);
    m_given.insert(server, typed->credentials);
    if (typed->remember && m_store.store) {
        Credentials kept = typed->credentials;
        kept.origin.clear();
        if (const std::optional<QString> problem = m_store.store(asked, kept); problem && m_tell)
            m_tell(WindowNetworkWords::tr("The login for %1 could not be kept in the secret store: %2").arg(server, *problem));
    }
    return typed->credentials;
}

void WindowCredentials::refused(const QUrl &asked)
{
    const QString server = serverOf(asked);
    m_given.remove(server);
    m_refused.insert(server);
}

// Holds back the timer events of the window's form and preview while a fetch runs.
class FetchProgress::Hold : public QObject
{
public:
    Hold(QWidget *window, const QString &address)
    {
        auto *main = qobject_cast<QMainWindow *>(window);
        m_held = main ? main->centralWidget() : nullptr;
        QCoreApplication::instance()->installEventFilter(this);
        m_dialog = new QProgressDialog(window);
        m_dialog->setObjectName(QStringLiteral("FetchProgress"));
        m_dialog->setWindowTitle(WindowNetworkWords::tr("Fetching"));
        m_dialog->setLabelText(WindowNetworkWords::tr("Fetching %1...").arg(address));
        m_dialog->setAccessibleName(m_dialog->labelText());
        // The fetch cannot be stopped half-way; it ends by itself at its timeout.
        m_dialog->setCancelButton(nullptr);
        m_dialog->setRange(0, 0);
        m_dialog->setMinimumDuration(0);
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->show();
    }
    ~Hold() override
    {
        QCoreApplication::instance()->removeEventFilter(this);
        delete m_dialog.data();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Timer || !m_held)
            return false;
        // A held single-shot timer fires again after its interval, when the fetch is over.
        for (QObject *o = watched; o; o = o->parent()) {
            if (o == m_held)
                return true;
        }
        return false;
    }

private:
    QPointer<QWidget> m_held;
    QPointer<QProgressDialog> m_dialog;
};

FetchProgress::FetchProgress(QWidget *window, const QString &address)
{
    if (window && onMainThread() && qobject_cast<QApplication *>(QCoreApplication::instance()))
        m_hold = std::make_unique<Hold>(window, address);
}

FetchProgress::~FetchProgress() = default;

WindowNetwork::WindowNetwork(NetworkOptions options, CredentialSource &credentials, std::function<QWidget *()> window)
    : m_options(std::move(options)), m_credentials(credentials), m_window(std::move(window)), m_fetcher(m_options, &credentials)
{
}

FetchedCalendar WindowNetwork::fetch(const QString &address, std::chrono::sys_days from, std::chrono::sys_days to)
{
    const FetchProgress progress(m_window ? m_window() : nullptr, parseCalendarAddress(address).shown);
    return m_fetcher.fetch(address, from, to);
}

SubscribeOffers WindowNetwork::discover(const QString &address)
{
    SubscribeOffers offers;
    const CalendarAddress server = parseCalendarAddress(address);
    if (!server.problem.isEmpty()) {
        offers.problem = server.problem;
        return offers;
    }
    const FetchProgress progress(m_window ? m_window() : nullptr, server.shown);
    HttpSession session(m_options, &m_credentials);
    const CalendarDiscovery found = discoverCalendars(session, server.url);
    offers.problem = found.problem;
    for (const OfferedCalendar &calendar : found.calendars)
        offers.calendars.append({calendar.address, calendar.name});
    return offers;
}

QString WindowCredentials::lookedIn() const
{
    // The window asks the secret store, then the user; a cancelled Log In dialog ends here.
    return WindowNetworkWords::tr("the secret store or the Log In dialog");
}
