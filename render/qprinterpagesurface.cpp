// The printer side of a painted page, the one part of rendering that needs Qt's print support.
#include "render/qpainterpagesurface.h"

#include <QPageLayout>
#include <QPrinter>

namespace {

class QPrinterSide : public PrinterSide
{
public:
    explicit QPrinterSide(QPrinter &printer) : m_printer(printer) {}
    QRectF printableArea() const override
    {
        const QRectF paint = m_printer.pageLayout().paintRectPixels(m_printer.resolution());
        return QRectF(m_printer.fullPage() ? paint.topLeft() : QPointF(), paint.size());
    }
    void setCopyCount(int copies) override { m_printer.setCopyCount(copies); }
    void abort() override { m_printer.abort(); }
    bool failed() const override { return m_printer.printerState() == QPrinter::Error; }

private:
    QPrinter &m_printer;
};

} // namespace

QPainterPageSurface::QPainterPageSurface(QPrinter &printer, QString deviceName)
    : QPainterPageSurface(printer, std::make_unique<QPrinterSide>(printer), std::move(deviceName))
{
}
