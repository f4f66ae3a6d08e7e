#include "pictures/pictureloader.h"

#include "pictures/metafilepicture.h"
#include "pictures/qtmessagecapture.h"
#include "render/picture.h"
#include "pictures/rasterpicture.h"
#include "tests/support/samples.h"
#include "tests/support/testfiles.h"
#include "tests/wmf/wmfbuilder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
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
    const SizeCase &c = GetParam();
    LUNARIA_REQUIRE_SAMPLE(QStringLiteral("pictures/") + QLatin1String(c.file));
    QString error;
    const auto picture = loadPicture(samplePath(QStringLiteral("pictures/") + QLatin1String(c.file)), &error);
    ASSERT_TRUE(picture) << qPrintable(error);
    EXPECT_EQ(picture->naturalSizeTwips(), QSize(c.width, c.height));
}

INSTANTIATE_TEST_SUITE_P(Samples, NaturalSize, testing::ValuesIn(sizeCases),
                         [](const testing::TestParamInfo<SizeCase> &info) { return caseName(info.param.file).toStdString(); });

// Lines of text in a metafile with no placeable header and no window (MM_TEXT, one unit a
// pixel), as simple writers make them.
QByteArray textWithoutWindow()
{
    WmfBuilder b;
    // Arial, 24 units high.
    b.record(WmfFunction::CreateFontIndirect, {-24, 0, 0, 0, 400, 0, 0, 0, 0, 0x7241, 0x6169, 0x006C});
    b.record(WmfFunction::SelectObject, {0});
    const QByteArray line = HostileWmf::words({18}) + QByteArray("A line of WMF text");
    for (int i = 0; i < 6; ++i)
        b.bytes(WmfFunction::TextOut, line + HostileWmf::words({10 + 30 * i, 10}));
    return b.eof().build(1);
}

