#pragma once

#include "calendar/ical/icsreader.h"
#include "sources/fetchcache.h"
#include "sources/httpsession.h"

class CredentialSource;

// Fetches calendar addresses for the IcsReader: an iCalendar file by GET, a CalDAV collection
// by a calendar-query REPORT for the days asked for. Every answer is kept in the cache; the
// next fetch asks the server whether it changed (If-None-Match / If-Modified-Since, a
// collection's getctag or sync-token) and takes the copy when it did not. When the server
// cannot give the calendar, the copy is used and a warning says from when and why; without a
// copy the address marks nothing, with the reason. Messages name the address without user
// info and never hold a password.
class NetworkFetcher : public CalendarFetcher
{
public:
    // `credentials` may be null; both must outlive the fetcher.
    NetworkFetcher(NetworkOptions options, CredentialSource *credentials);

    FetchedCalendar fetch(const QString &address, std::chrono::sys_days from, std::chrono::sys_days to) override;

private:
    NetworkOptions m_options;
    CredentialSource *m_credentials;
    FetchCache m_cache;
};
