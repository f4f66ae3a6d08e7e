#include "print/preview.h"

#include "devices/pdfdevice.h"
#include "calendar/datelistsink.h"
#include "platform/usererror.h"
#include "page/composepage.h"
#include "render/pageimage.h"
#include "render/qpainterpagesurface.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

// Why the preview cannot be drawn, in the user's language.
struct PreviewWords
{
    Q_DECLARE_TR_FUNCTIONS(Preview)
};

// The sheet's edge and the printable area's outline, light enough not to pass for the page.
const QColor SheetEdge(0x9a, 0x9f, 0xa8);
const QColor PrintableOutline(0xc8, 0xcc, 0xd2);

} // namespace

QSizeF previewPaperInches(const CalendarState &state)
{
    return pdfPageLayout(state.page.paper).fullRect(QPageLayout::Inch).size();
}

namespace {

// Where the page's printable area lies on the preview image, in its pixels.
QRectF previewPrintableArea(const QPageLayout &layout, double dpi)
{
    const QRectF inches = layout.paintRect(QPageLayout::Inch);
    return QRectF(inches.x() * dpi, inches.y() * dpi, inches.width() * dpi, inches.height() * dpi);
}

} // namespace

QPointF previewPixelToPageTwips(const CalendarState &state, double dpi, QPointF pixel)
{
    const QRectF printable = previewPrintableArea(pdfPageLayout(state.page.paper), dpi);
    const FittedPage fitted = state.page.paper != Paper::AsPrinter
                                  ? fitPageInArea(printable, QSizeF(PageLayout::PageWidth, PageLayout::PageHeight), dpi, dpi)
                                  : FittedPage{printable.topLeft(), 1};
    return (pixel - fitted.origin) * TwipsPerInch / (dpi * fitted.scale);
}

QImage renderPreview(const CalendarState &state, double dpi)
{
    const QPageLayout layout = pdfPageLayout(state.page.paper);
    QImage image = blankPageImage(layout.fullRect(QPageLayout::Inch).size(), dpi);
    if (image.isNull())
        throw UserError(PreviewWords::tr("There is not enough memory for the page image . . ."));
    const QRectF printable = previewPrintableArea(layout, dpi);
    {
        QPainter outline(&image);
        outline.setPen(QPen(SheetEdge, 1));
        outline.drawRect(QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        outline.setPen(QPen(PrintableOutline, 1, Qt::DashLine));
        outline.drawRect(printable);
    }
    {
        QPainterPageSurface surface(image, QStringLiteral("Preview"));
        surface.setPrintableArea(printable);
        if (state.page.paper != Paper::AsPrinter)
            surface.fitPage(QSizeF(PageLayout::PageWidth, PageLayout::PageHeight));
        NullDateListSink noList;
        composePage(state, surface, noList);
        surface.endDocument();
    }
    return image;
}
