#pragma once

#include "devices/outputdevices.h"
#include "platform/savefile.h"
#include "platform/usererror.h"

#include <QDir>

// A job whose page becomes a file the user owns (a PDF, a PNG): the page is written whole to
// a temporary file beside it by send(), and put in place by commit(). The temporary file
// belongs to this base, so it goes after everything a device draws with.
class FileJob : public OutputJob
{
public:
    QString destination() const override { return m_file.path(); }

    void commit() override
    {
        if (const std::optional<QString> problem = m_file.commit())
            throw cannotWrite(*problem);
    }

protected:
    // `cannotWriteMessage` is the message for a file that cannot be written, in the user's
    // language: %1 the file, %2 the reason.
    FileJob(const QString &path, QString cannotWriteMessage) : m_file(path), m_cannotWrite(std::move(cannotWriteMessage))
    {
        if (const std::optional<QString> problem = m_file.open())
            throw cannotWrite(*problem);
    }

    void writePage(const QByteArray &bytes)
    {
        if (const std::optional<QString> problem = m_file.write(bytes))
            throw cannotWrite(*problem);
    }

    UserError cannotWrite(const QString &reason) const
    {
        return UserError(QString(m_cannotWrite).arg(QDir::toNativeSeparators(m_file.path()), reason));
    }

private:
    SaveFile m_file;
    QString m_cannotWrite;
};
