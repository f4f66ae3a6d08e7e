#include "page/composepage.h"

#include "calendar/datelistsink.h"
#include "calendar/dayrules.h"
#include "calendar/moonphases.h"
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

// The blank kept between the message and the picture beside it.
constexpr int MessageGap = 200;

struct MessageLine
{
    double x;
    double y;
    QString text;
};

// Widths are compared in whole twips; ties go to the even neighbour like every other
// rounding of the calendar. Kept in a double: a long header at 24 pt is wider than 16 bits.
double roundedWidth(const PageSurface &surface, const QString &text)
{
    return std::nearbyint(surface.textWidth(text));
}

// Greedy word wrap of `text` into lines no wider than `width` at the surface's font; nothing
// when a single word is wider.
std::optional<QStringList> wrapped(const QString &text, double width, const PageSurface &surface)
{
    QStringList lines;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (roundedWidth(surface, word) > width)
            return std::nullopt;
        const QString joined = lines.isEmpty() ? QString() : lines.back() + QLatin1Char(' ') + word;
        if (!lines.isEmpty() && roundedWidth(surface, joined) <= width)
            lines.back() = joined;
        else
            lines << word;
    }
    return lines;
}

// `text` cut to `width` with an ellipsis.
QString elided(const QString &text, double width, const PageSurface &surface)
{
    const QString ellipsis(QChar(0x2026));
    QString cut = text;
    while (!cut.isEmpty() && roundedWidth(surface, cut + ellipsis) > width)
        cut.chop(1);
    return cut + ellipsis;
}

