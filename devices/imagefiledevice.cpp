#include "devices/imagefiledevice.h"

#include "devices/pdfdevice.h"
#include "platform/savefile.h"
#include "platform/usererror.h"
#include "render/pageimage.h"
#include "render/qpainterpagesurface.h"

#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

namespace {

class ImageJob : public OutputJob
{
public:
    ImageJob(const QString &path, double dpi) : m_path(path)
    {
        m_image = blankPageImage(pdfPageLayout().paintRect(QPageLayout::Inch).size(), dpi);
        if (m_image.isNull())
            throw UserError(QStringLiteral("There is not enough memory for the page image . . ."));
        m_surface = std::make_unique<QPainterPageSurface>(m_image, QStringLiteral("PNG file"));
    }

    PageSurface &page() override { return *m_surface; }
    bool applyDeviceRule() override { return false; }

    void send() override
    {
        m_surface->endDocument();
        QSaveFile file(m_path);
        QImageWriter writer(&file, "png");
        std::optional<QString> problem = openSaveFile(file);
        if (!problem && (!writer.write(m_image) || !file.commit()))
            problem = writer.error() != QImageWriter::UnknownError ? writer.errorString() : file.errorString();
        if (problem)
            throw UserError(QStringLiteral("The picture file \"%1\" cannot be written (%2) . . .")
                                .arg(QDir::toNativeSeparators(m_path), *problem));
    }

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
