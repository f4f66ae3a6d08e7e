#pragma once

#include "calendar/ruledays.h"
#include "model/calendarstate.h"

struct MarkSources;

// Works out the marks of the calendar from its rules and its year: DayMarks, MarkLegend,
// MarkCount, dayDetails and one entry of ruleResults per rule. Each rule gives its days and
// its problems (daysOfRule), and categories are given out here, in one loop over the rules in
// order: each rule that marks a day takes the next of the five categories; DAY and RNG rules
// with the same label share one, taken when the first of them marks a day; a rule that marks
// no day of the year uses none; a later rule's mark replaces an earlier one on the same day,
// with its detail. With a year that cannot be used every rule is Failed with the year's
// problem and nothing is marked.
void refreshMarks(CalendarState &state, const MarkSources &sources);

// What a rule's result has to say to someone reading a control file's messages: why it marks
// nothing or less than it should ("only five colours fit the legend", an .ics file's events
// left out), or a note. Empty for a rule that marks its days without a word. `span` is what
// the page shows.
QStringList ruleResultMessages(const RuleResult &result, const CalendarSpan &span);
