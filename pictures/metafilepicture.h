#pragma once

#include "render/picture.h"
#include "pictures/wmf/wmfrecords.h"

#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QString>

#include <memory>

// A Windows Metafile, kept as its records and replayed as vector drawing on every draw.
class MetafilePicture : public Picture
{
public:
    // Reads a 16-bit metafile (with or without a placeable header). Returns nullptr and a
    // reason for a file without a usable header, with 0 units per inch, without records, cut
    // short before its EOF record, or without any size.
    static std::shared_ptr<const MetafilePicture> fromData(const QByteArray &data, QString *error = nullptr);

    QSize naturalSizeTwips() const override { return m_natural; }
    void draw(QPainter &painter, const QRectF &target) const override;

    // The records replayed (EOF and what follows excluded).
    qsizetype recordCount() const { return m_records.size(); }

private:
    MetafilePicture() = default;

    QByteArray m_data;           // the records are views into it
    QList<WmfRecord> m_records;
    int m_objectCount = 0;
    QRectF m_frame;              // logical units
    bool m_frameFromBounds = false;
    QSize m_natural;
};
