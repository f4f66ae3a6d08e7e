#include "platform/volumes.h"

#include <QByteArray>
#include <QDir>
#include <QStorageInfo>

#include <algorithm>

namespace {

bool isPseudoFileSystem(const QByteArray &type)
{
    static const QByteArray pseudo[] = {
        "autofs",  "binfmt_misc", "bpf",     "cgroup",   "cgroup2",  "configfs", "debugfs",
        "devpts",  "devtmpfs",    "efivarfs", "fusectl", "hugetlbfs", "mqueue",  "nsfs",
        "proc",    "pstore",      "ramfs",   "rpc_pipefs", "securityfs", "selinuxfs",
        "squashfs", "sysfs",      "tmpfs",   "tracefs",
    };
    return std::find(std::begin(pseudo), std::end(pseudo), type) != std::end(pseudo);
}

} // namespace

QStringList mountedVolumeRoots()
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || isPseudoFileSystem(volume.fileSystemType()))
            continue;
        const QString root = volume.rootPath();
        if (root != QDir::rootPath() && !roots.contains(root))
            roots.append(root);
    }
    std::sort(roots.begin(), roots.end());
    roots.prepend(QDir::rootPath());
    return roots;
}

QString volumeRootOf(const QString &path)
{
    const QStorageInfo volume(path);
    return volume.isValid() ? volume.rootPath() : QDir::rootPath();
}
