// The holidays of a region in a year: its rules' dates, the days off they move to and the
// bridging days between them.

#include "calendar/holidays/holidaycountry.h"

#include "calendar/holidays/holidayrule.h"

#include <QLocale>

#include <algorithm>
#include <map>

using namespace std::chrono;

namespace {

// A day off never moves further than this from its holiday; bounds the search for a free day
// in a file that marks whole weeks as holidays.
constexpr int MaxDaysToFreeDay = 31;

int yearOf(sys_days date)
{
    return int(year_month_day{date}.year());
}

bool isWeekend(weekday wd)
{
    return wd == Saturday || wd == Sunday;
}

// One day of the computation window: a holiday, a day off it moved to or a bridging day.
struct WindowDay
{
    sys_days date;
    const QString *name;
    bool dayOff = false;
};

} // namespace

QString holidayLanguage(const QString &localeName)
{
    const QString lower = localeName.trimmed().toLower();
    qsizetype end = 0;
    while (end < lower.size() && !QStringView(u"_.@-").contains(lower[end]))
        ++end;
    const QString language = lower.left(end);
    if (language == QLatin1String("c") || language == QLatin1String("posix"))
        return {};
    if (language == QLatin1String("no"))
        return QStringLiteral("nb");
    return language;
}

HolidayCountry::HolidayCountry(std::vector<Region> regions, std::vector<HolidayRule> rules, HolidayNames names,
                               HolidayAnnouncedUntil announcedUntil)
    : m_regions(std::move(regions)), m_rules(std::move(rules)), m_names(std::move(names)),
      m_announcedUntil(std::move(announcedUntil))
{
    Q_ASSERT(!m_regions.empty());
}

HolidayCountry::~HolidayCountry() = default;

const QString &HolidayCountry::code() const
{
    return m_regions.front().code;
}

const QString &HolidayCountry::name() const
{
    return m_regions.front().name;
}

std::vector<std::pair<QString, QString>> HolidayCountry::regions() const
{
    std::vector<std::pair<QString, QString>> list;
    list.reserve(m_regions.size());
    for (const Region &region : m_regions)
        list.emplace_back(region.code, region.name);
    return list;
}

const HolidayCountry::Region *HolidayCountry::findRegion(const QString &code) const
{
    for (const Region &region : m_regions)
        if (region.code.compare(code, Qt::CaseInsensitive) == 0)
            return &region;
    return nullptr;
}

std::optional<QString> HolidayCountry::regionName(const QString &code) const
{
    if (const Region *region = findRegion(code))
        return region->name;
    return std::nullopt;
}

std::optional<QString> HolidayCountry::regionName(const QString &code, const QString &language) const
{
    if (const Region *region = findRegion(code))
        return localName(region->name, language);
    return std::nullopt;
}

QStringList HolidayCountry::regionNames(const QString &code) const
{
    const Region *region = findRegion(code);
    if (!region)
        return {};
    QStringList names{region->name};
    for (const auto &[language, translations] : m_names.byLanguage) {
        const auto found = translations.find(region->name);
        if (found != translations.end() && !names.contains(found->second))
            names.append(found->second);
    }
    return names;
}

const QStringList &HolidayCountry::languages() const
{
    return m_names.languages;
}

const HolidayAnnouncedUntil &HolidayCountry::announcedUntil() const
{
    return m_announcedUntil;
}

QString HolidayCountry::localName(const QString &english, const QString &language) const
{
    return localNameIn(english, askedLanguage(language));
}

QString HolidayCountry::askedLanguage(const QString &language)
{
    const QString asked = holidayLanguage(language.isEmpty() ? QLocale().name() : language);
    return asked.isEmpty() ? QStringLiteral("en") : asked;
}

QString HolidayCountry::localNameIn(const QString &english, const QString &asked) const
{
    // The name in one language, or empty: a day off named by the suffix is named there only
    // when both its holiday and the suffix are, so that no name mixes two languages.
    const auto nameIn = [&](const QString &lang) -> QString {
        const auto names = m_names.byLanguage.find(lang);
        if (names == m_names.byLanguage.end())
            return {};
        const auto translate = [&](const QString &name) -> QString {
            const auto found = names->second.find(name);
            return found == names->second.end() ? QString() : found->second;
        };
        if (QString name = translate(english); !name.isEmpty())
            return name;
        const auto parts = m_names.composed.find(english);
        if (parts == m_names.composed.end())
            return {};
        const QString holiday = translate(parts->second.first);
        const QString suffix = translate(parts->second.second);
        return holiday.isEmpty() || suffix.isEmpty() ? QString() : holiday + QLatin1Char(' ') + suffix;
    };
    if (QString name = nameIn(asked); !name.isEmpty())
        return name;
    // English readers read the keys themselves rather than the country's language.
    if (asked != QLatin1String("en") && !m_names.languages.isEmpty())
        if (QString name = nameIn(m_names.languages.front()); !name.isEmpty())
            return name;
    return english;
}

