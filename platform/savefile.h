#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <optional>

// A file the user owns (a date-list, a page, a control file, an export), replaced whole or
// not at all. open() makes a temporary file beside the target, write() checks every byte
// and flushes it, commit() puts it in place. On any failure, and when destroyed uncommitted,
// the temporary file goes at once and the previous file stays byte for byte. Failures are
// reasons in the system's words ("No space left on device"), for the caller to name the file.
//
// A symbolic link is written through: the file at the end of the link (or chain of links)
// is replaced and the link stays a link. A target that exists and is not a regular file (a
// folder, a device, a FIFO, a socket), itself or through links, is refused and left alone.
class SaveFile
{
public:
    // `path` relative to the current folder, or absolute. Nothing is touched yet.
    explicit SaveFile(const QString &path);
    ~SaveFile();
    Q_DISABLE_COPY_MOVE(SaveFile)

    // The path as given, made absolute.
    QString path() const { return m_path; }

    // Makes the temporary file. Reasons: the target is refused (see above), its folder does not
    // exist ("the folder does not exist"), or the system's reason.
    std::optional<QString> open();
    // Appends `bytes` to the temporary file and flushes them to the system, so that a full
    // disk shows here. After a failure the temporary file is gone and every later call fails.
    std::optional<QString> write(const QByteArray &bytes);
    // Syncs the temporary file to the disk and renames it over the target.
    std::optional<QString> commit();
    // Drops the temporary file; the target stays as it was.
    void cancel();

private:
    std::optional<QString> fail(const QString &reason);

    QString m_path;
    QString m_target;
    QSaveFile m_file;
    std::optional<QString> m_failure;   // the first failure, repeated by every later call
};

// Replaces the file at `path` (through links, as SaveFile) with `bytes`, or leaves it as it
// was. Returns the reason on failure.
std::optional<QString> writeFileAtomically(const QString &path, const QByteArray &bytes);
