#pragma once

#include <QString>

// The full name of month 1..12 in the user's language (English under the C locale), as
// the month headings and the date-list lines show it.
QString monthName(int month);
