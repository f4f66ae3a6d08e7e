#include "layout/icalendar.h"

#include "layout/icalsupport.h"

#include <QCryptographicHash>

using namespace std::chrono;

namespace {

// RFC 5545 weekday names, Sunday first as weekday::c_encoding() counts.
constexpr const char *RuleWeekdays[7] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

// INTERVAL is a short in libical.
constexpr int MaxInterval = 32767;

bool isCalendarYear(year y)
{
    return y.ok() && int(y) >= 1 && int(y) <= MaxIcsExportYear;
}

QString untilEndOf(year y)
{
    return QStringLiteral("UNTIL=%1").arg(int(y), 4, 10, QLatin1Char('0')) + QStringLiteral("1231");
}

QString isoDate(year_month_day date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(int(date.year()), 4, 10, QLatin1Char('0'))
        .arg(unsigned(date.month()), 2, 10, QLatin1Char('0'))
        .arg(unsigned(date.day()), 2, 10, QLatin1Char('0'));
}

icaltimetype icalDate(sys_days day)
{
    const year_month_day date{day};
    icaltimetype time = icaltime_null_date();
    time.year = int(date.year());
    time.month = int(unsigned(date.month()));
    time.day = int(unsigned(date.day()));
    return time;
}

icaltimetype icalUtc(const QDateTime &stamp)
{
    const QDateTime utc = stamp.toUTC();
    icaltimetype time = icaltime_null_time();
    time.year = utc.date().year();
    time.month = utc.date().month();
    time.day = utc.date().day();
    time.hour = utc.time().hour();
    time.minute = utc.time().minute();
    time.second = utc.time().second();
    time.zone = icaltimezone_get_utc_timezone();
    return time;
}

// libical 3.0 folds a line whose text ends at a fold into its own line end: "CR CR LF SP LF",
// which breaks readers, or "CR LF SP CR LF", an empty continuation (fixed in libical 4.0.3).
// Neither sequence can come from a value: libical drops CR from text and escapes LF.
QByteArray repairFolds(QByteArray text)
{
    text.replace("\r\r\n \n", "\r\n");
    text.replace("\r\n \r\n", "\r\n");
    return text;
}

} // namespace

QByteArray writeIcs(const std::vector<IcsExportEvent> &events, const QString &calendarName, const QDateTime &stamp)
{
    Q_ASSERT(stamp.isValid());
    ensureLibicalSetUp();
    IcalComponentPtr calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Lunaria//Lunaria//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    if (!calendarName.isEmpty()) {
        icalproperty *name = icalproperty_new_x(calendarName.toUtf8().constData());
        icalproperty_set_x_name(name, "X-WR-CALNAME");
        icalcomponent_add_property(calendar.get(), name);
    }

    const icaltimetype dtstamp = icalUtc(stamp);
    for (const IcsExportEvent &event : events) {
        Q_ASSERT(event.start.ok() && isCalendarYear(event.start.year()));
        if (!event.start.ok() || !isCalendarYear(event.start.year()))
            continue;
        icalcomponent *vevent = icalcomponent_new_vevent();
        icalcomponent_add_property(vevent, icalproperty_new_uid(event.uid.toUtf8().constData()));
        icalcomponent_add_property(vevent, icalproperty_new_dtstamp(dtstamp));
        icalcomponent_add_property(vevent, icalproperty_new_dtstart(icalDate(sys_days{event.start})));
        // All-day: DTEND is the exclusive end, the next day.
        icalcomponent_add_property(vevent, icalproperty_new_dtend(icalDate(sys_days{event.start} + days{1})));
        if (!event.rrule.isEmpty()) {
            const IcalRecurrenceRule rule(event.rrule.toUtf8().constData());
            Q_ASSERT_X(rule.rule().freq != ICAL_NO_RECURRENCE, "writeIcs", "an rrule libical cannot read");
            if (rule.rule().freq != ICAL_NO_RECURRENCE)
                icalcomponent_add_property(vevent, icalproperty_new_rrule(rule.rule()));
        }
        icalcomponent_add_property(vevent, icalproperty_new_summary(event.summary.toUtf8().constData()));
        if (!event.category.isEmpty())
            icalcomponent_add_property(vevent, icalproperty_new_categories(event.category.toUtf8().constData()));
        // Marked days are reminders, not appointments: they do not make the owner busy.
        icalcomponent_add_property(vevent, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        icalcomponent_add_component(calendar.get(), vevent);
    }

    char *text = icalcomponent_as_ical_string_r(calendar.get());
    QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return repairFolds(bytes);
}

std::optional<IcsRecurrence> nthWeekdayOfEveryMonth(year y, weekday_indexed day)
{
    if (!isCalendarYear(y) || !day.ok())
        return std::nullopt;
    // Every weekday comes five times in at least four months of any year, so some month has it.
    for (unsigned m = 1; m <= 12; ++m) {
        const year_month_weekday first{y, month{m}, day};
        if (first.ok())
            return IcsRecurrence{year_month_day{sys_days{first}},
                                 QStringLiteral("FREQ=MONTHLY;BYDAY=%1%2;").arg(day.index()).arg(QLatin1String(RuleWeekdays[day.weekday().c_encoding()]))
                                     + untilEndOf(y)};
    }
    return std::nullopt;
}

std::optional<IcsRecurrence> lastWeekdayOfEveryMonth(year y, weekday day)
{
    if (!isCalendarYear(y) || !day.ok())
        return std::nullopt;
    const year_month_weekday_last first{y, January, day[last]};
    return IcsRecurrence{year_month_day{sys_days{first}},
                         QStringLiteral("FREQ=MONTHLY;BYDAY=-1%1;").arg(QLatin1String(RuleWeekdays[day.c_encoding()])) + untilEndOf(y)};
}

std::optional<IcsRecurrence> everyNWeeksInYear(year_month_day start, int weeks)
{
    if (!start.ok() || !isCalendarYear(start.year()) || weeks < 1 || weeks > MaxInterval)
        return std::nullopt;
    return IcsRecurrence{start, QStringLiteral("FREQ=WEEKLY;INTERVAL=%1;").arg(weeks) + untilEndOf(start.year())};
}

QString uidFor(const QString &ruleKey, year_month_day date)
{
    const QByteArray digest = QCryptographicHash::hash((ruleKey + QLatin1Char('\n') + isoDate(date)).toUtf8(),
                                                       QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.left(16).toHex()) + QStringLiteral("@lunaria");
}
