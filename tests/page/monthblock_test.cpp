#include "page/monthblock.h"

#include "platform/usererror.h"
#include "tests/support/recordingdatelist.h"
#include "tests/support/recordingpagesurface.h"

#include <QDate>
#include <QLocale>

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

// The "text" op that printed day `day` (the heading and seven initials come first).
Op dayText(const RecordingPageSurface &surface, int day)
{
    return surface.ops(QStringLiteral("text")).at(size_t(8 + day - 1));
}

} // namespace

// Where each number stands is pinned by the page goldens; here, that a device whose box
// moves the cursor (as a printer's does) moves no number: marked Saturdays still end their
// row, and the block leaves the cursor at the end of the last number.
TEST(PlaceMonth, MarksOnACursorMovingDeviceMoveNoNumber)
{
    CalendarState marked = markedState();
    for (const int day : {1, 15, 27, 30})  // two Saturdays, a Thursday, the last day
        marked.setDayMark(6, day, day % 5);
    RecordingPageSurface plain;
    CursorMovingSurface moving;
    RecordingDateList sink;
    PlaceMonth(markedState(), plain, sink, 2024, 6, 600, 4600, QStringLiteral("Arial"));
    PlaceMonth(marked, moving, sink, 2024, 6, 600, 4600, QStringLiteral("Arial"));
    EXPECT_EQ(moving.ops(QStringLiteral("text")), plain.ops(QStringLiteral("text")));
    const Op last = dayText(plain, 30);
    EXPECT_EQ(moving.currentX(), last.args[0] + RecordingPageSurface::widthRule(QStringLiteral("30"), 10));
    EXPECT_EQ(moving.currentY(), last.args[1]);
}

TEST(PlaceMonth, ListsAndBoxesOnlyItsOwnMarkedDaysInDayOrder)
{
    CalendarState state = markedState();
    state.setDayMark(2, 29, 0);
    state.setDayMark(2, 3, 4);
    state.setDayMark(2, 14, 2);
    state.setDayMark(5, 10, 0);  // another month's mark
    state.MarkLegend[2][1] = QStringLiteral("  Valentine ");
    RecordingPageSurface surface;
    RecordingDateList sink;
    PlaceMonth(state, surface, sink, 2024, 2, 0, 0, QStringLiteral("Arial"));
    EXPECT_EQ(sink.lines, (QStringList{QStringLiteral("February 03  label 4"), QStringLiteral("February 14  Valentine"),
                                       QStringLiteral("February 29  label 0")}));
    EXPECT_EQ(surface.ops(QStringLiteral("box")).size(), 3u);

    RecordingPageSurface june;
    RecordingDateList juneList;
    PlaceMonth(state, june, juneList, 2024, 6, 0, 0, QStringLiteral("Arial"));
    EXPECT_TRUE(june.ops(QStringLiteral("box")).empty());
    EXPECT_TRUE(juneList.lines.isEmpty());
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

// The heading and the date-list name the month alike, stand-alone (CLDR's "Март", not
// "марта"), in the page's language or else in the program's.
TEST(PlaceMonth, HeadingAndDateListNameTheMonthInTheSameLanguage)
{
    const struct
    {
        const char *programLanguage;
        const char *pageLanguage;
        const char *name;
    } rows[] = {{"de_DE", "", "März"}, {"en_US", "ru_RU", "Март"}};
    const QLocale saved;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QLocale::setDefault(QLocale(QString::fromLatin1(row.programLanguage)));
        CalendarState state = markedState();
        state.page.language = QString::fromLatin1(row.pageLanguage);
        state.setDayMark(3, 4, 0);
        RecordingPageSurface surface;
        RecordingDateList sink;
        PlaceMonth(state, surface, sink, 2024, 3, 0, 0, QStringLiteral("Arial"));
        QLocale::setDefault(saved);
        const QString name = QString::fromUtf8(row.name);
        EXPECT_EQ(surface.texts().value(0), name);
        EXPECT_EQ(sink.lines, QStringList{name + QStringLiteral(" 04  label 0")});
    }
}
