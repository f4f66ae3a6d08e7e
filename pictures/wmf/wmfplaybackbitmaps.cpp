#include "pictures/wmf/wmfplayback.h"

#include "pictures/wmf/dib.h"
#include "pictures/wmf/sentresolution.h"

#include <QPaintEngine>
#include <QPainter>

#include <cmath>

namespace {

// The ternary raster operations by their index byte (bits 16..23 of the 32-bit code).
enum RopIndex : int {
    Blackness = 0x00,
    NotSrcCopy = 0x33,
    DstInvert = 0x55,
    PatInvert = 0x5A,
    SrcInvert = 0x66,
    SrcAnd = 0x88,
    Nop = 0xAA,
    SrcCopy = 0xCC,
    SrcPaint = 0xEE,
    PatCopy = 0xF0,
    Whiteness = 0xFF,
};

int ropIndex(quint32 rop)
{
    return int((rop >> 16) & 0xFF);
}

} // namespace

namespace {

// The bitmap of a blit record: a DIB, or a Bitmap16 in the older records.
struct BlitBitmap
{
    QByteArrayView bytes;
    bool dib = true;
    bool paletteIndices = false;

    qint64 pixels() const { return dib ? dibPixels(bytes) : bitmap16Pixels(bytes); }
    QImage decode() const
    {
        return dib ? decodeDib(bytes, paletteIndices, MaxWmfBitmapPixels) : decodeBitmap16(bytes, MaxWmfBitmapPixels);
    }
};

} // namespace

void WmfPlayback::blit(const WmfRecord &r)
{
    using namespace WmfFunction;
    const quint32 rop = r.u32(0);
    // A blit record without a bitmap has exactly the word count its function code states.
    const bool withoutBitmap = r.wordCount() == (r.function() >> 8);
    // The bitmap and where it goes: the source rectangle is in the bitmap's pixels (from the
    // top left, or from the lower left where `fromBottom`).
    BlitBitmap bitmap;
    QRectF source;
    QRectF destination;
    bool fromBottom = false;
    switch (r.function()) {
    case PatBlt:
        if (r.hasWords(6))
            fillPattern(QRectF(r.s16(5), r.s16(4), r.s16(3), r.s16(2)), rop);
        return;
    case BitBlt:
    case DibBitBlt:
        if (withoutBitmap) {
            fillPattern(QRectF(r.s16(8), r.s16(7), r.s16(6), r.s16(5)), rop);
            return;
        }
        if (!r.hasWords(8))
            return;
        bitmap = {r.bytesFrom(16), r.function() == DibBitBlt};
        source = QRectF(r.s16(3), r.s16(2), r.s16(5), r.s16(4));
        destination = QRectF(r.s16(7), r.s16(6), r.s16(5), r.s16(4));
        break;
    case StretchBlt:
    case DibStretchBlt:
        if (withoutBitmap) {
            fillPattern(QRectF(r.s16(10), r.s16(9), r.s16(8), r.s16(7)), rop);
            return;
        }
        if (!r.hasWords(10))
            return;
        bitmap = {r.bytesFrom(20), r.function() == DibStretchBlt};
        source = QRectF(r.s16(5), r.s16(4), r.s16(3), r.s16(2));
        destination = QRectF(r.s16(9), r.s16(8), r.s16(7), r.s16(6));
        break;
    case StretchDib:
        if (!r.hasWords(11))
            return;
        bitmap = {r.bytesFrom(22), true, r.u16(2) == 1};
        source = QRectF(r.s16(6), r.s16(5), r.s16(4), r.s16(3));
        destination = QRectF(r.s16(10), r.s16(9), r.s16(8), r.s16(7));
        fromBottom = true;
        break;
    case SetDibToDev:
        if (!r.hasWords(9))
            return;
        bitmap = {r.bytesFrom(18), true, r.u16(0) == 1};
        source = QRectF(r.s16(4), r.s16(3), r.s16(6), r.s16(5));
        destination = QRectF(r.s16(8), r.s16(7), r.s16(6), r.s16(5));
        fromBottom = true;
        break;
    default:
        return;
    }
    // SetDIBitsToDevice copies; its first words are not a raster operation.
    const quint32 operation = r.function() == SetDibToDev ? 0x00CC0020 : rop;
    const int index = ropIndex(operation);
    if (index == Blackness || index == Whiteness || index == PatCopy || index == PatInvert) {
        fillPattern(destination, operation);
        return;
    }
    if (index == Nop || index == DstInvert)
        return;
    // Decoding costs the whole bitmap, whatever part of it is shown.
    const qint64 pixels = bitmap.pixels();
    if (pixels <= 0 || pixels > MaxWmfBitmapPixels || !spendOnBitmap(pixels, destination))
        return;
    const QImage image = bitmap.decode();
    if (fromBottom)
        source.moveTop(image.height() - source.top() - source.height());
    drawBitmap(image, source, destination, operation);
}

