#pragma once

#include "model/calendarstate.h"

#include <QString>
#include <QStringList>

class MessageService;
struct MarkSources;

// What one read of a control file came to, for callers that report a result. A skipped line
// has been reported, but the rest of the file still makes a calendar: the command line exits
// non-zero only for a file that was refused.
struct ControlFileResult
{
    bool read = false;       // the file passed its type check and was read
    int skippedLines = 0;    // DTM/EFW lines reported and skipped
    int droppedNotes = 0;    // NOT lines beyond the sixth
    int pictureProblems = 0; // PIC lines whose picture was not drawn, or drew with warnings
    int ruleProblems = 0;    // rule lines that mark nothing or less than they should this year
};

// Reads the control file named by state.strSelectedFile into the calendar. A name not
// ending in lower-case "txt", an unreadable file, one over 1 MiB or one holding NUL bytes is
// refused with a message and changes nothing but binFileOK. A line that cannot be used (a
// rule with a bad field, a year that is no year) is reported with its line number and
// skipped; every other line takes effect as it is read, and the marks follow the rules and
// the year the file leaves.
ControlFileResult ReadControlFile(CalendarState &state, MessageService &messages, const MarkSources &sources);

// Applies already-read lines of a control file to the calendar, then works out its marks;
// `path` names the file in messages and anchors relative paths. The lines' problems, and
// every rule that marks nothing or less than it should in the calendar's year, are
// reported together in one message at the end (`windows1252Lines`: the numbers of lines that
// were read as Windows-1252 in an otherwise UTF-8 file). Does not touch binFileOK,
// strListFile or documentFile.
ControlFileResult applyControlLines(CalendarState &state, MessageService &messages, const MarkSources &sources,
                                    const QStringList &lines, const QString &path, const QList<int> &windows1252Lines = {});

// The word a FNT line names a font-name field by ("year" for strYearFont ...).
QString fontRoleKey(QString CalendarState::*field);

// The date-list file name for a control file: the path up to its first "." (searched from
// the start, so a dotted folder name cuts there), followed by "_dl.txt".
QString dateListFileName(const QString &controlPath);

// True when `path` may be read as a control file: at least two characters, ending in "txt"
// exactly (lower case).
bool isControlFileName(const QString &path);
