#pragma once

#include <QSize>

class QPainter;
class QRectF;

// A loaded picture (raster or metafile) with the size it wants to be printed at.
class Picture
{
public:
    virtual ~Picture() = default;
    // Natural width and height in twips (1440 per inch).
    virtual QSize naturalSizeTwips() const = 0;
    // Draws the whole picture scaled into `target` (device units of the painter).
    virtual void draw(QPainter &painter, const QRectF &target) const = 0;
};
