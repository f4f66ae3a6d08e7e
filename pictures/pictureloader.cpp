#include "pictures/pictureloader.h"

#include "pictures/metafilepicture.h"
#include "pictures/rasterpicture.h"
#include "pictures/wmf/wmfheader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <cmath>
#include <optional>

namespace {

// Nobody prints a calendar picture of more than 64 megapixels; anything larger is refused
// before a pixel is allocated.
constexpr qint64 MaxPixels = 64LL * 1024 * 1024;
constexpr int AllocationLimitMb = 512;
constexpr qint64 MaxFileBytes = 256LL * 1024 * 1024;
constexpr double DefaultDpi = 96;

enum class Kind { Unknown, Bmp, Gif, Jpeg, Wmf };

// What a raster file's own headers say, gathered before decoding.
struct RasterFacts
{
    qint64 width = 0;
    qint64 height = 0;
    std::optional<double> dpiX;
    std::optional<double> dpiY;
    bool complete = false;
};

quint32 le16(QByteArrayView d, qsizetype o)
{
    return o >= 0 && o + 2 <= d.size() ? quint32(quint8(d[o]) | (quint8(d[o + 1]) << 8)) : 0;
}
quint32 le32(QByteArrayView d, qsizetype o)
{
    return le16(d, o) | (le16(d, o + 2) << 16);
}
quint32 be16(QByteArrayView d, qsizetype o)
{
    return o >= 0 && o + 2 <= d.size() ? quint32((quint8(d[o]) << 8) | quint8(d[o + 1])) : 0;
}
quint32 be32(QByteArrayView d, qsizetype o)
{
    return (be16(d, o) << 16) | be16(d, o + 2);
}

Kind kindOf(QByteArrayView data)
{
    if (data.startsWith("BM"))
        return Kind::Bmp;
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a"))
        return Kind::Gif;
    if (data.size() >= 3 && quint8(data[0]) == 0xFF && quint8(data[1]) == 0xD8 && quint8(data[2]) == 0xFF)
        return Kind::Jpeg;
    if (looksLikeWmf(data))
        return Kind::Wmf;
    return Kind::Unknown;
}

std::optional<double> dpiFromPixelsPerMetre(qint64 ppm)
{
    if (ppm <= 0)
        return std::nullopt;
    return ppm * 0.0254;
}

// Walks RLE4/RLE8 data: complete when it reaches its end-of-bitmap (or the last row) without
// writing outside the bitmap or running off the file.
bool rleComplete(QByteArrayView data, qint64 width, qint64 height, bool fourBit)
{
    qsizetype pos = 0;
    qint64 x = 0;
    qint64 y = 0;
    while (pos + 1 < data.size()) {
        const int count = quint8(data[pos]);
        const int value = quint8(data[pos + 1]);
        pos += 2;
        if (count > 0) {
            x += count;
            if (x > width || y >= height)
                return false;
        } else if (value == 0) {
            x = 0;
            if (++y > height)
                return false;
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (pos + 1 >= data.size())
                return false;
            x += quint8(data[pos]);
            y += quint8(data[pos + 1]);
            pos += 2;
            if (x > width || y >= height)
                return false;
        } else {
            x += value;
            if (x > width || y >= height)
                return false;
            const qsizetype bytes = fourBit ? (value + 1) / 2 : value;
            pos += (bytes + 1) & ~qsizetype(1);
            if (pos > data.size())
                return false;
        }
    }
    return y >= height;
}

RasterFacts inspectBmp(QByteArrayView d)
{
    RasterFacts facts;
    const quint32 pixelOffset = le32(d, 10);
    const quint32 headerSize = le32(d, 14);
    if (d.size() < 26 || 14 + qint64(headerSize) > d.size())
        return facts;
    int bitCount = 0;
    quint32 compression = 0;
    if (headerSize == 12) {
        facts.width = le16(d, 18);
        facts.height = le16(d, 20);
        bitCount = int(le16(d, 24));
    } else if (headerSize >= 40) {
        facts.width = qint32(le32(d, 18));
        facts.height = qint32(le32(d, 22));
        bitCount = int(le16(d, 28));
        compression = le32(d, 30);
        facts.dpiX = dpiFromPixelsPerMetre(qint32(le32(d, 38)));
        facts.dpiY = dpiFromPixelsPerMetre(qint32(le32(d, 42)));
    } else {
        return facts;
    }
    // Top-down bitmaps store a negative height.
    facts.height = std::abs(facts.height);
    if (facts.width <= 0 || facts.height <= 0 || facts.width * facts.height > MaxPixels || pixelOffset > quint32(d.size()))
        return facts;
    const QByteArrayView pixels = d.sliced(pixelOffset);
    switch (compression) {
    case 0:  // BI_RGB
    case 3:  // BI_BITFIELDS
    case 6: { // BI_ALPHABITFIELDS
        if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
            return facts;
        const qint64 stride = ((facts.width * bitCount + 31) / 32) * 4;
        facts.complete = stride * facts.height <= pixels.size();
        break;
    }
    case 1: facts.complete = bitCount == 8 && rleComplete(pixels, facts.width, facts.height, false); break;
    case 2: facts.complete = bitCount == 4 && rleComplete(pixels, facts.width, facts.height, true); break;
    default: break;
    }
    return facts;
}

// Skips a chain of GIF data sub-blocks from `pos`; false when the chain runs off the file.
bool skipGifSubBlocks(QByteArrayView d, qsizetype &pos)
{
    while (pos < d.size()) {
        const int length = quint8(d[pos++]);
        if (length == 0)
            return true;
        pos += length;
    }
    return false;
}

RasterFacts inspectGif(QByteArrayView d)
{
    RasterFacts facts;
    if (d.size() < 13)
        return facts;
    facts.width = le16(d, 6);
    facts.height = le16(d, 8);
    const int flags = quint8(d[10]);
    qsizetype pos = 13 + ((flags & 0x80) ? 3 * (qsizetype(2) << (flags & 7)) : 0);
    if (facts.width == 0 || facts.height == 0 || facts.width * facts.height > MaxPixels)
        return facts;
    // Complete once the first frame's image data ends properly; that is the frame shown.
    while (pos < d.size()) {
        const int introducer = quint8(d[pos++]);
        if (introducer == 0x21) {
            ++pos; // label
            if (!skipGifSubBlocks(d, pos))
                return facts;
        } else if (introducer == 0x2C) {
            if (pos + 9 > d.size())
                return facts;
            const qint64 frameWidth = le16(d, pos + 4);
            const qint64 frameHeight = le16(d, pos + 6);
            const int frameFlags = quint8(d[pos + 8]);
            pos += 9;
            if (frameWidth * frameHeight > MaxPixels)
                return facts;
            if (frameFlags & 0x80)
                pos += 3 * (qsizetype(2) << (frameFlags & 7));
            ++pos; // LZW minimum code size
            facts.complete = pos <= d.size() && skipGifSubBlocks(d, pos);
            return facts;
        } else {
            return facts; // trailer before any frame, or garbage
        }
    }
    return facts;
}

// Resolution from an Exif block (a TIFF header and its first directory).
void readExifResolution(QByteArrayView tiff, RasterFacts &facts)
{
    if (tiff.size() < 8)
        return;
    const bool little = tiff.startsWith("II");
    if (!little && !tiff.startsWith("MM"))
        return;
    const auto u16 = [&](qsizetype o) { return little ? le16(tiff, o) : be16(tiff, o); };
    const auto u32 = [&](qsizetype o) { return little ? le32(tiff, o) : be32(tiff, o); };
    const qsizetype directory = u32(4);
    const int entries = int(u16(directory));
    std::optional<double> x;
    std::optional<double> y;
    int unit = 2; // inches unless stated
    for (int i = 0; i < entries; ++i) {
        const qsizetype entry = directory + 2 + 12 * qsizetype(i);
        if (entry + 12 > tiff.size())
            break;
        const quint32 tag = u16(entry);
        if (tag == 0x0128) {
            unit = int(u16(entry + 8));
        } else if (tag == 0x011A || tag == 0x011B) {
            const qsizetype at = u32(entry + 8);
            const quint32 numerator = u32(at);
            const quint32 denominator = u32(at + 4);
            if (at + 8 <= tiff.size() && numerator > 0 && denominator > 0)
                (tag == 0x011A ? x : y) = double(numerator) / denominator;
        }
    }
    if (unit != 2 && unit != 3)
        return;
    const double factor = unit == 3 ? 2.54 : 1.0;
    if (x)
        facts.dpiX = *x * factor;
    if (y)
        facts.dpiY = *y * factor;
}

RasterFacts inspectJpeg(QByteArrayView d)
{
    RasterFacts facts;
    std::optional<double> jfifX, jfifY;
    qsizetype pos = 2;
    bool scanStarted = false;
    while (pos + 1 < d.size()) {
        if (quint8(d[pos]) != 0xFF) {
            // Stray bytes between segments: decoders skip to the next marker, and so do we.
            ++pos;
            continue;
        }
        const int marker = quint8(d[pos + 1]);
        if (marker == 0xFF) {
            ++pos;
            continue;
        }
        pos += 2;
        if (marker == 0xD9) {
            facts.complete = scanStarted;
            break;
        }
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        const qsizetype length = be16(d, pos);
        if (length < 2 || pos + length > d.size())
            break;
        const QByteArrayView segment = d.sliced(pos + 2, length - 2);
        pos += length;
        if (marker == 0xE0 && segment.startsWith(QByteArrayView("JFIF\0", 5)) && segment.size() >= 12) {
            const int units = quint8(segment[7]);
            const double scale = units == 1 ? 1.0 : units == 2 ? 2.54 : 0.0;
            if (scale > 0 && be16(segment, 8) > 0 && be16(segment, 10) > 0) {
                jfifX = be16(segment, 8) * scale;
                jfifY = be16(segment, 10) * scale;
            }
        } else if (marker == 0xE1 && segment.startsWith(QByteArrayView("Exif\0\0", 6))) {
            readExifResolution(segment.sliced(6), facts);
        } else if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            facts.height = be16(segment, 1);
            facts.width = be16(segment, 3);
        } else if (marker == 0xDA) {
            scanStarted = true;
            // Entropy-coded data: 0xFF is followed by a stuffed 0x00, a restart marker or a
            // real marker, which the loop above then reads.
            while (pos + 1 < d.size()) {
                if (quint8(d[pos]) == 0xFF) {
                    const int next = quint8(d[pos + 1]);
                    if (next != 0x00 && !(next >= 0xD0 && next <= 0xD7) && next != 0xFF)
                        break;
                }
                ++pos;
            }
        }
    }
    if (jfifX) {
        facts.dpiX = jfifX;
        facts.dpiY = jfifY;
    }
    if (facts.width * facts.height > MaxPixels)
        facts.complete = false;
    return facts;
}

