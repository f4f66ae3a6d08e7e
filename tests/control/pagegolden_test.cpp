// The page each example control file prints, and the page of each page setting, compared
// whole with a golden file in tests/data/goldens: every drawing operation as a line of text,
// then the date-list. After an intended change of the page, scripts/update-goldens writes them
// again, and the diff shows a reviewer what moved.

#include "control/controlfile.h"
#include "page/composepage.h"
#include "tests/support/recordingdatelist.h"
#include "tests/support/recordingmessages.h"
#include "tests/support/recordingpagesurface.h"
#include "tests/support/scopedtimezone.h"
#include "tests/support/testfiles.h"
#include "tests/support/testsources.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Op = RecordingPageSurface::Op;

const QString GoldenFolder = QStringLiteral(LUNARIA_SOURCE_DIR "/tests/data/goldens");
const QString ExampleFolder = QStringLiteral(LUNARIA_SOURCE_DIR "/examples");

const MarkSources &sources()
{
    static const TestSources testSources;
    return testSources;
}

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

// One operation as a line: its kind, its numbers, its colour, its text in quotes.
QString opLine(const Op &op)
{
    QStringList parts{op.kind};
    for (const double arg : op.args)
        parts << number(arg);
    if (op.colour != 0)
        parts << QStringLiteral("#%1").arg(op.colour & 0xffffffu, 6, 16, QLatin1Char('0'));
    if (!op.text.isEmpty() || op.kind == QLatin1String("text"))
        parts << QLatin1Char('"') + op.text + QLatin1Char('"');
    return parts.join(QLatin1Char(' '));
}

struct GoldenCase
{
    const char *name;     // the golden file's name, without .txt
    const char *example;  // the example control file read first
    const char *lines;    // control lines read after it, in the example's folder
};

// Reads the example and the extra lines as one control file, and gives its page as text.
QString pageText(const GoldenCase &c)
{
    QFile example(ExampleFolder + QLatin1Char('/') + QString::fromLatin1(c.example));
    if (!example.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << c.example;
        return {};
    }
    QByteArray text = example.readAll();
    if (!text.endsWith('\n'))
        text += '\n';
    text += c.lines;
    // In a copy of the examples' folder, so that their pictures and calendars are found by
    // their relative paths and nothing is written into the source tree.
    QTemporaryDir folder;
    for (const QString &name : QDir(ExampleFolder).entryList(QDir::Files))
        writeTestFile(folder.path(), name, readTestFile(ExampleFolder + QLatin1Char('/') + name));
    for (const QString &name : QDir(ExampleFolder + QStringLiteral("/pictures")).entryList(QDir::Files))
        writeTestFile(folder.path(), QStringLiteral("pictures/") + name,
                      readTestFile(ExampleFolder + QStringLiteral("/pictures/") + name));
    const QString path = writeTestFile(folder.path(), QStringLiteral("golden.txt"), text);
    CalendarState state = loadDefaults(QDate(2026, 12, 8));
    state.strSelectedFile = path;
    RecordingMessageService messages;
    EXPECT_TRUE(ReadControlFile(state, messages, sources()).read) << c.name;

    RecordingPageSurface surface;
    RecordingDateList dateList;
    composePage(state, surface, dateList);
    QStringList lines;
    for (const QString &message : messages.texts())
        lines << QStringLiteral("message ") + QString(message).replace(folder.path(), QStringLiteral("FOLDER")).replace(QLatin1Char('\n'), QLatin1Char('|'));
    for (const Op &op : surface.ops())
        lines << opLine(op);
    lines << QStringLiteral("-- date-list");
    lines += dateList.lines;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

class PageGolden : public testing::TestWithParam<GoldenCase>
{
};

TEST_P(PageGolden, IsThePageOfItsGoldenFile)
{
    // Moon phases fall on the days of a time zone; the goldens are made in one.
    const ScopedTimeZone zone("UTC");
    const GoldenCase &c = GetParam();
    const QString actual = pageText(c);
    const QString goldenPath = GoldenFolder + QLatin1Char('/') + QString::fromLatin1(c.name) + QStringLiteral(".txt");
    if (qEnvironmentVariableIsSet("LUNARIA_UPDATE_GOLDENS")) {
        QDir().mkpath(GoldenFolder);
        writeTestFile(GoldenFolder, QString::fromLatin1(c.name) + QStringLiteral(".txt"), actual.toUtf8());
        return;
    }
    ASSERT_TRUE(QFile::exists(goldenPath)) << "no golden file " << goldenPath.toStdString() << "; run scripts/update-goldens";
    const QString golden = QString::fromUtf8(readTestFile(goldenPath));
    if (golden == actual)
        return;
    // The first line that differs, with its number: the rest follows from it mostly.
    const QStringList want = golden.split(QLatin1Char('\n'));
    const QStringList got = actual.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
        if (want.value(i) != got.value(i)) {
            ADD_FAILURE() << c.name << ".txt line " << i + 1 << "\n  golden: " << want.value(i).toStdString()
                          << "\n  page:   " << got.value(i).toStdString()
                          << "\nAfter an intended change, scripts/update-goldens writes the goldens again.";
            return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PageGolden,
    testing::Values(GoldenCase{"family", "family.txt", ""}, GoldenCase{"club", "club.txt", ""},
                    GoldenCase{"holidays", "holidays.txt", ""}, GoldenCase{"birthdays", "birthdays.txt", ""},
                    GoldenCase{"edges", "edges.txt", ""}, GoldenCase{"windows1252", "windows1252.txt", ""},
                    GoldenCase{"school-year", "school-year.txt", ""}),
    [](const testing::TestParamInfo<GoldenCase> &info) { return QString::fromLatin1(info.param.name).replace(QLatin1Char('-'), QLatin1Char('_')).toStdString(); });

// One page setting at a time, on the family calendar.
INSTANTIATE_TEST_SUITE_P(
    PageSettings, PageGolden,
    testing::Values(GoldenCase{"family-german", "family.txt", "LNG de_DE\n"},
                    GoldenCase{"family-hebrew", "family.txt", "LNG he_IL\n"},
                    GoldenCase{"family-monday-week-numbers", "family.txt", "WKS 2\nWKN 1\n"},
                    GoldenCase{"family-safe-colours", "family.txt", "PAL safe\n"},
                    GoldenCase{"family-patterns", "family.txt", "PAL patterns\n"},
                    GoldenCase{"family-picture-at-top", "family.txt", "TOP 1\n"},
                    GoldenCase{"family-from-september", "family.txt", "FRM 9\n"},
                    GoldenCase{"family-moon-phases", "family.txt", "MOO 1\n"},
                    GoldenCase{"family-emblem-beside-header", "family.txt", "PIC pictures/emblem.wmf\n"}),
    [](const testing::TestParamInfo<GoldenCase> &info) { return QString::fromLatin1(info.param.name).replace(QLatin1Char('-'), QLatin1Char('_')).toStdString(); });

} // namespace
