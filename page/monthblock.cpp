#include "page/monthblock.h"

#include "calendar/datelistsink.h"
#include "calendar/dayrules.h"
#include "calendar/moonphases.h"
#include "page/markcolour.h"
#include "platform/localedates.h"
#include "platform/numbers.h"
#include "render/pagesurface.h"
#include "platform/usererror.h"

#include <QtGlobal>

#include <array>
#include <cmath>

namespace {

using namespace std::chrono;

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
// Week numbers end here, right-aligned, 100 twips short of the first two-digit day (at 140):
// closer, "3" beside "18" reads as 318 on a small preview. A two-digit number at 6 pt (about
// 135 twips) stays within the 220 twips between the first column of blocks and the inner
// frame. They print grey, so that they read as a column of their own.
constexpr int WeekNumberRight = 40;
constexpr double WeekNumberPoints = 6;
constexpr QRgb WeekNumberGrey = 0xff6e6e6e;  // 5:1 on white, still plain on a greyscale print
// The 6-pt number sits on the day numbers' baseline: the 10-pt and 6-pt ascents differ by
// about 4 pt x 0.9 em.
constexpr int WeekNumberDrop = 72;
// A moon phase's symbol stands high after its day's number, like an exponent, so that it
// reads as belonging to that day and never to the next column's.
constexpr double MoonPoints = 6;
constexpr int MoonAfterNumber = 15;
constexpr int MoonRise = 10;
constexpr double NumberPoints = 10;

// An origin sum as the 16-bit arithmetic of the page coordinates does it.
qint16 add16(qint16 origin, int offset)
{
    return toInt16(double(origin) + double(offset));
}

// The ISO week numbers of the month's rows, right-aligned left of the first column.
void printWeekNumbers(PageSurface &surface, const WeekGrid &grid, int year, int month, const MonthFrame &frame,
                      qint16 left, qint16 top)
{
    const sys_days first{std::chrono::year{year} / std::chrono::month{unsigned(month)} / 1};
    const int slotOfFirst = grid.slotOf(frame.weekdayOfFirst);
    const int rows = (slotOfFirst + frame.daysInMonth + 6) / 7;
    const double numbersTop = add16(top, NumbersTop);
    surface.setFontSize(WeekNumberPoints);
    surface.setFontBold(false);
    surface.setTextColour(WeekNumberGrey);
    for (int row = 0; row < rows; ++row) {
        const QString number = QString::number(weekNumberOfRow(first + days{7 * row - slotOfFirst}));
        surface.setCurrentX(double(left) + WeekNumberRight - surface.textWidth(number));
        surface.setCurrentY(numbersTop + double(RowPitch) * row + WeekNumberDrop);
        surface.printText(number, false);
    }
    surface.setTextColour(qRgb(0, 0, 0));
    surface.setFontBold(true);
    surface.setFontSize(NumberPoints);
}

// The moon phases whose day is in the month, by day of the month.
std::array<std::optional<MoonPhase>, 32> moonPhasesOf(int year, int month)
{
    std::array<std::optional<MoonPhase>, 32> phases{};
    for (const LocalMoonPhase &phase : moonPhasesOfMonths(year, month, 1))
        phases[size_t(phase.local.date().day())] = phase.phase;
    return phases;
}

// The symbol of `phase` at `x` on the current row, the cursor left as it was.
void printMoonSymbol(PageSurface &surface, MoonPhase phase, double x, const QString &fontName)
{
    const double oldX = surface.currentX();
    const double oldY = surface.currentY();
    surface.setFontName(moonSymbolFont());
    surface.setFontSize(MoonPoints);
    surface.setFontBold(false);
    surface.setCurrentX(x);
    surface.setCurrentY(oldY - MoonRise);
    surface.printText(moonSymbol(phase), false);
    surface.setFontName(fontName);
    surface.setFontSize(NumberPoints);
    surface.setFontBold(true);
    surface.setCurrentX(oldX);
    surface.setCurrentY(oldY);
}

} // namespace

QString moonSymbol(MoonPhase phase)
{
    // The dark part drawn black, as a new moon is: a first quarter is lit on its right.
    switch (phase) {
    case MoonPhase::NewMoon: return QStringLiteral("\u25CF");
    case MoonPhase::FirstQuarter: return QStringLiteral("\u25D0");
    case MoonPhase::FullMoon: return QStringLiteral("\u25CB");
    case MoonPhase::LastQuarter: return QStringLiteral("\u25D1");
    }
    return {};
}

QString moonSymbolFont()
{
    // The calendar's own typeface may lack the half-black circles; this one has all four.
    return QStringLiteral("DejaVu Sans");
}

WeekGrid weekGrid(const PageSettings &page)
{
    WeekGrid grid;
    grid.firstWeekday = page.weekStart >= 1 && page.weekStart <= 7 ? page.weekStart - 1 : firstWeekdayOf(page.language);
    // The page has always read left to right; only a language that says otherwise turns it.
    grid.rightToLeft = !page.language.isEmpty() && isRightToLeft(page.language);
    return grid;
}

int weekNumberOfRow(sys_days rowStart)
{
    const weekday opening{rowStart};
    const sys_days thursday = rowStart + (Thursday - opening);
    const year_month_day date{thursday};
    // The n-th Thursday of a year lies in its ISO week n.
    return int((thursday - sys_days{date.year() / January / 1}).count() / 7 + 1);
}

