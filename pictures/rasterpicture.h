#pragma once

#include "render/picture.h"

#include <QImage>

#include <mutex>

// A decoded bmp, gif or jpg picture with the natural size its resolution gives it.
class RasterPicture : public Picture
{
public:
    RasterPicture(QImage image, QSize naturalTwips) : m_image(std::move(image)), m_natural(naturalTwips) {}

    QSize naturalSizeTwips() const override { return m_natural; }
    // Smoothly scaled. A raster image gets a reduced copy (averaging the pixels) when the
    // picture is much larger than the target, cached while the size stays the same; a vector
    // device gets the full image, reduced to MaxSentDpi at the printed size. Thread-safe: the
    // cache is guarded by a mutex, held only to look it up and to store it.
    void draw(QPainter &painter, const QRectF &target) const override;

    const QImage &image() const { return m_image; }
    // Reductions made by draw() so far; a draw served from the cache adds none.
    int reductionCount() const;

private:
    // m_image reduced to `pixels`, from the cache when it has that size.
    QImage reduced(QSize pixels) const;

    QImage m_image;
    QSize m_natural;
    mutable std::mutex m_cacheMutex;
    mutable QImage m_cache;
    mutable int m_reductions = 0;
};
