#include "page/monthblock.h"

#include "platform/usererror.h"
#include "tests/support/recordingdatelist.h"
#include "tests/support/recordingpagesurface.h"

#include <QDate>
#include <QLocale>
#include <QSet>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

using Op = RecordingPageSurface::Op;

// Like a printer, whose box leaves the cursor at the box's far corner.
class CursorMovingSurface : public RecordingPageSurface
{
public:
    void box(double x, double y, double dx, double dy, QRgb colour, bool filled) override
    {
        RecordingPageSurface::box(x, y, dx, dy, colour, filled);
        setCurrentX(x + dx);
        setCurrentY(y + dy);
    }
};

CalendarState markedState()
{
    CalendarState state = loadDefaults(QDate(2000, 6, 1));
    for (int c = 0; c < MarkCategories; ++c)
        state.MarkLegend[c][1] = QStringLiteral("label %1").arg(c);
    return state;
}

// Where the week grid puts `day`: column 0 = Sunday, row 0 = the row of the 1st. Worked out
// with QDate, not with the code under test.
struct Cell
{
    int column;
    int row;
};
Cell cellOf(int year, int month, int day)
{
    const int index = QDate(year, month, 1).dayOfWeek() % 7 + day - 1;
    return {index % 7, index / 7};
}

double numberX(int left, int year, int month, int day)
{
    return left + (day < 10 ? 200 : 140) + 460 * cellOf(year, month, day).column;
}
double rowY(int top, int year, int month, int day)
{
    return top + 770 + 280 * cellOf(year, month, day).row;
}
double boxX(int left, int year, int month, int day)
{
    return left + (day < 10 ? 103 : 115) + 460 * cellOf(year, month, day).column;
}

// The "text" op that printed day `day` (the heading and seven initials come first).
Op dayText(const RecordingPageSurface &surface, int day)
{
    return surface.ops(QStringLiteral("text")).at(size_t(8 + day - 1));
}

QRgb colourOf(const CalendarState &state, int category)
{
    const auto &rgb = state.MarkColors[category];
    return qRgb(rgb[0], rgb[1], rgb[2]);
}

struct GridCase
{
    const char *tag;
    int year;
    int month;
    int left;
    int top;
    int rows;
};

class MonthGrid : public ::testing::TestWithParam<GridCase>
{
};

} // namespace

TEST_P(MonthGrid, PutsEveryItemWhereTheGeometryTableSays)
{
    const GridCase c = GetParam();
    const CalendarState state = markedState();
    RecordingPageSurface surface;
    RecordingDateList sink;
    PlaceMonth(state, surface, sink, qint16(c.year), qint16(c.month), qint16(c.left), qint16(c.top),
               QStringLiteral("Arial"));

    const QString name = QLocale().standaloneMonthName(c.month);
    const std::vector<Op> texts = surface.ops(QStringLiteral("text"));
    const int days = QDate(c.year, c.month, 1).daysInMonth();
    ASSERT_EQ(texts.size(), size_t(1 + 7 + days));

    // Heading: 16 pt bold, centred on 3312 by the rule's width (10 twips per char per point).
    EXPECT_EQ(texts[0].text, name);
    EXPECT_EQ(texts[0].args, (std::vector<double>{c.left + (3312 - 160.0 * name.size()) / 2, double(c.top), 16, 1, 0}));

    const QString initials = QStringLiteral("SMTWTFS");
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(texts[1 + i].text, initials.at(i));
        EXPECT_EQ(texts[1 + i].args,
                  (std::vector<double>{c.left + 200.0 + 460 * i, c.top + 420.0, 10, 1, 0}));
    }

    const auto lines = surface.ops(QStringLiteral("line"));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].args, (std::vector<double>{c.left + 75.0, c.top + 680.0, 3100, 0, 6}));
    EXPECT_EQ(lines[0].colour, qRgb(0, 0, 0));

    QSet<double> rowTops;
    for (int day = 1; day <= days; ++day) {
        SCOPED_TRACE(day);
        const Op &op = texts[8 + day - 1];
        EXPECT_EQ(op.text, QString::number(day));
        EXPECT_EQ(op.args, (std::vector<double>{numberX(c.left, c.year, c.month, day),
                                                 rowY(c.top, c.year, c.month, day), 10, 1, 0}));
        rowTops.insert(op.args[1]);
    }
    EXPECT_EQ(rowTops.size(), c.rows);
    EXPECT_TRUE(surface.ops(QStringLiteral("box")).empty());
    EXPECT_TRUE(sink.lines.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    PlaceMonth, MonthGrid,
    ::testing::Values(GridCase{"first_saturday_30_days_six_rows", 2024, 6, 8040, 7192, 6},
                      GridCase{"first_friday_31_days_six_rows", 2024, 3, 600, 4600, 6},
                      GridCase{"leap_february", 2024, 2, 4320, 4600, 5},
                      GridCase{"plain_february_from_sunday_four_rows", 2015, 2, 601, 4601, 4},
                      GridCase{"september_long_name", 2023, 9, 8040, 9784, 5},
                      GridCase{"december_year_end", 2100, 12, 8040, 12376, 5},
                      GridCase{"negative_origin", 1900, 1, -3000, -2000, 5}),
    [](const ::testing::TestParamInfo<GridCase> &info) { return std::string(info.param.tag); });

