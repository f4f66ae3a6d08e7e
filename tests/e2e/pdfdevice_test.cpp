#include "control/controlfile.h"
#include "devices/pdfdevice.h"
#include "devices/printers.h"
#include "render/pagesurface.h"
#include "platform/usererror.h"
#include "page/composepage.h"
#include "print/printjob.h"
#include "tests/support/recordingmessages.h"
#include "tests/support/testfiles.h"
#include "tests/support/testsources.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The holiday catalog and .ics reader these tests mark with.
const MarkSources &sources()
{
    static const TestSources testSources;
    return testSources;
}

struct Word
{
    QString text;
    double xMin, yMin, xMax, yMax;   // points from the page's top-left corner
};

// The words of page 1 with their boxes, as poppler's pdftotext -bbox reports them.
std::vector<Word> pdfWords(const QString &pdf)
{
    const QString html = pdfText(pdf, {QStringLiteral("-bbox")});
    static const char *pattern =
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re";
    static const QRegularExpression word(QString::fromLatin1(pattern));
    std::vector<Word> words;
    for (const QRegularExpressionMatch &m : word.globalMatch(html))
        words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble()});
    return words;
}

// Twips from the printable-area origin to points from the page corner.
constexpr double toPoints(double twips)
{
    return PdfMarginPoints + twips / 20.0;
}

class PdfDevice : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!havePdfToText())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_TRUE(m_dir.isValid());
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        state = loadDefaults(QDate(2026, 6, 1));
        state.txtYear = QStringLiteral("2027");
        state.txtHeader = QStringLiteral("Smith");
        state.txtMessage[5] = QStringLiteral("Greetings");
        printers.setCurrent(int(printers.deviceNames().size()) - 1);
        ASSERT_EQ(printers.currentName(), PdfDeviceName);
    }
    void TearDown() override
    {
        if (!m_previousFolder.isEmpty())
            QDir::setCurrent(m_previousFolder);
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    CalendarState state;
    Printers printers;

private:
    QTemporaryDir m_dir;
    QString m_previousFolder;
};

TEST_F(PdfDevice, IsTheLastDevice)
{
    const QStringList names = printers.deviceNames();
    ASSERT_FALSE(names.isEmpty());
    EXPECT_EQ(names.last(), PdfDeviceName);
    EXPECT_EQ(names.count(PdfDeviceName), 1);
}

TEST_F(PdfDevice, TextLandsWhereTheTwipsSay)
{
    const QString pdf = path(QStringLiteral("calendar.pdf"));
    printers.setPdfPath(pdf);
    ASSERT_EQ(runPrintJob(state, printers), PrintOutcome::Printed);
    const std::vector<Word> words = pdfWords(pdf);
    ASSERT_FALSE(words.empty());

    struct Expected
    {
        const char *text;
        double x;          // twips: the left edge, or the centre when `centred`
        double y;          // twips: the top of the text
        bool centred;
    };
    // January 2027 starts on a Friday (column 5), December on a Wednesday (column 3).
    const Expected expected[] = {
        {"2027", 5300, 3450, false},                                     // year title
        {"Smith", 300, 500, false},                                      // header
        {"January", 600 + 1656, 4600, true},                             // heading centred on 3312
        {"December", 8040 + 1656, 12376, true},
        {"S", 600 + 200, 4600 + 420, false},                             // first weekday initial
        {"1", 600 + 200 + 460 * 5, 4600 + 770, false},                   // 1 January, Friday
        {"15", 600 + 140 + 460 * 5, 4600 + 770 + 2 * 280, false},        // 15 January, Friday
        {"25", 8040 + 140 + 460 * 6, 12376 + 770 + 3 * 280, false},      // 25 December, Saturday
    };
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.text);
        const double x = toPoints(e.x);
        const double y = toPoints(e.y);
        double best = 1e9;
        for (const Word &w : words) {
            if (w.text != QLatin1String(e.text))
                continue;
            const double wx = e.centred ? (w.xMin + w.xMax) / 2 : w.xMin;
            best = std::min(best, std::hypot(wx - x, w.yMin - y));
        }
        // Glyph side bearings and the font's own ascent move a word's box by a point or two.
        EXPECT_LT(best, 3.0) << "expected near (" << x << ", " << y << ") pt";
    }
}

TEST_F(PdfDevice, AsksWhereToSaveAndACancelWritesNothing)
{
    int asked = 0;
    printers.setSaveLocationAsker([&] {
        ++asked;
        return QString();
    });
    EXPECT_EQ(runPrintJob(state, printers), PrintOutcome::Cancelled);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(QDir(path(QString())).entryList(QDir::Files).isEmpty());

    const QString pdf = path(QStringLiteral("chosen.pdf"));
    printers.setSaveLocationAsker([&] {
        ++asked;
        return pdf;
    });
    EXPECT_EQ(runPrintJob(state, printers), PrintOutcome::Printed);
    EXPECT_EQ(asked, 2);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("MY_dl.txt"))));
}

TEST_F(PdfDevice, AnUnwritablePathIsAClearFailure)
{
    const QString pdf = path(QStringLiteral("missing folder/calendar.pdf"));
    printers.setPdfPath(pdf);
    try {
        runPrintJob(state, printers);
        FAIL() << "no failure";
    } catch (const UserError &error) {
        EXPECT_TRUE(error.reason().contains(QLatin1String("cannot be written"))) << error.reason().toStdString();
        EXPECT_TRUE(error.reason().contains(QDir::toNativeSeparators(pdf))) << error.reason().toStdString();
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("MY_dl.txt"))));
}

