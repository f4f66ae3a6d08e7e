#include "calendar/ical/icsreader.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

struct IcsReaderWords
{
    Q_DECLARE_TR_FUNCTIONS(IcsReader)
};

constexpr QLatin1StringView AddressSchemes[] = {QLatin1StringView("https://"), QLatin1StringView("webcal://"),
                                                QLatin1StringView("http://"), QLatin1StringView("caldav+https://"),
                                                QLatin1StringView("caldav+http://")};

} // namespace

bool isCalendarAddress(QStringView source)
{
    for (QLatin1StringView scheme : AddressSchemes) {
        if (source.startsWith(scheme, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

std::shared_ptr<const IcsReadResult> IcsReader::read(const QString &path, int year, std::chrono::sys_days shownFrom,
                                                     std::chrono::sys_days shownTo)
{
    if (isCalendarAddress(path))
        return readAddress(path, year, shownFrom, shownTo);
    return read(path, year);
}

std::shared_ptr<const IcsReadResult> IcsReader::read(const QString &path, int year)
{
    if (isCalendarAddress(path))
        return readAddress(path, year, std::chrono::sys_days::min(), std::chrono::sys_days::max());
    const QFileInfo info(path);
    const QDateTime modified = info.lastModified();
    const qint64 size = info.size();
    const auto key = std::pair{path, year};
    {
        const QMutexLocker lock(&m_mutex);
        const auto found = m_cache.find(key);
        if (found != m_cache.end() && found->second.modified == modified && found->second.size == size)
            return found->second.result;
    }
    // Read without the lock, so that a batch's threads read their files side by side.
    auto result = std::make_shared<const IcsReadResult>(readIcsDays(path, year));
    const QMutexLocker lock(&m_mutex);
    if (m_cache.size() >= MaxEntries)
        m_cache.clear();
    m_cache[key] = {modified, size, result};
    return result;
}

// An address is fetched once a run for each year, not at every keystroke: a server is not asked
// again until the user says so (forgetFetched).
std::shared_ptr<const IcsReadResult> IcsReader::readAddress(const QString &address, int year, std::chrono::sys_days from,
                                                            std::chrono::sys_days to)
{
    using namespace std::chrono;
    if (year >= 1 && year <= 9999) {
        from = std::max(from, sys_days{std::chrono::year{year} / January / 1});
        to = std::min(to, sys_days{std::chrono::year{year} / December / 31});
    } else {
        from = to = sys_days{};  // refused below whatever the days
    }
    const auto key = std::tuple{address, year, int(from.time_since_epoch().count()), int(to.time_since_epoch().count())};
    {
        const QMutexLocker lock(&m_mutex);
        const auto found = m_fetched.find(key);
        if (found != m_fetched.end())
            return found->second;
    }
    IcsReadResult result;
    if (!m_fetcher) {
        result.error = IcsReaderWords::tr("%1: calendars on the network cannot be read here").arg(address);
    } else if (year < 1 || year > 9999) {
        result = parseIcsDays({}, address, year);  // the reader's own words for a year out of range
    } else if (from > to) {
        result.ok = true;  // none of the days shown is in this year
    } else {
        // A local day may begin up to 14 hours before or after the same day in UTC, the time a
        // CalDAV server compares with.
        const FetchedCalendar fetched = m_fetcher->fetch(address, from - days{1}, to + days{1});
        if (!fetched.ok) {
            result.error = fetched.error;
        } else {
            result = parseIcsDays(fetched.bytes, fetched.name.isEmpty() ? address : fetched.name, year);
            QStringList warnings = fetched.warnings;
            warnings += result.warnings;
            result.warnings = warnings;
        }
    }
    auto shared = std::make_shared<const IcsReadResult>(std::move(result));
    const QMutexLocker lock(&m_mutex);
    if (m_fetched.size() >= MaxEntries)
        m_fetched.clear();
    m_fetched[key] = shared;
    return shared;
}

void IcsReader::forgetFetched()
{
    const QMutexLocker lock(&m_mutex);
    m_fetched.clear();
}
