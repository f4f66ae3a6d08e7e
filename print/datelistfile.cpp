#include "print/datelistfile.h"

#include "platform/savefile.h"
#include "platform/usererror.h"

#include <QDir>
#include <QFileInfo>

namespace {

UserError cannotWrite(const QString &path, const QString &reason)
{
    return UserError(QStringLiteral("The date-list file \"%1\" cannot be written in the folder \"%2\" (%3). "
                                    "Make the folder writable or choose another control file . . .")
                         .arg(QFileInfo(path).fileName(), QDir::toNativeSeparators(QFileInfo(path).absolutePath()), reason));
}

} // namespace

DateListFile::DateListFile(const QString &path)
    : m_path(QDir::current().absoluteFilePath(path))
    , m_file(m_path)
{
    if (const std::optional<QString> problem = openSaveFile(m_file))
        throw cannotWrite(m_path, *problem);
}

DateListFile::~DateListFile()
{
    // Not committed: the temporary file goes, the previous file stays.
    if (m_file.isOpen())
        m_file.cancelWriting();
}

void DateListFile::writeLine(const QString &line)
{
    m_lines += line.toUtf8();
    m_lines += "\r\n";
}

void DateListFile::prepare()
{
    if (m_file.write(m_lines) != m_lines.size() || !m_file.flush())
        throw cannotWrite(m_path, m_file.errorString());
    m_lines.clear();
}

void DateListFile::commit()
{
    prepare();
    if (!m_file.commit())
        throw cannotWrite(m_path, m_file.errorString());
}
