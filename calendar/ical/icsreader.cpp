#include "calendar/ical/icsreader.h"

#include <QFileInfo>

std::shared_ptr<const IcsReadResult> IcsReader::read(const QString &path, int year)
{
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
