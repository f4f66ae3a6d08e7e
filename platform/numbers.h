#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

// Rounds to the nearest integer, a tie going to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2), and checks that the result fits 16 bits. Throws UserError("Overflow") when it
// does not, or when `value` is not a number.
qint16 toInt16(double value);

// The number at the start of a text: leading blanks and tabs skipped, then an optional sign,
// digits, an optional fraction and an optional exponent. What follows is ignored; a text that
// does not start with a number has none. "2004abc" -> 2004, " -1.5e2x" -> -150, "abc" -> none.
std::optional<double> leadingNumber(QStringView text);
