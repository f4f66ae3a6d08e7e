#include "platform/imagejob.h"

#include "platform/forwardingjob.h"
#include "platform/qpainterpagesurface.h"
#include "platform/usererror.h"

#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QSaveFile>

#include <cmath>

namespace {

class ImageJob : public ForwardingJob
{
public:
    ImageJob(const QString &path, double dpi) : m_path(path)
    {
        const QRectF area = pdfPageLayout().paintRect(QPageLayout::Inch);
        m_image = QImage(int(std::lround(area.width() * dpi)), int(std::lround(area.height() * dpi)), QImage::Format_RGB32);
        if (m_image.isNull())
            throw UserError(QStringLiteral("There is not enough memory for the page image . . ."));
        m_image.fill(Qt::white);
        const int dotsPerMeter = int(std::lround(dpi / 0.0254));
        m_image.setDotsPerMeterX(dotsPerMeter);
        m_image.setDotsPerMeterY(dotsPerMeter);
        m_surface = std::make_unique<QPainterPageSurface>(m_image, QStringLiteral("PNG file"));
    }

    bool applyDeviceRule() override { return false; }

    void endDocument() override
    {
        m_surface->endDocument();
        QSaveFile file(m_path);
        QImageWriter writer(&file, "png");
        if (!file.open(QIODevice::WriteOnly) || !writer.write(m_image) || !file.commit()) {
            const QString reason = writer.error() != QImageWriter::UnknownError ? writer.errorString() : file.errorString();
            throw UserError(QStringLiteral("The picture file \"%1\" cannot be written (%2) . . .")
                                .arg(QDir::toNativeSeparators(m_path), reason));
        }
    }

protected:
    QPainterPageSurface &surface() const override { return *m_surface; }

private:
    QString m_path;
    QImage m_image;
    std::unique_ptr<QPainterPageSurface> m_surface; // ends before the image goes
};

} // namespace

void ImageFileDevice::setCurrent(int index)
{
    if (index != 0)
        throw UserError(QStringLiteral("There is no device number %1 . . .").arg(index + 1));
}

std::unique_ptr<OutputJob> ImageFileDevice::openJob()
{
    return std::make_unique<ImageJob>(m_path, m_dpi);
}
