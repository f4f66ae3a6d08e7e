#pragma once

#include "devices/outputdevices.h"

#include <QStringList>

#include <memory>

// The kinds of file a page is written to, known by the file name's extension.

// The extensions written, lower case without the dot, in the order they are offered: "pdf", "png".
QStringList pageFileExtensions();

// Whether `path` ends in one of those extensions (any case).
bool isPageFile(const QString &path);

// The one-device list that writes the page to `path`, chosen by its extension; nullptr for an
// extension that is not written.
std::unique_ptr<OutputDevices> pageFileDevice(const QString &path);
