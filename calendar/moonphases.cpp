#include "calendar/moonphases.h"

#include "calendar/calendarmath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Julian Day of the first new moon of 2000 (k = 0) in the mean-phase formula, and the mean
// synodic month in days.
constexpr double MeanNewMoon2000 = 2451550.09766;
constexpr double SynodicMonth = 29.530588861;

// Julian Day of 1970-01-01 00:00 UTC, the epoch of QDateTime's seconds.
constexpr double UnixEpochJd = 2440587.5;
constexpr double SecondsPerDay = 86400.0;

double sinDeg(double degrees)
{
    return std::sin(degrees * std::numbers::pi / 180.0);
}

double cosDeg(double degrees)
{
    return std::cos(degrees * std::numbers::pi / 180.0);
}

double squared(double x)
{
    return x * x;
}

// The periodic terms of a new or full moon (Meeus table 49.A): both share the arguments and
// all but the first few coefficients.
double newOrFullTerms(bool full, double E, double M, double Mp, double F, double Om)
{
    double sum = full ? -0.40614 * sinDeg(Mp) + 0.17302 * E * sinDeg(M) + 0.01614 * sinDeg(2 * Mp)
                            + 0.01043 * sinDeg(2 * F) + 0.00734 * E * sinDeg(Mp - M) - 0.00515 * E * sinDeg(Mp + M)
                            + 0.00209 * E * E * sinDeg(2 * M)
                      : -0.40720 * sinDeg(Mp) + 0.17241 * E * sinDeg(M) + 0.01608 * sinDeg(2 * Mp)
                            + 0.01039 * sinDeg(2 * F) + 0.00739 * E * sinDeg(Mp - M) - 0.00514 * E * sinDeg(Mp + M)
                            + 0.00208 * E * E * sinDeg(2 * M);
    sum += -0.00111 * sinDeg(Mp - 2 * F) - 0.00057 * sinDeg(Mp + 2 * F) + 0.00056 * E * sinDeg(2 * Mp + M)
           - 0.00042 * sinDeg(3 * Mp) + 0.00042 * E * sinDeg(M + 2 * F) + 0.00038 * E * sinDeg(M - 2 * F)
           - 0.00024 * E * sinDeg(2 * Mp - M) - 0.00017 * sinDeg(Om) - 0.00007 * sinDeg(Mp + 2 * M)
           + 0.00004 * sinDeg(2 * Mp - 2 * F) + 0.00004 * sinDeg(3 * M) + 0.00003 * sinDeg(Mp + M - 2 * F)
           + 0.00003 * sinDeg(2 * Mp + 2 * F) - 0.00003 * sinDeg(Mp + M + 2 * F) + 0.00003 * sinDeg(Mp - M + 2 * F)
           - 0.00002 * sinDeg(Mp - M - 2 * F) - 0.00002 * sinDeg(3 * Mp + M) + 0.00002 * sinDeg(4 * Mp);
    return sum;
}

// The periodic terms of the quarters (Meeus table 49.A), and W, which the first quarter adds
// and the last quarter subtracts.
double quarterTerms(bool first, double E, double M, double Mp, double F, double Om)
{
    const double sum = -0.62801 * sinDeg(Mp) + 0.17172 * E * sinDeg(M) - 0.01183 * E * sinDeg(Mp + M)
                       + 0.00862 * sinDeg(2 * Mp) + 0.00804 * sinDeg(2 * F) + 0.00454 * E * sinDeg(Mp - M)
                       + 0.00204 * E * E * sinDeg(2 * M) - 0.00180 * sinDeg(Mp - 2 * F) - 0.00070 * sinDeg(Mp + 2 * F)
                       - 0.00040 * sinDeg(3 * Mp) - 0.00034 * E * sinDeg(2 * Mp - M) + 0.00032 * E * sinDeg(M + 2 * F)
                       + 0.00032 * E * sinDeg(M - 2 * F) - 0.00028 * E * E * sinDeg(Mp + 2 * M)
                       + 0.00027 * E * sinDeg(2 * Mp + M) - 0.00017 * sinDeg(Om) - 0.00005 * sinDeg(Mp - M - 2 * F)
                       + 0.00004 * sinDeg(2 * Mp + 2 * F) - 0.00004 * sinDeg(Mp + M + 2 * F)
                       + 0.00004 * sinDeg(Mp - 2 * M) + 0.00003 * sinDeg(Mp + M - 2 * F) + 0.00003 * sinDeg(3 * M)
                       + 0.00002 * sinDeg(2 * Mp - 2 * F) + 0.00002 * sinDeg(Mp - M + 2 * F)
                       - 0.00002 * sinDeg(3 * Mp + M);
    const double W = 0.00306 - 0.00038 * E * cosDeg(M) + 0.00026 * cosDeg(Mp) - 0.00002 * cosDeg(Mp - M)
                     + 0.00002 * cosDeg(Mp + M) + 0.00002 * cosDeg(2 * F);
    return first ? sum + W : sum - W;
}

