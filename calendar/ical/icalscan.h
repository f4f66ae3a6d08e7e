#pragma once

// The line-level pass over an iCalendar file. libical's parser accepts almost anything (a file
// cut short, text that is no calendar at all), counts no lines, and spends several
// microseconds on every property it builds into a component, most of them (attendees,
// descriptions, alarms) of no use here. So this pass checks the component structure, takes the
// texts of each event (UID, SUMMARY, STATUS) and the values of its date properties with their
// lines, and leaves libical the parts it is needed for: the date, duration, period and
// recurrence values (its value parsers), and the VTIMEZONEs (its parser, for its zones).

#include "calendar/ical/icalproblems.h"

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

// A property of an event that decides its dates: DTSTART, DTEND, DURATION, RRULE, RDATE,
// EXDATE or RECURRENCE-ID.
struct IcsDateLine
{
    QByteArray name;   // upper case
    int line = 0;      // 1-based, where the (folded) property begins
    QByteArray tzid;   // the TZID parameter, unquoted; empty when absent
    QByteArray value;  // unfolded, after the first unquoted ':', blanks trimmed
};

struct IcsScannedEvent
{
    int line = 0;      // of BEGIN:VEVENT
    int calendar = 0;  // which VCALENDAR of the file it is in, from 0
    std::vector<IcsDateLine> dateLines;
    QByteArray uid;     // trimmed; empty when absent
    QString summary;    // the first SUMMARY, unescaped
    bool cancelled = false;  // STATUS:CANCELLED
    int sequence = 0;        // SEQUENCE, the revision of the event; 0 when absent or unreadable
};

struct IcsScan
{
    QString error;      // empty when the structure is sound, else the reason
    int errorLine = 0;  // the line the error is on, 0 for the file as a whole
    QString calendarName;  // the first X-WR-CALNAME, unescaped
    int calendars = 0;     // VCALENDARs in the file
    // For libical: every VCALENDAR with only its VTIMEZONEs, unfolded, lines ended by CR LF.
    std::string timeZones;
    bool hasTimeZones = false;  // some VCALENDAR has a VTIMEZONE
    std::vector<IcsScannedEvent> events;  // in file order
    IcsWarnings warnings;                 // lines left out
};

// Checks that `bytes` is one or more VCALENDARs with every BEGIN matched by its END, and takes
// the VCALENDARs' VTIMEZONEs whole and their VEVENTs' texts and date lines. A line inside a
// component that is no property is left out with a warning. VTIMEZONEs are checked before
// libical sees them, since libical works out every change of offset of an observance from its
// DTSTART on: an observance must repeat yearly (as the summer times of real zones do), and the
// observances and changes of offset a file asks for are bounded (MaxIcsObservancesPerZone,
// MaxIcsObservancesPerFile, MaxIcsZoneChangesPerFile); a file beyond them is refused. A VEVENT without
// RRULE, RDATE, RECURRENCE-ID or DURATION whose DTSTART and DTEND (DTSTART alone if it has
// none) both lie more than a year before `year`, or whose DTSTART lies more than a year after
// it, cannot touch `year` in any time zone and is dropped.
IcsScan scanIcs(const QByteArray &bytes, int year);

// The text of a TEXT value: "\," "\;" "\\" and "\n" (or "\N") undone, control characters
// other than the tab and those line breaks left out.
QString unescapeIcsText(std::string_view value);
