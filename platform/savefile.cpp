#include "platform/savefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <sys/stat.h>

namespace {

// Why a file cannot be written, in the user's language.
struct SaveFileWords
{
    Q_DECLARE_TR_FUNCTIONS(SaveFile)
};

// The kernel gives up on a chain of links after this many (ELOOP); so do we.
constexpr int MaxLinks = 40;

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return SaveFileWords::tr("a folder");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return SaveFileWords::tr("a device");
    if (S_ISFIFO(mode))
        return SaveFileWords::tr("a FIFO (named pipe)");
    if (S_ISSOCK(mode))
        return SaveFileWords::tr("a socket");
    return SaveFileWords::tr("something else");
}

// The file's own reason, or the system's when Qt lost it on the way (it resets the text
// when the file is closed after a failed write, to what a fresh file says, in the user's
// language).
QString reasonOf(const QFileDevice &file, int savedErrno)
{
    const QString reason = file.errorString();
    if (!reason.isEmpty() && reason != QFile().errorString())
        return reason;
    return savedErrno != 0 ? qt_error_string(savedErrno) : SaveFileWords::tr("the system gave no reason");
}

// Why a file cannot be written at `path`: it is, or links to, something that is not a regular
// file ("/dev/sda is a device, not a regular file"), or its links go round in a circle.
// nullopt for a regular file, a link to one, or a name that does not exist yet. `target`
// receives the file a write would replace.
std::optional<QString> checkWriteTarget(const QString &path, QString *target)
{
    QString current = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    for (int links = 0; links <= MaxLinks; ++links) {
        struct stat info;
        if (::lstat(QFile::encodeName(current).constData(), &info) != 0) {
            // A new name (or an unreachable folder, which opening the file reports).
            if (target)
                *target = current;
            return std::nullopt;
        }
        if (S_ISLNK(info.st_mode)) {
            current = QDir::cleanPath(QFile::symLinkTarget(current));
            if (current.isEmpty())
                break;
            continue;
        }
        if (target)
            *target = current;
        if (S_ISREG(info.st_mode))
            return std::nullopt;
        return SaveFileWords::tr("%1 is %2, not a regular file").arg(QDir::toNativeSeparators(current), kindOf(info.st_mode));
    }
    return SaveFileWords::tr("%1 leads through too many symbolic links").arg(QDir::toNativeSeparators(path));
}

} // namespace

SaveFile::SaveFile(const QString &path)
    : m_path(QDir::cleanPath(QDir::current().absoluteFilePath(path)))
{
}

SaveFile::~SaveFile()
{
    cancel();
}

std::optional<QString> SaveFile::fail(const QString &reason)
{
    cancel();
    if (!m_failure)
        m_failure = reason;
    return m_failure;
}

void SaveFile::cancel()
{
    // A cancelled QSaveFile drops its temporary file at the next commit(), which then fails.
    if (m_file.isOpen()) {
        m_file.cancelWriting();
        m_file.commit();
    }
}

std::optional<QString> SaveFile::open()
{
    if (m_failure)
        return m_failure;
    Q_ASSERT(!m_file.isOpen());
    if (const std::optional<QString> problem = checkWriteTarget(m_path, &m_target))
        return fail(*problem);
    if (!QFileInfo(QFileInfo(m_target).absolutePath()).isDir())
        return fail(SaveFileWords::tr("the folder does not exist"));
    m_file.setFileName(m_target);
    // Never write the target itself: a failure part-way would leave half a file.
    m_file.setDirectWriteFallback(false);
    errno = 0;
    if (!m_file.open(QIODevice::WriteOnly))
        return fail(reasonOf(m_file, errno));
    return std::nullopt;
}

std::optional<QString> SaveFile::write(const QByteArray &bytes)
{
    if (m_failure)
        return m_failure;
    Q_ASSERT(m_file.isOpen());
    errno = 0;
    // QSaveFile buffers: a full disk shows at the flush, not at the write.
    if (m_file.write(bytes) != bytes.size() || !m_file.flush())
        return fail(reasonOf(m_file, errno));
    return std::nullopt;
}

std::optional<QString> SaveFile::commit()
{
    if (m_failure)
        return m_failure;
    Q_ASSERT(m_file.isOpen());
    errno = 0;
    if (!m_file.commit())
        return fail(reasonOf(m_file, errno));
    return std::nullopt;
}

std::optional<QString> writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    SaveFile file(path);
    if (std::optional<QString> problem = file.open())
        return problem;
    if (std::optional<QString> problem = file.write(bytes))
        return problem;
    return file.commit();
}
