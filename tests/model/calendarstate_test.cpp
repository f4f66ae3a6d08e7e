#include "model/calendarstate.h"

#include <gtest/gtest.h>

namespace {

TEST(LoadDefaults, FontsFlagsAndNames)
{
    const CalendarState s = loadDefaults(QDate(2026, 12, 8));
    EXPECT_EQ(s.strYearFont, "Arial");
    EXPECT_EQ(s.strHeaderFont, "Arial");
    EXPECT_EQ(s.strAddressFont, "Times");
    EXPECT_EQ(s.strMessageFont, "Arial");
    EXPECT_EQ(s.strCalendarFont, "Arial");
    EXPECT_FALSE(s.binSelPic);
    EXPECT_FALSE(s.binSelPrt);
    EXPECT_FALSE(s.binFileOK);
    EXPECT_EQ(s.strListFile, "MY_dl.txt");
    EXPECT_TRUE(s.strSelectedFile.isEmpty());
    EXPECT_EQ(s.txtCopies, "1");
    EXPECT_EQ(s.MarkCount, 0);
    EXPECT_EQ(s.intPendingDialog, PendingNone);
    EXPECT_EQ(s.picTemp, nullptr);
}

TEST(LoadDefaults, NoteBoxesHoldOneBlankAndTheMessageIsEmpty)
{
    const CalendarState s = loadDefaults(QDate(2026, 12, 8));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(s.txtMessage[i], " ") << "txtMessage(" << i << ")";
    EXPECT_EQ(s.txtMessage[5], "");
    for (const QString &line : s.textLines)
        EXPECT_TRUE(line.isEmpty());
}

TEST(LoadDefaults, EveryDayUnmarkedAndLegendDigits)
{
    const CalendarState s = loadDefaults(QDate(2026, 12, 8));
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 31; ++d)
            ASSERT_EQ(s.dayMark(m, d), NoMark) << m << "/" << d;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(s.MarkLegend[i][0], QString::number(i));
        EXPECT_TRUE(s.MarkLegend[i][1].isEmpty());
    }
}

TEST(LoadDefaults, MarkColoursDecodedFromTheirDigits)
{
    const CalendarState s = loadDefaults(QDate(2026, 12, 8));
    const qint16 expected[5][3] = {{152, 251, 152}, {128, 128, 0}, {255, 228, 181}, {165, 42, 42}, {175, 238, 238}};
    for (int i = 0; i < 5; ++i)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(s.MarkColors[i][c], expected[i][c]) << "category " << i << " component " << c;
}

TEST(DefaultYear, IsTheYearOfTodayPlus365Days)
{
    struct Row
    {
        QDate today;
        const char *year;
    } rows[] = {
        {QDate(2026, 12, 8), "2027"},
        {QDate(2026, 1, 1), "2027"},
        {QDate(2024, 1, 1), "2024"},   // leap year: 365 days later is 31 December
        {QDate(2024, 1, 2), "2025"},
        {QDate(2023, 12, 31), "2024"},
        {QDate(2027, 12, 31), "2028"},
        {QDate(999, 6, 1), "1000"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.today.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(defaultYearText(row.today), QLatin1String(row.year));
        EXPECT_EQ(loadDefaults(row.today).txtYear, QLatin1String(row.year));
    }
}

} // namespace
