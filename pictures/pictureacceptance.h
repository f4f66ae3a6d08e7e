#pragma once

#include "model/calendarstate.h"

class MessageService;

// Checks state.strSelectedFile by its extension (lower-case gif, bmp, wmf or jpg) and loads
// it into picTemp. Sets binFileOK; sets binSelPic on a successful load. A refused name shows
// "Select a .gif, .bmp, .wmf OR .jpg file." / "Try again . . ."; an unreadable file changes
// nothing.
void AcceptPicture(CalendarState &state, MessageService &messages);
