#pragma once

#include <QPaintDevice>
#include <QRectF>
#include <QSizeF>

// Bitmaps go to a vector device (PDF, printer) at no more than this many pixels an inch of
// paper: more only makes the file larger and slower to write and to print. Shared by plain
// pictures and the bitmaps inside metafiles.
inline constexpr double MaxSentDpi = 600;

// The most pixels worth sending for an area of `onDevice` device units on `device`.
inline QSizeF finestSentSize(const QPaintDevice &device, const QRectF &onDevice)
{
    return {onDevice.width() / device.logicalDpiX() * MaxSentDpi, onDevice.height() / device.logicalDpiY() * MaxSentDpi};
}
