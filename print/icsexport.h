#pragma once

#include "model/calendarstate.h"

#include <QString>

struct MarkSources;

// Writes the marked days of the calendar (as markedDaysAsIcs gives them, stamped now) to the
// .ics file `path`, which is replaced only when the whole file is written. Throws UserError
// naming the file and the reason; the file as it was stays then.
void writeMarkedDaysFile(const CalendarState &state, const MarkSources &sources, const QString &path);
