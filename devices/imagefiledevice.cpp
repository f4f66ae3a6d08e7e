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
    ImageJob(const QString &path, double dpi) : m_path(path), m_dpi(dpi) {}

    PageSurface &page() override { return surface(); }
    bool applyDeviceRule() override { return false; }

    std::optional<QString> setPaper(Paper paper, const QSizeF &pageTwips) override
    {
        // The image takes its size when the page is first used.
        Q_ASSERT(!m_surface);
        m_paper = paper;
        if (pageSizeOf(paper))
            m_fit = pageTwips;
        return std::nullopt;
    }

    void send() override
    {
        surface().endDocument();
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
    // The printable area of the paper, as the PDF device has it, drawn on at m_dpi.
    QPainterPageSurface &surface()
    {
        if (!m_surface) {
            m_image = blankPageImage(pdfPageLayout(m_paper).paintRect(QPageLayout::Inch).size(), m_dpi);
            if (m_image.isNull())
                throw UserError(QStringLiteral("There is not enough memory for the page image . . ."));
            m_surface = std::make_unique<QPainterPageSurface>(m_image, QStringLiteral("PNG file"));
            if (m_fit)
                m_surface->fitPage(*m_fit);
        }
        return *m_surface;
    }

    QString m_path;
    double m_dpi;
    Paper m_paper = Paper::AsPrinter;
    std::optional<QSizeF> m_fit;
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
