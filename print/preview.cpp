#include "print/preview.h"

#include "layout/datelistsink.h"
#include "platform/printers.h"
#include "platform/qpainterpagesurface.h"
#include "print/composepage.h"

#include <cmath>

QImage renderPreview(const CalendarState &state, double dpi)
{
    const QRectF area = pdfPageLayout().paintRect(QPageLayout::Inch);
    QImage image(int(std::lround(area.width() * dpi)), int(std::lround(area.height() * dpi)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    {
        QPainterPageSurface surface(image, QStringLiteral("Preview"));
        NullDateListSink noList;
        composePage(state, surface, noList);
        surface.endDocument();
    }
    return image;
}
