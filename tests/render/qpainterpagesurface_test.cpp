#include "render/qpainterpagesurface.h"

#include "render/picture.h"
#include "platform/usererror.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr QRgb MarkColour = 0xff98fb98; // 152, 251, 152

QImage pageImage(int width, int height, int dpiX, int dpiY = 0)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpiX / 0.0254));
    image.setDotsPerMeterY(qRound((dpiY ? dpiY : dpiX) / 0.0254));
    image.fill(Qt::white);
    return image;
}

// A day number "28" with a mark box over its first digit only, as the month block draws a
// mark: number first, then the box with the merge pen. Returns the box in twips.
QRectF drawMarkedNumber(PageSurface &surface, bool withBox)
{
    surface.setFontName(QStringLiteral("Arial"));
    surface.setFontSize(14);
    surface.setFontBold(true);
    surface.setCurrentX(720);
    surface.setCurrentY(720);
    const double firstDigit = surface.textWidth(QStringLiteral("2"));
    surface.printText(QStringLiteral("28"), false);
    const QRectF box(680, 700, 40 + firstDigit, 360);
    if (withBox) {
        surface.setRasterMode(RasterMode::MergePenNotPage);
        surface.setLineStyle(2);
        surface.box(box.x(), box.y(), box.width(), box.height(), MarkColour, true);
        surface.setRasterMode(RasterMode::CopyPen);
        surface.setLineStyle(0);
    }
    return box;
}

// drawMarkedNumber on `image`, the page sent. Returns the box in twips.
QRectF drawMarkedNumberOn(QImage &image, bool withBox)
{
    QPainterPageSurface surface(image, QStringLiteral("image"));
    const QRectF box = drawMarkedNumber(surface, withBox);
    surface.endDocument();
    return box;
}

QRect pixelRect(const QRectF &twips, int dpi)
{
    const double f = dpi / 1440.0;
    return QRectF(twips.x() * f, twips.y() * f, twips.width() * f, twips.height() * f).toAlignedRect();
}

bool isDark(QRgb c)
{
    return qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80;
}
bool isLight(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200;
}
bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Pixels well inside a glyph's stroke: dark, with every pixel within `margin` dark too.
QList<QPoint> strokeCores(const QImage &image, const QRect &area, int margin)
{
    QList<QPoint> cores;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            bool core = true;
            for (int dy = -margin; core && dy <= margin; ++dy)
                for (int dx = -margin; core && dx <= margin; ++dx)
                    core = isDark(image.pixel(x + dx, y + dy));
            if (core)
                cores << QPoint(x, y);
        }
    return cores;
}

// Every `step`-th of `points`, so a handful are compared.
QList<QPoint> some(const QList<QPoint> &points, int count)
{
    QList<QPoint> picked;
    const int step = qMax<int>(1, int(points.size() / count));
    for (int i = 0; i < points.size() && picked.size() < count; i += step)
        picked << points[i];
    return picked;
}

struct RecordingPicture : Picture
{
    QSize naturalSizeTwips() const override { return {1440, 1440}; }
    void draw(QPainter &painter, const QRectF &target) const override
    {
        targets << target;
        painter.fillRect(target, Qt::blue);
    }
    mutable QList<QRectF> targets;
};

// Horizontal runs of ink along row `y` of `image`.
QList<int> inkRuns(const QImage &image, int y)
{
    QList<int> runs;
    int run = 0;
    for (int x = 0; x < image.width(); ++x) {
        if (!isLight(image.pixel(x, y))) {
            ++run;
        } else if (run) {
            runs << run;
            run = 0;
        }
    }
    if (run)
        runs << run;
    return runs;
}

} // namespace

TEST(QPainterPageSurface, MarkOnAnImageIsTheMarkColourWithTheNumberReversedOut)
{
    QImage plain = pageImage(400, 300, 96);
    QImage marked = plain;
    drawMarkedNumberOn(plain, false);
    const QRectF boxTwips = drawMarkedNumberOn(marked, true);
    // Inside the box every pixel is the mark colour merged with the inverse of the page.
    const QRect box = pixelRect(boxTwips, 96).adjusted(1, 1, -1, -1);
    int textPixels = 0;
    int paperPixels = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb before = plain.pixel(x, y);
            ASSERT_EQ(marked.pixel(x, y), (MarkColour | ~before) | 0xff000000u) << x << "," << y;
            textPixels += before == qRgb(0, 0, 0);
            paperPixels += before == qRgb(255, 255, 255);
        }
    EXPECT_GT(textPixels, 10);
    EXPECT_GT(paperPixels, 100);
    // Right of the box the second digit is untouched.
    const QRect rest(box.right() + 3, box.top(), 30, box.height());
    for (int y = rest.top(); y <= rest.bottom(); ++y)
        for (int x = rest.left(); x <= rest.right(); ++x)
            ASSERT_EQ(marked.pixel(x, y), plain.pixel(x, y)) << x << "," << y;
}

