#pragma once

#include "model/calendarstate.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

struct MarkSources;

// An export of the marked days, or why there is none.
struct MarkedDaysIcs
{
    QByteArray ics;   // the .ics file; empty when `problem` is set
    QString problem;  // why the calendar cannot be exported, in the window's language, ready
                      // to be shown; empty when `ics` holds the export
};

// The marked days of the calendar as one iCalendar file (VCALENDAR named after the header):
// each rule that marks days in the calendar year becomes events whose CATEGORIES is its
// legend label. The weekday rules become one recurring all-day event each (the 2nd Tuesday
// as FREQ=MONTHLY;BYDAY=2TU, the last Friday as BYDAY=-1FR, every N weeks as
// FREQ=WEEKLY;INTERVAL=N, all until the end of the year); a date range one event of several
// days, cut to the calendar year as the page shows it; a date without a year (--03-05) one
// event that comes back every year (FREQ=YEARLY from its day in the calendar year); other
// dates, holidays and .ics rules one all-day event per day, a holiday's own name after the
// label. UIDs depend only on the rule and its day, so exporting again updates a phone's
// calendar instead of doubling it. Rules beyond the fifth colour, or without a day this year,
// are left out, as on the page. A year an iCalendar file cannot hold (after 9999), or none, is
// refused with `problem`. `stamp` is every event's DTSTAMP. Call refreshMarks first; `sources`
// must be the ones it was given.
MarkedDaysIcs markedDaysAsIcs(const CalendarState &state, const MarkSources &sources, const QDateTime &stamp);
