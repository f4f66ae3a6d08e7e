#include "pictures/pictureloader.h"

#include "pictures/metafilepicture.h"
#include "pictures/qtmessagecapture.h"
#include "render/picture.h"
#include "pictures/rasterpicture.h"
#include "tests/support/samples.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

#include <sys/stat.h>

namespace {

struct SizeCase
{
    const char *file;
    int width;   // twips
    int height;
};

// Natural sizes from the facts of each sample: pixels * 1440 / dpi (96 where the file states
// none), or the placeable box * 1440 / units per inch, or the window at 96 dpi.
const SizeCase sizeCases[] = {
    {"bmp/bmpsuite-pal1.bmp", 2540, 1280},
    {"bmp/bmpsuite-pal4rle.bmp", 2540, 1280},
    {"bmp/bmpsuite-pal8.bmp", 2540, 1280},
    {"bmp/bmpsuite-rgb32.bmp", 2540, 1280},
    {"bmp/bmpsuite-pal8topdown.bmp", 2540, 1280},
    {"bmp/bmpsuite-pal8-0.bmp", 1905, 960},
    {"bmp/bmpsuite-pal8nonsquare.bmp", 2540, 1280},
    {"bmp/bmpsuite-pal8os2.bmp", 1905, 960},
    {"bmp/pillow-hopper.bmp", 1920, 1920},
    {"gif/pillow-hopper.gif", 1920, 1920},
    {"gif/pillow-hopper_resized-interlaced.gif", 960, 960},
    {"gif/pillow-dispose_bgnd-animated.gif", 1500, 1500},
    {"gif/pillow-transparent.gif", 3000, 2250},
    {"jpg/pillow-hopper.jpg", 1920, 1920},
    {"jpg/pillow-rgb-jfif300dpi.jpg", 480, 480},
    {"jpg/pillow-app13-multiple-progressive.jpg", 3840, 2400},
    {"jpg/pillow-pil_sample_cmyk.jpg", 2000, 2000},
    {"jpg/pillow-hopper_orientation_6.jpg", 1920, 1920},
    {"jpg/pillow-orientation_rectangle-exif8.jpg", 15, 30},
    {"jpg/pillow-photoshop-200dpi-exifonly.jpg", 1440, 1440},
    {"wmf/libwmf-2doorvan.wmf", 4771, 1733},
    {"wmf/libwmf-Eg.wmf", 9000, 4493},
    {"wmf/libwmf-anim0002.wmf", 5919, 5463},
    {"wmf/libwmf-arrow01.wmf", 2540, 2372},
    {"wmf/libwmf-cell.wmf", 15827, 12261},
    {"wmf/libwmf-fjftest.wmf", 11906, 16838},
    {"wmf/libwmf-formula1.wmf", 3330, 615},
    {"wmf/libwmf-fulltest.wmf", 15840, 12240},
    {"wmf/libwmf-p0000001.wmf", 72000, 26880},
    {"wmf/libwmf-sample.wmf", 4537, 4072},
    {"wmf/pillow-drawing.wmf", 1643, 1643},
    {"wmf/libuemf-test_libuemf_ref.wmf", 16837, 11905},
    {"wmf/wmf2svg-fulltest.wmf", 15840, 12240},
    {"wmf/wmf2svg-symbol-font-tables.wmf", 8504, 7540},
    {"wmf/poi-60677.wmf", 25400, 17140},
    {"wmf/poi-santa.wmf", 2714, 2912},
    {"wmf/poi-64716_image2.wmf", 2921, 740},
    {"wmf/poi-testException2.doc-2.wmf", 6645, 2730},
    {"wmf/wmfjs-dash-dot.wmf", 2400, 2400},
    {"wmf/wmfjs-pie.wmf", 2880, 2880},
};

QString caseName(const char *file)
{
    QString name = QString::fromLatin1(file);
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QStringLiteral("_"));
    return name;
}