TEST(QPainterPageSurface, MarkOnAPdfLooksLikeTheMarkOnAnImage)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    constexpr int Dpi = 300;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdfPath = dir.filePath(QStringLiteral("mark.pdf"));

    QImage plain = pageImage(600, 450, Dpi);
    QImage marked = plain;
    QRectF boxTwips;
    drawMarkedNumberOn(plain, false);
    drawMarkedNumberOn(marked, true);
    {
        QPdfWriter writer(pdfPath);
        writer.setResolution(1200);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        QPainterPageSurface surface(writer, QStringLiteral("PDF file"));
        boxTwips = drawMarkedNumber(surface, true);
        surface.endDocument();
    }
    const QString prefix = dir.filePath(QStringLiteral("page"));
    ASSERT_EQ(QProcess::execute(pdftoppm, {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-png"),
                                           QStringLiteral("-singlefile"), pdfPath, prefix}),
              0);
    const QImage pdf(prefix + QStringLiteral(".png"));
    ASSERT_FALSE(pdf.isNull());

    const QRect box = pixelRect(boxTwips, Dpi);
    const QRect inside = box.adjusted(4, 4, -4, -4);
    const QList<QPoint> underBox = some(strokeCores(plain, inside, 2), 6);
    const QList<QPoint> besideBox =
        some(strokeCores(plain, QRect(box.right() + 6, box.top(), 120, box.height()), 2), 6);
    ASSERT_FALSE(underBox.isEmpty());
    ASSERT_FALSE(besideBox.isEmpty());
    for (const QPoint &p : underBox) {
        SCOPED_TRACE(testing::Message() << "under the box " << p.x() << "," << p.y());
        EXPECT_TRUE(isLight(marked.pixel(p)));
        EXPECT_TRUE(isLight(pdf.pixel(p)));
    }
    for (const QPoint &p : besideBox) {
        SCOPED_TRACE(testing::Message() << "beside the box " << p.x() << "," << p.y());
        EXPECT_TRUE(isDark(marked.pixel(p)));
        EXPECT_TRUE(isDark(pdf.pixel(p)));
    }
    // Paper inside the box, in a corner clear of the digit, and paper outside the box.
    const QPoint paper = inside.topLeft();
    ASSERT_EQ(plain.pixel(paper), qRgb(255, 255, 255));
    EXPECT_EQ(marked.pixel(paper), MarkColour);
    EXPECT_TRUE(near(pdf.pixel(paper), MarkColour, 3));
    const QPoint outside(box.left() - 10, box.bottom() + 10);
    EXPECT_TRUE(near(pdf.pixel(outside), qRgb(255, 255, 255), 0));
    EXPECT_TRUE(near(marked.pixel(outside), qRgb(255, 255, 255), 0));
}

TEST(QPainterPageSurface, FontKeepsItsPhysicalSizeAtAnyResolution)
{
    const QString text = QStringLiteral("September 28, 2024");
    QImage low = pageImage(800, 200, 96);
    QImage high = pageImage(5000, 1200, 600);
    double widths[2];
    double lineDown[2];
    int inkHeight[2];
    QImage *images[2] = {&low, &high};
    for (int i = 0; i < 2; ++i) {
        QPainterPageSurface surface(*images[i], QStringLiteral("image"));
        surface.setFontName(QStringLiteral("Arial"));
        surface.setFontSize(10);
        widths[i] = surface.textWidth(text);
        surface.setCurrentX(300);
        surface.setCurrentY(300);
        surface.printText(QStringLiteral("H"), true);
        lineDown[i] = surface.currentY() - 300;
        EXPECT_EQ(surface.currentX(), 0);
        surface.endDocument();
        int top = images[i]->height();
        int bottom = -1;
        for (int y = 0; y < images[i]->height(); ++y)
            for (int x = 0; x < images[i]->width(); ++x)
                if (isDark(images[i]->pixel(x, y))) {
                    top = qMin(top, y);
                    bottom = qMax(bottom, y);
                }
        inkHeight[i] = bottom - top + 1;
    }
    // 10 pt Arial: "September 28, 2024" is about 1.3 inches; an "H" stands about 0.1 inch.
    EXPECT_NEAR(widths[0], 1870, 190);
    EXPECT_NEAR(widths[1] / widths[0], 1.0, 0.03);
    EXPECT_NEAR(lineDown[1] / lineDown[0], 1.0, 0.05);
    const double inchesLow = inkHeight[0] / 96.0;
    const double inchesHigh = inkHeight[1] / 600.0;
    EXPECT_NEAR(inchesHigh, 0.1, 0.015);
    EXPECT_NEAR(inchesLow / inchesHigh, 1.0, 0.15);
}

