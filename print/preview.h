#pragma once

#include "model/calendarstate.h"

#include <QImage>

// The calendar page as it prints on the PDF device, drawn at `dpi` dots per inch: the
// printable area of the page, white, with the page of `state` on it. Writes no date list.
// Throws UserError when the calendar cannot be composed (a year beyond 16 bits).
QImage renderPreview(const CalendarState &state, double dpi);
