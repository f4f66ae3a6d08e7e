#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a file that is read whole (a control file, a picture, an iCalendar file), or
// why it was not read. Each reader words the problem in its own terms.
struct RegularFileBytes
{
    enum class Problem {
        None,
        Missing,      // no such file, or a symbolic link to none
        LinkLoop,     // symbolic links that lead round in a circle, or too many of them
        Folder,       // a folder, not a file
        NotRegular,   // a device, FIFO or socket
        TooLarge,     // more than the reader's limit
        CannotOpen,   // the system's reason in `reason`
        CannotRead,   // the system's reason in `reason`
    };
    Problem problem = Problem::None;
    QString reason;   // the system's own words where it gave any ("Too many levels of symbolic links")
    QByteArray bytes;

    bool ok() const { return problem == Problem::None; }
};

// Reads the regular file at `path` if it holds at most `maxBytes` bytes. Anything else is
// refused without being read: a device never ends and opening a FIFO waits for a writer. The
// file is opened without blocking and checked again once open, so that nothing put in its
// place after the first look is read either, and one byte more than allowed is asked for, so
// that a file that grew since is refused too.
RegularFileBytes readRegularFile(const QString &path, qint64 maxBytes);
