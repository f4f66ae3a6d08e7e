#include "pictures/rasterpicture.h"

#include <QPaintEngine>
#include <QPainter>

void RasterPicture::draw(QPainter &painter, const QRectF &target) const
{
    if (m_image.isNull() || target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF onDevice = painter.worldTransform().mapRect(target);
    const bool raster = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    if (raster && (onDevice.width() * 2 < m_image.width() || onDevice.height() * 2 < m_image.height())) {
        // Bilinear drawing of a much larger image skips pixels; average them first.
        const QImage reduced = m_image.scaled(onDevice.size().toSize().expandedTo(QSize(1, 1)), Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation);
        painter.drawImage(target, reduced);
    } else {
        painter.drawImage(target, m_image);
    }
    painter.restore();
}
