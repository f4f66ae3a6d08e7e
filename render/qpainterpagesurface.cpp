#include "render/qpainterpagesurface.h"

#include "render/picture.h"
#include "platform/usererror.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPathStroker>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace {

// Why a device cannot take the page, in the user's language.
struct PageSurfaceWords
{
    Q_DECLARE_TR_FUNCTIONS(PageSurface)
};

// The resolution whose pixels an image takes line widths in.
constexpr double PrinterPixelDpi = 1200.0;


// The widest line Qt lays out: what QStaticText gives a text without a width.
constexpr double UnboundedLineWidth = INT_MAX / 256;

// Hatching: lines about 1 mm apart (0.4 pt wide, page twips), so that a mark box 300 twips
// wide holds five or six of them, in the box's colour darkened to 1/1.7 of its value: dark
// enough to show on a grey print of the lightest tint, light enough for a black number.
constexpr double HatchSpacingTwips = 56;
constexpr double HatchLineTwips = 8;
constexpr int HatchDarkerFactor = 170;

Qt::PenStyle penStyle(int style)
{
    switch (style) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

// What "pen OR NOT page" leaves where the page shows `under`.
QColor mergedOverInverse(const QColor &pen, const QColor &under)
{
    return QColor::fromRgb((pen.rgb() | ~under.rgb()) & 0xffffffu);
}

// QRectF::intersects for rectangles of positive size, inline: the imitated raster operation
// tests every text on the page against every mark box.
bool overlaps(const QRectF &a, const QRectF &b)
{
    return a.left() < b.right() && b.left() < a.right() && a.top() < b.bottom() && b.top() < a.bottom();
}

} // namespace

QPainterPageSurface::QPainterPageSurface(QPaintDevice &device, QString deviceName)
    : QPainterPageSurface(device, nullptr, std::move(deviceName))
{
    begin();
}

QPainterPageSurface::QPainterPageSurface(QPaintDevice &device, std::unique_ptr<PrinterSide> printer, QString deviceName)
    : m_device(device), m_printer(std::move(printer)), m_deviceName(std::move(deviceName))
{
    // A null image reports no resolution; keep a sane one so measuring never divides by 0.
    if (device.logicalDpiX() > 0)
        m_dpiX = device.logicalDpiX();
    if (device.logicalDpiY() > 0)
        m_dpiY = device.logicalDpiY();
}

QPainterPageSurface::~QPainterPageSurface()
{
    if (m_state != State::Painting)
        return;
    // A page left unsent means the job failed part-way: a printer must not print it.
    if (m_printer)
        m_printer->abort();
    m_painter.end();
}

void QPainterPageSurface::begin()
{
    if (m_state == State::Painting)
        return;
    if (m_state == State::Ended)
        throw UserError(PageSurfaceWords::tr("The page for \"%1\" has already been sent").arg(m_deviceName));
    if (!m_painter.begin(&m_device)) {
        const QString reason = m_printer ? PageSurfaceWords::tr("The printer \"%1\" cannot print (is it installed and ready?)")
                                         : PageSurfaceWords::tr("Cannot draw on \"%1\": the device is not usable");
        throw UserError(reason.arg(m_deviceName));
    }
    m_state = State::Painting;
    // The PDF engine claims every feature yet ignores raster operations: only the raster
    // engine (images) is trusted with them.
    m_nativeRasterOps = m_painter.paintEngine() && m_painter.paintEngine()->type() == QPaintEngine::Raster;
    // In full-page mode a printer's device origin is the paper's corner, not the printable area's.
    if (!m_placed)
        m_origin = printableArea().topLeft();
    m_painter.setRenderHint(QPainter::TextAntialiasing);
}

bool QPainterPageSurface::ensurePainting()
{
    if (m_state == State::Ended)
        return false;
    begin();
    return true;
}

double QPainterPageSurface::toDeviceX(double twips) const
{
    return m_origin.x() + twips * m_scale * m_dpiX / TwipsPerInch;
}

double QPainterPageSurface::toDeviceY(double twips) const
{
    return m_origin.y() + twips * m_scale * m_dpiY / TwipsPerInch;
}

QRectF QPainterPageSurface::printableArea() const
{
    if (m_area)
        return *m_area;
    if (m_printer)
        return m_printer->printableArea();
    return QRectF(0, 0, m_device.width(), m_device.height());
}

void QPainterPageSurface::setPrintableArea(const QRectF &deviceRect)
{
    Q_ASSERT(m_drawnTexts.empty());
    m_area = deviceRect;
    m_origin = deviceRect.topLeft();
    m_placed = true;
}

