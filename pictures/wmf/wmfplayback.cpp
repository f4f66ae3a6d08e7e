#include "pictures/wmf/wmfplayback.h"

#include <QPaintEngine>
#include <QPainter>
#include <QScopeGuard>
#include <QtMath>

#include <cmath>

namespace {

// Clip rectangles are integers; keep mapped coordinates well inside int.
constexpr qreal ClipLimit = 1.0e8;

// Crossings per row beyond which a fill is crowded: drawn without antialiasing.
constexpr qint64 CrowdedCrossings = 64;
// Beyond this many crossings per row, a row costs no more per crossing (measured).
constexpr qint64 MaxCountedCrossings = 1000;

bool usableScale(qreal value)
{
    return std::isfinite(value) && value != 0 && qAbs(value) < 1.0e9;
}

} // namespace

WmfPlayback::WmfPlayback(QPainter &painter, const QRectF &target, const QRectF &frame, int objectCount, Mode mode,
                         const WmfBudget &budget)
    : m_painter(painter), m_mode(mode), m_budget(budget), m_base(painter.worldTransform()), m_target(target),
      m_frame(frame), m_objects(objectCount)
{
    m_painter.save();
    m_deviceTarget = m_base.mapRect(target);
    // Drawing that strays outside its own frame would land on the rest of the page.
    if (m_mode == Mode::Draw)
        m_painter.setClipRect(target, Qt::IntersectClip);
    if (m_painter.hasClipping())
        m_baseClip = m_painter.clipPath();
    m_dc.windowOrg = frame.topLeft();
    m_dc.windowExt = frame.size();
    m_dc.viewportOrg = frame.topLeft();
    m_dc.viewportExt = frame.size();
    if (QPaintDevice *device = m_painter.device()) {
        m_dpiY = device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
        m_devicePixelsPerReferencePixel = device->logicalDpiX() > 0 ? device->logicalDpiX() / 96.0 : 1;
    }
    m_rasterDevice = m_painter.paintEngine() && m_painter.paintEngine()->type() == QPaintEngine::Raster;
    // Antialiasing pays on screens; at print resolutions it only costs time.
    m_painter.setRenderHint(QPainter::Antialiasing, !m_rasterDevice || m_dpiY < 200);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    updateMapping();
}

WmfPlayback::~WmfPlayback()
{
    m_painter.restore();
}

void WmfPlayback::run(const QList<WmfRecord> &records)
{
    for (const WmfRecord &record : records) {
        ++m_work.records;
        dispatch(record);
        if (m_stopped || !withinBudget())
            break;
    }
}

void WmfPlayback::startAtDefaultWindow()
{
    m_dc.windowOrg = QPointF(0, 0);
    m_dc.viewportOrg = QPointF(0, 0);
    m_dc.windowExt = QSizeF(1, 1);
    m_dc.viewportExt = QSizeF(1, 1);
    updateMapping();
}

bool WmfPlayback::withinBudget()
{
    if (!m_stopped && !m_budget.allows(m_work))
        m_stopped = true;
    return !m_stopped;
}

bool WmfPlayback::spendOnDevice(const QRectF &deviceBox, qint64 points, qint64 scanRows, bool bounded)
{
    m_work.points += points;
    m_work.scanRows += scanRows;
    const QRectF covered = deviceBox.intersected(m_deviceTarget);
    if (!covered.isEmpty())
        m_work.coveredPixels += qint64(std::ceil(covered.width()) * std::ceil(covered.height()));
    if (bounded && m_trackBounds && (deviceBox.width() > 0 || deviceBox.height() > 0))
        m_bounds = m_bounds.isNull() ? deviceBox : m_bounds.united(deviceBox);
    return withinBudget() && m_mode == Mode::Draw;
}

bool WmfPlayback::spend(const QRectF &logicalBox, qint64 points, qint64 scanRows)
{
    if (!m_mappingValid)
        return false;
    return spendOnDevice((m_mapping * m_base).mapRect(logicalBox), points, scanRows);
}

