#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>
#include <vector>

// A date as a rule holds it: a full date, a month and day meaning that day in the
// calendar's year, or a date that comes back every year from its own (a birthday, whose age
// the date-list gives).
struct RuleDate
{
    std::optional<std::chrono::year> year;  // none: the calendar's year
    std::chrono::month_day monthDay{std::chrono::January / 1};
    // With a year: that day of every year from `year` on, "1987-03-05+" in a control file.
    bool yearly = false;

    static RuleDate full(std::chrono::year_month_day date) { return {date.year(), date.month() / date.day()}; }
    static RuleDate yearless(std::chrono::month_day md) { return {std::nullopt, md}; }
    static RuleDate since(std::chrono::year_month_day date) { return {date.year(), date.month() / date.day(), true}; }
    bool isYearless() const { return !year.has_value(); }
    // A day of more than one year: yearless, or yearly from its year.
    bool repeats() const { return !year.has_value() || yearly; }
    // The ISO form, as control files and exported calendars write it: "2027-03-05",
    // "--03-05" without a year, "1987-03-05+" every year since 1987.
    QString isoText() const;
    // The date in `calendarYear` (its own year when it has one and is not yearly). Not ok()
    // for 29 February of a repeating date in a common year.
    std::chrono::year_month_day in(std::chrono::year calendarYear) const
    {
        return (yearly || !year ? calendarYear : *year) / monthDay;
    }
    bool operator==(const RuleDate &) const = default;
};

// The kinds of marking rule, each a key of the control file.
enum class RuleKind {
    NthWeekday,   // DTM: the ordinal-th weekday of every month
    LastWeekday,  // LST: the last weekday of every month
    EveryNWeeks,  // EFW: a date and every `weeks` weeks after it within its year
    Dates,        // DAY: single dates
    Range,        // RNG: every day from `from` to `to`, inclusive
    Holidays,     // HOL: the public holidays of a region
    ICalendar,    // ICS: the days an iCalendar file's events fall on
    // EVR: a date and every `weeks` weeks after it, in whatever year it reaches. Last, so that
    // the numbers of the others, which exported events' UIDs are made from, stay as they were.
    ContinuingWeeks,
};

// The longest label a rule may have: a legend line has room for about 60 characters, and a
// bound keeps a runaway file from filling the date-list and an export with one label.
inline constexpr int MaxLabelLength = 200;

// One marking rule as the user wrote it. The marks of a calendar follow from its rules and
// its year; a rule holds no marks of its own. Fields a kind does not use keep their defaults.
struct MarkRule
{
    RuleKind kind = RuleKind::Dates;
    QString label;                 // legend text, blanks at either end removed
    int ordinal = 1;               // NthWeekday: 1..4
    int weekday = 1;               // NthWeekday, LastWeekday: 1 Sunday .. 7 Saturday
    qint16 weeks = 1;              // EveryNWeeks: below 1 marks nothing
    RuleDate from;                 // EveryNWeeks: the first date; Range: the first day
    RuleDate to;                   // Range: the last day
    std::vector<RuleDate> dates;   // Dates
    QString source;                // Holidays: region code ("DE-BY"); ICalendar: file path

    bool operator==(const MarkRule &) const = default;
};

// What a rule came to in the calendar's year, in the order of the rules.
struct RuleResult
{
    enum class Status {
        Marked,        // it marks days in `category`
        NoDayThisYear, // none of its days lies in the calendar year; it uses no category
        NoColourLeft,  // the five categories were used by the rules before it
        Failed,        // it cannot be worked out (`problem` says why)
    };
    Status status = Status::NoDayThisYear;
    int category = -1;             // 0..4 when Marked
    QString problem;               // Failed: why; NoDayThisYear: why, where it is not plain
    // What it marks less than it should, and why (an event of an .ics file left out); with
    // any status but Failed.
    QStringList warnings;
    // Said alongside, no fault: "using your own holiday list ...".
    QString note;

    bool operator==(const RuleResult &) const = default;
};
