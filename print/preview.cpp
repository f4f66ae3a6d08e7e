#include "print/preview.h"

#include "devices/pdfdevice.h"
#include "layout/datelistsink.h"
#include "platform/usererror.h"
#include "print/composepage.h"
#include "render/pageimage.h"
#include "render/qpainterpagesurface.h"

QImage renderPreview(const CalendarState &state, double dpi)
{
    QImage image = blankPageImage(pdfPageLayout().paintRect(QPageLayout::Inch).size(), dpi);
    if (image.isNull())
        throw UserError(QStringLiteral("There is not enough memory for the page image . . ."));
    {
        QPainterPageSurface surface(image, QStringLiteral("Preview"));
        NullDateListSink noList;
        composePage(state, surface, noList);
        surface.endDocument();
    }
    return image;
}
