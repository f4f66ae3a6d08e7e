#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// The print server's own answers about its queues, asked through libcups: the server that
// CUPS_SERVER or the CUPS client set-up names, from the calling thread. Only devices/ talks
// to CUPS; Qt's print plugin asks the same server for the list of printers.

// What the server says about one queue.
struct QueueState
{
    enum class Kind {
        Accepting,      // takes new jobs
        NotAccepting,   // there, but set to refuse new jobs
        Missing,        // the server knows no such queue
        Unreachable,    // no answer from the server at all
    };
    Kind kind = Kind::Unreachable;
    // The server's words: why the queue refuses jobs (its state message or reasons; may be
    // empty), why it is missing, or why the server cannot be reached.
    QString reason;
    // The most copies of a page the queue takes in one job (copies-supported); 0 when the
    // server does not say.
    int maxCopies = 0;
};

// Asks the server about `queue` (a CUPS queue name; an instance suffix "/name" is ignored).
QueueState queueState(const QString &queue);

// A job handed to the server: its id (> 0) once the server has accepted it, else the
// server's reason for refusing it.
struct SentJob
{
    int id = 0;
    QString error;
};

// Job options as CUPS names them: ("copies", "3"), ("sides", "two-sided-long-edge").
using JobOptions = QList<std::pair<QByteArray, QByteArray>>;

// Sends the PDF file at `path` to `queue` as one job called `title`.
SentJob sendPdfJob(const QString &queue, const QString &path, const QString &title, const JobOptions &options);

// The queues that are there but refuse new jobs now; empty when the server cannot be reached.
QStringList queuesNotAcceptingJobs();

// Why the print server cannot be reached ("the print service at /run/cups/cups.sock does not
// answer (No such file or directory)"), or nullopt when it answers.
std::optional<QString> printServerProblem();
