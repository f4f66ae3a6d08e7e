#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>
#include <utility>

// The year a two-digit year stands for: 00..29 is 2000..2029, 30..99 is 1930..1999, the
// window spreadsheets use. Other values are returned unchanged.
int expandTwoDigitYear(int year);

// A date typed the way `locale` writes short dates: day, month and year in the locale's
// order, separated by "/", "." or "-" (the same one twice), days and months of one or two
// digits, years of two or four (see expandTwoDigitYear). A four-digit first field is always
// read year-month-day, so ISO dates ("2004-09-01") are accepted in every locale. Returns
// nothing for a text that is not a valid Gregorian date.
std::optional<QDate> parseLocaleDate(const QString &text, const QLocale &locale = QLocale());

// A month and day without a year: "--03-05" (ISO), or two fields in the locale's order of
// day and month ("3/5" in the United States, "5/3" or "5.3." in Germany). 29 February is
// accepted. Returns {month, day}, or nothing for a text that is no day of any year.
std::optional<std::pair<int, int>> parseLocaleMonthDay(const QString &text, const QLocale &locale = QLocale());

// The full name of month 1..12 in the user's language (English under the C locale), as
// the month headings and the date-list lines show it.
QString monthName(int month);
