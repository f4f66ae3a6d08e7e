#include "pictures/rasterpicture.h"

#include "pictures/wmf/sentresolution.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>

int RasterPicture::reductionCount() const
{
    const std::lock_guard lock(m_cacheMutex);
    return m_reductions;
}

QImage RasterPicture::reduced(QSize pixels) const
{
    {
        const std::lock_guard lock(m_cacheMutex);
        if (m_cache.size() == pixels)
            return m_cache;
    }
    const QImage image = m_image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const std::lock_guard lock(m_cacheMutex);
    ++m_reductions;
    m_cache = image;
    return image;
}

void RasterPicture::draw(QPainter &painter, const QRectF &target) const
{
    if (m_image.isNull() || target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF onDevice = painter.worldTransform().mapRect(target);
    const bool raster = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    QSize wanted = m_image.size();
    if (raster) {
        // Bilinear drawing of a much larger image skips pixels; average them first.
        if (onDevice.width() * 2 < m_image.width() || onDevice.height() * 2 < m_image.height())
            wanted = onDevice.size().toSize();
    } else if (const QPaintDevice *device = painter.device(); device && device->logicalDpiX() > 0 && device->logicalDpiY() > 0) {
        const QSizeF finest = finestSentSize(*device, onDevice);
        if (finest.width() * 2 < m_image.width() || finest.height() * 2 < m_image.height())
            wanted = finest.toSize();
    }
    if (wanted != m_image.size())
        painter.drawImage(target, reduced(wanted.expandedTo(QSize(1, 1)).boundedTo(m_image.size())));
    else
        painter.drawImage(target, m_image);
    painter.restore();
}
