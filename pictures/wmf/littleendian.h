#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// Bounds-checked little-endian reads, for every file format the pictures read (bmp and DIB
// headers, metafile headers and records). A read that does not lie wholly inside `data`
// (including a negative offset) gives 0: callers check sizes where a 0 would be trusted.
namespace LittleEndian {

inline quint8 u8(QByteArrayView data, qsizetype offset)
{
    return offset >= 0 && offset < data.size() ? quint8(data[offset]) : 0;
}

inline quint16 u16(QByteArrayView data, qsizetype offset)
{
    if (offset < 0 || offset > data.size() - 2)
        return 0;
    return quint16(quint8(data[offset]) | (quint8(data[offset + 1]) << 8));
}

inline quint32 u32(QByteArrayView data, qsizetype offset)
{
    if (offset < 0 || offset > data.size() - 4)
        return 0;
    return quint32(u16(data, offset)) | (quint32(u16(data, offset + 2)) << 16);
}

inline qint16 s16(QByteArrayView data, qsizetype offset)
{
    return qint16(u16(data, offset));
}

inline qint32 s32(QByteArrayView data, qsizetype offset)
{
    return qint32(u32(data, offset));
}

} // namespace LittleEndian
