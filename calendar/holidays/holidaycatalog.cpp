// The country files on the search path: which one is used for a region, and its cache.

#include "calendar/holidays/holidaycatalog.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMutexLocker>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <set>

#include <cerrno>

#include <sys/stat.h>

namespace {

// Why public holidays cannot be worked out, in the user's language.
struct HolidayWords
{
    Q_DECLARE_TR_FUNCTIONS(Holidays)
};

// Whether a folder holds an entry of that name, be it a file, a link to nothing or a loop of
// links: lstat() looks at the name itself, where QFileInfo::exists() follows the links.
bool nameIsTaken(const QString &path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0)
        return true;
    // Anything but "not there" (a folder that cannot be searched, a loop in the folders
    // above) is reported by reading the file, not passed over.
    return errno != ENOENT && errno != ENOTDIR;
}

// "DE" or "DE-BY" -> "DE"; empty for anything that is no region code.
QString countryOfRegion(const QString &code)
{
    static const QRegularExpression regionCode(QStringLiteral("^([A-Z]{2})(-[A-Z0-9]{1,3})?$"));
    const QRegularExpressionMatch match = regionCode.match(code);
    return match.hasMatch() ? match.captured(1) : QString();
}

// `text` as the region search compares it: case folded, without accents, with the letters
// that have no decomposition spelled as a reader without them would type them ("ł" as "l").
QString foldedForSearch(const QString &text)
{
    QString folded;
    folded.reserve(text.size());
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        const QChar lower = c.toCaseFolded();
        switch (lower.unicode()) {
        case u'ß': folded += QLatin1String("ss"); break;
        case u'æ': folded += QLatin1String("ae"); break;
        case u'œ': folded += QLatin1String("oe"); break;
        case u'ø': folded += QLatin1Char('o'); break;
        case u'ł': folded += QLatin1Char('l'); break;
        case u'đ': folded += QLatin1Char('d'); break;
        default: folded += lower;
        }
    }
    return folded;
}

// Whether a word of `name` (both folded) begins with `query`; in scripts written without
// spaces between words, whether `name` holds it anywhere.
bool wordStartsWith(const QString &name, const QString &query)
{
    const bool unspaced = std::any_of(query.begin(), query.end(), [](QChar c) { return c.unicode() >= 0x2E80; });
    if (unspaced)
        return name.contains(query);
    for (qsizetype at = name.indexOf(query); at >= 0; at = name.indexOf(query, at + 1))
        if (at == 0 || !name.at(at - 1).isLetterOrNumber())
            return true;
    return false;
}

} // namespace

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

QString HolidayCatalog::findFile(const QString &fileName, qsizetype firstFolder) const
{
    for (qsizetype i = firstFolder; i < m_searchPath.size(); ++i) {
        // An empty entry is no folder: "" + "/DE.txt" would be a file at the root.
        if (m_searchPath[i].isEmpty())
            continue;
        const QString path = m_searchPath[i] + QLatin1Char('/') + fileName;
        if (nameIsTaken(path))
            return path;
    }
    return {};
}

QString HolidayCatalog::userFileNote(const QString &path, const QString &fileName) const
{
    if (m_searchPath.isEmpty() || m_searchPath.front().isEmpty()
        || path != m_searchPath.front() + QLatin1Char('/') + fileName)
        return {};
    const QString shipped = findFile(fileName, 1);
    if (shipped.isEmpty())
        return HolidayWords::tr("using your own holiday list %1").arg(QDir::toNativeSeparators(path));
    return HolidayWords::tr("using your own holiday list %1 instead of %2")
        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(shipped));
}

HolidayLoadResult HolidayCatalog::load(const QString &path) const
{
    // stat() itself rather than QFileInfo, which converts the time to local time on every
    // lookup; the time is only compared, so UTC serves.
    struct stat status {};
    QDateTime modified;
    qint64 size = -1;
    if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
        modified = QDateTime::fromMSecsSinceEpoch(qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000, Qt::UTC);
        size = status.st_size;
    }
    QMutexLocker lock(&m_mutex);
    const auto cached = m_cache.find(path);
    if (cached != m_cache.end() && cached->second.modified == modified && cached->second.size == size)
        return cached->second.result;
    lock.unlock();

    HolidayLoadResult result = loadHolidayFile(path);
    lock.relock();
    m_cache[path] = CachedFile{modified, size, result};
    return result;
}

std::vector<std::shared_ptr<const HolidayCountry>> HolidayCatalog::countries() const
{
    static const QRegularExpression countryFile(QStringLiteral("^[A-Z]{2}\\.txt$"));
    std::set<QString> names;
    for (const QString &folder : m_searchPath) {
        if (folder.isEmpty())
            continue;
        const QStringList entries = QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Readable);
        for (const QString &entry : entries)
            if (countryFile.match(entry).hasMatch())
                names.insert(entry);
    }
    std::vector<std::shared_ptr<const HolidayCountry>> list;
    for (const QString &name : names)
        if (HolidayLoadResult loaded = load(findFile(name)); loaded.country)
            list.push_back(std::move(loaded.country));
    return list;
}

std::vector<std::pair<QString, QString>> HolidayCatalog::regions(const QString &language) const
{
    std::vector<std::pair<QString, QString>> list;
    for (const auto &country : countries())
        for (const auto &[code, english] : country->regions())
            list.emplace_back(code, country->localName(english, language));
    return list;
}

