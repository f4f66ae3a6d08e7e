#include "page/monthblock.h"

#include "tests/support/recordingdatelist.h"
#include "tests/support/recordingpagesurface.h"

#include <QDate>
#include <QLocale>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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
    state.setDayMark(3, 1, 0);
    state.setDayMark(3, 17, 2);
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

// The column (0 leftmost) and row of every day, found by walking the month with QDate: a new
// row begins at each date on the week's first weekday, except on the 1st.
std::vector<std::pair<int, int>> expectedCells(int year, int month, int firstQtDay, bool rightToLeft)
{
    std::vector<std::pair<int, int>> cells;
    int row = 0;
    for (QDate date(year, month, 1); date.month() == month; date = date.addDays(1)) {
        row += date.dayOfWeek() == firstQtDay && date.day() > 1;
        const int place = (date.dayOfWeek() - firstQtDay + 7) % 7;
        cells.push_back({rightToLeft ? 6 - place : place, row});
    }
    return cells;
}

// Every day in its cell: the nearest of the seven heads names its weekday (CLDR's narrow
// name), and it stands a row lower than the day before exactly when a new week begins.
void expectGrid(const Block &block, int year, int month, int firstQtDay, bool rightToLeft, const QLocale &names)
{
    const std::vector<std::pair<int, int>> cells = expectedCells(year, month, firstQtDay, rightToLeft);
    ASSERT_EQ(block.texts.size(), 8 + cells.size());
    for (int day = 1; day <= int(cells.size()); ++day) {
        const auto [column, row] = cells[size_t(day - 1)];
        const Op &op = block.texts[size_t(7 + day)];
        const auto head = std::min_element(block.texts.begin() + 1, block.texts.begin() + 8, [&](const Op &a, const Op &b) {
            return std::abs(a.args[0] - op.args[0]) < std::abs(b.args[0] - op.args[0]);
        });
        ASSERT_EQ(head - block.texts.begin() - 1, column) << day;
        ASSERT_EQ(head->text, names.standaloneDayName(QDate(year, month, day).dayOfWeek(), QLocale::NarrowFormat)) << day;
        if (day > 1) {
            const double above = block.texts[size_t(6 + day)].args[1];
            ASSERT_EQ(op.args[1] > above, row > cells[size_t(day - 2)].second) << day;
            ASSERT_GE(op.args[1], above) << day;
        }
    }
}

class EveryFirstWeekday : public testing::TestWithParam<int>
{
};

TEST_P(EveryFirstWeekday, DaysStandUnderTheirWeekdaysAndTheDateListStays)
{
    const int weekStart = GetParam();   // 1 Sunday .. 7 Saturday
    const int firstQtDay = weekStart == 1 ? Qt::Sunday : weekStart - 1;
    const CalendarState state = pageWith(weekStart, QStringLiteral("en_US"));
    for (const int year : {2024, 2027})
        for (int month = 1; month <= 12; ++month) {
            SCOPED_TRACE(QStringLiteral("%1-%2").arg(year).arg(month).toStdString());
            expectGrid(place(state, year, month), year, month, firstQtDay, false, QLocale(QStringLiteral("en_US")));
        }
    EXPECT_EQ(place(state, 2027, 3).dateList, place(pageWith(1), 2027, 3).dateList);
    EXPECT_EQ(place(state, 2027, 3).dateList, (QStringList{"March 01  label 0", "March 17  label 2"}));
}

// Every day drawn is found again under its own number, on any grid.
TEST_P(EveryFirstWeekday, TheHitTestFindsEveryDayWhereItIsDrawn)
{
    for (const char *language : {"", "he_IL"}) {
        const CalendarState state = pageWith(GetParam(), QString::fromLatin1(language));
        for (int month = 1; month <= 12; ++month) {
            const Block block = place(state, 2026, month);
            for (size_t i = 8; i < block.texts.size(); ++i) {
                const Op &op = block.texts[i];
                const QPointF middle(op.args[0] - Left + 10 * op.text.size() * 5, op.args[1] - Top + 100);
                ASSERT_EQ(dayAtBlockPoint(2026, month, middle, weekGrid(state.page)), op.text.toInt())
                    << language << " " << month << "/" << op.text.toStdString();
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

// WKS 0 takes CLDR's first day of the territory; Hebrew and Arabic read right to left, the
// week's first day in the right-hand column.
TEST(PlaceMonth, WeekStartZeroTakesTheLanguagesFirstDayAndDirection)
{
    struct Row
    {
        const char *language;
        int firstQtDay;
        bool rightToLeft;
    };
    for (const Row row : {Row{"de_DE", Qt::Monday, false}, Row{"en_US", Qt::Sunday, false}, Row{"he_IL", Qt::Sunday, true},
                          Row{"ar_EG", Qt::Saturday, true}}) {
        SCOPED_TRACE(row.language);
        const QString language = QString::fromLatin1(row.language);
        expectGrid(place(pageWith(0, language), 2027, 8), 2027, 8, row.firstQtDay, row.rightToLeft, QLocale(language));
    }
}

// The ISO week most of a row's seven days belong to, as QDate numbers them.
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
    int firstOfJanuary;
};

class WeekNumbers : public testing::TestWithParam<YearCase>
{
};

TEST_P(WeekNumbers, EachRowShowsTheIsoWeekMostOfItsDaysBelongTo)
{
    const YearCase c = GetParam();
    ASSERT_EQ(QDate(c.year, 1, 1).dayOfWeek(), c.firstOfJanuary);
    for (int weekStart = 1; weekStart <= 7; ++weekStart) {
        const int firstQtDay = weekStart == 1 ? Qt::Sunday : weekStart - 1;
        CalendarState state = pageWith(weekStart);
        state.page.weekNumbers = true;
        for (int month = 1; month <= 12; ++month) {
            SCOPED_TRACE(QStringLiteral("start %1, month %2").arg(weekStart).arg(month).toStdString());
            RecordingPageSurface surface;
            RecordingDateList list;
            PlaceMonth(state, surface, list, qint16(c.year), qint16(month), Left, Top, QStringLiteral("Arial"));
            std::vector<Op> numbers = surface.ops(QStringLiteral("text"));
            std::erase_if(numbers, [](const Op &op) { return op.args[2] != 6; });
            ASSERT_EQ(numbers.size(), size_t(expectedCells(c.year, month, firstQtDay, false).back().second + 1));
            const QDate first(c.year, month, 1);
            const QDate rowStart = first.addDays(-((first.dayOfWeek() - firstQtDay + 7) % 7));
            // Where they stand and in which grey is pinned by the page goldens.
            for (size_t row = 0; row < numbers.size(); ++row)
                EXPECT_EQ(numbers[row].text, QString::number(majorityWeek(rowStart.addDays(7 * qint64(row)))));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PlaceMonth, WeekNumbers,
                         testing::Values(YearCase{"monday_2018", 2018, Qt::Monday}, YearCase{"tuesday_2019", 2019, Qt::Tuesday},
                                         YearCase{"wednesday_leap_53_weeks_2020", 2020, Qt::Wednesday},
                                         YearCase{"thursday_53_weeks_2015", 2015, Qt::Thursday},
                                         YearCase{"thursday_leap_53_weeks_2032", 2032, Qt::Thursday},
                                         YearCase{"friday_2021", 2021, Qt::Friday}, YearCase{"saturday_2022", 2022, Qt::Saturday},
                                         YearCase{"sunday_2023", 2023, Qt::Sunday}),
                         [](const testing::TestParamInfo<YearCase> &info) { return std::string(info.param.tag); });

} // namespace
