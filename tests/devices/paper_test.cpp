#include "devices/paper.h"
#include "devices/pdfdevice.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

// ISO 216 and ANSI sheet sizes in millimetres and inches, as the standards give them.
TEST(PageSizeOf, NamesTheStandardSheets)
{
    struct Row
    {
        Paper paper;
        double width;
        double height;
        QPageSize::Unit unit;
    };
    const Row rows[] = {
        {Paper::A5, 148, 210, QPageSize::Millimeter}, {Paper::A4, 210, 297, QPageSize::Millimeter},
        {Paper::A3, 297, 420, QPageSize::Millimeter}, {Paper::Letter, 8.5, 11, QPageSize::Inch},
        {Paper::Legal, 8.5, 14, QPageSize::Inch},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(paperKey(row.paper).toStdString());
        const std::optional<QPageSize> size = pageSizeOf(row.paper);
        ASSERT_TRUE(size);
        EXPECT_NEAR(size->size(row.unit).width(), row.width, 0.01);
        EXPECT_NEAR(size->size(row.unit).height(), row.height, 0.01);
        // The PDF device takes the same sheet, with its 12-point margins.
        const QPageLayout layout = pdfPageLayout(row.paper);
        EXPECT_TRUE(layout.pageSize().isEquivalentTo(*size));
        EXPECT_EQ(layout.margins(QPageLayout::Point), QMarginsF(12, 12, 12, 12));
    }
    EXPECT_FALSE(pageSizeOf(Paper::AsPrinter));
}

TEST(PdfPageLayout, AsThePrinterHasItIsLetterInTheUsAndA4Elsewhere)
{
    EXPECT_TRUE(pdfPageLayout(Paper::AsPrinter).pageSize().isEquivalentTo(QPageSize(QPageSize::Letter)));
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QPageLayout german = pdfPageLayout();
    QLocale::setDefault(saved);
    EXPECT_TRUE(german.pageSize().isEquivalentTo(QPageSize(QPageSize::A4)));
}

TEST(NearestPageSize, TakesTheSameSizeOrTheClosestOne)
{
    const QPageSize a3(QPageSize::A3), a4(QPageSize::A4), a5(QPageSize::A5), letter(QPageSize::Letter),
        legal(QPageSize::Legal), tabloid(QPageSize::Tabloid);
    // Listed under another name or id, the same sheet is still the same.
    const QPageSize customA4(QSizeF(210, 297), QPageSize::Millimeter, QStringLiteral("Custom A4"));
    EXPECT_TRUE(nearestPageSize(a4, {letter, customA4}).isEquivalentTo(a4));
    // An office printer without A3 gets Tabloid (11 x 17 in), the nearest to 297 x 420 mm.
    EXPECT_EQ(nearestPageSize(a3, {a4, letter, legal, tabloid}).id(), QPageSize::Tabloid);
    // An American printer with Letter and Legal only, asked for A4: Letter is 17 + 50 pt off,
    // Legal 17 + 166.
    EXPECT_EQ(nearestPageSize(a4, {legal, letter}).id(), QPageSize::Letter);
    // A5 listed on its side still counts as A5.
    const QPageSize a5Landscape(QSizeF(210, 148), QPageSize::Millimeter, QStringLiteral("A5 sideways"));
    EXPECT_EQ(nearestPageSize(a5, {a4, a5Landscape}).name(), QStringLiteral("A5 sideways"));
    // Nothing known of the printer's sizes: ask for the one wanted.
    EXPECT_EQ(nearestPageSize(a5, {}).id(), QPageSize::A5);
}

TEST(ColourSupportOf, ReadsTheQueuesColourModes)
{
    EXPECT_EQ(colourSupportOf({QPrinter::GrayScale, QPrinter::Color}), ColourSupport::Colour);
    EXPECT_EQ(colourSupportOf({QPrinter::Color}), ColourSupport::Colour);
    EXPECT_EQ(colourSupportOf({QPrinter::GrayScale}), ColourSupport::BlackAndWhite);
    EXPECT_EQ(colourSupportOf({}), ColourSupport::Unknown);
}

} // namespace
