#pragma once

// The four principal phases of the Moon: new moon, first quarter, full moon and last quarter.
//
// The instants come from Jean Meeus, Astronomical Algorithms (2nd ed., chapter 49): the mean
// phase, the periodic terms of each phase (the quarters with their W correction) and the
// fourteen planetary arguments give the instant in Terrestrial Time; Delta T (TT - UT) takes
// it to Universal Time. Delta T is the Espenak-Meeus set of polynomials (the extension of
// chapter 10's table used by NASA's eclipse and phase catalogues) up to 2005, the observed
// values to 2025, and after that a prediction: today's value with the long-term tidal
// slowing of Earth's rotation.
//
// Accuracy, measured against the U.S. Naval Observatory's published phases for every tenth
// year from 1900 to 2100 (1038 phases, tests/data/moonphases/, printed to the minute): every
// phase within 44 s up to 2020 and within 71 s up to 2100, 21 s on average. Half a minute of
// that is the table's rounding; Meeus' theory is good to about 20 s; after 2025 the rest is
// the difference between two predictions of Delta T, which no one can yet settle.
//
// The phases are computed for the years FirstMoonPhaseYear to LastMoonPhaseYear: the
// Gregorian calendar is in use from the start; at the end, predictions of Delta T already
// differ by several minutes, and further on a time to the minute would mean nothing.
//
// Pure functions of their arguments: no state, no widgets.

#include <QDateTime>
#include <QStringList>
#include <QTimeZone>

#include <vector>

enum class MoonPhase { NewMoon, FirstQuarter, FullMoon, LastQuarter };

inline constexpr int FirstMoonPhaseYear = 1600;
inline constexpr int LastMoonPhaseYear = 2400;

// One phase at its instant, in UTC to the second.
struct MoonPhaseInstant
{
    MoonPhase phase;
    QDateTime utc;
};

// One phase as a calendar shows it: the local date and time in a time zone, rounded to the
// nearest minute as almanacs print it, so that the day shown agrees with the time shown.
struct LocalMoonPhase
{
    MoonPhase phase;
    QDateTime local;  // in the zone asked for; local.date() is the day of the phase
};

// The Julian Ephemeris Day (Terrestrial Time) of the phase numbered `k`: an integer for a
// new moon (k = 0 is the new moon of 2000-01-06), +0.25 first quarter, +0.5 full moon, +0.75
// last quarter; negative before 2000.
double moonPhaseJde(double k);

// Delta T = TT - UT in seconds at a decimal year (2000.5 is the middle of 2000).
double deltaTSeconds(double decimalYear);

// Every phase whose instant is in [from, to), in time order. Either bound may be in any
// time zone; the results are in UTC.
std::vector<MoonPhaseInstant> moonPhasesBetween(const QDateTime &from, const QDateTime &to);

// Every phase whose local day (after rounding to the minute) falls in the `months` months
// starting with `firstMonth` (1-12) of the Gregorian `year`, in time order. Empty when the
// year is outside FirstMoonPhaseYear..LastMoonPhaseYear, the month not 1-12 or `months` < 1.
std::vector<LocalMoonPhase> moonPhasesOfMonths(int year, int firstMonth, int months,
                                               const QTimeZone &zone = QTimeZone::systemTimeZone());

// Every phase of a Gregorian year's local days in `zone`, in time order (49 or 50 of them).
std::vector<LocalMoonPhase> moonPhasesOfYear(int year, const QTimeZone &zone = QTimeZone::systemTimeZone());

// The phase in English as the command line lists it: "new moon", "first quarter", "full
// moon", "last quarter".
const char *moonPhaseName(MoonPhase phase);

// The phases of a Gregorian year as `lunaria --moon-phases YEAR` lists them, in time order,
// one a line: "2027-01-07 21:24 new moon" (ISO date and 24-hour time in `zone`). Empty for
// a year outside FirstMoonPhaseYear..LastMoonPhaseYear.
QStringList moonPhaseLines(int year, const QTimeZone &zone = QTimeZone::systemTimeZone());
