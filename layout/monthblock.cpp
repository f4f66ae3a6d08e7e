#include "layout/monthblock.h"

#include "layout/datelistsink.h"
#include "layout/dayrules.h"
#include "layout/markcolour.h"
#include "platform/localedates.h"
#include "platform/numbers.h"
#include "render/pagesurface.h"
#include "platform/usererror.h"

#include <QtGlobal>

#include <cmath>

namespace {

// Block geometry, twips from the block's top-left corner.
constexpr int HeadingBand = 3312;      // the heading is centred on this width
constexpr int InitialsTop = 420;
constexpr int ColumnPitch = 460;
constexpr int FirstColumnX = 200;
constexpr int RuleTop = 680;
constexpr int RuleLeft = 75;
constexpr int RuleLength = 3100;
constexpr int NumbersTop = 770;
constexpr int RowPitch = 280;
constexpr int WideNumberX = 140;       // two-digit days start further left
constexpr int BoxLeftOfNumber = 25;
constexpr int SingleDigitBoxShift = 72; // centres the box on a one-digit number
constexpr int BoxWidth = 300;
constexpr int BoxHeight = 230;

// An origin sum as the 16-bit arithmetic of the page coordinates does it.
qint16 add16(qint16 origin, int offset)
{
    return toInt16(double(origin) + double(offset));
}

} // namespace

void PlaceMonth(const CalendarState &state, PageSurface &surface, DateListSink &dateList, qint16 year, qint16 month,
                qint16 left, qint16 top, const QString &fontName)
{
    const MonthFrame frame = monthFrame(year, month);

    surface.setFontName(fontName);
    surface.setFontSize(MonthHeadingPoints);
    surface.setFontBold(true);
    // Whatever the caller left, the block draws with a plain copy pen.
    surface.setRasterMode(RasterMode::CopyPen);
    surface.setLineStyle(0);

    const QString heading = monthName(month);
    const double headingWidth = surface.textWidth(heading);
    surface.setCurrentX(add16(left, toInt16((HeadingBand - headingWidth) / 2)));
    surface.setCurrentY(top);
    surface.printText(heading, false);

    surface.setFontSize(10);
    const QString initials = QStringLiteral("SMTWTFS");
    surface.setCurrentY(add16(top, InitialsTop));
    const qint16 initialsLeft = add16(left, FirstColumnX);
    for (int i = 0; i < 7; ++i) {
        surface.setCurrentX(initialsLeft + double(ColumnPitch) * i);
        surface.printText(initials.at(i), false);
    }

    surface.setLineWidth(6);
    surface.line(add16(left, RuleLeft), add16(top, RuleTop), RuleLength, 0, qRgb(0, 0, 0));

    int numberOffset = FirstColumnX;
    surface.setCurrentY(add16(top, NumbersTop));
    surface.setLineWidth(1);
    int column = frame.weekdayOfFirst;
    for (int day = 1; day <= frame.daysInMonth; ++day) {
        surface.setCurrentX(double(left) + double(ColumnPitch) * column + numberOffset);
        const double boxBase = surface.currentX() - BoxLeftOfNumber;
        surface.printText(QString::number(day), false);

        const qint16 category = state.dayMark(month, day);
        if (category != NoMark) {
            const double endX = surface.currentX();
            const qint16 rowY = toInt16(surface.currentY());
            const QRgb colour = markColour(state, category);
            surface.setRasterMode(RasterMode::MergePenNotPage);
            surface.setLineStyle(category);
            const double boxLeft = day < 10 ? boxBase - SingleDigitBoxShift : boxBase;
            surface.box(boxLeft, rowY, BoxWidth, BoxHeight, colour, true);
            surface.setRasterMode(RasterMode::CopyPen);
            surface.setLineStyle(0);
            surface.setCurrentY(rowY);
            surface.setCurrentX(endX);
            ListMarkedDate(state, dateList, qint16(day), month, category);
        }

        if (day == 9)
            numberOffset = WideNumberX;
        column = (column + 1) % 7;
        if (column == 0)
            surface.setCurrentY(surface.currentY() + RowPitch);
    }
}

std::optional<int> dayAtBlockPoint(int year, int month, QPointF offset)
{
    // A cell reaches from midway between two numbers to midway between the next two; a
    // number's box starts BoxLeftOfNumber left of it and is BoxWidth wide.
    const double cellLeft = FirstColumnX - BoxLeftOfNumber - (ColumnPitch - BoxWidth) / 2.0;
    const double column = std::floor((offset.x() - cellLeft) / ColumnPitch);
    const double row = std::floor((offset.y() - NumbersTop) / RowPitch);
    if (column < 0 || column > 6 || row < 0 || row > 5)
        return std::nullopt;
    const MonthFrame frame = monthFrame(year, month);
    const int day = int(row) * 7 + int(column) - frame.weekdayOfFirst + 1;
    if (day < 1 || day > frame.daysInMonth)
        return std::nullopt;
    return day;
}
