// Holiday and region names in the reader's language: the names blocks of a country file, the
// fallback from one language to the next, the shipped translations and the region search.

#include "calendar/holidays/holidays.h"
#include "tests/calendar/holidays/shippedholidays.h"
#include "tests/support/qtprinters.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <set>

using namespace std::chrono;

namespace {


// A country whose languages are German, then French, and which names only some of its days in
// each, so that every step of the fallback shows.
const QString Sample = QStringLiteral(
    "country XX Exampleland\n"
    "language de fr\n"
    "source test\n"
    "observed-suffix (observed)\n"
    "Jan 1 = New Year's Day; observed monday\n"
    "Jul 14 = National Day; observed monday\n"
    "Aug 1 = Harvest Day\n"
    "region XX-AB Upper Land\n"
    "Sep 1 = Upper Day\n"
    "\n"
    "names de\n"
    "New Year's Day = Neujahr\n"
    "# a comment inside a block does not end it\n"
    "Exampleland = Beispielland\n"
    "Upper Land = Oberland\n"
    "(observed) = (Ersatztag)\n"
    "\n"
    "names fr\n"
    "New Year's Day = Jour de l'An\n"
    "National Day = Fête nationale\n"
    "Upper Land = Haut-Pays\n");

std::shared_ptr<const HolidayCountry> sample()
{
    const HolidayLoadResult loaded = parseHolidayFile(Sample, QStringLiteral("XX.txt"), QStringLiteral("XX"));
    EXPECT_TRUE(loaded.country) << qPrintable(loaded.error);
    return loaded.country;
}

TEST(HolidayNames, FallBackToTheCountrysMainLanguageThenEnglish)
{
    const auto country = sample();
    ASSERT_TRUE(country);
    const struct
    {
        const char *english;
        const char *language;
        const char *shown;
    } rows[] = {
        {"New Year's Day", "de", "Neujahr"},
        {"New Year's Day", "de_DE", "Neujahr"},
        {"New Year's Day", "fr_CH", "Jour de l'An"},
        {"New Year's Day", "en", "New Year's Day"},
        {"New Year's Day", "en_GB", "New Year's Day"},
        {"New Year's Day", "C", "New Year's Day"},
        // A language the file does not speak reads the main one, German, not French.
        {"New Year's Day", "it", "Neujahr"},
        {"National Day", "fr", "Fête nationale"},
        {"National Day", "it", "National Day"},  // German has no name: English
        {"National Day", "de", "National Day"},
        {"Harvest Day", "fr", "Harvest Day"},
        {"Upper Land", "it", "Oberland"},
        {"Exampleland", "fr", "Beispielland"},
        // A day off is named in a language that has both its holiday and the suffix.
        {"New Year's Day (observed)", "de", "Neujahr (Ersatztag)"},
        {"New Year's Day (observed)", "fr", "Neujahr (Ersatztag)"},
        {"National Day (observed)", "fr", "National Day (observed)"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.english) + " in " + row.language);
        EXPECT_EQ(country->localName(QString::fromUtf8(row.english), QLatin1String(row.language)), QString::fromUtf8(row.shown));
    }
    EXPECT_EQ(country->languages(), QStringList({QStringLiteral("de"), QStringLiteral("fr")}));
    EXPECT_EQ(country->regionName(QStringLiteral("XX-AB"), QStringLiteral("fr")), QStringLiteral("Haut-Pays"));
    EXPECT_EQ(country->regionNames(QStringLiteral("XX-AB")),
              QStringList({QStringLiteral("Upper Land"), QStringLiteral("Oberland"), QStringLiteral("Haut-Pays")}));
}

TEST(HolidayNames, NameTheHolidaysOfAYearInTheAskedLanguage)
{
    const auto country = sample();
    ASSERT_TRUE(country);
    // 2028: 1 January is a Saturday, so its day off is Monday 3 January.
    const auto days = country->holidays(QStringLiteral("XX-AB"), 2028, QStringLiteral("de"));
    ASSERT_TRUE(days);
    EXPECT_EQ(listText(*days), QStringLiteral("01-01 Neujahr; 01-03 Neujahr (Ersatztag); 07-14 National Day; "
                                              "08-01 Harvest Day; 09-01 Upper Day"));
    const auto english = country->holidays(QStringLiteral("XX-AB"), 2028);
    ASSERT_TRUE(english);
    EXPECT_EQ(listText(*english), QStringLiteral("01-01 New Year's Day; 01-03 New Year's Day (observed); 07-14 National Day; "
                                                 "08-01 Harvest Day; 09-01 Upper Day"));
}

