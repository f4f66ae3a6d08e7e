#pragma once

#include "model/calendarstate.h"

#include <QString>
#include <QStringList>

#include <optional>

// The files a calendar reads: its control file, its picture and the .ics files of its rules.
QStringList calendarInputs(const CalendarState &state);

// Why writing `output` (a page, an export or a date-list file) would replace one of the
// calendar's own inputs, symbolic links followed; nothing when it would not. Checked before
// anything is written, so that `--to school.ics` cannot replace the school calendar a rule
// reads with the export of it.
std::optional<QString> overwritesInput(const CalendarState &state, const QString &output);
