#include "calendar/holidays/holidays.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The shipped files behind an empty folder of the user's own, as the program looks them up:
// every lookup asks the user's folder first.
struct ShippedCatalog
{
    QTemporaryDir user;
    HolidayCatalog catalog{{user.path(), QStringLiteral(LUNARIA_SOURCE_DIR "/data/holidays")}};
};

// The holidays of one year for each of `codes`, the files parsed once before.
void HolidaysOfRegions(benchmark::State &bench, const HolidayCatalog &catalog, const std::vector<QString> &codes)
{
    if (codes.empty()) {
        bench.SkipWithError("no holiday file for the regions");
        return;
    }
    for (const QString &code : codes)
        if (!catalog.holidays(code, 2025).ok()) {
            bench.SkipWithError("a region's holidays could not be worked out");
            return;
        }
    size_t days = 0;
    for (auto _ : bench) {
        for (const QString &code : codes) {
            const auto result = catalog.holidays(code, 2025);
            days += result.days.size();
        }
    }
    benchmark::DoNotOptimize(days);
    bench.counters["regions"] = double(codes.size());
}

// A country and every one of its regions: what a region combo box and its preview ask for.
void AllRegionsOfACountryForOneYear(benchmark::State &bench, const char *country)
{
    const ShippedCatalog shipped;
    std::vector<QString> codes;
    for (const auto &[code, name] : shipped.catalog.regions())
        if (code.startsWith(QLatin1String(country)))
            codes.push_back(code);
    HolidaysOfRegions(bench, shipped.catalog, codes);
}
BENCHMARK_CAPTURE(AllRegionsOfACountryForOneYear, Switzerland, "CH")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(AllRegionsOfACountryForOneYear, Germany, "DE")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(AllRegionsOfACountryForOneYear, Japan, "JP")->Unit(benchmark::kMicrosecond);

// Every region of every shipped country: the whole list the region chooser offers, each
// looked up on the search path as a HOL rule would be. Should stay under 5 ms.
void AllRegionsOfAllCountriesForOneYear(benchmark::State &bench)
{
    const ShippedCatalog shipped;
    std::vector<QString> codes;
    for (const auto &[code, name] : shipped.catalog.regions())
        codes.push_back(code);
    HolidaysOfRegions(bench, shipped.catalog, codes);
}
BENCHMARK(AllRegionsOfAllCountriesForOneYear)->Unit(benchmark::kMillisecond);

// Parsing the largest shipped file, which the cache saves on later calls.
void ParseTheSwissFile(benchmark::State &bench)
{
    QFile file(QStringLiteral(LUNARIA_SOURCE_DIR "/data/holidays/CH.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        bench.SkipWithError("CH.txt not found");
        return;
    }
    const QString text = QString::fromUtf8(file.readAll());
    for (auto _ : bench)
        benchmark::DoNotOptimize(parseHolidayFile(text, QStringLiteral("CH.txt")).country);
}
BENCHMARK(ParseTheSwissFile)->Unit(benchmark::kMicrosecond);

// The first year asked of a file with days of the Chinese, Korean and Islamic calendars: the
// file parsed afresh, so that no date ICU worked out before is kept. What a page for one year
// of HOL KR costs the first time.
void FirstYearOfALunarCalendarCountry(benchmark::State &bench, const char *country)
{
    QFile file(QStringLiteral(LUNARIA_SOURCE_DIR "/data/holidays/") + QLatin1String(country) + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        bench.SkipWithError("the country's file not found");
        return;
    }
    const QString text = QString::fromUtf8(file.readAll());
    const QString code = QString::fromLatin1(country);
    size_t days = 0;
    for (auto _ : bench) {
        const HolidayLoadResult loaded = parseHolidayFile(text, code + QStringLiteral(".txt"));
        if (!loaded.country) {
            bench.SkipWithError("the country's file is refused");
            return;
        }
        days += loaded.country->holidays(code, 2025).value_or(std::vector<HolidayDay>{}).size();
    }
    benchmark::DoNotOptimize(days);
}
BENCHMARK_CAPTURE(FirstYearOfALunarCalendarCountry, SouthKorea, "KR")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FirstYearOfALunarCalendarCountry, China, "CN")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FirstYearOfALunarCalendarCountry, SaudiArabia, "SA")->Unit(benchmark::kMillisecond);

} // namespace
