#pragma once

#include "calendar/holidays/holidaycountry.h"
#include "calendar/holidays/holidayfile.h"

#include <QDateTime>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <map>
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

    // Every region the files on the search path define, countries with their regions after
    // them, by country code: code and English name.
    std::vector<std::pair<QString, QString>> regions() const;
    // The English name of a country or region; nullopt when no file defines it.
    std::optional<QString> regionName(const QString &code) const;
    // The holidays of `region` in `year` (1..9999), sorted by date; or the reason there are
    // none: an unknown region, a year out of range, an unreadable or broken file. The note
    // names the user's own file when one is used.
    HolidayList holidays(const QString &region, int year) const;

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

    QStringList m_searchPath;
    mutable QMutex m_mutex;
    mutable std::map<QString, CachedFile> m_cache;  // by path
};

// The label a HOL rule gets when it names none: "Public holidays (Bavaria)".
QString defaultHolidayLabel(const QString &regionName);
