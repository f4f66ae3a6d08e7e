#pragma once

#include "calendar/holidays/holidays.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

// The holiday files this source tree ships, read with no folder of the user's before them.
inline const QString ShippedFolder = QStringLiteral(LUNARIA_SOURCE_DIR "/data/holidays");

inline const HolidayCatalog &shipped()
{
    static const HolidayCatalog catalog({QString(), ShippedFolder});
    return catalog;
}

// "MM-DD Name; MM-DD Name", the way the tables of published days are written.
inline QString listText(const std::vector<HolidayDay> &days)
{
    QStringList items;
    for (const HolidayDay &day : days)
        items.append(QStringLiteral("%1-%2 %3")
                         .arg(unsigned(day.date.month()), 2, 10, QLatin1Char('0'))
                         .arg(unsigned(day.date.day()), 2, 10, QLatin1Char('0'))
                         .arg(day.name));
    return items.join(QStringLiteral("; "));
}

// One published day of one region and year, or a day the law does not give there.
struct PublishedDay
{
    const char *region;
    int year;
    const char *day;     // "MM-DD Name" when kept; a name when not
    bool kept;
    const char *source;  // where the row was checked
};

// Each table of published days is run through this one test (holidaydata_test.cpp).
class ShippedDay : public testing::TestWithParam<PublishedDay>
{
};

inline std::string publishedDayName(const testing::TestParamInfo<PublishedDay> &info)
{
    return QStringLiteral("%1_%2_%3")
        .arg(QString::fromLatin1(info.param.region))
        .arg(info.param.year)
        .arg(info.index)
        .replace(QLatin1Char('-'), QLatin1Char('_'))
        .toStdString();
}