TEST(PlaceMonth, FirstOnSaturdayOpensTheSecondRowWithDayTwo)
{
    ASSERT_EQ(QDate(2024, 6, 1).dayOfWeek(), Qt::Saturday);
    RecordingPageSurface surface;
    RecordingDateList sink;
    PlaceMonth(markedState(), surface, sink, 2024, 6, 0, 0, QStringLiteral("Arial"));
    EXPECT_EQ(dayText(surface, 1).args[0], 200 + 460 * 6);
    EXPECT_EQ(dayText(surface, 1).args[1], 770);
    EXPECT_EQ(dayText(surface, 2).args[0], 200);
    EXPECT_EQ(dayText(surface, 2).args[1], 1050);
}

TEST(PlaceMonth, MarksOnNineAndTenBoxTheNumbersAndListThem)
{
    CalendarState state = markedState();
    // Brown, the dark classic colour, keeps its numbers reversed out of the box.
    state.setDayMark(6, 9, 3);
    state.setDayMark(6, 10, 3);
    RecordingPageSurface surface;
    RecordingDateList sink;
    PlaceMonth(state, surface, sink, 2024, 6, 4320, 7192, QStringLiteral("Arial"));

    const auto boxes = surface.ops(QStringLiteral("box"));
    ASSERT_EQ(boxes.size(), 2u);
    // args: x, y, dx, dy, filled, line width, line style, raster mode
    EXPECT_EQ(boxes[0].args, (std::vector<double>{boxX(4320, 2024, 6, 9), rowY(7192, 2024, 6, 9), 300, 230, 1, 1, 3, 14}));
    EXPECT_EQ(boxes[0].colour, colourOf(state, 3));
    EXPECT_EQ(boxes[1].args, (std::vector<double>{boxX(4320, 2024, 6, 10), rowY(7192, 2024, 6, 10), 300, 230, 1, 1, 3, 14}));
    EXPECT_EQ(boxes[1].colour, colourOf(state, 3));
    // Day 9 keeps the one-digit place; the box moves 72 left of 25 before the number.
    EXPECT_EQ(dayText(surface, 9).args[0] - boxes[0].args[0], 25 + 72);
    EXPECT_EQ(dayText(surface, 10).args[0] - boxes[1].args[0], 25);

    EXPECT_EQ(sink.lines, (QStringList{QStringLiteral("June 09  label 3"), QStringLiteral("June 10  label 3")}));
}

TEST(PlaceMonth, MarkSwitchesToMergePenAndBackAroundTheBox)
{
    CalendarState state = markedState();
    state.setDayMark(6, 12, 3);
    RecordingPageSurface surface;
    RecordingDateList sink;
    PlaceMonth(state, surface, sink, 2024, 6, 0, 0, QStringLiteral("Arial"));

    const auto &ops = surface.ops();
    const auto twelve = std::find_if(ops.begin(), ops.end(), [](const Op &op) {
        return op.kind == QLatin1String("text") && op.text == QLatin1String("12");
    });
    ASSERT_NE(twelve, ops.end());
    const QStringList expected{QStringLiteral("text"),       QStringLiteral("rasterMode"), QStringLiteral("lineStyle"),
                               QStringLiteral("box"),        QStringLiteral("rasterMode"), QStringLiteral("lineStyle"),
                               QStringLiteral("text")};
    QStringList kinds;
    for (auto it = twelve; it != ops.end() && kinds.size() < expected.size(); ++it)
        kinds << it->kind;
    EXPECT_EQ(kinds, expected);
    EXPECT_EQ((twelve + 1)->args, std::vector<double>{14});
    EXPECT_EQ((twelve + 2)->args, std::vector<double>{3});
    EXPECT_EQ((twelve + 4)->args, std::vector<double>{13});
    EXPECT_EQ((twelve + 5)->args, std::vector<double>{0});
    EXPECT_EQ((twelve + 6)->text, QStringLiteral("13"));
}

