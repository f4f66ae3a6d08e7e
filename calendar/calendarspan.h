#pragma once

#include <chrono>

// The twelve months a page shows: from `firstMonth` of `firstYear` to the month before it in
// the next year, or the calendar year itself when the page starts with January. Each month of
// the year is shown once, so a month number alone says which year it is shown in.
struct CalendarSpan
{
    std::chrono::year firstYear{2000};
    std::chrono::month firstMonth = std::chrono::January;

    static CalendarSpan of(std::chrono::year calendar, int firstMonth = 1)
    {
        return {calendar, std::chrono::month{unsigned(firstMonth)}};
    }
    bool crossesNewYear() const { return firstMonth != std::chrono::January; }
    std::chrono::year lastYear() const { return crossesNewYear() ? firstYear + std::chrono::years{1} : firstYear; }
    // The year in which `m` is shown.
    std::chrono::year yearOf(std::chrono::month m) const { return m < firstMonth ? firstYear + std::chrono::years{1} : firstYear; }
    // The i-th month shown, 0..11, with its year.
    std::chrono::year_month shown(int i) const
    {
        const std::chrono::year_month first{firstYear / firstMonth};
        return first + std::chrono::months{i};
    }
    std::chrono::sys_days firstDay() const { return std::chrono::sys_days{firstYear / firstMonth / 1}; }
    std::chrono::sys_days lastDay() const { return std::chrono::sys_days{shown(11) / std::chrono::last}; }
    bool contains(std::chrono::sys_days d) const { return d >= firstDay() && d <= lastDay(); }
    bool contains(std::chrono::year_month_day d) const { return d.ok() && contains(std::chrono::sys_days{d}); }
    // Where a month day falls on the page: its day in the year `yearOf` its month. Not ok()
    // for 29 February in a common year.
    std::chrono::year_month_day dayOf(std::chrono::month_day md) const { return yearOf(md.month()) / md; }
    bool operator==(const CalendarSpan &) const = default;
};