void QPainterPageSurface::fitPage(const QSizeF &pageTwips)
{
    Q_ASSERT(m_drawnTexts.empty());
    if (pageTwips.isEmpty())
        return;
    const FittedPage fitted = fitPageInArea(printableArea(), pageTwips, m_dpiX, m_dpiY);
    if (!(fitted.scale > 0))
        return;
    m_origin = fitted.origin;
    m_placed = true;
    // A size already set keeps its meaning in page points.
    const double points = fontSize();
    m_scale = fitted.scale;
    setFontSize(points);
}

FittedPage fitPageInArea(const QRectF &area, const QSizeF &pageTwips, double dpiX, double dpiY)
{
    if (pageTwips.isEmpty())
        return {area.topLeft(), 1};
    const double scale = std::min(area.width() * TwipsPerInch / dpiX / pageTwips.width(),
                                  area.height() * TwipsPerInch / dpiY / pageTwips.height());
    const QSizeF used(pageTwips.width() * scale * dpiX / TwipsPerInch, pageTwips.height() * scale * dpiY / TwipsPerInch);
    return {area.topLeft() + QPointF((area.width() - used.width()) / 2, (area.height() - used.height()) / 2), scale};
}

void QPainterPageSurface::setCopies(int copies)
{
    if (copies < 1)
        throw UserError(PageSurfaceWords::tr("The number of copies must be at least 1, not %1").arg(copies));
    if (m_printer) {
        // The printer takes the copy count only before the page is begun.
        if (m_state != State::NotStarted)
            throw UserError(PageSurfaceWords::tr("The number of copies for \"%1\" can no longer be changed").arg(m_deviceName));
        m_printer->setCopyCount(copies);
    }
    m_copies = copies;
}

QPainterPageSurface::FontCache::FontCache(const QFont &font, const QPaintDevice &device)
    : font(font), deviceFont(font, &device), metrics(deviceFont, &device)
{
}

void QPainterPageSurface::setFontName(const QString &family)
{
    m_fontCache = nullptr;
    m_font.setFamily(family);
}

void QPainterPageSurface::setFontSize(double points)
{
    m_fontCache = nullptr;
    if (points > 0)
        m_font.setPointSizeF(points * m_scale);
}

void QPainterPageSurface::setTextColour(QRgb colour)
{
    m_textColour = QColor::fromRgb(colour & 0xffffffu);
}

void QPainterPageSurface::setFontBold(bool bold)
{
    m_fontCache = nullptr;
    m_font.setBold(bold);
}

QPainterPageSurface::FontCache &QPainterPageSurface::fontCache() const
{
    // A page switches between a few fonts many times: look each up on the device once.
    if (!m_fontCache) {
        const auto found = std::find_if(m_fontCaches.begin(), m_fontCaches.end(),
                                        [this](const FontCache &cache) { return cache.font == m_font; });
        m_fontCache = found != m_fontCaches.end() ? &*found : &m_fontCaches.emplace_back(m_font, m_device);
    }
    return *m_fontCache;
}

const QFontMetricsF &QPainterPageSurface::metrics() const
{
    // Metrics of the font as the device renders it, at the device's resolution.
    return fontCache().metrics;
}

QPainterPageSurface::ShapedText &QPainterPageSurface::shaped(const QString &text) const
{
    // A page repeats the same few texts (day numbers, initials) in a few fonts: shape each
    // once per font instead of at every measure and draw.
    FontCache &cache = fontCache();
    auto entry = cache.texts.find(text);
    if (entry == cache.texts.end()) {
        entry = cache.texts.try_emplace(text).first;
        entry->second.advance = cache.metrics.horizontalAdvance(text);
    }
    return entry->second;
}

const QPainterPageSurface::ShapedText &QPainterPageSurface::drawable(const QString &text)
{
    ShapedText &shapedText = shaped(text);
    if (shapedText.prepared)
        return shapedText;
    shapedText.prepared = true;
    if (m_nativeRasterOps) {
        shapedText.staticText.setText(text);
        shapedText.staticText.setTextFormat(Qt::PlainText);
        return shapedText;
    }
    const FontCache &cache = fontCache();
    // Laid out as QStaticText lays a plain text out, so the page is the same either way.
    auto layout = std::make_unique<QTextLayout>(text, cache.deviceFont);
    layout->setCacheEnabled(true);  // keeps the glyphs after drawing
    layout->beginLayout();
    double height = 0;
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(UnboundedLineWidth);
        line.setPosition(QPointF(0, height));
        height += line.height();
        if (line.leading() < 0)
            height += std::ceil(line.leading());
    }
    layout->endLayout();
    shapedText.layout = std::move(layout);
    const QFontMetricsF &metrics = cache.metrics;
    shapedText.bounds = metrics.boundingRect(text).translated(0, metrics.ascent()).united(
        QRectF(0, 0, shapedText.advance, metrics.height()));
    return shapedText;
}

