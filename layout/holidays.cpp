#include "layout/holidays.h"

#include "layout/holidaydates.h"
#include "layout/holidayrule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>
#include <set>

using namespace std::chrono;

namespace {

// Why public holidays cannot be worked out, in the user's language.
struct HolidayWords
{
    Q_DECLARE_TR_FUNCTIONS(Holidays)
};

// The largest holiday file read: 1 MiB, some hundred times the largest shipped one.
constexpr qint64 MaxHolidayFileBytes = 1024 * 1024;

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
};

} // namespace

bool HolidayRule::keptIn(int y) const
{
    if (y < firstYear || y > lastYear)
        return false;
    if (everyYears > 1 && (y - firstYear) % everyYears != 0)
        return false;
    if (kind == HolidayDateKind::OneOff && y != year)
        return false;
    if (condition) {
        const year_month_day conditionDate{std::chrono::year{y}, std::chrono::month{condition->month}, std::chrono::day{condition->day}};
        // 29 February in a common year is no day at all, so it falls on no weekday.
        const bool falls = conditionDate.ok() && std::chrono::weekday{sys_days{conditionDate}} == condition->weekday;
        if (falls == condition->negated)
            return false;
    }
    return !std::binary_search(skippedYears.begin(), skippedYears.end(), y);
}

std::optional<sys_days> HolidayRule::dateIn(int y) const
{
    const std::chrono::year calendarYear{y};
    const std::chrono::month calendarMonth{month};
    sys_days date;
    switch (kind) {
    case HolidayDateKind::Fixed:
    case HolidayDateKind::OneOff: {
        const year_month_day ymd{calendarYear, calendarMonth, std::chrono::day{day}};
        if (!ymd.ok())
            return std::nullopt;
        date = sys_days{ymd};
        break;
    }
    case HolidayDateKind::NthWeekday: {
        const year_month_weekday ymw{calendarYear, calendarMonth, weekday_indexed{weekday, nth}};
        if (!ymw.ok())
            return std::nullopt;
        date = sys_days{ymw};
        break;
    }
    case HolidayDateKind::LastWeekday:
        date = sys_days{year_month_weekday_last{calendarYear, calendarMonth, weekday_last{weekday}}};
        break;
    case HolidayDateKind::WeekdayOnOrBefore:
        date = sys_days{year_month_day{calendarYear, calendarMonth, std::chrono::day{day}}};
        date -= std::chrono::weekday{date} - weekday;
        break;
    case HolidayDateKind::WeekdayOnOrAfter:
        date = sys_days{year_month_day{calendarYear, calendarMonth, std::chrono::day{day}}};
        date += weekday - std::chrono::weekday{date};
        break;
    case HolidayDateKind::Easter:
        date = sys_days{westernEaster(y)};
        break;
    case HolidayDateKind::OrthodoxEaster:
        date = sys_days{orthodoxEaster(y)};
        break;
    case HolidayDateKind::MarchEquinox:
        date = sys_days{calendarYear / March / std::chrono::day{japaneseMarchEquinoxDay(y)}};
        break;
    case HolidayDateKind::SeptemberEquinox:
        date = sys_days{calendarYear / September / std::chrono::day{japaneseSeptemberEquinoxDay(y)}};
        break;
    case HolidayDateKind::BetweenHolidays:
        return std::nullopt;
    }
    return date + days{offsetDays};
}

HolidayCountry::HolidayCountry(std::vector<Region> regions, std::vector<HolidayRule> rules)
    : m_regions(std::move(regions)), m_rules(std::move(rules))
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

