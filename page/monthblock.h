#pragma once

#include "model/calendarstate.h"

#include <QPointF>
#include <QString>

#include <chrono>
#include <optional>

class PageSurface;

// The size of the month names at the top of every block, in points.
inline constexpr double MonthHeadingPoints = 16;
class DateListSink;

// How the week rows of a month block run: which weekday opens each row and in which direction
// the row reads. PlaceMonth draws and dayAtBlockPoint finds the days through it alike.
struct WeekGrid
{
    int firstWeekday = 0;       // 0 Sunday .. 6 Saturday
    bool rightToLeft = false;   // the first weekday stands in the right-hand column

    // The place of `weekday` (0 Sunday .. 6 Saturday) in a row's reading order, 0..6.
    int slotOf(int weekday) const { return (weekday - firstWeekday + 7) % 7; }
    // The column, 0 leftmost .. 6, of reading place `slot`, and (being its own inverse) the
    // reading place of a column.
    int columnOf(int slot) const { return rightToLeft ? 6 - slot : slot; }
    // The weekday, 0 Sunday .. 6 Saturday, heading `column`.
    int weekdayIn(int column) const { return (columnOf(column) + firstWeekday) % 7; }
};

enum class MoonPhase;

// The symbol a day box shows for a moon phase: a black circle for the new moon, a white one
// for the full moon, half black for the quarters (the dark half, as the sky shows it from the
// northern hemisphere).
QString moonSymbol(MoonPhase phase);
// The typeface the moon symbols are printed in.
QString moonSymbolFont();

// The grid `page` asks for: its week start (0: the language's own) and the language's
// writing direction; the default settings give Sunday first, left to right.
WeekGrid weekGrid(const PageSettings &page);

// The ISO 8601 week number (1..53) a month block prints beside the week row that starts on
// `rowStart`: the week the row's Thursday belongs to, which holds most of the row's days
// whatever weekday opens it (with Sunday first, the week of the row's Monday).
int weekNumberOfRow(std::chrono::sys_days rowStart);

// Draws one month block with its top-left corner at (left, top) in twips: the centred
// month name, the weekday initials, the rule, the week numbers when asked for and the day
// numbers, marked days boxed in their category colour and listed to `dateList`. Names,
// week layout and colours follow state.page. Leaves the surface at `fontName`, 10 pt, bold,
// line width 1, raster mode 13, line style 0, solid fill. Throws UserError("Overflow") when
// an origin sum leaves 16 bits.
void PlaceMonth(const CalendarState &state, PageSurface &surface, DateListSink &dateList, qint16 year, qint16 month,
                qint16 left, qint16 top, const QString &fontName);

// The day of `month` (1..12) of `year` whose cell holds `offset`, in twips from the block's
// top-left corner: the cells are the columns and rows of day numbers PlaceMonth draws on
// `grid`. Nothing between or outside the cells, or on a cell without a day.
std::optional<int> dayAtBlockPoint(int year, int month, QPointF offset, const WeekGrid &grid);
