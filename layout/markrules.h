#pragma once

#include "model/calendarstate.h"

#include <QString>

#include <chrono>
#include <vector>

// A day a rule marks, with what the rule calls it (a holiday's own name; mostly empty).
struct MarkedDay
{
    std::chrono::year_month_day date;
    QString detail;
};

// Works out the marks of the calendar from its rules and its year: DayMarks, MarkLegend,
// MarkCount, dayDetails and one entry of ruleResults per rule. The rules are applied in
// order, each taking the next of the five categories as the marking operations always
// have; DAY and RNG rules with the same label share one category, taken when the first of
// them marks a day; a rule that marks no day of the year uses none; a later rule's mark
// replaces an earlier one on the same day. With a year that cannot be used every rule is
// Failed with the year's problem and nothing is marked.
void refreshMarks(CalendarState &state);

// The days a rule of single days (DAY, RNG, HOL, ICS) marks in `calendar`, sorted by date,
// one entry a day. Nothing for the weekday rules. `problem` says why when the days of a
// holiday region or an .ics file cannot be worked out.
std::vector<MarkedDay> markedDaysOf(const MarkRule &rule, std::chrono::year calendar, QString &problem);

// The rule in words, for the list of marked-day rules, in the window's language: "2nd
// Tuesday of every month", "Every 2 weeks from 8 Jan 2027", "3 dates", "12 Jul 2027 - 23 Jul 2027".
QString describeRule(const MarkRule &rule);

// The weekday's name, 1 Sunday .. 7 Saturday, in the window's language (English without a
// translation); empty for other numbers.
QString weekdayName(int weekday);
