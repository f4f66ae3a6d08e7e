#pragma once

#include "model/calendarstate.h"

class DateListSink;
class PageSurface;

// Page geometry of the calendar, in twips from the printable-area origin.
namespace PageLayout {
inline constexpr int LeftMargin = 300;
inline constexpr int HeaderRightLimit = 7700;
inline constexpr int GridLeft = 600;
inline constexpr int ColumnPitch = 3720;
inline constexpr int GridTop = 4600;
inline constexpr int RowPitch = 2592;
inline constexpr int FrameTop = 4300;
// The header starts at 24 pt and shrinks in 2-pt steps down to this size.
inline constexpr double HeaderStartPoints = 24;
inline constexpr double HeaderMinimumPoints = 8;
// Top-left corner of month `month` (1..12) in the three-column, four-row grid.
inline constexpr int monthLeft(int month) { return GridLeft + ColumnPitch * ((month - 1) % 3); }
inline constexpr int monthTop(int month) { return GridTop + RowPitch * ((month - 1) / 3); }
}

// Draws the whole calendar page of `state` top to bottom: header block (unless "Picture Only
// At Top"), year title, picture, triple frame, legend and the twelve month blocks, whose
// marked days go to `dateList`. Does not set copies or end the document. Throws
// UserError("Overflow") for a year outside 16 bits, before anything is drawn.
void composePage(const CalendarState &state, PageSurface &surface, DateListSink &dateList);
