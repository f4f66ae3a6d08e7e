#include "pictures/wmf/wmfdib.h"

#include <QList>

#include <bit>

namespace {

quint32 le16(QByteArrayView d, qsizetype o)
{
    return o >= 0 && o + 2 <= d.size() ? quint32(quint8(d[o]) | (quint8(d[o + 1]) << 8)) : 0;
}

quint32 le32(QByteArrayView d, qsizetype o)
{
    return le16(d, o) | (le16(d, o + 2) << 16);
}

// Extracts the channel selected by `mask` from `pixel`, scaled to 0..255.
int channel(quint32 pixel, quint32 mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const quint32 max = mask >> shift;
    return int(((pixel & mask) >> shift) * 255 / max);
}

bool sizeAcceptable(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width * height <= MaxWmfBitmapPixels;
}

// Expands RLE4/RLE8 data into one palette index per pixel, rows bottom-up as stored. Runs
// that would write outside the bitmap end the decoding; what was decoded stays.
QByteArray expandRle(QByteArrayView data, int width, int height, bool fourBit)
{
    QByteArray out(qsizetype(width) * height, '\0');
    qsizetype pos = 0;
    int x = 0;
    int y = 0;
    const auto put = [&](int index) {
        if (x < width && y < height)
            out[qsizetype(y) * width + x] = char(index);
        ++x;
    };
    while (pos + 1 < data.size() && y < height) {
        const int count = quint8(data[pos]);
        const int value = quint8(data[pos + 1]);
        pos += 2;
        if (count > 0) {
            for (int i = 0; i < count && x < width; ++i)
                put(fourBit ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value);
            continue;
        }
        if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (pos + 1 >= data.size())
                break;
            x += quint8(data[pos]);
            y += quint8(data[pos + 1]);
            pos += 2;
        } else {
            const qsizetype bytes = fourBit ? (value + 1) / 2 : value;
            if (pos + bytes > data.size())
                break;
            for (int i = 0; i < value && x < width; ++i) {
                const int byte = quint8(data[pos + (fourBit ? i / 2 : i)]);
                put(fourBit ? ((i & 1) ? (byte & 0x0F) : (byte >> 4)) : byte);
            }
            pos += (bytes + 1) & ~qsizetype(1);
        }
    }
    return out;
}

} // namespace