bool WmfPlayback::spendOnBitmap(qint64 pixels, const QRectF &logicalDestination)
{
    m_work.bitmapPixels += pixels;
    return spend(logicalDestination.normalized(), 0, 0);
}

qreal WmfPlayback::penWidthOnDevice() const
{
    const qreal scale = qMax(qAbs(m_mapping.m11()), qAbs(m_mapping.m22()));
    return qMax<qreal>(1, m_dc.pen.width * scale);
}

namespace {

// `p` moved into `box` (a rough clip: what lies outside costs the scan converter nothing).
QPointF clamped(QPointF p, const QRectF &box)
{
    return QPointF(qBound(box.left(), p.x(), box.right()), qBound(box.top(), p.y(), box.bottom()));
}

} // namespace

qint64 WmfPlayback::fillRows(const QPainterPath &path) const
{
    // A scan converter visits every row an edge crosses; self-intersecting polygons make
    // that the number of points times the height.
    const QTransform toDevice = m_mapping * m_base;
    qint64 rows = 0;
    QPointF previous;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QPointF p = clamped(toDevice.map(QPointF(e.x, e.y)), m_deviceTarget);
        if (!e.isMoveTo())
            rows += qint64(qAbs(p.y() - previous.y())) + 1;
        previous = p;
    }
    return rows;
}

qint64 WmfPlayback::strokePixels(const QPolygonF &logicalPoints) const
{
    // Pixels along each segment, the pen's width around them included.
    const QTransform toDevice = m_mapping * m_base;
    const qreal width = penWidthOnDevice();
    const QRectF box = m_deviceTarget.adjusted(-width, -width, width, width);
    qint64 pixels = 0;
    for (qsizetype i = 1; i < logicalPoints.size(); ++i) {
        const QPointF a = clamped(toDevice.map(logicalPoints[i - 1]), box);
        const QPointF b = clamped(toDevice.map(logicalPoints[i]), box);
        pixels += qint64(qAbs(a.x() - b.x()) + qAbs(a.y() - b.y()) + width) + 1;
    }
    return pixels;
}

qint64 WmfPlayback::strokePixels(const QPainterPath &path) const
{
    qint64 pixels = 0;
    for (const QPolygonF &polygon : path.toSubpathPolygons())
        pixels += strokePixels(polygon);
    return pixels;
}

void WmfPlayback::updateMapping()
{
    QSizeF viewportExt = m_dc.viewportExt;
    const QSizeF &windowExt = m_dc.windowExt;
    qreal sx = viewportExt.width() / windowExt.width();
    qreal sy = viewportExt.height() / windowExt.height();
    if (m_dc.mapMode == 7 /* MM_ISOTROPIC */ && usableScale(sx) && usableScale(sy)) {
        // Equal units on both axes: the viewport shrinks along the longer side.
        const qreal s = qMin(qAbs(sx), qAbs(sy));
        sx = std::copysign(s, sx);
        sy = std::copysign(s, sy);
    }
    const qreal kx = m_target.width() / m_frame.width();
    const qreal ky = m_target.height() / m_frame.height();
    m_mappingValid = usableScale(sx * kx) && usableScale(sy * ky);
    if (!m_mappingValid) {
        m_mapping = QTransform();
        return;
    }
    // logical -> reference device: (p - windowOrg) * s + viewportOrg;
    // reference device -> target: target.topLeft + (r - frame.topLeft) * k.
    const qreal dx = m_target.left() + (m_dc.viewportOrg.x() - m_dc.windowOrg.x() * sx - m_frame.left()) * kx;
    const qreal dy = m_target.top() + (m_dc.viewportOrg.y() - m_dc.windowOrg.y() * sy - m_frame.top()) * ky;
    m_mapping = QTransform(sx * kx, 0, 0, sy * ky, dx, dy);
    m_painter.setWorldTransform(m_mapping * m_base);
}