std::optional<std::vector<HolidayDay>> HolidayCountry::holidays(const QString &code, int year) const
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
    std::set<sys_days> daysOff;
    const auto isTaken = [&](sys_days date) {
        return std::binary_search(holidayDates.begin(), holidayDates.end(), date) || daysOff.count(date) != 0;
    };

    // Days off are given out in date order, so that of two colliding holidays the earlier
    // takes the first free day (Christmas on Saturday: Monday; Boxing Day: Tuesday).
    std::vector<WindowDay> moved;
    for (const size_t i : order) {
        const HolidayRule &rule = *owners[i];
        const sys_days date = found[i].date;
        if (rule.observed == ObservedPolicy::None || yearOf(date) < rule.observedFrom)
            continue;
        const weekday wd{date};
        std::optional<sys_days> dayOff;
        switch (rule.observed) {
        case ObservedPolicy::None:
            break;
        case ObservedPolicy::Nearest:
            if (wd == Saturday)
                dayOff = date - days{1};
            else if (wd == Sunday)
                dayOff = date + days{1};
            break;
        case ObservedPolicy::Monday:
            if (wd == Saturday)
                dayOff = date + days{2};
            else if (wd == Sunday)
                dayOff = date + days{1};
            break;
        case ObservedPolicy::SundayToMonday:
            // A Monday that is a holiday already gains nothing (South Africa's Christmas on a
            // Sunday: the Monday is the Day of Goodwill anyway).
            if (wd == Sunday && !isTaken(date + days{1}))
                dayOff = date + days{1};
            break;
        case ObservedPolicy::NextWorkingDay:
        case ObservedPolicy::SundayToNextFree: {
            const bool moves = rule.observed == ObservedPolicy::NextWorkingDay ? isWeekend(wd) : wd == Sunday;
            if (!moves)
                break;
            for (int step = 1; step <= MaxDaysToFreeDay; ++step) {
                const sys_days candidate = date + days{step};
                const bool working = rule.observed == ObservedPolicy::SundayToNextFree || !isWeekend(weekday{candidate});
                if (working && !isTaken(candidate)) {
                    dayOff = candidate;
                    break;
                }
            }
            break;
        }
        }
        if (dayOff) {
            daysOff.insert(*dayOff);
            moved.push_back({*dayOff, &rule.observedName});
        }
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
            result.push_back({year_month_day{day.date}, *day.name});
    return result;
}

