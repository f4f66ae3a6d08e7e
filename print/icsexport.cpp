#include "print/icsexport.h"

#include "print/outputcheck.h"

#include "calendar/markexport.h"
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

void writeMarkedDaysFile(const CalendarState &state, const MarkSources &sources, const QString &path)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    if (const std::optional<QString> problem = overwritesInput(state, target))
        throw UserError(*problem);
    const MarkedDaysIcs exported = markedDaysAsIcs(state, sources, QDateTime::currentDateTimeUtc());
    if (!exported.problem.isEmpty())
        throw UserError(exported.problem);
    if (const std::optional<QString> problem = writeFileAtomically(target, exported.ics))
        throw UserError(IcsExportWords::tr("The iCalendar file \"%1\" cannot be written (%2) . . .")
                            .arg(QDir::toNativeSeparators(target), *problem));
}
