#include "control/controlfile.h"
#include "control/rulelines.h"

#include "tests/support/recordingmessages.h"
#include "platform/textfile.h"
#include "tests/support/qtprinters.h"
#include "tests/support/testfiles.h"
#include "tests/support/testsources.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The holiday catalog and .ics reader these tests mark with.
const MarkSources &sources()
{
    static const TestSources testSources;
    return testSources;
}

const QString WrongType = QStringLiteral("Select a .txt file.\nTry again . . .");

// Every field the reader may write, for "nothing changed" checks.
void expectSameCalendar(const CalendarState &a, const CalendarState &b)
{
    EXPECT_EQ(a.txtYear, b.txtYear);
    EXPECT_EQ(a.txtHeader, b.txtHeader);
    EXPECT_EQ(a.txtMessage, b.txtMessage);
    EXPECT_EQ(a.textLines, b.textLines);
    EXPECT_EQ(a.strSelectedFile, b.strSelectedFile);
    EXPECT_EQ(a.strListFile, b.strListFile);
    EXPECT_EQ(a.DayMarks, b.DayMarks);
    EXPECT_EQ(a.MarkLegend, b.MarkLegend);
    EXPECT_EQ(a.MarkCount, b.MarkCount);
    EXPECT_EQ(a.binSelPic, b.binSelPic);
    EXPECT_EQ(a.picTemp, b.picTemp);
}

int markedDays(const CalendarState &state, qint16 category)
{
    int count = 0;
    for (const auto &month : state.DayMarks)
        for (const qint16 mark : month)
            count += mark == category;
    return count;
}

class ControlFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        // The list-file name is cut at the first "." of the path: keep dots out of the folder.
        ASSERT_FALSE(m_dir.path().contains(QLatin1Char('.'))) << m_dir.path().toStdString();
        m_state = loadDefaults(QDate(2003, 6, 1));
        ASSERT_EQ(m_state.txtYear, QStringLiteral("2004"));
    }

    QString write(const QString &name, const QByteArray &bytes) { return writeTestFile(m_dir.path(), name, bytes); }

    ControlFileResult read(const QString &path)
    {
        m_state.strSelectedFile = path;
        return ReadControlFile(m_state, m_messages, sources());
    }

    ControlFileResult readText(const QByteArray &bytes) { return read(write(QStringLiteral("cal.txt"), bytes)); }

    QTemporaryDir m_dir{QDir::tempPath() + QStringLiteral("/lunariactl-XXXXXX")};
    CalendarState m_state;
    RecordingMessageService m_messages;
};

TEST_F(ControlFile, readsAWholeCalendar)
{
    const ControlFileResult result = readText("YER 2004\r\n"
                                              "HDR The Smith Family\r\n"
                                              "MSG Have a happy new year\r\n"
                                              "NOT 12 Elm Street\r\n"
                                              "NOT Springfield\r\n"
                                              "DTM 2 3 Club meeting\r\n"
                                              "EFW 1/9/2004 2 Paper collection\r\n");
    EXPECT_TRUE(m_messages.texts().isEmpty()) << m_messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(result.read);
    EXPECT_EQ(result.skippedLines, 0);
    EXPECT_TRUE(m_state.binFileOK);
    EXPECT_EQ(m_state.txtYear, QStringLiteral("2004"));
    EXPECT_EQ(m_state.txtHeader, QStringLiteral("The Smith Family"));
    EXPECT_EQ(m_state.txtMessage[5], QStringLiteral("Have a happy new year"));
    EXPECT_EQ(m_state.txtMessage[0], QStringLiteral("12 Elm Street"));
    EXPECT_EQ(m_state.txtMessage[1], QStringLiteral("Springfield"));
    EXPECT_EQ(m_state.txtMessage[2], QStringLiteral(" "));
    EXPECT_EQ(m_state.textLines[0], QStringLiteral("12 Elm Street"));
    EXPECT_EQ(m_state.textLines[1], QStringLiteral("Springfield"));
    EXPECT_EQ(m_state.strListFile, m_dir.path() + QStringLiteral("/cal_dl.txt"));

    // Second Tuesday: 1 January 2004 was a Thursday, so 13 January; 10 February.
    EXPECT_EQ(m_state.MarkCount, 2);
    EXPECT_EQ(m_state.dayMark(1, 13), 0);
    EXPECT_EQ(m_state.dayMark(2, 10), 0);
    EXPECT_EQ(markedDays(m_state, 0), 12);
    EXPECT_EQ(m_state.MarkLegend[0][1], QStringLiteral("Club meeting"));
    // Every two weeks from 9 January (month first under en_US).
    EXPECT_EQ(m_state.dayMark(1, 9), 1);
    EXPECT_EQ(m_state.dayMark(1, 23), 1);
    EXPECT_EQ(m_state.dayMark(1, 16), NoMark);
    EXPECT_EQ(markedDays(m_state, 1), 26);
    EXPECT_EQ(m_state.MarkLegend[1][1], QStringLiteral("Paper collection"));
}

