#include "pictures/wmf/dib.h"
#include "pictures/wmf/wmfbudget.h"
#include "tests/support/samples.h"
#include "tests/support/testfiles.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// The bytes of a bmp sample after its 14-byte file header: a DIB as a metafile carries it.
QByteArray dibOfSample(const char *file)
{
    return readTestFile(samplePath(QStringLiteral("pictures/") + QLatin1String(file))).mid(14);
}

// The one DIB parser and RLE decoder (used by the raster loader's checks and the metafile
// player) against Qt's own bmp reader, on every kind of bitmap the samples hold.
TEST(DibDecoding, MatchesQtsBmpReaderOnTheSamples)
{
    const char *files[] = {
        "bmp/bmpsuite-pal1.bmp",       "bmp/bmpsuite-pal4rle.bmp",  "bmp/bmpsuite-pal8.bmp",
        "bmp/bmpsuite-pal8-0.bmp",     "bmp/bmpsuite-pal8os2.bmp",  "bmp/bmpsuite-pal8topdown.bmp",
        "bmp/bmpsuite-pal8nonsquare.bmp", "bmp/bmpsuite-rgb32.bmp", "bmp/pillow-hopper.bmp",
    };
    for (const char *file : files) {
        SCOPED_TRACE(file);
        const QImage ours = decodeDib(dibOfSample(file), false, MaxWmfBitmapPixels);
        const QImage qts(samplePath(QStringLiteral("pictures/") + QLatin1String(file)));
        ASSERT_FALSE(qts.isNull());
        ASSERT_FALSE(ours.isNull());
        EXPECT_EQ(ours, qts.convertToFormat(QImage::Format_RGB32));
    }
}

TEST(DibHeaderTest, StatesSizeResolutionAndOrder)
{
    // bmpsuite documents these: 127 x 64 pixels, 2835 pixels per metre (72 dpi), 8 bits.
    const std::optional<DibHeader> bottomUp = readDibHeader(dibOfSample("bmp/bmpsuite-pal8.bmp"));
    const std::optional<DibHeader> topDown = readDibHeader(dibOfSample("bmp/bmpsuite-pal8topdown.bmp"));
    const std::optional<DibHeader> os2 = readDibHeader(dibOfSample("bmp/bmpsuite-pal8os2.bmp"));
    ASSERT_TRUE(bottomUp && topDown && os2);
    EXPECT_EQ(bottomUp->width, 127);
    EXPECT_EQ(bottomUp->height, 64);
    EXPECT_EQ(bottomUp->bitCount, 8);
    EXPECT_FALSE(bottomUp->topDown);
    EXPECT_NEAR(*bottomUp->dpiX, 72.0, 0.01);
    EXPECT_TRUE(topDown->topDown);
    EXPECT_EQ(topDown->height, 64);
    EXPECT_EQ(os2->headerSize, 12u);
    EXPECT_EQ(os2->paletteEntryBytes(), 3);
    EXPECT_FALSE(os2->dpiX);
}

