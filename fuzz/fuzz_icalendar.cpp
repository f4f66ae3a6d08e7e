// libFuzzer target: arbitrary bytes as an .ics file, read for one of the years 1, 2024 and 9999.
// The reader must refuse or read them within its bounds, give sorted days of that year only,
// and the days it gives, exported and read back, must come back the same (an export holds the
// years 1 to MaxIcsExportYear).

#include "calendar/ical/icalendar.h"
#include "calendar/ical/icalwriter.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QTimeZone>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // A zone with summer time, so that zone conversions are exercised; fixed for repeatability.
    qputenv("TZ", "America/New_York");
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const int years[] = {2024, 1, 9999};
    const int year = years[size % 3];
    const QString name = QStringLiteral("fuzz.ics");
    const IcsReadResult result = parseIcsDays(bytes, name, year);
    if (!result.ok) {
        if (!result.error.startsWith(name) || !result.days.empty())
            std::abort();
        return 0;
    }
    for (size_t i = 0; i < result.days.size(); ++i) {
        const auto &date = result.days[i].date;
        if (!date.ok() || int(date.year()) != year || (i > 0 && date < result.days[i - 1].date))
            std::abort();
    }

    // The first days again, as single all-day events of an export.
    if (year > MaxIcsExportYear)
        return 0;
    std::vector<IcsExportEvent> events;
    for (size_t i = 0; i < result.days.size() && i < 40; ++i)
        events.push_back({QStringLiteral("fuzz-%1").arg(i), result.days[i].summary, result.calendarName,
                          result.days[i].date, QString()});
    const QByteArray exported = writeIcs(events, result.calendarName, QDateTime(QDate(2024, 1, 1), QTime(0, 0), QTimeZone::utc()));
    const IcsReadResult again = parseIcsDays(exported, QStringLiteral("export"), year);
    if (!again.ok || again.days.size() != events.size())
        std::abort();
    for (size_t i = 0; i < events.size(); ++i)
        if (again.days[i].date != events[i].start || again.days[i].summary != events[i].summary)
            std::abort();
    return 0;
}