// What a file sets, over a calendar whose header, message and first note were set before.
TEST_F(ControlFile, keysAndValuesAreReadAsWritten)
{
    const struct
    {
        const char *name;
        const char *text;
        const char *header;
        const char *year;
        const char *message;
        const char *firstNote;
    } rows[] = {
        {"keys_ignore_case_values_trimmed", "msg hello\n  hDr   Smith Family \nYeR 2010\nnot   first note  \n", "Smith Family",
         "2010", "hello", "first note"},
        {"a_longer_key_is_its_first_three_letters", "HDRX abc\nmsgs hi\n", "abc", "2004", "hi", "kept note"},
        {"a_lone_key_sets_an_empty_value", "HDR\n", "", "2004", "kept message", "kept note"},
        {"the_last_value_wins", "HDR first\nYER 2005\nHDR second\nYER 2006\n", "second", "2006", "kept message", "kept note"},
        {"nothing_is_cleared_that_the_file_does_not_mention", "YER 2007\n", "kept header", "2007", "kept message", "kept note"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        m_state = loadDefaults(QDate(2003, 6, 1));
        m_state.txtHeader = QStringLiteral("kept header");
        m_state.txtMessage[5] = QStringLiteral("kept message");
        m_state.textLines[0] = QStringLiteral("kept note");
        readText(row.text);
        EXPECT_EQ(m_state.txtHeader, QString::fromLatin1(row.header));
        EXPECT_EQ(m_state.txtYear, QString::fromLatin1(row.year));
        EXPECT_EQ(m_state.txtMessage[5], QString::fromLatin1(row.message));
        EXPECT_EQ(m_state.textLines[0], QString::fromLatin1(row.firstNote));
    }
    EXPECT_TRUE(m_messages.messages().isEmpty()) << m_messages.texts().join(QLatin1Char('|')).toStdString();
}

TEST_F(ControlFile, unknownKeysAndEmptyLinesAreSkippedSilently)
{
    const CalendarState before = m_state;
    const ControlFileResult result = readText("\n   \nREM a comment\nXY\nH\nYER 2004\n");
    EXPECT_TRUE(result.read);
    EXPECT_TRUE(m_messages.messages().isEmpty());
    CalendarState expected = before;
    expected.strListFile = m_dir.path() + QStringLiteral("/cal_dl.txt");
    expected.strSelectedFile = m_state.strSelectedFile;
    expectSameCalendar(m_state, expected);
}

TEST_F(ControlFile, wrongTypesAreRefusedAndNothingChanges)
{
    const QString names[] = {
        QStringLiteral("CAL.TXT"),   // upper case
        QStringLiteral("cal.Txt"),
        QStringLiteral("house.jpg"), // a picture handed over by mistake
        QStringLiteral("cal.txt "),  // trailing blank
    };
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const QString path = write(name, "HDR changed\n");
        m_state.binFileOK = true;
        CalendarState before = m_state;
        m_messages.clear();
        const ControlFileResult result = read(path);
        EXPECT_FALSE(result.read);
        EXPECT_FALSE(m_state.binFileOK);
        ASSERT_EQ(m_messages.messages().size(), 1);
        EXPECT_EQ(m_messages.messages()[0].text, WrongType);
        EXPECT_EQ(m_messages.messages()[0].title, applicationTitle());
        before.strSelectedFile = path;
        expectSameCalendar(m_state, before);
    }
}

TEST_F(ControlFile, eightNotesKeepSixAndReportTwo)
{
    QByteArray text;
    for (int i = 1; i <= 8; ++i)
        text += "NOT note " + QByteArray::number(i) + "\r\n";
    const ControlFileResult result = readText(text);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(m_state.textLines[i], QStringLiteral("note %1").arg(i + 1));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(m_state.txtMessage[i], QStringLiteral("note %1").arg(i + 1));
    // The sixth note has no box: txtMessage(5) stays the message line.
    EXPECT_EQ(m_state.txtMessage[5], QString());
    EXPECT_EQ(m_messages.texts(), QStringList({QStringLiteral("Only 6 notes allowed. Following note dropped. note 7"),
                                               QStringLiteral("Only 6 notes allowed. Following note dropped. note 8")}));
    EXPECT_EQ(result.droppedNotes, 2);
}

TEST_F(ControlFile, notesAreCountedAfreshOnEachRead)
{
    readText("NOT a1\nNOT a2\nNOT a3\n");
    readText("NOT b1\n");
    EXPECT_EQ(m_state.textLines[0], QStringLiteral("b1"));
    EXPECT_EQ(m_state.textLines[1], QStringLiteral("a2"));
    EXPECT_EQ(m_state.txtMessage[2], QStringLiteral("a3"));
}

