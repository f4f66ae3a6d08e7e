#include "devices/devicelist.h"

#include "devices/outputdevices.h"

#include <QCoreApplication>

namespace {

// The device list's words, in the user's language.
struct DeviceListWords
{
    Q_DECLARE_TR_FUNCTIONS(Devices)
};

} // namespace

QString printerEntry(int ordinal, const QString &deviceName, bool acceptingJobs)
{
    QString entry = (QStringLiteral("  ") + QString::number(ordinal)).right(3) + QLatin1Char(' ') + deviceName;
    if (!acceptingJobs)
        entry += QLatin1Char(' ') + DeviceListWords::tr("(not accepting jobs)");
    return entry;
}

QList<DeviceEntry> deviceEntries(OutputDevices &devices)
{
    const QStringList names = devices.deviceNames();
    const QStringList refusing = devices.devicesRefusingJobs();
    QList<DeviceEntry> entries;
    for (int i = 0; i < names.size(); ++i)
        entries.append({names.at(i), printerEntry(i + 1, names.at(i), !refusing.contains(names.at(i)))});
    return entries;
}
