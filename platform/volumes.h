#pragma once

#include <QString>
#include <QStringList>

// The root folders of the mounted volumes a user keeps files on: "/" first, then the others
// by path. Kernel and memory filesystems (proc, sysfs, tmpfs, ...) are left out.
QStringList mountedVolumeRoots();

// The root folder of the volume holding `path` (an existing file or folder); "/" when it
// cannot be told.
QString volumeRootOf(const QString &path);
