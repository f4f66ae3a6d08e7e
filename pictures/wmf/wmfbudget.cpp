#include "pictures/wmf/wmfbudget.h"

#include <QCoreApplication>

#include <limits>

namespace {

// Why a metafile costs too much to draw, in the user's language.
struct WmfBudgetWords
{
    Q_DECLARE_TR_FUNCTIONS(Pictures)
};

// Nanoseconds per unit of work on the development machine, the slower of a 300 dpi image
// and a PDF for each, rounded up (bench/wmfbudget_bench.cpp measures them; its Calibrate*
// figures, Qt 6.4):
// - a record that draws nothing: 40 ns;
// - a scan row of an ordinary shape (rectangles filling the frame): 35 ns a row, fill included;
//   a pixel along a hairline: 18 ns;
// - a crowded scan row: polygons of 1000 to 32767 points zigzagging across the frame take
//   1.6 to 2.3 us a scan row, 2.3 ns per row and crossing edge;
// - a covered pixel: solid fills 0.1 ns, pattern fills more;
// - a bitmap pixel decoded and drawn: 4.6 ns to an image, 7.6 ns (RLE) to 15 ns (noise) to a
//   PDF, 21 ns with the reduction to 600 dpi on a busy machine;
// - a glyph: 2 us (1.9 to an image, 2.0 to a PDF); a 729-pixel glyph 64 to 140 us, 88 to
//   190 ns a row (counted as 6 crossings of 35 ns).
constexpr double NsPerRecord = 100;
constexpr double NsPerPoint = 50;
constexpr double NsPerScanRow = 35;
constexpr double NsPerCrowdedRow = 2.3;
constexpr double NsPerCoveredPixel = 0.5;
constexpr double NsPerBitmapPixel = 20;
constexpr double NsPerTextRun = 20000;
constexpr double NsPerGlyph = 2000;

constexpr qint64 MiB = 1024 * 1024;

} // namespace

WmfWork &WmfWork::operator+=(const WmfWork &other)
{
    records += other.records;
    points += other.points;
    scanRows += other.scanRows;
    crowdedRows += other.crowdedRows;
    coveredPixels += other.coveredPixels;
    bitmapPixels += other.bitmapPixels;
    textRuns += other.textRuns;
    glyphs += other.glyphs;
    patternBytes += other.patternBytes;
    return *this;
}

double WmfWork::estimatedSeconds() const
{
    const double ns = NsPerRecord * double(records) + NsPerPoint * double(points) + NsPerScanRow * double(scanRows)
                      + NsPerCrowdedRow * double(crowdedRows)
                      + NsPerCoveredPixel * double(coveredPixels) + NsPerBitmapPixel * double(bitmapPixels)
                      + NsPerTextRun * double(textRuns) + NsPerGlyph * double(glyphs);
    return ns * 1e-9;
}

QString WmfWork::summary() const
{
    return WmfBudgetWords::tr("%1 records, %2 points, %3 megapixels of bitmaps, %4 characters of text")
        .arg(records)
        .arg(points)
        .arg(double(bitmapPixels) / 1e6, 0, 'f', 1)
        .arg(glyphs);
}

WmfBudget WmfBudget::memoryOnly()
{
    WmfBudget budget;
    budget.maxSeconds = std::numeric_limits<double>::infinity();
    return budget;
}

bool WmfBudget::allows(const WmfWork &work) const
{
    return work.patternBytes <= maxPatternBytes && work.estimatedSeconds() <= maxSeconds;
}

std::optional<QString> WmfBudget::exceededBy(const WmfWork &work) const
{
    if (work.patternBytes > maxPatternBytes)
        return WmfBudgetWords::tr("The metafile's pattern brushes need more than %1 MB of memory (at most %2 MB are allowed).")
            .arg(work.patternBytes / MiB)
            .arg(maxPatternBytes / MiB);
    if (work.estimatedSeconds() > maxSeconds)
        return WmfBudgetWords::tr("The metafile would take too long to draw: more than %1 s of work (%2; at most %3 s are allowed).")
            .arg(work.estimatedSeconds(), 0, 'f', 1)
            .arg(work.summary())
            .arg(maxSeconds, 0, 'f', 1);
    return std::nullopt;
}
