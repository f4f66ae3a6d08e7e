#pragma once

#include "render/picture.h"

// A picture of a chosen natural size that draws nothing: placement only reads the size.
class FixedPicture : public Picture
{
public:
    explicit FixedPicture(QSize twips) : m_size(twips) {}
    QSize naturalSizeTwips() const override { return m_size; }
    void draw(QPainter &, const QRectF &) const override {}

private:
    QSize m_size;
};
