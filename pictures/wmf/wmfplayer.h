#pragma once

#include "pictures/wmf/wmfbudget.h"
#include "pictures/wmf/wmfobjects.h"
#include "pictures/wmf/wmfrecords.h"

#include <QList>
#include <QRectF>

class QPainter;

// Replays the records of a 16-bit Windows Metafile onto a QPainter, as vector drawing.
// `frame` is the picture's rectangle in the metafile's logical units (the placeable bounding
// box, or the window); it is drawn onto `target` (the painter's coordinates) the way a GDI
// device context with its viewport on `target` would: the file's own window and viewport
// records then decide the mapping. Malformed records are skipped; nothing outside a record
// is ever read. Nothing is drawn outside `target`.
class WmfPlayer
{
public:
    WmfPlayer(const QList<WmfRecord> &records, int objectCount) : m_records(records), m_objectCount(objectCount) {}

    // Draws the records; stops at the first one past `budget` (what was drawn before stays).
    // Returns the work done.
    WmfWork play(QPainter &painter, const QRectF &target, const QRectF &frame, const WmfBudget &budget = {}) const;

    // The work drawing onto a raster target of `targetPixels` at `dpi` would take, counted
    // without painting or decoding a bitmap; the count stops soon after it passes `budget`.
    WmfWork measure(const QSizeF &targetPixels, double dpi, const QRectF &frame, const WmfBudget &budget = {}) const;

    // The rectangle the drawing covers, in logical units after the window origin is applied;
    // for files that state neither a bounding box nor a window. Empty when nothing is drawn.
    QRectF drawingBounds() const;
    // Makes play() and measure() take `frame` as such bounds: the replay starts from GDI's
    // default window and viewport (origin 0, one unit a pixel), not from the frame's.
    void setFrameIsDrawingBounds(bool bounds) { m_frameIsBounds = bounds; }

private:
    QList<WmfRecord> m_records;
    int m_objectCount;
    bool m_frameIsBounds = false;
};
