#include "layout/monthblock.h"

#include "layout/markcolour.h"
#include "tests/support/recordingdatelist.h"
#include "tests/support/recordingpagesurface.h"

#include <QDate>
#include <QLocale>
#include <QMap>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>

namespace {

using Op = RecordingPageSurface::Op;

constexpr int Left = 4320;
constexpr int Top = 7192;

CalendarState pageWith(int weekStart, const QString &language = QString())
{
    CalendarState state = loadDefaults(QDate(2026, 6, 1));
    state.page.weekStart = weekStart;
    state.page.language = language;
    for (int c = 0; c < MarkCategories; ++c)
        state.MarkLegend[c][1] = QStringLiteral("label %1").arg(c);
    return state;
}

struct Block
{
    std::vector<Op> texts;
    QStringList dateList;
};

Block place(const CalendarState &state, int year, int month)
{
    RecordingPageSurface surface;
    RecordingDateList list;
    PlaceMonth(state, surface, list, qint16(year), qint16(month), Left, Top, QStringLiteral("Arial"));
    return {surface.ops(QStringLiteral("text")), list.lines};
}

// Where each day of the month stands, worked out by walking the month with QDate: a new row
// begins at every date whose weekday is the first of the week, except on the 1st. Column 0
// is the leftmost; a right-to-left grid counts its columns from the right.
struct Cell
{
    int column;
    int row;
};
std::vector<Cell> expectedCells(int year, int month, int firstQtDay, bool rightToLeft)
{
    std::vector<Cell> cells;
    int row = 0;
    for (QDate date(year, month, 1); date.month() == month; date = date.addDays(1)) {
        if (date.dayOfWeek() == firstQtDay && date.day() > 1)
            ++row;
        const int place = (date.dayOfWeek() - firstQtDay + 7) % 7;
        cells.push_back({rightToLeft ? 6 - place : place, row});
    }
    return cells;
}

// The seven weekday heads, then the days.
void expectGrid(const Block &block, int year, int month, int firstQtDay, bool rightToLeft, const QLocale &names)
{
    const int days = QDate(year, month, 1).daysInMonth();
    ASSERT_EQ(block.texts.size(), size_t(1 + 7 + days));
    const std::vector<Cell> cells = expectedCells(year, month, firstQtDay, rightToLeft);
    for (int day = 1; day <= days; ++day) {
        SCOPED_TRACE(day);
        const Op &op = block.texts[size_t(7 + day)];
        const Cell cell = cells[size_t(day - 1)];
        EXPECT_EQ(op.text, QString::number(day));
        EXPECT_EQ(op.args[0], Left + (day < 10 ? 200 : 140) + 460 * cell.column);
        EXPECT_EQ(op.args[1], Top + 770 + 280 * cell.row);
        // The head over the day's column names its weekday.
        const QString head = block.texts[size_t(1 + cell.column)].text;
        EXPECT_EQ(head, names.standaloneDayName(QDate(year, month, day).dayOfWeek(), QLocale::NarrowFormat));
        EXPECT_EQ(block.texts[size_t(1 + cell.column)].args[0], Left + 200 + 460 * cell.column);
    }
}

class EveryFirstWeekday : public testing::TestWithParam<int>
{
};

TEST_P(EveryFirstWeekday, DaysStandUnderTheirWeekdaysInEveryMonth)
{
    const int weekStart = GetParam();   // 1 Sunday .. 7 Saturday
    const int firstQtDay = weekStart == 1 ? Qt::Sunday : weekStart - 1;
    // English narrow names are the letters the page has always had.
    const CalendarState state = pageWith(weekStart, QStringLiteral("en_US"));
    for (const int year : {2024, 2027}) {
        for (int month = 1; month <= 12; ++month) {
            SCOPED_TRACE(QStringLiteral("%1-%2").arg(year).arg(month).toStdString());
            expectGrid(place(state, year, month), year, month, firstQtDay, false, QLocale(QStringLiteral("en_US")));
            if (HasFatalFailure())
                return;
        }
    }
}

TEST_P(EveryFirstWeekday, TheDateListAndTheMarksDoNotMove)
{
    CalendarState sundays = pageWith(1);
    sundays.setDayMark(3, 1, 0);
    sundays.setDayMark(3, 17, 2);
    sundays.setDayMark(3, 31, 4);
    CalendarState rotated = sundays;
    rotated.page.weekStart = GetParam();
    const Block reference = place(sundays, 2027, 3);
    const Block block = place(rotated, 2027, 3);
    EXPECT_EQ(block.dateList, reference.dateList);
    EXPECT_EQ(block.dateList, (QStringList{QStringLiteral("March 01  label 0"), QStringLiteral("March 17  label 2"),
                                           QStringLiteral("March 31  label 4")}));
}

// Every day printed is found again under its own number, whatever the grid.
TEST_P(EveryFirstWeekday, TheHitTestFindsEveryDayWhereItIsDrawn)
{
    for (const bool rightToLeft : {false, true}) {
        SCOPED_TRACE(rightToLeft);
        const CalendarState state = pageWith(GetParam(), rightToLeft ? QStringLiteral("he_IL") : QString());
        const WeekGrid grid = weekGrid(state.page);
        ASSERT_EQ(grid.rightToLeft, rightToLeft);
        for (int month = 1; month <= 12; ++month) {
            const Block block = place(state, 2026, month);
            for (size_t i = 8; i < block.texts.size(); ++i) {
                const Op &op = block.texts[i];
                const QPointF middle(op.args[0] - Left + RecordingPageSurface::widthRule(op.text, 10) / 2,
                                     op.args[1] - Top + 100);
                ASSERT_EQ(dayAtBlockPoint(2026, month, middle, grid), op.text.toInt()) << month << "/" << op.text.toStdString();
            }
        }
    }
}

std::string firstWeekdayName(const testing::TestParamInfo<int> &info)
{
    static const char *const names[] = {"sunday", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday"};
    return std::string("first_") + names[info.param - 1];
}

INSTANTIATE_TEST_SUITE_P(PlaceMonth, EveryFirstWeekday, testing::Range(1, 8), firstWeekdayName);

TEST(PlaceMonth, WeekStartZeroTakesTheLanguagesFirstDay)
{
    struct Row
    {
        const char *language;
        int firstQtDay;   // CLDR's first day of the week for the territory
    };
    for (const Row row : {Row{"de_DE", Qt::Monday}, Row{"en_US", Qt::Sunday}, Row{"ar_EG", Qt::Saturday},
                          Row{"fr_FR", Qt::Monday}}) {
        SCOPED_TRACE(row.language);
        const QString language = QString::fromLatin1(row.language);
        const CalendarState state = pageWith(0, language);
        expectGrid(place(state, 2027, 8), 2027, 8, row.firstQtDay, language.startsWith(QLatin1String("ar")),
                   QLocale(language));
    }
}

// Hebrew, a right-to-left language: the week starts at the right-hand column on Sunday and
// the days run leftwards; the heads are the narrow Hebrew day names.
TEST(PlaceMonth, RightToLeftLanguageMirrorsTheWeek)
{
    const CalendarState state = pageWith(0, QStringLiteral("he_IL"));
    const Block block = place(state, 2027, 8);   // 1 August 2027 is a Sunday
    expectGrid(block, 2027, 8, Qt::Sunday, true, QLocale(QStringLiteral("he_IL")));
    ASSERT_GE(block.texts.size(), 10u);
    // Typed from CLDR's Hebrew calendar data: "ינואר" is January; Sunday's narrow name is "א׳".
    EXPECT_EQ(block.texts[7].text, QString::fromUtf8("א׳"));
    EXPECT_EQ(place(state, 2027, 1).texts[0].text, QString::fromUtf8("ינואר"));
    EXPECT_GT(block.texts[8].args[0], block.texts[9].args[0]);   // day 2 left of day 1
}

// ISO week numbers of a row, by an independent rule: the ISO week that most of the row's
// seven days belong to, as QDate numbers them.
int majorityWeek(QDate rowStart)
{
    std::map<int, int> count;
    for (int i = 0; i < 7; ++i)
        ++count[rowStart.addDays(i).weekNumber()];
    return std::max_element(count.begin(), count.end(), [](auto &a, auto &b) { return a.second < b.second; })->first;
}

struct YearCase
{
    const char *tag;
    int year;
    int firstOfJanuary;   // Qt::DayOfWeek, checked against QDate below
};

class WeekNumbers : public testing::TestWithParam<YearCase>
{
};

TEST_P(WeekNumbers, EachRowShowsTheIsoWeekMostOfItsDaysBelongTo)
{
    const YearCase c = GetParam();
    ASSERT_EQ(QDate(c.year, 1, 1).dayOfWeek(), c.firstOfJanuary);
    for (int weekStart = 1; weekStart <= 7; ++weekStart) {
        SCOPED_TRACE(weekStart);
        const int firstQtDay = weekStart == 1 ? Qt::Sunday : weekStart - 1;
        CalendarState state = pageWith(weekStart);
        state.page.weekNumbers = true;
        for (int month = 1; month <= 12; ++month) {
            SCOPED_TRACE(month);
            RecordingPageSurface surface;
            RecordingDateList list;
            PlaceMonth(state, surface, list, qint16(c.year), qint16(month), Left, Top, QStringLiteral("Arial"));
            std::vector<Op> numbers;
            for (const Op &op : surface.ops(QStringLiteral("text")))
                if (op.args[2] == 7)
                    numbers.push_back(op);
            const std::vector<Cell> cells = expectedCells(c.year, month, firstQtDay, false);
            ASSERT_EQ(numbers.size(), size_t(cells.back().row + 1));
            const QDate first(c.year, month, 1);
            const QDate firstRowStart = first.addDays(-((first.dayOfWeek() - firstQtDay + 7) % 7));
            for (size_t row = 0; row < numbers.size(); ++row) {
                SCOPED_TRACE(row);
                EXPECT_EQ(numbers[row].text, QString::number(majorityWeek(firstRowStart.addDays(7 * qint64(row)))));
                // Right-aligned at 75 twips into the block, on the row's baseline, not bold.
                EXPECT_EQ(numbers[row].args[0] + RecordingPageSurface::widthRule(numbers[row].text, 7), Left + 75);
                EXPECT_EQ(numbers[row].args[1], Top + 770 + 280 * double(row) + 55);
                EXPECT_EQ(numbers[row].args[3], 0);
            }
            EXPECT_EQ(surface.fontSize(), 10);
            EXPECT_TRUE(surface.bold());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PlaceMonth, WeekNumbers,
                         testing::Values(YearCase{"monday_2018", 2018, Qt::Monday},
                                         YearCase{"tuesday_2019", 2019, Qt::Tuesday},
                                         YearCase{"wednesday_leap_53_weeks_2020", 2020, Qt::Wednesday},
                                         YearCase{"thursday_53_weeks_2015", 2015, Qt::Thursday},
                                         YearCase{"thursday_leap_53_weeks_2032", 2032, Qt::Thursday},
                                         YearCase{"friday_2021", 2021, Qt::Friday},
                                         YearCase{"saturday_2022", 2022, Qt::Saturday},
                                         YearCase{"sunday_2023", 2023, Qt::Sunday}),
                         [](const testing::TestParamInfo<YearCase> &info) { return std::string(info.param.tag); });

TEST(PlaceMonth, WeekNumbersEndLeftOfTheFirstMarkBox)
{
    // The leftmost box (a one-digit day in column 0) starts at 103 twips into the block.
    CalendarState state = pageWith(2);
    state.page.weekNumbers = true;
    state.setDayMark(3, 1, 0);   // 1 March 2027, a Monday: column 0
    RecordingPageSurface surface;
    RecordingDateList list;
    PlaceMonth(state, surface, list, 2027, 3, Left, Top, QStringLiteral("Arial"));
    const std::vector<Op> boxes = surface.ops(QStringLiteral("box"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].args[0], Left + 103);
    EXPECT_LT(Left + 75, boxes[0].args[0]);
}

// Safe and patterned tints lie under a black number: the box comes first, with the copy
// pen, and the number is printed over it where it always stood.
TEST(PlaceMonth, TintedMarksGoUnderTheNumber)
{
    for (const Palette palette : {Palette::Safe, Palette::Patterns}) {
        SCOPED_TRACE(int(palette));
        CalendarState state = pageWith(1);
        state.page.palette = palette;
        state.setDayMark(6, 9, 3);
        state.setDayMark(6, 10, 1);
        RecordingPageSurface surface;
        RecordingDateList list;
        PlaceMonth(state, surface, list, 2024, 6, Left, Top, QStringLiteral("Arial"));
        const std::vector<Op> &ops = surface.ops();
        for (const char *day : {"9", "10"}) {
            SCOPED_TRACE(day);
            const auto number = std::find_if(ops.begin(), ops.end(), [day](const Op &op) {
                return op.kind == QLatin1String("text") && op.text == QLatin1String(day);
            });
            ASSERT_NE(number, ops.end());
            const auto box = std::find_if(std::make_reverse_iterator(number), ops.rend(),
                                          [](const Op &op) { return op.kind == QLatin1String("box"); });
            ASSERT_NE(box, ops.rend());
            const int category = QLatin1String(day) == QLatin1String("9") ? 3 : 1;
            EXPECT_EQ(box->colour, markColour(state, category));
            EXPECT_EQ(box->args[7], 13);   // copy pen
            EXPECT_EQ(box->args[0], number->args[0] - (QLatin1String(day) == QLatin1String("9") ? 97 : 25));
            EXPECT_EQ(box->args[1], number->args[1]);
            // No box drawn later covers the number.
            const double numberRight = number->args[0] + RecordingPageSurface::widthRule(number->text, 10);
            for (auto later = number + 1; later != ops.end(); ++later) {
                if (later->kind == QLatin1String("box")) {
                    EXPECT_FALSE(later->args[1] == number->args[1] && later->args[0] < numberRight
                                 && later->args[0] + later->args[2] > number->args[0]);
                }
            }
        }
        std::vector<double> patterns;
        for (const Op &op : surface.ops(QStringLiteral("fillPattern")))
            patterns.push_back(op.args[0]);
        if (palette == Palette::Patterns)
            EXPECT_EQ(patterns, (std::vector<double>{double(markPattern(state, 3)), 0, double(markPattern(state, 1)), 0}));
        else
            EXPECT_EQ(patterns, (std::vector<double>{0, 0, 0, 0}));
        EXPECT_EQ(surface.fillPattern(), FillPattern::Solid);
        EXPECT_EQ(list.lines, (QStringList{QStringLiteral("June 09  label 3"), QStringLiteral("June 10  label 1")}));
    }
}

// The date-list file names the months as the page does, whatever the desktop's language.
TEST(PlaceMonth, HeadingAndDateListSpeakThePagesLanguage)
{
    for (const char *language : {"ru_RU", "pl_PL", "he_IL"}) {
        SCOPED_TRACE(language);
        CalendarState state = pageWith(1, QString::fromLatin1(language));
        state.setDayMark(3, 17, 2);
        const Block block = place(state, 2027, 3);
        const QString march = QLocale(QString::fromLatin1(language)).standaloneMonthName(3);
        ASSERT_FALSE(block.texts.empty());
        EXPECT_EQ(block.texts[0].text.toLower(), march.toLower());
        EXPECT_EQ(block.dateList, QStringList{block.texts[0].text + QStringLiteral(" 17  label 2")});
    }
}

} // namespace
