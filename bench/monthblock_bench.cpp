#include "calendar/datelistsink.h"
#include "calendar/dayrules.h"
#include "page/monthblock.h"
#include "render/qpainterpagesurface.h"

#include <QImage>

#include <benchmark/benchmark.h>

namespace {

// Counts the date-list lines instead of writing a file.
class CountingDateList : public DateListSink
{
public:
    void writeLine(const QString &line) override { characters += line.size(); }
    qsizetype characters = 0;
};

CalendarState fiveRules()
{
    using namespace std::chrono;
    CalendarState state = loadDefaults(QDate(2023, 6, 1));
    state.txtYear = QStringLiteral("2024");
    MarkNthWeekday(state, 3, 2, QStringLiteral("Board meeting"));
    MarkNthWeekday(state, 7, 4, QStringLiteral("Market"));
    MarkNthWeekday(state, 1, 1, QStringLiteral("Family lunch"));
    MarkEveryNWeeks(state, year{2024} / January / day{5}, 2, QStringLiteral("Bins"));
    MarkEveryNWeeks(state, year{2024} / March / day{12}, 3, QStringLiteral("Choir"));
    return state;
}

// The twelve month blocks of a Letter page at the print job's places, on a 96-dpi image.
void TwelveMonthBlocksOnA96DpiPage(benchmark::State &bench)
{
    const CalendarState state = fiveRules();
    QImage page(816, 1056, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(96 / 0.0254));
    page.setDotsPerMeterY(qRound(96 / 0.0254));
    CountingDateList dateList;
    for (auto _ : bench) {
        page.fill(Qt::white);
        QPainterPageSurface surface(page, QStringLiteral("image"));
        for (int i = 0; i < 12; ++i)
            PlaceMonth(state, surface, dateList, 2024, qint16(i + 1), qint16(600 + 3720 * (i % 3)),
                       qint16(4600 + 2592 * (i / 3)), QStringLiteral("Arial"));
        surface.endDocument();
        benchmark::DoNotOptimize(page.constBits());
    }
    benchmark::DoNotOptimize(dateList.characters);
}
BENCHMARK(TwelveMonthBlocksOnA96DpiPage)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
