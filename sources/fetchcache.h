#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// One fetched calendar as kept on disk, with what a server needs to say "unchanged".
struct CachedCalendar
{
    QByteArray bytes;
    QByteArray etag;          // ETag of the answer, empty when it had none
    QByteArray lastModified;  // Last-Modified of the answer, as sent
    QByteArray collectionTag; // a CalDAV collection's getctag or sync-token when it was read
    QDateTime fetched;        // when the server last gave or confirmed these bytes, UTC
};

// The copies of fetched calendars, one per key (an address, and for CalDAV the days asked
// for), in a folder of the user's cache (~/.cache/lunaria/calendars). Each copy is two files
// named by a hash of the key: the calendar and a small JSON of its headers, each written
// whole or not at all, the calendar first, so a copy read back is one the server gave.
class FetchCache
{
public:
    // `folder` made when the first copy is stored; an empty folder keeps nothing.
    explicit FetchCache(QString folder);
    // The user's cache folder for calendars: ~/.cache/lunaria/calendars ($XDG_CACHE_HOME when set).
    static QString defaultFolder();

    std::optional<CachedCalendar> load(const QString &key) const;
    // Keeps `calendar` for `key`; the reason when it could not be written.
    std::optional<QString> store(const QString &key, const CachedCalendar &calendar) const;

private:
    QString pathOf(const QString &key, const char *extension) const;

    QString m_folder;
};