// A names line or block that is wrong, and the line the message names.
struct NamesFault
{
    const char *name;
    const char *tail;   // appended to a good file of 6 lines; its first line is line 7
    int line;
    const char *says;
};

const NamesFault NamesFaults[] = {
    {"typo_in_left_side", "names de\nNew Years Day = Neujahr\n", 8, "'New Years Day' is no name of a holiday, a region or the country"},
    {"translated_twice", "names de\nNew Year's Day = Neujahr\nNew Year's Day = Neujahrstag\n", 9, "translated into 'de' twice"},
    {"no_equals", "names de\nNeujahr\n", 8, "write 'English name = name in de'"},
    {"empty_right_side", "names de\nNew Year's Day =\n", 8, "write 'English name = name in de'"},
    {"language_code_too_long", "names deu\n", 7, "'names de', not 'names deu'"},
    {"language_code_in_capitals", "names DE\n", 7, "'names de', not 'names DE'"},
    {"holiday_after_the_blocks", "names de\nNew Year's Day = Neujahr\n\nDec 25 = Christmas Day\n", 10,
     "the 'names' blocks end the file: move this line above the first of them, line 7"},
    {"region_after_the_blocks", "names de\nNew Year's Day = Neujahr\nregion XX-CD Lower Land\n", 9, "the 'names' blocks end the file"},
    {"language_after_a_region", "region XX-CD Lower Land\nlanguage de\n", 8, "belongs right below the country line"},
};

TEST(HolidayNames, AWrongNamesLineIsRefusedWithItsLine)
{
    const QString good = QStringLiteral("country XX Exampleland\nsource test\nJan 1 = New Year's Day\nregion XX-AB Upper Land\n"
                                        "Sep 1 = Upper Day\n\n");
    for (const NamesFault &fault : NamesFaults) {
        SCOPED_TRACE(fault.name);
        const HolidayLoadResult loaded = parseHolidayFile(good + QString::fromUtf8(fault.tail), QStringLiteral("XX.txt"));
        EXPECT_FALSE(loaded.country);
        EXPECT_TRUE(loaded.error.startsWith(QStringLiteral("XX.txt, line %1: ").arg(fault.line))) << qPrintable(loaded.error);
        EXPECT_TRUE(loaded.error.contains(QString::fromUtf8(fault.says))) << qPrintable(loaded.error);
    }
    const struct
    {
        const char *name;
        const char *file;
        const char *says;
    } languageFaults[] = {
        {"twice", "country XX Exampleland\nlanguage de\nlanguage fr\nsource test\n", "line 3: a file names its languages once"},
        {"repeated", "country XX Exampleland\nlanguage de fr de\nsource test\n", "line 2: the language de is named twice"},
        {"not_iso", "country XX Exampleland\nlanguage german\nsource test\n", "line 2: 'german' is no ISO 639-1 language code"},
        {"empty", "country XX Exampleland\nlanguage\nsource test\n", "line 2: write 'language CODE...'"},
        {"before_the_country", "language de\ncountry XX Exampleland\nsource test\n", "line 1: the file must begin with 'country"},
    };
    for (const auto &fault : languageFaults) {
        SCOPED_TRACE(fault.name);
        const HolidayLoadResult loaded = parseHolidayFile(QString::fromUtf8(fault.file), QStringLiteral("XX.txt"));
        EXPECT_FALSE(loaded.country);
        EXPECT_TRUE(loaded.error.contains(QString::fromUtf8(fault.says))) << qPrintable(loaded.error);
    }
}

