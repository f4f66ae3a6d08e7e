#pragma once

#include "pictures/wmf/wmfrecords.h"

#include <QByteArray>
#include <QColor>
#include <QRect>

#include <initializer_list>
#include <optional>

// Builds a metafile record by record, so tests can state exactly the bytes a hostile file has.
class WmfBuilder
{
public:
    WmfBuilder &record(quint16 function, std::initializer_list<int> words)
    {
        QByteArray params;
        for (int word : words)
            appendWord(params, quint16(word));
        return raw(quint32(3 + params.size() / 2), function, params);
    }
    // A record with its parameters given as bytes; `sizeWords` may lie.
    WmfBuilder &raw(quint32 sizeWords, quint16 function, const QByteArray &params)
    {
        appendWord(m_records, quint16(sizeWords & 0xFFFF));
        appendWord(m_records, quint16(sizeWords >> 16));
        appendWord(m_records, function);
        m_records += params;
        return *this;
    }
    WmfBuilder &bytes(quint16 function, const QByteArray &params)
    {
        return raw(quint32(3 + (params.size() + 1) / 2), function, params.size() % 2 ? params + '\0' : params);
    }
    WmfBuilder &eof() { return record(WmfFunction::Eof, {}); }
    WmfBuilder &colour(quint16 function, QRgb rgb) { return record(function, {qRed(rgb) | (qGreen(rgb) << 8), qBlue(rgb)}); }
    WmfBuilder &solidBrush(QRgb rgb) { return record(WmfFunction::CreateBrushIndirect, {0, qRed(rgb) | (qGreen(rgb) << 8), qBlue(rgb), 0}); }
    WmfBuilder &nullPen() { return record(WmfFunction::CreatePenIndirect, {5, 0, 0, 0, 0}); }
    WmfBuilder &window(int x, int y, int width, int height)
    {
        record(WmfFunction::SetWindowOrg, {y, x});
        return record(WmfFunction::SetWindowExt, {height, width});
    }
    WmfBuilder &rectangle(int left, int top, int right, int bottom)
    {
        return record(WmfFunction::Rectangle, {bottom, right, top, left});
    }

    // The file: an optional placeable header (box and units per inch), the standard header.
    QByteArray build(int objects, std::optional<QRect> box = std::nullopt, int unitsPerInch = 1440) const
    {
        QByteArray data;
        if (box) {
            appendWord(data, 0xCDD7);
            appendWord(data, 0x9AC6);
            appendWord(data, 0);
            for (int v : {box->left(), box->top(), box->right() + 1, box->bottom() + 1})
                appendWord(data, quint16(v));
            appendWord(data, quint16(unitsPerInch));
            appendWord(data, 0);
            appendWord(data, 0);
            appendWord(data, 0);
        }
        for (int v : {1, 9, 0x0300, 0, 0, objects, 0, 0, 0})
            appendWord(data, quint16(v));
        return data + m_records;
    }

    static void appendWord(QByteArray &data, quint16 word)
    {
        data += char(word & 0xFF);
        data += char(word >> 8);
    }
private:
    QByteArray m_records;
};

