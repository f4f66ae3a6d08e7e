#pragma once

#include <QList>
#include <QString>

class OutputDevices;

// The list entry of device `ordinal` (counting from 1): the number right-aligned in three
// characters, a blank, the device name, and a mark when the device refuses new jobs.
// "  1 Office", " 12 PDF file", "  2 Lab (not accepting jobs)".
QString printerEntry(int ordinal, const QString &deviceName, bool acceptingJobs = true);

// One line of the device list and the device it stands for.
struct DeviceEntry
{
    QString name;
    QString text;
};

// Every device of `devices`, read afresh, in its order and numbered from 1, each marked
// when it refuses new jobs: what the printer chooser and the command line's list show.
QList<DeviceEntry> deviceEntries(OutputDevices &devices);
