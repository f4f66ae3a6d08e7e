#include "devices/cupsqueue.h"

#include "devices/cupslibrary.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <iterator>
#include <memory>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// What the print server's failures are called, in the user's language.
struct CupsWords
{
    Q_DECLARE_TR_FUNCTIONS(Devices)
};

const CupsLibrary &cups()
{
    return cupsLibrary();
}

// Why nothing can be asked of the print server because libcups is not there, else nullopt.
std::optional<QString> libraryProblem()
{
    if (cups().error.isEmpty())
        return std::nullopt;
    return cups().error;
}

struct IppDeleter
{
    void operator()(ipp_t *ipp) const { cups().ippDelete(ipp); }
};
using IppMessage = std::unique_ptr<ipp_t, IppDeleter>;

// How long to wait for a print server that does not answer, in milliseconds.
constexpr int ConnectTimeoutMs = 5000;

// A queue as CUPS takes it: Qt names an instance "queue/instance", and jobs go to the queue.
QByteArray queueName(const QString &queue)
{
    return queue.section(QLatin1Char('/'), 0, 0).toUtf8();
}

QByteArray printerUri(const QByteArray &name)
{
    char uri[HTTP_MAX_URI];
    const QByteArray resource = QByteArray("/printers/") + name;
    cups().httpAssembleURI(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", cups().ippPort(),
                           resource.constData());
    return QByteArray(uri);
}

bool lastRequestFailed()
{
    return cups().cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE;
}

QString lastErrorText()
{
    return QString::fromUtf8(cups().cupsLastErrorString());
}

// libcups reports a local socket that is not there as a closed file descriptor; ask the
// system directly for the real reason.
QString localSocketError(const QByteArray &path)
{
    sockaddr_un address{};
    if (size_t(path.size()) >= sizeof address.sun_path)
        return CupsWords::tr("the socket path is too long");
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int socketFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socketFd < 0)
        return qt_error_string(errno);
    const int result = ::connect(socketFd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    const int error = errno;
    ::close(socketFd);
    return result == 0 ? CupsWords::tr("it closed the connection") : qt_error_string(error);
}

// The text of a queue's reason for refusing jobs: its state message, else its state reasons.
QString refusalReason(ipp_t *response)
{
    if (ipp_attribute_t *message = cups().ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT)) {
        const QString text = QString::fromUtf8(cups().ippGetString(message, 0, nullptr)).trimmed();
        if (!text.isEmpty())
            return text;
    }
    QStringList reasons;
    if (ipp_attribute_t *keywords = cups().ippFindAttribute(response, "printer-state-reasons", IPP_TAG_KEYWORD))
        for (int i = 0; i < cups().ippGetCount(keywords); ++i)
            if (const char *reason = cups().ippGetString(keywords, i, nullptr); reason && std::strcmp(reason, "none") != 0)
                reasons << QString::fromUtf8(reason);
    return reasons.join(QLatin1String(", "));
}

} // namespace

std::optional<QString> printServerProblem()
{
    if (std::optional<QString> problem = libraryProblem())
        return problem;
    const char *server = cups().cupsServer();
    if (http_t *http = cups().httpConnect2(server, cups().ippPort(), nullptr, AF_UNSPEC, cups().cupsEncryption(), 1, ConnectTimeoutMs, nullptr)) {
        cups().httpClose(http);
        return std::nullopt;
    }
    const QByteArray name(server);
    const QString detail = name.startsWith('/') ? localSocketError(name) : lastErrorText();
    return CupsWords::tr("the print service (CUPS) at %1 does not answer (%2)").arg(QString::fromLocal8Bit(name), detail);
}

