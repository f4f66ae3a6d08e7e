#include "pictures/metafilepicture.h"
#include "pictures/wmf/wmfheader.h"
#include "pictures/wmf/wmfplayer.h"
#include "tests/wmf/wmfbuilder.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

constexpr qint64 MiB = 1024 * 1024;

// A pattern of 4096 x 4096 pixels decodes to 4096 * 4096 * 4 bytes (32-bit pixels): 64 MiB,
// from a record of about 1 KB.
TEST(WmfMemoryBudget, PatternBrushesBeyond256MiBAreRefusedWithTheReason)
{
    const struct
    {
        const char *name;
        int brushes;
        bool accepted;
    } rows[] = {
        {"four_make_256_mib", 4, true},
        {"five_make_320_mib", 5, false},
        {"forty_kb_of_brushes", 40, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QByteArray file = HostileWmf::patternBrushes(row.brushes, 4096, 4096);
        EXPECT_LT(file.size(), row.brushes * 1200);
        QString error;
        // Time is left unbounded here, to see the memory limit alone.
        const auto picture = MetafilePicture::fromData(file, &error, WmfBudget::memoryOnly());
        EXPECT_EQ(bool(picture), row.accepted) << qPrintable(error);
        if (picture) {
            EXPECT_EQ(picture->work().patternBytes, row.brushes * 64 * MiB);
        } else {
            EXPECT_TRUE(error.contains(QLatin1String("pattern brushes"))) << qPrintable(error);
            EXPECT_TRUE(error.contains(QLatin1String("256 MB"))) << qPrintable(error);
        }
    }
}

TEST(WmfMemoryBudget, ThePlayerItselfStopsDecodingAtTheLimit)
{
    // Below the loader, as the fuzzer drives it: the replay stops at the brush that passes
    // the limit instead of decoding the rest.
    const QByteArray file = HostileWmf::patternBrushes(40, 4096, 4096);
    QString error;
    const auto header = readWmfHeader(file, &error);
    ASSERT_TRUE(header);
    bool complete = false;
    const QList<WmfRecord> records = splitWmfRecords(file, header->firstRecord, &complete);
    QImage page(100, 100, QImage::Format_RGB32);
    QPainter painter(&page);
    WmfBudget budget = WmfBudget::memoryOnly();
    const WmfWork work = WmfPlayer(records, header->objectCount).play(painter, QRectF(0, 0, 100, 100), QRectF(0, 0, 1000, 1000), budget);
    EXPECT_LE(work.patternBytes, budget.maxPatternBytes + 64 * MiB);
    EXPECT_LT(work.records, records.size());
}

// Files of each kind of costly work, beyond the budget and within it, by what they were
// measured to take at 300 dpi in the largest frame (a 2000-point crossing polygon: about 3 s;
// 400 points: 0.25 s; twenty of 32767 points and a hundred stretched 16-megapixel bitmaps:
// the files that once took 43 s and 11 s). bench/wmfbudget_bench.cpp draws the largest
// accepted file of each kind in under 2 s.
TEST(WmfTimeBudget, CostlyDrawingsAreRefusedWithTheReason)
{
    const struct
    {
        const char *name;
        QByteArray file;
        bool accepted;
    } rows[] = {
        {"twenty_polygons_of_32767_crossing_points", HostileWmf::polygons(20, 32767), false},
        {"one_polygon_of_2000_crossing_points", HostileWmf::polygons(1, 2000), false},
        {"one_polygon_of_400_crossing_points", HostileWmf::polygons(1, 400), true},
        {"hundred_stretched_16_megapixel_bitmaps", HostileWmf::stretchedBitmaps(100, 4096, 4096), false},
        {"one_stretched_4_megapixel_bitmap", HostileWmf::stretchedBitmaps(1, 2048, 2048), true},
        {"hundred_thousand_text_runs", HostileWmf::textRuns(100000, 20, 40), false},
        {"hundred_text_runs", HostileWmf::textRuns(100, 20, 40), true},
        {"million_window_fills", HostileWmf::fills(999990), false},
        {"thousand_window_fills", HostileWmf::fills(1000), true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QString error;
        const auto picture = MetafilePicture::fromData(row.file, &error);
        EXPECT_EQ(bool(picture), row.accepted) << qPrintable(error);
        if (!picture) {
            EXPECT_TRUE(error.contains(QLatin1String("too long to draw"))) << qPrintable(error);
        }
    }
}

TEST(WmfTimeBudget, MoreRecordsThanAnyDrawingHasAreRefused)
{
    WmfBuilder b;
    for (qsizetype i = 0; i <= MaxWmfRecords; ++i)
        b.record(WmfFunction::SaveDc, {});
    QString error;
    EXPECT_FALSE(MetafilePicture::fromData(b.eof().build(0), &error));
    EXPECT_TRUE(error.contains(QLatin1String("more than 1000000 records"))) << qPrintable(error);
}

QByteArray twoBoxes()
{
    WmfBuilder b;
    b.window(0, 0, 100, 100).nullPen().record(WmfFunction::SelectObject, {0});
    b.solidBrush(qRgb(255, 0, 0)).record(WmfFunction::SelectObject, {1}).rectangle(0, 0, 50, 100);
    b.solidBrush(qRgb(0, 0, 255)).record(WmfFunction::SelectObject, {2}).rectangle(50, 0, 100, 100);
    return b.eof().build(3);
}

QImage drawnOnto(const MetafilePicture &picture, QSize size)
{
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return page;
}

TEST(MetafileCache, ImagesOfTheSameSizeReuseOneReplayAndVectorDevicesReplay)
{
    const auto picture = MetafilePicture::fromData(twoBoxes());
    ASSERT_TRUE(picture);
    const QImage first = drawnOnto(*picture, QSize(120, 80));
    EXPECT_EQ(picture->replayCount(), 1);
    EXPECT_EQ(first.pixel(30, 40), qRgb(255, 0, 0));
    EXPECT_EQ(first.pixel(90, 40), qRgb(0, 0, 255));
    // The preview redrawn at its size: the cached rendering, the same pixels.
    EXPECT_EQ(drawnOnto(*picture, QSize(120, 80)), first);
    EXPECT_EQ(picture->replayCount(), 1);
    // Another size replays once, then is reused in turn.
    drawnOnto(*picture, QSize(60, 40));
    drawnOnto(*picture, QSize(60, 40));
    EXPECT_EQ(picture->replayCount(), 2);
    // A PDF always gets the vector drawing.
    for (int i = 0; i < 2; ++i) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
        picture->draw(painter, QRectF(0, 0, 1200, 800));
    }
    EXPECT_EQ(picture->replayCount(), 4);
}

TEST(MetafileCache, ThreadsDrawingOnePictureGetTheSamePixels)
{
    const std::shared_ptr<const MetafilePicture> picture = MetafilePicture::fromData(twoBoxes());
    ASSERT_TRUE(picture);
    const QImage reference = drawnOnto(*picture, QSize(100, 100));
    std::vector<QImage> results(4);
    std::vector<std::thread> threads;
    for (size_t t = 0; t < results.size(); ++t) {
        threads.emplace_back([&, t] {
            // Alternating sizes keep the cache changing hands between the threads.
            for (int i = 0; i < 20; ++i)
                results[t] = drawnOnto(*picture, i % 2 ? QSize(50, 50) : QSize(100, 100));
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    for (const QImage &result : results)
        EXPECT_EQ(result, drawnOnto(*picture, QSize(50, 50)));
    EXPECT_EQ(drawnOnto(*picture, QSize(100, 100)), reference);
}

} // namespace
