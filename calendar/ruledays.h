#pragma once

#include "calendar/calendarspan.h"
#include "model/markrule.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <vector>

struct MarkSources;

// A day a rule marks, with what the rule calls it (a holiday's own name, the summaries of an
// .ics file's events on it; mostly empty).
struct MarkedDay
{
    std::chrono::year_month_day date;
    QString detail;  // " (40)", an age, starts with a blank: it follows the label as it is
};

// What one rule comes to in a calendar year: every kind of rule answers in this one shape, so
// that categories are given out in one place.
struct RuleDays
{
    std::vector<MarkedDay> days;  // sorted by date, one entry a day, all in the year
    QString problem;              // why its days cannot be worked out at all; `days` is empty
    QString whyNoDay;             // why it marks no day this year, where that needs saying
    QStringList warnings;         // what it marks less than it should, and why
    QString note;                 // said alongside, no fault
    QString legend;               // its text in the legend
};

// Where a rule's date falls: its own day when it has a year (and is not yearly), else its day
// in the months `span` shows. Not ok() for 29 February in a common year.
std::chrono::year_month_day dayOnPage(const RuleDate &date, const CalendarSpan &span);

// The days `rule` marks in the months `span` shows, read from `sources` for holidays and .ics
// files. A yearly date's day carries its age, " (40)", or an anniversary's number, written as
// `language` (a page language; empty: the desktop's) writes it: "(40th)", "(40.)".
RuleDays daysOfRule(const MarkRule &rule, const CalendarSpan &span, const MarkSources &sources,
                    const QString &language = {});
// The days `rule` marks in the calendar year `calendar`.
inline RuleDays daysOfRule(const MarkRule &rule, std::chrono::year calendar, const MarkSources &sources)
{
    return daysOfRule(rule, CalendarSpan::of(calendar), sources);
}

// Names listed for one day at most; the rest are counted ("and 11,990 more"), so that a file
// of thousands of events on one day gives a date-list line that can still be read.
inline constexpr int MaxNamesPerDay = 10;
