#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>
#include <utility>

class CredentialSource;

// How calendars are fetched; fromEnvironment() gives what the program uses.
struct NetworkOptions
{
    // A fetch that receives nothing for this long fails: 20 s (QNetworkRequest's transfer timeout).
    int transferTimeoutMs = 20'000;
    // A whole answer, however it trickles, must come within this: 2 minutes, time for 16 MiB at
    // about 1 Mbit/s.
    int wholeAnswerMs = 120'000;
    // Redirects followed before giving up.
    int maxRedirects = 5;
    // A file of PEM certificates trusted besides the system's, for a self-hosted server with a
    // certificate of its own (LUNARIA_CA_FILE). Nothing else about TLS can be relaxed.
    QString caFile;
    // Where fetched calendars are kept (FetchCache); empty keeps nothing.
    QString cacheFolder;

    // The defaults, LUNARIA_CA_FILE, and the user's cache folder.
    static NetworkOptions fromEnvironment();
};

// One answer of a server, or why there is none.
struct HttpAnswer
{
    bool ok = false;         // a status below 400 came with the whole body
    int status = 0;          // the HTTP status, 0 when none came
    QByteArray body;
    QByteArray contentType;
    QByteArray etag;
    QByteArray lastModified;
    QString failure;         // when !ok: what went wrong, without the address ("the server ...")
    bool reachedServer = false;  // an HTTP answer came (not unreachable, no TLS failure, no timeout)
};

// Sends requests and waits for their answers in the calling thread, which may be any thread:
// each request has its own QNetworkAccessManager and event loop. Answers are at most
// MaxIcsFileBytes. Credentials are asked for (CredentialSource) only when a server answers
// 401 and are never part of a failure's text.
class HttpSession
{
public:
    using Headers = QList<std::pair<QByteArray, QByteArray>>;

    // `credentials` may be null: then a 401 is a failure at once. Both must outlive the session.
    HttpSession(const NetworkOptions &options, CredentialSource *credentials);

    // `verb` (GET, PROPFIND, REPORT) to `url`, reached from the address `written` as the user
    // wrote it (whose server alone gets the credentials of the environment). Redirects go from
    // https to https only; from http, when `written` is http, to either.
    HttpAnswer send(const QUrl &url, const QUrl &written, const QByteArray &verb, const QByteArray &body = {},
                    const Headers &headers = {});

private:
    const NetworkOptions &m_options;
    CredentialSource *m_credentials;
};