TEST(DibHeaderTest, RefusesWhatWindowsWouldNotDraw)
{
    const auto info = [](qint32 width, qint32 height, quint16 bits, quint32 compression) {
        QByteArray header(40, '\0');
        const auto put = [&](int at, quint32 value, int bytes) {
            for (int i = 0; i < bytes; ++i)
                header[at + i] = char((value >> (8 * i)) & 0xFF);
        };
        put(0, 40, 4);
        put(4, quint32(width), 4);
        put(8, quint32(height), 4);
        put(12, 1, 2);
        put(14, bits, 2);
        put(16, compression, 4);
        return header;
    };
    const struct
    {
        const char *name;
        QByteArray dib;
        bool accepted;
    } rows[] = {
        {"rgb_24", info(4, 4, 24, 0), true},
        {"rle8_with_8_bits", info(4, 4, 8, 1), true},
        {"rle8_with_4_bits", info(4, 4, 4, 1), false},
        {"rle4_with_8_bits", info(4, 4, 8, 2), false},
        {"bitfields_with_24_bits", info(4, 4, 24, 3), false},
        {"jpeg_inside", info(4, 4, 24, 4), false},
        {"bit_count_7", info(4, 4, 7, 0), false},
        {"zero_width", info(0, 4, 24, 0), false},
        {"negative_width", info(-4, 4, 24, 0), false},
        {"top_down_rle", info(4, -4, 8, 1), false},
        {"header_cut_short", info(4, 4, 24, 0).left(30), false},
        {"empty", QByteArray(), false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(readDibHeader(row.dib).has_value(), row.accepted);
    }
}

TEST(RleWalk, CompleteOnlyWhenTheDataEndsProperly)
{
    // A 4 x 2 RLE8 bitmap: rows of runs, end-of-line marks, end-of-bitmap.
    const struct
    {
        const char *name;
        QByteArray data;
        bool complete;
    } rows[] = {
        {"runs_and_end_mark", QByteArray::fromHex("0401" "0000" "0402" "0001"), true},
        {"last_row_ended_without_mark", QByteArray::fromHex("0401" "0000" "0402" "0000"), true},
        {"absolute_run", QByteArray::fromHex("000401020304" "0000" "0402" "0001"), true},
        {"delta_inside", QByteArray::fromHex("0002" "0001" "0402" "0001"), true},
        {"run_past_row_end", QByteArray::fromHex("0501" "0001"), false},
        {"row_past_the_bitmap", QByteArray::fromHex("0000" "0000" "0000" "0401"), false},
        {"delta_past_the_bitmap", QByteArray::fromHex("0002" "0005" "0001"), false},
        {"absolute_run_cut_short", QByteArray::fromHex("00040102"), false},
        {"no_end_at_all", QByteArray::fromHex("0401"), false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(walkRle(row.data, 4, 2, false), row.complete);
    }
    // The indices land row by row as stored: the first stored row is the bottom one.
    QByteArray indices;
    EXPECT_TRUE(walkRle(QByteArray::fromHex("000401020304" "0000" "0409" "0001"), 4, 2, false, &indices));
    EXPECT_EQ(indices, QByteArray::fromHex("01020304" "09090909"));
    // RLE4 alternates the two indices of its byte.
    EXPECT_TRUE(walkRle(QByteArray::fromHex("0312" "0001"), 3, 1, true, &indices));
    EXPECT_EQ(indices, QByteArray::fromHex("010201"));
}

// A header that does not parse is refused before decoding (see DibHeaderTest); these parse.
TEST(DibDecoding, RejectsMalformedBitmaps)
{
    // 40-byte header claiming 4 x 4 at 8 bits, but no palette or pixels follow.
    QByteArray header = QByteArray::fromHex("2800000004000000040000000100080000000000");
    header += QByteArray(20, '\0');
    EXPECT_TRUE(decodeDib(header, false, MaxWmfBitmapPixels).isNull());
    // Bitmap16 with a row width too small for its pixels.
    EXPECT_TRUE(decodeBitmap16(QByteArray::fromHex("0000100001000100" "0101") + QByteArray(2, '\0'), MaxWmfBitmapPixels).isNull());
}

TEST(DibDecoding, RefusesMoreThanItsPixelLimitBeforeAllocating)
{
    // 4096 x 4096 at 8 bits, RLE8, whose data is one end-of-bitmap mark: 16 megapixels from
    // a few dozen bytes.
    QByteArray dib = QByteArray::fromHex("28000000" "00100000" "00100000" "0100" "0800" "01000000");
    dib += QByteArray(20, '\0');
    dib += QByteArray(256 * 4, '\0') + QByteArray::fromHex("0001");
    EXPECT_EQ(dibPixels(dib), 4096 * 4096);
    EXPECT_TRUE(decodeDib(dib, false, 4096 * 4096 - 1).isNull());
    EXPECT_EQ(decodeDib(dib, false, 4096 * 4096).size(), QSize(4096, 4096));
}

} // namespace
