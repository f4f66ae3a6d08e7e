#pragma once

#include "model/calendarstate.h"

#include <QImage>
#include <QPointF>
#include <QSizeF>

// The sheet the preview shows for `state`, in inches: the paper state.page asks for, or the
// PDF device's own (Letter in the US, else A4) for Paper::AsPrinter.
QSizeF previewPaperInches(const CalendarState &state);

// The calendar page as it prints on the PDF device, drawn at `dpi` dots per inch: the whole
// sheet (previewPaperInches), white, edged in grey, its printable area outlined with a
// dashed line, and the page of `state` on that area as the chosen paper places it. Writes no
// date list. Throws UserError when the calendar cannot be composed (a year beyond 16 bits).
QImage renderPreview(const CalendarState &state, double dpi);

// The point of the page, in twips from its printable-area origin, that pixel `pixel` of a
// preview renderPreview drew at `dpi` shows.
QPointF previewPixelToPageTwips(const CalendarState &state, double dpi, QPointF pixel);