// Metafiles that cost much for their size, made as hostile files make them, for the budget's
// tests and benchmarks. Each draws into a 1000 x 1000 window.
namespace HostileWmf {

inline QByteArray words(std::initializer_list<int> values)
{
    QByteArray data;
    for (int value : values)
        WmfBuilder::appendWord(data, quint16(value));
    return data;
}

// A width x height RLE8 DIB whose data is one end-of-bitmap mark: megapixels in ~1 KB.
inline QByteArray emptyRleDib(int width, int height)
{
    QByteArray dib = words({40, 0, width & 0xFFFF, width >> 16, height & 0xFFFF, height >> 16, 1, 8, 1, 0});
    dib += QByteArray(20, '\0');
    dib += QByteArray(256 * 4, '\0');
    return dib + words({0x0100});
}

// `count` polygons of `points` points zigzagging between the window's top and bottom: every
// edge crosses the whole height, and every one crosses the others.
inline QByteArray polygons(int count, int points)
{
    WmfBuilder b;
    b.window(0, 0, 1000, 1000).solidBrush(qRgb(200, 0, 0)).record(WmfFunction::SelectObject, {0});
    QByteArray params = words({points});
    for (int i = 0; i < points; ++i)
        params += words({int(qint64(i) * 1000 / points), (i % 2) ? 0 : 1000});
    for (int i = 0; i < count; ++i)
        b.bytes(WmfFunction::Polygon, params);
    return b.eof().build(1);
}

// A width x height 8-bit DIB of noise, which no compressor shrinks.
inline QByteArray noiseDib(int width, int height)
{
    QByteArray dib = words({40, 0, width & 0xFFFF, width >> 16, height & 0xFFFF, height >> 16, 1, 8, 0, 0});
    dib += QByteArray(20, '\0');
    for (int i = 0; i < 256; ++i)
        dib += words({((i * 7) & 0xFF) | (((i * 13) & 0xFF) << 8), (i * 29) & 0xFF});
    const qsizetype stride = (qsizetype(width) + 3) / 4 * 4;
    QByteArray bits(stride * height, '\0');
    quint32 state = 12345;
    for (char &byte : bits) {
        state = state * 1103515245u + 12345u;
        byte = char(state >> 24);
    }
    return dib + bits;
}

// `count` StretchDIBits records, each stretching a width x height bitmap over the window:
// one RLE8 end-of-bitmap mark, or with `noise` pixels that do not compress.
inline QByteArray stretchedBitmaps(int count, int width, int height, bool noise = false)
{
    WmfBuilder b;
    b.window(0, 0, 1000, 1000);
    // rop SRCCOPY, usage, source height, width, y, x, destination height, width, y, x.
    const QByteArray params = words({0x0020, 0x00CC, 0, height, width, 0, 0, 1000, 1000, 0, 0})
                              + (noise ? noiseDib(width, height) : emptyRleDib(width, height));
    for (int i = 0; i < count; ++i)
        b.bytes(WmfFunction::StretchDib, params);
    return b.eof().build(0);
}

// `count` pattern brushes of width x height pixels, each created, selected and filled with.
inline QByteArray patternBrushes(int count, int width, int height)
{
    WmfBuilder b;
    b.window(0, 0, 1000, 1000);
    const QByteArray params = words({5, 0}) + emptyRleDib(width, height);
    for (int i = 0; i < count; ++i) {
        b.bytes(WmfFunction::DibCreatePatternBrush, params);
        b.record(WmfFunction::SelectObject, {i}).rectangle(0, 0, 1000, 1000);
    }
    return b.eof().build(65535);
}

// `count` ExtTextOut records of `chars` letters in a font `height` logical units high.
inline QByteArray textRuns(int count, int chars, int height)
{
    WmfBuilder b;
    b.window(0, 0, 1000, 1000);
    b.record(WmfFunction::CreateFontIndirect, {-height, 0, 0, 0, 400, 0, 0, 0, 0, 0x7241, 0x6169, 0x006C}); // Arial
    b.record(WmfFunction::SelectObject, {0});
    QByteArray text(chars + (chars % 2), 'W');
    const QByteArray params = words({500, 0, chars, 0}) + text;
    for (int i = 0; i < count; ++i)
        b.bytes(WmfFunction::ExtTextOut, params);
    return b.eof().build(1);
}

// `count` rectangles filling the whole window.
inline QByteArray fills(int count)
{
    WmfBuilder b;
    b.window(0, 0, 1000, 1000).solidBrush(qRgb(0, 0, 200)).record(WmfFunction::SelectObject, {0});
    for (int i = 0; i < count; ++i)
        b.rectangle(0, 0, 1000, 1000);
    return b.eof().build(1);
}

} // namespace HostileWmf
