#include "app/commandline.h"
#include "devices/printers.h"
#include "tests/support/testsources.h"
#include "tests/support/scopedtimezone.h"
#include "tests/support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

// The holiday catalog and .ics reader these tests mark with.
const MarkSources &sources()
{
    static const TestSources testSources;
    return testSources;
}

class CommandLine : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    Printers printers;
    QString out;
    QString err;

    int run(const QStringList &arguments)
    {
        out.clear();
        err.clear();
        QTextStream o(&out);
        QTextStream e(&err);
        const int status = runCommandLine(arguments, printers, sources(), o, e, QDate(2026, 12, 8));
        o.flush();
        e.flush();
        return status;
    }

    QString write(const QString &name, const QByteArray &content) { return writeTestFile(dir.path(), name, content); }

    QString family()
    {
        return write(QStringLiteral("family.txt"), "YER 2027\r\nHDR The Smith Family\r\nNOT 12 Elm Street\r\n"
                                                   "MSG Have a happy new year\r\nDTM 2 3 Club meeting\r\n");
    }
    QString club()
    {
        return write(QStringLiteral("club.txt"), "YER 2028\nHDR Chess Club\nDTM 1 2 Board meeting\nDTM 3 5 Open evening\n");
    }
};

TEST_F(CommandLine, OneFileToAPdf)
{
    const QString pdf = dir.filePath(QStringLiteral("family.pdf"));
    ASSERT_EQ(run({QStringLiteral("--print"), family(), QStringLiteral("--to"), pdf}), 0) << err.toStdString();
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QLatin1String("2027")));
    EXPECT_TRUE(text.contains(QLatin1String("The Smith Family")));
    EXPECT_TRUE(text.contains(QLatin1String("Club meeting")));   // the legend label
    EXPECT_TRUE(text.contains(QLatin1String("September")));
    // The date-list file lands beside the control file, as the window writes it.
    EXPECT_TRUE(readTestFile(dir.filePath(QStringLiteral("family_dl.txt"))).contains("January 12  Club meeting\r\n"));
    // One file: no progress lines.
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
}

TEST_F(CommandLine, OneFileToAPng)
{
    const QString png = dir.filePath(QStringLiteral("page.png"));
    ASSERT_EQ(run({QStringLiteral("--print"), family(), QStringLiteral("--to"), png}), 0) << err.toStdString();
    QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.height(), image.width()); // a portrait page
}

TEST_F(CommandLine, SeveralFilesToAFolderOneEachWithProgress)
{
    const QString outDir = dir.filePath(QStringLiteral("out"));
    ASSERT_EQ(run({QStringLiteral("--print"), family(), club(), QStringLiteral("--to"), outDir}), 0) << err.toStdString();
    EXPECT_TRUE(pdfText(outDir + QStringLiteral("/family.pdf")).contains(QLatin1String("2027")));
    const QString clubText = pdfText(outDir + QStringLiteral("/club.pdf"));
    EXPECT_TRUE(clubText.contains(QLatin1String("2028")));
    EXPECT_TRUE(clubText.contains(QLatin1String("Open evening")));
    // Fresh defaults per file: the club calendar's first rule takes category 0 again.
    EXPECT_FALSE(clubText.contains(QLatin1String("Club meeting")));
    EXPECT_TRUE(err.contains(QStringLiteral("[1/2] %1 -> %2/family.pdf").arg(dir.filePath("family.txt"), outDir)))
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("[2/2] ")));
}

TEST_F(CommandLine, ABadFileAmongGoodOnesFailsAloneAndIsNamed)
{
    const QString bad = write(QStringLiteral("notes.TXT"), "YER 2027\n");
    const QString outDir = dir.filePath(QStringLiteral("out"));
    EXPECT_EQ(run({QStringLiteral("--print"), family(), bad, club(), QStringLiteral("--to"), outDir}), 1);
    EXPECT_TRUE(QFile::exists(outDir + QStringLiteral("/family.pdf")));
    EXPECT_TRUE(QFile::exists(outDir + QStringLiteral("/club.pdf")));
    EXPECT_FALSE(QFile::exists(outDir + QStringLiteral("/notes.pdf")));
    EXPECT_TRUE(err.contains(bad + QStringLiteral(": Select a .txt file.\n") + bad + QStringLiteral(": Try again . . .")))
        << err.toStdString();
}

