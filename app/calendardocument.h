#pragma once

#include "model/calendarstate.h"

#include <QByteArray>
#include <QString>

// Whether a calendar has changes its control file does not hold: the text it would be saved
// as, compared with that text when the calendar was started, read or saved. A change typed
// back to what it was is no change.
class SavedText
{
public:
    // The calendar as it stands is the saved one.
    void markSaved(const CalendarState &state);
    bool isModified(const CalendarState &state) const;

private:
    QByteArray m_text;
};

// The calendar's file name as the title and the questions name it: "club.txt", or "Untitled"
// for a calendar that has no file yet.
QString documentName(const CalendarState &state);

// The window title: "club.txt* - Print Yearly Calenader" ("*" while modified), and just
// "Print Yearly Calenader" for a new calendar with no changes.
QString documentWindowTitle(const CalendarState &state, bool modified);
