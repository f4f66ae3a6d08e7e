#include "control/controlfile.h"
#include "devices/pdfdevice.h"
#include "devices/printers.h"
#include "print/composepage.h"
#include "print/printjob.h"
#include "tests/support/recordingmessages.h"

#include <QDate>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Word
{
    QString text;
    double xMin, yMin, xMax, yMax;   // points from the page's top-left corner
};

struct PdfPage
{
    double width = 0;   // points
    double height = 0;
    std::vector<Word> words;

    const Word *find(const QString &text) const
    {
        for (const Word &w : words)
            if (w.text == text)
                return &w;
        return nullptr;
    }
};

// Page 1 of `pdf` as poppler's pdftotext -bbox reads it back.
PdfPage readBack(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    PdfPage page;
    static const QRegularExpression size(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    if (const QRegularExpressionMatch m = size.match(html); m.hasMatch()) {
        page.width = m.captured(1).toDouble();
        page.height = m.captured(2).toDouble();
    }
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (const QRegularExpressionMatch &m : word.globalMatch(html))
        page.words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                              m.captured(4).toDouble()});
    return page;
}

class PaperPdf : public testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_TRUE(m_dir.isValid());
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        printers.setCurrentByName(PdfDeviceName);
    }
    void TearDown() override
    {
        if (!m_previousFolder.isEmpty())
            QDir::setCurrent(m_previousFolder);
    }

    PdfPage print(CalendarState state, const QString &name)
    {
        const QString pdf = m_dir.filePath(name);
        printers.setPdfPath(pdf);
        RecordingMessageService messages;
        EXPECT_EQ(runPrintJob(state, printers, &messages), PrintOutcome::Printed);
        EXPECT_TRUE(messages.messages().isEmpty());
        return readBack(pdf);
    }

    Printers printers;

private:
    QTemporaryDir m_dir;
    QString m_previousFolder;
};

struct PaperRow
{
    const char *tag;
    Paper paper;
    double width;    // points: ISO 216 A4 and A5 in millimetres, ANSI Letter in inches
    double height;
};

class ChosenPaper : public PaperPdf, public testing::WithParamInterface<PaperRow>
{
};

// The page, composed on 11760 x 15360 twips, is scaled with its proportions kept to the
// printable area (12 points in from every edge) and centred on it.
TEST_P(ChosenPaper, ThePageIsScaledToFitAndCentred)
{
    const PaperRow row = GetParam();
    CalendarState state = loadDefaults(QDate(2026, 6, 1));
    state.txtYear = QStringLiteral("2027");
    state.txtHeader = QStringLiteral("Smith");
    state.page.paper = row.paper;
    const PdfPage page = print(state, QStringLiteral("%1.pdf").arg(QLatin1String(row.tag)));
    EXPECT_NEAR(page.width, row.width, 0.5);
    EXPECT_NEAR(page.height, row.height, 0.5);

    // Two headings far apart, each centred on its 3312-twip band: January's at (2256, 4600),
    // December's at (9696, 12376).
    const Word *january = page.find(QStringLiteral("January"));
    const Word *december = page.find(QStringLiteral("December"));
    ASSERT_NE(january, nullptr);
    ASSERT_NE(december, nullptr);
    const double janX = (january->xMin + january->xMax) / 2, decX = (december->xMin + december->xMax) / 2;
    const double scaleX = (decX - janX) * 20 / (9696 - 2256);
    const double scaleY = (december->yMin - january->yMin) * 20 / (12376 - 4600);
    const double expected = std::min((row.width - 24) * 20 / 11760, (row.height - 24) * 20 / 15360);
    EXPECT_NEAR(scaleX, expected, 0.01);
    EXPECT_NEAR(scaleY, expected, 0.01);
    EXPECT_NEAR(scaleX / scaleY, 1.0, 0.01);
    // The page's middle (5880, 7680) falls on the sheet's middle.
    EXPECT_NEAR(janX + (5880 - 2256) * expected / 20, row.width / 2, 2);
    EXPECT_NEAR(january->yMin + (7680 - 4600) * expected / 20, row.height / 2, 3);
    // The header keeps its place on the scaled page, and its size with it.
    const Word *header = page.find(QStringLiteral("Smith"));
    ASSERT_NE(header, nullptr);
    EXPECT_NEAR(header->xMin, janX + (300 - 2256) * expected / 20, 2);
}

INSTANTIATE_TEST_SUITE_P(PdfDevice, ChosenPaper,
                         testing::Values(PaperRow{"a4", Paper::A4, 210 / 25.4 * 72, 297 / 25.4 * 72},
                                         PaperRow{"letter", Paper::Letter, 8.5 * 72, 11 * 72},
                                         PaperRow{"a5", Paper::A5, 148 / 25.4 * 72, 210 / 25.4 * 72}),
                         [](const testing::TestParamInfo<PaperRow> &info) { return std::string(info.param.tag); });

TEST_F(PaperPdf, AsThePrinterHasItThePageIsUnscaledAtTheMargin)
{
    CalendarState state = loadDefaults(QDate(2026, 6, 1));
    state.txtYear = QStringLiteral("2027");
    const PdfPage page = print(state, QStringLiteral("plain.pdf"));
    const Word *january = page.find(QStringLiteral("January"));
    ASSERT_NE(january, nullptr);
    EXPECT_NEAR((january->xMin + january->xMax) / 2, 12 + 2256 / 20.0, 2);
}

// The club example's message runs under the emblem beside the header on the old page; it
// now ends left of the emblem's drawn rectangle.
TEST_F(PaperPdf, TheClubMessageClearsTheEmblem)
{
    CalendarState state = loadDefaults(QDate(2026, 6, 1));
    state.strSelectedFile = QStringLiteral(LUNARIA_SOURCE_DIR "/examples/club.txt");
    RecordingMessageService messages;
    ASSERT_TRUE(ReadControlFile(state, messages).read);
    ASSERT_TRUE(state.binSelPic);
    const std::optional<QRectF> emblem = planPage(state).picture;
    ASSERT_TRUE(emblem);
    state.strListFile = QStringLiteral("club_dl.txt");
    const PdfPage page = print(state, QStringLiteral("club.pdf"));
    const Word *members = page.find(QStringLiteral("Members"));
    const Word *hall = page.find(QStringLiteral("hall"));
    ASSERT_NE(members, nullptr);
    ASSERT_NE(hall, nullptr);
    // Still the message line, whole, left of the emblem and on the page.
    EXPECT_NEAR(hall->yMin, members->yMin, 1);
    EXPECT_LT(hall->xMax, 12 + emblem->left() / 20);
    EXPECT_GT(members->xMin, 12 + 300 / 20.0 - 1);
}

} // namespace