TEST(DateListFileName, cutsAtTheFirstDot)
{
    EXPECT_EQ(dateListFileName(QStringLiteral("C:\\cal\\smith.txt")), QStringLiteral("C:\\cal\\smith_dl.txt"));
    EXPECT_EQ(dateListFileName(QStringLiteral("C:\\my.cal\\smith.txt")), QStringLiteral("C:\\my_dl.txt"));
    EXPECT_EQ(dateListFileName(QStringLiteral("/home/a/smith.2004.txt")), QStringLiteral("/home/a/smith_dl.txt"));
    EXPECT_EQ(dateListFileName(QStringLiteral("/home/my.cal/smith.txt")), QStringLiteral("/home/my_dl.txt"));
    EXPECT_EQ(dateListFileName(QStringLiteral("/home/a/calendartxt")), QStringLiteral("/home/a/calendartxt_dl.txt"));
}

TEST(IsControlFileName, onlyLowerCaseTxt)
{
    EXPECT_TRUE(isControlFileName(QStringLiteral("a.txt")));
    EXPECT_TRUE(isControlFileName(QStringLiteral("txt")));
    EXPECT_TRUE(isControlFileName(QStringLiteral("mytxt")));
    EXPECT_FALSE(isControlFileName(QStringLiteral("a.TXT")));
    EXPECT_FALSE(isControlFileName(QStringLiteral("xt")));
    EXPECT_FALSE(isControlFileName(QString()));
    EXPECT_FALSE(isControlFileName(QStringLiteral("a.text")));
}

TEST_F(ControlFile, rulesBeyondTheirRangeChangeNothing)
{
    const CalendarState before = m_state;
    const ControlFileResult result = readText("DTM 5 1 fifth Sunday\nDTM 1 8 eighth weekday\nDTM 7 x late\nDTM 4.6 2 rounds to five\n");
    // Passed over as the format always has, but not without a word.
    EXPECT_EQ(result.skippedLines, 4);
    ASSERT_EQ(m_messages.messages().size(), 1);
    EXPECT_TRUE(m_messages.texts().first().contains(QLatin1String("Line 1: the week number 5 is beyond 4")))
        << m_messages.texts().first().toStdString();
    EXPECT_TRUE(m_messages.texts().first().contains(QLatin1String("Line 2: the weekday number 8 is beyond 7")));
    EXPECT_EQ(m_state.MarkCount, 0);
    EXPECT_EQ(m_state.DayMarks, before.DayMarks);
    EXPECT_EQ(m_state.MarkLegend, before.MarkLegend);
}

struct BadLine
{
    const char *name;
    std::string line;
    const char *reason;   // a piece of the message
};

class ControlFileBadLine : public ControlFile, public ::testing::WithParamInterface<BadLine>
{
};

TEST_P(ControlFileBadLine, isReportedWithItsNumberAndSkipped)
{
    const BadLine &row = GetParam();
    const ControlFileResult result = readText(QByteArray("HDR before\n") + row.line.c_str() + "\r\nDTM 1 2 first Monday\nMSG after\n");
    ASSERT_EQ(m_messages.messages().size(), 1) << m_messages.texts().join(QLatin1Char('|')).toStdString();
    const QString text = m_messages.messages()[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("line 2 of ") + m_dir.filePath(QStringLiteral("cal.txt")))) << text.toStdString();
    // A runaway line shows its start only.
    const QString line = QString::fromStdString(row.line);
    EXPECT_TRUE(text.endsWith(QLatin1Char('\n') + (line.size() > 120 ? line.left(120) + QStringLiteral("...") : line)))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(row.reason))) << text.toStdString();
    EXPECT_EQ(result.skippedLines, 1);
    // The bad line used no category; reading went on.
    EXPECT_EQ(m_state.MarkCount, 1);
    EXPECT_EQ(m_state.MarkLegend[0][1], QStringLiteral("first Monday"));
    EXPECT_EQ(m_state.dayMark(1, 5), 0);
    EXPECT_EQ(m_state.txtMessage[5], QStringLiteral("after"));
}

