#pragma once

#include <QSize>
#include <QtGlobal>

class QPainter;
class QRectF;

// A picture the page surface can draw (pictures/ loads raster files and metafiles as these),
// with the size it wants to be printed at.
class Picture
{
public:
    Picture() = default;
    virtual ~Picture() = default;
    Q_DISABLE_COPY_MOVE(Picture)

    // Natural width and height in twips (1440 per inch).
    virtual QSize naturalSizeTwips() const = 0;
    // Draws the whole picture scaled into `target` (device units of the painter).
    virtual void draw(QPainter &painter, const QRectF &target) const = 0;
};
