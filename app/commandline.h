#pragma once

#include <QDate>
#include <QStringList>

#include <optional>

class OutputDevices;
class QTextStream;
struct MarkSources;

// Whether these arguments (without the program name) ask for the command line rather than
// the calendar window: any argument does, but a lone .ics file, which the window opens.
bool wantsCommandLine(const QStringList &arguments);

// Whether a window system is reachable; the desktop program needs one.
bool haveDisplay();

// Whether these command-line arguments reach a printer: listing them, naming one, or printing
// with no --to file. `lunaria` hands such a command to the program that has the printers
// (lunaria-window), so that the commands that write files load no print support.
bool needsPrinters(const QStringList &arguments);

// The .ics file the window is to open as a new calendar, when the arguments are that one file
// (the desktop's "Open With", `lunaria school.ics`): its absolute path; else empty.
QString iCalendarToOpen(const QStringList &arguments);

// Runs the command line: --print (with --to, --printer, --copies, --paper), --list-printers,
// --help, --version. Returns the exit status: 0 when everything printed, 1 when any control
// file failed (the others are still printed), 2 for a usage error. `printers` is the device list to print on;
// `sources` the holiday catalog and .ics reader of this run.
int runCommandLine(const QStringList &arguments, OutputDevices &printers, const MarkSources &sources, QTextStream &out, QTextStream &err,
                   QDate today = QDate::currentDate());
