#pragma once

// Integer arithmetic for day counts, shared by the holiday rules and the iCalendar reader.

// Floor division (b > 0 or b < 0, never 0): rounds towards minus infinity, so that days and
// years before the epoch fall into the right period.
constexpr long long floorDiv(long long a, long long b)
{
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

constexpr long long floorMod(long long a, long long b)
{
    return a - floorDiv(a, b) * b;
}

// Julian Day Number of 1970-01-01, the epoch of std::chrono::sys_days.
constexpr long long UnixEpochJdn = 2440588;
