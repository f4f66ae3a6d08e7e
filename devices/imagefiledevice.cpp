#include "devices/imagefiledevice.h"

#include "devices/pdfdevice.h"
#include "platform/savefile.h"
#include "platform/usererror.h"
#include "render/pageimage.h"
#include "render/qpainterpagesurface.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageWriter>

namespace {

class ImageJob : public OutputJob
{
public:
    ImageJob(const QString &path, double dpi) : m_file(path)
    {
        if (const std::optional<QString> problem = m_file.open())
            throw cannotWrite(*problem);
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
        // Encoded in memory, then written in one checked piece: libpng's own write errors
        // would reach the user as "libpng error" without the file or the reason.
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        if (!writer.write(m_image))
            throw cannotWrite(QStringLiteral("the page cannot be encoded as PNG: %1").arg(writer.errorString()));
        m_image = QImage();
        if (const std::optional<QString> problem = m_file.write(png))
            throw cannotWrite(*problem);
    }

    void commit() override
    {
        if (const std::optional<QString> problem = m_file.commit())
            throw cannotWrite(*problem);
    }

private:
    UserError cannotWrite(const QString &reason) const
    {
        return UserError(QStringLiteral("The picture file \"%1\" cannot be written (%2) . . .")
                             .arg(QDir::toNativeSeparators(m_file.path()), reason));
    }

    SaveFile m_file;
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
