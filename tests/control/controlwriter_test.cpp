#include "control/controlfile.h"
#include "control/controlwriter.h"
#include "calendar/markrules.h"
#include "pictures/pictureacceptance.h"
#include "platform/usererror.h"
#include "page/composepage.h"
#include "tests/support/qtprinters.h"
#include "tests/support/recordingdatelist.h"
#include "tests/support/recordingmessages.h"
#include "tests/support/recordingpagesurface.h"
#include "tests/support/testsources.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

using namespace std::chrono;

namespace {

// The holiday catalog and .ics reader these tests mark with.
const MarkSources &sources()
{
    static const TestSources testSources;
    return testSources;
}

// The page as "Print Calendar(s)" would print it: its operations and its date-list file.
struct Page
{
    std::vector<RecordingPageSurface::Op> ops;
    QStringList dateList;
};

Page pageOf(CalendarState state)
{
    for (int i = 0; i < 5; ++i)
        state.textLines[i] = state.txtMessage[i];
    RecordingPageSurface surface;
    RecordingDateList list;
    list.writeLine(state.txtMessage[1]);
    list.writeLine(state.txtMessage[0]);
    composePage(state, surface, list);
    return {surface.ops(), list.lines};
}

CalendarState readBack(const QString &path)
{
    CalendarState state = loadDefaults(QDate(2026, 12, 8));
    state.strSelectedFile = path;
    RecordingMessageService messages;
    const ControlFileResult read = ReadControlFile(state, messages, sources());
    EXPECT_TRUE(read.read);
    // Every line is read back; rules that mark nothing in the year may say so.
    EXPECT_EQ(read.skippedLines + read.droppedNotes + read.pictureProblems, 0) << messages.texts().join(QLatin1Char('|')).toStdString();
    return state;
}

void expectSamePage(const CalendarState &original, const CalendarState &reread)
{
    const Page a = pageOf(original);
    const Page b = pageOf(reread);
    EXPECT_EQ(a.dateList, b.dateList);
    ASSERT_EQ(a.ops.size(), b.ops.size());
    for (size_t i = 0; i < a.ops.size(); ++i)
        ASSERT_EQ(a.ops[i], b.ops[i]) << "operation " << i << " " << a.ops[i].kind.toStdString() << " "
                                      << a.ops[i].text.toStdString();
}

// Random calendars: texts with inner blanks, tabs and letters beyond ASCII, up to six notes,
// every rule kind, labels that repeat, more than five rules, pictures in and outside the
// control file's folder.
class Generator
{
public:
    explicit Generator(unsigned seed) : m_random(seed) {}

    CalendarState calendar(const QString &insidePicture)
    {
        CalendarState state = loadDefaults(QDate(2026, 12, 8));
        const int y = pick(1950, 2100);
        state.txtYear = chance(4) ? QStringLiteral("%1 - %2").arg(y).arg(text()) : QString::number(y);
        state.txtHeader = text();
        state.txtMessage[5] = chance(5) ? QString() : text();
        const int notes = pick(0, 6);
        for (int i = 0; i < notes; ++i) {
            const QString note = chance(6) ? QString() : text();
            if (i < 5)
                state.txtMessage[i] = note;
            else
                state.textLines[5] = note;
        }
        if (chance(4) && notes < 5)
            state.txtMessage[notes] = QStringLiteral(" after the placeholder");
        static const char *const fonts[] = {"Arial", "Times", "Liberation Serif", "DejaVu Sans Mono"};
        for (QString *font : {&state.strYearFont, &state.strHeaderFont, &state.strAddressFont, &state.strMessageFont,
                              &state.strCalendarFont})
            *font = QString::fromLatin1(fonts[pick(0, 3)]);
        state.chkFullPicture = chance(2);
        if (chance(2)) {
            state.strSelectedFile = chance(2) ? insidePicture : QStringLiteral(LUNARIA_SOURCE_DIR "/examples/pictures/emblem.wmf");
            RecordingMessageService messages;
            AcceptPicture(state, messages);
        }
        if (chance(2)) {
            static const char *const languages[] = {"", "de_DE", "ru", "he_IL", "ar_EG", "en_US", "pl_PL"};
            state.page.language = QString::fromLatin1(languages[pick(0, 6)]);
            state.page.weekStart = pick(0, 7);
            state.page.weekNumbers = chance(2);
            state.page.paper = Paper(pick(int(Paper::AsPrinter), int(Paper::A5)));
            state.page.palette = Palette(pick(int(Palette::Classic), int(Palette::Patterns)));
            state.page.firstMonth = chance(2) ? 1 : pick(1, 12);
            state.page.moonPhases = chance(2);
        }
        const int rules = pick(0, 8);
        for (int i = 0; i < rules; ++i)
            state.rules.push_back(rule(y));
        refreshMarks(state, sources());
        return state;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool chance(int oneIn) { return pick(1, oneIn) == 1; }

    QString text()
    {
        static const char16_t *const words[] = {u"Smith", u"Élodie", u"Straße", u"Ёлка", u"日本", u"a\tb", u"7 pm", u"–", u"Club"};
        QStringList chosen;
        const int n = pick(1, 4);
        for (int i = 0; i < n; ++i)
            chosen << QString::fromUtf16(words[pick(0, 8)]);
        return chosen.join(QLatin1Char(' '));
    }

    RuleDate date(int calendarYear)
    {
        const year_month_day day = year{calendarYear + pick(-1, 1)} / month{unsigned(pick(1, 12))} / std::chrono::day{unsigned(pick(1, 28))};
        return chance(3) ? RuleDate::yearless(day.month() / day.day()) : RuleDate::full(day);
    }

    MarkRule rule(int calendarYear)
    {
        static const char *const labels[] = {"Birthdays", "Club night", "Trip", "Bins", ""};
        MarkRule rule;
        rule.label = QString::fromLatin1(labels[pick(0, 4)]);
        switch (pick(0, 5)) {
        case 0:
            rule.kind = RuleKind::NthWeekday;
            rule.ordinal = pick(1, 4);
            rule.weekday = pick(1, 7);
            break;
        case 1:
            rule.kind = RuleKind::LastWeekday;
            rule.weekday = pick(1, 7);
            break;
        case 2:
            rule.kind = chance(2) ? RuleKind::ContinuingWeeks : RuleKind::EveryNWeeks;
            rule.from = RuleDate::full(date(calendarYear).in(year{calendarYear}));
            rule.weeks = qint16(pick(-1, 30));
            break;
        case 3:
            rule.kind = RuleKind::Dates;
            for (int n = pick(1, 4); n > 0; --n) {
                rule.dates.push_back(date(calendarYear));
                // A birthday: every year from its own.
                if (chance(5))
                    rule.dates.back() = RuleDate::since(year{calendarYear - pick(0, 90)} / rule.dates.back().monthDay);
            }
            break;
        case 4: {
            static const char *const regions[] = {"DE-BY", "US", "GB-SCT", "CH-GE", "JP"};
            rule.kind = RuleKind::Holidays;
            rule.source = QString::fromLatin1(regions[pick(0, 4)]);
            break;
        }
        default: {
            rule.kind = RuleKind::Range;
            RuleDate from = date(calendarYear);
            if (!from.year)
                from.year = year{calendarYear};
            rule.from = from;
            const sys_days end = sys_days{from.in(year{calendarYear})} + days{pick(0, 40)};
            rule.to = RuleDate::full(year_month_day{end});
            break;
        }
        }
        return rule;
    }

    std::mt19937 m_random;
};

TEST(ControlFileRoundTrip, ReadingWhatWasSavedGivesTheSamePageAndDateList)
{
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/lunariasave-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("pictures")));
    const QString inside = dir.filePath(QStringLiteral("pictures/house.bmp"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(LUNARIA_SOURCE_DIR "/examples/pictures/house.bmp"), inside));

