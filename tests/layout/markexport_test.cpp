#include "layout/icalendar.h"
#include "layout/markexport.h"
#include "layout/markrules.h"
#include "tests/support/qtprinters.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <algorithm>

using namespace std::chrono;

namespace {

MarkRule ruleOf(RuleKind kind, const char *label)
{
    MarkRule rule;
    rule.kind = kind;
    rule.label = QString::fromUtf8(label);
    return rule;
}

// Every marked day of the calendar, whatever its category.
QList<QDate> markedDays(const CalendarState &state, int yearNumber)
{
    QList<QDate> days;
    for (QDate d(yearNumber, 1, 1); d.year() == yearNumber; d = d.addDays(1))
        if (state.dayMark(d.month(), d.day()) != NoMark)
            days << d;
    return days;
}

CalendarState exampleCalendar()
{
    CalendarState state = loadDefaults(QDate(2026, 12, 8));
    state.txtYear = QStringLiteral("2027");
    state.txtHeader = QStringLiteral("The Hubers");
    MarkRule club = ruleOf(RuleKind::NthWeekday, "Club");
    club.ordinal = 2;
    club.weekday = 3;
    MarkRule last = ruleOf(RuleKind::LastWeekday, "Payday");
    last.weekday = 6;
    MarkRule bins = ruleOf(RuleKind::EveryNWeeks, "Bins");
    bins.from = RuleDate::full(2027y / January / 8);
    bins.weeks = 2;
    MarkRule birthdays = ruleOf(RuleKind::Dates, "Birthdays");
    birthdays.dates = {RuleDate::yearless(March / 5), RuleDate::full(2027y / November / 2)};
    MarkRule away = ruleOf(RuleKind::Range, "Birthdays");
    away.from = RuleDate::full(2027y / July / 12);
    away.to = RuleDate::full(2027y / July / 23);
    MarkRule bavaria = ruleOf(RuleKind::Holidays, "");
    bavaria.source = QStringLiteral("DE-BY");
    MarkRule sixth = ruleOf(RuleKind::Dates, "No colour left");
    sixth.dates = {RuleDate::full(2027y / June / 30)};
    state.rules = {club, last, bins, birthdays, away, bavaria, sixth};
    refreshMarks(state);
    return state;
}

TEST(MarkedDaysAsIcs, ReadingTheExportBackMarksExactlyTheSameDays)
{
    const CalendarState original = exampleCalendar();
    ASSERT_EQ(original.ruleResults[6].status, RuleResult::Status::NoColourLeft);
    const QByteArray ics = markedDaysAsIcs(original, QDateTime(QDate(2026, 12, 8), QTime(12, 0), QTimeZone::utc()));
    EXPECT_TRUE(ics.contains("RRULE:FREQ=MONTHLY;UNTIL=20271231;BYDAY=2TU")) << ics.constData();
    EXPECT_TRUE(ics.contains("RRULE:FREQ=MONTHLY;UNTIL=20271231;BYDAY=-1FR"));
    EXPECT_TRUE(ics.contains("RRULE:FREQ=WEEKLY;UNTIL=20271231;INTERVAL=2"));
    EXPECT_TRUE(ics.contains("SUMMARY:Public holidays (Bavaria) - Epiphany"));
    EXPECT_FALSE(ics.contains("No colour left"));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("export.ics"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ics);
    file.close();

    CalendarState reread = loadDefaults(QDate(2026, 12, 8));
    reread.txtYear = QStringLiteral("2027");
    MarkRule imported = ruleOf(RuleKind::ICalendar, "");
    imported.source = path;
    reread.rules = {imported};
    refreshMarks(reread);
    ASSERT_EQ(reread.ruleResults[0].status, RuleResult::Status::Marked) << reread.ruleResults[0].problem.toStdString();
    EXPECT_EQ(reread.MarkLegend[0][1], QStringLiteral("The Hubers"));
    EXPECT_EQ(markedDays(reread, 2027), markedDays(original, 2027));
}

TEST(MarkedDaysAsIcs, ExportingAgainGivesTheSameEvents)
{
    const QDateTime stamp(QDate(2026, 12, 8), QTime(12, 0), QTimeZone::utc());
    CalendarState state = exampleCalendar();
    const QByteArray first = markedDaysAsIcs(state, stamp);
    EXPECT_EQ(markedDaysAsIcs(state, stamp), first);
    // Moving a rule changes the categories, but every event stays the same event.
    std::rotate(state.rules.begin() + 2, state.rules.begin() + 3, state.rules.begin() + 6);
    refreshMarks(state);
    ASSERT_EQ(state.ruleResults[5].category, 4);
    const QByteArray second = markedDaysAsIcs(state, stamp);
    const auto uids = [](const QByteArray &ics) {
        QList<QByteArray> found;
        for (const QByteArray &line : ics.split('\n'))
            if (line.startsWith("UID:"))
                found << line.trimmed();
        return found;
    };
    const QList<QByteArray> before = uids(first);
    const QList<QByteArray> after = uids(second);
    ASSERT_FALSE(before.isEmpty());
    for (const QByteArray &uid : before)
        EXPECT_TRUE(after.contains(uid)) << uid.constData();
    EXPECT_EQ(after.size(), before.size());
}

} // namespace