double QPainterPageSurface::textWidth(const QString &text) const
{
    return shaped(text).advance * TwipsPerInch / m_dpiX / m_scale;
}

void QPainterPageSurface::printText(const QString &text, bool endLine)
{
    if (!ensurePainting())
        return;
    const ShapedText &shapedText = drawable(text);
    const double advance = shapedText.advance;
    const QPointF topLeft(toDeviceX(m_x), toDeviceY(m_y));

    m_painter.setPen(m_textColour);
    if (m_nativeRasterOps) {
        if (m_painterFont != m_font) {
            m_painter.setFont(m_font);
            m_painterFont = m_font;
        }
        m_painter.drawStaticText(topLeft, shapedText.staticText);
    } else if (!text.isEmpty()) {
        // The layout carries its own font: the painter's font is never needed here.
        shapedText.layout->draw(&m_painter, topLeft);
        m_drawnTexts.push_back({&shapedText, topLeft, shapedText.bounds.translated(topLeft), m_textColour});
    }

    if (endLine) {
        m_x = 0;
        m_y += metrics().lineSpacing() * TwipsPerInch / m_dpiY / m_scale;
    } else {
        m_x += advance * TwipsPerInch / m_dpiX / m_scale;
    }
}

void QPainterPageSurface::setLineWidth(int pixels)
{
    m_lineWidth = qMax(1, pixels);
}

void QPainterPageSurface::setLineStyle(int style)
{
    Q_ASSERT(style >= 0 && style <= 4);
    m_lineStyle = style;
}

void QPainterPageSurface::setRasterMode(RasterMode mode)
{
    m_rasterMode = mode;
}

QPen QPainterPageSurface::currentPen(const QColor &colour) const
{
    // Line widths are printer pixels. An image (the preview, a PNG page) stands for the page
    // as a 1200-dpi device prints it, so its lines are as thin on the image as on paper
    // rather than four of its own coarse pixels wide; never thinner than one pixel, which
    // also keeps dash patterns (measured in pen widths) visible.
    double width = m_lineWidth;
    if (m_nativeRasterOps && m_device.logicalDpiX() < PrinterPixelDpi)
        width = std::max(1.0, m_lineWidth * m_device.logicalDpiX() / PrinterPixelDpi);
    return QPen(colour, width, penStyle(m_lineStyle), Qt::FlatCap, Qt::MiterJoin);
}

void QPainterPageSurface::startShape(const QColor &colour, bool filled)
{
    m_painter.save();
    if (filled) {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(colour);
    } else {
        m_painter.setPen(currentPen(colour));
        m_painter.setBrush(Qt::NoBrush);
    }
    m_painter.setCompositionMode(m_rasterMode == RasterMode::MergePenNotPage && m_nativeRasterOps ? QPainter::RasterOp_SourceOrNotDestination
                                                                         : QPainter::CompositionMode_SourceOver);
}

void QPainterPageSurface::finishShape(const QPainterPath &covered, const QColor &colour)
{
    m_painter.restore();
    if (m_rasterMode != RasterMode::MergePenNotPage || m_nativeRasterOps)
        return;

    // No raster operations here: on white paper "pen OR NOT page" is the pen colour, which
    // the shape just got; where text lay under it the result is the pen merged with the
    // inverse of the text's colour, so redraw that text, clipped to what the shape covered.
    const QRectF coveredBounds = covered.boundingRect();
    m_painter.save();
    bool clipped = false;
    for (const DrawnText &drawn : m_drawnTexts) {
        if (!overlaps(drawn.bounds, coveredBounds))
            continue;
        if (!clipped) {
            m_painter.setClipPath(covered);
            clipped = true;
        }
        m_painter.setPen(mergedOverInverse(colour, drawn.colour));
        drawn.shaped->layout->draw(&m_painter, drawn.topLeft);
    }
    m_painter.restore();
}