class NaturalSize : public testing::TestWithParam<SizeCase>
{
};

TEST_P(NaturalSize, MatchesTheStatedResolution)
{
    LUNARIA_REQUIRE_SAMPLES();
    const SizeCase &c = GetParam();
    QString error;
    const auto picture = loadPicture(samplePath(QStringLiteral("pictures/") + QLatin1String(c.file)), &error);
    ASSERT_TRUE(picture) << qPrintable(error);
    EXPECT_EQ(picture->naturalSizeTwips(), QSize(c.width, c.height));
}

INSTANTIATE_TEST_SUITE_P(Samples, NaturalSize, testing::ValuesIn(sizeCases),
                         [](const testing::TestParamInfo<SizeCase> &info) { return caseName(info.param.file).toStdString(); });

TEST(NaturalSize, MetafileWithoutWindowTakesItsDrawingBounds)
{
    LUNARIA_REQUIRE_SAMPLES();
    // No placeable header and no window: the text it draws decides the size, at 96 dpi.
    const auto picture = loadPicture(samplePath(QStringLiteral("pictures/wmf/libwmf-text.wmf")));
    ASSERT_TRUE(picture);
    const QSize size = picture->naturalSizeTwips();
    EXPECT_GT(size.width(), 1500);
    EXPECT_GT(size.height(), 1500);
    EXPECT_EQ(size.width() % 15, 0);
    // And the text is drawn inside that frame, not clipped away.
    QImage page(200, 200, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        picture->draw(painter, QRectF(0, 0, 200, 200));
    }
    int inked = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            inked += qGray(page.pixel(x, y)) < 128;
    EXPECT_GT(inked, 100);
}

struct BrokenCase
{
    const char *file;
    bool loads; // false: refused
};

// Every damaged file is refused except the one whose damage decoders are meant to recover
// from (stray bytes between JPEG segments, with a complete scan after them).
const BrokenCase brokenCases[] = {
    {"MADE-empty.wmf", false},
    {"MADE-pillow-drawing.inch0.wmf", false},
    {"MISNAMED-pillow-hopper-gif-content.jpg", true},
    {"TRUNCATED-bmpsuite-pal8.half.bmp", false},
    {"TRUNCATED-libwmf-Eg.first12000bytes.wmf", false},
    {"TRUNCATED-libwmf-arrow01.first10bytes.wmf", false},
    {"TRUNCATED-pillow-drawing.headers-only.wmf", false},
    {"TRUNCATED-pillow-hopper.first300bytes.jpg", false},
    {"TRUNCATED-pillow-hopper.half.gif", false},
    {"TRUNCATED-pillow-hopper.half.jpg", false},
    {"bmpsuite-b-badbitcount.bmp", false},
    {"bmpsuite-b-badrle.bmp", false},
    {"bmpsuite-b-reallybig.bmp", false},
    {"bmpsuite-b-shortfile.bmp", false},
    {"pillow-decompression_bomb.gif", false},
    {"pillow-junk_jpeg_header.jpg", true},
    {"pillow-truncated_jpeg.jpg", false},
    {"pillow-zero_width.gif", false},
    {"poi-61338-bad-record-size.wmf", false},
};

class BrokenFile : public testing::TestWithParam<BrokenCase>
{
};

