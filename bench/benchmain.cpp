#include <QApplication>

#include <benchmark/benchmark.h>

// Every benchmark program draws text, which needs a Qt application, and some fill the
// window's widgets; offscreen, so the benchmarks run on machines without a display.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