TEST_F(CommandLine, LineMessagesGoToStandardErrorWithTheFileName)
{
    QByteArray notes;
    for (int i = 1; i <= 7; ++i)
        notes += "NOT line " + QByteArray::number(i) + "\n";
    const QString file = write(QStringLiteral("many.txt"), notes);
    EXPECT_EQ(run({QStringLiteral("--print"), file, QStringLiteral("--to"), dir.filePath(QStringLiteral("many.pdf"))}), 0);
    EXPECT_TRUE(err.contains(file + QStringLiteral(": Only 6 notes allowed. Following note dropped. line 7"))) << err.toStdString();
}

TEST_F(CommandLine, APrinterNamedWithoutAPrintServerIsNotLookedFor)
{
    // The suites run with no print server (see tests/CMakeLists.txt).
    EXPECT_EQ(run({QStringLiteral("--print"), family(), QStringLiteral("--printer"), QStringLiteral("No Such Printer")}), 1);
    EXPECT_TRUE(err.startsWith(QLatin1String("lunaria: no printer can be reached: "))) << err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("family_dl.txt"))));
}

TEST_F(CommandLine, ListPrintersNumbersAsTheChooserDoes)
{
    EXPECT_EQ(run({QStringLiteral("--list-printers")}), 0);
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList names = printers.deviceNames();
    ASSERT_EQ(lines.size(), names.size());
    EXPECT_EQ(lines.last(), QStringLiteral("%1 %2").arg(QString::number(names.size()).rightJustified(3), PdfDeviceName));
    EXPECT_TRUE(lines.first().startsWith(QLatin1String("  1 ")));
}

TEST_F(CommandLine, HelpAndVersion)
{
    EXPECT_EQ(run({QStringLiteral("--help")}), 0);
    for (const char *option : {"--print", "--to", "--printer", "--copies", "--list-printers", "--version"})
        EXPECT_TRUE(out.contains(QLatin1String(option))) << option;
    EXPECT_EQ(run({QStringLiteral("--version")}), 0);
    EXPECT_TRUE(out.contains(QLatin1String("3.0")));
}

TEST_F(CommandLine, UsageErrors)
{
    const QString f = family();
    struct UsageCase
    {
        QStringList arguments;
        QStringList says;  // texts the message holds besides "lunaria: "
    };
    const QList<UsageCase> cases = {
        {{QStringLiteral("--bogus")}, {}},
        {{QStringLiteral("--print")}, {}},
        {{f}, {}},
        {{QStringLiteral("--print"), f, QStringLiteral("--copies"), QStringLiteral("0")}, {}},
        {{QStringLiteral("--print"), f, QStringLiteral("--copies"), QStringLiteral("three")}, {}},
        {{QStringLiteral("--print"), f, QStringLiteral("--copies"), QStringLiteral("40000")}, {}},
        {{QStringLiteral("--print"), f, club(), QStringLiteral("--to"), dir.filePath(QStringLiteral("both.pdf"))}, {}},
        {{QStringLiteral("--print"), f, QStringLiteral("--to"), dir.filePath(QStringLiteral("x.pdf")), QStringLiteral("--printer"),
          PdfDeviceName},
         {}},
        // An extension that is not written is no folder name either; the message lists those written.
        {{QStringLiteral("--print"), f, QStringLiteral("--to"), dir.filePath(QStringLiteral("out.jpg"))},
         {QStringLiteral(".pdf or .png"), QStringLiteral(".jpg")}},
        {{QStringLiteral("--print"), f, club(), QStringLiteral("--to"), dir.filePath(QStringLiteral("pages.d"))}, {}},
        {{QStringLiteral("--print"), f, QStringLiteral("--to"), QStringLiteral("/dev/null")}, {}},
        {{QStringLiteral("--print"), f, QStringLiteral("--paper"), QStringLiteral("B5"), QStringLiteral("--to"),
          dir.filePath(QStringLiteral("b5.pdf"))},
         {QStringLiteral("--paper takes Letter, Legal, A4, A3, A5 or printer, not \"B5\"")}},
    };
    for (const UsageCase &usage : cases) {
        SCOPED_TRACE(usage.arguments.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(run(usage.arguments), 2);
        EXPECT_TRUE(err.contains(QLatin1String("lunaria: "))) << err.toStdString();
        for (const QString &text : usage.says)
            EXPECT_TRUE(err.contains(text)) << err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("both.pdf"))));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("out.jpg"))));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("pages.d"))));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("b5.pdf"))));
}