QImage decodeWmfDib(QByteArrayView dib, bool paletteIndices)
{
    const quint32 headerSize = le32(dib, 0);
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    quint32 compression = 0;
    quint32 coloursUsed = 0;
    int entrySize = 4;
    if (headerSize == 12) {
        width = le16(dib, 4);
        height = qint16(le16(dib, 6));
        bitCount = int(le16(dib, 10));
        entrySize = 3;
    } else if (headerSize >= 40 && headerSize <= 256) {
        width = qint32(le32(dib, 4));
        height = qint32(le32(dib, 8));
        bitCount = int(le16(dib, 14));
        compression = le32(dib, 16);
        coloursUsed = le32(dib, 32);
    } else {
        return {};
    }
    if (qsizetype(headerSize) > dib.size())
        return {};
    if (paletteIndices)
        entrySize = 2;
    const bool topDown = height < 0;
    height = qAbs(height);
    if (!sizeAcceptable(width, height))
        return {};

    quint32 masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
    if (bitCount == 16)
        masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    qsizetype offset = headerSize;
    if (compression == 3 /* BI_BITFIELDS */) {
        if (bitCount != 16 && bitCount != 32)
            return {};
        // The masks start at byte 40: after a 40-byte header, inside the larger ones.
        if (40 + 12 > dib.size())
            return {};
        for (int i = 0; i < 3; ++i)
            masks[i] = le32(dib, 40 + 4 * i);
        if (headerSize == 40)
            offset += 12;
    } else if (compression != 0 && !(compression == 1 && bitCount == 8) && !(compression == 2 && bitCount == 4)) {
        return {};
    }

    QList<QRgb> palette;
    if (bitCount == 1 || bitCount == 4 || bitCount == 8) {
        const quint32 maxColours = 1u << bitCount;
        const quint32 entries = coloursUsed == 0 || coloursUsed > maxColours ? maxColours : coloursUsed;
        if (offset + qsizetype(entries) * entrySize > dib.size())
            return {};
        for (quint32 i = 0; i < entries; ++i) {
            const qsizetype at = offset + qsizetype(i) * entrySize;
            if (paletteIndices) {
                const int grey = int(le16(dib, at) * 255 / qMax<quint32>(1, maxColours - 1)) & 0xFF;
                palette.append(qRgb(grey, grey, grey));
            } else {
                palette.append(qRgb(quint8(dib[at + 2]), quint8(dib[at + 1]), quint8(dib[at])));
            }
        }
        offset += qsizetype(entries) * entrySize;
        palette.resize(maxColours, qRgb(0, 0, 0));
    } else if (bitCount == 16 || bitCount == 24 || bitCount == 32) {
        // A colour table beside true-colour pixels only helps palette devices; skip it.
        if (coloursUsed > 256)
            return {};
        offset += qsizetype(coloursUsed) * entrySize;
    } else {
        return {};
    }
    if (offset > dib.size())
        return {};
    const QByteArrayView bits = dib.sliced(offset);

    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return {};

    if (compression == 1 || compression == 2) {
        const QByteArray indices = expandRle(bits, int(width), int(height), compression == 2);
        for (int row = 0; row < height; ++row) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(topDown ? row : int(height) - 1 - row));
            for (int x = 0; x < width; ++x)
                line[x] = palette.at(quint8(indices[qsizetype(row) * width + x]));
        }
        return image;
    }

    const qsizetype stride = ((width * bitCount + 31) / 32) * 4;
    if (stride * height > bits.size())
        return {};
    for (int row = 0; row < height; ++row) {
        const QByteArrayView src = bits.sliced(qsizetype(row) * stride, stride);
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(topDown ? row : int(height) - 1 - row));
        for (int x = 0; x < width; ++x) {
            switch (bitCount) {
            case 1: line[x] = palette.at((quint8(src[x / 8]) >> (7 - x % 8)) & 1); break;
            case 4: line[x] = palette.at((quint8(src[x / 2]) >> (x % 2 ? 0 : 4)) & 0x0F); break;
            case 8: line[x] = palette.at(quint8(src[x])); break;
            case 16: {
                const quint32 p = le16(src, 2 * x);
                line[x] = qRgb(channel(p, masks[0]), channel(p, masks[1]), channel(p, masks[2]));
                break;
            }
            case 24: line[x] = qRgb(quint8(src[3 * x + 2]), quint8(src[3 * x + 1]), quint8(src[3 * x])); break;
            default: {
                const quint32 p = le32(src, 4 * x);
                line[x] = qRgb(channel(p, masks[0]), channel(p, masks[1]), channel(p, masks[2]));
                break;
            }
            }
        }
    }
    return image;
}

QImage decodeWmfBitmap16(QByteArrayView data)
{
    // Type, Width, Height, WidthBytes (16 bits each), Planes, BitsPixel (8 bits each), Bits.
    if (data.size() < 10)
        return {};
    const qint64 width = qint16(le16(data, 2));
    const qint64 height = qint16(le16(data, 4));
    const qint64 widthBytes = qint16(le16(data, 6));
    const int planes = quint8(data[8]);
    const int bitsPixel = quint8(data[9]);
    if (!sizeAcceptable(width, height) || planes != 1 || widthBytes <= 0)
        return {};
    if (bitsPixel != 1 && bitsPixel != 8 && bitsPixel != 24 && bitsPixel != 32)
        return {};
    if (widthBytes * 8 < width * bitsPixel || 10 + widthBytes * height > data.size())
        return {};
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < height; ++y) {
        const QByteArrayView src = data.sliced(10 + qsizetype(y) * widthBytes, widthBytes);
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            switch (bitsPixel) {
            case 1: line[x] = ((quint8(src[x / 8]) >> (7 - x % 8)) & 1) ? qRgb(255, 255, 255) : qRgb(0, 0, 0); break;
            case 8: line[x] = qRgb(quint8(src[x]), quint8(src[x]), quint8(src[x])); break;
            case 24: line[x] = qRgb(quint8(src[3 * x + 2]), quint8(src[3 * x + 1]), quint8(src[3 * x])); break;
            default: line[x] = qRgb(quint8(src[4 * x + 2]), quint8(src[4 * x + 1]), quint8(src[4 * x])); break;
            }
        }
    }
    return image;
}
