#include "pictures/metafilepicture.h"

#include "pictures/wmf/wmfheader.h"
#include "pictures/wmf/wmfplayer.h"

#include <QPainter>

#include <cmath>

namespace {

// Logical units of a metafile without a placeable header are screen pixels: 96 per inch.
constexpr double TwipsPerPixel = 1440.0 / 96.0;

std::shared_ptr<const MetafilePicture> refuse(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return nullptr;
}

int twips(double units, double unitsPerInch)
{
    return int(std::lround(std::abs(units) * 1440.0 / unitsPerInch));
}

// The window the file sets before it draws: the last origin and the first extent.
QRectF windowOf(const QList<WmfRecord> &records)
{
    QPointF origin;
    for (const WmfRecord &r : records) {
        if (r.function() == WmfFunction::SetWindowOrg && r.hasWords(2))
            origin = QPointF(r.s16(1), r.s16(0));
        if (r.function() == WmfFunction::SetWindowExt && r.hasWords(2))
            return QRectF(origin, QSizeF(r.s16(1), r.s16(0))).normalized();
    }
    return {};
}

} // namespace

std::shared_ptr<const MetafilePicture> MetafilePicture::fromData(const QByteArray &data, QString *error)
{
    QString reason;
    const std::optional<WmfHeader> header = readWmfHeader(data, &reason);
    if (!header)
        return refuse(error, reason);

    std::shared_ptr<MetafilePicture> picture(new MetafilePicture);
    picture->m_data = data;
    bool complete = false;
    picture->m_records = splitWmfRecords(picture->m_data, header->firstRecord, &complete);
    if (!complete)
        return refuse(error, QStringLiteral("The metafile is cut short or has a damaged record."));
    if (picture->m_records.isEmpty())
        return refuse(error, QStringLiteral("The metafile draws nothing."));
    picture->m_objectCount = header->objectCount;

    if (header->placeable) {
        picture->m_frame = QRectF(QPointF(header->left, header->top), QPointF(header->right, header->bottom)).normalized();
        picture->m_natural = QSize(twips(picture->m_frame.width(), header->unitsPerInch),
                                   twips(picture->m_frame.height(), header->unitsPerInch));
    } else if (const QRectF window = windowOf(picture->m_records); !window.isEmpty()) {
        picture->m_frame = window;
        picture->m_natural = QSize(twips(window.width(), 96), twips(window.height(), 96));
    } else {
        picture->m_frame = WmfPlayer(picture->m_records, picture->m_objectCount).drawingBounds();
        picture->m_frameFromBounds = true;
        picture->m_natural = QSize(int(std::lround(picture->m_frame.width() * TwipsPerPixel)),
                                   int(std::lround(picture->m_frame.height() * TwipsPerPixel)));
    }
    if (picture->m_frame.isEmpty() || picture->m_natural.isEmpty())
        return refuse(error, QStringLiteral("The metafile has no size."));
    return picture;
}

void MetafilePicture::draw(QPainter &painter, const QRectF &target) const
{
    const WmfPlayer player(m_records, m_objectCount);
    if (!m_frameFromBounds) {
        player.play(painter, target, m_frame);
        return;
    }
    // The bounds were measured with the window origin applied and no scaling; map them onto
    // the target around the same replay.
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / m_frame.width(), target.height() / m_frame.height());
    painter.translate(-m_frame.topLeft());
    player.play(painter, QRectF(0, 0, 1, 1), QRectF(0, 0, 1, 1));
    painter.restore();
}