// The corrections for the planets' pull, the same for every phase (Meeus' A1 to A14).
double planetaryTerms(double k, double T)
{
    struct Term
    {
        double coefficient, start, perLunation;
    };
    constexpr Term terms[] = {
        {0.000165, 251.88, 0.016321}, {0.000164, 251.83, 26.651886}, {0.000126, 349.42, 36.412478},
        {0.000110, 84.66, 18.206239},  {0.000062, 141.74, 53.303771}, {0.000060, 207.14, 2.453732},
        {0.000056, 154.84, 7.306860},  {0.000047, 34.52, 27.261239},  {0.000042, 207.19, 0.121824},
        {0.000040, 291.34, 1.844379},  {0.000037, 161.72, 24.198154}, {0.000035, 239.56, 25.513099},
        {0.000023, 331.55, 3.592518},
    };
    // A1 alone has a term in T squared.
    double sum = 0.000325 * sinDeg(299.77 + 0.107408 * k - 0.009173 * T * T);
    for (const Term &term : terms)
        sum += term.coefficient * sinDeg(term.start + term.perLunation * k);
    return sum;
}

// Julian Day (UT) to a UTC date-time, to the second.
QDateTime utcOfJulianDay(double jd)
{
    return QDateTime::fromSecsSinceEpoch(std::llround((jd - UnixEpochJd) * SecondsPerDay), Qt::UTC);
}

double julianDayOf(const QDateTime &time)
{
    return UnixEpochJd + double(time.toSecsSinceEpoch()) / SecondsPerDay;
}

MoonPhase phaseOfQuarter(long long quarter)
{
    return static_cast<MoonPhase>(floorMod(quarter, 4));
}

// `utc` in `zone`, rounded to the nearest minute of the zone's clock (a half minute up) as
// the tables print it. Rounded there rather than in UTC, for the zones whose offset once had
// seconds (local mean time before standard time).
QDateTime localToTheMinute(const QDateTime &utc, const QTimeZone &zone)
{
    const qint64 offset = zone.offsetFromUtc(utc);
    const qint64 local = floorDiv(utc.toSecsSinceEpoch() + offset + 30, 60) * 60;
    return QDateTime::fromSecsSinceEpoch(local - offset, zone);
}

} // namespace

double moonPhaseJde(double k)
{
    const double T = k / 1236.85;
    const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
    const double jde = MeanNewMoon2000 + SynodicMonth * k + 0.00015437 * T2 - 0.000000150 * T3 + 0.00000000073 * T4;

    const double E = 1 - 0.002516 * T - 0.0000074 * T2;
    const double M = 2.5534 + 29.10535670 * k - 0.0000014 * T2 - 0.00000011 * T3;
    const double Mp = 201.5643 + 385.81693528 * k + 0.0107582 * T2 + 0.00001238 * T3 - 0.000000058 * T4;
    const double F = 160.7108 + 390.67050284 * k - 0.0016118 * T2 - 0.00000227 * T3 + 0.000000011 * T4;
    const double Om = 124.7746 - 1.56375588 * k + 0.0020672 * T2 + 0.00000215 * T3;

    // The fraction of k says which phase: .0 new, .25 first quarter, .5 full, .75 last quarter.
    const auto phase = phaseOfQuarter(std::llround(k * 4));
    double periodic = 0;
    switch (phase) {
    case MoonPhase::NewMoon:
    case MoonPhase::FullMoon:
        periodic = newOrFullTerms(phase == MoonPhase::FullMoon, E, M, Mp, F, Om);
        break;
    case MoonPhase::FirstQuarter:
    case MoonPhase::LastQuarter:
        periodic = quarterTerms(phase == MoonPhase::FirstQuarter, E, M, Mp, F, Om);
        break;
    }
    return jde + periodic + planetaryTerms(k, T);
}

