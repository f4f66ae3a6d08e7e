#include "print/pictureacceptance.h"

#include "platform/messages.h"
#include "platform/numbers.h"
#include "platform/pagesurface.h"
#include "platform/picture.h"
#include "platform/pictureloader.h"

#include <array>

namespace {

struct Frame
{
    double width;
    double height;
};

Frame frameFor(int PicSize)
{
    return PicSize == 0 ? Frame{3900, 3500} : Frame{11160, 3000};
}

} // namespace

void AcceptPicture(CalendarState &state, MessageService &messages)
{
    const QString &name = state.strSelectedFile;
    state.binFileOK = false;
    if (name.size() < 2)
        return;

    // Deliberately case-sensitive and on the last three characters only: "x.JPG", "x.jpeg"
    // and "x.jpg " are all refused.
    static const std::array<QString, 4> accepted = {
        QStringLiteral("gif"), QStringLiteral("bmp"), QStringLiteral("wmf"), QStringLiteral("jpg")};
    const QString extension = name.right(3);
    for (const QString &candidate : accepted) {
        if (extension == candidate) {
            state.binFileOK = true;
            break;
        }
    }

    if (!state.binFileOK) {
        messages.show(QStringLiteral("Select a .gif, .bmp, .wmf OR .jpg file.") + QLatin1Char('\n')
                          + QStringLiteral("Try again . . ."),
                      applicationTitle());
        return;
    }

    // An unreadable picture is ignored quietly; the picture loaded before stays.
    std::shared_ptr<const Picture> picture = loadPicture(name);
    if (!picture)
        return;
    state.picTemp = std::move(picture);
    state.binSelPic = true;
}

void PlaceGraphic(const CalendarState &state, PageSurface &surface, qint16 leftM, qint16 topM, int PicSize)
{
    if (!state.picTemp)
        return;
    const QSize natural = state.picTemp->naturalSizeTwips();
    const double pw = natural.width();
    const double ph = natural.height();
    // A picture without area has no aspect to keep; drawing it would divide by zero.
    if (pw <= 0 || ph <= 0)
        return;

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
    surface.drawPicture(*state.picTemp, x, y, W, H);
}
