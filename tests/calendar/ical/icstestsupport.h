#pragma once

// Shared by the iCalendar reader and writer tests.

#include "calendar/ical/icalendar.h"
#include "tests/support/scopedtimezone.h"
#include "tests/support/tables.h"
#include "tests/support/testfiles.h"

#include <QString>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

// A calendar around `body`, its lines ended by CR LF as the standard has them.
inline QByteArray calendar(const QByteArray &body)
{
    QByteArray text = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Lunaria tests//EN\n" + body + "END:VCALENDAR\n";
    return text.replace("\n", "\r\n");
}

// One VEVENT of the given properties (lines without their end).
inline QByteArray event(const QByteArray &properties, const QByteArray &uid = "a")
{
    return "BEGIN:VEVENT\nUID:" + uid + "\n" + properties + "\nEND:VEVENT\n";
}

inline std::string isoDate(std::chrono::year_month_day date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()), unsigned(date.month()), unsigned(date.day()));
    return text;
}

// "yyyy-mm-dd Summary" of every day of a result, or its error.
inline std::vector<std::string> entriesOf(const IcsReadResult &result)
{
    if (!result.ok)
        return {"refused: " + result.error.toStdString()};
    std::vector<std::string> entries;
    for (const IcsDay &day : result.days)
        entries.push_back(isoDate(day.date) + " " + day.summary.toStdString());
    return entries;
}

// The days of a result as "yyyy-mm-dd yyyy-mm-dd ...", or its error.
inline std::string daysOf(const IcsReadResult &result)
{
    std::string text;
    for (const std::string &entry : entriesOf(result))
        text += (text.empty() ? "" : " ") + (result.ok ? entry.substr(0, 10) : entry);
    return text;
}

inline std::string daysOf(const QByteArray &body, const char *zone = "UTC", int year = 2024)
{
    const ScopedTimeZone timeZone(zone);
    return daysOf(parseIcsDays(calendar(body), QStringLiteral("test.ics"), year));
}

inline QString sourcePath(const char *relative)
{
    return QStringLiteral(LUNARIA_SOURCE_DIR "/") + QLatin1String(relative);
}

template <typename Row> inline std::string rowName(const ::testing::TestParamInfo<Row> &info)
{
    return info.param.name;
}

// The sections of tests/data/ics/<name>: the rest of each "=== " line, and the lines after
// it that are neither blank nor comments ("#").
inline std::vector<std::pair<QByteArray, QList<QByteArray>>> sectionsOf(const char *name)
{
    std::vector<std::pair<QByteArray, QList<QByteArray>>> sections;
    for (const TableSection &section : tableSections(QStringLiteral("ics/") + QLatin1String(name))) {
        sections.push_back({section.name.toUtf8(), {}});
        for (const QString &line : section.lines)
            if (!isTableNote(line))
                sections.back().second << line.toUtf8();
    }
    return sections;
}