QRectF WmfPlayback::logicalRect(qreal left, qreal top, qreal right, qreal bottom) const
{
    return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
}

QRegion WmfPlayback::targetRegion(const QRectF &logical) const
{
    const QRectF mapped = m_mapping.mapRect(logical);
    const auto clamp = [](qreal v) { return int(std::lround(qBound(-ClipLimit, v, ClipLimit))); };
    return QRegion(QRect(QPoint(clamp(mapped.left()), clamp(mapped.top())),
                         QPoint(clamp(mapped.right()) - 1, clamp(mapped.bottom()) - 1)));
}

void WmfPlayback::applyClip()
{
    m_painter.setWorldTransform(m_base);
    if (m_baseClip)
        m_painter.setClipPath(*m_baseClip);
    else
        m_painter.setClipping(false);
    if (m_dc.clip)
        m_painter.setClipRegion(*m_dc.clip, m_baseClip ? Qt::IntersectClip : Qt::ReplaceClip);
    m_painter.setWorldTransform(m_mapping * m_base);
}

void WmfPlayback::setClip(std::optional<QRegion> clip)
{
    m_dc.clip = std::move(clip);
    applyClip();
}

QPen WmfPlayback::currentPen() const
{
    const WmfPen &source = m_dc.pen;
    const int style = source.style & 0x0F;
    if (style == 5 /* PS_NULL */)
        return Qt::NoPen;
    QPen pen(source.colour);
    // Width 0 (and anything under a device pixel) is GDI's one-pixel pen.
    const qreal scale = qMin(qAbs(m_mapping.m11()), qAbs(m_mapping.m22()));
    const bool hairline = source.width == 0 || source.width * scale < 1.0;
    if (hairline) {
        pen.setCosmetic(true);
        pen.setWidthF(0);
    } else {
        pen.setWidthF(source.width);
    }
    // Wide pens keep their dashes too, as Windows draws them when it replays a metafile.
    switch (style) {
    case 1: pen.setStyle(Qt::DashLine); break;
    case 2:
    case 8: pen.setStyle(Qt::DotLine); break;
    case 3: pen.setStyle(Qt::DashDotLine); break;
    case 4: pen.setStyle(Qt::DashDotDotLine); break;
    default: break;
    }
    switch (source.style & 0x0F00) {
    case 0x0100: pen.setCapStyle(Qt::SquareCap); break;
    case 0x0200: pen.setCapStyle(Qt::FlatCap); break;
    default: pen.setCapStyle(Qt::RoundCap); break;
    }
    switch (source.style & 0xF000) {
    case 0x1000: pen.setJoinStyle(Qt::BevelJoin); break;
    case 0x2000: pen.setJoinStyle(Qt::MiterJoin); break;
    default: pen.setJoinStyle(Qt::RoundJoin); break;
    }
    return pen;
}

QBrush WmfPlayback::currentBrush() const
{
    const WmfBrush &source = m_dc.brush;
    // Patterns keep their size in device pixels, as on the screen they were drawn for.
    const QTransform patternScale = QTransform::fromScale(m_devicePixelsPerReferencePixel / m_mapping.m11(),
                                                          m_devicePixelsPerReferencePixel / m_mapping.m22());
    switch (source.style) {
    case WmfBrush::Null: return Qt::NoBrush;
    case WmfBrush::Hatched: {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                                 Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        QBrush brush(source.colour, hatches[qBound(0, source.hatch, 5)]);
        brush.setTransform(patternScale);
        return brush;
    }
    case WmfBrush::Pattern:
    case WmfBrush::DibPattern: {
        QBrush brush(source.pattern);
        brush.setTransform(patternScale);
        return brush;
    }
    default: return QBrush(source.colour);
    }
}

