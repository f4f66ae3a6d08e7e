#include "print/composepage.h"

#include "layout/datelistsink.h"
#include "layout/dayrules.h"
#include "layout/monthblock.h"
#include "platform/pagesurface.h"
#include "print/pictureacceptance.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace PageLayout;

constexpr QRgb Black = 0xff000000;

// Widths are compared in whole twips; ties go to the even neighbour like every other
// rounding of the calendar. Kept in a double: a long header at 24 pt is wider than 16 bits.
double roundedWidth(const PageSurface &surface, const QString &text)
{
    return std::nearbyint(surface.textWidth(text));
}

// Blanks only, as legends typed with tabs keep them.
QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

void printHeaderBlock(const CalendarState &state, PageSurface &surface)
{
    surface.setCurrentX(LeftMargin);
    surface.setCurrentY(500);
    surface.setFontSize(HeaderStartPoints);
    surface.setFontName(state.strHeaderFont);

    // A device may round the size it uses; stepping from the smaller of requested and used
    // size keeps the loop finite on any device.
    double size = HeaderStartPoints;
    double width = roundedWidth(surface, state.txtHeader);
    while (width > HeaderRightLimit - LeftMargin && size > HeaderMinimumPoints) {
        size = std::max(HeaderMinimumPoints, std::min(size, surface.fontSize()) - 2);
        surface.setFontSize(size);
        width = roundedWidth(surface, state.txtHeader);
    }
    surface.printText(state.txtHeader, true);

    surface.setFontName(state.strAddressFont);
    surface.setFontBold(false);
    surface.setFontSize(10);
    surface.setCurrentY(surface.currentY() + 150);
    // A line that starts with a blank ends the block; an emptied line prints empty.
    for (const QString &line : state.textLines) {
        if (line.startsWith(QLatin1Char(' ')))
            break;
        surface.setCurrentX(1000);
        surface.printText(line, true);
    }

    surface.setFontName(state.strMessageFont);
    surface.setFontBold(true);
    surface.setFontSize(18);
    const QString &message = state.txtMessage[5];
    const double band = 11160;
    surface.setCurrentX(LeftMargin + (band - roundedWidth(surface, message)) / 2);
    surface.setCurrentY(2800);
    surface.printText(message, true);
}

void printFrames(PageSurface &surface)
{
    surface.setLineWidth(4);
    surface.box(300, FrameTop, 11160, 10620, Black, false);
    surface.box(340, FrameTop + 40, 11080, 10540, Black, false);
    surface.box(380, FrameTop + 80, 11000, 10460, Black, false);
    surface.setLineWidth(1);
}

void printLegend(const CalendarState &state, PageSurface &surface)
{
    surface.setFontSize(8);
    surface.setRasterMode(14);
    for (int i = 0; i < MarkCategories; ++i) {
        surface.setLineStyle(i);
        const auto &rgb = state.MarkColors[i];
        const double left = LeftMargin + 2232 * i;
        surface.box(left, 14950, 300, 230, markRgb(rgb[0], rgb[1], rgb[2]), true);
        surface.setCurrentX(left + 300 + 50);
        surface.setCurrentY(15000);
        surface.printText(trimBlanks(state.MarkLegend[i][1]), true);
    }
    surface.setLineStyle(0);
    surface.setRasterMode(13);
}

} // namespace

void composePage(const CalendarState &state, PageSurface &surface, DateListSink &dateList)
{
    const qint16 year = calendarYear(state);

    if (!state.chkFullPicture)
        printHeaderBlock(state, surface);

    surface.setCurrentX(5300);
    surface.setCurrentY(3450);
    surface.setFontBold(false);
    surface.setFontSize(28);
    surface.setFontName(state.strYearFont);
    surface.printText(state.txtYear, true);

    if (state.binSelPic) {
        if (state.chkFullPicture)
            PlaceGraphic(state, surface, LeftMargin, 200, 1);
        else
            PlaceGraphic(state, surface, HeaderRightLimit, 200, 0);
    }

    printFrames(surface);
    printLegend(state, surface);

    for (qint16 month = 1; month <= 12; ++month) {
        PlaceMonth(state, surface, dateList, year, month, qint16(monthLeft(month)), qint16(monthTop(month)),
                   state.strCalendarFont);
    }
}
