#pragma once

#include "model/calendarstate.h"

#include <QString>

class MessageService;
class OutputDevices;

enum class PrintOutcome {
    Printed,    // the page went to the device and the date-list file is in place
    Cancelled,  // the user cancelled (the PDF save dialog); nothing printed or written
};

// "Print Calendar(s)": refreshes text lines 0..4 from txtMessage 0..4, clears binSelPrt,
// reads year and copies, then sends the page to the current device of `devices` in that many
// copies and writes the date-list file (strListFile, relative to the current folder). Throws
// UserError on any failure; the page is then not sent (a printer's server did not take it, a
// page file stays as it was) and the previous date-list file stays, while the two state
// changes above remain for the caller to put back. The one exception: when only the last
// step, renaming a page file into place, fails, the new date-list is already in place. The
// page goes on the paper state.page asks for; when the device has to use another, that is
// said through `messages` (when given) before anything is drawn, and the job goes on. A page
// written to a file leaves that file's path in `destination` (when given); a printer's, nothing.
PrintOutcome runPrintJob(CalendarState &state, OutputDevices &devices, MessageService *messages = nullptr,
                         QString *destination = nullptr);

// The calendar as "Print Calendar(s)" would print it now: the note boxes copied into the
// address block, as the print job does first. The preview draws this, without the job's
// other effects.
CalendarState pageAsPrinted(CalendarState state);

// The number of copies txtCopies asks for. Throws UserError below 1 or beyond 16 bits.
qint16 requestedCopies(const CalendarState &state);
