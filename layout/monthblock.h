#pragma once

#include "model/calendarstate.h"

#include <QPointF>
#include <QString>

#include <optional>

class PageSurface;

// The size of the month names at the top of every block, in points.
inline constexpr double MonthHeadingPoints = 16;
class DateListSink;

// Draws one month block with its top-left corner at (left, top) in twips: the centred
// month name, the weekday initials, the rule and the day numbers, marked days boxed in their
// category colour and listed to `dateList`. Leaves the surface at `fontName`, 10 pt, bold,
// line width 1, raster mode 13, line style 0. Throws UserError("Overflow") when an origin
// sum leaves 16 bits.
void PlaceMonth(const CalendarState &state, PageSurface &surface, DateListSink &dateList, qint16 year, qint16 month,
                qint16 left, qint16 top, const QString &fontName);

// The day of `month` (1..12) of `year` whose cell holds `offset`, in twips from the block's
// top-left corner: the cells are the columns and rows of day numbers PlaceMonth draws.
// Nothing between or outside the cells, or on a cell without a day.
std::optional<int> dayAtBlockPoint(int year, int month, QPointF offset);
