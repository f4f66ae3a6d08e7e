#include "calendar/ical/icalexpand.h"

#include "calendar/calendarmath.h"

#include <algorithm>

using namespace std::chrono;

namespace {

QString quoted(const QByteArray &value)
{
    const QString text = QString::fromUtf8(value);
    return QLatin1Char('"') + (text.size() > 60 ? text.left(57) + QStringLiteral("...") : text) + QLatin1Char('"');
}

// Calls `take` with each value of a property that may hold a list ("20240101,20240108").
template <typename Take> void forEachValue(const QByteArray &values, Take take)
{
    for (const QByteArray &value : values.split(','))
        if (!take(value.trimmed()))
            return;
}

// Steps per day libical searches, and per year for a yearly rule: libical 3.0 spends about
// 3 microseconds on a day of a daily or monthly rule (measured with a rule that never
// matches), and up to 130 on a year of a yearly one.
constexpr qint64 LibicalStepsPerDay = 3;
constexpr qint64 LibicalStepsPerYear = 120;
// Time units tried by a rule within a day for each step.
constexpr qint64 UnitsPerStep = 64;

} // namespace

std::optional<Moment> readMoment(IcsZones &zones, const IcsDateLine &line, const QByteArray &value, QString &why)
{
    const icaltimetype time = icaltime_from_string(value.constData());
    if (icaltime_is_null_time(time)) {
        why = ICalendarWords::tr("libical cannot read the %1 value %2").arg(QString::fromLatin1(line.name), quoted(value));
        return std::nullopt;
    }
    const auto wall = wallOf(time);
    if (!wall) {
        why = ICalendarWords::tr("the %1 %2 is not a date of the years 1 to 9999").arg(QString::fromLatin1(line.name), describe(time));
        return std::nullopt;
    }
    return Moment{time, *wall, zones.frameOf(line.tzid, time)};
}

bool readDuration(const IcsDateLine &line, const QByteArray &value, EndRule &end, QString &why)
{
    const icaldurationtype length = icaldurationtype_from_string(value.constData());
    if (icaldurationtype_is_bad_duration(length)) {
        why = ICalendarWords::tr("libical cannot read the %1 value %2").arg(QString::fromLatin1(line.name), quoted(value));
        return false;
    }
    // A negative duration ends where the event begins.
    end.kind = EndRule::Kind::Nominal;
    end.nominalDays = length.is_neg ? 0 : std::min<qint64>(qint64(length.weeks) * 7 + length.days, MaxEventDays);
    end.nominalSeconds = length.is_neg ? 0
                                       : std::min<qint64>(qint64(length.hours) * 3600 + qint64(length.minutes) * 60 + length.seconds,
                                                          MaxEventDays * SecondsPerDay);
    return true;
}

IcsExpander::IcsExpander(int year, IcsZones &zones, IcsWarnings &warnings)
    : m_zones(zones), m_warnings(warnings), m_firstDay(sys_days{std::chrono::year{year} / January / 1}),
      m_lastDay(sys_days{std::chrono::year{year} / December / 31}),
      m_windowStart(secondsOf({m_firstDay - days{ZoneSlackDays}, 0})),
      m_windowEnd(secondsOf({m_lastDay + days{ZoneSlackDays + 1}, 0}))
{
}

void IcsExpander::warn(int line, const QString &what)
{
    m_warnings.add(line, what);
}

IcsExpander::Result IcsExpander::charge(qint64 steps)
{
    m_seriesSteps += steps;
    m_stepsLeft -= steps;
    if (m_stepsLeft < 0) {
        m_error = ICalendarWords::tr("its recurring events take more than %L1 steps to work out").arg(MaxIcsStepsPerFile);
        return Result::Refused;
    }
    return m_seriesSteps > MaxIcsStepsPerEvent ? Result::LeftOut : Result::Done;
}

bool IcsExpander::excluded(const Occurrence &occurrence)
{
    return m_excludedDays.count(occurrence.start.day.time_since_epoch().count())
        || (!m_excludedInstants.empty() && occurrence.frame->kind != Frame::Kind::Date
            && m_excludedInstants.count(m_zones.instantOf(occurrence.start, *occurrence.frame)));
}

bool IcsExpander::excluded(const Event &master, WallTime start)
{
    return m_excludedDays.count(start.day.time_since_epoch().count())
        || (!m_excludedInstants.empty() && m_excludedInstants.count(m_zones.instantOf(start, *master.first.frame)));
}

