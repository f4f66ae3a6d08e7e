#include "pictures/wmf/wmfplayback.h"

#include "pictures/wmf/wmftext.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>
#include <QHash>
#include <QPainter>

namespace {

constexpr int EtoOpaque = 0x0002;
constexpr int EtoClipped = 0x0004;
constexpr int TaUpdateCp = 0x0001;
constexpr int TaRight = 0x0002;
constexpr int TaCenter = 0x0006;
constexpr int TaBottom = 0x0008;
constexpr int TaBaseline = 0x0018;

// GDI's height for a font that names none, in logical units.
constexpr qreal DefaultFontHeight = 16;

// The em size of a font whose cell (ascent + descent) is one unit high.
qreal emPerCellHeight(const QString &family)
{
    // One per thread: pages are composed on several threads at once.
    thread_local QHash<QString, qreal> cache;
    const auto found = cache.constFind(family);
    if (found != cache.constEnd())
        return *found;
    QFont font(family);
    font.setPixelSize(100);
    const QFontMetricsF metrics(font);
    const qreal cell = metrics.ascent() + metrics.descent();
    const qreal ratio = cell > 0 ? 100.0 / cell : 0.85;
    cache.insert(family, ratio);
    return ratio;
}

} // namespace

bool WmfPlayback::drawPlacedGlyphs(const QFont &font, qreal pixelSize, const QList<WmfTextUnit> &units,
                                   const QList<qreal> &advances, QPointF origin)
{
    // Laying out each character as its own string costs a text layout per character; with
    // the positions given, the glyphs can be placed directly when the font has them all.
    QString text;
    text.reserve(units.size());
    for (const WmfTextUnit &unit : units) {
        if (unit.text.size() != 1)
            return false;
        text += unit.text;
    }
    // Each resized raw font has its own glyph cache: keep them, or every replay renders every
    // glyph afresh. The few sizes a metafile uses make a small cache. Raw fonts belong to
    // the thread that made them: one cache per thread, which a worker's end clears.
    thread_local QHash<QString, QRawFont> rawFonts;
    static const bool cleanedUpWithTheApplication = [] {
        // Font engines must go before the application's font database does (the main
        // thread's cache lives until the program ends).
        qAddPostRoutine([] { rawFonts.clear(); });
        return true;
    }();
    Q_UNUSED(cleanedUpWithTheApplication);
    const QString key = font.key() + QLatin1Char('/') + QString::number(pixelSize, 'g', 6);
    auto found = rawFonts.find(key);
    if (found == rawFonts.end()) {
        if (rawFonts.size() >= 256)
            rawFonts.clear();
        QRawFont created = QRawFont::fromFont(font);
        if (created.isValid())
            created.setPixelSize(pixelSize);
        found = rawFonts.insert(key, created);
    }
    const QRawFont &raw = *found;
    if (!raw.isValid())
        return false;
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    if (glyphs.size() != text.size() || glyphs.contains(0))
        return false;
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    qreal x = origin.x();
    for (qreal advance : advances) {
        positions.append(QPointF(x, origin.y()));
        x += advance;
    }
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(font.underline());
    run.setStrikeOut(font.strikeOut());
    m_painter.drawGlyphRun(QPointF(0, 0), run);
    return true;
}

void WmfPlayback::textOut(const WmfRecord &r)
{
    const int count = r.s16(0);
    if (count <= 0)
        return;
    const qsizetype stringWords = (count + 1) / 2;
    if (!r.hasWords(1 + stringWords + 2))
        return;
    const QPointF at(r.s16(1 + stringWords + 1), r.s16(1 + stringWords));
    drawText(at, r.params().sliced(2, count), {}, 0, {});
}

void WmfPlayback::extTextOut(const WmfRecord &r)
{
    if (!r.hasWords(4))
        return;
    const QPointF at(r.s16(1), r.s16(0));
    const int count = r.s16(2);
    const int options = r.u16(3);
    qsizetype word = 4;
    QRectF rect;
    if (options & (EtoOpaque | EtoClipped)) {
        if (!r.hasWords(8))
            return;
        rect = logicalRect(r.s16(4), r.s16(5), r.s16(6), r.s16(7));
        word = 8;
    }
    if (count < 0 || !r.hasWords(word + (count + 1) / 2))
        return;
    const QByteArrayView bytes = r.params().sliced(2 * word, count);
    word += (count + 1) / 2;
    QList<int> dx;
    if (count > 0 && r.hasWords(word + count)) {
        dx.reserve(count);
        for (int i = 0; i < count; ++i)
            dx.append(r.s16(word + i));
    }
    drawText(at, bytes, dx, options, rect);
}