bool WmfPlayback::preparePainter(bool stroke, bool fill)
{
    if (!m_mappingValid)
        return false;
    QPen pen = stroke ? currentPen() : QPen(Qt::NoPen);
    QBrush brush = fill ? currentBrush() : QBrush(Qt::NoBrush);
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    switch (m_dc.rop2) {
    case 1: // R2_BLACK
    case 16: { // R2_WHITE
        const QColor colour = m_dc.rop2 == 1 ? Qt::black : Qt::white;
        if (pen.style() != Qt::NoPen)
            pen.setColor(colour);
        if (brush.style() != Qt::NoBrush)
            brush = QBrush(colour);
        break;
    }
    case 11: // R2_NOP
        return false;
    case 6: // R2_NOT: only a raster device can invert what is there
        if (!m_rasterDevice)
            return false;
        m_painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        break;
    case 7: // R2_XORPEN
        if (m_rasterDevice)
            m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    default: // R2_COPYPEN and the rest, drawn as copies
        break;
    }
    m_painter.setPen(pen);
    m_painter.setBrush(brush);
    return pen.style() != Qt::NoPen || brush.style() != Qt::NoBrush;
}

void WmfPlayback::drawPath(const QPainterPath &path, bool fill)
{
    if (!m_mappingValid)
        return;
    const bool stroked = (m_dc.pen.style & 0x0F) != 5 /* PS_NULL */;
    const qreal halfPen = stroked ? penWidthOnDevice() / 2 : 0;
    const QRectF deviceBox = (m_mapping * m_base).mapRect(path.boundingRect());
    const qint64 filledRows = fill ? fillRows(path) : 0;
    // Edges crossing an average row of the shape.
    const qint64 height = qint64(deviceBox.intersected(m_deviceTarget).height()) + 1;
    const qint64 crossings = qMin<qint64>(filledRows / height, MaxCountedCrossings);
    m_work.crowdedRows += filledRows * crossings;
    if (!spendOnDevice(deviceBox.adjusted(-halfPen, -halfPen, halfPen, halfPen), path.elementCount(),
                       filledRows + (stroked ? strokePixels(path) : 0)))
        return;
    // Antialiasing a crowded fill costs several times as much and shows nothing: its edges
    // are closer than a pixel anyway.
    const bool antialiased = m_painter.testRenderHint(QPainter::Antialiasing);
    if (crossings > CrowdedCrossings)
        m_painter.setRenderHint(QPainter::Antialiasing, false);
    const auto restoreAntialiasing = qScopeGuard([&] { m_painter.setRenderHint(QPainter::Antialiasing, antialiased); });
    if (fill && m_dc.brush.style == WmfBrush::Hatched && m_dc.backgroundMode == 2 && m_mappingValid && m_dc.rop2 != 11)
        m_painter.fillPath(path, m_dc.backgroundColour);
    if (preparePainter(true, fill))
        m_painter.drawPath(path);
}

namespace {
// The point list of a Polyline or Polygon record: a count, then x, y pairs. Empty when the
// count is below two or the record is too short to hold the points.
QPolygonF countedPoints(const WmfRecord &r)
{
    const int count = r.s16(0);
    QPolygonF points;
    if (count < 2 || !r.hasWords(1 + 2 * qsizetype(count)))
        return points;
    points.reserve(count);
    for (int i = 0; i < count; ++i)
        points.append(QPointF(r.s16(1 + 2 * i), r.s16(2 + 2 * i)));
    return points;
}
} // namespace

void WmfPlayback::drawPolyline(const WmfRecord &r)
{
    const QPolygonF points = countedPoints(r);
    if (!points.isEmpty() && spendOnStroke(points) && preparePainter(true, false))
        m_painter.drawPolyline(points);
}

bool WmfPlayback::spendOnStroke(const QPolygonF &points)
{
    if (!m_mappingValid)
        return false;
    const qreal halfPen = penWidthOnDevice() / 2;
    const QRectF box = (m_mapping * m_base).mapRect(points.boundingRect()).adjusted(-halfPen, -halfPen, halfPen, halfPen);
    return spendOnDevice(box, points.size(), strokePixels(points));
}

