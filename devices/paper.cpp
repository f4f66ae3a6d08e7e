#include "devices/paper.h"

#include <cmath>

std::optional<QPageSize> pageSizeOf(Paper paper)
{
    switch (paper) {
    case Paper::Letter: return QPageSize(QPageSize::Letter);
    case Paper::Legal: return QPageSize(QPageSize::Legal);
    case Paper::A4: return QPageSize(QPageSize::A4);
    case Paper::A3: return QPageSize(QPageSize::A3);
    case Paper::A5: return QPageSize(QPageSize::A5);
    case Paper::AsPrinter: break;
    }
    return std::nullopt;
}

QPageSize nearestPageSize(const QPageSize &wanted, const QList<QPageSize> &available)
{
    if (available.isEmpty())
        return wanted;
    const QSizeF target = wanted.size(QPageSize::Point);
    const QPageSize *nearest = nullptr;
    double nearestDistance = 0;
    for (const QPageSize &size : available) {
        if (size.isEquivalentTo(wanted))
            return size;
        // Sizes may be listed landscape; the page is portrait.
        QSizeF points = size.size(QPageSize::Point);
        if (points.width() > points.height())
            points.transpose();
        const double distance = std::abs(points.width() - target.width()) + std::abs(points.height() - target.height());
        if (!nearest || distance < nearestDistance) {
            nearest = &size;
            nearestDistance = distance;
        }
    }
    return *nearest;
}

ColourSupport colourSupportOf(const QList<QPrinter::ColorMode> &modes)
{
    if (modes.contains(QPrinter::Color))
        return ColourSupport::Colour;
    if (modes.contains(QPrinter::GrayScale))
        return ColourSupport::BlackAndWhite;
    return ColourSupport::Unknown;
}
