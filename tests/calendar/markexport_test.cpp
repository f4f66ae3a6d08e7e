#include "calendar/ical/icalendar.h"
#include "calendar/markexport.h"
#include "calendar/markrules.h"
#include "tests/support/qtprinters.h"
#include "tests/support/testfiles.h"
#include "tests/support/testsources.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <algorithm>

using namespace std::chrono;

namespace {

// The holiday catalog and .ics reader these tests mark with.
const MarkSources &sources()
{
    static const TestSources testSources;
    return testSources;
}

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

const QDateTime stamp(QDate(2026, 12, 8), QTime(12, 0), QTimeZone::utc());

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
    refreshMarks(state, sources());
    return state;
}

TEST(MarkedDaysAsIcs, ReadingTheExportBackMarksExactlyTheSameDays)
{
    const CalendarState original = exampleCalendar();
    ASSERT_EQ(original.ruleResults[6].status, RuleResult::Status::NoColourLeft);
    const QByteArray ics = markedDaysAsIcs(original, sources(), stamp).ics;
    EXPECT_TRUE(ics.contains("RRULE:FREQ=MONTHLY;UNTIL=20271231;BYDAY=2TU")) << ics.constData();
    EXPECT_TRUE(ics.contains("RRULE:FREQ=MONTHLY;UNTIL=20271231;BYDAY=-1FR"));
    EXPECT_TRUE(ics.contains("RRULE:FREQ=WEEKLY;UNTIL=20271231;INTERVAL=2"));
    EXPECT_TRUE(ics.contains("SUMMARY:Public holidays (Bavaria) - Epiphany"));
    EXPECT_FALSE(ics.contains("No colour left"));
    // The range is one event, the date without a year one event every year.
    EXPECT_EQ(ics.count("SUMMARY:Birthdays\r\n"), 3);
    EXPECT_EQ(ics.count("RRULE:FREQ=YEARLY\r\n"), 1);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = writeTestFile(dir.path(), QStringLiteral("export.ics"), ics);

    CalendarState reread = loadDefaults(QDate(2026, 12, 8));
    reread.txtYear = QStringLiteral("2027");
    MarkRule imported = ruleOf(RuleKind::ICalendar, "");
    imported.source = path;
    reread.rules = {imported};
    refreshMarks(reread, sources());
    ASSERT_EQ(reread.ruleResults[0].status, RuleResult::Status::Marked) << reread.ruleResults[0].problem.toStdString();
    EXPECT_EQ(reread.MarkLegend[0][1], QStringLiteral("The Hubers"));
    EXPECT_EQ(markedDays(reread, 2027), markedDays(original, 2027));
}

TEST(MarkedDaysAsIcs, MatchesTheGoldenFile)
{
    // A range over New Year as the page of 2027 shows it, dates with and without a year, and
    // labels other readers split.
    CalendarState state = loadDefaults(QDate(2026, 12, 8));
    state.txtYear = QStringLiteral("2027");
    MarkRule birthdays = ruleOf(RuleKind::Dates, "Birthdays, parties");
    birthdays.dates = {RuleDate::yearless(March / 5), RuleDate::full(2027y / November / 2)};
    MarkRule school = ruleOf(RuleKind::Range, "School; holidays");
    school.from = RuleDate::full(2026y / December / 21);
    school.to = RuleDate::full(2027y / January / 6);
    state.rules = {birthdays, school};
    refreshMarks(state, sources());
    const QByteArray written = markedDaysAsIcs(state, sources(), stamp).ics;
    const QString golden = QStringLiteral(LUNARIA_SOURCE_DIR "/tests/data/ics/marked-days-2027.ics");
    if (qEnvironmentVariableIntValue("LUNARIA_UPDATE_GOLDEN") == 1)
        writeTestFile(golden, written);
    // After an intended change, LUNARIA_UPDATE_GOLDEN=1 writes the file again.
    EXPECT_EQ(written.toStdString(), readTestFile(golden).toStdString());
}

TEST(MarkedDaysAsIcs, YearsAFileCannotHoldAreRefusedWithTheReason)
{
    const std::pair<const char *, const char *> rows[] = {
        {"10000", "The marked days cannot be exported: an iCalendar file holds the years 1 to 9999, not 10000 . . ."},
        {"", "The marked days cannot be exported: no year is given . . ."},
    };
    for (const auto &[yearText, problem] : rows) {
        CalendarState state = exampleCalendar();
        state.txtYear = QString::fromUtf8(yearText);
        refreshMarks(state, sources());
        const MarkedDaysIcs exported = markedDaysAsIcs(state, sources(), stamp);
        EXPECT_EQ(exported.problem, QString::fromUtf8(problem));
        EXPECT_TRUE(exported.ics.isEmpty());
    }
}

TEST(MarkedDaysAsIcs, ExportingAgainGivesTheSameEvents)
{
    CalendarState state = exampleCalendar();
    const QByteArray first = markedDaysAsIcs(state, sources(), stamp).ics;
    EXPECT_EQ(markedDaysAsIcs(state, sources(), stamp).ics, first);
    // Moving a rule changes the categories, but every event stays the same event.
    std::rotate(state.rules.begin() + 2, state.rules.begin() + 3, state.rules.begin() + 6);
    refreshMarks(state, sources());
    ASSERT_EQ(state.ruleResults[5].category, 4);
    const QByteArray second = markedDaysAsIcs(state, sources(), stamp).ics;
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

    // A birthday of every year is the same event in the export of any year.
    const QRegularExpression march5(QStringLiteral("UID:(\\S+)\r\nDTSTAMP:\\S+\r\nDTSTART;VALUE=DATE:\\d{4}0305\r\n"));
    state.txtYear = QStringLiteral("2028");
    refreshMarks(state, sources());
    const QString uid2027 = march5.match(QString::fromUtf8(second)).captured(1);
    EXPECT_FALSE(uid2027.isEmpty());
    EXPECT_EQ(march5.match(QString::fromUtf8(markedDaysAsIcs(state, sources(), stamp).ics)).captured(1), uid2027);
}

} // namespace
