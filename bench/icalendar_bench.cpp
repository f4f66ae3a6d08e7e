#include "calendar/ical/icalendar.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

#include <sys/resource.h>

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

// The worst files: the most work the reader accepts before it refuses a file (MaxIcsStepsPerFile
// steps, MaxIcsFileBytes bytes, the bounds on VTIMEZONEs), each of one kind of work. Each must
// be read in under 2 s and 256 MB (a release build; "peak_MB" is the process's peak, so run
// one at a time with --benchmark_filter for its own figure). "steps" is the work the reader
// counted, "days" the entries it gave; a file that is refused is reported as an error.

QByteArray icsCalendar(const QByteArray &body)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Lunaria bench//EN\r\n" + body + "END:VCALENDAR\r\n";
}

QByteArray icsEvent(int uid, const QByteArray &properties)
{
    return "BEGIN:VEVENT\r\nUID:" + QByteArray::number(uid) + "\r\nSUMMARY:Event " + QByteArray::number(uid) + "\r\n" + properties
        + "END:VEVENT\r\n";
}

// `count` events of the same properties; `count` 0: as many as the step budget allows.
QByteArray eventsOf(const QByteArray &properties, int count = 0, const QByteArray &zones = {})
{
    if (count == 0) {
        const IcsReadResult one = parseIcsDays(icsCalendar(zones + icsEvent(0, properties)), QStringLiteral("one.ics"), 2024);
        count = int(MaxIcsStepsPerFile / std::max<qint64>(one.steps, 1)) - 1;
    }
    QByteArray body = zones;
    for (int i = 0; i < count; ++i)
        body += icsEvent(i, properties);
    return icsCalendar(body);
}

