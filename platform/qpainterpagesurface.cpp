#include "platform/qpainterpagesurface.h"

#include "platform/picture.h"
#include "platform/usererror.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPathStroker>
#include <QPrinter>

#include <algorithm>

namespace {

// The resolution whose pixels an image takes line widths in.
constexpr double PrinterPixelDpi = 1200.0;

constexpr double TwipsPerInch = 1440.0;

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

} // namespace

QPainterPageSurface::QPainterPageSurface(QPaintDevice &device, QString deviceName)
    : QPainterPageSurface(device, nullptr, std::move(deviceName))
{
    begin();
}

QPainterPageSurface::QPainterPageSurface(QPrinter &printer, QString deviceName)
    : QPainterPageSurface(printer, &printer, std::move(deviceName))
{
}

QPainterPageSurface::QPainterPageSurface(QPaintDevice &device, QPrinter *printer, QString deviceName)
    : m_device(device), m_printer(printer), m_deviceName(std::move(deviceName))
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
        throw UserError(QStringLiteral("The page for \"%1\" has already been sent").arg(m_deviceName));
    if (!m_painter.begin(&m_device)) {
        const QString reason = m_printer ? QStringLiteral("The printer \"%1\" cannot print (is it installed and ready?)")
                                         : QStringLiteral("Cannot draw on \"%1\": the device is not usable");
        throw UserError(reason.arg(m_deviceName));
    }
    m_state = State::Painting;
    // The PDF engine claims every feature yet ignores raster operations: only the raster
    // engine (images) is trusted with them.
    m_nativeRasterOps = m_painter.paintEngine() && m_painter.paintEngine()->type() == QPaintEngine::Raster;
    // In full-page mode a printer's device origin is the paper's corner, not the printable area's.
    if (m_printer && m_printer->fullPage())
        m_origin = m_printer->pageLayout().paintRectPixels(m_printer->resolution()).topLeft();
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
    return m_origin.x() + twips * m_dpiX / TwipsPerInch;
}

double QPainterPageSurface::toDeviceY(double twips) const
{
    return m_origin.y() + twips * m_dpiY / TwipsPerInch;
}

void QPainterPageSurface::setCopies(int copies)
{
    if (copies < 1)
        throw UserError(QStringLiteral("The number of copies must be at least 1, not %1").arg(copies));
    if (m_printer) {
        // The printer takes the copy count only before the page is begun.
        if (m_state != State::NotStarted)
            throw UserError(QStringLiteral("The number of copies for \"%1\" can no longer be changed").arg(m_deviceName));
        m_printer->setCopyCount(copies);
    }
    m_copies = copies;
}

void QPainterPageSurface::setFontName(const QString &family)
{
    m_shapedTexts = nullptr;
    m_metrics.reset();
    m_font.setFamily(family);
}

void QPainterPageSurface::setFontSize(double points)
{
    m_shapedTexts = nullptr;
    m_metrics.reset();
    if (points > 0)
        m_font.setPointSizeF(points);
}

void QPainterPageSurface::setFontBold(bool bold)
{
    m_shapedTexts = nullptr;
    m_metrics.reset();
    m_font.setBold(bold);
}

const QFontMetricsF &QPainterPageSurface::metrics() const
{
    // Metrics of the font as the device renders it, at the device's resolution.
    if (!m_metrics)
        m_metrics.emplace(m_font, &m_device);
    return *m_metrics;
}

QPainterPageSurface::ShapedText &QPainterPageSurface::shaped(const QString &text) const
{
    // A page repeats the same few texts (day numbers, initials) in a few fonts: shape each
    // once per font instead of at every measure and draw.
    if (!m_shapedTexts) {
        const auto found = std::find_if(m_fontCaches.begin(), m_fontCaches.end(),
                                        [this](const FontCache &cache) { return cache.font == m_font; });
        if (found != m_fontCaches.end()) {
            m_shapedTexts = &found->texts;
        } else {
            m_fontCaches.push_back({m_font, {}});
            m_shapedTexts = &m_fontCaches.back().texts;
        }
    }
    auto entry = m_shapedTexts->find(text);
    if (entry == m_shapedTexts->end()) {
        QStaticText staticText(text);
        staticText.setTextFormat(Qt::PlainText);
        entry = m_shapedTexts->insert(text, {metrics().horizontalAdvance(text), staticText});
    }
    return *entry;
}

double QPainterPageSurface::textWidth(const QString &text) const
{
    return shaped(text).advance * TwipsPerInch / m_dpiX;
}

void QPainterPageSurface::printText(const QString &text, bool endLine)
{
    if (!ensurePainting())
        return;
    const QFontMetricsF &metrics = this->metrics();
    ShapedText &shapedText = shaped(text);
    const double advance = shapedText.advance;
    const QPointF topLeft(toDeviceX(m_x), toDeviceY(m_y));
    const QPointF baseline(topLeft.x(), topLeft.y() + metrics.ascent());

    if (m_painterFont != m_font) {
        m_painter.setFont(m_font);
        m_painterFont = m_font;
    }
    m_painter.setPen(m_textColour);
    m_painter.drawStaticText(topLeft, shapedText.staticText);
    if (!m_nativeRasterOps && !text.isEmpty())
        m_drawnTexts.push_back({text, m_painter.font(), baseline,
                                metrics.boundingRect(text).translated(baseline).united(
                                    QRectF(topLeft, QSizeF(advance, metrics.height()))),
                                m_textColour});

    if (endLine) {
        m_x = 0;
        m_y += metrics.lineSpacing() * TwipsPerInch / m_dpiY;
    } else {
        m_x += advance * TwipsPerInch / m_dpiX;
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

void QPainterPageSurface::setRasterMode(int mode)
{
    Q_ASSERT(mode == 13 || mode == 14);
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
    m_painter.setCompositionMode(m_rasterMode == 14 && m_nativeRasterOps ? QPainter::RasterOp_SourceOrNotDestination
                                                                         : QPainter::CompositionMode_SourceOver);
}

void QPainterPageSurface::finishShape(const QPainterPath &covered, const QColor &colour)
{
    m_painter.restore();
    if (m_rasterMode != 14 || m_nativeRasterOps)
        return;

    // No raster operations here: on white paper "pen OR NOT page" is the pen colour, which
    // the shape just got; where text lay under it the result is the pen merged with the
    // inverse of the text's colour, so redraw that text, clipped to what the shape covered.
    const QRectF coveredBounds = covered.boundingRect();
    m_painter.save();
    bool clipped = false;
    for (const DrawnText &drawn : m_drawnTexts) {
        if (!drawn.bounds.intersects(coveredBounds))
            continue;
        if (!clipped) {
            m_painter.setClipPath(covered);
            clipped = true;
        }
        m_painter.setFont(drawn.font);
        m_painter.setPen(mergedOverInverse(colour, drawn.colour));
        m_painter.drawText(drawn.baseline, drawn.text);
    }
    m_painter.restore();
    m_painterFont.reset();
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
    if (m_rasterMode == 14 && !m_nativeRasterOps) {
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
        if (m_rasterMode == 14 && !m_nativeRasterOps)
            covered.addRect(rect);
    } else {
        m_painter.drawRect(rect);
        if (m_rasterMode == 14 && !m_nativeRasterOps) {
            QPainterPath path;
            path.addRect(rect);
            covered = QPainterPathStroker(currentPen(penColour)).createStroke(path);
        }
    }
    finishShape(covered, penColour);
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
    if (!ended || (m_printer && m_printer->printerState() == QPrinter::Error))
        throw UserError(QStringLiteral("The page could not be sent to \"%1\"").arg(m_deviceName));
}