// The box moves this surface's cursor; the block must put it back before going on.
TEST(PlaceMonth, MarkedSaturdayStillAdvancesTheRowBy280)
{
    CalendarState state = markedState();
    state.setDayMark(6, 1, 0);   // Saturday
    state.setDayMark(6, 15, 2);  // Saturday
    CursorMovingSurface surface;
    RecordingDateList sink;
    PlaceMonth(state, surface, sink, 2024, 6, 600, 4600, QStringLiteral("Arial"));
    EXPECT_EQ(dayText(surface, 2).args[1], 4600 + 770 + 280);
    EXPECT_EQ(dayText(surface, 16).args[1], 4600 + 770 + 3 * 280);
    for (int day : {2, 16}) {
        SCOPED_TRACE(day);
        EXPECT_EQ(dayText(surface, day).args[0], numberX(600, 2024, 6, day));
    }
}

TEST(PlaceMonth, MarkOnTheLastDayLeavesTheCursorAtTheEndOfItsNumber)
{
    CalendarState state = markedState();
    state.setDayMark(6, 27, 0);  // a Thursday, so no row advance follows
    state.setDayMark(6, 30, 1);  // Sunday
    CursorMovingSurface surface;
    RecordingDateList sink;
    PlaceMonth(state, surface, sink, 2024, 6, 600, 4600, QStringLiteral("Arial"));
    EXPECT_EQ(dayText(surface, 28).args[1], rowY(4600, 2024, 6, 27));
    EXPECT_EQ(surface.currentX(), numberX(600, 2024, 6, 30) + RecordingPageSurface::widthRule(QStringLiteral("30"), 10));
    EXPECT_EQ(surface.currentY(), rowY(4600, 2024, 6, 30));
}

TEST(PlaceMonth, ListsMarkedDaysInDayOrderWithTheirLabels)
{
    CalendarState state = markedState();
    state.setDayMark(2, 29, 0);
    state.setDayMark(2, 3, 4);
    state.setDayMark(2, 14, 2);
    state.MarkLegend[2][1] = QStringLiteral("  Valentine ");
    RecordingPageSurface surface;
    RecordingDateList sink;
    PlaceMonth(state, surface, sink, 2024, 2, 0, 0, QStringLiteral("Arial"));
    EXPECT_EQ(sink.lines, (QStringList{QStringLiteral("February 03  label 4"), QStringLiteral("February 14  Valentine"),
                                       QStringLiteral("February 29  label 0")}));
    EXPECT_EQ(surface.ops(QStringLiteral("box")).size(), 3u);
}

TEST(PlaceMonth, MonthWithoutMarksDrawsNoBoxAndListsNothing)
{
    CalendarState state = markedState();
    state.setDayMark(5, 10, 0);  // another month's mark
    RecordingPageSurface surface;
    RecordingDateList sink;
    PlaceMonth(state, surface, sink, 2024, 6, 0, 0, QStringLiteral("Arial"));
    EXPECT_TRUE(surface.ops(QStringLiteral("box")).empty());
    for (const Op &op : surface.ops(QStringLiteral("rasterMode")))
        EXPECT_EQ(op.args, std::vector<double>{13});
    EXPECT_TRUE(sink.lines.isEmpty());
}

TEST(PlaceMonth, HeadingCentreTiesGoToTheEvenNeighbour)
{
    struct Case { double width; double offset; };
    const Case cases[] = {
        {311, 1500},    // 1500.5
        {313, 1500},    // 1499.5
        {309, 1502},    // 1501.5
        {1440, 936},    // exact
        {3313, 0},      // -0.5
        {3315, -2},     // -1.5
        {312.2, 1500},  // 1499.9
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.width);
        RecordingPageSurface surface;
        QList<double> measuredAt;
        surface.setWidthRule([&](const QString &text, double points) {
            if (text == QLatin1String("September"))
                measuredAt << points;
            return text == QLatin1String("September") ? c.width : RecordingPageSurface::widthRule(text, points);
        });
        RecordingDateList sink;
        PlaceMonth(markedState(), surface, sink, 2023, 9, 1001, 300, QStringLiteral("Arial"));
        // Measured in the heading font (the recorder measures again itself when printing).
        ASSERT_FALSE(measuredAt.isEmpty());
        EXPECT_EQ(measuredAt.first(), 16);
        ASSERT_NE(surface.findText(QStringLiteral("September")), nullptr);
        EXPECT_EQ(surface.findText(QStringLiteral("September"))->args[0], 1001 + c.offset);
    }
}

