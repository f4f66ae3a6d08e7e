#include "layout/markcolour.h"

#include "platform/usererror.h"

QRgb markColour(const CalendarState &state, int category)
{
    if (category < 0 || category >= MarkCategories)
        throw UserError(QStringLiteral("Mark category %1 is outside 0 to 4").arg(category));
    const auto &rgb = state.MarkColors[size_t(category)];
    return qRgb(qBound(0, int(rgb[0]), 255), qBound(0, int(rgb[1]), 255), qBound(0, int(rgb[2]), 255));
}
