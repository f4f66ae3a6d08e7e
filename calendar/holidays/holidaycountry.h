#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <map>
#include <optional>
#include <utility>
#include <vector>

struct HolidayRule;

// One public holiday, or the day off it moves to, as the law names it.
struct HolidayDay
{
    std::chrono::year_month_day date;
    QString name;
    bool dayOff = false;  // a day off a holiday moved to, not a holiday's own date

    bool operator==(const HolidayDay &) const = default;
};

// A day off the rules put on a day that another holiday or day off already holds (a US
// holiday kept on the Friday before, which is a state's holiday), or could not place at all.
struct HolidayClash
{
    std::chrono::year_month_day date;  // of the day off; of its holiday when there is none
    QString dayOff;                    // the day off's name
    QString holiday;                   // what holds the date already; empty: no free day was found
};

// The names of a country file in other languages than English, which stays the key.
struct HolidayNames
{
    QStringList languages;  // the country's own, ISO 639-1, the main one first; may be empty
    // By language ("de"), then by English name: "New Year's Day" -> "Neujahr".
    std::map<QString, std::map<QString, QString>> byLanguage;
    // A day off named by the observed-suffix, by its English name: the holiday's name and the
    // suffix, so that it is named in a language that has both ("Christmas Day (observed)").
    std::map<QString, std::pair<QString, QString>> composed;
};

// The days a government sets afresh each year (by decree, by gazette) that a file lists up to
// a year only: later years hold what the law fixes, and asking for one says so.
struct HolidayAnnouncedUntil
{
    int lastYear = 0;  // 0 when the file lists no such days
    QString what;      // English, a name the names blocks may translate: "the days the government sets each year by decree"
    // Days the file leaves out in every year ("not-listed"), said whenever it is asked:
    // "the days off the State Council joins to the holidays each year". Empty: none.
    QString notListed;
};

// "de_DE", "de-AT", "fr", "nb_NO" -> "de", "de", "fr", "nb"; "no" -> "nb", since the files
// name Norwegian by its written standard; "" for "C" or "". Never looks at the desktop.
QString holidayLanguage(const QString &localeName);

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

    HolidayCountry(std::vector<Region> regions, std::vector<HolidayRule> rules, HolidayNames names = {},
                   HolidayAnnouncedUntil announcedUntil = {});
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
    // The name of `code` in `language` (a locale name or ISO 639-1 code), falling back to the
    // country's main language and then English; nullopt when not defined here.
    std::optional<QString> regionName(const QString &code, const QString &language) const;
    // Every name the file gives `code`, in each language, English first.
    QStringList regionNames(const QString &code) const;
    // Up to which year the file lists the days its government sets each year.
    const HolidayAnnouncedUntil &announcedUntil() const;
    // The country's own languages, the main one first.
    const QStringList &languages() const;
    // `english`, a name this file uses, in `language`: its translation there, else in the
    // country's main language, else `english` itself.
    QString localName(const QString &english, const QString &language) const;
    // The sources named for `code`: the region's own, then the country's.
    QStringList sources(const QString &code) const;
    // The holidays of `code` in `year` (FirstHolidayYear..LastHolidayYear), sorted by date,
    // with the days off moved into `year` from the years before and after. nullopt for a
    // code this country does not define. The days off of `year` that share their date with
    // another holiday or day off, or found no free day, are added to `clashes` when given.
    std::optional<std::vector<HolidayDay>> holidays(const QString &code, int year, std::vector<HolidayClash> *clashes = nullptr) const;
    // The same, named in `language` as localName() names them.
    std::optional<std::vector<HolidayDay>> holidays(const QString &code, int year, const QString &language,
                                                    std::vector<HolidayClash> *clashes = nullptr) const;

private:
    const Region *findRegion(const QString &code) const;
    // holidayLanguage() of `language`, or of the desktop's when empty; "en" when neither names one.
    static QString askedLanguage(const QString &language);
    // localName() for a language askedLanguage() gave.
    QString localNameIn(const QString &english, const QString &asked) const;

    std::vector<Region> m_regions;   // [0] is the country
    std::vector<HolidayRule> m_rules;
    HolidayNames m_names;
    HolidayAnnouncedUntil m_announcedUntil;
};