    Generator generate(20261208);
    for (int i = 0; i < 150; ++i) {
        SCOPED_TRACE(i);
        CalendarState original = generate.calendar(inside);
        const QString path = dir.filePath(QStringLiteral("calendar%1.txt").arg(i));
        SaveControlFile(original, path);
        const CalendarState reread = readBack(path);
        EXPECT_EQ(reread.page, original.page);
        expectSamePage(original, reread);
        if (HasFatalFailure())
            return;
    }
}

TEST(ControlFileRoundTrip, EveryExampleSavedAndReadBackPrintsTheSame)
{
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/lunariasave-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    for (const QString &name : QDir(QStringLiteral(LUNARIA_SOURCE_DIR "/examples")).entryList({QStringLiteral("*.txt")})) {
        SCOPED_TRACE(name.toStdString());
        CalendarState example = loadDefaults(QDate(2026, 12, 8));
        example.strSelectedFile = QStringLiteral(LUNARIA_SOURCE_DIR "/examples/") + name;
        RecordingMessageService messages;
        ASSERT_TRUE(ReadControlFile(example, messages, sources()).read);
        const QString saved = dir.filePath(name);
        SaveControlFile(example, saved);
        expectSamePage(example, readBack(saved));
    }
}

TEST(SaveControlFile, TheNameMustEndInLowerCaseTxtAndTheOldFileSurvivesAFailure)
{
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/lunariasave-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    CalendarState state = loadDefaults(QDate(2026, 12, 8));
    for (const char *name : {"calendar.TXT", "calendar.text", "calendar"}) {
        SCOPED_TRACE(name);
        try {
            SaveControlFile(state, dir.filePath(QString::fromLatin1(name)));
            ADD_FAILURE() << "saved";
        } catch (const UserError &error) {
            EXPECT_TRUE(error.reason().contains(QLatin1String("\".txt\""))) << error.reason().toStdString();
        }
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    const QString missing = dir.filePath(QStringLiteral("no folder/calendar.txt"));
    EXPECT_THROW(SaveControlFile(state, missing), UserError);
    EXPECT_TRUE(state.documentFile.isEmpty());

    const QString path = dir.filePath(QStringLiteral("club.txt"));
    SaveControlFile(state, path);
    EXPECT_EQ(state.documentFile, path);
    EXPECT_EQ(state.strListFile, dir.filePath(QStringLiteral("club_dl.txt")));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_TRUE(bytes.startsWith("YER 2027\r\nHDR\r\nMSG\r\n")) << bytes.constData();
    EXPECT_FALSE(bytes.contains("\n\n"));
}

} // namespace

TEST(SaveControlFile, ACalendarAddressIsWrittenAsTheUserGaveIt)
{
    for (const char *address : {"caldav+https://dav.example.org/calendars/anna/family/", "webcal://school.example.org/terms.ics",
                                "http://192.168.1.5/club.ics"}) {
        CalendarState state = loadDefaults(QDate(2026, 12, 8));
        MarkRule rule;
        rule.kind = RuleKind::ICalendar;
        rule.source = QString::fromLatin1(address);
        rule.label = QStringLiteral("Family");
        state.rules = {rule};
        const QByteArray text = controlFileText(state, QStringLiteral("/home/anna/calendar.txt"));
        EXPECT_TRUE(text.contains(QByteArray("ICS ") + address + " Family\r\n")) << text.constData();
    }
}