const BadLine BadLines[] = {
    {"dtm_no_fields", "DTM", "week number"},
    {"dtm_no_weekday", "DTM 2", "weekday"},
    {"dtm_word_ordinal", "DTM second 3 Club", "week number"},
    {"dtm_word_weekday", "DTM 2 Tuesday Club", "weekday"},
    {"dtm_ordinal_zero", "DTM 0 3 Club", "1 to 4"},
    {"dtm_weekday_zero", "DTM 2 0 Club", "1 (Sunday) to 7"},
    {"dtm_negative", "DTM -1 3 Club", "1 to 4"},
    {"efw_no_fields", "EFW", "date is missing"},
    {"efw_not_a_date", "EFW 31/2/2004 2 Paper", "\"31/2/2004\" is not a date"},
    {"efw_word_date", "EFW tomorrow 2 Paper", "\"tomorrow\" is not a date"},
    {"efw_no_weeks", "EFW 1/9/2004", "number of weeks"},
    {"efw_word_weeks", "EFW 1/9/2004 two Paper", "number of weeks"},
    {"efw_weeks_overflow", "EFW 1/9/2004 40000 Paper", "the number of weeks 40000 is outside 1 to 32767"},
    {"yer_not_a_number", "YER abc", "the year \"abc\" is not a whole number"},
    {"yer_letter_o_for_zero", "YER 2O30", "not a whole number"},
    {"yer_fraction", "YER 2027.5", "not a whole number"},
    {"yer_beyond_16_bits", "YER 40000", "year 40000"},
    {"lst_weekday_eight", "LST 8 Last", "1 (Sunday) to 7"},
    {"day_not_a_date", "DAY 2004-02-30 Leap", "\"2004-02-30\" is not a date"},
    {"day_empty_between_commas", "DAY 2004-03-01,, 2004-03-02 x", "missing between commas"},
    {"rng_backwards", "RNG 2004-07-23 2004-07-12 Away", "before the first"},
    {"rng_one_yearless", "RNG --07-12 2004-07-23 Away", "both dates need a year"},
    {"top_not_a_flag", "TOP yes", "neither 1"},
    {"fnt_no_role", "FNT title Arial", "not a text role"},
    {"label_too_long", "DTM 1 2 " + std::string(201, 'x'), "the label is 201 characters long; a legend holds at most 200"},
    {"header_too_long", "HDR " + std::string(501, 'h'), "the text is 501 characters long; the page holds at most 500"},
    {"lng_unknown", "LNG xx_YY", "\"xx_YY\" is not a language Qt knows"},
    {"lng_english_word", "LNG German", "\"German\" is not a language Qt knows"},
    {"wks_eight", "WKS 8", "\"8\" is not a weekday from 1 (Sunday) to 7 (Saturday), nor 0"},
    {"wks_word", "WKS Monday", "\"Monday\" is not a weekday"},
    {"wks_missing", "WKS", "\"\" is not a weekday"},
    {"wkn_yes", "WKN yes", "\"yes\" is neither 1 (week numbers) nor 0"},
    {"pap_b5", "PAP B5", "\"B5\" is not a paper (Letter, Legal, A4, A3, A5, or printer"},
    {"pap_missing", "PAP", "\"\" is not a paper"},
    {"pal_rainbow", "PAL rainbow", "\"rainbow\" is not a colour set (classic, safe or patterns)"},
    {"frm_thirteen", "FRM 13", "\"13\" is not a month from 1 (January) to 12 (December)"},
    {"frm_word", "FRM August", "\"August\" is not a month"},
    {"moo_yes", "MOO yes", "\"yes\" is neither 1 (moon phases) nor 0"},
    {"day_yearless_plus", "DAY --03-05+ Anna", "\"--03-05+\" repeats every year without"},
    {"day_plus_not_a_date", "DAY 1987-02-30+ Anna", "\"1987-02-30+\" is not a date"},
};

INSTANTIATE_TEST_SUITE_P(Rows, ControlFileBadLine, ::testing::ValuesIn(BadLines),
                         [](const ::testing::TestParamInfo<BadLine> &info) { return std::string(info.param.name); });

TEST_F(ControlFile, aRuleWithoutALabelStillMarks)
{
    readText("EFW 1/9/2004 2\nDTM 1 2\n");
    EXPECT_TRUE(m_messages.messages().isEmpty()) << m_messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(m_state.MarkCount, 2);
    EXPECT_EQ(m_state.dayMark(1, 23), 0);
    EXPECT_EQ(m_state.MarkLegend[0][1], QString());
    EXPECT_EQ(m_state.dayMark(1, 5), 1);
}

TEST_F(ControlFile, everyNWeeksOutsideTheYearUsesNoCategory)
{
    readText("EFW 1/9/2005 2 next year\nEFW 1/9/2004 0 never\nEFW 2004-01-01 1 weekly\n");
    // Marking nothing is not silent: each such rule is named at its line with the reason.
    ASSERT_EQ(m_messages.messages().size(), 1);
    EXPECT_TRUE(m_messages.texts().first().contains(QLatin1String("Line 1 of"))) << m_messages.texts().first().toStdString();
    EXPECT_TRUE(m_messages.texts().first().contains(QLatin1String("the series starts in 2005")));
    EXPECT_TRUE(m_messages.texts().first().contains(QLatin1String("Line 2 of")));
    EXPECT_EQ(m_state.MarkCount, 1);
    EXPECT_EQ(markedDays(m_state, 0), 53);
    EXPECT_EQ(m_state.MarkLegend[0][1], QStringLiteral("weekly"));
}

