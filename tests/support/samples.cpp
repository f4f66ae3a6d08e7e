#include "tests/support/samples.h"

#include <QDir>
#include <QFileInfo>

QString samplesDir()
{
    QString shared = qEnvironmentVariable("LUNARIA_SHARED");
    if (shared.isEmpty())
        shared = QStringLiteral(LUNARIA_SOURCE_DIR "/../shared");
    const QString dir = QDir(shared).filePath(QStringLiteral("samples"));
    return QFileInfo(dir).isDir() ? QDir::cleanPath(dir) : QString();
}

QString samplePath(const QString &relative)
{
    return QDir(samplesDir()).filePath(relative);
}