std::vector<std::pair<QString, QString>> HolidayCatalog::findRegions(const QString &query, const QString &language) const
{
    const QString wanted = foldedForSearch(query.simplified());
    std::vector<std::pair<QString, QString>> found;
    for (const auto &country : countries()) {
        for (const auto &[code, english] : country->regions()) {
            QStringList names = country->regionNames(code);
            names.prepend(code);
            const bool matches = wanted.isEmpty() || std::any_of(names.begin(), names.end(), [&](const QString &name) {
                return wordStartsWith(foldedForSearch(name), wanted);
            });
            if (matches)
                found.emplace_back(code, country->localName(english, language));
        }
    }
    return found;
}

std::shared_ptr<const HolidayCountry> HolidayCatalog::countryOf(const QString &code) const
{
    const QString country = countryOfRegion(code.trimmed().toUpper());
    if (country.isEmpty())
        return nullptr;
    const QString path = findFile(country + QStringLiteral(".txt"));
    if (path.isEmpty())
        return nullptr;
    return load(path).country;
}

std::optional<QString> HolidayCatalog::regionName(const QString &code, const QString &language) const
{
    const std::shared_ptr<const HolidayCountry> country = countryOf(code);
    if (!country)
        return std::nullopt;
    return country->regionName(code.trimmed().toUpper(), language);
}

HolidayList HolidayCatalog::holidays(const QString &code, int year, const QString &language) const
{
    const auto failed = [](QString error) { return HolidayList{{}, std::move(error), {}, {}}; };
    if (year < FirstHolidayYear || year > LastHolidayYear)
        return failed(HolidayWords::tr("Public holidays are known for the years %1 to %2 only, not %3.")
            .arg(FirstHolidayYear).arg(LastHolidayYear).arg(year));
    const QString region = code.trimmed().toUpper();
    const QString country = countryOfRegion(region);
    if (country.isEmpty())
        return failed(HolidayWords::tr("'%1' is no region code: give a country as DE or a region as DE-BY.").arg(code.trimmed()));
    const QString fileName = country + QStringLiteral(".txt");
    const QString path = findFile(fileName);
    if (path.isEmpty()) {
        QStringList folders = m_searchPath;
        folders.removeAll(QString());
        return failed(HolidayWords::tr("No public holidays are known for %1: there is no file %2.txt in %3.")
            .arg(region, country, folders.isEmpty() ? HolidayWords::tr("(no folder)") : QDir::toNativeSeparators(folders.join(QStringLiteral(", ")))));
    }
    const HolidayLoadResult loaded = load(path);
    if (!loaded.country)
        return failed(loaded.error);
    std::vector<HolidayClash> clashes;
    std::optional<std::vector<HolidayDay>> days = loaded.country->holidays(region, year, language, &clashes);
    if (!days)
        return failed(HolidayWords::tr("%1 defines no region %2: see its region lines for the codes.").arg(QDir::toNativeSeparators(path), region));
    // A year past the decrees the file holds, or days the file never holds, would otherwise
    // look complete. These are messages, not page text: the file's words go in the language
    // the message itself is shown in, whatever the page's.
    QStringList warnings;
    const QString messageLanguage = HolidayWords::tr("en", "the ISO 639-1 code of the language of this translation");
    const HolidayAnnouncedUntil &announced = loaded.country->announcedUntil();
    if (announced.lastYear != 0 && year > announced.lastYear)
        warnings << HolidayWords::tr("%1: %2 are known to %3 only; %4 shows the days the law fixes")
                        .arg(region, loaded.country->localName(announced.what, messageLanguage))
                        .arg(announced.lastYear)
                        .arg(year);
    if (!announced.notListed.isEmpty())
        warnings << HolidayWords::tr("%1: %2 are not listed; %3 shows the days the law fixes")
                        .arg(region, loaded.country->localName(announced.notListed, messageLanguage))
                        .arg(year);
    // A day off on another holiday is no day off at all: the file's rules missed a case.
    for (const HolidayClash &clash : clashes) {
        const QString date = QDate(int(clash.date.year()), int(unsigned(clash.date.month())), int(unsigned(clash.date.day())))
                                 .toString(Qt::ISODate);
        warnings << (clash.holiday.isEmpty()
                         ? HolidayWords::tr("%1, %2: the day off '%3' finds no free day in the month after its holiday")
                               .arg(region, date, clash.dayOff)
                         : HolidayWords::tr("%1, %2: the day off '%3' falls on the same day as '%4'")
                               .arg(region, date, clash.dayOff, clash.holiday));
    }
    return {std::move(*days), {}, userFileNote(path, fileName), std::move(warnings)};
}

QString defaultHolidayLabel(const QString &regionName, const QString &language)
{
    // The languages the holiday files translate into; any other reads English.
    static const struct
    {
        const char *language;
        const char16_t *label;
    } labels[] = {
        {"en", u"Public holidays (%1)"}, {"de", u"Feiertage (%1)"},        {"fr", u"Jours fériés (%1)"},
        {"it", u"Giorni festivi (%1)"},  {"es", u"Días festivos (%1)"},    {"pt", u"Feriados (%1)"},
        {"nl", u"Feestdagen (%1)"},      {"da", u"Helligdage (%1)"},       {"sv", u"Helgdagar (%1)"},
        {"nb", u"Helligdager (%1)"},     {"fi", u"Pyhäpäivät (%1)"},       {"pl", u"Dni wolne od pracy (%1)"},
        {"cs", u"Svátky (%1)"},          {"ja", u"祝日（%1）"},
    };
    const QString asked = holidayLanguage(language.isEmpty() ? QLocale().name() : language);
    for (const auto &row : labels)
        if (asked == QLatin1String(row.language))
            return QString::fromUtf16(row.label).arg(regionName);
    return QString::fromUtf16(labels[0].label).arg(regionName);
}