void WmfPlayback::drawText(QPointF logical, QByteArrayView bytes, const QList<int> &dx, int options, const QRectF &rect)
{
    if (!m_mappingValid)
        return;
    if ((options & EtoOpaque) && !rect.isEmpty()) {
        m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        m_painter.fillRect(rect, m_dc.backgroundColour);
    }
    if (bytes.isEmpty())
        return;

    const WmfFont &source = m_dc.font;
    QString family = source.face;
    int charset = source.charset;
    if (charset == WmfCharset::Symbol) {
        // Symbol text becomes Unicode, set in a text face (a symbol-encoded font would not
        // have those characters); other symbol fonts get their bytes unchanged.
        if (family.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0)
            family = QStringLiteral("Times New Roman");
        else
            charset = WmfCharset::Raw;
    }
    if (family.isEmpty())
        family = QStringLiteral("Arial");
    const qreal emLogical = source.height < 0 ? -source.height
                            : source.height > 0 ? source.height * emPerCellHeight(family)
                                                : DefaultFontHeight;
    const qreal sx = qAbs(m_mapping.m11());
    const qreal emTarget = emLogical * qAbs(m_mapping.m22());
    // Sub-pixel or absurdly large text is not worth asking the font engine for.
    if (!(emTarget >= 0.5 && emTarget <= 100000))
        return;

    QFont font(family);
    font.setPointSizeF(emTarget * 72.0 / m_dpiY);
    font.setWeight(QFont::Weight(qBound(1, source.weight > 0 ? source.weight : 400, 1000)));
    font.setItalic(source.italic);
    font.setUnderline(source.underline);
    font.setStrikeOut(source.strikeOut);
    const QFontMetricsF metrics(font, m_painter.device());

    const QList<WmfTextUnit> units = decodeWmfText(bytes, charset);
    QList<qreal> advances;
    advances.reserve(units.size());
    qreal total = 0;
    int byteIndex = 0;
    for (const WmfTextUnit &unit : units) {
        qreal advance = 0;
        if (!dx.isEmpty()) {
            for (int i = 0; i < unit.bytes && byteIndex + i < dx.size(); ++i)
                advance += dx.at(byteIndex + i) * sx;
        } else {
            advance = metrics.horizontalAdvance(unit.text);
        }
        byteIndex += unit.bytes;
        advances.append(advance);
        total += advance;
    }

    const bool updateCp = m_dc.textAlign & TaUpdateCp;
    const QPointF anchor = m_mapping.map(updateCp ? m_dc.position : logical);
    qreal x = 0;
    if ((m_dc.textAlign & TaCenter) == TaCenter)
        x = -total / 2;
    else if (m_dc.textAlign & TaRight)
        x = -total;
    qreal baseline = metrics.ascent();
    if ((m_dc.textAlign & TaBaseline) == TaBaseline)
        baseline = 0;
    else if (m_dc.textAlign & TaBottom)
        baseline = -metrics.descent();

    m_painter.save();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if ((options & EtoClipped) && !rect.isEmpty())
        m_painter.setClipRect(rect, Qt::IntersectClip);
    // Text is set in target coordinates: a flipped or stretched window must not mirror or
    // distort the glyphs.
    m_painter.setWorldTransform(m_base);
    m_painter.translate(anchor);
    if (source.escapement != 0)
        m_painter.rotate(-source.escapement / 10.0);
    if (m_dc.backgroundMode == 2 && !(options & EtoOpaque))
        m_painter.fillRect(QRectF(x, baseline - metrics.ascent(), total, metrics.ascent() + metrics.descent()),
                           m_dc.backgroundColour);
    m_painter.setFont(font);
    m_painter.setPen(m_dc.textColour);
    if (dx.isEmpty()) {
        QString text;
        for (const WmfTextUnit &unit : units)
            text += unit.text;
        m_painter.drawText(QPointF(x, baseline), text);
    } else if (!drawPlacedGlyphs(font, emTarget, units, advances, QPointF(x, baseline))) {
        for (qsizetype i = 0; i < units.size(); ++i) {
            m_painter.drawText(QPointF(x, baseline), units.at(i).text);
            x += advances.at(i);
        }
    }
    m_painter.restore();

    if (updateCp)
        m_dc.position.rx() += total / m_mapping.m11();
}