TEST(QPainterPageSurface, PrintTextMovesTheCursorByTheFontsMetrics)
{
    QImage image = pageImage(800, 400, 96);
    QPainterPageSurface surface(image, QStringLiteral("image"));
    surface.setFontName(QStringLiteral("Arial"));
    surface.setFontSize(12);
    surface.setFontBold(true);
    EXPECT_EQ(surface.fontSize(), 12);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(12);
    font.setBold(true);
    const QFontMetricsF metrics(font, &image);

    surface.setCurrentX(100);
    surface.setCurrentY(200);
    surface.printText(QStringLiteral("May"), false);
    EXPECT_NEAR(surface.currentX(), 100 + metrics.horizontalAdvance(QStringLiteral("May")) * 15, 1e-6);
    EXPECT_EQ(surface.currentY(), 200);
    surface.printText(QStringLiteral("!"), true);
    EXPECT_EQ(surface.currentX(), 0);
    EXPECT_NEAR(surface.currentY(), 200 + metrics.lineSpacing() * 15, 1e-6);
}

TEST(QPainterPageSurface, TextStandsWithItsTopLeftAtTheCursor)
{
    QImage image = pageImage(300, 300, 96);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(20);
    const QFontMetricsF metrics(font, &image);
    {
        QPainterPageSurface surface(image, QStringLiteral("image"));
        surface.setFontName(QStringLiteral("Arial"));
        surface.setFontSize(20);
        surface.setCurrentX(1440);
        surface.setCurrentY(1440);
        surface.printText(QStringLiteral("H"), false);
        surface.printText(QStringLiteral("H"), false);
        surface.endDocument();
    }
    // The cursor is at device (96, 96); the first H's ink starts at its left bearing and
    // its cap height below the font's ascent, the second one advance further right.
    const QRectF ink = metrics.tightBoundingRect(QStringLiteral("H")).translated(96, 96 + metrics.ascent());
    int left = image.width();
    int top = image.height();
    int secondLeft = image.width();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isDark(image.pixel(x, y))) {
                top = qMin(top, y);
                left = qMin(left, x);
                if (x > ink.right() + 2)
                    secondLeft = qMin(secondLeft, x);
            }
    EXPECT_NEAR(left, ink.left(), 1.5);
    EXPECT_NEAR(top, ink.top(), 1.5);
    EXPECT_NEAR(secondLeft, ink.left() + metrics.horizontalAdvance(QStringLiteral("H")), 1.5);
}

TEST(QPainterPageSurface, TwipsMapByEachAxisResolution)
{
    QImage image = pageImage(400, 300, 300, 150);
    {
        QPainterPageSurface surface(image, QStringLiteral("image"));
        EXPECT_DOUBLE_EQ(surface.toDeviceX(1440), 300);
        EXPECT_DOUBLE_EQ(surface.toDeviceY(1440), 150);
        surface.box(288, 288, 576, 576, qRgb(255, 0, 0), true);
        surface.box(0, 1440, 288, 288, qRgb(0, 0, 255), false);
        surface.endDocument();
    }
    // Filled box: x 60..180, y 30..90 device pixels.
    EXPECT_EQ(image.pixel(65, 35), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(175, 85), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(185, 60), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(120, 95), qRgb(255, 255, 255));
    // Outlined box: x 0..60, y 150..180; its middle stays paper.
    EXPECT_EQ(image.pixel(30, 165), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(30, 150), qRgb(0, 0, 255));
}