TEST_F(PdfDevice, AFailedJobKeepsTheEarlierPdf)
{
    const QString pdf = writeTestFile(path(QStringLiteral("calendar.pdf")), "earlier");
    printers.setPdfPath(pdf);
    std::unique_ptr<OutputJob> job = printers.openJob();
    ASSERT_NE(job, nullptr);
    job->page().setFontSize(12);
    job->page().printText(QStringLiteral("half a page"), true);
    job.reset();   // dropped before the page was sent
    EXPECT_EQ(readTestFile(pdf), QByteArray("earlier"));
}

TEST_F(PdfDevice, WithoutAPathOrAskerTheJobSaysSo)
{
    EXPECT_THROW(runPrintJob(state, printers), UserError);
}

// The middle of the first word `text` on page 1 of `pdf`, in points, and its width.
struct Placed
{
    double x = -1, y = -1, width = 0;
};
Placed placed(const QString &pdf, const QString &text)
{
    for (const Word &w : pdfWords(pdf))
        if (w.text == text)
            return {(w.xMin + w.xMax) / 2, (w.yMin + w.yMax) / 2, w.xMax - w.xMin};
    return {};
}

struct PaperRow
{
    const char *tag;
    Paper paper;
    double width;    // points: ISO 216 A4 and A5 in millimetres, ANSI Letter in inches
    double height;
};

class ChosenPaper : public PdfDevice, public testing::WithParamInterface<PaperRow>
{
};

// The page, composed on 11760 x 15360 twips, is scaled with its proportions kept to the
// printable area (12 points in from every edge) and centred on it; its fonts scale alike.
TEST_P(ChosenPaper, ThePageIsScaledToFitAndCentred)
{
    const PaperRow row = GetParam();
    printers.setPdfPath(path(QStringLiteral("plain.pdf")));
    ASSERT_EQ(runPrintJob(state, printers), PrintOutcome::Printed);
    state.page.paper = row.paper;
    printers.setPdfPath(path(QStringLiteral("paper.pdf")));
    ASSERT_EQ(runPrintJob(state, printers), PrintOutcome::Printed);

    // The headings of January, centred at (2256, 4600 + 8 pt) twips, and December, 7440
    // right and 7776 down of it.
    const Placed january = placed(path(QStringLiteral("paper.pdf")), QStringLiteral("January"));
    const Placed december = placed(path(QStringLiteral("paper.pdf")), QStringLiteral("December"));
    const double scale = std::min((row.width - 24) * 20 / 11760, (row.height - 24) * 20 / 15360);
    EXPECT_NEAR((december.x - january.x) * 20 / 7440, scale, 0.01);
    EXPECT_NEAR((december.y - january.y) * 20 / 7776, scale, 0.01);
    // The page's middle (5880, 7680) on the sheet's middle.
    EXPECT_NEAR(january.x + (5880 - 2256) * scale / 20, row.width / 2, 2);
    EXPECT_NEAR(january.y + (7680 - 4600 - 160) * scale / 20, row.height / 2, 3);
    EXPECT_NEAR(january.width / placed(path(QStringLiteral("plain.pdf")), QStringLiteral("January")).width, scale, 0.02);
}

INSTANTIATE_TEST_SUITE_P(PdfDevice, ChosenPaper,
                         testing::Values(PaperRow{"a4", Paper::A4, 210 / 25.4 * 72, 297 / 25.4 * 72},
                                         PaperRow{"letter", Paper::Letter, 8.5 * 72, 11 * 72},
                                         PaperRow{"a5", Paper::A5, 148 / 25.4 * 72, 210 / 25.4 * 72}),
                         [](const testing::TestParamInfo<PaperRow> &info) { return std::string(info.param.tag); });

// The club example's message used to run under the emblem beside the header; now its last
// word ends left of the emblem's drawn rectangle.
TEST_F(PdfDevice, TheClubMessageClearsTheEmblem)
{
    state.strSelectedFile = QStringLiteral(LUNARIA_SOURCE_DIR "/examples/club.txt");
    RecordingMessageService messages;
    ASSERT_TRUE(ReadControlFile(state, messages, sources()).read);
    const std::optional<QRectF> emblem = planPage(state).picture;
    ASSERT_TRUE(emblem);
    state.strListFile = QStringLiteral("club_dl.txt");
    printers.setPdfPath(path(QStringLiteral("club.pdf")));
    ASSERT_EQ(runPrintJob(state, printers), PrintOutcome::Printed);
    const Placed members = placed(path(QStringLiteral("club.pdf")), QStringLiteral("Members"));
    const Placed hall = placed(path(QStringLiteral("club.pdf")), QStringLiteral("hall"));
    ASSERT_GT(hall.width, 0);
    // Too long for one line left of the emblem at full size, it wraps: the last words on a
    // second line below the first, every word clear of the emblem and inside the margin.
    EXPECT_GT(hall.y, members.y + 10);
    EXPECT_LT(hall.x + hall.width / 2, toPoints(emblem->left()));
    EXPECT_LT(members.x + members.width / 2, toPoints(emblem->left()));
    EXPECT_GT(members.x - members.width / 2, toPoints(300) - 1);
}

} // namespace