TEST_F(CommandLine, TheMarkedDaysGoToAnIcsFile)
{
    const QString ics = dir.filePath(QStringLiteral("family.ics"));
    ASSERT_EQ(run({QStringLiteral("--print"), family(), QStringLiteral("--to"), ics}), 0) << err.toStdString();
    const QByteArray bytes = readTestFile(ics);
    EXPECT_TRUE(bytes.contains("CATEGORIES:Club meeting")) << bytes.constData();
    EXPECT_TRUE(bytes.contains("RRULE:FREQ=MONTHLY;UNTIL=20271231;BYDAY=2TU"));
}

// Files a run reads are never written over, and a run never writes one file twice: each case
// is refused (exit status 1) before anything is written, and the file it names is unchanged.
TEST_F(CommandLine, NoOutputReplacesAFileTheRunReads)
{
    const QByteArray school = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//EN\r\nBEGIN:VEVENT\r\nUID:1\r\n"
                              "DTSTART;VALUE=DATE:20270301\r\nSUMMARY:Term\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    const QString ics = write(QStringLiteral("school.ics"), school);
    const QString home = write(QStringLiteral("home.txt"), "YER 2027\nICS school.ics Terms\n");
    QFile::link(ics, dir.filePath(QStringLiteral("link.ics")));
    const struct
    {
        const char *name;
        QString to;
        QString untouched;
    } rows[] = {
        {"export_over_its_ics", ics, ics},
        {"export_through_a_link_to_its_ics", dir.filePath(QStringLiteral("link.ics")), ics},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(run({QStringLiteral("--print"), home, QStringLiteral("--to"), row.to}), 1);
        EXPECT_TRUE(err.contains(QLatin1String("is a file this calendar reads"))) << err.toStdString();
        EXPECT_EQ(readTestFile(row.untouched), school);
    }
}

TEST_F(CommandLine, TwoFilesWithOneDateListNameDoNotShareIt)
{
    const QString first = write(QStringLiteral("family.2027.txt"), "YER 2027\nDTM 2 3 First club\n");
    const QString second = write(QStringLiteral("family.2028.txt"), "YER 2028\nDTM 2 3 Second club\n");
    const QString outDir = dir.filePath(QStringLiteral("out"));
    EXPECT_EQ(run({QStringLiteral("--print"), first, second, QStringLiteral("--to"), outDir}), 1);
    EXPECT_TRUE(QFile::exists(outDir + QStringLiteral("/family.2027.pdf")));
    EXPECT_FALSE(QFile::exists(outDir + QStringLiteral("/family.2028.pdf")));
    EXPECT_TRUE(err.contains(second + QStringLiteral(": Not printed: its date-list file"))) << err.toStdString();
    EXPECT_TRUE(readTestFile(dir.filePath(QStringLiteral("family_dl.txt"))).contains("First club")) << "the list is the first file's";
}

TEST_F(CommandLine, ATextWithoutKeyLinesIsNoControlFile)
{
    // The date-list file of an earlier run, caught by "--print *.txt".
    const QString list = write(QStringLiteral("family_dl.txt"), "The Smith Family\r\nJanuary 12  Club\r\n");
    EXPECT_EQ(run({QStringLiteral("--print"), list, QStringLiteral("--to"), dir.filePath(QStringLiteral("list.pdf"))}), 1);
    EXPECT_TRUE(err.contains(QLatin1String("is not a control file"))) << err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("list.pdf"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("family_dl_dl.txt"))));
}