std::shared_ptr<const Picture> refuse(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return nullptr;
}

std::shared_ptr<const Picture> loadRaster(const QByteArray &data, Kind kind, QString *error)
{
    RasterFacts facts;
    QByteArray format;
    switch (kind) {
    case Kind::Bmp: facts = inspectBmp(data); format = "bmp"; break;
    case Kind::Gif: facts = inspectGif(data); format = "gif"; break;
    default: facts = inspectJpeg(data); format = "jpeg"; break;
    }
    if (facts.width * facts.height > MaxPixels)
        return refuse(error, QStringLiteral("The picture is too large."));
    // Qt decodes a cut-short file "successfully", filling the rest with grey.
    if (!facts.complete)
        return refuse(error, QStringLiteral("The picture file is damaged or incomplete."));

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(AllocationLimitMb);
    const QSize announced = reader.size();
    if (announced.isValid() && qint64(announced.width()) * qAbs(announced.height()) > MaxPixels)
        return refuse(error, QStringLiteral("The picture is too large."));
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return refuse(error, reader.errorString());

    double dpiX = facts.dpiX.value_or(DefaultDpi);
    double dpiY = facts.dpiY.value_or(DefaultDpi);
    // A quarter turn applied from the Exif orientation swaps the axes' resolutions too.
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        std::swap(dpiX, dpiY);
    const QSize natural(int(std::lround(image.width() * 1440.0 / dpiX)), int(std::lround(image.height() * 1440.0 / dpiY)));
    if (natural.isEmpty())
        return refuse(error, QStringLiteral("The picture has no size."));
    return std::make_shared<RasterPicture>(std::move(image), natural);
}

} // namespace

std::shared_ptr<const Picture> loadPicture(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(error, file.errorString());
    if (file.size() > MaxFileBytes)
        return refuse(error, QStringLiteral("The picture file is too large."));
    const QByteArray data = file.readAll();
    try {
        switch (kindOf(data)) {
        case Kind::Bmp:
        case Kind::Gif:
        case Kind::Jpeg: return loadRaster(data, kindOf(data), error);
        case Kind::Wmf: return MetafilePicture::fromData(data, error);
        case Kind::Unknown: break;
        }
    } catch (const std::bad_alloc &) {
        return refuse(error, QStringLiteral("The picture is too large."));
    }
    return refuse(error, QStringLiteral("The file is not a bmp, gif, jpg or wmf picture."));
}
