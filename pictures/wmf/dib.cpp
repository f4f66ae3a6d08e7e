#include "pictures/wmf/dib.h"

#include "pictures/wmf/littleendian.h"

#include <QList>

#include <bit>

using namespace LittleEndian;

namespace {

constexpr quint32 CoreHeaderSize = 12;
constexpr quint32 InfoHeaderSize = 40;
constexpr qint64 BitFieldMasksBytes = 12;

std::optional<double> dpiFromPixelsPerMetre(qint32 ppm)
{
    if (ppm <= 0)
        return std::nullopt;
    return ppm * 0.0254;
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

} // namespace

qint64 DibHeader::paletteEntries() const
{
    if (bitCount <= 8) {
        const quint32 maxColours = 1u << bitCount;
        return coloursUsed == 0 || coloursUsed > maxColours ? maxColours : coloursUsed;
    }
    // A colour table beside true-colour pixels only helps palette devices; it is skipped.
    return coloursUsed;
}

qint64 DibHeader::bitsOffset(int entryBytes) const
{
    // With bit fields the masks follow a 40-byte header; longer headers hold them inside.
    const qint64 masks = compression == DibCompression::BitFields && headerSize == InfoHeaderSize ? BitFieldMasksBytes : 0;
    return qint64(headerSize) + masks + paletteEntries() * entryBytes;
}

std::optional<DibHeader> readDibHeader(QByteArrayView dib)
{
    DibHeader header;
    header.headerSize = u32(dib, 0);
    quint32 compression = 0;
    if (header.headerSize == CoreHeaderSize) {
        // The OS/2 header's sizes are unsigned 16-bit; its rows are always bottom-up.
        header.width = u16(dib, 4);
        header.height = u16(dib, 6);
        header.bitCount = u16(dib, 10);
    } else if (header.headerSize >= InfoHeaderSize) {
        header.width = s32(dib, 4);
        header.height = s32(dib, 8);
        header.bitCount = u16(dib, 14);
        compression = u32(dib, 16);
        header.dpiX = dpiFromPixelsPerMetre(s32(dib, 24));
        header.dpiY = dpiFromPixelsPerMetre(s32(dib, 28));
        header.coloursUsed = u32(dib, 32);
    } else {
        return std::nullopt;
    }
    if (qint64(header.headerSize) > dib.size())
        return std::nullopt;
    header.topDown = header.height < 0;
    header.height = qAbs(header.height);
    if (header.width <= 0 || header.height <= 0)
        return std::nullopt;
    const int bits = header.bitCount;
    switch (compression) {
    case 0: // BI_RGB
        header.compression = DibCompression::Rgb;
        if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
            return std::nullopt;
        break;
    case 1: // BI_RLE8
        header.compression = DibCompression::Rle8;
        if (bits != 8)
            return std::nullopt;
        break;
    case 2: // BI_RLE4
        header.compression = DibCompression::Rle4;
        if (bits != 4)
            return std::nullopt;
        break;
    case 3: // BI_BITFIELDS
    case 6: // BI_ALPHABITFIELDS
        header.compression = DibCompression::BitFields;
        if (bits != 16 && bits != 32)
            return std::nullopt;
        break;
    default:
        return std::nullopt;
    }
    // Compressed bitmaps are stored bottom-up only.
    if (header.topDown && header.compression != DibCompression::Rgb && header.compression != DibCompression::BitFields)
        return std::nullopt;
    return header;
}

bool walkRle(QByteArrayView data, qint64 width, qint64 height, bool fourBit, QByteArray *indices)
{
    if (indices)
        indices->fill('\0', qsizetype(width * height));
    qsizetype pos = 0;
    qint64 x = 0;
    qint64 y = 0;
    bool strayed = false;
    const auto put = [&](int index) {
        if (indices && x < width && y < height)
            (*indices)[qsizetype(y * width + x)] = char(index);
        ++x;
    };
    while (pos + 1 < data.size()) {
        const int count = quint8(data[pos]);
        const int value = quint8(data[pos + 1]);
        pos += 2;
        if (count > 0) {
            // An encoded run: `count` pixels of one index (RLE4: two alternating indices).
            if (x + count > width || y >= height)
                strayed = true;
            const qint64 end = x + count;
            for (int i = 0; i < count && x < width; ++i)
                put(fourBit ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value);
            x = end;
        } else if (value == 0) {
            // End of line; the last row's end may be followed by the end-of-bitmap mark only.
            x = 0;
            if (++y > height)
                strayed = true;
        } else if (value == 1) {
            return !strayed;
        } else if (value == 2) {
            // A delta: move right and up by the next two bytes.
            if (pos + 1 >= data.size())
                return false;
            x += quint8(data[pos]);
            y += quint8(data[pos + 1]);
            pos += 2;
            if (x > width || y >= height)
                strayed = true;
        } else {
            // An absolute run of `value` indices, padded to a 16-bit boundary.
            const qsizetype bytes = fourBit ? (value + 1) / 2 : value;
            if (pos + bytes > data.size())
                return false;
            if (x + value > width || y >= height)
                strayed = true;
            const qint64 end = x + value;
            for (int i = 0; i < value && x < width; ++i) {
                const int byte = quint8(data[pos + (fourBit ? i / 2 : i)]);
                put(fourBit ? ((i & 1) ? (byte & 0x0F) : (byte >> 4)) : byte);
            }
            x = end;
            pos += (bytes + 1) & ~qsizetype(1);
            if (pos > data.size())
                return false;
        }
    }
    // Without an end-of-bitmap mark the data is complete only when every row was ended.
    return !strayed && y >= height;
}

qint64 dibPixels(QByteArrayView dib)
{
    const std::optional<DibHeader> header = readDibHeader(dib);
    return header ? header->pixels() : 0;
}

QImage decodeDib(QByteArrayView dib, bool paletteIndices, qint64 maxPixels)
{
    const std::optional<DibHeader> header = readDibHeader(dib);
    if (!header || header->pixels() > maxPixels)
        return {};
    const qint64 width = header->width;
    const qint64 height = header->height;
    const int bitCount = header->bitCount;
    const int entryBytes = paletteIndices ? 2 : header->paletteEntryBytes();
    // True-colour bitmaps with a long colour table are not what any program writes.
    if (bitCount > 8 && header->coloursUsed > 256)
        return {};

    quint32 masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
    if (bitCount == 16)
        masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    if (header->compression == DibCompression::BitFields) {
        // The masks start at byte 40: after a 40-byte header, inside the larger ones.
        if (InfoHeaderSize + BitFieldMasksBytes > dib.size())
            return {};
        for (int i = 0; i < 3; ++i)
            masks[i] = u32(dib, InfoHeaderSize + 4 * i);
    }

    QList<QRgb> palette;
    if (bitCount <= 8) {
        const qint64 first = header->bitsOffset(entryBytes) - header->paletteEntries() * entryBytes;
        for (qint64 i = 0; i < header->paletteEntries(); ++i) {
            const qsizetype at = qsizetype(first + i * entryBytes);
            if (at + entryBytes > dib.size())
                return {};
            if (paletteIndices) {
                const int grey = int(u16(dib, at) * 255 / qMax<quint32>(1, (1u << bitCount) - 1)) & 0xFF;
                palette.append(qRgb(grey, grey, grey));
            } else {
                palette.append(qRgb(u8(dib, at + 2), u8(dib, at + 1), u8(dib, at)));
            }
        }
        palette.resize(qsizetype(1) << bitCount, qRgb(0, 0, 0));
    }
    const qint64 offset = header->bitsOffset(entryBytes);
    if (offset > dib.size())
        return {};
    const QByteArrayView bits = dib.sliced(qsizetype(offset));

    const bool rle = header->compression == DibCompression::Rle8 || header->compression == DibCompression::Rle4;
    if (!rle && header->stride() * height > bits.size())
        return {};
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const bool topDown = header->topDown;

    if (rle) {
        // What was decoded before a damaged run stays, as GDI shows it.
        QByteArray indices;
        walkRle(bits, width, height, header->compression == DibCompression::Rle4, &indices);
        for (int row = 0; row < height; ++row) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(int(height) - 1 - row));
            for (int x = 0; x < width; ++x)
                line[x] = palette.at(quint8(indices[qsizetype(row * width + x)]));
        }
        return image;
    }

    const qsizetype stride = qsizetype(header->stride());
    for (int row = 0; row < height; ++row) {
        const QByteArrayView src = bits.sliced(qsizetype(row) * stride, stride);
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(topDown ? row : int(height) - 1 - row));
        for (int x = 0; x < width; ++x) {
            switch (bitCount) {
            case 1: line[x] = palette.at((quint8(src[x / 8]) >> (7 - x % 8)) & 1); break;
            case 4: line[x] = palette.at((quint8(src[x / 2]) >> (x % 2 ? 0 : 4)) & 0x0F); break;
            case 8: line[x] = palette.at(quint8(src[x])); break;
            case 16: {
                const quint32 p = u16(src, 2 * x);
                line[x] = qRgb(channel(p, masks[0]), channel(p, masks[1]), channel(p, masks[2]));
                break;
            }
            case 24: line[x] = qRgb(quint8(src[3 * x + 2]), quint8(src[3 * x + 1]), quint8(src[3 * x])); break;
            default: {
                const quint32 p = u32(src, 4 * x);
                line[x] = qRgb(channel(p, masks[0]), channel(p, masks[1]), channel(p, masks[2]));
                break;
            }
            }
        }
    }
    return image;
}