TEST_F(CommandLine, RulesThatMarkLessThanTheyShouldAreNamedAtTheirLinesAndThePagePrints)
{
    const QString file = write(QStringLiteral("short.txt"),
                               "YER 2027\nHOL XX Nowhere\nICS missing.ics Club\nEFW 2026-12-25 2 Bins\nDTM 1 2 a\n"
                               "DTM 1 3 b\nDTM 1 4 c\nDTM 1 5 d\nDTM 1 6 e\nDTM 1 7 f\n");
    const QString pdf = dir.filePath(QStringLiteral("short.pdf"));
    EXPECT_EQ(run({QStringLiteral("--print"), file, QStringLiteral("--to"), pdf}), 0) << err.toStdString();
    EXPECT_TRUE(QFile::exists(pdf));
    for (const char *line : {"Line 2 of", "Line 3 of", "Line 4 of", "Line 10 of"})
        EXPECT_TRUE(err.contains(file + QStringLiteral(": ") + QLatin1String(line))) << line << "\n" << err.toStdString();
    EXPECT_TRUE(err.contains(QLatin1String("missing.ics"))) << err.toStdString();
    EXPECT_TRUE(err.contains(QLatin1String("only five colours fit the legend"))) << err.toStdString();
    EXPECT_FALSE(err.contains(QLatin1String("Line 5 of"))) << "a rule that marks its days says nothing";
}