TEST(QPainterPageSurface, LineStylesAreSolidDashDotDashDotAndDashDotDot)
{
    QList<QList<int>> patterns;
    for (int style = 0; style <= 4; ++style) {
        SCOPED_TRACE(style);
        QImage image = pageImage(700, 40, 96);
        {
            QPainterPageSurface surface(image, QStringLiteral("image"));
            surface.setLineStyle(style);
            surface.line(150, 300, 9000, 0, qRgb(0, 0, 0));
            surface.endDocument();
        }
        const QList<int> runs = inkRuns(image, 20);
        ASSERT_FALSE(runs.isEmpty());
        if (style == 0) {
            EXPECT_EQ(runs.size(), 1);
        } else {
            EXPECT_GT(runs.size(), 20);
        }
        patterns << runs.mid(0, 6);
    }
    for (int a = 0; a < patterns.size(); ++a)
        for (int b = a + 1; b < patterns.size(); ++b)
            EXPECT_NE(patterns[a], patterns[b]) << "styles " << a << " and " << b;
    // Dash-dot: long, short, long, short. Dash-dot-dot: long, short, short, long.
    EXPECT_GT(patterns[3][0], patterns[3][1]);
    EXPECT_GT(patterns[3][2], patterns[3][1]);
    EXPECT_GT(patterns[3][2], patterns[3][3]);
    EXPECT_GT(patterns[4][0], patterns[4][1]);
    EXPECT_EQ(patterns[4][1], patterns[4][2]);
    EXPECT_GT(patterns[4][3], patterns[4][2]);
    // Dots are shorter than dashes.
    EXPECT_GT(patterns[1][0], patterns[2][0]);
}

TEST(QPainterPageSurface, PictureIsDrawnIntoTheDeviceRectangle)
{
    QImage image = pageImage(400, 300, 96);
    RecordingPicture picture;
    {
        QPainterPageSurface surface(image, QStringLiteral("image"));
        surface.drawPicture(picture, 1440, 720, 2880, 1440);
        surface.endDocument();
    }
    ASSERT_EQ(picture.targets.size(), 1);
    EXPECT_EQ(picture.targets[0], QRectF(96, 48, 192, 96));
    EXPECT_EQ(image.pixel(100, 50), qRgb(0, 0, 255));
}

TEST(QPainterPageSurface, UnusableDeviceIsAUserError)
{
    QImage null;
    try {
        QPainterPageSurface surface(null, QStringLiteral("Preview"));
        FAIL() << "no failure";
    } catch (const UserError &e) {
        EXPECT_TRUE(e.reason().contains(QStringLiteral("Preview")));
    }
    QPdfWriter writer(QStringLiteral("/nonexistent-folder/for/sure/page.pdf"));
    EXPECT_THROW(QPainterPageSurface(writer, QStringLiteral("PDF file")), UserError);
}

TEST(QPainterPageSurface, EndingTwiceIsRefused)
{
    QImage image = pageImage(100, 100, 96);
    QPainterPageSurface surface(image, QStringLiteral("image"));
    EXPECT_EQ(surface.deviceName(), QStringLiteral("image"));
    surface.endDocument();
    EXPECT_THROW(surface.endDocument(), UserError);
    // Drawing after the page went is ignored, not painted.
    surface.box(0, 0, 1440, 1440, qRgb(255, 0, 0), true);
    EXPECT_EQ(image.pixel(50, 50), qRgb(255, 255, 255));
}

TEST(QPainterPageSurface, CopiesReachThePrinterBeforeThePageBegins)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("copies.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QPainterPageSurface surface(printer, QStringLiteral("PDF file"));
    EXPECT_THROW(surface.setCopies(0), UserError);
    surface.setCopies(3);
    EXPECT_EQ(surface.copies(), 3);
    EXPECT_EQ(printer.copyCount(), 3);
    surface.box(1440, 1440, 1440, 1440, qRgb(0, 0, 0), false);
    EXPECT_THROW(surface.setCopies(2), UserError);
    EXPECT_EQ(printer.copyCount(), 3);
    surface.endDocument();
    EXPECT_GT(QFile(path).size(), 0);
}

TEST(QPainterPageSurface, ImagesDrawLineWidthsAsA1200DpiPrinterWould)
{
    // A 6-pixel rule (the month blocks') is 1/200 inch on paper: one pixel on a 96-dpi
    // preview, six on a 1200-dpi image.
    struct Row
    {
        int dpi;
        int expectedRows;
    } rows[] = {{96, 1}, {300, 2}, {600, 3}, {1200, 6}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.dpi);
        QImage image = pageImage(row.dpi, row.dpi / 2, row.dpi);
        {
            QPainterPageSurface surface(image, QStringLiteral("image"));
            surface.setLineWidth(6);
            surface.line(0, 360, 1440, 0, qRgb(0, 0, 0));
            surface.endDocument();
        }
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            inked += qGray(image.pixel(image.width() / 2, y)) < 128;
        EXPECT_EQ(inked, row.expectedRows);
    }
}
