#pragma once

#include "calendar/calendarspan.h"
#include "model/calendarstate.h"

#include <QDate>
#include <QPointF>
#include <QRectF>

#include <optional>

class DateListSink;
class PageSurface;

// Page geometry of the calendar, in twips from the printable-area origin.
namespace PageLayout {
// The area the page is composed on: a Letter sheet (8.5 x 11 in) inside 12-point margins.
// A chosen paper scales this area to fit its own printable area.
inline constexpr int PageWidth = 11760;
inline constexpr int PageHeight = 15360;
inline constexpr int LeftMargin = 300;
inline constexpr int HeaderTop = 500;
inline constexpr int HeaderRightLimit = 7700;     // the header block ends where the picture begins
inline constexpr int AddressGap = 150;            // between the header and the first note line
inline constexpr int AddressLeft = 1000;
inline constexpr int MessageTop = 2800;
inline constexpr int MessageBand = 11160;         // the message is centred on this width
inline constexpr int YearLeft = 5300;
inline constexpr int YearTop = 3450;
inline constexpr int PictureTop = 200;
inline constexpr int GridLeft = 600;
inline constexpr int ColumnPitch = 3720;
inline constexpr int GridTop = 4600;
inline constexpr int RowPitch = 2592;
// The triple frame: three boxes, each FrameStep inside the one before.
inline constexpr int FrameTop = 4300;
inline constexpr int FrameWidth = 11160;
inline constexpr int FrameHeight = 10620;
inline constexpr int FrameStep = 40;
inline constexpr int FrameLinePixels = 4;
// The legend: five swatches with their labels in a row below the frame.
inline constexpr int LegendTop = 14950;
inline constexpr int LegendTextTop = 15000;
inline constexpr int LegendPitch = 2232;
inline constexpr int SwatchWidth = 300;
inline constexpr int SwatchHeight = 230;
inline constexpr int SwatchTextGap = 50;
// The line that explains the moon symbols, under the legend.
inline constexpr int MoonLegendTop = 15190;
// Font sizes in points.
inline constexpr double HeaderStartPoints = 24;   // shrinks in 2-pt steps down to the minimum
inline constexpr double HeaderMinimumPoints = 8;
inline constexpr double AddressPoints = 10;
inline constexpr double MessagePoints = 18;
inline constexpr double MessageMinimumPoints = 8;  // shrinking to clear the picture stops here
inline constexpr double YearPoints = 28;
inline constexpr double LegendPoints = 8;
inline constexpr double MoonLegendPoints = 7;
// Top-left corner of month `month` (1..12) in the three-column, four-row grid.
inline constexpr int monthLeft(int month) { return GridLeft + ColumnPitch * ((month - 1) % 3); }
inline constexpr int monthTop(int month) { return GridTop + RowPitch * ((month - 1) / 3); }
}

// What composing a page needs that can fail, worked out before anything is drawn, so that
// a device is never given half a page.
struct PagePlan
{
    qint16 year = 0;                // the leading number of txtYear
    CalendarSpan span;              // the twelve months shown
    std::optional<QRectF> picture;  // where the picture goes, when one is drawn
};

// Checks `state` for everything that would stop its page part-way: the year (beyond 16
// bits), a mark that is no category, a picture corner beyond 16 bits. Throws UserError.
PagePlan planPage(const CalendarState &state);

// Draws the whole calendar page of `state` top to bottom, as planned: header block (unless
// "Picture Only At Top"), year title, picture, triple frame, legend and the twelve month
// blocks, whose marked days go to `dateList`. Does not set copies or end the document.
void drawPage(const CalendarState &state, const PagePlan &plan, PageSurface &surface, DateListSink &dateList);

// The year as the page's title prints it: `yearText` as typed, its number replaced by both
// years ("2027/2028") for a page across New Year.
QString yearTitle(const QString &yearText, const CalendarSpan &span);

// The day of the calendar year whose number on the page is at `twips` (from the
// printable-area origin), for pointing at a day in the preview. Nothing elsewhere, or when
// the year cannot be used.
std::optional<QDate> dayAtPagePoint(const CalendarState &state, QPointF twips);

// planPage, then drawPage.
void composePage(const CalendarState &state, PageSurface &surface, DateListSink &dateList);
