#include "calendar/datelistsink.h"
#include "calendar/dayrules.h"
#include "pictures/pictureloader.h"
#include "devices/pdfdevice.h"
#include "devices/printers.h"
#include "render/qpainterpagesurface.h"
#include "page/composepage.h"
#include "print/preview.h"

#include <QBuffer>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

// A full calendar: header, address, message, a picture beside the header and five rules.
CalendarState fullCalendar()
{
    using namespace std::chrono;
    CalendarState state = loadDefaults(QDate(2026, 6, 1));
    state.txtYear = QStringLiteral("2027");
    state.txtHeader = QStringLiteral("The Smith Family Calendar");
    state.txtMessage[5] = QStringLiteral("Happy New Year from all of us");
    const char *address[] = {"12 High Street", "Springfield", "Telephone 555 0123", "smith@example.org", "Est. 1999"};
    for (int i = 0; i < 5; ++i)
        state.textLines[i] = state.txtMessage[i] = QString::fromLatin1(address[i]);
    MarkNthWeekday(state, 3, 2, QStringLiteral("Board meeting"));
    MarkNthWeekday(state, 7, 4, QStringLiteral("Market"));
    MarkNthWeekday(state, 1, 1, QStringLiteral("Family lunch"));
    MarkEveryNWeeks(state, year{2027} / January / day{5}, 2, QStringLiteral("Bins"));
    MarkEveryNWeeks(state, year{2027} / March / day{12}, 3, QStringLiteral("Choir"));
    QString error;
    state.picTemp = loadPicture(QStringLiteral(LUNARIA_SOURCE_DIR "/examples/pictures/house.bmp"), &error);
    if (!state.picTemp) {
        std::fprintf(stderr, "cannot load the example picture: %s\n", qPrintable(error));
        std::exit(1);
    }
    state.binSelPic = true;
    return state;
}

void WholePageOntoAPdfInMemory(benchmark::State &bench)
{
    const CalendarState state = fullCalendar();
    qint64 bytes = 0;
    for (auto _ : bench) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(pdfPageLayout());
        QPainterPageSurface surface(writer, PdfDeviceName);
        NullDateListSink noList;
        composePage(state, surface, noList);
        surface.endDocument();
        bytes = buffer.size();
        benchmark::DoNotOptimize(bytes);
    }
    bench.counters["pdf_bytes"] = double(bytes);
}
BENCHMARK(WholePageOntoAPdfInMemory)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void WholePageOntoA96DpiImage(benchmark::State &bench)
{
    const CalendarState state = fullCalendar();
    for (auto _ : bench) {
        const QImage page = renderPreview(state, 96);
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(WholePageOntoA96DpiImage)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// The same calendar for a reader abroad: Russian names (stand-alone month names, narrow
// weekday heads), weeks from Monday with ISO week numbers, the patterned colours, on A4.
CalendarState worldCalendar()
{
    CalendarState state = fullCalendar();
    state.page.language = QStringLiteral("ru_RU");
    state.page.weekStart = 2;
    state.page.weekNumbers = true;
    state.page.palette = Palette::Patterns;
    state.page.paper = Paper::A4;
    return state;
}

void WorldPageOntoAPdfInMemory(benchmark::State &bench)
{
    const CalendarState state = worldCalendar();
    qint64 bytes = 0;
    for (auto _ : bench) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(pdfPageLayout(state.page.paper));
        QPainterPageSurface surface(writer, PdfDeviceName);
        surface.fitPage(QSizeF(PageLayout::PageWidth, PageLayout::PageHeight));
        NullDateListSink noList;
        composePage(state, surface, noList);
        surface.endDocument();
        bytes = buffer.size();
        benchmark::DoNotOptimize(bytes);
    }
    bench.counters["pdf_bytes"] = double(bytes);
}
BENCHMARK(WorldPageOntoAPdfInMemory)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

void WorldPageOntoA96DpiImage(benchmark::State &bench)
{
    const CalendarState state = worldCalendar();
    for (auto _ : bench) {
        const QImage page = renderPreview(state, 96);
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(WorldPageOntoA96DpiImage)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
