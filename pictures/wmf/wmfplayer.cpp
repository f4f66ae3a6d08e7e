#include "pictures/wmf/wmfplayer.h"

#include "pictures/wmf/wmfplayback.h"

#include <QImage>
#include <QPainter>

#include <cmath>

WmfWork WmfPlayer::play(QPainter &painter, const QRectF &target, const QRectF &frame, const WmfBudget &budget) const
{
    WmfPlayback playback(painter, target, frame, m_objectCount, WmfPlayback::Mode::Draw, budget);
    if (m_frameIsBounds)
        playback.startAtDefaultWindow();
    playback.run(m_records);
    return playback.work();
}

namespace {

// A device that paints nothing: measuring replays need a painter for the mapping and the
// fonts' metrics only. `dpi` decides how fonts and device-sized patterns measure.
QImage measuringDevice(double dpi)
{
    QImage device(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = int(std::lround(dpi / 0.0254));
    device.setDotsPerMeterX(dotsPerMetre);
    device.setDotsPerMeterY(dotsPerMetre);
    return device;
}

} // namespace

WmfWork WmfPlayer::measure(const QSizeF &targetPixels, double dpi, const QRectF &frame, const WmfBudget &budget) const
{
    QImage device = measuringDevice(dpi);
    QPainter painter(&device);
    WmfPlayback playback(painter, QRectF(QPointF(0, 0), targetPixels), frame, m_objectCount, WmfPlayback::Mode::Measure,
                         budget);
    if (m_frameIsBounds)
        playback.startAtDefaultWindow();
    playback.run(m_records);
    return playback.work();
}

QRectF WmfPlayer::drawingBounds() const
{
    // With a unit frame onto a unit target, logical units are measured unchanged. Screen
    // resolution, as for a file without a placeable header.
    QImage device = measuringDevice(96);
    QPainter painter(&device);
    WmfPlayback playback(painter, QRectF(0, 0, 1, 1), QRectF(0, 0, 1, 1), m_objectCount, WmfPlayback::Mode::Measure,
                         WmfBudget());
    playback.startAtDefaultWindow();
    playback.trackBounds();
    playback.run(m_records);
    return QRectF(playback.bounds().toAlignedRect());
}

void WmfPlayback::dispatch(const WmfRecord &r)
{
    using namespace WmfFunction;
    const auto changeWindow = [&](QPointF *org, QSizeF *ext) {
        switch (r.function()) {
        case SetWindowOrg:
        case SetViewportOrg: *org = QPointF(r.s16(1), r.s16(0)); break;
        case SetWindowExt:
        case SetViewportExt: *ext = QSizeF(r.s16(1), r.s16(0)); break;
        case OffsetWindowOrg:
        case OffsetViewportOrg: *org += QPointF(r.s16(1), r.s16(0)); break;
        default: { // ScaleWindowExt, ScaleViewportExt: yDenom, yNum, xDenom, xNum
            if (r.s16(0) == 0 || r.s16(2) == 0)
                return;
            *ext = QSizeF(ext->width() * r.s16(3) / r.s16(2), ext->height() * r.s16(1) / r.s16(0));
            break;
        }
        }
        updateMapping();
    };

    switch (r.function()) {
    case SetWindowOrg:
    case SetWindowExt:
    case OffsetWindowOrg:
        if (r.hasWords(2))
            changeWindow(&m_dc.windowOrg, &m_dc.windowExt);
        break;
    case ScaleWindowExt:
        if (r.hasWords(4))
            changeWindow(&m_dc.windowOrg, &m_dc.windowExt);
        break;
    case SetViewportOrg:
    case SetViewportExt:
    case OffsetViewportOrg:
        if (r.hasWords(2))
            changeWindow(&m_dc.viewportOrg, &m_dc.viewportExt);
        break;
    case ScaleViewportExt:
        if (r.hasWords(4))
            changeWindow(&m_dc.viewportOrg, &m_dc.viewportExt);
        break;
    case SetMapMode:
        if (r.hasWords(1)) {
            m_dc.mapMode = r.u16(0);
            updateMapping();
        }
        break;
    case SaveDc:
        if (m_saved.size() < MaxSavedStates)
            m_saved.push_back(m_dc);
        break;
    case RestoreDc: {
        if (!r.hasWords(1))
            break;
        const int which = r.s16(0);
        const qsizetype index = which < 0 ? qsizetype(m_saved.size()) + which : which - 1;
        if (index < 0 || size_t(index) >= m_saved.size())
            break;
        m_dc = m_saved[size_t(index)];
        m_saved.resize(size_t(index));
        updateMapping();
        applyClip();
        break;
    }
    case CreatePenIndirect:
        if (auto object = wmfPenFrom(r))
            m_objects.add(std::move(*object));
        break;
    case CreateBrushIndirect:
        if (auto object = wmfBrushFrom(r))
            m_objects.add(std::move(*object));
        break;
    case DibCreatePatternBrush:
    case CreatePatternBrush: {
        // Every decoded pattern may stay alive until the end (selected, saved with the
        // device context): all of them count against the memory budget.
        const qint64 pixels = wmfPatternBrushPixels(r);
        m_work.bitmapPixels += pixels;
        m_work.patternBytes += pixels * qint64(sizeof(QRgb));
        const bool decode = withinBudget() && m_mode == Mode::Draw;
        std::optional<WmfObject> object = r.function() == DibCreatePatternBrush ? wmfDibPatternBrushFrom(r, decode)
                                                                                : wmfPatternBrushFrom(r, decode);
        // A Bitmap16 pattern's slot is taken even when the pattern cannot be read, so later
        // indices hold.
        if (!object && r.function() == CreatePatternBrush) {
            object.emplace();
            object->kind = WmfObject::Kind::Brush;
            object->brush.style = WmfBrush::Null;
        }
        if (object)
            m_objects.add(std::move(*object));
        break;
    }
    case CreateFontIndirect:
        if (auto object = wmfFontFrom(r))
            m_objects.add(std::move(*object));
        break;
    case CreatePalette: {
        WmfObject palette;
        palette.kind = WmfObject::Kind::Palette;
        m_objects.add(std::move(palette));
        break;
    }
    case CreateRegion: {
        WmfObject region = wmfRegionFrom(r);
        m_work.points += region.region.size();
        m_objects.add(std::move(region));
        break;
    }
    case SelectObject:
        if (r.hasWords(1))
            selectObject(r.u16(0));
        break;
    case DeleteObject:
        if (r.hasWords(1))
            m_objects.remove(r.u16(0));
        break;
    case SelectClipRegion:
        if (r.hasWords(1))
            selectClipRegion(r.u16(0));
        break;
    case SetBkColor:
        if (r.hasWords(2))
            m_dc.backgroundColour = wmfColour(r, 0);
        break;
    case SetTextColor:
        if (r.hasWords(2))
            m_dc.textColour = wmfColour(r, 0);
        break;
    case SetBkMode:
        if (r.hasWords(1))
            m_dc.backgroundMode = r.u16(0);
        break;
    case SetTextAlign:
        if (r.hasWords(1))
            m_dc.textAlign = r.u16(0);
        break;
    case SetPolyFillMode:
        if (r.hasWords(1))
            m_dc.polyFillMode = r.u16(0);
        break;
    case SetRop2:
        if (r.hasWords(1))
            m_dc.rop2 = r.u16(0);
        break;
    case MoveTo:
        if (r.hasWords(2))
            m_dc.position = QPointF(r.s16(1), r.s16(0));
        break;
    case LineTo:
        if (r.hasWords(2)) {
            const QPointF to(r.s16(1), r.s16(0));
            if (spendOnStroke(QPolygonF{m_dc.position, to}) && preparePainter(true, false))
                m_painter.drawLine(m_dc.position, to);
            m_dc.position = to;
        }
        break;
    case Polyline: drawPolyline(r); break;
    case Polygon: drawPolygon(r); break;
    case PolyPolygon: drawPolyPolygon(r); break;
    case Rectangle:
    case Ellipse:
        if (r.hasWords(4)) {
            QPainterPath path;
            const QRectF box = logicalRect(r.s16(3), r.s16(2), r.s16(1), r.s16(0));
            if (r.function() == Rectangle)
                path.addRect(box);
            else
                path.addEllipse(box);
            drawPath(path, true);
        }
        break;
    case RoundRect:
        if (r.hasWords(6)) {
            QPainterPath path;
            path.addRoundedRect(logicalRect(r.s16(5), r.s16(4), r.s16(3), r.s16(2)), qAbs(r.s16(1)) / 2.0,
                                qAbs(r.s16(0)) / 2.0);
            drawPath(path, true);
        }
        break;
    case Arc:
    case Pie:
    case Chord: drawArcFamily(r); break;
    case SetPixel:
        if (r.hasWords(4) && spend(QRectF(r.s16(3), r.s16(2), 1, 1), 1, 1))
            m_painter.fillRect(QRectF(r.s16(3), r.s16(2), 1, 1), wmfColour(r, 0));
        break;
    case TextOut: textOut(r); break;
    case ExtTextOut: extTextOut(r); break;
    case BitBlt:
    case StretchBlt:
    case DibBitBlt:
    case DibStretchBlt:
    case StretchDib:
    case SetDibToDev:
    case PatBlt: blit(r); break;
    case IntersectClipRect:
    case ExcludeClipRect:
        if (r.hasWords(4) && m_mappingValid) {
            const QRegion rect = targetRegion(logicalRect(r.s16(3), r.s16(2), r.s16(1), r.s16(0)));
            if (r.function() == IntersectClipRect) {
                setClip(m_dc.clip ? m_dc.clip->intersected(rect) : rect);
            } else {
                const QRegion everything(QRect(QPoint(-100000000, -100000000), QPoint(100000000, 100000000)));
                setClip((m_dc.clip ? *m_dc.clip : everything).subtracted(rect));
            }
        }
        break;
    default:
        // Escape (comments, embedded EMF), palettes and the rest change nothing drawn.
        break;
    }
}
