#pragma once

#include "render/picture.h"
#include "pictures/wmf/wmfbudget.h"
#include "pictures/wmf/wmfrecords.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>

// A Windows Metafile, kept as its records and replayed as vector drawing onto printers and
// PDF files. Raster images (the preview, PNG pages) get a rendering cached at the size last
// asked for, so that redrawing the preview replays nothing.
class MetafilePicture : public Picture
{
public:
    // Reads a 16-bit metafile (with or without a placeable header). Returns nullptr and a
    // reason for a file without a usable header, with 0 units per inch, without records, cut
    // short before its EOF record, with more than MaxWmfRecords records, without any size, or
    // whose drawing would exceed `budget` at the largest size a page draws a picture
    // (LargestFrameTwips at LargestFrameDpi).
    static std::shared_ptr<const MetafilePicture> fromData(const QByteArray &data, QString *error = nullptr,
                                                           const WmfBudget &budget = {});

    // The largest area a page gives a picture (the frame across the top of the page, 11160
    // twips wide, and the corner frame, 3500 twips high) and the highest resolution a page is
    // drawn at as an image: pictures are measured against these.
    static constexpr QSize LargestFrameTwips{11160, 3500};
    static constexpr double LargestFrameDpi = 300;

    QSize naturalSizeTwips() const override { return m_natural; }
    // Thread-safe: pictures are shared by the threads of a batch. The cached rendering is
    // guarded by a mutex, held only to look it up and to store it; two threads that miss at
    // once both render, and the later one's rendering stays.
    void draw(QPainter &painter, const QRectF &target) const override;

    // The records replayed (EOF and what follows excluded).
    qsizetype recordCount() const { return m_records.size(); }
    // The work of one replay at the largest size a page draws a picture, as measured at load.
    const WmfWork &work() const { return m_work; }
    // Replays done by draw() so far; a draw served from the cached rendering adds none.
    int replayCount() const { return m_replays.load(); }

private:
    MetafilePicture() = default;
    void replay(QPainter &painter, const QRectF &target) const;
    // The cached rendering when `painter` draws onto a raster image, else a null image.
    QImage rendering(QPainter &painter, const QRectF &target, QRectF *onDevice) const;

    QByteArray m_data;           // the records are views into it
    QList<WmfRecord> m_records;
    int m_objectCount = 0;
    QRectF m_frame;              // logical units
    bool m_frameFromBounds = false;
    QSize m_natural;
    WmfWork m_work;

    mutable std::mutex m_cacheMutex;
    mutable QImage m_cache;      // device pixels, with the device's resolution
    mutable std::atomic<int> m_replays{0};
};
