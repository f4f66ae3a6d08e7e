#pragma once

#include "model/calendarstate.h"

#include <QRgb>

// The colour of mark category 0..4 as the month blocks and the legend draw it: MarkColors
// with each component held to 0..255. Throws UserError for another category.
QRgb markColour(const CalendarState &state, int category);
