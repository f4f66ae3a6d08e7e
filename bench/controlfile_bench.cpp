#include "control/controlfile.h"
#include "platform/messages.h"
#include "calendar/holidays/holidays.h"
#include "calendar/ical/icsreader.h"
#include "calendar/marksources.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The shipped holiday files of this source tree, with no user folder before them, and an
// .ics reader: the sources a run of the program has, made once for the benchmark.
const MarkSources &sources()
{
    static const HolidayCatalog holidays({QString(), QStringLiteral(LUNARIA_SOURCE_DIR "/data/holidays")});
    static IcsReader calendars;
    static const MarkSources marks{holidays, calendars};
    return marks;
}

// Counts the messages a read shows; a clean file shows none.
class CountingMessages : public MessageService
{
public:
    void show(const QString &, const QString &, Icon) override { ++count; }
    int count = 0;
};

// A long control file as a club might keep one: a few directives among thousands of comment
// and header lines, five rules near the end.
QByteArray longControlFile(int lines)
{
    QByteArray text;
    text += "YER 2027\r\nHDR The Riverside Chess Club\r\nMSG Every member welcome\r\n";
    for (int i = 0; text.count('\n') < lines - 8; ++i) {
        if (i % 10 == 0)
            text += "HDR The Riverside Chess Club, season " + QByteArray::number(i) + "\r\n";
        else
            text += "REM round " + QByteArray::number(i) + ": board pairings are posted in the club room\r\n";
    }
    text += "NOT Meets at the library\r\nNOT 14 River Road\r\n";
    text += "DTM 1 2 Committee\r\nDTM 3 5 Open evening\r\nDTM 4 7 Junior tournament\r\n";
    text += "EFW 2027-01-04 2 Coaching\r\nEFW 2027-02-06 4 League match\r\n";
    return text;
}

void ControlFileOf10000Lines(benchmark::State &bench)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("club.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(longControlFile(10000));
    file.close();

    const CalendarState fresh = loadDefaults(QDate(2026, 12, 8));
    for (auto _ : bench) {
        CalendarState state = fresh;
        state.strSelectedFile = path;
        CountingMessages messages;
        ReadControlFile(state, messages, sources());
        if (state.MarkCount != 5 || messages.count != 0)
            bench.SkipWithError("the control file was not read as expected");
        benchmark::DoNotOptimize(state.DayMarks);
    }
}
BENCHMARK(ControlFileOf10000Lines)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
