#pragma once

#include "calendar/holidays/holidaycountry.h"
#include "calendar/holidays/holidayfile.h"

#include <QDateTime>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// The holidays of one region in one year, or why there are none.
struct HolidayList
{
    std::vector<HolidayDay> days;  // sorted by date
    QString error;                 // empty when the days could be worked out
    // Said once alongside the days where the user's own file stands in for the shipped one:
    // "using your own holiday list ~/.local/share/lunaria/holidays/DE.txt".
    QString note;
    // What the days lack, said beside them: decreed days a file lists up to an earlier year only.
    QStringList warnings;

    bool ok() const { return error.isEmpty(); }
};

// The folders holiday files are looked for in, first match first: the user's
// ($XDG_DATA_HOME or ~/.local/share)/lunaria/holidays, each of the system's data folders'
// lunaria/holidays, the installed program's ../share/lunaria/holidays, then the source
// tree's data/holidays, so a program run from its build folder finds them.
QStringList holidaySearchPath();

// Finds country files on a search path (a user's file of the same name replaces a shipped
// one) and keeps each parsed file until its size or modification time changes.
class HolidayCatalog
{
public:
    // The first folder of `searchPath` is the user's own: a file found there is said to stand
    // in for the shipped one (HolidayList::note). An empty first entry means there is none.
    explicit HolidayCatalog(QStringList searchPath = holidaySearchPath());

    // `language` below is a locale name or ISO 639-1 code ("de_DE", "fr"), the desktop's when
    // empty. A name the files do not give in it is in the country's main language, else English.

    // Every region the files on the search path define, countries with their regions after
    // them, by country code: code and name in `language`.
    std::vector<std::pair<QString, QString>> regions(const QString &language = QString()) const;
    // The regions whose code, or any word of any of their names in any language, begins with
    // `query`, in the order of regions(), named in `language`. Case and accents do not count
    // ("bavi", "Bay", "de-by" find DE-BY); an empty query finds every region.
    std::vector<std::pair<QString, QString>> findRegions(const QString &query, const QString &language = QString()) const;
    // The name of a country or region in `language`; nullopt when no file defines it.
    std::optional<QString> regionName(const QString &code, const QString &language = QString()) const;
    // The holidays of `region` in `year` (1..9999), sorted by date and named in `language`; or
    // the reason there are none: an unknown region, a year out of range, an unreadable or
    // broken file. The note names the user's own file when one is used.
    HolidayList holidays(const QString &region, int year, const QString &language = QString()) const;

private:
    struct CachedFile
    {
        QDateTime modified;
        qint64 size = -1;
        HolidayLoadResult result;
    };

    // The path of the file named `fileName` that is first on the search path, from
    // `firstFolder` on; empty if none. A name that is there but cannot be followed (a loop of
    // symbolic links, a link to nothing) counts as found, so that its fault is reported
    // rather than the next folder's file used without a word.
    QString findFile(const QString &fileName, qsizetype firstFolder = 0) const;
    // "using your own holiday list ..." when `path` is in the user's folder; else empty.
    QString userFileNote(const QString &path, const QString &fileName) const;
    HolidayLoadResult load(const QString &path) const;
    // The readable country files on the search path, by country code; broken ones left out.
    std::vector<std::shared_ptr<const HolidayCountry>> countries() const;
    // The country file that defines `code`'s country, or null.
    std::shared_ptr<const HolidayCountry> countryOf(const QString &code) const;

    QStringList m_searchPath;
    mutable QMutex m_mutex;
    mutable std::map<QString, CachedFile> m_cache;  // by path
};

// The label a HOL rule gets when it names none, in `language` (the desktop's when empty):
// "Public holidays (Bavaria)", "Feiertage (Bayern)". The words come from a table here rather
// than from the user's translation, so that a German page says them in German on any desktop.
QString defaultHolidayLabel(const QString &regionName, const QString &language = QString());
