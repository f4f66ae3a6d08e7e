#include "pictures/pictureloader.h"

#include "pictures/metafilepicture.h"
#include "pictures/qtmessagecapture.h"
#include "pictures/rasterpicture.h"
#include "pictures/wmf/dib.h"
#include "pictures/wmf/littleendian.h"
#include "pictures/wmf/wmfheader.h"
#include "platform/regularfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>

#include <cmath>
#include <cstring>
#include <optional>

namespace {

// Why a picture cannot be drawn, in the user's language.
struct PictureWords
{
    Q_DECLARE_TR_FUNCTIONS(Pictures)
};

// Qt's own ceiling on one decoded image, above MaxPicturePixels at 4 bytes a pixel.
constexpr int AllocationLimitMb = 512;
constexpr double DefaultDpi = 96;
constexpr qint64 MaxPixels = MaxPicturePixels;
constexpr qint64 BmpFileHeaderBytes = 14;

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

using LittleEndian::u16;
using LittleEndian::u32;

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

RasterFacts inspectBmp(QByteArrayView d)
{
    RasterFacts facts;
    const std::optional<DibHeader> header = readDibHeader(d.sliced(qMin<qsizetype>(d.size(), BmpFileHeaderBytes)));
    if (!header)
        return facts;
    facts.width = header->width;
    facts.height = header->height;
    facts.dpiX = header->dpiX;
    facts.dpiY = header->dpiY;
    const quint32 pixelOffset = u32(d, 10);
    if (header->pixels() > MaxPixels || pixelOffset > quint32(d.size()))
        return facts;
    const QByteArrayView pixels = d.sliced(pixelOffset);
    switch (header->compression) {
    case DibCompression::Rgb:
    case DibCompression::BitFields: facts.complete = header->stride() * header->height <= pixels.size(); break;
    case DibCompression::Rle8: facts.complete = walkRle(pixels, header->width, header->height, false); break;
    case DibCompression::Rle4: facts.complete = walkRle(pixels, header->width, header->height, true); break;
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
    facts.width = u16(d, 6);
    facts.height = u16(d, 8);
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
            const qint64 frameWidth = u16(d, pos + 4);
            const qint64 frameHeight = u16(d, pos + 6);
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
    const auto field16 = [&](qsizetype o) { return little ? quint32(u16(tiff, o)) : be16(tiff, o); };
    const auto field32 = [&](qsizetype o) { return little ? u32(tiff, o) : be32(tiff, o); };
    const qsizetype directory = field32(4);
    const int entries = int(field16(directory));
    std::optional<double> x;
    std::optional<double> y;
    int unit = 2; // inches unless stated
    for (int i = 0; i < entries; ++i) {
        const qsizetype entry = directory + 2 + 12 * qsizetype(i);
        if (entry + 12 > tiff.size())
            break;
        const quint32 tag = field16(entry);
        if (tag == 0x0128) {
            unit = int(field16(entry + 8));
        } else if (tag == 0x011A || tag == 0x011B) {
            const qsizetype at = field32(entry + 8);
            const quint32 numerator = field32(at);
            const quint32 denominator = field32(at + 4);
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

std::shared_ptr<const Picture> loadRaster(const QByteArray &data, Kind kind, QString *error, QStringList *warnings)
{
    RasterFacts facts;
    QByteArray format;
    switch (kind) {
    case Kind::Bmp: facts = inspectBmp(data); format = "bmp"; break;
    case Kind::Gif: facts = inspectGif(data); format = "gif"; break;
    default: facts = inspectJpeg(data); format = "jpeg"; break;
    }
    const QString tooLarge = PictureWords::tr("The picture has more than %1 megapixels.").arg(MaxPixels / (1024 * 1024));
    if (facts.width * facts.height > MaxPixels)
        return refuse(error, tooLarge);
    // Qt decodes a cut-short file "successfully", filling the rest with grey.
    if (!facts.complete)
        return refuse(error, PictureWords::tr("The picture file is damaged or incomplete."));

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(AllocationLimitMb);
    QImage image;
    bool read = false;
    QStringList decoderMessages;
    {
        // The decoders report damage they work around on stderr; catch it for the caller.
        const QtMessageCapture capture;
        const QSize announced = reader.size();
        if (announced.isValid() && qint64(announced.width()) * qAbs(announced.height()) > MaxPixels)
            return refuse(error, tooLarge);
        read = reader.read(&image) && !image.isNull();
        decoderMessages = capture.messages();
    }
    if (!read) {
        QString reason = reader.errorString();
        if (!decoderMessages.isEmpty())
            reason += QStringLiteral(" (") + decoderMessages.join(QStringLiteral("; ")) + QLatin1Char(')');
        return refuse(error, reason);
    }
    if (warnings)
        *warnings += decoderMessages;
    // A palette image whose colour table is shorter than its indices (a damaged bmp or gif
    // decodes to one) crashes Qt's smooth drawing, which reads the table unchecked in its
    // worker threads: every index gets a colour (black, as Windows shows a missing entry).
    if (image.depth() <= 8 && image.format() != QImage::Format_Grayscale8) {
        QList<QRgb> colours = image.colorTable();
        const qsizetype wanted = qsizetype(1) << image.depth();
        if (colours.size() < wanted) {
            colours.resize(wanted, qRgb(0, 0, 0));
            image.setColorTable(colours);
        }
    }

    double dpiX = facts.dpiX.value_or(DefaultDpi);
    double dpiY = facts.dpiY.value_or(DefaultDpi);
    // A quarter turn applied from the Exif orientation swaps the axes' resolutions too.
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        std::swap(dpiX, dpiY);
    const QSize natural(int(std::lround(image.width() * 1440.0 / dpiX)), int(std::lround(image.height() * 1440.0 / dpiY)));
    if (natural.isEmpty())
        return refuse(error, PictureWords::tr("The picture has no size."));
    return std::make_shared<RasterPicture>(std::move(image), natural);
}

// The bytes of a regular file of at most MaxPictureFileBytes, or nullopt and a reason (a
// sentence naming the file). The file is opened without blocking and checked again once
// open, so that nothing swapped in after the first look is read either.
std::optional<QByteArray> readPictureFile(const QString &path, QString *reason)
{
    using Problem = RegularFileBytes::Problem;
    RegularFileBytes file = readRegularFile(path, MaxPictureFileBytes);
    const QString name = QDir::toNativeSeparators(path);
    switch (file.problem) {
    case Problem::None: return std::move(file.bytes);
    case Problem::Missing: *reason = PictureWords::tr("%1 does not exist.").arg(name); break;
    case Problem::LinkLoop: *reason = PictureWords::tr("%1 leads through too many symbolic links.").arg(name); break;
    case Problem::Folder:
    case Problem::NotRegular: *reason = PictureWords::tr("%1 is not a regular file.").arg(name); break;
    case Problem::TooLarge:
        *reason = PictureWords::tr("%1 is larger than %2 MiB, too large for a picture.").arg(name).arg(MaxPictureFileBytes / (1024 * 1024));
        break;
    case Problem::CannotOpen: *reason = PictureWords::tr("%1 cannot be opened: %2").arg(name, file.reason); break;
    case Problem::CannotRead: *reason = PictureWords::tr("%1 cannot be read: %2").arg(name, file.reason); break;
    }
    return std::nullopt;
}

} // namespace

std::shared_ptr<const Picture> pictureFromBytes(const QByteArray &data, QString *error, QStringList *warnings)
{
    try {
        switch (const Kind kind = kindOf(data)) {
        case Kind::Bmp:
        case Kind::Gif:
        case Kind::Jpeg: return loadRaster(data, kind, error, warnings);
        case Kind::Wmf: return MetafilePicture::fromData(data, error);
        case Kind::Unknown: break;
        }
    } catch (const std::bad_alloc &) {
        return refuse(error, PictureWords::tr("There is not enough memory for the picture."));
    }
    return refuse(error, PictureWords::tr("The file is not a bmp, gif, jpg or wmf picture."));
}

std::shared_ptr<const Picture> loadPicture(const QString &path, QString *error, QStringList *warnings)
{
    QString reason;
    const std::optional<QByteArray> data = readPictureFile(path, &reason);
    if (!data)
        return refuse(error, reason);
    QStringList decoderWarnings;
    std::shared_ptr<const Picture> picture = pictureFromBytes(*data, &reason, &decoderWarnings);
    const QString name = QDir::toNativeSeparators(path);
    if (warnings) {
        for (const QString &warning : decoderWarnings)
            warnings->append(QStringLiteral("%1: %2").arg(name, warning));
    }
    if (!picture)
        return refuse(error, QStringLiteral("%1: %2").arg(name, reason));
    return picture;
}