namespace {

// A Bitmap16 header: Type, Width, Height, WidthBytes (16 bits each), Planes, BitsPixel (8 bits
// each), then the bits.
constexpr qsizetype Bitmap16HeaderBytes = 10;

struct Bitmap16Header
{
    qint64 width = 0;
    qint64 height = 0;
    qint64 widthBytes = 0;
    int bitsPixel = 0;
};

std::optional<Bitmap16Header> readBitmap16Header(QByteArrayView data)
{
    if (data.size() < Bitmap16HeaderBytes)
        return std::nullopt;
    Bitmap16Header header{s16(data, 2), s16(data, 4), s16(data, 6), u8(data, 9)};
    const int planes = u8(data, 8);
    const int bits = header.bitsPixel;
    if (header.width <= 0 || header.height <= 0 || planes != 1 || header.widthBytes <= 0)
        return std::nullopt;
    if (bits != 1 && bits != 8 && bits != 24 && bits != 32)
        return std::nullopt;
    if (header.widthBytes * 8 < header.width * bits)
        return std::nullopt;
    return header;
}

} // namespace

qint64 bitmap16Pixels(QByteArrayView data)
{
    const std::optional<Bitmap16Header> header = readBitmap16Header(data);
    return header ? header->width * header->height : 0;
}

QImage decodeBitmap16(QByteArrayView data, qint64 maxPixels)
{
    const std::optional<Bitmap16Header> header = readBitmap16Header(data);
    if (!header || header->width * header->height > maxPixels)
        return {};
    const qint64 width = header->width;
    const qint64 height = header->height;
    if (Bitmap16HeaderBytes + header->widthBytes * height > data.size())
        return {};
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < height; ++y) {
        const QByteArrayView src = data.sliced(Bitmap16HeaderBytes + qsizetype(y) * header->widthBytes, header->widthBytes);
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            switch (header->bitsPixel) {
            case 1: line[x] = ((quint8(src[x / 8]) >> (7 - x % 8)) & 1) ? qRgb(255, 255, 255) : qRgb(0, 0, 0); break;
            case 8: line[x] = qRgb(quint8(src[x]), quint8(src[x]), quint8(src[x])); break;
            case 24: line[x] = qRgb(quint8(src[3 * x + 2]), quint8(src[3 * x + 1]), quint8(src[3 * x])); break;
            default: line[x] = qRgb(quint8(src[4 * x + 2]), quint8(src[4 * x + 1]), quint8(src[4 * x])); break;
            }
        }
    }
    return image;
}
