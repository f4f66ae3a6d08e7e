#pragma once

#include <QStringList>

class OutputDevices;

// The command line as a program runs it: Qt started without widgets (offscreen when there is
// no display), the translations, the holiday catalog and the calendar fetcher with the
// credentials of ~/.netrc or the environment; then runCommandLine on `devices`. Both programs
// call it: lunaria with no printers, lunaria-window with the printers.
int runCommandLineProgram(int &argc, char **argv, const QStringList &arguments, OutputDevices &devices);
