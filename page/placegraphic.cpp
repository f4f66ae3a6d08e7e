#include "page/placegraphic.h"

#include "platform/numbers.h"
#include "render/pagesurface.h"
#include "render/picture.h"

namespace {

struct Frame
{
    double width;
    double height;
};

Frame frameFor(int PicSize)
{
    // Across the top, the width inside the calendar's triple frame: a panorama as wide as the
    // outer frame ran over the two inner lines.
    return PicSize == 0 ? Frame{3900, 3500} : Frame{11000, 3000};
}

} // namespace

std::optional<QRectF> graphicRect(const CalendarState &state, qint16 leftM, qint16 topM, int PicSize)
{
    if (!state.picTemp)
        return std::nullopt;
    const QSize natural = state.picTemp->naturalSizeTwips();
    const double pw = natural.width();
    const double ph = natural.height();
    // A picture without area has no aspect to keep; drawing it would divide by zero.
    if (pw <= 0 || ph <= 0)
        return std::nullopt;

    const Frame frame = frameFor(PicSize);
    const double W0 = frame.width;
    const double H0 = frame.height;
    double W = W0;
    double H = H0;
    const double a = ph / pw;
    const double rh = ph / H;
    const double rw = pw / W;
    if (rh > rw)
        W = H / a;
    else
        H = W * a;

    const qint16 x = toInt16(leftM + (W0 - W) / 2);
    const qint16 y = toInt16(topM + (H0 - H) / 2);
    return QRectF(x, y, W, H);
}

void PlaceGraphic(const CalendarState &state, PageSurface &surface, qint16 leftM, qint16 topM, int PicSize)
{
    if (const std::optional<QRectF> rect = graphicRect(state, leftM, topM, PicSize))
        surface.drawPicture(*state.picTemp, rect->x(), rect->y(), rect->width(), rect->height());
}