TEST(NaturalSize, MetafileWithoutWindowTakesItsDrawingBounds)
{
    // No placeable header and no window: the text it draws decides the size, at 96 dpi.
    QTemporaryDir dir;
    const auto picture = loadPicture(writeTestFile(dir.path(), QStringLiteral("text.wmf"), textWithoutWindow()));
    ASSERT_TRUE(picture);
    const QSize size = picture->naturalSizeTwips();
    // Six lines 30 units apart from y = 10, eighteen letters of a 24-unit font: at least
    // 160 by 160 pixels, and whole pixels.
    EXPECT_GT(size.width(), 160 * 15);
    EXPECT_GT(size.height(), 160 * 15);
    EXPECT_EQ(size.width() % 15, 0);
    EXPECT_EQ(size.height() % 15, 0);
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

// The placeable header's units-per-inch set to 0, with its checksum (the XOR of the ten words
// before it) made right again, so that only the division by it can go wrong.
QByteArray withInchZero(QByteArray wmf)
{
    wmf[14] = 0;
    wmf[15] = 0;
    quint16 sum = 0;
    for (int i = 0; i < 20; i += 2)
        sum ^= quint16(quint8(wmf[i]) | (quint8(wmf[i + 1]) << 8));
    wmf[20] = char(sum & 0xFF);
    wmf[21] = char(sum >> 8);
    return wmf;
}

struct BrokenCase
{
    const char *name;   // the file's name, as the loader sees it
    const char *sample; // under pictures/
    // How the sample is damaged; none: the sample as it is, under this name.
    std::function<QByteArray(const QByteArray &)> damage;
    bool loads; // false: refused
};

const auto firstBytes = [](qsizetype count) { return [count](const QByteArray &bytes) { return bytes.left(count); }; };
const auto firstHalf = [](const QByteArray &bytes) { return bytes.left(bytes.size() / 2); };

// Every damaged file is refused except the one whose damage decoders are meant to recover
// from (stray bytes between JPEG segments, with a complete scan after them) and a picture
// that is whole under the wrong name.
const BrokenCase brokenCases[] = {
    {"empty.wmf", "wmf/pillow-drawing.wmf", [](const QByteArray &) { return QByteArray(); }, false},
    {"inch0.wmf", "wmf/pillow-drawing.wmf", withInchZero, false},
    {"gif-content.jpg", "gif/pillow-hopper.gif", {}, true},
    {"half.bmp", "bmp/bmpsuite-pal8.bmp", firstHalf, false},
    // Cut inside a polygon record, with no end record.
    {"half.wmf", "wmf/poi-santa.wmf", firstHalf, false},
    {"placeable-header-cut-short.wmf", "wmf/pillow-drawing.wmf", firstBytes(10), false},
    {"headers-only.wmf", "wmf/pillow-drawing.wmf", firstBytes(40), false},
    {"first300bytes.jpg", "jpg/pillow-hopper.jpg", firstBytes(300), false},
    {"half.gif", "gif/pillow-hopper.gif", firstHalf, false},
    {"half.jpg", "jpg/pillow-hopper.jpg", firstHalf, false},
    {"bmpsuite-b-badbitcount.bmp", "broken/bmpsuite-b-badbitcount.bmp", {}, false},
    {"bmpsuite-b-badrle.bmp", "broken/bmpsuite-b-badrle.bmp", {}, false},
    {"bmpsuite-b-reallybig.bmp", "broken/bmpsuite-b-reallybig.bmp", {}, false},
    {"bmpsuite-b-shortfile.bmp", "broken/bmpsuite-b-shortfile.bmp", {}, false},
    {"pillow-decompression_bomb.gif", "broken/pillow-decompression_bomb.gif", {}, false},
    {"pillow-junk_jpeg_header.jpg", "broken/pillow-junk_jpeg_header.jpg", {}, true},
    {"pillow-truncated_jpeg.jpg", "broken/pillow-truncated_jpeg.jpg", {}, false},
    {"pillow-zero_width.gif", "broken/pillow-zero_width.gif", {}, false},
    {"poi-61338-bad-record-size.wmf", "broken/poi-61338-bad-record-size.wmf", {}, false},
};

class BrokenFile : public testing::TestWithParam<BrokenCase>
{
};

TEST_P(BrokenFile, IsRefusedWithAReasonOrLoadsWhole)
{
    const BrokenCase &c = GetParam();
    const QByteArray sample = readTestFile(samplePath(QStringLiteral("pictures/") + QLatin1String(c.sample)));
    ASSERT_FALSE(sample.isEmpty());
    QTemporaryDir dir;
    const QByteArray damaged = c.damage ? c.damage(sample) : sample;
    QString error;
    const auto picture = loadPicture(writeTestFile(dir.path(), QLatin1String(c.name), damaged), &error);
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
                         [](const testing::TestParamInfo<BrokenCase> &info) { return caseName(info.param.name).toStdString(); });

const RasterPicture *raster(const std::shared_ptr<const Picture> &picture)
{
    return dynamic_cast<const RasterPicture *>(picture.get());
}

TEST(RasterLoading, TopDownBitmapDecodesLikeItsBottomUpTwin)
{
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
    // Stored 2 x 1; orientation 8 turns it upright as 1 x 2.
    const auto picture = loadPicture(samplePath(QStringLiteral("pictures/jpg/pillow-orientation_rectangle-exif8.jpg")));
    ASSERT_TRUE(raster(picture));
    EXPECT_EQ(raster(picture)->image().size(), QSize(1, 2));
}

TEST(RasterLoading, KindComesFromContentNotName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A metafile named .bmp is still a metafile; a text file named .jpg is nothing.
    const QString wmfAsBmp = dir.filePath(QStringLiteral("drawing.bmp"));
    ASSERT_TRUE(QFile::copy(samplePath(QStringLiteral("pictures/wmf/pillow-drawing.wmf")), wmfAsBmp));
    const auto metafile = loadPicture(wmfAsBmp);
    ASSERT_TRUE(metafile);
    EXPECT_TRUE(dynamic_cast<const MetafilePicture *>(metafile.get()));

    const QString textAsJpg = writeTestFile(dir.path(), QStringLiteral("notes.jpg"), "YER 2004\nHDR hello\n");
    QString error;
    EXPECT_FALSE(loadPicture(textAsJpg, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(RasterLoading, PaletteShorterThanItsIndicesIsDrawnSafely)
{
    // The 16-colour RLE4 sample claiming 12 colours (biClrUsed at byte 46): Qt decodes it to
    // a palette image whose indices run past the table, which its smooth drawing reads
    // unchecked (the fuzzer found the crash). Loaded pictures have a colour for every index.
    QByteArray bytes = readTestFile(samplePath(QStringLiteral("pictures/bmp/bmpsuite-pal4rle.bmp")));
    ASSERT_GT(bytes.size(), 46);
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
    // 40000 x 40000 at 24 bits would be 4.8 GB; the file holds a few bytes of it.
    const QString path = writeTestFile(dir.path(), QStringLiteral("bomb.bmp"), bmpHeader(40000, 40000, 24, 16) + QByteArray(16, '\0'));
    QString error;
    EXPECT_FALSE(loadPicture(path, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(RasterLoading, SmallHandMadeBitmapUsesItsResolution)
{
    QTemporaryDir dir;
    // 2 x 2 red pixels, 24 bits, rows padded to 8 bytes, 300 dpi.
    QByteArray pixels;
    for (int row = 0; row < 2; ++row)
        pixels += QByteArray::fromHex("0000ff0000ff0000");
    const QByteArray bmp = bmpHeader(2, 2, 24, quint32(pixels.size())) + pixels;
    const auto picture = loadPicture(writeTestFile(dir.path(), QStringLiteral("red.bmp"), bmp));
    ASSERT_TRUE(raster(picture));
    EXPECT_EQ(picture->naturalSizeTwips(), QSize(10, 10));
    EXPECT_EQ(raster(picture)->image().pixel(1, 1), qRgb(255, 0, 0));

    // The same file one byte short is incomplete.
    EXPECT_FALSE(loadPicture(writeTestFile(dir.path(), QStringLiteral("short.bmp"), bmp.chopped(1))));
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
    QTemporaryDir dir;
    const QByteArray jpg = readTestFile(samplePath(QStringLiteral("pictures/jpg/pillow-hopper.jpg")));
    const QString paths[] = {writeTestFile(dir.path(), QStringLiteral("half.jpg"), jpg.left(jpg.size() / 2)),
                             writeTestFile(dir.path(), QStringLiteral("empty.wmf"), QByteArray()),
                             dir.filePath(QStringLiteral("missing.gif"))};
    for (const QString &path : paths) {
        SCOPED_TRACE(qPrintable(path));
        QString error;
        EXPECT_FALSE(loadPicture(path, &error));
        EXPECT_TRUE(error.startsWith(path)) << qPrintable(error);
    }
}

TEST(DecoderWarnings, AreCaughtAndPassedOnWithTheFileName)
{
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
