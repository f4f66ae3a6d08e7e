#include "tests/support/samples.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString sharedSamplesDir()
{
    QString shared = qEnvironmentVariable("LUNARIA_SHARED");
    if (shared.isEmpty())
        shared = QStringLiteral(LUNARIA_SOURCE_DIR "/../shared");
    return QDir::cleanPath(QDir(shared).filePath(QStringLiteral("samples")));
}

} // namespace

QString samplesDir()
{
    return QDir::cleanPath(QStringLiteral(LUNARIA_SOURCE_DIR "/tests/data"));
}

QString samplePath(const QString &relative)
{
    const QString kept = QDir(samplesDir()).filePath(relative);
    if (QFileInfo::exists(kept))
        return kept;
    const QString shared = QDir(sharedSamplesDir()).filePath(relative);
    return QFileInfo::exists(shared) ? shared : kept;
}

bool haveSample(const QString &relative)
{
    return QFileInfo::exists(samplePath(relative));
}
