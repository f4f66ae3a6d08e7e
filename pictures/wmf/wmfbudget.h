#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The work of one replay of a metafile, counted by the player as it goes. A picture is drawn
// in a few centimetres of a page: a file that asks for much more work than that is hostile
// or broken, and is refused before it can freeze the window or fill the memory.
struct WmfWork
{
    qint64 records = 0;         // records replayed
    qint64 points = 0;          // points of lines, polygons and paths; rectangles of regions
    qint64 scanRows = 0;        // device rows crossed by filled edges, device pixels along
                                // stroked lines (each segment clipped to the target)
    qint64 crowdedRows = 0;     // for each filled shape, its scan rows times the edges that
                                // cross a row on average (at most 1000): a rasterizer sorts
                                // every row's crossings, so dense self-intersecting polygons
                                // cost far more per row than ordinary shapes
    qint64 coveredPixels = 0;   // device pixels under fills, strokes, text and bitmaps
                                // (each bounding box clipped to the target)
    qint64 bitmapPixels = 0;    // pixels of the bitmaps decoded (every blit decodes anew)
    qint64 textRuns = 0;        // text records drawn (each sets up a font and lays out)
    qint64 glyphs = 0;          // characters of text
    qint64 patternBytes = 0;    // memory of the pattern-brush bitmaps decoded, all of which
                                // may be alive until the replay ends

    WmfWork &operator+=(const WmfWork &other);
    // The time this work takes on the development machine (2 cores, 2020s desktop), drawn
    // to a 300 dpi image or a PDF, whichever is slower for each kind of work; seconds.
    double estimatedSeconds() const;
    // One line for a message: the counts that matter.
    QString summary() const;
};

// What one picture may cost.
struct WmfBudget
{
    // Estimated seconds of drawing. The loader checks a picture against this at the largest
    // size a page draws it, so that no accepted file takes more than 2 s anywhere.
    double maxSeconds = 1.5;
    // Bytes of decoded pattern-brush bitmaps: 256 MiB.
    qint64 maxPatternBytes = 256LL * 1024 * 1024;

    // No limit on time, the memory limit kept: for a picture the loader has already checked,
    // drawn at whatever size a caller asks for.
    static WmfBudget memoryOnly();

    bool allows(const WmfWork &work) const;

    // Why `work` exceeds this budget, or nullopt when it does not.
    std::optional<QString> exceededBy(const WmfWork &work) const;
};

// The most records a metafile may have: 1,000,000 (each kept as a 24-byte view, and each
// costing a dispatch when drawn). Real drawings have a few thousand.
inline constexpr qsizetype MaxWmfRecords = 1000000;

// The most pixels one bitmap inside a metafile may have (16 megapixels, 64 MB decoded); larger
// ones are skipped rather than allocated.
inline constexpr qint64 MaxWmfBitmapPixels = 16 * 1024 * 1024;