double deltaTSeconds(double y)
{
    // Espenak and Meeus' fits to the observed Delta T up to 2005, piece by piece; before 1600
    // the long-term parabola of Morrison and Stephenson.
    const auto longTerm = [](double year) { return -20 + 32 * squared((year - 1820) / 100); };
    if (y < 1600)
        return longTerm(y);
    if (y < 1700) {
        const double t = y - 1600;
        return 120 - 0.9808 * t - 0.01532 * t * t + t * t * t / 7129;
    }
    if (y < 1800) {
        const double t = y - 1700;
        return 8.83 + 0.1603 * t - 0.0059285 * t * t + 0.00013336 * t * t * t - std::pow(t, 4) / 1174000;
    }
    if (y < 1860) {
        const double t = y - 1800;
        return 13.72 - 0.332447 * t + 0.0068612 * t * t + 0.0041116 * std::pow(t, 3) - 0.00037436 * std::pow(t, 4)
               + 0.0000121272 * std::pow(t, 5) - 0.0000001699 * std::pow(t, 6) + 0.000000000875 * std::pow(t, 7);
    }
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * std::pow(t, 3) - 0.0004473624 * std::pow(t, 4)
               + std::pow(t, 5) / 233174;
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * std::pow(t, 3) - 0.000197 * std::pow(t, 4);
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * std::pow(t, 3);
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + std::pow(t, 3) / 2547;
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - std::pow(t, 3) / 718;
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * std::pow(t, 3) + 0.000651814 * std::pow(t, 4)
               + 0.00002373599 * std::pow(t, 5);
    }
    if (y < 2025) {
        // Observed (IERS), every five years: Earth's rotation has hardly slowed since 2017,
        // which the fits made before then did not foresee.
        constexpr double observed[] = {64.7, 66.1, 67.6, 69.4, 69.2};
        const double at = (y - 2005) / 5;
        const int i = std::min(int(at), 3);
        return observed[i] + (observed[i + 1] - observed[i]) * (at - i);
    }
    // A prediction: today's value, and the tidal braking of the long-term parabola from now on
    // (the same 32 s per century squared).
    return 69.2 + 32 * squared((y - 2025) / 100);
}

std::vector<MoonPhaseInstant> moonPhasesBetween(const QDateTime &from, const QDateTime &to)
{
    std::vector<MoonPhaseInstant> phases;
    if (!from.isValid() || !to.isValid() || !(from < to))
        return phases;
    const double jdFrom = julianDayOf(from);
    const double jdTo = julianDayOf(to);
    // A phase is at most about 0.6 days from its mean instant (and Delta T a fraction of a
    // day in the supported years): one quarter-lunation more on each side catches them all.
    const auto quarterNear = [](double jd) { return (jd - MeanNewMoon2000) / SynodicMonth * 4; };
    const auto first = static_cast<long long>(std::floor(quarterNear(jdFrom))) - 1;
    const auto last = static_cast<long long>(std::ceil(quarterNear(jdTo))) + 1;
    for (long long quarter = first; quarter <= last; ++quarter) {
        const double jde = moonPhaseJde(double(quarter) / 4);
        const double decimalYear = 2000 + (jde - 2451545.0) / 365.25;
        const QDateTime utc = utcOfJulianDay(jde - deltaTSeconds(decimalYear) / SecondsPerDay);
        if (utc >= from && utc < to)
            phases.push_back({phaseOfQuarter(quarter), utc});
    }
    std::sort(phases.begin(), phases.end(), [](const MoonPhaseInstant &a, const MoonPhaseInstant &b) { return a.utc < b.utc; });
    return phases;
}

std::vector<LocalMoonPhase> moonPhasesOfMonths(int year, int firstMonth, int months, const QTimeZone &zone)
{
    std::vector<LocalMoonPhase> phases;
    if (year < FirstMoonPhaseYear || year > LastMoonPhaseYear || firstMonth < 1 || firstMonth > 12 || months < 1
        || !zone.isValid())
        return phases;
    // Never past the last year computed.
    months = std::min(months, (LastMoonPhaseYear - year) * 12 + 13 - firstMonth);
    const QDate firstDay(year, firstMonth, 1);
    const QDate end = firstDay.addMonths(months);
    // Whole UTC days around the span, wide enough for any zone's offset and the rounding; the
    // local day of each (rounded) instant decides. Working in UTC avoids a local midnight
    // that a daylight-saving change skips.
    const QDateTime from(firstDay.addDays(-2), QTime(0, 0), Qt::UTC);
    const QDateTime to(end.addDays(2), QTime(0, 0), Qt::UTC);
    for (const MoonPhaseInstant &instant : moonPhasesBetween(from, to)) {
        const QDateTime local = localToTheMinute(instant.utc, zone);
        if (local.date() >= firstDay && local.date() < end)
            phases.push_back({instant.phase, local});
    }
    return phases;
}

std::vector<LocalMoonPhase> moonPhasesOfYear(int year, const QTimeZone &zone)
{
    return moonPhasesOfMonths(year, 1, 12, zone);
}

const char *moonPhaseName(MoonPhase phase)
{
    switch (phase) {
    case MoonPhase::NewMoon:
        return "new moon";
    case MoonPhase::FirstQuarter:
        return "first quarter";
    case MoonPhase::FullMoon:
        return "full moon";
    case MoonPhase::LastQuarter:
        return "last quarter";
    }
    return "";
}

QStringList moonPhaseLines(int year, const QTimeZone &zone)
{
    QStringList lines;
    for (const LocalMoonPhase &phase : moonPhasesOfYear(year, zone))
        lines << phase.local.toString(QStringLiteral("yyyy-MM-dd HH:mm ")) + QLatin1String(moonPhaseName(phase.phase));
    return lines;
}
