#pragma once

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

    void play(QPainter &painter, const QRectF &target, const QRectF &frame) const;

    // The rectangle the drawing covers, in logical units after the window origin is applied;
    // for files that state neither a bounding box nor a window. Empty when nothing is drawn.
    QRectF drawingBounds() const;

private:
    QList<WmfRecord> m_records;
    int m_objectCount;
};
