#pragma once

#include "render/picture.h"

#include <QImage>

// A decoded bmp, gif or jpg picture with the natural size its resolution gives it.
class RasterPicture : public Picture
{
public:
    RasterPicture(QImage image, QSize naturalTwips) : m_image(std::move(image)), m_natural(naturalTwips) {}

    QSize naturalSizeTwips() const override { return m_natural; }
    // Smoothly scaled; on printers and PDF the full-resolution image is sent.
    void draw(QPainter &painter, const QRectF &target) const override;

    const QImage &image() const { return m_image; }

private:
    QImage m_image;
    QSize m_natural;
};