// The message's lines and where each begins. Centred on the band below the header as it has
// always been; when the picture beside the header stands where that line would run, the
// message is centred in the space left of the picture instead, wrapped onto as many lines as
// fit above the year, and only when it still does not fit is it set smaller, in 2-point steps
// down to 8 pt, where what is left over is cut. Leaves the surface at the size chosen.
std::vector<MessageLine> layMessage(const QString &message, PageSurface &surface, const std::optional<QRectF> &picture)
{
    const double width = roundedWidth(surface, message);
    const double x = LeftMargin + (MessageBand - width) / 2;
    // The line's height taken as one em (20 twips per point).
    const double height = 20 * surface.fontSize();
    const bool collides = picture && x + width > picture->left() && x < picture->right()
        && MessageTop + height > picture->top() && MessageTop < picture->bottom();
    if (!collides)
        return {{x, MessageTop, message}};

    const double space = picture->left() - MessageGap - LeftMargin;
    const auto centred = [&](const QStringList &lines) {
        std::vector<MessageLine> placed;
        const double lineHeight = 20 * surface.fontSize();
        for (qsizetype i = 0; i < lines.size(); ++i)
            placed.push_back({LeftMargin + (space - roundedWidth(surface, lines[i])) / 2, MessageTop + lineHeight * double(i), lines[i]});
        return placed;
    };
    const auto linesThatFit = [&surface] { return std::max(1, int((YearTop - MessageTop) / (20 * surface.fontSize()))); };
    double size = MessagePoints;
    for (;;) {
        const std::optional<QStringList> lines = wrapped(message, space, surface);
        if (lines && lines->size() <= linesThatFit())
            return centred(*lines);
        if (size <= MessageMinimumPoints)
            break;
        // As with the header: step from the size the device uses, never below the floor.
        size = std::max(MessageMinimumPoints, std::min(size, surface.fontSize()) - 2);
        surface.setFontSize(size);
    }
    // At the smallest size the lines that fit are kept and the last is cut.
    const std::optional<QStringList> lines = wrapped(message, space, surface);
    if (!lines)
        return centred({elided(message, space, surface)});
    const int fit = linesThatFit();
    QStringList kept = lines->mid(0, fit - 1);
    kept << elided(QStringList(lines->mid(fit - 1)).join(QLatin1Char(' ')), space, surface);
    return centred(kept);
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
    for (const MessageLine &line : layMessage(state.txtMessage[5], surface, picture)) {
        surface.setCurrentX(line.x);
        surface.setCurrentY(line.y);
        surface.printText(line.text, true);
    }
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

// The line under the legend that says what the moon symbols mean, or why there are none.
void printMoonLegend(const CalendarState &state, const CalendarSpan &span, PageSurface &surface)
{
    surface.setFontSize(MoonLegendPoints);
    surface.setFontBold(false);
    surface.setCurrentY(MoonLegendTop);
    surface.setCurrentX(LeftMargin);
    if (int(span.firstYear) < FirstMoonPhaseYear || int(span.lastYear()) > LastMoonPhaseYear) {
        surface.printText(ComposePageWords::tr("Moon phases are worked out for the years %1 to %2 only.")
                              .arg(FirstMoonPhaseYear)
                              .arg(LastMoonPhaseYear),
                          true);
        return;
    }
    const std::pair<MoonPhase, QString> entries[] = {
        {MoonPhase::NewMoon, ComposePageWords::tr("new moon")},
        {MoonPhase::FirstQuarter, ComposePageWords::tr("first quarter")},
        {MoonPhase::FullMoon, ComposePageWords::tr("full moon")},
        {MoonPhase::LastQuarter, ComposePageWords::tr("last quarter")},
    };
    for (const auto &[phase, name] : entries) {
        const QString calendarFont = state.strCalendarFont;
        surface.setFontName(moonSymbolFont());
        surface.printText(moonSymbol(phase) + QLatin1Char(' '), false);
        surface.setFontName(calendarFont);
        surface.printText(name + QStringLiteral("    "), false);
    }
    surface.printText(QString(), true);
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
    QString spanProblem;
    const std::optional<CalendarSpan> span = calendarSpan(state, &spanProblem);
    if (!span) {
        spanProblem[0] = spanProblem[0].toUpper();
        throw UserError(spanProblem);
    }
    plan.span = *span;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
            const qint16 mark = state.dayMark(month, day);
            if (mark != NoMark && (mark < 0 || mark >= MarkCategories))
                throw UserError(ComposePageWords::tr("Mark category %1 is outside 0 to 4").arg(mark));
        }
    }
    if (state.binSelPic) {
        plan.picture = state.chkFullPicture ? graphicRect(state, LeftMargin + 2 * FrameStep, PictureTop, 1)
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
    surface.printText(yearTitle(state.txtYear, plan.span), true);

    if (plan.picture)
        surface.drawPicture(*state.picTemp, plan.picture->x(), plan.picture->y(), plan.picture->width(),
                            plan.picture->height());

    printFrames(surface);
    printLegend(state, surface);
    if (state.page.moonPhases) {
        surface.setFontName(state.strCalendarFont);
        printMoonLegend(state, plan.span, surface);
    }

    // The blocks follow the page's months in reading order: the first month shown top left.
    for (int i = 0; i < 12; ++i) {
        const std::chrono::year_month shown = plan.span.shown(i);
        PlaceMonth(state, surface, dateList, qint16(int(shown.year())), qint16(unsigned(shown.month())),
                   qint16(monthLeft(i + 1)), qint16(monthTop(i + 1)), state.strCalendarFont);
    }
}

QString yearTitle(const QString &yearText, const CalendarSpan &span)
{
    if (!span.crossesNewYear())
        return yearText;
    // "2027 - the reunion year" becomes "2027/2028 - the reunion year".
    const QString trimmed = yearText.trimmed();
    qsizetype digits = 0;
    while (digits < trimmed.size() && trimmed[digits].isDigit())
        ++digits;
    return spanTitle(span) + trimmed.mid(digits);
}

std::optional<QDate> dayAtPagePoint(const CalendarState &state, QPointF twips)
{
    const std::optional<CalendarSpan> span = calendarSpan(state);
    if (!span)
        return std::nullopt;
    const WeekGrid grid = weekGrid(state.page);
    for (int i = 0; i < 12; ++i) {
        const QPointF offset = twips - QPointF(monthLeft(i + 1), monthTop(i + 1));
        if (offset.x() < 0 || offset.x() >= ColumnPitch || offset.y() < 0 || offset.y() >= RowPitch)
            continue;
        const int year = int(span->shown(i).year());
        const int month = int(unsigned(span->shown(i).month()));
        if (const std::optional<int> day = dayAtBlockPoint(year, month, offset, grid))
            return QDate(year, month, *day);
    }
    return std::nullopt;
}

void composePage(const CalendarState &state, PageSurface &surface, DateListSink &dateList)
{
    drawPage(state, planPage(state), surface, dateList);
}
