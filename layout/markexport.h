#pragma once

#include "model/calendarstate.h"

#include <QByteArray>
#include <QDateTime>

// The marked days of the calendar as one iCalendar file (VCALENDAR named after the header):
// each rule that marks days in the calendar year becomes events whose CATEGORIES is its
// legend label. The weekday rules become one recurring all-day event each (the 2nd Tuesday
// as FREQ=MONTHLY;BYDAY=2TU, the last Friday as BYDAY=-1FR, every N weeks as
// FREQ=WEEKLY;INTERVAL=N, all until the end of the year); dates, ranges, holidays and .ics
// rules one all-day event per day, a holiday's own name after the label. UIDs depend only on
// the rule and the day, so exporting again updates a phone's calendar instead of doubling it.
// Rules beyond the fifth colour, or without a day this year, are left out, as on the page.
// `stamp` is every event's DTSTAMP. Call refreshMarks first.
QByteArray markedDaysAsIcs(const CalendarState &state, const QDateTime &stamp);
