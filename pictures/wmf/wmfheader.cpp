#include "pictures/wmf/wmfheader.h"

#include "pictures/wmf/littleendian.h"

#include <QCoreApplication>

namespace {

// Why a file is no metafile, in the user's language.
struct WmfHeaderWords
{
    Q_DECLARE_TR_FUNCTIONS(Pictures)
};

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr qsizetype PlaceableSize = 22;
constexpr qsizetype StandardSize = 18;

bool standardHeaderAt(QByteArrayView data, qsizetype offset)
{
    if (data.size() - offset < StandardSize)
        return false;
    const quint16 type = LittleEndian::u16(data, offset);
    const quint16 headerWords = LittleEndian::u16(data, offset + 2);
    const quint16 version = LittleEndian::u16(data, offset + 4);
    return (type == 1 || type == 2) && headerWords == 9 && (version == 0x0100 || version == 0x0300);
}

bool setError(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool looksLikeWmf(QByteArrayView data)
{
    if (data.size() >= 4 && LittleEndian::u32(data, 0) == PlaceableKey)
        return true;
    return standardHeaderAt(data, 0);
}

std::optional<WmfHeader> readWmfHeader(QByteArrayView data, QString *error)
{
    WmfHeader header;
    qsizetype offset = 0;
    if (data.size() >= 4 && LittleEndian::u32(data, 0) == PlaceableKey) {
        if (data.size() < PlaceableSize) {
            setError(error, WmfHeaderWords::tr("The metafile's placeable header is cut short."));
            return std::nullopt;
        }
        header.placeable = true;
        header.left = qint16(LittleEndian::u16(data, 6));
        header.top = qint16(LittleEndian::u16(data, 8));
        header.right = qint16(LittleEndian::u16(data, 10));
        header.bottom = qint16(LittleEndian::u16(data, 12));
        header.unitsPerInch = LittleEndian::u16(data, 14);
        if (header.unitsPerInch == 0) {
            setError(error, WmfHeaderWords::tr("The metafile states 0 units per inch."));
            return std::nullopt;
        }
        offset = PlaceableSize;
    }
    if (!standardHeaderAt(data, offset)) {
        setError(error, WmfHeaderWords::tr("The file has no metafile header."));
        return std::nullopt;
    }
    header.objectCount = LittleEndian::u16(data, offset + 10);
    // The header's size in words: 9 for every version in use.
    header.firstRecord = offset + 2 * qsizetype(LittleEndian::u16(data, offset + 2));
    return header;
}
