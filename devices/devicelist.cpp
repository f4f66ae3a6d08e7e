#include "devices/devicelist.h"

QString printerEntry(int ordinal, const QString &deviceName)
{
    return (QStringLiteral("  ") + QString::number(ordinal)).right(3) + QLatin1Char(' ') + deviceName;
}