void readWorst(benchmark::State &bench, const QByteArray &bytes)
{
    qputenv("TZ", "Europe/Berlin");
    IcsReadResult result;
    for (auto _ : bench) {
        result = parseIcsDays(bytes, QStringLiteral("worst.ics"), 2024);
        if (!result.ok)
            bench.SkipWithError(result.error.toUtf8().constData());
        benchmark::DoNotOptimize(result.days.data());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    bench.counters["steps"] = double(result.steps);
    bench.counters["days"] = double(result.days.size());
    bench.counters["warnings"] = double(result.warnings.size());
    bench.counters["MiB"] = double(bytes.size()) / (1024 * 1024);
    bench.counters["peak_MB"] = double(usage.ru_maxrss) / 1024;
}

// Rules libical searches a year of days for, in vain.
void WorstIcsLibicalSearches(benchmark::State &bench)
{
    readWorst(bench, eventsOf("DTSTART;VALUE=DATE:20240101\r\nRRULE:FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30\r\n"));
}
BENCHMARK(WorstIcsLibicalSearches)->Unit(benchmark::kMillisecond)->Iterations(1);

// Yearly rules libical expands into every Monday.
void WorstIcsLibicalYearly(benchmark::State &bench)
{
    readWorst(bench, eventsOf("DTSTART;TZID=Europe/Berlin:20200106T090000\r\nRRULE:FREQ=YEARLY;BYDAY=MO;BYMONTH=1,4,7,10\r\n"));
}
BENCHMARK(WorstIcsLibicalYearly)->Unit(benchmark::kMillisecond)->Iterations(1);

// Rules of every few seconds, in a zone, each day with the times of the day moving.
void WorstIcsSecondly(benchmark::State &bench)
{
    readWorst(bench, eventsOf("DTSTART;TZID=Europe/Berlin:20000101T000000\r\nRRULE:FREQ=SECONDLY;INTERVAL=7;BYMINUTE=0,30\r\n"));
}
BENCHMARK(WorstIcsSecondly)->Unit(benchmark::kMillisecond)->Iterations(1);

// Rules of every minute counted from long ago, so that the count is worked out day by day.
void WorstIcsCountedFromLongAgo(benchmark::State &bench)
{
    readWorst(bench, eventsOf("DTSTART:18000101T000000Z\r\nRRULE:FREQ=MINUTELY;BYDAY=MO,TU;COUNT=2000000000\r\n"));
}
BENCHMARK(WorstIcsCountedFromLongAgo)->Unit(benchmark::kMillisecond)->Iterations(1);

// Daily events in a zone of the system, every day of the year excluded by EXDATE.
void WorstIcsExdates(benchmark::State &bench)
{
    QByteArray exdates = "EXDATE;TZID=Europe/Berlin:";
    for (int day = 0; day < 365; ++day)
        exdates += (day ? "," : "") + QDate(2024, 1, 1).addDays(day).toString(QStringLiteral("yyyyMMdd")).toLatin1() + "T090000";
    readWorst(bench, eventsOf("DTSTART;TZID=Europe/Berlin:20240101T090000\r\nRRULE:FREQ=DAILY\r\n" + exdates + "\r\n"));
}
BENCHMARK(WorstIcsExdates)->Unit(benchmark::kMillisecond)->Iterations(1);

// 16 MiB of single events in a VTIMEZONE of the file, all in the year: the most events a file holds.
void WorstIcsSingleEvents(benchmark::State &bench)
{
    const QByteArray properties = "DTSTART;TZID=Europe/Berlin:20240310T090000\r\nDTEND;TZID=Europe/Berlin:20240310T100000\r\n";
    const int count = int((MaxIcsFileBytes - 4096) / (icsEvent(100000, properties).size() + 1));
    readWorst(bench, eventsOf(properties, count, Berlin));
}
BENCHMARK(WorstIcsSingleEvents)->Unit(benchmark::kMillisecond)->Iterations(1);

// 12,000 events of one day, each of its own name.
void IcsTwelveThousandEventsOfOneDay(benchmark::State &bench)
{
    readWorst(bench, eventsOf("DTSTART;VALUE=DATE:20240310\r\n", 12000));
}
BENCHMARK(IcsTwelveThousandEventsOfOneDay)->Unit(benchmark::kMillisecond)->Iterations(1);

// The worst time zones: as many observances and changes of offset as a file may have
// (MaxIcsObservancesPerZone, MaxIcsObservancesPerFile, MaxIcsZoneChangesPerFile), with an
// event in each zone in the year and one in 2580, so that libical works out every change.
void WorstIcsTimeZones(benchmark::State &bench)
{
    const int zones = MaxIcsObservancesPerFile / MaxIcsObservancesPerZone;
    const int changesPerObservance = int(MaxIcsZoneChangesPerFile / MaxIcsObservancesPerFile) - 1;
    QByteArray body;
    int uid = 0;
    for (int zone = 0; zone < zones; ++zone) {
        const QByteArray id = "Zone " + QByteArray::number(zone);
        body += "BEGIN:VTIMEZONE\r\nTZID:" + id + "\r\n";
        for (int i = 0; i < MaxIcsObservancesPerZone; ++i) {
            const bool daylight = i % 2;
            body += QByteArray(daylight ? "BEGIN:DAYLIGHT" : "BEGIN:STANDARD") + "\r\nTZOFFSETFROM:" + (daylight ? "+0100" : "+0200")
                + "\r\nTZOFFSETTO:" + (daylight ? "+0200" : "+0100") + "\r\nDTSTART:"
                + QByteArray::number(2582 - changesPerObservance + 1) + (daylight ? "0329" : "1025") + "T0" + QByteArray::number(2 + i % 7)
                + "0000\r\nRRULE:FREQ=YEARLY;BYMONTH=" + (daylight ? "3" : "10") + ";BYDAY=-" + QByteArray::number(1 + i % 3) + "SU\r\n"
                + (daylight ? "END:DAYLIGHT" : "END:STANDARD") + "\r\n";
        }
        body += "END:VTIMEZONE\r\n";
        body += icsEvent(uid++, "DTSTART;TZID=" + id + ":20240310T090000\r\n");
        body += icsEvent(uid++, "DTSTART;TZID=" + id + ":25800310T090000\r\nDTEND;TZID=" + id + ":25800310T100000\r\n");
    }
    readWorst(bench, icsCalendar(body));
}
BENCHMARK(WorstIcsTimeZones)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
