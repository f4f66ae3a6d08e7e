#pragma once

#include "model/calendarstate.h"

#include <QString>
#include <QStringList>

class MessageService;

// What one read of a control file came to, for callers that report a result. A skipped line
// has been reported, but the rest of the file still makes a calendar: the command line exits
// non-zero only for a file that was refused.
struct ControlFileResult
{
    bool read = false;       // the file passed its type check and was read
    int skippedLines = 0;    // DTM/EFW lines reported and skipped
    int droppedNotes = 0;    // NOT lines beyond the sixth
};

// Reads the control file named by state.strSelectedFile into the calendar. A name not
// ending in lower-case "txt", an unreadable file, one over 1 MiB or one holding NUL bytes is
// refused with a message and changes nothing but binFileOK. A bad DTM or EFW line is
// reported with its line number and skipped; every other line takes effect as it is read.
ControlFileResult ReadControlFile(CalendarState &state, MessageService &messages);

// Applies already-read lines of a control file to the calendar; `path` names the file in
// messages and anchors relative PIC paths. Does not touch binFileOK or strListFile.
ControlFileResult applyControlLines(CalendarState &state, MessageService &messages, const QStringList &lines,
                                    const QString &path);

// The date-list file name for a control file: the path up to its first "." (searched from
// the start, so a dotted folder name cuts there), followed by "_dl.txt".
QString dateListFileName(const QString &controlPath);

// True when `path` may be read as a control file: at least two characters, ending in "txt"
// exactly (lower case).
bool isControlFileName(const QString &path);