HolidayLoadResult loadHolidayFile(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const auto refuse = [&](const QString &reason) {
        return HolidayLoadResult{nullptr, QStringLiteral("%1: %2").arg(shown, reason)};
    };
    // Checked before opening: opening a FIFO for reading blocks until a writer comes.
    const QFileInfo info(path);
    if (!info.exists())
        return refuse(HolidayWords::tr("no such file"));
    if (!info.isFile())
        return refuse(HolidayWords::tr("it is not a regular file"));
    if (info.size() > MaxHolidayFileBytes)
        return refuse(HolidayWords::tr("it is larger than 1 MiB, too large for a holiday file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    // One byte more than allowed, in case the file grew since it was measured.
    const QByteArray bytes = file.read(MaxHolidayFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse(file.errorString());
    if (bytes.size() > MaxHolidayFileBytes)
        return refuse(HolidayWords::tr("it is larger than 1 MiB, too large for a holiday file"));
    if (bytes.contains('\0'))
        return refuse(HolidayWords::tr("it holds NUL bytes, so it is not a text file"));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return refuse(HolidayWords::tr("it is not UTF-8 text"));
    return parseHolidayFile(text, shown);
}

QStringList holidaySearchPath()
{
    QStringList folders;
    const auto add = [&folders](const QString &folder) {
        const QString path = QDir::cleanPath(folder);
        if (!folder.isEmpty() && !folders.contains(path))
            folders.append(path);
    };
    QString userData = qEnvironmentVariable("XDG_DATA_HOME");
    if (userData.isEmpty() || QDir::isRelativePath(userData))
        userData = QDir::homePath() + QStringLiteral("/.local/share");
    add(userData + QStringLiteral("/lunaria/holidays"));
    for (const QString &folder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        add(folder + QStringLiteral("/lunaria/holidays"));
    if (QCoreApplication::instance())
        add(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/lunaria/holidays"));
#ifdef LUNARIA_HOLIDAY_SOURCE_DIR
    add(QStringLiteral(LUNARIA_HOLIDAY_SOURCE_DIR));
#endif
    return folders;
}

HolidayCatalog::HolidayCatalog(QStringList searchPath) : m_searchPath(std::move(searchPath)) {}

QString HolidayCatalog::findFile(const QString &fileName) const
{
    for (const QString &folder : m_searchPath) {
        const QString path = folder + QLatin1Char('/') + fileName;
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

HolidayLoadResult HolidayCatalog::load(const QString &path) const
{
    const QFileInfo info(path);
    const QDateTime modified = info.lastModified();
    const qint64 size = info.size();
    QMutexLocker lock(&m_mutex);
    const auto cached = m_cache.find(path);
    if (cached != m_cache.end() && cached->second.modified == modified && cached->second.size == size)
        return cached->second.result;
    lock.unlock();

    HolidayLoadResult result = loadHolidayFile(path);
    const QString expected = info.completeBaseName();
    if (result.country && result.country->code() != expected) {
        result.error = HolidayWords::tr("%1: the file is named %2 but defines the country %3")
                           .arg(QDir::toNativeSeparators(path), info.fileName(), result.country->code());
        result.country.reset();
    }
    lock.relock();
    m_cache[path] = CachedFile{modified, size, result};
    return result;
}

std::vector<std::pair<QString, QString>> HolidayCatalog::regions() const
{
    static const QRegularExpression countryFile(QStringLiteral("^[A-Z]{2}\\.txt$"));
    std::set<QString> names;
    for (const QString &folder : m_searchPath) {
        const QStringList entries = QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Readable);
        for (const QString &entry : entries)
            if (countryFile.match(entry).hasMatch())
                names.insert(entry);
    }
    std::vector<std::pair<QString, QString>> list;
    for (const QString &name : names) {
        const HolidayLoadResult loaded = load(findFile(name));
        if (loaded.country) {
            const auto regions = loaded.country->regions();
            list.insert(list.end(), regions.begin(), regions.end());
        }
    }
    return list;
}

namespace {

// "DE" or "DE-BY" -> "DE"; empty for anything that is no region code.
QString countryOfRegion(const QString &code)
{
    static const QRegularExpression regionCode(QStringLiteral("^([A-Z]{2})(-[A-Z0-9]{1,3})?$"));
    const QRegularExpressionMatch match = regionCode.match(code);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

std::optional<QString> HolidayCatalog::regionName(const QString &code) const
{
    const QString region = code.trimmed().toUpper();
    const QString country = countryOfRegion(region);
    if (country.isEmpty())
        return std::nullopt;
    const QString path = findFile(country + QStringLiteral(".txt"));
    if (path.isEmpty())
        return std::nullopt;
    const HolidayLoadResult loaded = load(path);
    if (!loaded.country)
        return std::nullopt;
    return loaded.country->regionName(region);
}

std::variant<std::vector<HolidayDay>, QString> HolidayCatalog::holidays(const QString &code, int year) const
{
    if (year < FirstHolidayYear || year > LastHolidayYear)
        return HolidayWords::tr("Public holidays are known for the years %1 to %2 only, not %3.")
            .arg(FirstHolidayYear).arg(LastHolidayYear).arg(year);
    const QString region = code.trimmed().toUpper();
    const QString country = countryOfRegion(region);
    if (country.isEmpty())
        return HolidayWords::tr("'%1' is no region code: give a country as DE or a region as DE-BY.").arg(code.trimmed());
    const QString path = findFile(country + QStringLiteral(".txt"));
    if (path.isEmpty())
        return HolidayWords::tr("No public holidays are known for %1: there is no file %2.txt in %3.")
            .arg(region, country, m_searchPath.isEmpty() ? HolidayWords::tr("(no folder)") : QDir::toNativeSeparators(m_searchPath.join(QStringLiteral(", "))));
    const HolidayLoadResult loaded = load(path);
    if (!loaded.country)
        return loaded.error;
    std::optional<std::vector<HolidayDay>> days = loaded.country->holidays(region, year);
    if (!days)
        return HolidayWords::tr("%1 defines no region %2: see its region lines for the codes.").arg(QDir::toNativeSeparators(path), region);
    return std::move(*days);
}

QString defaultHolidayLabel(const QString &regionName)
{
    return QStringLiteral("Public holidays (%1)").arg(regionName);
}

HolidayCatalog &sharedHolidayCatalog()
{
    static HolidayCatalog catalog;
    return catalog;
}
