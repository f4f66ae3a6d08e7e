#include "print/icsexport.h"

#include "layout/markexport.h"
#include "platform/savefile.h"
#include "platform/usererror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimeZone>

namespace {

// Why the marked days cannot be exported, in the user's language.
struct IcsExportWords
{
    Q_DECLARE_TR_FUNCTIONS(IcsExport)
};

} // namespace

void writeMarkedDaysFile(const CalendarState &state, const QString &path)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    const QByteArray bytes = markedDaysAsIcs(state, QDateTime::currentDateTimeUtc());
    if (const std::optional<QString> problem = writeFileAtomically(target, bytes))
        throw UserError(IcsExportWords::tr("The iCalendar file \"%1\" cannot be written (%2) . . .")
                            .arg(QDir::toNativeSeparators(target), *problem));
}
