#include "layout/holidays.h"

#include <QFile>

#include <benchmark/benchmark.h>

namespace {

// The holidays of one year for a country and every one of its regions, the files parsed
// once before: what a region combo box and its preview ask for.
void AllRegionsOfACountryForOneYear(benchmark::State &bench, const char *country)
{
    const HolidayCatalog catalog({QStringLiteral(LUNARIA_SOURCE_DIR "/data/holidays")});
    std::vector<QString> codes;
    for (const auto &[code, name] : catalog.regions())
        if (code.startsWith(QLatin1String(country)))
            codes.push_back(code);
    if (codes.empty()) {
        bench.SkipWithError("no holiday file for the country");
        return;
    }
    size_t days = 0;
    for (auto _ : bench) {
        for (const QString &code : codes) {
            const auto result = catalog.holidays(code, 2025);
            days += std::get<std::vector<HolidayDay>>(result).size();
        }
    }
    benchmark::DoNotOptimize(days);
    bench.counters["regions"] = double(codes.size());
}
BENCHMARK_CAPTURE(AllRegionsOfACountryForOneYear, Switzerland, "CH")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(AllRegionsOfACountryForOneYear, Germany, "DE")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(AllRegionsOfACountryForOneYear, Japan, "JP")->Unit(benchmark::kMicrosecond);

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

} // namespace
