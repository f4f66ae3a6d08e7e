#include "model/calendarstate.h"

namespace {
// The category colours as stored, nine digits each: red, green, blue in three digits.
// "042" is forty-two: the leading zeros are digits of the number, not separators.
constexpr const char *ColourDigits[] = {"152251152", "128128000", "255228181", "165042042", "175238238"};
}

QString defaultYearText(QDate today)
{
    return QStringLiteral("%1").arg(today.addDays(365).year(), 4, 10, QLatin1Char('0'));
}

CalendarState loadDefaults(QDate today)
{
    CalendarState s;
    s.strYearFont = QStringLiteral("Arial");
    s.strHeaderFont = QStringLiteral("Arial");
    s.strAddressFont = QStringLiteral("Times");
    s.strMessageFont = QStringLiteral("Arial");
    s.strCalendarFont = QStringLiteral("Arial");
    s.binSelPic = false;
    s.binSelPrt = false;
    s.txtYear = defaultYearText(today);
    for (int i = 0; i < 5; ++i)
        s.txtMessage[i] = QStringLiteral(" ");

    QString colours;
    for (const char *digits : ColourDigits)
        colours += QLatin1String(digits);
    for (int i = 0; i < MarkCategories; ++i) {
        s.MarkLegend[i][0] = QString::number(i);
        for (int c = 0; c < 3; ++c)
            s.MarkColors[i][c] = static_cast<qint16>(colours.mid(c * 3, 3).toInt());
        colours.remove(0, 9);
    }

    s.strListFile = QStringLiteral("MY_dl.txt");
    for (auto &month : s.DayMarks)
        month.fill(NoMark);
    s.MarkCount = 0;
    return s;
}
