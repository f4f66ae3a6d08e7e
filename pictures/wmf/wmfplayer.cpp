#include "pictures/wmf/wmfplayer.h"

#include "pictures/wmf/wmfplayback.h"

#include <QPainter>
#include <QPicture>

void WmfPlayer::play(QPainter &painter, const QRectF &target, const QRectF &frame) const
{
    WmfPlayback playback(painter, target, frame, m_objectCount, true);
    playback.run(m_records);
}

QRectF WmfPlayer::drawingBounds() const
{
    // With a unit frame onto a unit target, logical units are recorded unchanged.
    QPicture picture;
    {
        QPainter painter(&picture);
        WmfPlayback playback(painter, QRectF(0, 0, 1, 1), QRectF(0, 0, 1, 1), m_objectCount, false);
        playback.run(m_records);
    }
    return QRectF(picture.boundingRect());
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
        if (auto object = wmfDibPatternBrushFrom(r))
            m_objects.add(std::move(*object));
        break;
    case CreatePatternBrush: {
        // The slot is taken even when the pattern cannot be read, so later indices hold.
        std::optional<WmfObject> object = wmfPatternBrushFrom(r);
        if (!object) {
            object.emplace();
            object->kind = WmfObject::Kind::Brush;
            object->brush.style = WmfBrush::Null;
        }
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
    case CreateRegion:
        m_objects.add(wmfRegionFrom(r));
        break;
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
            if (preparePainter(true, false))
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
        if (r.hasWords(4) && m_mappingValid)
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