TEST_F(CommandLine, ABatchReportsEachFileInArgumentOrder)
{
    // Nine files, composed side by side: the fourth warns on its way, the seventh fails.
    const QString outDir = dir.filePath(QStringLiteral("out"));
    QStringList files;
    QStringList expected;
    for (int i = 1; i <= 9; ++i) {
        const QString name = i == 7 ? QStringLiteral("C7.TXT") : QStringLiteral("c%1.txt").arg(i);
        files << write(name, i == 4 ? "NOT 1\nNOT 2\nNOT 3\nNOT 4\nNOT 5\nNOT 6\nNOT 7\n" : "HDR Number " + QByteArray::number(i) + "\n");
        if (i == 4)
            expected << files.last() + QStringLiteral(": Only 6 notes allowed. Following note dropped. 7");
        if (i == 7)
            expected << files.last() + QStringLiteral(": Select a .txt file.") << files.last() + QStringLiteral(": Try again . . .");
        expected << QStringLiteral("[%1/9] %2%3%4/%5.pdf")
                        .arg(i)
                        .arg(files.last(), i == 7 ? QStringLiteral(" failed, not printed to ") : QStringLiteral(" -> "), outDir,
                             QFileInfo(name).completeBaseName());
    }
    EXPECT_EQ(run(QStringList{QStringLiteral("--print")} + files + QStringList{QStringLiteral("--to"), outDir}), 1);
    EXPECT_EQ(err.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
    EXPECT_TRUE(pdfText(outDir + QStringLiteral("/c9.pdf")).contains(QLatin1String("Number 9")));
}

TEST_F(CommandLine, AFailedWriteLeavesTheEarlierPageAndSaysWhy)
{
    const QString pdf = dir.filePath(QStringLiteral("family.pdf"));
    ASSERT_EQ(run({QStringLiteral("--print"), family(), QStringLiteral("--to"), pdf}), 0);
    const qint64 size = QFileInfo(pdf).size();
    // A file that is no control file: nothing is sent, the earlier page stays.
    const QString broken = write(QStringLiteral("family.txt"), QByteArray("HDR Too far\n\0\0", 14));
    EXPECT_EQ(run({QStringLiteral("--print"), broken, QStringLiteral("--to"), pdf}), 1);
    EXPECT_TRUE(err.contains(QLatin1String("NUL"))) << err.toStdString();
    EXPECT_EQ(QFileInfo(pdf).size(), size);
    EXPECT_FALSE(pdfText(pdf).contains(QLatin1String("Too far")));
}

// The page size pdfinfo reports, in points.
QSizeF pdfPageSize(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    static const QRegularExpression size(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)"));
    const QRegularExpressionMatch m = size.match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

TEST_F(CommandLine, PaperChoosesTheSheet)
{
    const QString pdf = dir.filePath(QStringLiteral("a5.pdf"));
    ASSERT_EQ(run({QStringLiteral("--print"), family(), QStringLiteral("--paper"), QStringLiteral("a5"), QStringLiteral("--to"), pdf}), 0)
        << err.toStdString();
    // ISO 216 A5: 148 x 210 mm.
    const QSizeF a5 = pdfPageSize(pdf);
    EXPECT_NEAR(a5.width(), 148 / 25.4 * 72, 0.5);
    EXPECT_NEAR(a5.height(), 210 / 25.4 * 72, 0.5);
}

TEST_F(CommandLine, MoonPhasesListTheYearInTheLocalZone)
{
    // TZ for the length of this test: the list is in QTimeZone::systemTimeZone().

    static const QRegularExpression shape(QStringLiteral(R"(^\d{4}-\d\d-\d\d \d\d:\d\d (new moon|first quarter|full moon|last quarter)$)"));
    const ScopedTimeZone inUtc("UTC");
    ASSERT_EQ(run({QStringLiteral("--moon-phases"), QStringLiteral("2020")}), 0) << err.toStdString();
    EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 50);  // 2020 begins with a first quarter and ends with a full moon
    for (const QString &line : lines)
        EXPECT_TRUE(shape.match(line).hasMatch()) << line.toStdString();
    QStringList sorted = lines;
    sorted.sort();
    EXPECT_EQ(lines, sorted);
    // The U.S. Naval Observatory's table: 2020-01-03 04:45 first quarter, 2020-12-30 03:28
    // full moon (UTC), each within a minute.
    EXPECT_TRUE(lines.first().startsWith(QLatin1String("2020-01-03 04:4")) && lines.first().endsWith(QLatin1String(" first quarter")))
        << lines.first().toStdString();
    EXPECT_TRUE(lines.last().startsWith(QLatin1String("2020-12-30 03:")) && lines.last().endsWith(QLatin1String(" full moon")))
        << lines.last().toStdString();

    // The last quarter of 2020-10-10 00:39 UTC is on the 9th in New York and the 10th in
    // Berlin: the machine's zone decides the day.
    const auto lastQuarterOfOctober = [&] {
        for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            if (line.startsWith(QLatin1String("2020-10-")) && line.endsWith(QLatin1String("last quarter")))
                return line.left(16);
        return QString();
    };
    const ScopedTimeZone inNewYork("America/New_York");
    ASSERT_EQ(run({QStringLiteral("--moon-phases"), QStringLiteral("2020")}), 0);
    EXPECT_TRUE(lastQuarterOfOctober().startsWith(QLatin1String("2020-10-09 20:"))) << lastQuarterOfOctober().toStdString();
    const ScopedTimeZone inBerlin("Europe/Berlin");
    ASSERT_EQ(run({QStringLiteral("--moon-phases"), QStringLiteral("2020")}), 0);
    EXPECT_TRUE(lastQuarterOfOctober().startsWith(QLatin1String("2020-10-10 02:"))) << lastQuarterOfOctober().toStdString();

    // Anything but a whole year from 1600 to 2400 is a usage error, and lists nothing.
    for (const char *bad : {"0", "1599", "2401", "9999", "-5", "+2027", "2027.5", "two", " 2027", "20270", "=2027"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(run({QStringLiteral("--moon-phases"), QLatin1String(bad)}), 2);
        EXPECT_TRUE(out.isEmpty()) << out.toStdString();
        EXPECT_TRUE(err.contains(QLatin1String("lunaria: --moon-phases takes a year from 1600 to 2400, not \"") + QLatin1String(bad) + QLatin1Char('"')))
            << err.toStdString();
    }
    EXPECT_EQ(run({QStringLiteral("--moon-phases")}), 2);
    EXPECT_EQ(run({QStringLiteral("--moon-phases"), QStringLiteral("2027"), QStringLiteral("--print"), family()}), 2);
    EXPECT_TRUE(err.contains(QLatin1String("--moon-phases and --print cannot be used together"))) << err.toStdString();
    EXPECT_EQ(run({QStringLiteral("--help")}), 0);
    EXPECT_TRUE(out.contains(QLatin1String("--moon-phases <YEAR>"))) << out.toStdString();
}

} // namespace

namespace {

// Every region a HOL line can name, code and name apart by a tab, countries before their
// regions: each listed code marks holidays, and Bavaria is found by its name.
TEST_F(CommandLine, ListRegionsNamesEveryCodeAHolLineTakes)
{
    ASSERT_EQ(run({QStringLiteral("--list-regions")}), 0) << err.toStdString();
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_GE(lines.size(), 150);
    EXPECT_TRUE(lines.contains(QStringLiteral("DE-BY\tBavaria")));
    EXPECT_LT(lines.indexOf(QStringLiteral("DE\tGermany")), lines.indexOf(QStringLiteral("DE-BY\tBavaria")));
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        ASSERT_EQ(fields.size(), 2) << line.toStdString();
        EXPECT_TRUE(sources().holidays.holidays(fields[0], 2027).ok()) << line.toStdString();
    }
}

} // namespace

