#include "print/icsexport.h"

#include "layout/markexport.h"
#include "platform/savefile.h"
#include "platform/usererror.h"

#include <QDir>
#include <QFileInfo>
#include <QTimeZone>

void writeMarkedDaysFile(const CalendarState &state, const QString &path)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    const QByteArray bytes = markedDaysAsIcs(state, QDateTime::currentDateTimeUtc());
    if (const std::optional<QString> problem = writeFileAtomically(target, bytes))
        throw UserError(QStringLiteral("The iCalendar file \"%1\" cannot be written (%2) . . .")
                            .arg(QDir::toNativeSeparators(target), *problem));
}
