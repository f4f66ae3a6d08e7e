#pragma once

#include "model/calendarstate.h"

#include <QString>

// Works out the marks of the calendar from its rules and its year: DayMarks, MarkLegend,
// MarkCount, dayDetails and one entry of ruleResults per rule. The rules are applied in
// order, each taking the next of the five categories as the marking operations always
// have; DAY and RNG rules with the same label share one category, taken when the first of
// them marks a day; a rule that marks no day of the year uses none; a later rule's mark
// replaces an earlier one on the same day. With a year that cannot be used every rule is
// Failed with the year's problem and nothing is marked.
void refreshMarks(CalendarState &state);

// The rule in words, for the list of marked-day rules: "2nd Tuesday of every month",
// "Every 2 weeks from 8 Jan 2027", "3 dates", "12 Jul 2027 - 23 Jul 2027".
QString describeRule(const MarkRule &rule);

// The weekday's name, 1 Sunday .. 7 Saturday, in English.
QString weekdayName(int weekday);
