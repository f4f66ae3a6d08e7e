#include "tests/support/recordingpagesurface.h"

void RecordingPageSurface::setCopies(int copies)
{
    m_copies = copies;
    m_ops.push_back({QStringLiteral("copies"), {double(copies)}, {}, 0});
}

void RecordingPageSurface::setFontName(const QString &family)
{
    m_font = family;
    m_ops.push_back({QStringLiteral("fontName"), {}, family, 0});
}

void RecordingPageSurface::setFontSize(double points)
{
    m_size = points;
    m_ops.push_back({QStringLiteral("fontSize"), {points}, {}, 0});
}

void RecordingPageSurface::setFontBold(bool bold)
{
    m_bold = bold;
    m_ops.push_back({QStringLiteral("bold"), {bold ? 1.0 : 0.0}, {}, 0});
}

void RecordingPageSurface::printText(const QString &text, bool endLine)
{
    // args: x, y, font size, bold, endLine
    m_ops.push_back({QStringLiteral("text"), {m_x, m_y, m_size, m_bold ? 1.0 : 0.0, endLine ? 1.0 : 0.0}, text, 0});
    if (endLine) {
        m_x = 0;
        m_y += 20.0 * m_size;
    } else {
        m_x += textWidth(text);
    }
}

void RecordingPageSurface::setLineWidth(int pixels)
{
    m_lineWidth = pixels;
    m_ops.push_back({QStringLiteral("lineWidth"), {double(pixels)}, {}, 0});
}

void RecordingPageSurface::setLineStyle(int style)
{
    m_lineStyle = style;
    m_ops.push_back({QStringLiteral("lineStyle"), {double(style)}, {}, 0});
}

void RecordingPageSurface::setRasterMode(RasterMode mode)
{
    m_rasterMode = mode;
    m_ops.push_back({QStringLiteral("rasterMode"), {double(int(mode))}, {}, 0});
}

void RecordingPageSurface::setFillPattern(FillPattern pattern)
{
    m_fillPattern = pattern;
    m_ops.push_back({QStringLiteral("fillPattern"), {double(int(pattern))}, {}, 0});
}

void RecordingPageSurface::line(double x, double y, double dx, double dy, QRgb colour)
{
    m_ops.push_back({QStringLiteral("line"), {x, y, dx, dy, double(m_lineWidth)}, {}, colour});
}

void RecordingPageSurface::box(double x, double y, double dx, double dy, QRgb colour, bool filled)
{
    // args: x, y, dx, dy, filled, line width, line style, raster mode
    m_ops.push_back({QStringLiteral("box"),
                     {x, y, dx, dy, filled ? 1.0 : 0.0, double(m_lineWidth), double(m_lineStyle), double(m_rasterMode)},
                     {},
                     colour});
}

void RecordingPageSurface::drawPicture(const Picture &, double x, double y, double width, double height)
{
    m_ops.push_back({QStringLiteral("picture"), {x, y, width, height}, {}, 0});
}

void RecordingPageSurface::endDocument()
{
    ++m_ended;
    m_ops.push_back({QStringLiteral("end"), {}, {}, 0});
}

std::vector<RecordingPageSurface::Op> RecordingPageSurface::ops(const QString &kind) const
{
    std::vector<Op> out;
    for (const Op &op : m_ops)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

QStringList RecordingPageSurface::texts() const
{
    QStringList out;
    for (const Op &op : m_ops)
        if (op.kind == QLatin1String("text"))
            out << op.text;
    return out;
}

const RecordingPageSurface::Op *RecordingPageSurface::findText(const QString &text) const
{
    for (const Op &op : m_ops)
        if (op.kind == QLatin1String("text") && op.text == text)
            return &op;
    return nullptr;
}