void WmfPlayback::drawPolygon(const WmfRecord &r)
{
    const QPolygonF points = countedPoints(r);
    if (points.isEmpty())
        return;
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    path.setFillRule(m_dc.polyFillMode == 2 ? Qt::WindingFill : Qt::OddEvenFill);
    drawPath(path, true);
}

void WmfPlayback::drawPolyPolygon(const WmfRecord &r)
{
    const int polygons = r.u16(0);
    if (!r.hasWords(1 + qsizetype(polygons)))
        return;
    qsizetype total = 0;
    for (int i = 0; i < polygons; ++i)
        total += r.u16(1 + i);
    if (!r.hasWords(1 + polygons + 2 * total))
        return;
    QPainterPath path;
    path.setFillRule(m_dc.polyFillMode == 2 ? Qt::WindingFill : Qt::OddEvenFill);
    qsizetype word = 1 + polygons;
    for (int i = 0; i < polygons; ++i) {
        const int count = r.u16(1 + i);
        QPolygonF points;
        points.reserve(count);
        for (int k = 0; k < count; ++k, word += 2)
            points.append(QPointF(r.s16(word), r.s16(word + 1)));
        if (count >= 2) {
            path.addPolygon(points);
            path.closeSubpath();
        }
    }
    drawPath(path, true);
}

void WmfPlayback::drawArcFamily(const WmfRecord &r)
{
    if (!r.hasWords(8))
        return;
    const QPointF end(r.s16(1), r.s16(0));
    const QPointF start(r.s16(3), r.s16(2));
    const QRectF box = logicalRect(r.s16(7), r.s16(6), r.s16(5), r.s16(4));
    if (box.width() <= 0 || box.height() <= 0)
        return;
    const QPointF centre = box.center();
    // The radial through each point meets the ellipse at this parametric angle (Qt's arc
    // angles are parametric; GDI's points only give a direction).
    const auto angle = [&](QPointF p) {
        return qRadiansToDegrees(std::atan2(-(p.y() - centre.y()) / box.height(), (p.x() - centre.x()) / box.width()));
    };
    const qreal startAngle = angle(start);
    qreal sweep = angle(end) - startAngle;
    if (sweep <= 0)
        sweep += 360;
    QPainterPath path;
    switch (r.function()) {
    case WmfFunction::Arc:
        path.arcMoveTo(box, startAngle);
        path.arcTo(box, startAngle, sweep);
        drawPath(path, false);
        return;
    case WmfFunction::Pie:
        path.moveTo(centre);
        path.arcTo(box, startAngle, sweep);
        path.closeSubpath();
        break;
    default: // Chord
        path.arcMoveTo(box, startAngle);
        path.arcTo(box, startAngle, sweep);
        path.closeSubpath();
        break;
    }
    drawPath(path, true);
}

void WmfPlayback::selectObject(int index)
{
    const WmfObject *object = m_objects.at(index);
    if (!object)
        return;
    switch (object->kind) {
    case WmfObject::Kind::Pen: m_dc.pen = object->pen; break;
    case WmfObject::Kind::Brush: m_dc.brush = object->brush; break;
    case WmfObject::Kind::Font: m_dc.font = object->font; break;
    case WmfObject::Kind::Region: selectClipRegion(index); break;
    default: break;
    }
}

void WmfPlayback::selectClipRegion(int index)
{
    const WmfObject *object = m_objects.at(index);
    if (!object || object->kind != WmfObject::Kind::Region || object->region.isEmpty()) {
        setClip(std::nullopt);
        return;
    }
    // Each rectangle is merged into the region: count them as points of a path.
    m_work.points += object->region.size();
    if (!withinBudget())
        return;
    QRegion region;
    for (const QRect &rect : object->region)
        region += targetRegion(QRectF(rect).adjusted(0, 0, 1, 1));
    setClip(region);
}
