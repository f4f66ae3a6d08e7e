// What the metafile budget lets through, drawn where a page draws a picture: the largest
// picture frame at 300 dpi (a QImage) and a PDF (QPdfWriter at its 1200 dpi). Target: every
// file the loader accepts draws in under 2 s on either.
//
// Two kinds of benchmark per kind of hostile file (polygons, stretched bitmaps, pattern
// brushes, text, whole-window fills):
//  - Calibrate*: a file beyond the budget, loaded without a time limit, drawn once; the
//    counters give the nanoseconds one unit of work takes, from which the cost model's
//    constants (pictures/wmf/wmfbudget.cpp) are chosen;
//  - Worst*: the largest file of that kind the loader accepts (found by bisection over the
//    count of records, or of points for one polygon), drawn; its time must stay under 2 s.
// Measured (processor time of all threads, image and PDF together, Release, Qt 6.4): the
// worst accepted files take 0.05 s (a million records) to 0.79 s (four stretched 16-megapixel
// bitmaps; one polygon of 929 crossing points 0.76 s), against 43 s and 11 s for the files of
// 20 polygons of 32767 points and 100 stretched bitmaps that the budget now refuses.

#include "pictures/metafilepicture.h"
#include "tests/wmf/wmfbuilder.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

#include <functional>

#include <time.h>

namespace {

using Generator = std::function<QByteArray(int count)>;

// Seconds of this thread's processor time: the machine is shared, and wall time there counts
// other programs too. (The benchmark's own Time column is wall time.)
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The target a page gives the picture: its shape fitted into the largest frame.
QRectF frameFor(const MetafilePicture &picture, double dpi)
{
    const QSizeF size = QSizeF(picture.naturalSizeTwips()).scaled(QSizeF(MetafilePicture::LargestFrameTwips), Qt::KeepAspectRatio)
                        * (dpi / 1440.0);
    return QRectF(QPointF(0, 0), size);
}

double drawToImage(const MetafilePicture &picture)
{
    const QRectF target = frameFor(picture, MetafilePicture::LargestFrameDpi);
    QImage page(target.size().toSize(), QImage::Format_RGB32);
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    page.fill(Qt::white);
    const double start = threadSeconds();
    {
        QPainter painter(&page);
        picture.draw(painter, target);
    }
    return threadSeconds() - start;
}

double drawToPdf(const MetafilePicture &picture, qint64 *bytes)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const double start = threadSeconds();
    {
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
        picture.draw(painter, frameFor(picture, writer.resolution()));
    }
    *bytes = buffer.size();
    return threadSeconds() - start;
}

// The largest count whose file the loader accepts, between 1 and `high`.
int largestAccepted(const Generator &generate, int high)
{
    int low = 0;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (MetafilePicture::fromData(generate(middle)))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

void report(benchmark::State &state, const MetafilePicture &picture, double imageSeconds, double pdfSeconds, qint64 pdfBytes)
{
    const WmfWork &work = picture.work();
    state.counters["estimate_s"] = work.estimatedSeconds();
    state.counters["image_s"] = imageSeconds;
    state.counters["pdf_s"] = pdfSeconds;
    state.counters["pdf_MB"] = double(pdfBytes) / 1e6;
    state.counters["points"] = double(work.points);
    state.counters["scanRows"] = double(work.scanRows);
    state.counters["covered"] = double(work.coveredPixels);
    state.counters["bitmapPx"] = double(work.bitmapPixels);
    state.counters["glyphs"] = double(work.glyphs);
    state.counters["records"] = double(work.records);
}

void calibrate(benchmark::State &state, const Generator &generate)
{
    const auto picture = MetafilePicture::fromData(generate(int(state.range(0))), nullptr, WmfBudget::memoryOnly());
    if (!picture) {
        state.SkipWithError("the file did not load");
        return;
    }
    double image = 0;
    double pdf = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        image = drawToImage(*picture);
        pdf = drawToPdf(*picture, &bytes);
    }
    report(state, *picture, image, pdf, bytes);
}

void worst(benchmark::State &state, const Generator &generate, int high)
{
    const int count = largestAccepted(generate, high);
    const auto picture = MetafilePicture::fromData(generate(count));
    if (!picture) {
        state.SkipWithError("no file of this kind is accepted");
        return;
    }
    double image = 0;
    double pdf = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        image = drawToImage(*picture);
        pdf = drawToPdf(*picture, &bytes);
    }
    state.counters["count"] = count;
    report(state, *picture, image, pdf, bytes);
}

const Generator polygons = [](int count) { return HostileWmf::polygons(count, 32767); };
const Generator bitmaps = [](int count) { return HostileWmf::stretchedBitmaps(count, 4096, 4096); };
const Generator noise = [](int count) { return HostileWmf::stretchedBitmaps(count, 2048, 2048, true); };
const Generator polygonOfPoints = [](int points) { return HostileWmf::polygons(1, points); };
const Generator patterns = [](int count) { return HostileWmf::patternBrushes(count, 1024, 1024); };
const Generator text = [](int count) { return HostileWmf::textRuns(count, 200, 40); };
const Generator bigText = [](int count) { return HostileWmf::textRuns(count, 20, 1000); };
const Generator fills = [](int count) { return HostileWmf::fills(count); };
const Generator smallRecords = [](int count) {
    WmfBuilder b;
    b.window(0, 0, 1000, 1000);
    for (int i = 0; i < count; ++i)
        b.colour(WmfFunction::SetTextColor, qRgb(i & 0xFF, 0, 0));
    return b.eof().build(0);
};

void CalibratePolygons(benchmark::State &state) { calibrate(state, polygons); }
void CalibrateBitmaps(benchmark::State &state) { calibrate(state, bitmaps); }
void CalibrateNoise(benchmark::State &state) { calibrate(state, noise); }
void CalibratePolygonSize(benchmark::State &state) { calibrate(state, polygonOfPoints); }
void CalibratePatterns(benchmark::State &state) { calibrate(state, patterns); }
void CalibrateText(benchmark::State &state) { calibrate(state, text); }
void CalibrateBigText(benchmark::State &state) { calibrate(state, bigText); }
void CalibrateFills(benchmark::State &state) { calibrate(state, fills); }
void CalibrateRecords(benchmark::State &state) { calibrate(state, smallRecords); }

void WorstPolygons(benchmark::State &state) { worst(state, polygonOfPoints, 32767); }
void WorstBitmaps(benchmark::State &state) { worst(state, bitmaps, 200); }
void WorstNoise(benchmark::State &state) { worst(state, noise, 15); }
void WorstPatterns(benchmark::State &state) { worst(state, patterns, 2000); }
void WorstText(benchmark::State &state) { worst(state, text, 100000); }
void WorstBigText(benchmark::State &state) { worst(state, bigText, 100000); }
void WorstFills(benchmark::State &state) { worst(state, fills, 1000000); }
void WorstRecords(benchmark::State &state) { worst(state, smallRecords, 1000000); }

BENCHMARK(CalibratePolygons)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(CalibratePolygonSize)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(CalibrateBitmaps)->Arg(20)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(CalibrateNoise)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(CalibratePatterns)->Arg(60)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(CalibrateText)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(CalibrateBigText)->Arg(500)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(CalibrateFills)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(CalibrateRecords)->Arg(500000)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK(WorstPolygons)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(WorstBitmaps)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(WorstNoise)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(WorstPatterns)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(WorstText)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(WorstBigText)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(WorstFills)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(WorstRecords)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
