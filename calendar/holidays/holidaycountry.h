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

    bool operator==(const HolidayDay &) const = default;
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

    HolidayCountry(std::vector<Region> regions, std::vector<HolidayRule> rules, HolidayNames names = {});
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
    // The country's own languages, the main one first.
    const QStringList &languages() const;
    // `english`, a name this file uses, in `language`: its translation there, else in the
    // country's main language, else `english` itself.
    QString localName(const QString &english, const QString &language) const;
    // The sources named for `code`: the region's own, then the country's.
    QStringList sources(const QString &code) const;
    // The holidays of `code` in `year` (FirstHolidayYear..LastHolidayYear), sorted by date,
    // with the days off moved into `year` from the years before and after. nullopt for a
    // code this country does not define.
    std::optional<std::vector<HolidayDay>> holidays(const QString &code, int year) const;
    // The same, named in `language` as localName() names them.
    std::optional<std::vector<HolidayDay>> holidays(const QString &code, int year, const QString &language) const;

private:
    const Region *findRegion(const QString &code) const;
    // holidayLanguage() of `language`, or of the desktop's when empty; "en" when neither names one.
    static QString askedLanguage(const QString &language);
    // localName() for a language askedLanguage() gave.
    QString localNameIn(const QString &english, const QString &asked) const;

    std::vector<Region> m_regions;   // [0] is the country
    std::vector<HolidayRule> m_rules;
    HolidayNames m_names;
};