bool IcsExpander::expand(const Series &series)
{
    m_seriesDays.clear();
    m_seriesMarked.assign(size_t((m_lastDay - m_firstDay).count() + 1), false);
    m_seriesSteps = 0;
    m_excludedInstants.clear();
    m_excludedDays.clear();
    // A cancelled event takes its overrides with it.
    for (const Event *master : series.masters)
        if (master->scanned->cancelled)
            return true;

    // Occurrences replaced by overrides count as excluded, like EXDATEs.
    const auto exclude = [&](WallTime time, const Frame &frame) {
        if (frame.kind == Frame::Kind::Date)
            m_excludedDays.insert(time.day.time_since_epoch().count());
        else
            m_excludedInstants.insert(m_zones.instantOf(time, frame));
    };
    const bool allDaySeries = std::any_of(series.masters.begin(), series.masters.end(), [](const Event *e) { return e->allDay; });
    for (const Event *override : series.overrides) {
        // Some servers name an occurrence of an all-day series by its midnight in their zone
        // ("RECURRENCE-ID;TZID=Europe/Berlin:20270105T000000"): it stands for that day.
        if (allDaySeries && override->recurrenceIdFrame->kind != Frame::Kind::Date && override->recurrenceId.seconds == 0)
            m_excludedDays.insert(override->recurrenceId.day.time_since_epoch().count());
        exclude(override->recurrenceId, *override->recurrenceIdFrame);
    }
    Result excludedResult = Result::Done;
    for (const Event *master : series.masters) {
        for (const IcsDateLine &line : master->scanned->dateLines) {
            if (line.name != "EXDATE" || excludedResult != Result::Done)
                continue;
            forEachValue(line.value, [&](const QByteArray &value) {
                if ((excludedResult = charge(1)) != Result::Done)
                    return false;
                QString why;
                if (const auto moment = readMoment(m_zones, line, value, why))
                    exclude(moment->wall, *moment->frame);
                else
                    warn(line.line, ICalendarWords::tr("%1; this date is not left out of the event").arg(why));
                return true;
            });
        }
    }

    for (size_t i = 0; i <= series.masters.size(); ++i) {
        const Result result = i == 0 ? excludedResult : expandMaster(*series.masters[i - 1]);
        if (result == Result::Refused)
            return false;
        if (result == Result::LeftOut) {
            const Event *master = series.masters[i == 0 ? 0 : i - 1];
            warn(master->scanned->line, ICalendarWords::tr("the event repeats too often to be worked out within %L1 steps; it is left out")
                                            .arg(MaxIcsStepsPerEvent));
            return true;
        }
    }
    for (const Event *override : series.overrides) {
        if (override->scanned->cancelled)
            continue;
        const QString &summary = !override->scanned->summary.isEmpty() || series.masters.empty()
            ? override->scanned->summary
            : series.masters.front()->scanned->summary;
        mark(override->first, override->allDay, summary);
    }

    // One entry per day: the first occurrence's summary stands for the others.
    if (m_days.size() + m_seriesDays.size() > size_t(MaxIcsDays)) {
        m_error = ICalendarWords::tr("its events fall on more than %L1 days in all").arg(MaxIcsDays);
        return false;
    }
    std::sort(m_seriesDays.begin(), m_seriesDays.end(), [](const SeriesDay &a, const SeriesDay &b) { return a.day < b.day; });
    for (SeriesDay &day : m_seriesDays)
        m_days.emplace_back(day.day, std::move(day.summary));
    return true;
}

IcsExpander::Result IcsExpander::expandMaster(const Event &master)
{
    // DTSTART is always the first occurrence, whether or not the RRULE matches it.
    if (const Result result = charge(1); result != Result::Done)
        return result;
    if (!excluded(master.first))
        mark(master.first, master.allDay, master.scanned->summary);
    for (const IcsDateLine &line : master.scanned->dateLines) {
        Result result = Result::Done;
        if (line.name == "RRULE")
            result = expandRule(master, line);
        else if (line.name == "RDATE")
            result = expandRdate(master, line);
        if (result != Result::Done)
            return result;
    }
    return Result::Done;
}