// The published lists, in the language they are published in: the Bavarian state government's
// list of the days of its Feiertagsgesetz, Art. 1 (with Assumption Day as the state's Catholic
// communities keep it), France's Code du travail, art. L3133-1, as service-public.fr names the
// days, Japan's 国民の祝日に関する法律 with the Cabinet Office's calendar, and the others' own
// government lists (Italy's with St Francis' day, a holiday again from
// 2026). Easter 2027 is on 28 March.
const struct
{
    const char *region;
    const char *language;
    const char *holidays;
} PublishedNames[] = {
    {"DE-BY", "de_DE", "01-01 Neujahr; 01-06 Heilige Drei Könige; 03-26 Karfreitag; 03-29 Ostermontag; 05-01 Tag der Arbeit; "
                       "05-06 Christi Himmelfahrt; 05-17 Pfingstmontag; 05-27 Fronleichnam; 08-15 Mariä Himmelfahrt; "
                       "10-03 Tag der Deutschen Einheit; 11-01 Allerheiligen; 12-25 1. Weihnachtstag; 12-26 2. Weihnachtstag"},
    {"DE-BE", "de", "01-01 Neujahr; 03-08 Internationaler Frauentag; 03-26 Karfreitag; 03-29 Ostermontag; 05-01 Tag der Arbeit; "
                    "05-06 Christi Himmelfahrt; 05-17 Pfingstmontag; 10-03 Tag der Deutschen Einheit; 12-25 1. Weihnachtstag; "
                    "12-26 2. Weihnachtstag"},
    {"FR", "fr_FR", "01-01 Jour de l'An; 03-29 Lundi de Pâques; 05-01 Fête du Travail; 05-06 Ascension; 05-08 Victoire 1945; "
                    "05-17 Lundi de Pentecôte; 07-14 Fête nationale; 08-15 Assomption; 11-01 Toussaint; 11-11 Armistice 1918; "
                    "12-25 Noël"},
    {"AT-9", "de_AT", "01-01 Neujahr; 01-06 Heilige Drei Könige; 03-29 Ostermontag; 05-01 Staatsfeiertag; 05-06 Christi Himmelfahrt; "
                      "05-17 Pfingstmontag; 05-27 Fronleichnam; 08-15 Mariä Himmelfahrt; 10-26 Nationalfeiertag; 11-01 Allerheiligen; "
                      "12-08 Mariä Empfängnis; 12-25 Christtag; 12-26 Stefanitag"},
    {"IT", "it", "01-01 Capodanno; 01-06 Epifania; 03-28 Pasqua; 03-29 Lunedì dell'Angelo; 04-25 Festa della Liberazione; "
                 "05-01 Festa del Lavoro; 06-02 Festa della Repubblica; 08-15 Assunzione di Maria; 10-04 San Francesco d'Assisi; "
                 "11-01 Ognissanti; "
                 "12-08 Immacolata Concezione; 12-25 Natale; 12-26 Santo Stefano"},
    {"NL", "nl", "01-01 Nieuwjaarsdag; 03-28 Eerste Paasdag; 03-29 Tweede Paasdag; 04-27 Koningsdag; 05-05 Bevrijdingsdag; "
                 "05-06 Hemelvaartsdag; 05-16 Eerste Pinksterdag; 05-17 Tweede Pinksterdag; 12-25 Eerste Kerstdag; 12-26 Tweede Kerstdag"},
    {"PL", "pl", "01-01 Nowy Rok; 01-06 Święto Trzech Króli; 03-28 Pierwszy dzień Wielkiej Nocy; 03-29 Drugi dzień Wielkiej Nocy; "
                 "05-01 Święto Pracy; 05-03 Święto Narodowe Trzeciego Maja; 05-16 Pierwszy dzień Zielonych Świątek; "
                 "05-27 Boże Ciało; 08-15 Wniebowzięcie Najświętszej Maryi Panny; 11-01 Wszystkich Świętych; "
                 "11-11 Narodowe Święto Niepodległości; 12-24 Wigilia Bożego Narodzenia; 12-25 Pierwszy dzień Bożego Narodzenia; "
                 "12-26 Drugi dzień Bożego Narodzenia"},
    {"JP", "ja_JP", "01-01 元日; 01-11 成人の日; 02-11 建国記念の日; 02-23 天皇誕生日; 03-21 春分の日; 03-22 振替休日; 04-29 昭和の日; "
                    "05-03 憲法記念日; 05-04 みどりの日; 05-05 こどもの日; 07-19 海の日; 08-11 山の日; 09-20 敬老の日; 09-23 秋分の日; "
                    "10-11 スポーツの日; 11-03 文化の日; 11-23 勤労感謝の日"},
};

TEST(ShippedNames, GiveAYearsHolidaysAsTheCountryPublishesThem)
{
    for (const auto &row : PublishedNames) {
        SCOPED_TRACE(row.region);
        const HolidayList list = shipped().holidays(QLatin1String(row.region), 2027, QLatin1String(row.language));
        ASSERT_TRUE(list.ok()) << qPrintable(list.error);
        EXPECT_EQ(listText(list.days), QString::fromUtf8(row.holidays));
    }
}

