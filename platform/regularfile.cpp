#include "platform/regularfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RegularFileBytes readRegularFile(const QString &path, qint64 maxBytes)
{
    using Problem = RegularFileBytes::Problem;
    RegularFileBytes result;
    const auto refuse = [&result](Problem problem, const QString &reason = QString()) {
        result.problem = problem;
        result.reason = reason;
        return result;
    };
    const QFileInfo info(path);
    if (!info.exists())
        return refuse(Problem::Missing, qt_error_string(ENOENT));
    if (info.isDir())
        return refuse(Problem::Folder);
    if (!info.isFile())
        return refuse(Problem::NotRegular);
    if (info.size() > maxBytes)
        return refuse(Problem::TooLarge);

    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return refuse(Problem::CannotOpen, qt_error_string(errno));
    struct stat status {};
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
