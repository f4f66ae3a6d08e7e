#pragma once

#include "calendar/ical/icalendar.h"

#include <QDateTime>
#include <QMutex>
#include <QString>

#include <map>
#include <memory>
#include <utility>

// Reads .ics files for the marking rules and keeps what it read while a file is unchanged:
// the marks are worked out again at every keystroke in the year box, and a large file takes
// tens of milliseconds. One per program run, shared by the window and the command line;
// tests make their own. Safe to use from several threads.
class IcsReader
{
public:
    // The days of `year` the file at `path` marks (readIcsDays). Shared, not copied: a file
    // may mark up to a million days.
    std::shared_ptr<const IcsReadResult> read(const QString &path, int year);

private:
    struct Entry
    {
        QDateTime modified;
        qint64 size = -1;
        std::shared_ptr<const IcsReadResult> result;
    };
    // Files of a few years of several calendars; beyond that the oldest reads go.
    static constexpr size_t MaxEntries = 32;

    QMutex m_mutex;
    std::map<std::pair<QString, int>, Entry> m_cache;
};
