#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
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