void WmfPlayback::drawBitmap(const QImage &image, QRectF source, const QRectF &destination, quint32 rop)
{
    const int index = ropIndex(rop);
    if (index == Blackness || index == Whiteness || index == PatCopy || index == PatInvert) {
        fillPattern(destination, rop);
        return;
    }
    if (!m_mappingValid || image.isNull() || index == Nop || index == DstInvert)
        return;
    source = source.normalized().intersected(QRectF(image.rect()));
    if (source.isEmpty() || destination.width() == 0 || destination.height() == 0)
        return;

    const bool blends = m_painter.paintEngine() && m_painter.paintEngine()->hasFeature(QPaintEngine::BlendModes);
    QImage shown = image;
    const QPaintDevice *device = m_painter.device();
    if (!m_rasterDevice && device && device->logicalDpiX() > 0 && device->logicalDpiY() > 0) {
        const QRectF onDevice = (m_mapping * m_base).mapRect(destination.normalized()).intersected(m_deviceTarget);
        const QSizeF sent = finestSentSize(*device, onDevice);
        const QSize finest(int(std::ceil(sent.width())), int(std::ceil(sent.height())));
        if (finest.width() * 2 < source.width() || finest.height() * 2 < source.height()) {
            shown = image.copy(source.toAlignedRect())
                        .scaled(finest.expandedTo(QSize(1, 1)).boundedTo(source.toAlignedRect().size()), Qt::IgnoreAspectRatio,
                                Qt::SmoothTransformation);
            source = QRectF(shown.rect());
        }
    }
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    switch (index) {
    case NotSrcCopy: shown.invertPixels(); break;
    // Masks (AND, then OR) approximated by blend modes where the device has them.
    case SrcAnd: if (blends) mode = QPainter::CompositionMode_Multiply; break;
    case SrcPaint: if (blends) mode = QPainter::CompositionMode_Lighten; break;
    case SrcInvert: if (m_rasterDevice) mode = QPainter::RasterOp_SourceXorDestination; break;
    default: break;
    }
    m_painter.save();
    m_painter.setCompositionMode(mode);
    // Negative destination sizes mirror the bitmap, as in GDI.
    m_painter.translate(destination.topLeft());
    m_painter.scale(destination.width() / source.width(), destination.height() / source.height());
    m_painter.drawImage(QPointF(0, 0), shown, source);
    m_painter.restore();
}

void WmfPlayback::fillPattern(const QRectF &destination, quint32 rop)
{
    const QRectF rect = destination.normalized();
    if (rect.isEmpty() || !spend(rect, 0, 0))
        return;
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    switch (ropIndex(rop)) {
    case Blackness: m_painter.fillRect(rect, Qt::black); return;
    case Whiteness: m_painter.fillRect(rect, Qt::white); return;
    case Nop:
    case DstInvert: return;
    default: break;
    }
    const QBrush brush = currentBrush();
    if (brush.style() == Qt::NoBrush)
        return;
    if (m_dc.brush.style == WmfBrush::Hatched && m_dc.backgroundMode == 2)
        m_painter.fillRect(rect, m_dc.backgroundColour);
    m_painter.fillRect(rect, brush);
}
