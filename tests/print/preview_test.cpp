#include "print/preview.h"

#include <QDate>

#include <gtest/gtest.h>

namespace {

constexpr double Dpi = 72;   // one pixel per point

CalendarState calendar2027()
{
    CalendarState state = loadDefaults(QDate(2026, 6, 1));
    state.txtYear = QStringLiteral("2027");
    return state;
}

bool isWhite(QRgb c)
{
    return c == qRgb(255, 255, 255);
}

TEST(RenderPreview, ShowsTheWholeSheetOfTheChosenPaperWithItsPrintableArea)
{
    struct Row
    {
        Paper paper;
        int width;    // points, ISO 216 and ANSI sheets
        int height;
    };
    for (const Row row : {Row{Paper::AsPrinter, 612, 792}, Row{Paper::A5, 420, 595}, Row{Paper::Legal, 612, 1008}}) {
        SCOPED_TRACE(paperKey(row.paper).toStdString());
        CalendarState state = calendar2027();
        state.page.paper = row.paper;
        const QImage image = renderPreview(state, Dpi);
        EXPECT_NEAR(image.width(), row.width, 1);
        EXPECT_NEAR(image.height(), row.height, 1);
        // The sheet's edge, then white margin, then the dashed outline 12 points in.
        const int middle = image.height() / 2;
        EXPECT_FALSE(isWhite(image.pixel(0, middle)));
        EXPECT_TRUE(isWhite(image.pixel(6, middle)));
        int dashes = 0;
        for (int y = 20; y < image.height() - 20; ++y)
            dashes += !isWhite(image.pixel(12, y));
        EXPECT_GT(dashes, (image.height() - 40) / 4);
        EXPECT_LT(dashes, image.height() - 40);
    }
}

// A light box lies under a black number; a dark classic colour (brown) reverses the number
// out white.
TEST(RenderPreview, LightMarksKeepTheNumberBlackAndDarkOnesWhite)
{
    const struct
    {
        Palette palette;
        qint16 category;
        bool black;
    } rows[] = {
        {Palette::Classic, 3, false}, {Palette::Classic, 4, true}, {Palette::Safe, 4, true}, {Palette::Patterns, 4, true},
    };
    for (const auto &row : rows) {
        const Palette palette = row.palette;
        SCOPED_TRACE(int(palette) * 10 + row.category);
        CalendarState state = calendar2027();
        state.page.palette = palette;
        state.setDayMark(1, 28, row.category);   // Thursday 28 January 2027: column 4, row 4
        const double dpi = 288;       // 5 twips a pixel
        const QImage image = renderPreview(state, dpi);
        // The box: x 600 + 115 + 460 x 4, y 4600 + 770 + 280 x 4, 300 x 230 twips; margin 48 px.
        const QRect box(48 + (600 + 115 + 1840) / 5 + 2, 48 + (4600 + 770 + 1120) / 5 + 2, 60 - 4, 46 - 4);
        int dark = 0, white = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                dark += qGray(image.pixel(x, y)) < 60;
                white += qGray(image.pixel(x, y)) > 250;
            }
        if (!row.black) {
            EXPECT_EQ(dark, 0);
            EXPECT_GT(white, 40);
        } else {
            EXPECT_GT(dark, 40);
            EXPECT_EQ(white, 0);
        }
    }
}

} // namespace
