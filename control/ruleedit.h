#pragma once

#include "calendar/calendarspan.h"
#include "model/calendarstate.h"

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <variant>

class HolidayCatalog;
struct MarkSources;

// The fields of the rule dialog as the user left them, before they are a rule. Fields the
// kind does not use are ignored.
struct RuleFields
{
    RuleKind kind = RuleKind::Dates;
    int ordinal = 1;       // NthWeekday: 1..4
    int weekday = 1;       // NthWeekday, LastWeekday: 1 Sunday .. 7 Saturday
    QString startDate;     // EveryNWeeks: a full date
    int weeks = 1;         // EveryNWeeks: 1..32767
    QString dates;         // Dates: comma-separated, each with or without a year; "1987-03-05+"
                           // comes back every year from 1987
    bool yearly = false;   // Dates: every date comes back every year from its own (birthdays)
    QString from;          // Range: first and last day, both with a year or neither
    QString to;
    QString region;        // Holidays: "DE-BY", or as the region list shows it, "Bavaria (DE-BY)"
    QString file;          // ICalendar: path of an existing file
    QString label;
};

// The rule dialog's fields by their English captions, which name them in a FieldError and key
// their rows in the dialog; messages name them in the user's language (context RuleFields).
namespace RuleField {
inline constexpr char Kind[] = QT_TRANSLATE_NOOP("RuleFields", "Kind");
inline constexpr char Ordinal[] = QT_TRANSLATE_NOOP("RuleFields", "Ordinal");
inline constexpr char Weekday[] = QT_TRANSLATE_NOOP("RuleFields", "Weekday");
inline constexpr char StartDate[] = QT_TRANSLATE_NOOP("RuleFields", "Start date");
inline constexpr char Weeks[] = QT_TRANSLATE_NOOP("RuleFields", "Weeks");
inline constexpr char Dates[] = QT_TRANSLATE_NOOP("RuleFields", "Dates");
inline constexpr char Yearly[] = QT_TRANSLATE_NOOP("RuleFields", "Every year since");
inline constexpr char From[] = QT_TRANSLATE_NOOP("RuleFields", "From");
inline constexpr char To[] = QT_TRANSLATE_NOOP("RuleFields", "To");
inline constexpr char Region[] = QT_TRANSLATE_NOOP("RuleFields", "Region");
inline constexpr char File[] = QT_TRANSLATE_NOOP("RuleFields", "File");
inline constexpr char Label[] = QT_TRANSLATE_NOOP("RuleFields", "Label");
} // namespace RuleField

// Why the fields are no rule: the caption of the wrong field as the dialog labels it
// ("Start date") and a sentence for the user that starts with it.
struct FieldError
{
    QString field;
    QString message;

    bool operator==(const FieldError &) const = default;
};

// The rule the fields describe, or the first field (in the dialog's order) that keeps them
// from being one. Dates are read as control files read them (the locale's order or ISO,
// parseRuleDate); the label is trimmed and needed by every kind but holidays and
// iCalendar files, which have a name of their own.
std::variant<MarkRule, FieldError> ruleFromFields(const RuleFields &fields, const HolidayCatalog &holidays);

// The fields that give `rule` back through ruleFromFields; dates are written as ISO dates.
RuleFields fieldsOfRule(const MarkRule &rule, const HolidayCatalog &holidays);

// What the rule dialog says under the start date of a series of weeks, and which kind it
// offers: where the kind that stops at the end of its first year (EveryNWeeks) would mark
// fewer of the days the page shows (`span`) than the continuing kind, the continuing kind is
// offered and the line says what the other would do ("Every 2 weeks from 25 Dec 2026 would
// mark nothing in 2027: that kind stops at the end of its first year"). A start after the
// page's last day is said too. Nothing for a start that is no full date.
struct SeriesAdvice
{
    bool offerContinuing = false;
    QString note;  // one line; empty when there is nothing to say

    bool operator==(const SeriesAdvice &) const = default;
};
SeriesAdvice seriesAdvice(const QString &startDate, int weeks, const CalendarSpan &span, const MarkSources &sources);

// A region as the rule dialog lists it: "Bavaria (DE-BY)".
QString regionChoiceText(const QString &code, const QString &name);

// The rule whose mark `day` shows in the calendar's year (marks as refreshMarks left them):
// of the rules that mark the day in its category, the last, as a later rule's mark replaces
// an earlier one. Nothing for a day without a mark.
std::optional<size_t> ruleMarkingDay(const CalendarState &state, QDate day, const MarkSources &sources);
