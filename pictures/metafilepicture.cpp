#include "pictures/metafilepicture.h"

#include "pictures/wmf/wmfheader.h"
#include "pictures/wmf/wmfplayer.h"

#include <QCoreApplication>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

// Why a metafile cannot be drawn, in the user's language.
struct MetafileWords
{
    Q_DECLARE_TR_FUNCTIONS(Pictures)
};

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

// Rotated or sheared targets are not rectangles of device pixels: those replay directly.
bool axisAligned(const QTransform &transform)
{
    return transform.type() <= QTransform::TxScale;
}

} // namespace

std::shared_ptr<const MetafilePicture> MetafilePicture::fromData(const QByteArray &data, QString *error,
                                                                 const WmfBudget &budget)
{
    QString reason;
    const std::optional<WmfHeader> header = readWmfHeader(data, &reason);
    if (!header)
        return refuse(error, reason);

    std::shared_ptr<MetafilePicture> picture(new MetafilePicture);
    picture->m_data = data;
    bool complete = false;
    picture->m_records = splitWmfRecords(picture->m_data, header->firstRecord, &complete);
    if (!complete && picture->m_records.size() >= MaxWmfRecords)
        return refuse(error, MetafileWords::tr("The metafile has more than %1 records.").arg(MaxWmfRecords));
    if (!complete)
        return refuse(error, MetafileWords::tr("The metafile is cut short or has a damaged record."));
    if (picture->m_records.isEmpty())
        return refuse(error, MetafileWords::tr("The metafile draws nothing."));
    picture->m_objectCount = header->objectCount;

    WmfPlayer player(picture->m_records, picture->m_objectCount);
    if (header->placeable) {
        picture->m_frame = QRectF(QPointF(header->left, header->top), QPointF(header->right, header->bottom)).normalized();
        picture->m_natural = QSize(twips(picture->m_frame.width(), header->unitsPerInch),
                                   twips(picture->m_frame.height(), header->unitsPerInch));
    } else if (const QRectF window = windowOf(picture->m_records); !window.isEmpty()) {
        picture->m_frame = window;
        picture->m_natural = QSize(twips(window.width(), 96), twips(window.height(), 96));
    } else {
        picture->m_frame = player.drawingBounds();
        picture->m_frameFromBounds = true;
        picture->m_natural = QSize(int(std::lround(picture->m_frame.width() * TwipsPerPixel)),
                                   int(std::lround(picture->m_frame.height() * TwipsPerPixel)));
    }
    if (picture->m_frame.isEmpty() || picture->m_natural.isEmpty())
        return refuse(error, MetafileWords::tr("The metafile has no size."));

    // The work at the largest size a page draws it: the natural shape fitted into the frame.
    const QSizeF largest = QSizeF(picture->m_natural).scaled(QSizeF(LargestFrameTwips), Qt::KeepAspectRatio)
                           * (LargestFrameDpi / 1440.0);
    player.setFrameIsDrawingBounds(picture->m_frameFromBounds);
    picture->m_work = player.measure(largest.expandedTo(QSizeF(1, 1)), LargestFrameDpi, picture->m_frame, budget);
    if (const std::optional<QString> over = budget.exceededBy(picture->m_work))
        return refuse(error, *over);
    return picture;
}

void MetafilePicture::replay(QPainter &painter, const QRectF &target) const
{
    ++m_replays;
    WmfPlayer player(m_records, m_objectCount);
    player.setFrameIsDrawingBounds(m_frameFromBounds);
    // Checked at load against the largest frame; a caller drawing it larger gets it whole.
    player.play(painter, target, m_frame, WmfBudget::memoryOnly());
}

QImage MetafilePicture::rendering(QPainter &painter, const QRectF &target, QRectF *onDevice) const
{
    QPaintDevice *device = painter.device();
    if (!device || device->devType() != QInternal::Image || !axisAligned(painter.worldTransform()))
        return {};
    *onDevice = painter.worldTransform().mapRect(target);
    const QSize pixels = onDevice->size().toSize();
    if (pixels.isEmpty())
        return {};
    const int dotsPerMetreX = int(std::lround(device->logicalDpiX() / 0.0254));
    const int dotsPerMetreY = int(std::lround(device->logicalDpiY() / 0.0254));
    {
        const std::lock_guard lock(m_cacheMutex);
        if (m_cache.size() == pixels && m_cache.dotsPerMeterX() == dotsPerMetreX && m_cache.dotsPerMeterY() == dotsPerMetreY)
            return m_cache;
    }
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    image.setDotsPerMeterX(dotsPerMetreX);
    image.setDotsPerMeterY(dotsPerMetreY);
    {
        QPainter onImage(&image);
        replay(onImage, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    const std::lock_guard lock(m_cacheMutex);
    m_cache = image;
    return image;
}

void MetafilePicture::draw(QPainter &painter, const QRectF &target) const
{
    if (target.isEmpty())
        return;
    QRectF onDevice;
    const QImage cached = rendering(painter, target, &onDevice);
    if (cached.isNull()) {
        replay(painter, target);
        return;
    }
    painter.save();
    painter.setWorldTransform(QTransform());
    painter.drawImage(QPointF(std::round(onDevice.left()), std::round(onDevice.top())), cached);
    painter.restore();
}
