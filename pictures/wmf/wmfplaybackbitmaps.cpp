#include "pictures/wmf/wmfplayback.h"

#include "pictures/wmf/wmfdib.h"

#include <QPaintEngine>
#include <QPainter>

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

void WmfPlayback::blit(const WmfRecord &r)
{
    using namespace WmfFunction;
    const quint32 rop = r.u32(0);
    // A blit record without a bitmap has exactly the word count its function code states.
    const bool withoutBitmap = r.wordCount() == (r.function() >> 8);
    switch (r.function()) {
    case PatBlt:
        if (r.hasWords(6))
            fillPattern(QRectF(r.s16(5), r.s16(4), r.s16(3), r.s16(2)), rop);
        return;
    case BitBlt:
    case DibBitBlt:
        if (withoutBitmap) {
            fillPattern(QRectF(r.s16(8), r.s16(7), r.s16(6), r.s16(5)), rop);
        } else if (r.hasWords(8)) {
            const QImage image = r.function() == DibBitBlt ? decodeWmfDib(r.bytesFrom(16)) : decodeWmfBitmap16(r.bytesFrom(16));
            drawBitmap(image, QRectF(r.s16(3), r.s16(2), r.s16(5), r.s16(4)),
                       QRectF(r.s16(7), r.s16(6), r.s16(5), r.s16(4)), rop);
        }
        return;
    case StretchBlt:
    case DibStretchBlt:
        if (withoutBitmap) {
            fillPattern(QRectF(r.s16(10), r.s16(9), r.s16(8), r.s16(7)), rop);
        } else if (r.hasWords(10)) {
            const QImage image = r.function() == DibStretchBlt ? decodeWmfDib(r.bytesFrom(20)) : decodeWmfBitmap16(r.bytesFrom(20));
            drawBitmap(image, QRectF(r.s16(5), r.s16(4), r.s16(3), r.s16(2)),
                       QRectF(r.s16(9), r.s16(8), r.s16(7), r.s16(6)), rop);
        }
        return;
    case StretchDib:
        if (r.hasWords(11)) {
            const QImage image = decodeWmfDib(r.bytesFrom(22), r.u16(2) == 1);
            // The source rectangle is measured from the bitmap's lower-left corner.
            const qreal sourceHeight = r.s16(3);
            const QRectF source(r.s16(6), image.height() - r.s16(5) - sourceHeight, r.s16(4), sourceHeight);
            drawBitmap(image, source, QRectF(r.s16(10), r.s16(9), r.s16(8), r.s16(7)), rop);
        }
        return;
    case SetDibToDev:
        if (r.hasWords(9)) {
            const QImage image = decodeWmfDib(r.bytesFrom(18), r.u16(0) == 1);
            const qreal height = r.s16(5);
            const QRectF source(r.s16(4), image.height() - r.s16(3) - height, r.s16(6), height);
            drawBitmap(image, source, QRectF(r.s16(8), r.s16(7), r.s16(6), height), 0x00CC0020);
        }
        return;
    default:
        return;
    }
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
    if (!m_mappingValid || rect.isEmpty())
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