QStringList HolidayCountry::sources(const QString &code) const
{
    const Region *region = findRegion(code);
    if (!region)
        return {};
    QStringList list = region->sources;
    if (region != &m_regions.front())
        list += m_regions.front().sources;
    return list;
}

std::optional<std::vector<HolidayDay>> HolidayCountry::holidays(const QString &code, int year, std::vector<HolidayClash> *clashes) const
{
    const Region *region = findRegion(code);
    if (!region)
        return std::nullopt;
    std::vector<HolidayDay> result;
    if (year < FirstHolidayYear || year > LastHolidayYear)
        return result;

    // A day off can move across the new year (the US New Year's Day of a Saturday is kept on
    // the Friday before), so the holidays of the years around are computed too.
    std::vector<WindowDay> found;
    std::vector<const HolidayRule *> owners;
    std::vector<const HolidayRule *> bridges;
    for (int y = year - 1; y <= year + 1; ++y) {
        for (const int index : region->ruleIndexes) {
            const HolidayRule &rule = m_rules[size_t(index)];
            if (rule.kind == HolidayDateKind::BetweenHolidays) {
                if (y == year)
                    bridges.push_back(&rule);
                continue;
            }
            if (!rule.keptIn(y))
                continue;
            if (const std::optional<sys_days> date = rule.dateIn(y)) {
                found.push_back({*date, &rule.name});
                owners.push_back(&rule);
            }
            // An Islamic day can fall twice in one Gregorian year.
            if (const std::optional<sys_days> date = rule.laterDateIn(y)) {
                found.push_back({*date, &rule.name});
                owners.push_back(&rule);
            }
        }
    }
    std::vector<size_t> order(found.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return found[a].date < found[b].date; });

    std::vector<sys_days> holidayDates;
    holidayDates.reserve(found.size());
    for (const size_t i : order)
        holidayDates.push_back(found[i].date);
    std::map<sys_days, const QString *> daysOff;  // the name of the first day off on each date
    const auto isTaken = [&](sys_days date) {
        return std::binary_search(holidayDates.begin(), holidayDates.end(), date) || daysOff.count(date) != 0;
    };
    // The name of what already holds `date`: a holiday proper, else a day off.
    const auto holder = [&](sys_days date) -> const QString * {
        const auto at = std::lower_bound(holidayDates.begin(), holidayDates.end(), date);
        if (at != holidayDates.end() && *at == date)
            return found[order[size_t(at - holidayDates.begin())]].name;
        const auto off = daysOff.find(date);
        return off == daysOff.end() ? nullptr : off->second;
    };
    const auto firstFreeAfter = [&](sys_days date, bool weekdaysOnly) -> std::optional<sys_days> {
        for (int step = 1; step <= MaxDaysToFreeDay; ++step) {
            const sys_days candidate = date + days{step};
            if ((!weekdaysOnly || !isWeekend(weekday{candidate})) && !isTaken(candidate))
                return candidate;
        }
        return std::nullopt;
    };

    // Days off are given out in date order, so that of two colliding holidays the earlier
    // takes the first free day (Christmas on Saturday: Monday; Boxing Day: Tuesday). The
    // holidays of one date that move for sharing it lose one day between them, so they get
    // one day off, named by the first of them (Korea's 5 May 2025: Children's Day and Buddha's
    // Birthday, one substitute on the 6th).
    std::vector<WindowDay> moved;
    for (size_t first = 0; first < order.size();) {
        const sys_days date = found[order[first]].date;
        size_t end = first + 1;
        while (end < order.size() && found[order[end]].date == date)
            ++end;
        const bool shared = end - first > 1;
        bool sharedDayOffGiven = false;
        for (size_t k = first; k < end; ++k) {
            const HolidayRule &rule = *owners[order[k]];
            if (rule.observed == ObservedPolicy::None || yearOf(date) < rule.observedFrom)
                continue;
            if (rule.observedOnHoliday && sharedDayOffGiven)
                continue;
            const bool onHoliday = rule.observedOnHoliday && shared;
            const weekday wd{date};
            bool moves = false;
            std::optional<sys_days> dayOff;
            switch (rule.observed) {
            case ObservedPolicy::None:
                break;
            case ObservedPolicy::Nearest:
                moves = isWeekend(wd);
                dayOff = wd == Saturday ? date - days{1} : date + days{1};
                break;
            case ObservedPolicy::Monday:
                moves = isWeekend(wd);
                dayOff = wd == Saturday ? date + days{2} : date + days{1};
                break;
            case ObservedPolicy::SundayToMonday:
                // A Monday that is a holiday already gains nothing (South Africa's Christmas on a
                // Sunday: the Monday is the Day of Goodwill anyway).
                moves = wd == Sunday && !isTaken(date + days{1});
                dayOff = date + days{1};
                break;
            case ObservedPolicy::NextWorkingDay:
                moves = isWeekend(wd) || onHoliday;
                if (moves)
                    dayOff = firstFreeAfter(date, true);
                break;
            case ObservedPolicy::SundayToNextWorkingDay:
                moves = wd == Sunday || onHoliday;
                if (moves)
                    dayOff = firstFreeAfter(date, true);
                break;
            case ObservedPolicy::SundayToNextFree:
                moves = wd == Sunday || onHoliday;
                if (moves)
                    dayOff = firstFreeAfter(date, false);
                break;
            }
            if (!moves)
                continue;
            // A day off the law puts on a day some other holiday holds, or none for want of a
            // free day, is listed as it falls but said beside the list.
            if (!dayOff) {
                if (clashes && yearOf(date) == year)
                    clashes->push_back({year_month_day{date}, rule.observedName, QString()});
                continue;
            }
            if (const QString *other = holder(*dayOff); other && clashes && yearOf(*dayOff) == year)
                clashes->push_back({year_month_day{*dayOff}, rule.observedName, *other});
            daysOff.emplace(*dayOff, &rule.observedName);
            moved.push_back({*dayOff, &rule.observedName, true});
            sharedDayOffGiven = sharedDayOffGiven || rule.observedOnHoliday;
        }
        first = end;
    }

    // A bridging day lies between two holidays proper (not days off), is none itself and is
    // no Sunday: Japan's citizens' holiday.
    std::vector<WindowDay> bridged;
    if (!bridges.empty()) {
        for (size_t i = 1; i < holidayDates.size(); ++i) {
            if (holidayDates[i] - holidayDates[i - 1] != days{2})
                continue;
            const sys_days between = holidayDates[i - 1] + days{1};
            if (weekday{between} == Sunday || daysOff.count(between) != 0 || yearOf(between) != year)
                continue;
            for (const HolidayRule *rule : bridges) {
                if (rule->keptIn(year)) {
                    bridged.push_back({between, &rule->name});
                    break;
                }
            }
        }
    }

    std::vector<WindowDay> all;
    all.reserve(found.size() + moved.size() + bridged.size());
    for (const size_t i : order)
        all.push_back(found[i]);
    all.insert(all.end(), moved.begin(), moved.end());
    all.insert(all.end(), bridged.begin(), bridged.end());
    std::stable_sort(all.begin(), all.end(), [](const WindowDay &a, const WindowDay &b) { return a.date < b.date; });
    for (const WindowDay &day : all)
        if (yearOf(day.date) == year)
            result.push_back({year_month_day{day.date}, *day.name, day.dayOff});
    return result;
}

std::optional<std::vector<HolidayDay>> HolidayCountry::holidays(const QString &code, int year, const QString &language,
                                                                 std::vector<HolidayClash> *clashes) const
{
    const size_t earlierClashes = clashes ? clashes->size() : 0;
    std::optional<std::vector<HolidayDay>> days = holidays(code, year, clashes);
    const QString asked = askedLanguage(language);
    // English, the names as written, is what most readers of most files are asked for.
    if (days && (asked != QLatin1String("en") || m_names.byLanguage.count(asked) != 0)) {
        for (HolidayDay &day : *days)
            day.name = localNameIn(day.name, asked);
        if (clashes) {
            for (size_t i = earlierClashes; i < clashes->size(); ++i) {
                HolidayClash &clash = (*clashes)[i];
                clash.dayOff = localNameIn(clash.dayOff, asked);
                if (!clash.holiday.isEmpty())
                    clash.holiday = localNameIn(clash.holiday, asked);
            }
        }
    }
    return days;
}