IcsExpander::Result IcsExpander::expandRdate(const Event &master, const IcsDateLine &line)
{
    Result result = Result::Done;
    forEachValue(line.value, [&](const QByteArray &value) {
        if ((result = charge(1)) != Result::Done)
            return false;
        Occurrence occurrence = master.first;
        QString why;
        const auto unusable = [&] {
            warn(line.line, ICalendarWords::tr("%1; this date is left out").arg(why));
            return true;
        };
        if (value.contains('/')) {
            // A PERIOD: start/end or start/duration.
            const qsizetype slash = value.indexOf('/');
            const auto from = readMoment(m_zones, line, value.left(slash), why);
            if (!from)
                return unusable();
            occurrence.start = from->wall;
            occurrence.frame = from->frame;
            const QByteArray to = value.mid(slash + 1);
            if (to.startsWith('P') || to.startsWith('+') || to.startsWith('-')) {
                if (!readDuration(line, to, occurrence.end, why))
                    return unusable();
            } else {
                const auto until = readMoment(m_zones, line, to, why);
                if (!until)
                    return unusable();
                occurrence.end.kind = EndRule::Kind::Exact;
                occurrence.end.exactSeconds = std::clamp<qint64>(
                    m_zones.instantOf(until->wall, *until->frame) - m_zones.instantOf(from->wall, *from->frame), 0,
                    MaxEventDays * SecondsPerDay);
            }
        } else {
            const auto moment = readMoment(m_zones, line, value, why);
            if (!moment)
                return unusable();
            occurrence.start = moment->wall;
            occurrence.frame = moment->frame;
        }
        if (!excluded(occurrence))
            mark(occurrence, occurrence.frame->kind == Frame::Kind::Date, master.scanned->summary);
        return true;
    });
    return result;
}

sys_days IcsExpander::skipTarget(const Event &master) const
{
    // Occurrences that start this long before the year cannot reach into it.
    const EndRule &end = master.first.end;
    qint64 length = 1;
    if (end.kind == EndRule::Kind::Exact)
        length += end.exactSeconds / SecondsPerDay + 1;
    else if (end.kind == EndRule::Kind::Nominal)
        length += end.nominalDays + end.nominalSeconds / SecondsPerDay + 1;
    return m_firstDay - days{std::min(length, MaxEventDays) + ZoneSlackDays};
}

std::optional<WallTime> IcsExpander::untilOf(const icalrecurrencetype &rule, const Event &master)
{
    if (icaltime_is_null_time(rule.until))
        return std::nullopt;
    const auto wall = wallOf(rule.until);
    if (!wall)
        return std::nullopt;
    // A UTC UNTIL is compared on the wall clock of DTSTART.
    if (rule.until.is_date || !icaltime_is_utc(rule.until) || master.allDay)
        return wall;
    return m_zones.wallOfUtc(rule.until, *master.first.frame);
}

IcsExpander::Result IcsExpander::expandRule(const Event &master, const IcsDateLine &line)
{
    const IcalRecurrenceRule parsed(line.value.constData());
    const icalrecurrencetype &rule = parsed.rule();
    if (rule.freq == ICAL_NO_RECURRENCE) {
        warn(line.line, ICalendarWords::tr("libical cannot read the RRULE value %1; the event is marked without this rule")
                            .arg(quoted(line.value)));
        return Result::Done;
    }
    if (!icaltime_is_null_time(rule.until) && !wallOf(rule.until)) {
        warn(line.line, ICalendarWords::tr("the UNTIL %1 of the RRULE is not a date of the years 1 to 9999; the event is marked "
                                           "without this rule")
                            .arg(describe(rule.until)));
        return Result::Done;
    }
    const std::optional<WallTime> until = untilOf(rule, master);
    if (rule.freq < ICAL_DAILY_RECURRENCE) {
        SubDailyProblem problem = SubDailyProblem::None;
        const auto subDaily = subDailyRuleOf(rule, until, master.first.start, &problem);
        if (subDaily)
            return expandSubDaily(master, *subDaily);
        const char *part = problem == SubDailyProblem::SetPosition   ? "BYSETPOS"
                           : problem == SubDailyProblem::WeekNumber  ? "BYWEEKNO"
                           : problem == SubDailyProblem::WeekdayOrdinal ? "BYDAY"
                           : problem == SubDailyProblem::Rscale      ? "RSCALE"
                                                                     : nullptr;
        warn(line.line, part ? ICalendarWords::tr("an RRULE that repeats within a day cannot have %1 here; the event is marked "
                                                  "without this rule")
                                   .arg(QLatin1String(part))
                             : ICalendarWords::tr("the RRULE %1 holds a value out of range; the event is marked without this rule")
                                   .arg(quoted(line.value)));
        return Result::Done;
    }
    // An UNTIL that is a date for a DTSTART that is not (or the other way round) is libical's to
    // interpret.
    const bool untilMatches = icaltime_is_null_time(rule.until) || bool(rule.until.is_date) == master.allDay;
    const auto simple = untilMatches ? simpleRuleOf(rule, until) : std::nullopt;
    if (!simple)
        return expandRuleWithLibical(master, rule, until, line.line);

    SimpleRecurrence occurrences(*simple, master.first.start);
    occurrences.skipTo(skipTarget(master));
    while (const auto start = occurrences.next()) {
        if (const Result result = charge(1); result != Result::Done)
            return result;
        if (secondsOf(*start) > m_windowEnd)
            break;
        markRecurrence(master, *start);
    }
    return Result::Done;
}

