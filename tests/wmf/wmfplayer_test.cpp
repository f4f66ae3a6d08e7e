#include "pictures/metafilepicture.h"
#include "pictures/pictureloader.h"
#include "pictures/wmf/wmfheader.h"
#include "pictures/wmf/wmfplayer.h"
#include "pictures/wmf/wmfrecords.h"
#include "pictures/wmf/wmftext.h"
#include "tests/support/samples.h"
#include "tests/wmf/wmfbuilder.h"

#include <QImage>
#include <QPainter>
#include <QStringDecoder>

#include <gtest/gtest.h>

#include <initializer_list>
#include <iostream>

namespace {

QImage whitePage(int width, int height)
{
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

// The picture drawn onto a white width x height page, or a null image when it is refused.
QImage render(const QByteArray &file, int width = 100, int height = 100)
{
    const auto picture = MetafilePicture::fromData(file);
    if (!picture)
        return {};
    QImage page = whitePage(width, height);
    QPainter painter(&page);
    picture->draw(painter, QRectF(0, 0, width, height));
    painter.end();
    return page;
}

// Replays records even when the file has no EOF (the player's own robustness, below the loader).
QImage replay(const QByteArray &file, int width = 100, int height = 100)
{
    QString error;
    const auto header = readWmfHeader(file, &error);
    if (!header)
        return {};
    bool complete = false;
    const QList<WmfRecord> records = splitWmfRecords(file, header->firstRecord, &complete);
    QImage page = whitePage(width, height);
    QPainter painter(&page);
    WmfPlayer(records, header->objectCount).play(painter, QRectF(0, 0, width, height), QRectF(0, 0, 100, 100));
    painter.end();
    return page;
}

constexpr QRgb red = qRgb(255, 0, 0);
constexpr QRgb blue = qRgb(0, 0, 255);
constexpr QRgb white = qRgb(255, 255, 255);

// A red box over the left half of a 100 x 100 window, a hostile record, a blue box over the
// right half: the hostile record must be skipped without harming the rest.
QByteArray aroundHostile(const std::function<void(WmfBuilder &)> &hostile, bool eof = true)
{
    WmfBuilder b;
    b.window(0, 0, 100, 100).nullPen().record(WmfFunction::SelectObject, {0});
    b.solidBrush(red).record(WmfFunction::SelectObject, {1}).rectangle(0, 0, 50, 100);
    hostile(b);
    b.solidBrush(blue).record(WmfFunction::SelectObject, {2}).rectangle(50, 0, 100, 100);
    if (eof)
        b.eof();
    return b.build(8);
}

TEST(WmfHostile, RecordsThatLieAreSkippedAndTheRestIsDrawn)
{
    using namespace WmfFunction;
    const struct
    {
        const char *name;
        std::function<void(WmfBuilder &)> hostile;
    } cases[] = {
        {"polygon_count_beyond_record", [](WmfBuilder &b) { b.record(Polygon, {32767, 1, 1, 5, 5}); }},
        {"polyline_negative_count", [](WmfBuilder &b) { b.record(Polyline, {-5, 1, 1}); }},
        {"polypolygon_huge_counts", [](WmfBuilder &b) { b.record(PolyPolygon, {65535, 65535, 65535}); }},
        {"select_object_out_of_range", [](WmfBuilder &b) { b.record(SelectObject, {60000}); }},
        {"delete_object_out_of_range", [](WmfBuilder &b) { b.record(DeleteObject, {65535}); }},
        {"select_empty_slot", [](WmfBuilder &b) { b.record(SelectObject, {7}); }},
        {"restore_without_save", [](WmfBuilder &b) { b.record(RestoreDc, {-30000}).record(RestoreDc, {5}); }},
        {"text_longer_than_record", [](WmfBuilder &b) { b.record(ExtTextOut, {10, 10, 30000, 0, 0x4141}); }},
        {"textout_negative_length", [](WmfBuilder &b) { b.record(TextOut, {-3, 0x4141, 1, 1}); }},
        {"dib_claims_huge_size", [](WmfBuilder &b) {
             b.record(StretchDib, {0x20, 0xCC, 0, 1, 1, 0, 0, 10, 10, 0, 0, 40, 0, 30000, 0, 30000, 0, 1, 24, 0, 0});
         }},
        {"bitblt_cut_short", [](WmfBuilder &b) { b.record(BitBlt, {0x20, 0xCC, 0}); }},
        {"font_without_face", [](WmfBuilder &b) { b.record(CreateFontIndirect, {-12}); }},
        {"region_with_lying_scan_count", [](WmfBuilder &b) {
             // A region takes a slot; freeing it keeps the indices of the boxes' brushes.
             b.record(CreateRegion, {0, 6, 0, 0, 0, 9999, 0, 0, 0, 10, 10, 4, 0, 5}).record(DeleteObject, {2});
         }},
        {"escape_comment", [](WmfBuilder &b) { b.record(Escape, {15, 4, 0x4D, 0x4D}); }},
        {"scale_window_by_zero", [](WmfBuilder &b) { b.record(ScaleWindowExt, {0, 1, 0, 1}); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QImage page = render(aroundHostile(c.hostile));
        ASSERT_FALSE(page.isNull());
        EXPECT_EQ(page.pixel(25, 50), red);
        EXPECT_EQ(page.pixel(75, 50), blue);
    }
}

TEST(WmfHostile, ImpossibleRecordSizesEndTheDrawing)
{
    for (quint32 size : {0u, 1u, 2u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        SCOPED_TRACE(size);
        const QByteArray file = aroundHostile([size](WmfBuilder &b) { b.raw(size, WmfFunction::Rectangle, QByteArray(8, '\0')); });
        // The loader refuses a file whose records cannot be followed to their EOF ...
        EXPECT_TRUE(render(file).isNull());
        EXPECT_FALSE(MetafilePicture::fromData(file));
        // ... and the player draws what came before and stops.
        const QImage part = replay(file);
        EXPECT_EQ(part.pixel(25, 50), red);
        EXPECT_EQ(part.pixel(75, 50), white);
    }
}

TEST(WmfHostile, MissingEofIsRefusedButDrawableInPart)
{
    const QByteArray file = aroundHostile([](WmfBuilder &) {}, false);
    QString error;
    EXPECT_FALSE(MetafilePicture::fromData(file, &error));
    EXPECT_FALSE(error.isEmpty());
    const QImage part = replay(file);
    EXPECT_EQ(part.pixel(25, 50), red);
    EXPECT_EQ(part.pixel(75, 50), blue);
}

TEST(WmfHostile, BytesAfterEofAreIgnored)
{
    QByteArray file = aroundHostile([](WmfBuilder &) {});
    const QImage clean = render(file);
    file += QByteArray::fromHex("ffffffff1b04") + QByteArray(40, '\xff');
    const auto picture = MetafilePicture::fromData(file);
    ASSERT_TRUE(picture);
    EXPECT_EQ(render(file), clean);
}

TEST(WmfHostile, DeepSaveDcDoesNotExhaustMemory)
{
    WmfBuilder b;
    b.window(0, 0, 100, 100);
    for (int i = 0; i < 5000; ++i)
        b.record(WmfFunction::SaveDc, {});
    b.nullPen().record(WmfFunction::SelectObject, {0}).solidBrush(red).record(WmfFunction::SelectObject, {1});
    b.record(WmfFunction::RestoreDc, {-1}).rectangle(0, 0, 100, 100).eof();
    // The pen and brush chosen after the saves are dropped by the restore: default white fill
    // with a black outline.
    const QImage page = render(b.build(2));
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.pixel(50, 50), white);
}

TEST(WmfHostile, ZeroWindowExtentDrawsNothing)
{
    WmfBuilder b;
    b.window(0, 0, 0, 100).solidBrush(red).record(WmfFunction::SelectObject, {0}).rectangle(0, 0, 100, 100).eof();
    const QImage page = render(b.build(1, QRect(0, 0, 100, 100)));
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.pixel(50, 50), white);
}

TEST(WmfHeaderTest, NaturalSizeFromPlaceableBoxWindowOrBounds)
{
    WmfBuilder b;
    b.window(0, 0, 300, 150).rectangle(0, 0, 10, 10).eof();
    // Placeable: 2880 x 1440 units at 1440 per inch -> 2880 x 1440 twips.
    EXPECT_EQ(MetafilePicture::fromData(b.build(0, QRect(0, 0, 2880, 1440), 1440))->naturalSizeTwips(), QSize(2880, 1440));
    // 600 units per inch: 1200 x 600 units -> 2880 x 1440 twips.
    EXPECT_EQ(MetafilePicture::fromData(b.build(0, QRect(0, 0, 1200, 600), 600))->naturalSizeTwips(), QSize(2880, 1440));
    // Only the box's extent counts, wherever it begins, below zero too.
    EXPECT_EQ(MetafilePicture::fromData(b.build(0, QRect(10866, 714, 1200, 600), 600))->naturalSizeTwips(), QSize(2880, 1440));
    EXPECT_EQ(MetafilePicture::fromData(b.build(0, QRect(-1821, -2387, 1200, 600), 600))->naturalSizeTwips(), QSize(2880, 1440));
    // No placeable header: the window at 96 dpi, 15 twips per unit.
    EXPECT_EQ(MetafilePicture::fromData(b.build(0))->naturalSizeTwips(), QSize(4500, 2250));
    // Neither: the drawing's own extent.
    WmfBuilder bare;
    bare.nullPen().record(WmfFunction::SelectObject, {0}).rectangle(10, 20, 50, 40).eof();
    EXPECT_EQ(MetafilePicture::fromData(bare.build(1))->naturalSizeTwips(), QSize(600, 300));
    // 0 units per inch would divide by zero.
    QString error;
    EXPECT_FALSE(MetafilePicture::fromData(b.build(0, QRect(0, 0, 100, 100), 0), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(WmfMapping, WindowMapsOntoTheTargetIncludingFlips)
{
    // Red fills the window's top-left quarter in logical terms. With the y axis flipped
    // (negative extent, origin at the bottom) that quarter is drawn at the bottom left.
    const struct
    {
        const char *name;
        int orgY;
        int extY;
        QPoint redAt;
        QPoint whiteAt;
    } cases[] = {
        {"upright", 0, 100, {25, 25}, {25, 75}},
        {"flipped", 100, -100, {25, 75}, {25, 25}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        WmfBuilder b;
        b.window(0, c.orgY, 100, c.extY).nullPen().record(WmfFunction::SelectObject, {0});
        b.solidBrush(red).record(WmfFunction::SelectObject, {1}).rectangle(0, 0, 50, 50).eof();
        const QImage page = render(b.build(2, QRect(0, 0, 100, 100)));
        EXPECT_EQ(page.pixel(c.redAt), red);
        EXPECT_EQ(page.pixel(c.whiteAt), white);
        EXPECT_EQ(page.pixel(75, 50), white);
    }
}

TEST(WmfObjectsTest, CreatedObjectsTakeTheLowestFreeSlot)
{
    using namespace WmfFunction;
    WmfBuilder b;
    b.window(0, 0, 100, 100).nullPen();                      // slot 0
    b.record(CreatePalette, {0x300, 0});                      // slot 1: a palette takes a slot
    b.solidBrush(blue);                                       // slot 2
    b.record(DeleteObject, {1});                              // slot 1 free again
    b.solidBrush(red);                                        // slot 1
    b.record(SelectObject, {0}).record(SelectObject, {1}).rectangle(0, 0, 100, 100).eof();
    EXPECT_EQ(render(b.build(4)).pixel(50, 50), red);
}

TEST(WmfObjectsTest, ObjectsBeyondTheHeadersCountAreDropped)
{
    using namespace WmfFunction;
    WmfBuilder b;
    b.window(0, 0, 100, 100).solidBrush(red).solidBrush(blue);
    b.record(SelectObject, {0}).record(SelectObject, {1}).rectangle(0, 0, 100, 100).eof();
    // One slot: the blue brush is never created, so selecting slot 1 changes nothing.
    EXPECT_EQ(render(b.build(1)).pixel(50, 50), red);
    EXPECT_EQ(render(b.build(2)).pixel(50, 50), blue);
}

TEST(WmfObjectsTest, SaveAndRestoreBringBackTheBrush)
{
    using namespace WmfFunction;
    WmfBuilder b;
    b.window(0, 0, 100, 100).nullPen().solidBrush(red).solidBrush(blue);
    b.record(SelectObject, {0}).record(SelectObject, {1}).record(SaveDc, {});
    b.record(SelectObject, {2}).rectangle(0, 0, 50, 100).record(RestoreDc, {-1}).rectangle(50, 0, 100, 100).eof();
    const QImage page = render(b.build(3));
    EXPECT_EQ(page.pixel(25, 50), blue);
    EXPECT_EQ(page.pixel(75, 50), red);
}

TEST(WmfClipping, IntersectAndExcludeClipRectangles)
{
    using namespace WmfFunction;
    WmfBuilder b;
    b.window(0, 0, 100, 100).nullPen().solidBrush(red).record(SelectObject, {0}).record(SelectObject, {1});
    b.record(IntersectClipRect, {100, 50, 0, 0});    // bottom, right, top, left: the left half
    b.record(ExcludeClipRect, {100, 50, 50, 0});     // minus its lower half
    b.rectangle(0, 0, 100, 100).eof();
    const QImage page = render(b.build(2));
    EXPECT_EQ(page.pixel(25, 25), red);
    EXPECT_EQ(page.pixel(25, 75), white);
    EXPECT_EQ(page.pixel(75, 25), white);
}

TEST(WmfBlits, BitmaplessDibBitBltFillsWithTheBrush)
{
    using namespace WmfFunction;
    WmfBuilder b;
    b.window(0, 0, 100, 100).solidBrush(blue).record(SelectObject, {0});
    // PATCOPY (0x00F00021): rop, ySrc, xSrc, reserved, height, width, yDest, xDest.
    b.record(DibBitBlt, {0x0021, 0x00F0, 0, 0, 0, 100, 50, 0, 50}).eof();
    const QImage page = render(b.build(1));
    EXPECT_EQ(page.pixel(75, 50), blue);
    EXPECT_EQ(page.pixel(25, 50), white);
}

TEST(WmfBlits, StretchDibDrawsItsPixelsUpright)
{
    using namespace WmfFunction;
    // A 1 x 2 24-bit bottom-up DIB: the first row stored (red) is the bottom one.
    QList<int> words = {0x0020, 0x00CC, 0, 2, 1, 0, 0, 100, 100, 0, 0};
    words += {40, 0, 1, 0, 2, 0, 1, 24, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    words += {0x0000, 0x00FF, 0x00FF, 0x0000}; // rows of 4 bytes: BGR red + pad, BGR blue + pad
    WmfBuilder b;
    b.window(0, 0, 100, 100);
    QByteArray params;
    for (int w : words) {
        params += char(w & 0xFF);
        params += char((w >> 8) & 0xFF);
    }
    b.raw(quint32(3 + params.size() / 2), StretchDib, params).eof();
    const QImage page = render(b.build(0));
    EXPECT_EQ(page.pixel(50, 10), blue);
    EXPECT_EQ(page.pixel(50, 90), red);
}

TEST(WmfText, SymbolBytesBecomeTheCharactersTheirGlyphsShow)
{
    const struct
    {
        quint8 code;
        char16_t expected;
    } cases[] = {{'a', u'\u03B1'}, {'p', u'\u03C0'}, {'W', u'\u03A9'}, {0xA5, u'\u221E'}, {0xD6, u'\u221A'},
                 {0xF2, u'\u222B'}, {'1', u'1'}, {'(', u'('}};
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.code));
        EXPECT_EQ(symbolToUnicode(c.code), c.expected);
    }
    EXPECT_EQ(decodeWmfString("a+b", WmfCharset::Symbol), QStringLiteral(u"\u03B1+\u03B2"));
}

TEST(WmfText, AnsiIsWindows1252)
{
    EXPECT_EQ(decodeWmfString("\x80 \x93x\x94 \xE9", WmfCharset::Ansi), QStringLiteral(u"\u20AC \u201Cx\u201D \u00E9"));
}

TEST(WmfText, DoubleByteTextKeepsByteCountsPerCharacter)
{
    if (!QStringDecoder("Shift_JIS").isValid())
        GTEST_SKIP() << "Qt has no Shift-JIS converter here";
    // "日本" in Shift-JIS, then an ASCII letter.
    const QList<WmfTextUnit> units = decodeWmfText("\x93\xFA\x96\x7B" "A", WmfCharset::ShiftJis);
    ASSERT_EQ(units.size(), 3);
    EXPECT_EQ(units[0].text, QStringLiteral(u"\u65E5"));
    EXPECT_EQ(units[0].bytes, 2);
    EXPECT_EQ(units[1].text, QStringLiteral(u"\u672C"));
    EXPECT_EQ(units[2].text, QStringLiteral("A"));
    EXPECT_EQ(units[2].bytes, 1);
}

// --- Comparison with renders made by other programs -----------------------------------

// The content rectangle: everything that is not near-white.
QRect contentRect(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qRed(line[x]) < 235 || qGreen(line[x]) < 235 || qBlue(line[x]) < 235)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Share of pixels whose colour differs by more than 64 in some channel, after both images
// are trimmed of white margins and scaled (averaging) to the same 96 x 96 grid.
double differingShare(const QImage &ours, const QImage &reference)
{
    const auto prepare = [](const QImage &image) {
        const QImage flat = image.convertToFormat(QImage::Format_RGB32);
        const QRect box = contentRect(flat);
        return flat.copy(box.isValid() ? box : flat.rect())
            .scaled(96, 96, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    };
    const QImage a = prepare(ours);
    const QImage b = prepare(reference);
    int differing = 0;
    for (int y = 0; y < 96; ++y) {
        for (int x = 0; x < 96; ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > 64 || qAbs(qGreen(p) - qGreen(q)) > 64 || qAbs(qBlue(p) - qBlue(q)) > 64)
                ++differing;
        }
    }
    return differing / (96.0 * 96.0);
}

struct ReferenceCase
{
    const char *metafile;
    const char *reference;
    double limit; // the largest share of differing pixels accepted
};

// Measured shares (this player against each reference) are printed by the test; the limits
// leave room for font and antialiasing differences but not for a misplaced or mirrored
// drawing. pillow-drawing differs most: Windows fits its overflowing circle, we clip it to
// the box as LibreOffice does.
const ReferenceCase referenceCases[] = {
    {"libwmf-anim0002.wmf", "libwmf-anim0002.reference.png", 0.12},
    {"poi-santa.wmf", "poi-santa.reference.png", 0.12},
    {"libuemf-test_libuemf_ref.wmf", "libuemf-test_libuemf_ref.reference.png", 0.15},
    {"pillow-drawing.wmf", "pillow-drawing.upstream-windows.png", 0.35},
    {"wmf2svg-fulltest.wmf", "wmf2svg-fulltest.upstream.png", 0.20},
};

class ReferenceRender : public testing::TestWithParam<ReferenceCase>
{
};

// The picture at 400 pixels on its longer side.
QImage drawn(const Picture &picture)
{
    const QSize size = picture.naturalSizeTwips().scaled(400, 400, Qt::KeepAspectRatio);
    QImage page = whitePage(size.width(), size.height());
    QPainter painter(&page);
    picture.draw(painter, QRectF(0, 0, size.width(), size.height()));
    return page;
}

TEST_P(ReferenceRender, LooksLikeTheIndependentRender)
{
    const ReferenceCase &c = GetParam();
    LUNARIA_REQUIRE_SAMPLE(QStringLiteral("pictures/wmf/") + QLatin1String(c.metafile));
    LUNARIA_REQUIRE_SAMPLE(QStringLiteral("pictures/wmf/") + QLatin1String(c.reference));
    const auto picture = loadPicture(samplePath(QStringLiteral("pictures/wmf/") + QLatin1String(c.metafile)));
    ASSERT_TRUE(picture);
    const QImage reference(samplePath(QStringLiteral("pictures/wmf/") + QLatin1String(c.reference)));
    ASSERT_FALSE(reference.isNull());
    const QImage page = drawn(*picture);
    const double share = differingShare(page, reference);
    std::cout << "[ reference ] " << c.metafile << ": " << share * 100 << " % of pixels differ\n";
    RecordProperty("differing_share", std::to_string(share));
    EXPECT_LT(share, c.limit);

    // The measure must notice a wrong drawing: the next sample at hand against this reference.
    size_t index = 0;
    while (qstrcmp(referenceCases[index].metafile, c.metafile) != 0)
        ++index;
    QString other;
    for (size_t step = 1; step < std::size(referenceCases) && other.isEmpty(); ++step) {
        const QString next = QStringLiteral("pictures/wmf/") + QLatin1String(referenceCases[(index + step) % std::size(referenceCases)].metafile);
        if (haveSample(next))
            other = samplePath(next);
    }
    ASSERT_FALSE(other.isEmpty()) << "no other sample to tell a wrong drawing by";
    const auto wrong = loadPicture(other);
    ASSERT_TRUE(wrong);
    EXPECT_GT(differingShare(drawn(*wrong), reference), c.limit);
}

INSTANTIATE_TEST_SUITE_P(Samples, ReferenceRender, testing::ValuesIn(referenceCases),
                         [](const testing::TestParamInfo<ReferenceCase> &info) {
                             std::string name = info.param.metafile;
                             for (char &ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

} // namespace