TEST_P(BrokenFile, IsRefusedWithAReasonOrLoadsWhole)
{
    LUNARIA_REQUIRE_SAMPLES();
    const BrokenCase &c = GetParam();
    QString error;
    const auto picture = loadPicture(samplePath(QStringLiteral("pictures/broken/") + QLatin1String(c.file)), &error);
    if (!c.loads) {
        EXPECT_FALSE(picture);
        EXPECT_FALSE(error.isEmpty());
        return;
    }
    ASSERT_TRUE(picture) << qPrintable(error);
    EXPECT_GT(picture->naturalSizeTwips().width(), 0);
    // Whatever loads must also draw.
    QImage page(200, 200, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    picture->draw(painter, QRectF(10, 10, 180, 180));
}

INSTANTIATE_TEST_SUITE_P(Samples, BrokenFile, testing::ValuesIn(brokenCases),
                         [](const testing::TestParamInfo<BrokenCase> &info) { return caseName(info.param.file).toStdString(); });

const RasterPicture *raster(const std::shared_ptr<const Picture> &picture)
{
    return dynamic_cast<const RasterPicture *>(picture.get());
}

TEST(RasterLoading, TopDownBitmapDecodesLikeItsBottomUpTwin)
{
    LUNARIA_REQUIRE_SAMPLES();
    const auto bottomUp = loadPicture(samplePath(QStringLiteral("pictures/bmp/bmpsuite-pal8.bmp")));
    const auto topDown = loadPicture(samplePath(QStringLiteral("pictures/bmp/bmpsuite-pal8topdown.bmp")));
    ASSERT_TRUE(raster(bottomUp));
    ASSERT_TRUE(raster(topDown));
    EXPECT_EQ(raster(topDown)->image().size(), QSize(127, 64));
    EXPECT_EQ(raster(topDown)->image().convertToFormat(QImage::Format_RGB32),
              raster(bottomUp)->image().convertToFormat(QImage::Format_RGB32));
}

TEST(RasterLoading, ExifOrientationIsApplied)
{
    LUNARIA_REQUIRE_SAMPLES();
    // Stored 2 x 1; orientation 8 turns it upright as 1 x 2.
    const auto picture = loadPicture(samplePath(QStringLiteral("pictures/jpg/pillow-orientation_rectangle-exif8.jpg")));
    ASSERT_TRUE(raster(picture));
    EXPECT_EQ(raster(picture)->image().size(), QSize(1, 2));
}

TEST(RasterLoading, KindComesFromContentNotName)
{
    LUNARIA_REQUIRE_SAMPLES();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A metafile named .bmp is still a metafile; a text file named .jpg is nothing.
    const QString wmfAsBmp = dir.filePath(QStringLiteral("drawing.bmp"));
    ASSERT_TRUE(QFile::copy(samplePath(QStringLiteral("pictures/wmf/pillow-drawing.wmf")), wmfAsBmp));
    const auto metafile = loadPicture(wmfAsBmp);
    ASSERT_TRUE(metafile);
    EXPECT_TRUE(dynamic_cast<const MetafilePicture *>(metafile.get()));

    const QString textAsJpg = dir.filePath(QStringLiteral("notes.jpg"));
    QFile text(textAsJpg);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("YER 2004\nHDR hello\n");
    text.close();
    QString error;
    EXPECT_FALSE(loadPicture(textAsJpg, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(RasterLoading, PaletteShorterThanItsIndicesIsDrawnSafely)
{
    LUNARIA_REQUIRE_SAMPLES();
    // The 16-colour RLE4 sample claiming 12 colours (biClrUsed at byte 46): Qt decodes it to
    // a palette image whose indices run past the table, which its smooth drawing reads
    // unchecked (the fuzzer found the crash). Loaded pictures have a colour for every index.
    QFile sample(samplePath(QStringLiteral("pictures/bmp/bmpsuite-pal4rle.bmp")));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    QByteArray bytes = sample.readAll();
    bytes[46] = 12;
    QString error;
    const auto picture = pictureFromBytes(bytes, &error);
    ASSERT_TRUE(raster(picture)) << qPrintable(error);
    const QImage &image = raster(picture)->image();
    ASSERT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(image.colorCount(), 256);
    QImage page(813, 410, QImage::Format_RGB32);
    QPainter painter(&page);
    for (int i = 0; i < 10; ++i)
        picture->draw(painter, QRectF(0, 0, 813, 410 - i));
}

TEST(RasterLoading, MissingFileIsRefusedWithAReason)
{
    QString error;
    EXPECT_FALSE(loadPicture(QStringLiteral("/nonexistent/folder/picture.bmp"), &error));
    EXPECT_FALSE(error.isEmpty());
}

QByteArray bmpHeader(qint32 width, qint32 height, quint16 bitCount, quint32 pixelBytes)
{
    QByteArray data(54, '\0');
    const auto put16 = [&](int at, quint16 v) { data[at] = char(v & 0xFF); data[at + 1] = char(v >> 8); };
    const auto put32 = [&](int at, quint32 v) { put16(at, quint16(v & 0xFFFF)); put16(at + 2, quint16(v >> 16)); };
    data[0] = 'B';
    data[1] = 'M';
    put32(2, 54 + pixelBytes);
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    put16(26, 1);
    put16(28, bitCount);
    put32(38, 11811); // 300 dpi
    put32(42, 11811);
    return data;
}

TEST(RasterLoading, AbsurdPixelCountIsRefusedBeforeDecoding)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bomb.bmp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // 40000 x 40000 at 24 bits would be 4.8 GB; the file holds a few bytes of it.
    file.write(bmpHeader(40000, 40000, 24, 16) + QByteArray(16, '\0'));
    file.close();
    QString error;
    EXPECT_FALSE(loadPicture(path, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(RasterLoading, SmallHandMadeBitmapUsesItsResolution)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("red.bmp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // 2 x 2 red pixels, 24 bits, rows padded to 8 bytes, 300 dpi.
    QByteArray pixels;
    for (int row = 0; row < 2; ++row)
        pixels += QByteArray::fromHex("0000ff0000ff0000");
    file.write(bmpHeader(2, 2, 24, quint32(pixels.size())) + pixels);
    file.close();
    const auto picture = loadPicture(path);
    ASSERT_TRUE(raster(picture));
    EXPECT_EQ(picture->naturalSizeTwips(), QSize(10, 10));
    EXPECT_EQ(raster(picture)->image().pixel(1, 1), qRgb(255, 0, 0));

    // The same file one byte short is incomplete.
    ASSERT_TRUE(file.resize(file.size() - 1));
    EXPECT_FALSE(loadPicture(path));
}

TEST(RasterDrawing, FillsTheTargetRectangle)
{
    QImage source(4, 2, QImage::Format_RGB32);
    source.fill(Qt::blue);
    const RasterPicture picture(source, QSize(60, 30));
    QImage page(100, 100, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        picture.draw(painter, QRectF(10, 20, 80, 40));
    }
    EXPECT_EQ(page.pixel(50, 40), qRgb(0, 0, 255));
    EXPECT_EQ(page.pixel(12, 22), qRgb(0, 0, 255));
    EXPECT_EQ(page.pixel(5, 40), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(50, 65), qRgb(255, 255, 255));
}

// Devices never end (/dev/zero), FIFOs block in open(): neither may be read as a picture,
// whatever name or link leads to them.
TEST(PictureFileKind, OnlyRegularFilesAreRead)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath(QStringLiteral("pipe.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString link = dir.filePath(QStringLiteral("zero.bmp"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), link));
    const QString folder = dir.filePath(QStringLiteral("folder.gif"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString &path : {fifo, QStringLiteral("/dev/zero"), QStringLiteral("/dev/urandom"), link, folder}) {
        SCOPED_TRACE(qPrintable(path));
        QString error;
        EXPECT_FALSE(loadPicture(path, &error));
        EXPECT_EQ(error, path + QStringLiteral(" is not a regular file."));
    }
}

TEST(PictureFileKind, ALargerFileThanTheLimitIsRefusedUnread)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.bmp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Sparse: 64 MiB and one byte of nothing, on disk in no time.
    ASSERT_TRUE(file.resize(64LL * 1024 * 1024 + 1));
    file.close();
    QString error;
    EXPECT_FALSE(loadPicture(path, &error));
    EXPECT_EQ(error, path + QStringLiteral(" is larger than 64 MiB, too large for a picture."));
}

TEST(PictureFileKind, ReasonsNameTheFile)
{
    LUNARIA_REQUIRE_SAMPLES();
    for (const char *file : {"broken/TRUNCATED-pillow-hopper.half.jpg", "broken/MADE-empty.wmf", "missing.gif"}) {
        SCOPED_TRACE(file);
        const QString path = samplePath(QStringLiteral("pictures/") + QLatin1String(file));
        QString error;
        EXPECT_FALSE(loadPicture(path, &error));
        EXPECT_TRUE(error.startsWith(path)) << qPrintable(error);
    }
}

TEST(DecoderWarnings, AreCaughtAndPassedOnWithTheFileName)
{
    LUNARIA_REQUIRE_SAMPLES();
    // Five stray bytes before a JPEG marker: libjpeg skips them and says so.
    const QString path = samplePath(QStringLiteral("pictures/broken/pillow-junk_jpeg_header.jpg"));
    QStringList warnings;
    QString error;
    testing::internal::CaptureStderr();
    const auto picture = loadPicture(path, &error, &warnings);
    const std::string printed = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(picture) << qPrintable(error);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().startsWith(path + QStringLiteral(": "))) << qPrintable(warnings.first());
    EXPECT_TRUE(warnings.first().contains(QLatin1String("Corrupt JPEG data"))) << qPrintable(warnings.first());
    EXPECT_EQ(printed.find("Corrupt JPEG"), std::string::npos) << printed;

    // A clean picture has nothing to say.
    warnings.clear();
    ASSERT_TRUE(loadPicture(samplePath(QStringLiteral("pictures/jpg/pillow-hopper.jpg")), &error, &warnings));
    EXPECT_TRUE(warnings.isEmpty());
}

QStringList outsideMessages;

void recordOutside(QtMsgType, const QMessageLogContext &, const QString &message)
{
    outsideMessages.append(message);
}

TEST(DecoderWarnings, MessagesOfOtherThreadsAndQtsDebugLinesPassThroughUntouched)
{
    outsideMessages.clear();
    const QtMessageHandler before = qInstallMessageHandler(recordOutside);
    QStringList caught;
    {
        const QtMessageCapture capture;
        qWarning("decoding here");
        // Qt's own tracing (QT_DEBUG_PLUGINS and the like) is not the picture's damage.
        qDebug("looking at a plugin");
        std::thread other([] { qWarning("another thread"); });
        other.join();
        caught = capture.messages();
    }
    qWarning("after the capture");
    qInstallMessageHandler(before);
    EXPECT_EQ(caught, QStringList{QStringLiteral("decoding here")});
    EXPECT_EQ(outsideMessages, (QStringList{QStringLiteral("looking at a plugin"), QStringLiteral("another thread"),
                                            QStringLiteral("after the capture")}));
}

TEST(RasterDrawing, AReducedCopyIsMadeOncePerSize)
{
    QImage source(1000, 1000, QImage::Format_RGB32);
    source.fill(Qt::darkGreen);
    const RasterPicture picture(source, QSize(1440, 1440));
    const auto drawOnto = [&](int side) {
        QImage page(side, side, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        picture.draw(painter, QRectF(0, 0, side, side));
        return page.pixel(side / 2, side / 2);
    };
    EXPECT_EQ(drawOnto(100), QColor(Qt::darkGreen).rgb());
    EXPECT_EQ(drawOnto(100), QColor(Qt::darkGreen).rgb());
    EXPECT_EQ(picture.reductionCount(), 1);
    drawOnto(200);
    EXPECT_EQ(picture.reductionCount(), 2);
    // Close to its own size the image is drawn as it is.
    drawOnto(800);
    EXPECT_EQ(picture.reductionCount(), 2);
}

} // namespace
