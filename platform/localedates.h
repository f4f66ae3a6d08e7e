#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <array>
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

// The locale a page's names come from: the one `language` names ("de_DE", "ru", "he_IL"),
// or the default locale (the desktop's language) when `language` is empty.
QLocale pageLocale(const QString &language);

// True when `language` names a locale Qt has data for ("C" included); false for a name Qt
// would quietly turn into the C locale ("xx_YY", "German").
bool isKnownLanguage(const QString &language);

// The full stand-alone name of month 1..12 in `language` (see pageLocale), its first letter
// upper-case, as the month headings and the date-list lines show it: Russian "Январь", not
// the genitive "января" a date uses.
QString monthName(int month, const QString &language = QString());

// The column heads of the seven weekdays, Sunday first: the letters of "SMTWTFS" for the
// empty language, as the page has always had them, else the locale's narrow stand-alone
// day names ("П" for a Russian Monday).
std::array<QString, 7> weekdayInitials(const QString &language);

// The weekday `language`'s weeks start on: 0 Sunday .. 6 Saturday.
int firstWeekdayOf(const QString &language);

// True when `language` is written right to left (Arabic, Hebrew ...).
bool isRightToLeft(const QString &language);
