#include "print/icsexport.h"

#include "layout/markexport.h"
#include "platform/savefile.h"
#include "platform/usererror.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimeZone>

void writeMarkedDaysFile(const CalendarState &state, const QString &path)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    const QByteArray bytes = markedDaysAsIcs(state, QDateTime::currentDateTimeUtc());
    QSaveFile file(target);
    std::optional<QString> problem = openSaveFile(file);
    if (!problem && (file.write(bytes) != bytes.size() || !file.commit()))
        problem = file.errorString();
    if (problem)
        throw UserError(QStringLiteral("The iCalendar file \"%1\" cannot be written (%2) . . .")
                            .arg(QDir::toNativeSeparators(target), *problem));
}
