#pragma once

// The line-level pass over an iCalendar file, before libical sees it. libical accepts almost
// anything (a file cut short, text that is no calendar at all) and counts no lines, so this
// pass checks the component structure and notes the lines of each event for messages. It also
// hands on only what the day reader uses: libical spends about a microsecond on every property
// it parses, and exports from calendar programs carry many (attendees, descriptions, alarms).

#include <QByteArray>
#include <QString>

#include <vector>

// A property of an event that decides its dates: DTSTART, DTEND, DURATION, RRULE, RDATE,
// EXDATE or RECURRENCE-ID.
struct IcsDateLine
{
    QByteArray name;   // upper case
    int line = 0;      // 1-based, where the (folded) property begins
    QByteArray value;  // unfolded, after the first unquoted ':'
};

struct IcsScannedEvent
{
    int line = 0;  // of BEGIN:VEVENT
    std::vector<IcsDateLine> dateLines;
};

struct IcsScan
{
    QString error;      // empty when the structure is sound, else the reason
    int errorLine = 0;  // the line the error is on, 0 for the file as a whole
    QByteArray pruned;  // the kept lines, unfolded, each ended by CR LF
    std::vector<IcsScannedEvent> events;  // the VEVENTs kept in `pruned`, in order
};

// Checks that `bytes` is one or more VCALENDARs with every BEGIN matched by its END, and keeps
// the VCALENDARs' X-WR-CALNAME, their VTIMEZONEs whole, and of their VEVENTs the properties
// the reader uses. A VEVENT without RRULE, RDATE, RECURRENCE-ID or DURATION whose DTSTART and
// DTEND (DTSTART alone if it has none) both lie more than a year before `year`, or whose
// DTSTART lies more than a year after it, cannot touch `year` in any time zone and is dropped.
IcsScan scanIcs(const QByteArray &bytes, int year);
