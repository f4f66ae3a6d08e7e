#include "print/datelistfile.h"

#include "platform/usererror.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString folderOf(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

UserError cannotWrite(const QString &path, const QString &reason)
{
    return UserError(QStringLiteral("The date-list file \"%1\" cannot be written in the folder \"%2\" (%3). "
                                    "Make the folder writable or choose another control file . . .")
                         .arg(QFileInfo(path).fileName(), folderOf(path), reason));
}

} // namespace

DateListFile::DateListFile(const QString &path)
    : m_path(QDir::current().absoluteFilePath(path))
    , m_file(m_path)
{
    // Never write the target directly: a failed job must leave the previous file intact.
    m_file.setDirectWriteFallback(false);
    const QFileInfo folder(QFileInfo(m_path).absolutePath());
    if (!folder.isDir())
        throw cannotWrite(m_path, QStringLiteral("the folder does not exist"));
    if (!m_file.open(QIODevice::WriteOnly))
        throw cannotWrite(m_path, m_file.errorString());
}

DateListFile::~DateListFile()
{
    // Not committed: the temporary file goes, the previous file stays.
    if (m_file.isOpen())
        m_file.cancelWriting();
}

void DateListFile::writeLine(const QString &line)
{
    QByteArray bytes = line.toUtf8();
    bytes.append("\r\n");
    if (m_file.write(bytes) != bytes.size())
        throw cannotWrite(m_path, m_file.errorString());
}

void DateListFile::commit()
{
    if (!m_file.commit())
        throw cannotWrite(m_path, m_file.errorString());
}
