#pragma once

#include "model/calendarstate.h"

class MessageService;
class PageSurface;

// Checks state.strSelectedFile by its extension (lower-case gif, bmp, wmf or jpg) and loads
// it into picTemp. Sets binFileOK; sets binSelPic on a successful load. A refused name shows
// "Select a .gif, .bmp, .wmf OR .jpg file." / "Try again . . ."; an unreadable file changes
// nothing.
void AcceptPicture(CalendarState &state, MessageService &messages);

// Draws picTemp fitted and centred, without distortion, in the frame at (leftM, topM):
// PicSize 0 is 3900 x 3500 beside the header, any other value 11160 x 3000 across the top.
void PlaceGraphic(const CalendarState &state, PageSurface &surface, qint16 leftM, qint16 topM, int PicSize);
