#include "devices/pdfdevice.h"

#include "devices/filejob.h"
#include "platform/usererror.h"
#include "render/qpainterpagesurface.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>

namespace {

// Why the page cannot be written as a PDF file, in the user's language.
struct PdfWords
{
    Q_DECLARE_TR_FUNCTIONS(Devices)
};

// The page is drawn into memory and written in one checked piece: Qt's PDF writer does not
// report failed writes, so a full disk would otherwise go unnoticed.
class PdfJob : public FileJob
{
public:
    explicit PdfJob(const QString &path)
        : FileJob(path, PdfWords::tr("The PDF file \"%1\" cannot be written (%2) . . ."))
    {
        m_buffer.open(QIODevice::WriteOnly);
        m_writer = std::make_unique<QPdfWriter>(&m_buffer);
        m_writer->setCreator(QStringLiteral("Lunaria"));
        m_writer->setTitle(QStringLiteral("Calendar"));
        m_writer->setPageLayout(pdfPageLayout());
    }

    PageSurface &page() override { return surface(); }
    bool applyDeviceRule() override { return wantsLongEdgeDuplex(PdfDeviceName); }

    std::optional<QString> setPaper(Paper paper, const QSizeF &pageTwips) override
    {
        // A PDF page takes its size when painting starts.
        Q_ASSERT(!m_surface);
        if (!pageSizeOf(paper))
            return std::nullopt;
        m_writer->setPageLayout(pdfPageLayout(paper));
        m_fit = pageTwips;
        return std::nullopt;
    }

    void send() override
    {
        surface().endDocument();
        writePage(m_buffer.data());
    }

private:
    QPainterPageSurface &surface()
    {
        if (!m_surface) {
            m_surface = std::make_unique<QPainterPageSurface>(*m_writer, PdfDeviceName);
            if (m_fit)
                m_surface->fitPage(*m_fit);
        }
        return *m_surface;
    }

    // Destroyed bottom up: the painter ends before its writer goes (and an unsent job's
    // temporary file, the base's, after both).
    QBuffer m_buffer;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainterPageSurface> m_surface;   // made when the page is first used
    std::optional<QSizeF> m_fit;                      // the page's size when scaled to the paper
};

} // namespace

QPageLayout pdfPageLayout(Paper paper)
{
    const bool us = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    const QPageSize size = pageSizeOf(paper).value_or(QPageSize(us ? QPageSize::Letter : QPageSize::A4));
    return QPageLayout(size, QPageLayout::Portrait,
                       QMarginsF(PdfMarginPoints, PdfMarginPoints, PdfMarginPoints, PdfMarginPoints),
                       QPageLayout::Point);
}

std::unique_ptr<OutputJob> openPdfJob(const QString &path)
{
    return std::make_unique<PdfJob>(path);
}

void PdfFileDevice::setCurrent(int index)
{
    if (index != 0)
        throw UserError(PdfWords::tr("There is no device number %1 . . .").arg(index + 1));
}