void PlaceMonth(const CalendarState &state, PageSurface &surface, DateListSink &dateList, qint16 year, qint16 month,
                qint16 left, qint16 top, const QString &fontName)
{
    const MonthFrame frame = monthFrame(year, month);
    const WeekGrid grid = weekGrid(state.page);

    surface.setFontName(fontName);
    surface.setFontSize(MonthHeadingPoints);
    surface.setFontBold(true);
    // Whatever the caller left, the block draws with a plain copy pen.
    surface.setRasterMode(RasterMode::CopyPen);
    surface.setLineStyle(0);

    // A page across New Year names the year where it begins and where it changes.
    QString heading = monthName(month, state.page.language);
    if (state.page.firstMonth != 1 && (month == 1 || month == state.page.firstMonth))
        heading += QStringLiteral(" %1").arg(year);
    const double headingWidth = surface.textWidth(heading);
    surface.setCurrentX(add16(left, toInt16((HeadingBand - headingWidth) / 2)));
    surface.setCurrentY(top);
    surface.printText(heading, false);

    surface.setFontSize(NumberPoints);
    const std::array<QString, 7> initials = weekdayInitials(state.page.language);
    surface.setCurrentY(add16(top, InitialsTop));
    const qint16 initialsLeft = add16(left, FirstColumnX);
    for (int column = 0; column < 7; ++column) {
        surface.setCurrentX(initialsLeft + double(ColumnPitch) * column);
        surface.printText(initials[size_t(grid.weekdayIn(column))], false);
    }

    surface.setLineWidth(6);
    surface.line(add16(left, RuleLeft), add16(top, RuleTop), RuleLength, 0, qRgb(0, 0, 0));

    if (state.page.weekNumbers)
        printWeekNumbers(surface, grid, year, month, frame, left, top);

    const std::array<std::optional<MoonPhase>, 32> moon =
        state.page.moonPhases ? moonPhasesOf(year, month) : std::array<std::optional<MoonPhase>, 32>{};

    int numberOffset = FirstColumnX;
    surface.setCurrentY(add16(top, NumbersTop));
    surface.setLineWidth(1);
    int slot = grid.slotOf(frame.weekdayOfFirst);
    for (int day = 1; day <= frame.daysInMonth; ++day) {
        const double numberX = double(left) + double(ColumnPitch) * grid.columnOf(slot) + numberOffset;
        surface.setCurrentX(numberX);
        const double boxBase = surface.currentX() - BoxLeftOfNumber;
        const double boxLeft = day < 10 ? boxBase - SingleDigitBoxShift : boxBase;
        const qint16 category = state.dayMark(month, day);
        // A light box takes a black number printed over it; a dark one the number reversed
        // out of it in white, as the classic colours always had.
        const bool numberOverMark = category != NoMark && blackNumberOnMark(state, category);

        if (numberOverMark) {
            const qint16 rowY = toInt16(surface.currentY());
            surface.setLineStyle(category);
            surface.setFillPattern(markPattern(state, category));
            surface.box(boxLeft, rowY, BoxWidth, BoxHeight, markColour(state, category), true);
            surface.setFillPattern(FillPattern::Solid);
            surface.setLineStyle(0);
            // A printer's box leaves its cursor at the far corner.
            surface.setCurrentY(rowY);
            surface.setCurrentX(numberX);
        }
        surface.printText(QString::number(day), false);
        // Before a dark box is merged over the day, so that the symbol is reversed out of it
        // with the number.
        if (moon[size_t(day)])
            printMoonSymbol(surface, *moon[size_t(day)], surface.currentX() + MoonAfterNumber, fontName);

        if (category != NoMark) {
            if (!numberOverMark) {
                const double endX = surface.currentX();
                const qint16 rowY = toInt16(surface.currentY());
                const QRgb colour = markColour(state, category);
                surface.setRasterMode(RasterMode::MergePenNotPage);
                surface.setLineStyle(category);
                surface.box(boxLeft, rowY, BoxWidth, BoxHeight, colour, true);
                surface.setRasterMode(RasterMode::CopyPen);
                surface.setLineStyle(0);
                surface.setCurrentY(rowY);
                surface.setCurrentX(endX);
            }
            ListMarkedDate(state, dateList, qint16(day), month, category);
        }

        if (day == 9)
            numberOffset = WideNumberX;
        slot = (slot + 1) % 7;
        if (slot == 0)
            surface.setCurrentY(surface.currentY() + RowPitch);
    }
}

std::optional<int> dayAtBlockPoint(int year, int month, QPointF offset, const WeekGrid &grid)
{
    // A cell reaches from midway between two numbers to midway between the next two; a
    // number's box starts BoxLeftOfNumber left of it and is BoxWidth wide.
    const double cellLeft = FirstColumnX - BoxLeftOfNumber - (ColumnPitch - BoxWidth) / 2.0;
    const double column = std::floor((offset.x() - cellLeft) / ColumnPitch);
    const double row = std::floor((offset.y() - NumbersTop) / RowPitch);
    if (column < 0 || column > 6 || row < 0 || row > 5)
        return std::nullopt;
    const MonthFrame frame = monthFrame(year, month);
    const int day = int(row) * 7 + grid.columnOf(int(column)) - grid.slotOf(frame.weekdayOfFirst) + 1;
    if (day < 1 || day > frame.daysInMonth)
        return std::nullopt;
    return day;
}