namespace {

// A lone .ics file is the desktop's "Open With": the window opens it. Anything else given is
// the command line's.
TEST(OpenWith, OnlyALoneIcsFileOpensTheWindow)
{
    struct Case
    {
        QStringList arguments;
        bool window;
    };
    const Case cases[] = {
        {{}, true},
        {{QStringLiteral("school.ics")}, true},
        {{QStringLiteral("/home/anna/Terms.ICS")}, true},
        {{QStringLiteral("family.txt")}, false},
        {{QStringLiteral("--print"), QStringLiteral("school.ics")}, false},
        {{QStringLiteral("school.ics"), QStringLiteral("club.ics")}, false},
        {{QStringLiteral("--to=x.ics")}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(!wantsCommandLine(c.arguments), c.window);
        EXPECT_EQ(!iCalendarToOpen(c.arguments).isEmpty(), c.window && !c.arguments.isEmpty());
    }
    EXPECT_EQ(iCalendarToOpen({QStringLiteral("school.ics")}), QDir::current().absoluteFilePath(QStringLiteral("school.ics")));
}

// What reaches a printer goes to lunaria-window; what writes files stays in lunaria.
TEST(HandOver, OnlyCommandsThatReachAPrinterGoToTheWindowProgram)
{
    const struct
    {
        QStringList arguments;
        bool printers;
    } cases[] = {
        {{QStringLiteral("--print"), QStringLiteral("family.txt")}, true},
        {{QStringLiteral("--print"), QStringLiteral("family.txt"), QStringLiteral("--to"), QStringLiteral("f.pdf")}, false},
        {{QStringLiteral("--print"), QStringLiteral("family.txt"), QStringLiteral("--to=f.pdf")}, false},
        {{QStringLiteral("--print"), QStringLiteral("a.txt"), QStringLiteral("--printer"), QStringLiteral("HP"),
          QStringLiteral("--to"), QStringLiteral("f.pdf")},
         true},
        {{QStringLiteral("--printer=HP"), QStringLiteral("--print"), QStringLiteral("a.txt")}, true},
        {{QStringLiteral("--list-printers")}, true},
        {{QStringLiteral("--version")}, false},
        {{QStringLiteral("--help")}, false},
        {{QStringLiteral("--list-regions")}, false},
        {{QStringLiteral("--to"), QStringLiteral("x.ics"), QStringLiteral("--print"), QStringLiteral("a.txt")}, false},
        // After "--" every argument is a file, even one named like an option.
        {{QStringLiteral("--print"), QStringLiteral("--to"), QStringLiteral("f.pdf"), QStringLiteral("--"),
          QStringLiteral("--printer")},
         false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(needsPrinters(c.arguments), c.printers);
    }
}

// The program a user runs for files loads neither Qt's widgets nor its print support: that is
// what lets it start about as fast as any Qt program.
TEST(HandOver, TheFileProgramLinksNoWidgetsNorPrintSupport)
{
    QProcess objdump;
    objdump.start(QStringLiteral("objdump"), {QStringLiteral("-p"), QStringLiteral(LUNARIA_BINARY_DIR "/app/lunaria")});
    ASSERT_TRUE(objdump.waitForFinished(30000));
    const QString headers = QString::fromLocal8Bit(objdump.readAllStandardOutput());
    ASSERT_TRUE(headers.contains(QLatin1String("NEEDED"))) << qPrintable(headers.left(400));
    EXPECT_TRUE(headers.contains(QLatin1String("libQt6Gui")));
    for (const char *library : {"libQt6Widgets", "libQt6PrintSupport", "libqt6keychain"})
        EXPECT_FALSE(headers.contains(QLatin1String(library))) << library;
}

} // namespace
