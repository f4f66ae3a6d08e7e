#pragma once

#include "model/markrule.h"

#include <QString>
#include <QStringView>

#include <optional>

class HolidayCatalog;

// The rule in words, for the list of marked-day rules, in the window's language: "2nd
// Tuesday of every month", "Every 2 weeks from 8 Jan 2027", "3 dates", "12 Jul 2027 - 23 Jul
// 2027", "Public holidays of Bavaria" (the region named as `holidays` knows it).
QString describeRule(const MarkRule &rule, const HolidayCatalog &holidays);

// A date written the way describeRule shows one ("8 Jan 2027", "8. Jan. 2027", "8 Jan" for
// every year), month names in the window's language, in English or in the locale's own long
// or short form; nothing for anything else.
std::optional<RuleDate> parseShownDate(QStringView text);

// The weekday's name, 1 Sunday .. 7 Saturday, in the window's language (English without a
// translation); empty for other numbers.
QString weekdayName(int weekday);
