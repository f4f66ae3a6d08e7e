#include "pictures/wmf/wmfobjects.h"

#include "pictures/wmf/dib.h"
#include "pictures/wmf/wmfbudget.h"
#include "pictures/wmf/wmftext.h"

QColor wmfColour(const WmfRecord &record, qsizetype word)
{
    return QColor(record.byteAt(2 * word), record.byteAt(2 * word + 1), record.byteAt(2 * word + 2));
}

std::optional<WmfObject> wmfPenFrom(const WmfRecord &record)
{
    if (!record.hasWords(5))
        return std::nullopt;
    WmfObject object;
    object.kind = WmfObject::Kind::Pen;
    object.pen.style = record.u16(0);
    object.pen.width = qAbs(int(record.s16(1)));
    object.pen.colour = wmfColour(record, 3);
    return object;
}

std::optional<WmfObject> wmfBrushFrom(const WmfRecord &record)
{
    if (!record.hasWords(4))
        return std::nullopt;
    WmfObject object;
    object.kind = WmfObject::Kind::Brush;
    object.brush.style = record.u16(0);
    object.brush.colour = wmfColour(record, 1);
    object.brush.hatch = record.u16(3);
    // A pattern brush needs its bitmap, which this record cannot carry.
    if (object.brush.style != WmfBrush::Solid && object.brush.style != WmfBrush::Null
        && object.brush.style != WmfBrush::Hatched)
        object.brush.style = WmfBrush::Solid;
    return object;
}

namespace {

// A Bitmap16 pattern record: the Bitmap16 header (10 bytes), 18 reserved bytes, the bits.
QByteArray bitmap16OfPatternBrush(const WmfRecord &record)
{
    return record.params().first(10).toByteArray() + record.bytesFrom(28).toByteArray();
}

} // namespace

qint64 wmfPatternBrushPixels(const WmfRecord &record)
{
    if (record.function() == WmfFunction::CreatePatternBrush)
        return record.hasWords(14) ? bitmap16Pixels(bitmap16OfPatternBrush(record)) : 0;
    if (!record.hasWords(2))
        return 0;
    return record.u16(0) == WmfBrush::Pattern ? bitmap16Pixels(record.bytesFrom(4)) : dibPixels(record.bytesFrom(4));
}

std::optional<WmfObject> wmfDibPatternBrushFrom(const WmfRecord &record, bool decode)
{
    if (!record.hasWords(2))
        return std::nullopt;
    WmfObject object;
    object.kind = WmfObject::Kind::Brush;
    object.brush.style = WmfBrush::DibPattern;
    if (!decode)
        return object;
    const int style = record.u16(0);
    const int colourUsage = record.u16(1);
    object.brush.pattern = style == WmfBrush::Pattern ? decodeBitmap16(record.bytesFrom(4), MaxWmfBitmapPixels)
                                                      : decodeDib(record.bytesFrom(4), colourUsage == 1, MaxWmfBitmapPixels);
    if (object.brush.pattern.isNull())
        object.brush.style = WmfBrush::Null;
    return object;
}

std::optional<WmfObject> wmfPatternBrushFrom(const WmfRecord &record, bool decode)
{
    if (!record.hasWords(14))
        return std::nullopt;
    WmfObject object;
    object.kind = WmfObject::Kind::Brush;
    object.brush.style = WmfBrush::Pattern;
    if (!decode)
        return object;
    object.brush.pattern = decodeBitmap16(bitmap16OfPatternBrush(record), MaxWmfBitmapPixels);
    if (object.brush.pattern.isNull())
        object.brush.style = WmfBrush::Null;
    return object;
}

std::optional<WmfObject> wmfFontFrom(const WmfRecord &record)
{
    if (!record.hasWords(9))
        return std::nullopt;
    WmfObject object;
    object.kind = WmfObject::Kind::Font;
    WmfFont &font = object.font;
    font.height = record.s16(0);
    font.width = record.s16(1);
    font.escapement = record.s16(2);
    font.weight = record.s16(4);
    font.italic = record.byteAt(10) != 0;
    font.underline = record.byteAt(11) != 0;
    font.strikeOut = record.byteAt(12) != 0;
    font.charset = record.byteAt(13);
    QByteArrayView face = record.bytesFrom(18);
    face = face.first(qMin<qsizetype>(face.size(), 32));
    const qsizetype end = face.indexOf('\0');
    if (end >= 0)
        face = face.first(end);
    // Face names are written in the font's own character set (a Japanese face in Shift-JIS),
    // except that a Symbol font's name is plain ASCII.
    font.face = decodeWmfString(face, font.charset == WmfCharset::Symbol ? WmfCharset::Ansi : font.charset);
    return object;
}

WmfObject wmfRegionFrom(const WmfRecord &record)
{
    WmfObject object;
    object.kind = WmfObject::Kind::Region;
    if (!record.hasWords(11))
        return object;
    const int scanCount = record.u16(5);
    qsizetype word = 11;
    for (int scan = 0; scan < scanCount; ++scan) {
        const int count = record.u16(word);
        if (!record.hasWords(word + 3 + count + 1))
            break;
        const int top = record.s16(word + 1);
        const int bottom = record.s16(word + 2);
        for (int i = 0; i + 1 < count; i += 2) {
            const int left = record.s16(word + 3 + i);
            const int right = record.s16(word + 4 + i);
            if (right > left && bottom > top)
                object.region.append(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
        }
        word += 3 + count + 1;
    }
    if (object.region.isEmpty() && scanCount > 0) {
        const QRect bounds(QPoint(record.s16(7), record.s16(8)), QPoint(record.s16(9) - 1, record.s16(10) - 1));
        if (bounds.isValid())
            object.region.append(bounds);
    }
    return object;
}

bool WmfObjectTable::add(WmfObject object)
{
    // Every slot below m_firstFree is taken, so a full table costs no scan.
    for (; m_firstFree < m_objects.size(); ++m_firstFree) {
        WmfObject &slot = m_objects[m_firstFree];
        if (slot.kind == WmfObject::Kind::Empty) {
            slot = std::move(object);
            ++m_firstFree;
            return true;
        }
    }
    if (m_objects.size() >= m_slots)
        return false;
    m_objects.push_back(std::move(object));
    m_firstFree = m_objects.size();
    return true;
}

const WmfObject *WmfObjectTable::at(int index) const
{
    if (index < 0 || size_t(index) >= m_objects.size() || m_objects[size_t(index)].kind == WmfObject::Kind::Empty)
        return nullptr;
    return &m_objects[size_t(index)];
}

void WmfObjectTable::remove(int index)
{
    if (index >= 0 && size_t(index) < m_objects.size()) {
        m_objects[size_t(index)] = WmfObject();
        m_firstFree = qMin(m_firstFree, size_t(index));
    }
}
