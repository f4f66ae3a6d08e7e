#include "calendar/moonphases.h"

#include <QTimeZone>

#include <benchmark/benchmark.h>

namespace {

// The phases of one year as a calendar page would want them: every phase of 2027 with its
// local date and time in a zone with daylight saving time.
void MoonPhasesOfOneYear(benchmark::State &bench)
{
    const QTimeZone zone("Europe/Berlin");
    if (!zone.isValid()) {
        bench.SkipWithError("no time zone data for Europe/Berlin");
        return;
    }
    size_t phases = 0;
    for (auto _ : bench) {
        const std::vector<LocalMoonPhase> year = moonPhasesOfYear(2027, zone);
        phases += year.size();
        benchmark::DoNotOptimize(year.data());
    }
    benchmark::DoNotOptimize(phases);
}
BENCHMARK(MoonPhasesOfOneYear)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