TEST(PlaceMonth, OriginSumsOutside16BitsFail)
{
    struct Case { const char *tag; int left; int top; double headingWidth; int markedDay; bool fails; };
    const Case cases[] = {
        {"numbers_top_at_limit", 0, 31997, 3312, 0, false},
        {"numbers_top_over", 0, 31998, 3312, 0, true},
        {"initials_left_at_limit", 32567, 0, 3312, 0, false},
        {"initials_left_over", 32568, 0, 3312, 0, true},
        {"heading_over", 32000, 0, 640, 0, true},
        {"heading_under", -32768, 0, 3314, 0, true},
        {"marked_row_over", 0, 31997, 3312, 2, true},
        {"marked_first_row_at_limit", 0, 31997, 3312, 1, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.tag);
        CalendarState state = markedState();
        if (c.markedDay)
            state.setDayMark(6, c.markedDay, 0);
        RecordingPageSurface surface;
        surface.setWidthRule([&](const QString &text, double points) {
            return points == 16 ? c.headingWidth : RecordingPageSurface::widthRule(text, points);
        });
        RecordingDateList sink;
        if (c.fails) {
            try {
                PlaceMonth(state, surface, sink, 2024, 6, qint16(c.left), qint16(c.top), QStringLiteral("Arial"));
                ADD_FAILURE() << "no failure";
            } catch (const UserError &e) {
                EXPECT_EQ(e.reason(), QStringLiteral("Overflow"));
            }
        } else {
            EXPECT_NO_THROW(
                PlaceMonth(state, surface, sink, 2024, 6, qint16(c.left), qint16(c.top), QStringLiteral("Arial")));
        }
    }
}

TEST(PlaceMonth, LeavesTheSurfaceInTheAgreedState)
{
    for (bool withMark : {false, true}) {
        SCOPED_TRACE(withMark);
        CalendarState state = markedState();
        if (withMark)
            state.setDayMark(6, 30, 2);
        RecordingPageSurface surface;
        surface.setFontName(QStringLiteral("Times"));
        surface.setFontSize(7);
        surface.setFontBold(false);
        surface.setLineWidth(4);
        surface.setLineStyle(3);
        surface.setRasterMode(RasterMode::MergePenNotPage);
        RecordingDateList sink;
        PlaceMonth(state, surface, sink, 2024, 6, 0, 0, QStringLiteral("Courier"));
        EXPECT_EQ(surface.fontName(), QStringLiteral("Courier"));
        EXPECT_EQ(surface.fontSize(), 10);
        EXPECT_TRUE(surface.bold());
        EXPECT_EQ(surface.lineWidth(), 1);
        EXPECT_EQ(surface.rasterMode(), 13);
        EXPECT_EQ(surface.lineStyle(), 0);
        // The day numbers themselves are drawn with the copy pen, not the caller's leftover.
        EXPECT_EQ(dayText(surface, 1).args[2], 10);
    }
}

TEST(PlaceMonth, RefusesAMarkOutsideTheCategoriesAndAMonthOutsideTheYear)
{
    CalendarState state = markedState();
    state.setDayMark(6, 5, 7);
    RecordingPageSurface surface;
    RecordingDateList sink;
    EXPECT_THROW(PlaceMonth(state, surface, sink, 2024, 6, 0, 0, QStringLiteral("Arial")), UserError);
    EXPECT_TRUE(surface.ops(QStringLiteral("box")).empty());
    EXPECT_THROW(PlaceMonth(markedState(), surface, sink, 2024, 13, 0, 0, QStringLiteral("Arial")), UserError);
    EXPECT_TRUE(sink.lines.isEmpty());
}

TEST(PlaceMonth, HeadingAndDateListUseTheSameLocaleName)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CalendarState state = markedState();
    state.setDayMark(3, 4, 0);
    RecordingPageSurface surface;
    RecordingDateList sink;
    PlaceMonth(state, surface, sink, 2024, 3, 0, 0, QStringLiteral("Arial"));
    QLocale::setDefault(saved);
    EXPECT_EQ(surface.texts().value(0), QStringLiteral("März"));
    EXPECT_EQ(sink.lines, QStringList{QStringLiteral("März 04  label 0")});
}
