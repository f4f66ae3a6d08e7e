#include "platform/localedates.h"

#include <QLocale>

QString monthName(int month)
{
    // The stand-alone form is the one a heading takes; in languages that inflect month
    // names it differs from the form used inside a date.
    QString name = QLocale().standaloneMonthName(month, QLocale::LongFormat);
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return name;
}
