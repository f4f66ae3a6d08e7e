#include "print/datelistfile.h"

#include "platform/usererror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Why the date-list file cannot be written, in the user's language.
struct DateListWords
{
    Q_DECLARE_TR_FUNCTIONS(DateListFile)
};

} // namespace

DateListFile::DateListFile(const QString &path)
    : m_file(path)
{
    if (const std::optional<QString> problem = m_file.open())
        throw UserError(DateListWords::tr("The date-list file \"%1\" cannot be written in the folder \"%2\" (%3). "
                                          "Make the folder writable or choose another control file . . .")
                            .arg(QFileInfo(m_file.path()).fileName(),
                                 QDir::toNativeSeparators(QFileInfo(m_file.path()).absolutePath()), *problem));
}

void DateListFile::writeLine(const QString &line)
{
    m_lines += line.toUtf8();
    m_lines += "\r\n";
}

void DateListFile::prepare()
{
    if (const std::optional<QString> problem = m_file.write(m_lines))
        throw cannotWrite(*problem);
    m_lines.clear();
}

void DateListFile::commit()
{
    prepare();
    if (const std::optional<QString> problem = m_file.commit())
        throw cannotWrite(*problem);
}

UserError DateListFile::cannotWrite(const QString &reason) const
{
    return UserError(DateListWords::tr("The date-list file \"%1\" cannot be written (%2); an earlier one is kept as it was . . .")
                         .arg(QDir::toNativeSeparators(m_file.path()), reason));
}
