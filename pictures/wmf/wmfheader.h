#pragma once

#include <QByteArrayView>
#include <QRect>
#include <QString>

#include <optional>

// What the headers of a 16-bit Windows Metafile say about it.
struct WmfHeader
{
    bool placeable = false;
    // Placeable files only: the picture's frame in logical units (left, top, right, bottom
    // as stored, so right < left or bottom < top is possible) and logical units per inch (> 0).
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int unitsPerInch = 0;
    // Slots of the object table the drawing may use (0..65535).
    int objectCount = 0;
    // Offset of the first record.
    qsizetype firstRecord = 0;
};

// True when `data` starts like a metafile (placeable key, or a plausible standard header).
bool looksLikeWmf(QByteArrayView data);

// Reads the placeable and standard headers. Returns nullopt and a reason for a file that is
// too short, has no standard header, or states 0 units per inch. The header's file-size field
// is not used: record sizes are checked against the data instead.
std::optional<WmfHeader> readWmfHeader(QByteArrayView data, QString *error);