void QPainterPageSurface::line(double x, double y, double dx, double dy, QRgb colour)
{
    if (!ensurePainting())
        return;
    const QColor penColour = QColor::fromRgb(colour & 0xffffffu);
    const QPointF from(toDeviceX(x), toDeviceY(y));
    const QPointF to(toDeviceX(x + dx), toDeviceY(y + dy));
    startShape(penColour, false);
    m_painter.drawLine(from, to);
    QPainterPath covered;
    if (m_rasterMode == RasterMode::MergePenNotPage && !m_nativeRasterOps) {
        QPainterPath path(from);
        path.lineTo(to);
        covered = QPainterPathStroker(currentPen(penColour)).createStroke(path);
    }
    finishShape(covered, penColour);
}

void QPainterPageSurface::box(double x, double y, double dx, double dy, QRgb colour, bool filled)
{
    if (!ensurePainting())
        return;
    const QColor penColour = QColor::fromRgb(colour & 0xffffffu);
    QRectF rect = QRectF(QPointF(toDeviceX(x), toDeviceY(y)), QPointF(toDeviceX(x + dx), toDeviceY(y + dy))).normalized();
    QPainterPath covered;
    startShape(penColour, filled);
    if (filled) {
        // Outline and interior are one colour: one fill out to the outline's outer edge, so
        // that no pixel takes the raster operation twice. The line style cannot show on it.
        const double half = m_lineWidth / 2.0;
        rect.adjust(-half, -half, half, half);
        m_painter.drawRect(rect);
        if (m_rasterMode == RasterMode::MergePenNotPage && !m_nativeRasterOps)
            covered.addRect(rect);
        if (m_fillPattern != FillPattern::Solid) {
            finishShape(covered, penColour);
            hatch(rect, penColour);
            return;
        }
    } else {
        m_painter.drawRect(rect);
        if (m_rasterMode == RasterMode::MergePenNotPage && !m_nativeRasterOps) {
            QPainterPath path;
            path.addRect(rect);
            covered = QPainterPathStroker(currentPen(penColour)).createStroke(path);
        }
    }
    finishShape(covered, penColour);
}

void QPainterPageSurface::hatch(const QRectF &rect, const QColor &colour)
{
    const double step = HatchSpacingTwips * m_scale * m_dpiX / TwipsPerInch;
    const double width = HatchLineTwips * m_scale * m_dpiX / TwipsPerInch;
    QPainterPath lines;
    auto addLine = [&lines](QPointF from, QPointF to) {
        lines.moveTo(from);
        lines.lineTo(to);
    };
    const bool horizontal = m_fillPattern == FillPattern::Horizontal;
    const bool vertical = m_fillPattern == FillPattern::Vertical;
    const bool forward = m_fillPattern == FillPattern::ForwardDiagonal || m_fillPattern == FillPattern::CrossDiagonal;
    const bool backward = m_fillPattern == FillPattern::BackwardDiagonal || m_fillPattern == FillPattern::CrossDiagonal;
    if (horizontal)
        for (double y = rect.top() + step / 2; y < rect.bottom(); y += step)
            addLine({rect.left(), y}, {rect.right(), y});
    if (vertical)
        for (double x = rect.left() + step / 2; x < rect.right(); x += step)
            addLine({x, rect.top()}, {x, rect.bottom()});
    // Diagonals at 45 degrees, `step` apart across them, drawn long and clipped to the box.
    const double diagonalStep = step * std::numbers::sqrt2;
    const double reach = rect.width() + rect.height();
    if (forward)
        for (double d = diagonalStep / 2; d < reach; d += diagonalStep)
            addLine({rect.left() + d, rect.top()}, {rect.left() + d - reach, rect.top() + reach});
    if (backward)
        for (double d = diagonalStep / 2; d < reach; d += diagonalStep)
            addLine({rect.right() - d, rect.top()}, {rect.right() - d + reach, rect.top() + reach});

    m_painter.save();
    m_painter.setClipRect(rect, Qt::IntersectClip);
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(QPen(colour.darker(HatchDarkerFactor), std::max(1.0, width), Qt::SolidLine, Qt::FlatCap));
    m_painter.drawPath(lines);
    m_painter.restore();
}

void QPainterPageSurface::drawPicture(const Picture &picture, double x, double y, double width, double height)
{
    if (!ensurePainting())
        return;
    const QRectF target(QPointF(toDeviceX(x), toDeviceY(y)), QPointF(toDeviceX(x + width), toDeviceY(y + height)));
    m_painter.save();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    picture.draw(m_painter, target.normalized());
    m_painter.restore();
}

void QPainterPageSurface::endDocument()
{
    begin();
    m_state = State::Ended;
    m_drawnTexts.clear();
    const bool ended = m_painter.end();
    if (!ended || (m_printer && m_printer->failed()))
        throw UserError(PageSurfaceWords::tr("The page could not be sent to \"%1\"").arg(m_deviceName));
}
