#pragma once

#include <QByteArrayView>
#include <QImage>

// The most pixels one bitmap inside a metafile may have; larger ones are skipped rather than
// allocated (a few hundred bytes of header can otherwise ask for gigabytes).
inline constexpr qint64 MaxWmfBitmapPixels = 16 * 1024 * 1024;

// Decodes a device-independent bitmap (a BITMAPINFO header, its colour table and the bits)
// as metafile records carry it: 1, 4, 8, 16, 24 and 32 bits per pixel, RGB, bit fields, RLE4
// and RLE8. With `paletteIndices` the colour table holds 16-bit palette indices, which are
// shown as grey levels. Returns a null image for anything malformed, cut short or too large.
QImage decodeWmfDib(QByteArrayView dib, bool paletteIndices = false);

// Decodes a device-dependent Bitmap16 object (1, 8, 24 or 32 bits per pixel, one plane).
// Returns a null image when malformed or too large.
QImage decodeWmfBitmap16(QByteArrayView data);
