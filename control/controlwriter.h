#pragma once

#include "model/calendarstate.h"

#include <QByteArray>
#include <QString>

// The control file of a calendar, as SaveControlFile writes it: UTF-8, CR LF line ends, one
// line for everything the page shows (year, header, message, the notes up to the one that
// ends the address block, picture, picture position, the five fonts, language, week start,
// week numbers, paper, colours) and one per rule, in order. Reading it into a new calendar
// gives the same page. A picture inside the folder of `controlPath` is named relative to it,
// so the two can be moved together.
QByteArray controlFileText(const CalendarState &state, const QString &controlPath);

// Saves the calendar as the control file `path`: the name must end in lower-case ".txt";
// the file is replaced only when the whole text is written. Then the calendar is that
// file's (documentFile) and its date-list file is named after it, as after reading it.
// Throws UserError naming the file and the reason.
void SaveControlFile(CalendarState &state, const QString &path);
