#pragma once

#include "model/calendarstate.h"

#include <QRectF>

#include <optional>

class PageSurface;

// Where picTemp goes in the frame at (leftM, topM), fitted and centred without distortion:
// PicSize 0 is 3900 x 3500 twips beside the header, any other value 11000 x 3000 across the
// top. Nothing for no picture or one without area. Throws UserError("Overflow") when the
// corner leaves 16 bits.
std::optional<QRectF> graphicRect(const CalendarState &state, qint16 leftM, qint16 topM, int PicSize);

// Draws picTemp in the rectangle graphicRect gives.
void PlaceGraphic(const CalendarState &state, PageSurface &surface, qint16 leftM, qint16 topM, int PicSize);