// EVR goes on into the year where EFW, started last year, marks nothing; both read and write
// the same fields.
TEST_F(ControlFile, aContinuingSeriesCrossesNewYearWhereEveryNWeeksStops)
{
    readText("YER 2027\nEFW 2026-12-25 2 Paper\nEVR 2026-12-25 2 Bins\n");
    ASSERT_EQ(m_state.rules.size(), 2u);
    EXPECT_EQ(m_state.rules[1].kind, RuleKind::ContinuingWeeks);
    EXPECT_EQ(m_state.ruleResults[0].status, RuleResult::Status::NoDayThisYear);
    EXPECT_EQ(m_state.MarkLegend[0][1], QStringLiteral("Bins"));
    EXPECT_EQ(m_state.dayMark(1, 8), 0);
    EXPECT_EQ(m_state.dayMark(1, 22), 0);
    EXPECT_EQ(m_state.dayMark(1, 1), NoMark);
    EXPECT_EQ(ruleKey(RuleKind::ContinuingWeeks), QStringLiteral("EVR"));
    EXPECT_EQ(ruleValue(m_state.rules[1], QString()), QStringLiteral("2026-12-25 2 Bins"));
}

TEST_F(ControlFile, weeksTextEndsAtItsFirstBlank)
{
    readText("EFW 1/9/2004 2.5 weeks rounded to even\n");
    EXPECT_EQ(m_state.MarkLegend[0][1], QStringLiteral("weeks rounded to even"));
    EXPECT_EQ(m_state.dayMark(1, 23), 0);
}

TEST_F(ControlFile, anUnreadableFileChangesNothing)
{
    m_state.txtHeader = QStringLiteral("kept");
    const QString missing = m_dir.filePath(QStringLiteral("missing.txt"));
    CalendarState before = m_state;
    const ControlFileResult result = read(missing);
    EXPECT_FALSE(result.read);
    ASSERT_EQ(m_messages.messages().size(), 1);
    const QString text = m_messages.messages()[0].text;
    EXPECT_TRUE(text.contains(missing)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("No such file or directory"))) << text.toStdString();
    before.strSelectedFile = missing;
    expectSameCalendar(m_state, before);
}

TEST_F(ControlFile, binaryAndHugeFilesAreRefused)
{
    struct Row
    {
        const char *name;
        QByteArray bytes;
        const char *reason;
    };
    const Row rows[] = {
        {"nul", QByteArray("HDR changed\nYER 1999\0", 21), "NUL"},
        {"huge", QByteArray("HDR changed\n") + QByteArray(MaxTextFileBytes, ' '), "1 MiB"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        m_messages.clear();
        const QString path = write(QStringLiteral("%1.txt").arg(QLatin1String(row.name)), row.bytes);
        CalendarState before = m_state;
        const ControlFileResult result = read(path);
        EXPECT_FALSE(result.read);
        ASSERT_EQ(m_messages.messages().size(), 1);
        EXPECT_TRUE(m_messages.messages()[0].text.contains(QLatin1String(row.reason))) << m_messages.texts()[0].toStdString();
        before.strSelectedFile = path;
        expectSameCalendar(m_state, before);
    }
}

TEST_F(ControlFile, everyLineEndWorks)
{
    readText("YER 2008\rHDR cr only\nMSG lf\r\nNOT crlf");
    EXPECT_EQ(m_state.txtYear, QStringLiteral("2008"));
    EXPECT_EQ(m_state.txtHeader, QStringLiteral("cr only"));
    EXPECT_EQ(m_state.txtMessage[5], QStringLiteral("lf"));
    EXPECT_EQ(m_state.textLines[0], QStringLiteral("crlf"));
}

TEST_F(ControlFile, utf8WithByteOrderMarkAndWindows1252)
{
    readText("\xef\xbb\xbfHDR Caf\xc3\xa9\n");
    EXPECT_EQ(m_state.txtHeader, QStringLiteral(u"Café"));
    readText("HDR M\xfcller \x80\n");
    EXPECT_EQ(m_state.txtHeader, QStringLiteral(u"Müller €"));
}

TEST_F(ControlFile, aRelativePictureIsFoundBesideTheControlFile)
{
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QDir().mkpath(m_dir.filePath(QStringLiteral("pics")));
    ASSERT_TRUE(image.save(m_dir.filePath(QStringLiteral("pics/house.bmp"))));
    // Read from elsewhere, so that a path taken relative to the current folder would fail.
    const QString saved = QDir::currentPath();
    QDir::setCurrent(QDir::rootPath());
    readText("PIC pics/house.bmp\n");
    QDir::setCurrent(saved);
    EXPECT_EQ(m_state.strSelectedFile, m_dir.filePath(QStringLiteral("pics/house.bmp")));
    EXPECT_TRUE(m_messages.messages().isEmpty()) << m_messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(m_state.binSelPic);
    EXPECT_TRUE(m_state.picTemp);
}

TEST_F(ControlFile, anAbsolutePictureIsTakenAsItIs)
{
    readText("PIC /no/such/folder/house.gif\n");
    EXPECT_EQ(m_state.strSelectedFile, QStringLiteral("/no/such/folder/house.gif"));
    // An unreadable picture is passed over without a word; nothing was loaded.
    EXPECT_FALSE(m_state.binSelPic);
}

TEST_F(ControlFile, aPictureOfTheWrongTypeGetsThePictureMessage)
{
    readText("PIC house.png\nHDR after\n");
    EXPECT_EQ(m_messages.texts(), QStringList({QStringLiteral("Select a .gif, .bmp, .wmf OR .jpg file.\nTry again . . .")}));
    EXPECT_EQ(m_state.txtHeader, QStringLiteral("after"));
}

TEST_F(ControlFile, applyControlLinesLeavesTheFileFieldsAlone)
{
    m_state.strListFile = QStringLiteral("MY_dl.txt");
    applyControlLines(m_state, m_messages, sources(), {QStringLiteral("HDR x")}, QStringLiteral("/a/b.txt"));
    EXPECT_EQ(m_state.txtHeader, QStringLiteral("x"));
    EXPECT_EQ(m_state.strListFile, QStringLiteral("MY_dl.txt"));
}

TEST_F(ControlFile, theWrapperReadsLikeTheReportingCall)
{
    m_state.strSelectedFile = write(QStringLiteral("cal.txt"), "HDR through the wrapper\n");
    ReadControlFile(m_state, m_messages, sources());
    EXPECT_EQ(m_state.txtHeader, QStringLiteral("through the wrapper"));
    EXPECT_TRUE(m_state.binFileOK);
}


// The example calendars shipped in examples/ are read whole, page, messages and date-list,
// by the page goldens (pagegolden_test).

} // namespace

