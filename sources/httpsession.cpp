#include "sources/httpsession.h"

#include "calendar/ical/icalendar.h"
#include "sources/credentials.h"
#include "sources/fetchcache.h"

#include <QAuthenticator>
#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslError>
#include <QTimer>

namespace {

struct SessionWords
{
    Q_DECLARE_TR_FUNCTIONS(NetworkFetcher)
};

QString sslErrorsText(const QList<QSslError> &errors)
{
    QStringList reasons;
    for (const QSslError &error : errors) {
        if (!reasons.contains(error.errorString()))
            reasons << error.errorString();
    }
    return reasons.join(QLatin1String("; "));
}

} // namespace

NetworkOptions NetworkOptions::fromEnvironment()
{
    NetworkOptions options;
    options.caFile = qEnvironmentVariable("LUNARIA_CA_FILE");
    options.cacheFolder = FetchCache::defaultFolder();
    return options;
}

HttpSession::HttpSession(const NetworkOptions &options, CredentialSource *credentials)
    : m_options(options), m_credentials(credentials)
{
}

HttpAnswer HttpSession::send(const QUrl &url, const QUrl &written, const QByteArray &verb, const QByteArray &body,
                             const Headers &headers)
{
    HttpAnswer answer;
    QNetworkRequest request(url);
    request.setTransferTimeout(m_options.transferTimeoutMs);
    request.setMaximumRedirectsAllowed(m_options.maxRedirects);
    // Qt's "no less safe" policy is the rule: https leads to https only, http to either.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray("Lunaria/" LUNARIA_VERSION_STRING));
    for (const auto &[name, value] : headers)
        request.setRawHeader(name, value);
    if (!m_options.caFile.isEmpty()) {
        const QList<QSslCertificate> trusted = QSslCertificate::fromPath(m_options.caFile, QSsl::Pem);
        if (trusted.isEmpty()) {
            answer.failure = SessionWords::tr("LUNARIA_CA_FILE names %1, which holds no PEM certificate that can be read")
                                 .arg(m_options.caFile);
            return answer;
        }
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.addCaCertificates(trusted);
        request.setSslConfiguration(tls);
    }

    QNetworkAccessManager manager;
    int credentialRequests = 0;
    std::optional<Credentials> given;
    QUrl askedBy;
    QObject::connect(&manager, &QNetworkAccessManager::authenticationRequired, &manager,
                     [&](QNetworkReply *reply, QAuthenticator *authenticator) {
                         // Asked again means the ones given were refused: leave it unanswered,
                         // so the 401 comes through.
                         if (++credentialRequests > 1 || !m_credentials)
                             return;
                         askedBy = reply->url();
                         given = m_credentials->credentialsFor(askedBy, written);
                         if (given) {
                             authenticator->setUser(given->user);
                             authenticator->setPassword(given->password);
                         }
                     });
    QNetworkReply *reply = manager.sendCustomRequest(request, verb, body);
    QList<QSslError> sslErrors;
    bool tooLarge = false;
    bool tooSlow = false;
    QEventLoop loop;
    QTimer whole;
    whole.setSingleShot(true);
    const auto take = [&] {
        if (!reply->isOpen())
            return;
        answer.body += reply->read(MaxIcsFileBytes + 1 - answer.body.size());
        if (answer.body.size() > MaxIcsFileBytes || reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > MaxIcsFileBytes) {
            tooLarge = true;
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, take);
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, take);
    QObject::connect(reply, &QNetworkReply::sslErrors, &loop, [&](const QList<QSslError> &errors) { sslErrors = errors; });
    QObject::connect(&whole, &QTimer::timeout, &loop, [&] {
        tooSlow = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    whole.start(m_options.wholeAnswerMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!tooLarge && !tooSlow)
        take();

    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    answer.etag = reply->rawHeader("ETag");
    answer.lastModified = reply->rawHeader("Last-Modified");
    const QNetworkReply::NetworkError error = reply->error();
    const QString errorText = reply->errorString();
    reply->deleteLater();
    const double seconds = m_options.transferTimeoutMs / 1000.0;

    if (tooLarge) {
        answer.failure = SessionWords::tr("the answer is larger than %1 MiB, too large for an iCalendar file")
                             .arg(MaxIcsFileBytes / (1024 * 1024));
        answer.reachedServer = true;
    } else if (tooSlow) {
        answer.failure = SessionWords::tr("the whole answer did not come within %1 s (%L2 bytes came)")
                             .arg(m_options.wholeAnswerMs / 1000.0)
                             .arg(answer.body.size());
    } else if (answer.status == 401) {
        answer.reachedServer = true;
        if (given)
            m_credentials->refused(askedBy);
        answer.failure = given ? SessionWords::tr("the server refused the user name and password from %1 (401)").arg(given->origin)
                               : SessionWords::tr("the server asks for a user name and password, and none were found for %1 "
                                                  "in %2 (401)")
                                     .arg(url.host(), m_credentials ? m_credentials->lookedIn() : QCoreApplication::translate("NetworkFetcher", "~/.netrc or LUNARIA_CALENDAR_PASSWORD"));
    } else if (answer.status >= 400) {
        answer.reachedServer = true;
        const QString phrase = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        answer.failure = SessionWords::tr("the server answered %1 %2").arg(QString::number(answer.status), phrase).trimmed();
    } else if (error == QNetworkReply::NoError) {
        answer.ok = true;
        answer.reachedServer = true;
    } else if (error == QNetworkReply::SslHandshakeFailedError && !sslErrors.isEmpty()) {
        answer.failure = SessionWords::tr("the server's certificate is not trusted: %1. For a server with a certificate "
                                          "of its own, name a file holding it in LUNARIA_CA_FILE")
                             .arg(sslErrorsText(sslErrors));
    } else if (error == QNetworkReply::TooManyRedirectsError) {
        answer.failure = SessionWords::tr("the server redirected more than %1 times").arg(m_options.maxRedirects);
    } else if (error == QNetworkReply::InsecureRedirectError) {
        answer.failure = SessionWords::tr("the server redirected to an http:// address; an https:// address is only "
                                          "redirected to another https:// one");
    } else if (error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError) {
        answer.failure = SessionWords::tr("no answer for %1 s").arg(seconds);
    } else if (error == QNetworkReply::RemoteHostClosedError && answer.status != 0) {
        answer.failure = SessionWords::tr("the server closed the connection after %L1 bytes, before the whole answer came")
                             .arg(answer.body.size());
    } else {
        answer.failure = SessionWords::tr("server unreachable: %1").arg(errorText);
    }
    return answer;
}