IcsExpander::Result IcsExpander::expandSubDaily(const Event &master, const SubDailyRule &rule)
{
    SubDailyDays days(rule, master.first.start);
    qint64 charged = 0;
    const auto chargeWork = [&] {
        const qint64 steps = days.work() / UnitsPerStep - charged;
        charged += steps;
        return charge(steps);
    };
    const sys_days to = m_lastDay + std::chrono::days{ZoneSlackDays + 1};
    for (;;) {
        days.setWorkLimit((std::max<qint64>(0, MaxIcsStepsPerEvent - m_seriesSteps) + 1) * UnitsPerStep);
        const auto day = days.next(skipTarget(master), to);
        if (const Result result = chargeWork(); result != Result::Done)
            return result;
        if (days.exhausted())
            return Result::LeftOut;
        if (!day)
            return Result::Done;
        if (const Result result = charge(1); result != Result::Done)
            return result;
        if (m_excludedDays.count(day->day.time_since_epoch().count()))
            continue;
        // The first and the last occurrence of the day that are not excluded stand for the
        // others: they reach the first and the last local day any of them does.
        std::optional<int> first = day->first, last = day->last;
        while (first && excluded(master, {day->day, *first}))
            first = days.firstFrom(*day, *first + 1);
        while (last && first && *last > *first && excluded(master, {day->day, *last}))
            last = days.lastUntil(*day, *last - 1);
        if (!first)
            continue;
        markRecurrence(master, {day->day, *first});
        if (last && *last != *first)
            markRecurrence(master, {day->day, *last});
    }
}

IcsExpander::Result IcsExpander::expandRuleWithLibical(const Event &master, icalrecurrencetype rule,
                                                       const std::optional<WallTime> &until, int line)
{
    const Frame &frame = *master.first.frame;
    // libical compares a UTC UNTIL with the occurrences in the zone it knows; for the others the
    // UNTIL goes in on the wall clock of DTSTART.
    if (until && frame.kind != Frame::Kind::FileZone && frame.kind != Frame::Kind::Utc && !rule.until.is_date)
        rule.until = icalTimeOf(*until, false, nullptr);
    const icaltimezone *zone = frame.kind == Frame::Kind::FileZone ? frame.fileZone
        : frame.kind == Frame::Kind::Utc                         ? icaltimezone_get_utc_timezone()
                                                                 : nullptr;
    // libical searches on, between two occurrences, until the UNTIL or the year 2582: a rule
    // that never matches (FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30) costs it half a second. An UNTIL
    // just after the year ends the search there; COUNT and UNTIL together are fine with it.
    const WallTime windowEnd{m_lastDay + days{ZoneSlackDays + 1}, 0};
    if (!until || *until > windowEnd)
        rule.until = icalTimeOf(windowEnd, master.allDay, zone);
    const sys_days target = skipTarget(master);
    const bool skips = rule.count == 0 && target > master.first.start.day;
    const sys_days searchFrom = skips ? target : master.first.start.day;
    const sys_days searchTo = until && *until < windowEnd ? until->day : windowEnd.day;
    const qint64 searchDays = std::max<qint64>(0, (searchTo - searchFrom).count()) + 1;
    if (const Result result = charge(rule.freq == ICAL_YEARLY_RECURRENCE ? (searchDays / 365 + 1) * LibicalStepsPerYear
                                                                        : searchDays * LibicalStepsPerDay);
        result != Result::Done)
        return result;

    const icaltimetype start = icalTimeOf(master.first.start, master.allDay, zone);
    IcalIteratorPtr iterator(icalrecur_iterator_new(rule, start));
    if (!iterator) {
        warn(line, ICalendarWords::tr("libical cannot expand this RRULE; the event is marked without it"));
        return Result::Done;
    }
    if (skips)
        icalrecur_iterator_set_start(iterator.get(), icalTimeOf({target, master.first.start.seconds}, master.allDay, zone));

    std::optional<WallTime> previous;
    for (;;) {
        const icaltimetype next = icalrecur_iterator_next(iterator.get());
        if (icaltime_is_null_time(next))
            break;
        if (const Result result = charge(1); result != Result::Done)
            return result;
        const auto wall = wallOf(next);
        // An iterator that stops moving forward is done.
        if (!wall || secondsOf(*wall) > m_windowEnd || (previous && *wall <= *previous))
            break;
        previous = wall;
        markRecurrence(master, *wall);
    }
    return Result::Done;
}

