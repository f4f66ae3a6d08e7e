#include "layout/icalendar.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {

// A VTIMEZONE as calendar programs export one, for the events in Berlin time.
const QByteArray Berlin =
    "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\n"
    "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nTZNAME:CEST\r\nDTSTART:19700329T020000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\n"
    "BEGIN:STANDARD\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\nDTSTART:19701025T030000\r\n"
    "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";

QByteArray two(int n)
{
    return QByteArray::number(n).rightJustified(2, '0');
}

// 9,000 single events and 1,000 recurring ones (weekly, every other week, the nth weekday of
// the month, the same day of the month), in years from `firstYear` to 2024: all-day, UTC,
// Berlin time and floating, with the properties a calendar program writes.
QByteArray tenThousandEvents(int firstYear)
{
    std::mt19937 random(2024);
    const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const char *weekdays[] = {"MO", "TU", "WE", "TH", "FR"};
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Lunaria bench//EN\r\nX-WR-CALNAME:Club\r\n" + Berlin;
    for (int i = 0; i < 10000; ++i) {
        const QByteArray date = QByteArray::number(pick(firstYear, 2024)) + two(pick(1, 12)) + two(pick(1, 27));
        const QByteArray time = "T" + two(pick(7, 21)) + two(pick(0, 3) * 15) + "00";
        text += "BEGIN:VEVENT\r\nUID:event-" + QByteArray::number(i) + "@bench.example\r\n"
                "DTSTAMP:20231201T120000Z\r\nCREATED:20231201T120000Z\r\nLAST-MODIFIED:20231201T120000Z\r\n"
                "SUMMARY:Event number " + QByteArray::number(i) + "\r\n";
        switch (i % 4) {
        case 0:
            text += "DTSTART;VALUE=DATE:" + date + "\r\nDTEND;VALUE=DATE:" + date.left(6) + two(date.right(2).toInt() + 1) + "\r\n";
            break;
        case 1:
            text += "DTSTART:" + date + time + "Z\r\nDTEND:" + date + "T235900Z\r\n";
            break;
        case 2:
            text += "DTSTART;TZID=Europe/Berlin:" + date + time + "\r\nDURATION:PT1H30M\r\n";
            break;
        default:
            text += "DTSTART:" + date + time + "\r\nDTEND:" + date + "T235900\r\n";
            break;
        }
        if (i % 10 == 0) {
            switch (i / 10 % 4) {
            case 0: text += "RRULE:FREQ=WEEKLY\r\n"; break;
            case 1: text += "RRULE:FREQ=WEEKLY;INTERVAL=2;UNTIL=20251231T235959Z\r\n"; break;
            case 2: text += "RRULE:FREQ=MONTHLY;BYDAY=" + QByteArray::number(pick(1, 4)) + weekdays[pick(0, 4)] + "\r\n"; break;
            default: text += "RRULE:FREQ=MONTHLY;COUNT=60\r\n"; break;
            }
        }
        if (i % 3 == 0)
            text += "LOCATION:Club house\\, room " + QByteArray::number(i % 7) + "\r\nDESCRIPTION:Bring the usual things.\r\n";
        text += "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Reminder\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\nEND:VEVENT\r\n";
    }
    return text + "END:VCALENDAR\r\n";
}

void readYear(benchmark::State &bench, int firstYear)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("club.ics"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(tenThousandEvents(firstYear));
    file.close();
    qputenv("TZ", "Europe/Berlin");

    size_t days = 0;
    for (auto _ : bench) {
        const IcsReadResult result = readIcsDays(path, 2024);
        if (!result.ok)
            bench.SkipWithError(result.error.toUtf8().constData());
        days = result.days.size();
        benchmark::DoNotOptimize(result.days.data());
    }
    bench.counters["days"] = double(days);
    bench.counters["bytes"] = double(QFileInfo(path).size());
}

// Every event in the year read: the most work a file of 10,000 events makes.
void IcsFileOf10000EventsInTheYear(benchmark::State &bench)
{
    readYear(bench, 2024);
}
BENCHMARK(IcsFileOf10000EventsInTheYear)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

// Ten years of a calendar, one of them read.
void IcsFileOf10000EventsOverTenYears(benchmark::State &bench)
{
    readYear(bench, 2015);
}
BENCHMARK(IcsFileOf10000EventsOverTenYears)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace
