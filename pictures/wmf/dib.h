#pragma once

#include <QByteArrayView>
#include <QImage>

#include <optional>

// Device-independent bitmaps, as bmp files and metafile records carry them: one header
// parser and one RLE decoder for the raster loader's checks and the metafile player alike.

enum class DibCompression { Rgb, Rle8, Rle4, BitFields };

// What a BITMAPCOREHEADER (OS/2, 12 bytes) or a BITMAPINFOHEADER (40 bytes, or one of its
// later, longer versions) says. Only combinations Windows draws are accepted.
struct DibHeader
{
    quint32 headerSize = 0;     // bytes: 12, or 40 and more
    qint64 width = 0;           // pixels, 1 .. 2^31
    qint64 height = 0;          // pixels, 1 .. 2^31 (stored negated for a top-down bitmap)
    bool topDown = false;       // first stored row is the top one
    int bitCount = 0;           // 1, 4, 8, 16, 24 or 32
    DibCompression compression = DibCompression::Rgb;
    quint32 coloursUsed = 0;    // colour-table entries; 0 means all 2^bitCount of a palette bitmap
    std::optional<double> dpiX; // from the pixels-per-metre fields, where stated
    std::optional<double> dpiY;

    qint64 pixels() const { return width * height; }
    // Bytes of one uncompressed row, padded to 4 bytes.
    qint64 stride() const { return ((width * bitCount + 31) / 32) * 4; }
    // Entries of the colour table that follows the header (and, with bit fields after a
    // 40-byte header, the 12 bytes of masks).
    qint64 paletteEntries() const;
    // Bytes from the header's start to the pixels, for a table of `entryBytes`-byte entries.
    qint64 bitsOffset(int entryBytes) const;
    // The colour-table entry size as stored: 3 bytes (RGBTRIPLE) after a core header, else 4.
    int paletteEntryBytes() const { return headerSize == 12 ? 3 : 4; }
};

// Parses the header at the start of `dib`. nullopt for an unknown header size, a header cut
// short, no pixels, or a bit count and compression that do not go together (RLE8 needs 8
// bits, RLE4 4 bits, bit fields 16 or 32; JPEG and PNG inside a DIB are not drawn). Sizes
// are not limited here: callers compare pixels() with their own limit.
std::optional<DibHeader> readDibHeader(QByteArrayView dib);

// Walks RLE8 (`fourBit` false) or RLE4 data of a width x height bitmap, rows in the stored
// order. With `indices` (resized here to width * height bytes, zero-filled) the palette index
// of each pixel is written there, row by row as stored; runs outside the bitmap are clipped.
// Returns true when the data ends properly: it reaches its end-of-bitmap mark (or finishes the
// last row) without any run straying outside the bitmap or running off the data.
bool walkRle(QByteArrayView data, qint64 width, qint64 height, bool fourBit, QByteArray *indices = nullptr);

// Decodes a DIB (header, colour table, bits) as metafile records carry it: 1, 4, 8, 16, 24
// and 32 bits per pixel, RGB, bit fields, RLE4 and RLE8. With `paletteIndices` the colour
// table holds 16-bit palette indices, which are shown as grey levels. Returns a null image
// for anything malformed, cut short or of more than `maxPixels` pixels.
QImage decodeDib(QByteArrayView dib, bool paletteIndices, qint64 maxPixels);

// Decodes a device-dependent Bitmap16 object (1, 8, 24 or 32 bits per pixel, one plane).
// Returns a null image when malformed, cut short or of more than `maxPixels` pixels.
QImage decodeBitmap16(QByteArrayView data, qint64 maxPixels);

// The pixel count the bitmap would decode to, read from its header alone (0 when malformed),
// so that a caller can refuse it before anything is allocated.
qint64 dibPixels(QByteArrayView dib);
qint64 bitmap16Pixels(QByteArrayView data);
