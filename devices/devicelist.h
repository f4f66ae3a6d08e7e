#pragma once

#include <QString>

// The list entry of device `ordinal` (counting from 1): the number right-aligned in three
// characters, a blank, the device name. "  1 Office", " 12 PDF file". The printer chooser
// and the command line's device list both show it.
QString printerEntry(int ordinal, const QString &deviceName);
