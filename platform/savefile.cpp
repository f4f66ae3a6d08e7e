#include "platform/savefile.h"

#include <QFileInfo>
#include <QSaveFile>

std::optional<QString> openSaveFile(QSaveFile &file)
{
    // Never write the target directly: a failed job must leave the previous file intact.
    file.setDirectWriteFallback(false);
    if (!QFileInfo(QFileInfo(file.fileName()).absolutePath()).isDir())
        return QStringLiteral("the folder does not exist");
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    return std::nullopt;
}