namespace {

TEST_F(ControlFile, newRuleKeysReadTheirFields)
{
    readText("YER 2027\n"
             "LST 6 Last Friday\n"
             "DAY 2027-03-05, --07-14,2027-11-02 Birthdays\n"
             "RNG 2027-07-12 2027-07-23 Holidays away\n"
             "RNG --12-24 --12-26 Christmas\n"
             "DAY 12/25 Day in the locale's order\n");
    ASSERT_TRUE(m_messages.messages().isEmpty()) << m_messages.texts().join(QLatin1Char('|')).toStdString();
    ASSERT_EQ(m_state.rules.size(), 5u);
    using namespace std::chrono;
    EXPECT_EQ(m_state.rules[0].kind, RuleKind::LastWeekday);
    EXPECT_EQ(m_state.rules[0].weekday, 6);
    EXPECT_EQ(m_state.rules[1].dates, (std::vector<RuleDate>{RuleDate::full(2027y / March / 5), RuleDate::yearless(July / 14),
                                                             RuleDate::full(2027y / November / 2)}));
    EXPECT_EQ(m_state.rules[1].label, QStringLiteral("Birthdays"));
    EXPECT_EQ(m_state.rules[2].from, RuleDate::full(2027y / July / 12));
    EXPECT_EQ(m_state.rules[2].to, RuleDate::full(2027y / July / 23));
    EXPECT_EQ(m_state.rules[2].label, QStringLiteral("Holidays away"));
    EXPECT_EQ(m_state.rules[3].from, RuleDate::yearless(December / 24));
    EXPECT_EQ(m_state.rules[4].dates, std::vector<RuleDate>{RuleDate::yearless(December / 25)});
    EXPECT_EQ(m_state.dayMark(7, 30), 0);  // the last Friday of July
    EXPECT_EQ(m_state.dayMark(3, 5), 1);
    EXPECT_EQ(m_state.dayMark(7, 14), 2);  // the range, read later, takes the birthday over
}

TEST_F(ControlFile, aYerLineAfterTheRulesMovesTheirMarksToItsYear)
{
    readText("DTM 2 3 Club\nEFW 2027-01-08 2 Bins\nYER 2027\n");
    EXPECT_EQ(m_state.MarkCount, 2);
    EXPECT_EQ(m_state.dayMark(3, 9), 0);  // the second Tuesday of March 2027
    EXPECT_EQ(m_state.dayMark(1, 22), 1);
}

TEST_F(ControlFile, manySkippedLinesAreCollectedInOneMessage)
{
    readText("DTM x 1 a\nHDR fine\nEFW tomorrow 2 b\nMSG \t tabbed\tvalue\nLST nine c\n");
    ASSERT_EQ(m_messages.messages().size(), 1) << m_messages.texts().join(QLatin1Char('|')).toStdString();
    const QString path = m_dir.filePath(QStringLiteral("cal.txt"));
    EXPECT_EQ(m_messages.texts().first(),
              QStringLiteral("3 lines of %1 were skipped:\n"
                             "Line 1: the week number is missing or not a number.\n    DTM x 1 a\n"
                             "Line 3: \"tomorrow\" is not a date.\n    EFW tomorrow 2 b\n"
                             "Line 5: the weekday number is missing or not a number.\n    LST nine c")
                  .arg(path));
    EXPECT_EQ(m_state.txtMessage[5], QStringLiteral("\t tabbed\tvalue"));
}

TEST_F(ControlFile, aTabInAReportedLineShowsAsAnArrow)
{
    readText("DTM\tx\n");
    ASSERT_EQ(m_messages.messages().size(), 1);
    EXPECT_TRUE(m_messages.texts().first().endsWith(QStringLiteral(u"\nDTM→x"))) << m_messages.texts().first().toStdString();
}

TEST_F(ControlFile, aStrayWindows1252LineIsNamed)
{
    readText("HDR Caf\xc3\xa9\nMSG Gr\xfc\xdf" "e\n");
    EXPECT_EQ(m_state.txtMessage[5], QStringLiteral(u"Grüße"));
    ASSERT_EQ(m_messages.messages().size(), 1);
    EXPECT_TRUE(m_messages.texts().first().startsWith(QStringLiteral("Line 2 of "))) << m_messages.texts().first().toStdString();
    EXPECT_TRUE(m_messages.texts().first().contains(QLatin1String("read as Windows-1252")));
}

TEST_F(ControlFile, pictureAtTopFontsAndBlankNotesRead)
{
    readText("TOP 1\nFNT year Liberation Serif\nFNT CALENDAR DejaVu Sans\nNOT first\nNOB  two blanks\nNOB\n");
    EXPECT_TRUE(m_state.chkFullPicture);
    EXPECT_EQ(m_state.strYearFont, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(m_state.strCalendarFont, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(m_state.txtMessage[1], QStringLiteral("  two blanks"));
    EXPECT_EQ(m_state.txtMessage[2], QStringLiteral(" "));
}

TEST_F(ControlFile, yearlessDatesFollowTheLocaleOrder)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    readText("YER 2027\nDAY 5.3. Geburtstag\nDAY 14.7 Fest\n");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_TRUE(m_messages.messages().isEmpty()) << m_messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(m_state.dayMark(3, 5), 0);
    EXPECT_EQ(m_state.dayMark(7, 14), 1);
}

TEST_F(ControlFile, pageKeysSetTheLanguageWeekPaperAndColours)
{
    const PageSettings defaults;
    EXPECT_EQ(m_state.page, defaults);
    readText("LNG ru_RU\nwks 2\nWKN 1\nPAP a4\nPal Patterns\nFRM 8\nMOO 1\n");
    EXPECT_TRUE(m_messages.messages().isEmpty()) << m_messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(m_state.page.firstMonth, 8);
    EXPECT_TRUE(m_state.page.moonPhases);
    EXPECT_EQ(m_state.page.language, QStringLiteral("ru_RU"));
    EXPECT_EQ(m_state.page.weekStart, 2);
    EXPECT_TRUE(m_state.page.weekNumbers);
    EXPECT_EQ(m_state.page.paper, Paper::A4);
    EXPECT_EQ(m_state.page.palette, Palette::Patterns);

    // Each back to its default; a lone LNG is the desktop's language again.
    readText("LNG\nWKS 1\nWKN 0\nPAP printer\nPAL classic\nFRM 1\nMOO 0\n");
    EXPECT_TRUE(m_messages.messages().isEmpty()) << m_messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(m_state.page, defaults);

    readText("WKS 0\nPAP Legal\nPAL safe\nLNG he\n");
    EXPECT_EQ(m_state.page.weekStart, 0);
    EXPECT_EQ(m_state.page.paper, Paper::Legal);
    EXPECT_EQ(m_state.page.palette, Palette::Safe);
    EXPECT_EQ(m_state.page.language, QStringLiteral("he"));
}

} // namespace

namespace {

const QByteArray SchoolTerms = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\nX-WR-CALNAME:School\r\n"
                               "BEGIN:VEVENT\r\nUID:a@test\r\nDTSTART;VALUE=DATE:20270215\r\nDTEND;VALUE=DATE:20270220\r\n"
                               "SUMMARY:Half term\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

TEST_F(ControlFile, anIcsLineMarksTheDaysOfItsEventsFromBesideTheControlFile)
{
    write(QStringLiteral("terms/school terms.ics"), SchoolTerms);
    readText("YER 2027\nICS \"terms/school terms.ics\"\nICS terms/missing.ics Away\n");
    ASSERT_EQ(m_state.rules.size(), 2u);
    EXPECT_EQ(m_state.rules[0].source, m_dir.filePath(QStringLiteral("terms/school terms.ics")));
    EXPECT_EQ(m_state.MarkLegend[0][1], QStringLiteral("School"));
    EXPECT_EQ(m_state.dayMark(2, 15), 0);
    EXPECT_EQ(m_state.dayMark(2, 19), 0);
    EXPECT_EQ(m_state.dayMark(2, 20), NoMark);  // DTEND is the day after
    EXPECT_EQ(m_state.dayDetail(2, 16), QStringLiteral("Half term"));
    // A file that cannot be read is named at its line, and marks nothing.
    ASSERT_EQ(m_messages.messages().size(), 1);
    EXPECT_TRUE(m_messages.texts().first().contains(QLatin1String("Line 3 of"))) << m_messages.texts().first().toStdString();
    EXPECT_TRUE(m_messages.texts().first().contains(QLatin1String("missing.ics"))) << m_messages.texts().first().toStdString();
}

// Whatever keeps a rule from marking its days is found for the year that prints, and said at
// the rule's line; the rule stays, so that a later year or a mended file marks again.
TEST_F(ControlFile, aRuleThatCannotMarkThisYearIsNamedAtItsLine)
{
    write(QStringLiteral("terms.ics"), SchoolTerms);
    write(QStringLiteral("cut.ics"), SchoolTerms.left(SchoolTerms.size() - 30));
    const struct
    {
        const char *name;
        const char *text;
        int line;
        const char *reason;  // a piece of the message
    } rows[] = {
        {"unknown_region", "YER 2027\nHOL XX-YY\n", 2, "XX-YY"},
        {"no_calendar", "YER 2027\nICS cut.ics\n", 2, "cut.ics"},
        // Both were read without fault for any other year: the year that prints decides.
        {"holidays_beyond_their_years", "YER 12000\nHOL DE\n", 2, "12000"},
        {"calendar_beyond_its_years", "YER 12000\nDTM 1 2 x\nICS terms.ics\n", 3, "12000"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        m_messages.clear();
        m_state = loadDefaults(QDate(2003, 6, 1));
        const ControlFileResult result = readText(row.text);
        EXPECT_EQ(result.ruleProblems, 1);
        EXPECT_EQ(result.skippedLines, 0);
        EXPECT_EQ(m_state.ruleResults.back().status, RuleResult::Status::Failed);
        ASSERT_EQ(m_messages.messages().size(), 1);
        const QString text = m_messages.texts().first();
        EXPECT_TRUE(text.startsWith(QStringLiteral("Line %1 of %2: it marks nothing: ").arg(row.line).arg(m_dir.filePath(QStringLiteral("cal.txt")))))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QLatin1String(row.reason))) << text.toStdString();
    }
}

TEST_F(ControlFile, aTextWithoutKeyLinesIsRefusedAndChangesNothing)
{
    m_state.txtHeader = QStringLiteral("kept");
    const QString listBefore = m_state.strListFile;
    const ControlFileResult result = readText("The Smith Family\r\nJanuary 12  Club\r\n");
    EXPECT_FALSE(result.read);
    EXPECT_FALSE(m_state.binFileOK);
    EXPECT_EQ(m_state.txtHeader, QStringLiteral("kept"));
    EXPECT_EQ(m_state.strListFile, listBefore);
    ASSERT_EQ(m_messages.messages().size(), 1);
    EXPECT_TRUE(m_messages.texts().first().contains(QLatin1String("is not a control file"))) << m_messages.texts().first().toStdString();
}

} // namespace

namespace {

TEST_F(ControlFile, aPictureThatIsNotDrawnIsSaidWithItsLineAndTheRestIsRead)
{
    const QString damaged = write(QStringLiteral("damaged.bmp"), "BM not really a picture");
    const ControlFileResult result = readText("PIC damaged.bmp\nHDR still read\n");
    EXPECT_EQ(result.pictureProblems, 1);
    EXPECT_FALSE(m_state.binSelPic);
    EXPECT_EQ(m_state.txtHeader, QStringLiteral("still read"));
    ASSERT_EQ(m_messages.messages().size(), 1);
    const QString text = m_messages.texts().first();
    EXPECT_TRUE(text.startsWith(QStringLiteral("Line 1 of %1: picture not drawn: ").arg(m_dir.filePath(QStringLiteral("cal.txt")))))
        << text.toStdString();
    EXPECT_TRUE(text.contains(damaged)) << text.toStdString();
}

} // namespace
