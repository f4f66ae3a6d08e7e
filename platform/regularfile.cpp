#include "platform/regularfile.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What a failed stat() or open() means to the reader. A name that leads nowhere is missing;
// a loop of symbolic links is told apart, as QFileInfo would call it missing too, which
// sends the user looking for a file that is there.
RegularFileBytes::Problem problemOfErrno(int error)
{
    using Problem = RegularFileBytes::Problem;
    switch (error) {
    case ENOENT:
    case ENOTDIR: return Problem::Missing;
    case ELOOP: return Problem::LinkLoop;
    default: return Problem::CannotOpen;
    }
}

} // namespace

RegularFileBytes readRegularFile(const QString &path, qint64 maxBytes)
{
    using Problem = RegularFileBytes::Problem;
    RegularFileBytes result;
    const auto refuse = [&result](Problem problem, const QString &reason = QString()) {
        result.problem = problem;
        result.reason = reason;
        return result;
    };
    const auto refuseErrno = [&refuse](int error) { return refuse(problemOfErrno(error), qt_error_string(error)); };
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (name.isEmpty())
        return refuse(Problem::Missing, qt_error_string(ENOENT));
    if (::stat(name.constData(), &status) != 0)
        return refuseErrno(errno);
    if (S_ISDIR(status.st_mode))
        return refuse(Problem::Folder);
    if (!S_ISREG(status.st_mode))
        return refuse(Problem::NotRegular);
    if (status.st_size > maxBytes)
        return refuse(Problem::TooLarge);

    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return refuseErrno(errno);
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return refuse(Problem::NotRegular);
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return refuse(Problem::CannotOpen, file.errorString());
    }
    // As much as the file held when it was opened, and one byte more: only a file that grew
    // since gives it, and then the rest up to the limit is read to see whether it is too large.
    QByteArray bytes = file.read(qMin<qint64>(status.st_size, maxBytes) + 1);
    if (file.error() == QFileDevice::NoError && bytes.size() > status.st_size && bytes.size() <= maxBytes)
        bytes += file.read(maxBytes + 1 - bytes.size());
    if (file.error() != QFileDevice::NoError)
        return refuse(Problem::CannotRead, file.errorString());
    if (bytes.size() > maxBytes)
        return refuse(Problem::TooLarge);
    result.bytes = std::move(bytes);
    return result;
}
