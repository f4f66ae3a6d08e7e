#include "page/composepage.h"

#include "calendar/datelistsink.h"
#include "calendar/dayrules.h"
#include "page/markcolour.h"
#include "page/monthblock.h"
#include "platform/textfile.h"
#include "platform/usererror.h"
#include "page/placegraphic.h"
#include "render/pagesurface.h"
#include "render/picture.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// A mark outside the legend, in the user's language.
struct ComposePageWords
{
    Q_DECLARE_TR_FUNCTIONS(ComposePage)
};

using namespace PageLayout;

constexpr QRgb Black = 0xff000000;

// Widths are compared in whole twips; ties go to the even neighbour like every other
// rounding of the calendar. Kept in a double: a long header at 24 pt is wider than 16 bits.
double roundedWidth(const PageSurface &surface, const QString &text)
{
    return std::nearbyint(surface.textWidth(text));
}

// The message line's left edge. Centred on the band below the header as it has always
// been; when the picture beside the header stands where that line would run, the message
// shrinks in 2-point steps (down to 8 pt) until it clears the picture, and when even 8 pt
// does not clear it, it is centred on the band left of the picture instead. Leaves the
// surface at the size chosen.
double placeMessage(const QString &message, PageSurface &surface, const std::optional<QRectF> &picture)
{
    double width = roundedWidth(surface, message);
    double x = LeftMargin + (MessageBand - width) / 2;
    // The line's height taken as one em (20 twips per point).
    auto collides = [&picture, &surface](double left, double width) {
        const double height = 20 * surface.fontSize();
        return picture && left + width > picture->left() && left < picture->right() && MessageTop + height > picture->top()
            && MessageTop < picture->bottom();
    };
    if (!collides(x, width))
        return x;
    double size = MessagePoints;
    while (collides(x, width) && size > MessageMinimumPoints) {
        // As with the header: step from the size the device uses, never below the floor.
        size = std::max(MessageMinimumPoints, std::min(size, surface.fontSize()) - 2);
        surface.setFontSize(size);
        width = roundedWidth(surface, message);
        x = LeftMargin + (MessageBand - width) / 2;
    }
    if (collides(x, width))
        x = LeftMargin + (picture->left() - LeftMargin - width) / 2;
    return x;
}

void printHeaderBlock(const CalendarState &state, PageSurface &surface, const std::optional<QRectF> &picture)
{
    surface.setCurrentX(LeftMargin);
    surface.setCurrentY(HeaderTop);
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
    surface.setFontSize(AddressPoints);
    surface.setCurrentY(surface.currentY() + AddressGap);
    // A line that starts with a blank ends the block; an emptied line prints empty.
    for (const QString &line : state.textLines) {
        if (line.startsWith(QLatin1Char(' ')))
            break;
        surface.setCurrentX(AddressLeft);
        surface.printText(line, true);
    }

    surface.setFontName(state.strMessageFont);
    surface.setFontBold(true);
    surface.setFontSize(MessagePoints);
    const QString &message = state.txtMessage[5];
    surface.setCurrentX(placeMessage(message, surface, picture));
    surface.setCurrentY(MessageTop);
    surface.printText(message, true);
}

void printFrames(PageSurface &surface)
{
    surface.setLineWidth(FrameLinePixels);
    for (int i = 0; i < 3; ++i) {
        const int inset = FrameStep * i;
        surface.box(LeftMargin + inset, FrameTop + inset, FrameWidth - 2 * inset, FrameHeight - 2 * inset, Black, false);
    }
    surface.setLineWidth(1);
}

void printLegend(const CalendarState &state, PageSurface &surface)
{
    surface.setFontSize(LegendPoints);
    surface.setRasterMode(RasterMode::MergePenNotPage);
    for (int i = 0; i < MarkCategories; ++i) {
        surface.setLineStyle(i);
        const double left = LeftMargin + LegendPitch * i;
        const FillPattern pattern = markPattern(state, i);
        if (pattern != FillPattern::Solid)
            surface.setFillPattern(pattern);
        surface.box(left, LegendTop, SwatchWidth, SwatchHeight, markColour(state, i), true);
        if (pattern != FillPattern::Solid)
            surface.setFillPattern(FillPattern::Solid);
        surface.setCurrentX(left + SwatchWidth + SwatchTextGap);
        surface.setCurrentY(LegendTextTop);
        surface.printText(trimBlanks(state.MarkLegend[i][1]).toString(), true);
    }
    surface.setLineStyle(0);
    surface.setRasterMode(RasterMode::CopyPen);
}

} // namespace

PagePlan planPage(const CalendarState &state)
{
    PagePlan plan;
    plan.year = calendarYear(state);
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            const qint16 mark = state.dayMark(month, day);
            if (mark != NoMark && (mark < 0 || mark >= MarkCategories))
                throw UserError(ComposePageWords::tr("Mark category %1 is outside 0 to 4").arg(mark));
        }
    }
    if (state.binSelPic) {
        plan.picture = state.chkFullPicture ? graphicRect(state, LeftMargin, PictureTop, 1)
                                            : graphicRect(state, HeaderRightLimit, PictureTop, 0);
    }
    return plan;
}

void drawPage(const CalendarState &state, const PagePlan &plan, PageSurface &surface, DateListSink &dateList)
{
    if (!state.chkFullPicture)
        printHeaderBlock(state, surface, plan.picture);

    surface.setCurrentX(YearLeft);
    surface.setCurrentY(YearTop);
    surface.setFontBold(false);
    surface.setFontSize(YearPoints);
    surface.setFontName(state.strYearFont);
    surface.printText(state.txtYear, true);

    if (plan.picture)
        surface.drawPicture(*state.picTemp, plan.picture->x(), plan.picture->y(), plan.picture->width(),
                            plan.picture->height());

    printFrames(surface);
    printLegend(state, surface);

    for (qint16 month = 1; month <= 12; ++month) {
        PlaceMonth(state, surface, dateList, plan.year, month, qint16(monthLeft(month)), qint16(monthTop(month)),
                   state.strCalendarFont);
    }
}

std::optional<QDate> dayAtPagePoint(const CalendarState &state, QPointF twips)
{
    const std::optional<qint16> year = yearFromText(state.txtYear);
    if (!year)
        return std::nullopt;
    const WeekGrid grid = weekGrid(state.page);
    for (int month = 1; month <= 12; ++month) {
        const QPointF offset = twips - QPointF(monthLeft(month), monthTop(month));
        if (offset.x() < 0 || offset.x() >= ColumnPitch || offset.y() < 0 || offset.y() >= RowPitch)
            continue;
        if (const std::optional<int> day = dayAtBlockPoint(*year, month, offset, grid))
            return QDate(*year, month, *day);
    }
    return std::nullopt;
}

void composePage(const CalendarState &state, PageSurface &surface, DateListSink &dateList)
{
    drawPage(state, planPage(state), surface, dateList);
}
