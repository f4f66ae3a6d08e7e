#include "render/pageimage.h"

#include <cmath>

QImage blankPageImage(const QSizeF &inches, double dpi)
{
    QImage image(int(std::lround(inches.width() * dpi)), int(std::lround(inches.height() * dpi)), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}
