#pragma once

class HolidayCatalog;
class IcsReader;

// What the marking rules read from outside the calendar: the holiday definitions and the
// iCalendar files. One of each per program run, made by main() and shared by the window and
// the command line; tests make their own, so that a user's own holiday folder cannot change
// their results.
struct MarkSources
{
    const HolidayCatalog &holidays;
    IcsReader &calendars;
};
