#pragma once

#include <QDateTime>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

struct HolidayRule;

// One public holiday, or the day off it moves to, as the law names it.
struct HolidayDay
{
    std::chrono::year_month_day date;
    QString name;

    bool operator==(const HolidayDay &) const = default;
};

// The first and last year holidays are computed for. Years outside give an error.
inline constexpr int FirstHolidayYear = 1;
inline constexpr int LastHolidayYear = 9999;

// One parsed country file: the country's holidays and those of its regions. Immutable after
// loading, so one instance may be shared between threads.
class HolidayCountry
{
public:
    struct Region
    {
        QString code;                 // "DE" for the country itself, "DE-BY" for a region
        QString name;                 // English: "Germany", "Bavaria"
        QStringList sources;          // the laws or pages the dates come from
        std::vector<int> ruleIndexes; // into m_rules, in file order
    };

    HolidayCountry(std::vector<Region> regions, std::vector<HolidayRule> rules);
    ~HolidayCountry();
    HolidayCountry(const HolidayCountry &) = delete;
    HolidayCountry &operator=(const HolidayCountry &) = delete;

    // The country's code ("DE") and English name.
    const QString &code() const;
    const QString &name() const;
    // The country first, then its regions in file order: code and English name.
    std::vector<std::pair<QString, QString>> regions() const;
    // The English name of `code` (the country's or a region's), nullopt when not defined here.
    std::optional<QString> regionName(const QString &code) const;
    // The sources named for `code`: the region's own, then the country's.
    QStringList sources(const QString &code) const;
    // The holidays of `code` in `year` (FirstHolidayYear..LastHolidayYear), sorted by date,
    // with the days off moved into `year` from the years before and after. nullopt for a
    // code this country does not define.
    std::optional<std::vector<HolidayDay>> holidays(const QString &code, int year) const;

private:
    const Region *findRegion(const QString &code) const;

    std::vector<Region> m_regions;   // [0] is the country
    std::vector<HolidayRule> m_rules;
};

struct HolidayLoadResult
{
    std::shared_ptr<const HolidayCountry> country;  // null when the file is broken
    QString error;                                   // "DE.txt, line 12: ...", empty on success
};

// Parses the text of a country file; `fileName` names it in messages.
HolidayLoadResult parseHolidayFile(const QString &text, const QString &fileName);

// Reads and parses a country file: a regular file of at most 1 MiB of UTF-8 text.
HolidayLoadResult loadHolidayFile(const QString &path);

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
    explicit HolidayCatalog(QStringList searchPath = holidaySearchPath());

    // Every region the files on the search path define, countries with their regions after
    // them, by country code: code and English name.
    std::vector<std::pair<QString, QString>> regions() const;
    // The English name of a country or region; nullopt when no file defines it.
    std::optional<QString> regionName(const QString &code) const;
    // The holidays of `region` in `year` (1..9999), sorted by date; or the reason there are
    // none: an unknown region, a year out of range, an unreadable or broken file.
    std::variant<std::vector<HolidayDay>, QString> holidays(const QString &region, int year) const;

private:
    struct CachedFile
    {
        QDateTime modified;
        qint64 size = -1;
        HolidayLoadResult result;
    };

    // The path of the file named `fileName` that is first on the search path; empty if none.
    QString findFile(const QString &fileName) const;
    HolidayLoadResult load(const QString &path) const;

    QStringList m_searchPath;
    mutable QMutex m_mutex;
    mutable std::map<QString, CachedFile> m_cache;  // by path
};

// The label a HOL rule gets when it names none: "Public holidays (Bavaria)".
QString defaultHolidayLabel(const QString &regionName);

// The catalog on the usual search path, shared by everything that marks holidays.
HolidayCatalog &sharedHolidayCatalog();
