#pragma once

#include "model/pagesettings.h"

#include <QList>
#include <QPageSize>
#include <QPrinter>

#include <optional>

// The page size of `paper`; nothing for Paper::AsPrinter, which names none.
std::optional<QPageSize> pageSizeOf(Paper paper);

// Of the sizes in `available`, the one to use for `wanted`: `wanted` itself when an
// equivalent size is among them or nothing is known of them (empty), else the one nearest to
// it, the smallest sum of the differences of width and height in points (portrait), the
// first of equals.
QPageSize nearestPageSize(const QPageSize &wanted, const QList<QPageSize> &available);

// What is known of a device's colour printing.
enum class ColourSupport {
    Colour,
    BlackAndWhite,   // prints grey only: mark colours turn into greys
    Unknown,
};

// What a printer's colour modes, as Qt reads them from its queue (QPrinterInfo::
// supportedColorModes), say: black and white when they hold grey but no colour, unknown when
// the queue declares none.
ColourSupport colourSupportOf(const QList<QPrinter::ColorMode> &modes);
