#pragma once

#include "calendar/ical/icalendar.h"

#include <QByteArray>
#include <QDateTime>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <chrono>
#include <map>
#include <memory>
#include <tuple>
#include <utility>

// Whether a rule's source names a calendar on the network rather than a file: it begins with
// https://, webcal://, http://, caldav+https:// or caldav+http:// (letters in any case).
bool isCalendarAddress(QStringView source);

// The bytes of a calendar that lives at an address, as a CalendarFetcher hands them over.
struct FetchedCalendar
{
    bool ok = false;
    QByteArray bytes;      // an iCalendar file (one VCALENDAR), at most MaxIcsFileBytes
    QString name;          // stands for the calendar in messages: its address without user info
    QString error;         // when !ok: the address and what went wrong
    QStringList warnings;  // what the user should know all the same ("... from 3 Dec 2026, server unreachable: ...")
};

// Where the bytes of a calendar address come from. The network code (sources/) implements it,
// so that this library reads what it is given and never opens a connection itself.
class CalendarFetcher
{
public:
    CalendarFetcher() = default;
    virtual ~CalendarFetcher() = default;
    Q_DISABLE_COPY_MOVE(CalendarFetcher)

    // The calendar at `address` with at least its events from `from` to `to` (both included,
    // UTC days): a CalDAV server is asked for those only, a published file comes whole. Called
    // from any thread; blocks until it has an answer or a reason.
    virtual FetchedCalendar fetch(const QString &address, std::chrono::sys_days from, std::chrono::sys_days to) = 0;
};

// Reads .ics files for the marking rules and keeps what it read while a file is unchanged:
// the marks are worked out again at every keystroke in the year box, and a large file takes
// tens of milliseconds. One per program run, shared by the window and the command line;
// tests make their own. Safe to use from several threads.
class IcsReader
{
public:
    IcsReader() = default;
    // Calendar addresses are fetched through `fetcher`, which must outlive the reader; without
    // one an address marks nothing, with a reason.
    explicit IcsReader(CalendarFetcher *fetcher) : m_fetcher(fetcher) {}
    Q_DISABLE_COPY_MOVE(IcsReader)

    // The days of `year` the file at `path` marks (readIcsDays), or the calendar at an address
    // (isCalendarAddress), fetched once a run for each year: what the fetcher had to say comes
    // first among the warnings. Shared, not copied: a file may mark up to a million days.
    std::shared_ptr<const IcsReadResult> read(const QString &path, int year);
    // The same for a page that shows only the days from `shownFrom` to `shownTo` of `year`
    // (August to December of a page from August to July): a CalDAV collection is asked for the
    // events of those days only. A file is read whole, as read(path, year) reads it.
    std::shared_ptr<const IcsReadResult> read(const QString &path, int year, std::chrono::sys_days shownFrom,
                                              std::chrono::sys_days shownTo);

    // Makes the next read of every address fetch it again (the window's "refresh").
    void forgetFetched();

private:
    std::shared_ptr<const IcsReadResult> readAddress(const QString &address, int year, std::chrono::sys_days from,
                                                     std::chrono::sys_days to);

    struct Entry
    {
        QDateTime modified;
        qint64 size = -1;
        std::shared_ptr<const IcsReadResult> result;
    };
    // Files of a few years of several calendars; beyond that the oldest reads go.
    static constexpr size_t MaxEntries = 32;

    CalendarFetcher *m_fetcher = nullptr;
    QMutex m_mutex;
    std::map<std::pair<QString, int>, Entry> m_cache;
    // By address, year and the days asked for (as day numbers).
    std::map<std::tuple<QString, int, int, int>, std::shared_ptr<const IcsReadResult>> m_fetched;
};