TEST(ShippedNames, NameRegionsAndTheirLabelInTheReadersLanguage)
{
    const struct
    {
        const char *code;
        const char *language;
        const char *name;
        const char *label;
    } rows[] = {
        {"DE-BY", "de_DE", "Bayern", "Feiertage (Bayern)"},
        {"DE-BY", "fr", "Bavière", "Jours fériés (Bavière)"},
        {"DE-BY", "en_US", "Bavaria", "Public holidays (Bavaria)"},
        // Italian has no name of its own here: the country's, German.
        {"DE-BY", "it", "Bayern", "Giorni festivi (Bayern)"},
        {"CH-GE", "it_CH", "Ginevra", "Giorni festivi (Ginevra)"},
        {"CH-GE", "de_CH", "Genf", "Feiertage (Genf)"},
        {"CH-VD", "it", "Vaud", "Giorni festivi (Vaud)"},
        {"CH-ZH", "fr", "Zurich", "Jours fériés (Zurich)"},
        {"JP", "de", "Japan", "Feiertage (Japan)"},
        {"JP", "ja", "日本", "祝日（日本）"},
        {"NO", "no_NO", "Norge", "Helligdager (Norge)"},
        {"FI", "sv_FI", "Finland", "Helgdagar (Finland)"},
        {"ES-CT", "es", "Cataluña", "Días festivos (Cataluña)"},
        {"CA-QC", "fr_CA", "Québec", "Jours fériés (Québec)"},
        {"GB-SCT", "xx", "Scotland", "Public holidays (Scotland)"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.code) + " in " + row.language);
        const std::optional<QString> name = shipped().regionName(QLatin1String(row.code), QLatin1String(row.language));
        ASSERT_TRUE(name);
        EXPECT_EQ(*name, QString::fromUtf8(row.name));
        EXPECT_EQ(defaultHolidayLabel(*name, QLatin1String(row.language)), QString::fromUtf8(row.label));
    }
    EXPECT_FALSE(shipped().regionName(QStringLiteral("DE-XX"), QStringLiteral("de")));
}

// One shipped file as its text reads, independently of the parser.
struct ShippedFileText
{
    QString country;                 // the English name on the country line
    QStringList languages;           // the language line's codes, the main one first
    QSet<QString> names;             // every name above the blocks: country, regions, days, suffixes
    QSet<QString> days;              // the holidays' and days off's names, the announced-until text
    QSet<QString> suffixes;
    std::vector<std::pair<int, QString>> blocks;  // each names line: its number and language
    struct Translation
    {
        int line;
        QString language;
        QString english;  // the whole line when it has no '='
        QString local;
    };
    std::vector<Translation> translations;
};

ShippedFileText readShippedFile(const QString &file)
{
    const QRegularExpression definition(QStringLiteral("^(country|region) \\S+ (.+)$"));
    const QRegularExpression suffix(QStringLiteral("^observed-suffix (.+)$"));
    const QRegularExpression observedAs(QStringLiteral("observed [^;]*\\bas ([^;]+)"));
    const QRegularExpression announcedUntil(QStringLiteral("^(?:announced-until \\d+|not-listed) (.+)$"));
    ShippedFileText read;
    QFile text(ShippedFolder + QLatin1Char('/') + file);
    if (!text.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << qPrintable(file);
        return read;
    }
    QString block;
    int lineNumber = 0;
    for (QString line : QString::fromUtf8(text.readAll()).split(QLatin1Char('\n'))) {
        ++lineNumber;
        const bool blank = line.trimmed().isEmpty();
        line = line.left(line.indexOf(QLatin1Char('#'))).trimmed();
        if (blank)
            block.clear();
        if (line.isEmpty())
            continue;
        if (line.startsWith(QLatin1String("language ")))
            read.languages += line.mid(9).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (line.startsWith(QLatin1String("names "))) {
            block = line.mid(6);
            read.blocks.emplace_back(lineNumber, block);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!block.isEmpty()) {
            read.translations.push_back({lineNumber, block, equals > 0 ? line.left(equals).trimmed() : line,
                                         equals > 0 ? line.mid(equals + 1).trimmed() : QString()});
        } else if (const auto m = definition.match(line); m.hasMatch()) {
            read.names.insert(m.captured(2).trimmed());
            if (m.captured(1) == QLatin1String("country"))
                read.country = m.captured(2).trimmed();
        } else if (const auto m = suffix.match(line); m.hasMatch()) {
            read.suffixes.insert(m.captured(1).trimmed());
        } else if (const auto m = announcedUntil.match(line); m.hasMatch()) {
            read.days.insert(m.captured(1).trimmed());
        } else if (equals > 0 && !line.startsWith(QLatin1String("source "))) {
            read.days.insert(line.mid(equals + 1).section(QLatin1Char(';'), 0, 0).trimmed());
            for (auto it = observedAs.globalMatch(line); it.hasNext();)
                read.days.insert(it.next().captured(1).trimmed());
        }
    }
    read.names += read.days;
    read.names += read.suffixes;
    return read;
}