void IcsExpander::markRecurrence(const Event &master, WallTime start)
{
    if (start == master.first.start)
        return;
    Occurrence occurrence = master.first;
    occurrence.start = start;
    // A counted series is walked from its first day: the occurrences far from the year are
    // passed over before an EXDATE is looked up, which takes a time-zone conversion each.
    if (!nearWindow(occurrence, master.allDay) || excluded(master, start))
        return;
    mark(occurrence, master.allDay, master.scanned->summary);
}

qint64 IcsExpander::wallEndOf(const Occurrence &occurrence, bool allDay) const
{
    const qint64 wallStart = secondsOf(occurrence.start);
    const EndRule &end = occurrence.end;
    switch (end.kind) {
    case EndRule::Kind::Default: return allDay ? wallStart + SecondsPerDay : wallStart;
    case EndRule::Kind::Exact: return wallStart + end.exactSeconds;
    case EndRule::Kind::Nominal: return wallStart + end.nominalDays * SecondsPerDay + end.nominalSeconds;
    }
    return wallStart;
}

bool IcsExpander::nearWindow(const Occurrence &occurrence, bool allDay) const
{
    // Where the occurrence ends on its own wall clock, to skip the ones far from the year
    // before converting anything.
    return wallEndOf(occurrence, allDay) >= m_windowStart && secondsOf(occurrence.start) <= m_windowEnd;
}

void IcsExpander::mark(const Occurrence &occurrence, bool allDay, const QString &summary)
{
    if (!nearWindow(occurrence, allDay))
        return;
    const EndRule &end = occurrence.end;
    const qint64 wallEnd = wallEndOf(occurrence, allDay);
    const qint64 localStart = m_zones.localSeconds(occurrence.start, *occurrence.frame, 0);
    qint64 localEnd = localStart;
    if (wallEnd > m_windowEnd) {
        localEnd = m_windowEnd;  // past the year whichever the zone
    } else {
        switch (end.kind) {
        case EndRule::Kind::Default: localEnd = allDay ? localStart + SecondsPerDay : localStart; break;
        case EndRule::Kind::Exact: localEnd = m_zones.localSeconds(occurrence.start, *occurrence.frame, end.exactSeconds); break;
        case EndRule::Kind::Nominal:
            localEnd = m_zones.localSeconds({occurrence.start.day + days{end.nominalDays}, occurrence.start.seconds},
                                            *occurrence.frame, end.nominalSeconds);
            break;
        }
    }
    // The end is exclusive: an event until 00:00, or an all-day event's DTEND, is not on that day.
    const qint64 firstDay = floorDiv(localStart, SecondsPerDay);
    const qint64 lastDay = localEnd > localStart ? floorDiv(localEnd - 1, SecondsPerDay) : firstDay;
    const qint64 yearStart = m_firstDay.time_since_epoch().count();
    const qint64 from = std::max<qint64>(firstDay, yearStart);
    const qint64 to = std::min<qint64>(lastDay, m_lastDay.time_since_epoch().count());
    for (qint64 day = from; day <= to; ++day) {
        if (!m_seriesMarked[size_t(day - yearStart)]) {
            m_seriesMarked[size_t(day - yearStart)] = true;
            m_seriesDays.push_back({day, summary});
        }
    }
}

std::vector<IcsDay> IcsExpander::takeDays()
{
    std::stable_sort(m_days.begin(), m_days.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<IcsDay> days;
    days.reserve(m_days.size());
    for (const auto &[day, summary] : m_days)
        days.push_back({year_month_day{sys_days{std::chrono::days{day}}}, summary});
    return days;
}