QueueState queueState(const QString &queue)
{
    QueueState state;
    if (std::optional<QString> problem = libraryProblem()) {
        state.reason = *problem;
        return state;
    }
    ipp_t *request = cups().ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(queueName(queue)).constData());
    static const char *const wanted[] = {"printer-is-accepting-jobs", "printer-state-message", "printer-state-reasons",
                                         "copies-supported"};
    cups().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(std::size(wanted)), nullptr, wanted);
    // cupsDoRequest frees the request.
    const IppMessage response(cups().cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));

    if (cups().cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND) {
        state.kind = QueueState::Kind::Missing;
        state.reason = lastErrorText();
        return state;
    }
    if (!response || lastRequestFailed()) {
        const QString serverError = lastErrorText();
        if (const std::optional<QString> problem = printServerProblem()) {
            state.kind = QueueState::Kind::Unreachable;
            state.reason = *problem;
        } else {
            // The server answers but will not say: it will not take a job either.
            state.kind = QueueState::Kind::NotAccepting;
            state.reason = serverError;
        }
        return state;
    }

    ipp_attribute_t *accepting = cups().ippFindAttribute(response.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    state.kind = !accepting || cups().ippGetBoolean(accepting, 0) ? QueueState::Kind::Accepting : QueueState::Kind::NotAccepting;
    if (state.kind == QueueState::Kind::NotAccepting)
        state.reason = refusalReason(response.get());
    if (ipp_attribute_t *copies = cups().ippFindAttribute(response.get(), "copies-supported", IPP_TAG_RANGE)) {
        int upper = 0;
        cups().ippGetRange(copies, 0, &upper);
        state.maxCopies = upper;
    }
    return state;
}

SentJob sendPdfJob(const QString &queue, const QString &path, const QString &title, const JobOptions &options)
{
    if (std::optional<QString> problem = libraryProblem())
        return SentJob{0, *problem};
    const QByteArray name = queueName(queue);
    ipp_t *request = cups().ippNewRequest(IPP_OP_PRINT_JOB);
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri(name).constData());
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cups().cupsUser());
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, title.toUtf8().constData());
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr, CUPS_FORMAT_PDF);
    cups_option_t *cupsOptions = nullptr;
    int count = 0;
    for (const auto &[option, value] : options)
        count = cups().cupsAddOption(option.constData(), value.constData(), count, &cupsOptions);
    cups().cupsEncodeOptions2(request, count, cupsOptions, IPP_TAG_OPERATION);
    cups().cupsEncodeOptions2(request, count, cupsOptions, IPP_TAG_JOB);
    cups().cupsFreeOptions(count, cupsOptions);

    const QByteArray resource = QByteArray("/printers/") + name;
    const IppMessage response(cups().cupsDoFileRequest(CUPS_HTTP_DEFAULT, request, resource.constData(), QFile::encodeName(path).constData()));

    SentJob sent;
    if (!response || lastRequestFailed()) {
        const QString serverError = lastErrorText();
        sent.error = printServerProblem().value_or(serverError);
        return sent;
    }
    if (ipp_attribute_t *id = cups().ippFindAttribute(response.get(), "job-id", IPP_TAG_INTEGER))
        sent.id = cups().ippGetInteger(id, 0);
    if (sent.id <= 0)
        sent.error = CupsWords::tr("the print server did not say which job it made of the page");
    return sent;
}

QStringList queuesNotAcceptingJobs()
{
    if (libraryProblem())
        return {};
    ipp_t *request = cups().ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    static const char *const wanted[] = {"printer-name", "printer-is-accepting-jobs"};
    cups().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(std::size(wanted)), nullptr, wanted);
    const IppMessage response(cups().cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    QStringList refusing;
    if (!response || lastRequestFailed())
        return refusing;
    // One group of attributes per queue; a nameless separator ends each group.
    QString name;
    bool accepting = true;
    const auto endOfQueue = [&] {
        if (!name.isEmpty() && !accepting)
            refusing << name;
        name.clear();
        accepting = true;
    };
    for (ipp_attribute_t *attribute = cups().ippFirstAttribute(response.get()); attribute;
         attribute = cups().ippNextAttribute(response.get())) {
        const char *attributeName = cups().ippGetName(attribute);
        if (!attributeName) {
            endOfQueue();
            continue;
        }
        if (cups().ippGetGroupTag(attribute) != IPP_TAG_PRINTER)
            continue;
        if (std::strcmp(attributeName, "printer-name") == 0)
            name = QString::fromUtf8(cups().ippGetString(attribute, 0, nullptr));
        else if (std::strcmp(attributeName, "printer-is-accepting-jobs") == 0)
            accepting = cups().ippGetBoolean(attribute, 0);
    }
    endOfQueue();
    return refusing;
}