QStringList shippedFiles()
{
    return QDir(ShippedFolder).entryList({QStringLiteral("*.txt")}, QDir::Files);
}

// The names blocks of every shipped file read independently of the parser: each left side is
// a name the file gives above its blocks, and each block's language is one the file names or
// German or French, so that a typo in either cannot hide as a name never shown.
TEST(ShippedNames, TranslateOnlyNamesTheirFileUses)
{
    const QStringList files = shippedFiles();
    ASSERT_GE(files.size(), 25);
    size_t translated = 0;
    for (const QString &file : files) {
        SCOPED_TRACE(file.toStdString());
        const ShippedFileText text = readShippedFile(file);
        const QStringList languages = QStringList{QStringLiteral("de"), QStringLiteral("fr")} + text.languages;
        for (const auto &[line, language] : text.blocks)
            EXPECT_TRUE(languages.contains(language)) << line;
        for (const auto &translation : text.translations) {
            EXPECT_TRUE(text.names.contains(translation.english)) << "line " << translation.line << ": "
                                                                  << qPrintable(translation.english);
            EXPECT_FALSE(translation.local.isEmpty()) << translation.line;
        }
        translated += text.translations.size();
    }
    EXPECT_GE(translated, 1000u);
}

// Days a file whose main language is not English leaves out of its German or French block: the
// same word there, or a name whose form was not certain, read in the country's own language.
const struct
{
    const char *name;
    const char *languages;
} KeptUntranslated[] = {
    {"Sette Giugno", "de fr"},
    {"Näfels Procession Day", "fr"},
    {"Our Lady of the Bien Aparecida", "de"},
    {"Our Lady of Africa", "de"},
    {"Our Lady of Victory", "de"},
};

// Every file names its holidays and days off in German and French, and its country wherever
// leaving it out would show the name in the country's own language rather than the English
// word (Greece, not Monaco). Where English is the main language its names are the official
// ones and may stay.
TEST(ShippedNames, NameEveryCountryAndItsDaysInGermanAndFrench)
{
    const QStringList files = shippedFiles();
    ASSERT_GE(files.size(), 25);
    for (const QString &file : files) {
        const ShippedFileText text = readShippedFile(file);
        const QString main = text.languages.value(0, QStringLiteral("en"));
        const auto namedIn = [&](const QString &language) {
            QSet<QString> named;
            for (const auto &translation : text.translations)
                if (translation.language == language)
                    named.insert(translation.english);
            return named;
        };
        for (const QString &language : {QStringLiteral("de"), QStringLiteral("fr")}) {
            SCOPED_TRACE(file.toStdString() + " in " + language.toStdString());
            const QSet<QString> named = namedIn(language);
            // A day off named by the suffix is named when its holiday and the suffix are.
            const auto isNamed = [&](const QString &name) {
                if (named.contains(name))
                    return true;
                for (const QString &suffix : text.suffixes)
                    if (name.endsWith(QLatin1Char(' ') + suffix) && named.contains(suffix)
                        && named.contains(name.chopped(suffix.size() + 1)))
                        return true;
                return false;
            };
            const auto kept = [&](const QString &name) {
                for (const auto &row : KeptUntranslated)
                    if (name == QString::fromUtf8(row.name)
                        && QString::fromLatin1(row.languages).split(QLatin1Char(' ')).contains(language))
                        return true;
                return false;
            };
            QStringList wanted;
            if (namedIn(main).contains(text.country))
                wanted += text.country;
            if (main != QLatin1String("en")) {
                wanted += QStringList(text.days.begin(), text.days.end());
                wanted += QStringList(text.suffixes.begin(), text.suffixes.end());
            }
            for (const QString &name : wanted)
                EXPECT_TRUE(isNamed(name) || kept(name)) << "no name for '" << qPrintable(name) << "'";
        }
    }
}

