#include "sources/fetchcache.h"

#include "calendar/ical/icalendar.h"
#include "platform/regularfile.h"
#include "platform/savefile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace {

// The JSON beside a copy holds a few headers.
constexpr qint64 MaxMetadataBytes = 64 * 1024;

} // namespace

FetchCache::FetchCache(QString folder) : m_folder(std::move(folder)) {}

QString FetchCache::defaultFolder()
{
    // Not CacheLocation itself: it follows the application name, which is "lunaria" on the
    // command line and "Lunaria" in the window, and both must find the same copies.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return base.isEmpty() ? QString() : base + QLatin1String("/lunaria/calendars");
}

QString FetchCache::pathOf(const QString &key, const char *extension) const
{
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return m_folder + QLatin1Char('/') + QString::fromLatin1(hash) + QLatin1String(extension);
}

std::optional<CachedCalendar> FetchCache::load(const QString &key) const
{
    if (m_folder.isEmpty())
        return std::nullopt;
    const RegularFileBytes metadata = readRegularFile(pathOf(key, ".json"), MaxMetadataBytes);
    const RegularFileBytes bytes = readRegularFile(pathOf(key, ".ics"), MaxIcsFileBytes);
    if (!metadata.ok() || !bytes.ok())
        return std::nullopt;
    const QJsonObject json = QJsonDocument::fromJson(metadata.bytes).object();
    // Two keys of one hash would be a collision; a copy for another key is no copy of this one.
    if (json.value(QLatin1String("key")).toString() != key)
        return std::nullopt;
    CachedCalendar cached;
    cached.bytes = bytes.bytes;
    cached.etag = json.value(QLatin1String("etag")).toString().toLatin1();
    cached.lastModified = json.value(QLatin1String("lastModified")).toString().toLatin1();
    cached.collectionTag = json.value(QLatin1String("collectionTag")).toString().toUtf8();
    cached.fetched = QDateTime::fromString(json.value(QLatin1String("fetched")).toString(), Qt::ISODate);
    if (!cached.fetched.isValid())
        return std::nullopt;
    return cached;
}

std::optional<QString> FetchCache::store(const QString &key, const CachedCalendar &calendar) const
{
    if (m_folder.isEmpty())
        return std::nullopt;
    if (!QDir().mkpath(m_folder))
        return QCoreApplication::translate("FetchCache", "cannot make the folder %1").arg(m_folder);
    QJsonObject json;
    json.insert(QLatin1String("key"), key);
    json.insert(QLatin1String("etag"), QString::fromLatin1(calendar.etag));
    json.insert(QLatin1String("lastModified"), QString::fromLatin1(calendar.lastModified));
    json.insert(QLatin1String("collectionTag"), QString::fromUtf8(calendar.collectionTag));
    json.insert(QLatin1String("fetched"), calendar.fetched.toUTC().toString(Qt::ISODate));
    if (std::optional<QString> problem = writeFileAtomically(pathOf(key, ".ics"), calendar.bytes))
        return problem;
    return writeFileAtomically(pathOf(key, ".json"), QJsonDocument(json).toJson(QJsonDocument::Compact));
}
