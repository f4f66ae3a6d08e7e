#include "control/controlfile.h"
#include "tests/support/recordingmessages.h"

#include <gtest/gtest.h>

namespace {

// examples/birthdays.txt marks what its comments and the format document say it does.
TEST(BirthdaysExample, MarksTheBirthdaysInOneColourOverTheFridaysAndTheHolidayAsAWhole)
{
    CalendarState state = loadDefaults(QDate(2026, 6, 1));
    state.strSelectedFile = QStringLiteral(LUNARIA_SOURCE_DIR "/examples/birthdays.txt");
    RecordingMessageService messages;
    ASSERT_TRUE(ReadControlFile(state, messages).read);
    EXPECT_TRUE(messages.messages().isEmpty()) << messages.texts().join(QLatin1Char('|')).toStdString();
    QStringList legend;
    for (int i = 0; i < state.MarkCount; ++i)
        legend << state.MarkLegend[i][1];
    EXPECT_EQ(legend, (QStringList{"Piano lessons", "Book club", "Recycling collection", "Birthdays", "Summer holiday"}));
    EXPECT_EQ(state.strHeaderFont, "Times");

    // 5 March 2027 is a Friday eight weeks after 8 January: a recycling day the birthday wins.
    ASSERT_EQ(QDate(2027, 1, 8).daysTo(QDate(2027, 3, 5)), 56);
    EXPECT_EQ(state.dayMark(3, 5), 3);
    for (const auto &[month, day] : {std::pair{5, 21}, {9, 30}, {11, 11}})
        EXPECT_EQ(state.dayMark(month, day), 3) << month << "/" << day;
    for (int day = 12; day <= 23; ++day)
        EXPECT_EQ(state.dayMark(7, day), 4) << "July " << day;
    EXPECT_EQ(state.dayMark(7, 11), NoMark);
    EXPECT_EQ(state.dayMark(7, 24), NoMark);
}

} // namespace
