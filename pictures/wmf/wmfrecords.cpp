#include "pictures/wmf/wmfrecords.h"

#include "pictures/wmf/littleendian.h"
#include "pictures/wmf/wmfbudget.h"

QList<WmfRecord> splitWmfRecords(QByteArrayView data, qsizetype offset, bool *complete)
{
    QList<WmfRecord> records;
    *complete = false;
    qsizetype pos = offset;
    // A record is at least 6 bytes: a 32-bit size in words and a 16-bit function.
    while (pos >= 0 && data.size() - pos >= 6 && records.size() < MaxWmfRecords) {
        const quint32 sizeWords = LittleEndian::u32(data, pos);
        const quint16 function = LittleEndian::u16(data, pos + 4);
        if (function == WmfFunction::Eof) {
            *complete = true;
            break;
        }
        // The size counts the 3 header words; anything smaller, or reaching past the data,
        // cannot be trusted and ends the drawing here.
        if (sizeWords < 3 || quint64(sizeWords) * 2 > quint64(data.size() - pos))
            break;
        const qsizetype bytes = qsizetype(sizeWords) * 2;
        records.append(WmfRecord(function, data.sliced(pos + 6, bytes - 6)));
        pos += bytes;
    }
    return records;
}
