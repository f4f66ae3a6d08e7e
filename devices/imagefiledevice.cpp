#include "devices/imagefiledevice.h"

#include "devices/paper.h"
#include "devices/pdfdevice.h"
#include "devices/filejob.h"
#include "platform/usererror.h"
#include "render/pageimage.h"
#include "render/qpainterpagesurface.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageWriter>

namespace {

// Why the page cannot be written as a picture, in the user's language.
struct ImageFileWords
{
    Q_DECLARE_TR_FUNCTIONS(Devices)
};

class ImageJob : public FileJob
{
public:
    ImageJob(const QString &path, double dpi) : FileJob(path, ImageFileWords::tr("The picture file \"%1\" cannot be written (%2) . . .")), m_dpi(dpi) {}

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
        // Encoded in memory, then written in one checked piece: libpng's own write errors
        // would reach the user as "libpng error" without the file or the reason.
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        if (!writer.write(m_image))
            throw cannotWrite(ImageFileWords::tr("the page cannot be encoded as PNG: %1").arg(writer.errorString()));
        m_image = QImage();
        writePage(png);
    }

private:
    // The printable area of the paper, as the PDF device has it, drawn on at m_dpi.
    QPainterPageSurface &surface()
    {
        if (!m_surface) {
            m_image = blankPageImage(pdfPageLayout(m_paper).paintRect(QPageLayout::Inch).size(), m_dpi);
            if (m_image.isNull())
                throw UserError(ImageFileWords::tr("There is not enough memory for the page image . . ."));
            m_surface = std::make_unique<QPainterPageSurface>(m_image, QStringLiteral("PNG file"));
            if (m_fit)
                m_surface->fitPage(*m_fit);
        }
        return *m_surface;
    }

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
        throw UserError(ImageFileWords::tr("There is no device number %1 . . .").arg(index + 1));
}

std::unique_ptr<OutputJob> ImageFileDevice::openJob()
{
    return std::make_unique<ImageJob>(m_path, m_dpi);
}