// Asked in any language, the catalog lists the same regions in the same order, each named.
TEST(ShippedNames, NameEveryRegionInEveryLanguageAsked)
{
    const auto english = shipped().regions(QStringLiteral("en"));
    ASSERT_GE(english.size(), 150u);
    for (const char *language : {"de", "fr", "it", "ja", "pt_BR"}) {
        const auto named = shipped().regions(QLatin1String(language));
        ASSERT_EQ(named.size(), english.size()) << language;
        for (size_t i = 0; i < named.size(); ++i) {
            EXPECT_EQ(named[i].first, english[i].first);
            EXPECT_FALSE(named[i].second.isEmpty()) << qPrintable(named[i].first);
        }
    }
}

// The codes `findRegions` gives for a query, in the catalog's order.
QStringList foundCodes(const QString &query)
{
    QStringList codes;
    for (const auto &[code, name] : shipped().findRegions(query, QStringLiteral("en")))
        codes << code;
    return codes;
}

TEST(RegionSearch, FindsARegionByAnyNameOrCode)
{
    const struct
    {
        const char *query;
        const char *finds;  // among what is found
    } rows[] = {
        {"Bay", "DE-BY"},       {"bayern", "DE-BY"},        {"bavi", "DE-BY"},     {"BAVIÈRE", "DE-BY"},
        {"DE-BY", "DE-BY"},     {"de-by", "DE-BY"},         {" de-by ", "DE-BY"},  {"wurt", "DE-BW"},
        {"württ", "DE-BW"},     {"westf", "DE-NW"},         {"zurigo", "CH-ZH"},   {"zürich", "CH-ZH"},
        {"geneve", "CH-GE"},    {"genf", "CH-GE"},          {"neuchatel", "CH-NE"}, {"Neuenburg", "CH-NE"},
        {"south wales", "AU-NSW"}, {"wales", "GB-WLS"},     {"日本", "JP"},        {"japon", "JP"},
        {"Osterreich", "AT"},   {"catalu", "ES-CT"},        {"québec", "CA-QC"},   {"quebec", "CA-QC"},
        {"manawatu", "NZ-MWT"}, {"Česká", "CZ"},            {"ceska", "CZ"},       {"suomi", "FI"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.query);
        EXPECT_TRUE(foundCodes(QString::fromUtf8(row.query)).contains(QLatin1String(row.finds)));
    }
}

TEST(RegionSearch, MatchesWordBeginningsOnly)
{
    const struct
    {
        const char *query;
        const char *finds;  // all that is found, by code
    } rows[] = {
        {"bavaria", "DE-BY"},
        {"bayer", "DE-BY"},
        {"varia", ""},             // inside a word
        {"ayern", ""},
        {"rhein", "DE-RP"},        // Rheinland-Pfalz, not Nordrhein-Westfalen
        {"nordrhein", "DE-NW"},
        {"DE-B", "DE-BW DE-BY DE-BE DE-BB"},
        {"xyz", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.query);
        EXPECT_EQ(foundCodes(QString::fromUtf8(row.query)).join(QLatin1Char(' ')), QLatin1String(row.finds));
    }
    EXPECT_EQ(shipped().findRegions(QString()).size(), shipped().regions().size());
    const auto german = shipped().findRegions(QStringLiteral("bavi"), QStringLiteral("de"));
    ASSERT_EQ(german.size(), 1u);
    EXPECT_EQ(german.front().second, QStringLiteral("Bayern"));
}

} // namespace

namespace {

TEST(HolidayFormatDocument, TheNamesExampleGivesWhatTheTextSays)
{
    QFile document(QStringLiteral(LUNARIA_SOURCE_DIR "/docs/holiday-format.md"));
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(document.readAll());
    const qsizetype start = text.indexOf(QStringLiteral("```\n"), text.indexOf(QStringLiteral("### Names in other languages"))) + 4;
    const QString example = text.mid(start, text.indexOf(QStringLiteral("```"), start) - start);
    const HolidayLoadResult loaded = parseHolidayFile(example, QStringLiteral("DE.txt"), QStringLiteral("DE"));
    ASSERT_TRUE(loaded.country) << qPrintable(loaded.error);
    const auto french = loaded.country->holidays(QStringLiteral("DE-BY"), 2027, QStringLiteral("fr"));
    ASSERT_TRUE(french);
    EXPECT_EQ(listText(*french), QStringLiteral("01-01 Jour de l'An; 01-06 Heilige Drei Könige; 10-03 Tag der Deutschen Einheit"));
    EXPECT_EQ(loaded.country->regionName(QStringLiteral("DE-BY"), QStringLiteral("fr")), QStringLiteral("Bavière"));
}

} // namespace
