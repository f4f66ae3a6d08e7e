#pragma once

#include "model/calendarstate.h"
#include "render/pagesurface.h"

#include <QRgb>

#include <array>

// The colour of mark category 0..4 as the month blocks and the legend draw it, in the palette
// state.page asks for: Classic gives MarkColors with each component held to 0..255, Safe and
// Patterns the colour-blind safe tints. Throws UserError for another category.
QRgb markColour(const CalendarState &state, int category);

// The hatching of mark category 0..4: one pattern each under the Patterns palette, solid
// under the others. Throws UserError for another category.
FillPattern markPattern(const CalendarState &state, int category);

// Whether the day number of a mark of `category` prints black over its box rather than white,
// reversed out of it: black wherever it stands out more (WCAG contrast ratio), which is
// every colour of the Safe and Patterns palettes and the pale ones of the Classic colours.
// Throws UserError for another category.
bool blackNumberOnMark(const CalendarState &state, int category);

// The WCAG 2 contrast ratio of two colours, 1 to 21.
double contrastRatio(QRgb a, QRgb b);
