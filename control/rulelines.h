#pragma once

#include "model/markrule.h"

#include <QString>
#include <QStringView>

#include <optional>

// The control-file key of each rule kind: DTM, LST, EFW, DAY, RNG, HOL, ICS.
QString ruleKey(RuleKind kind);
// The rule kind a key (already cut to three letters, any case) names, if any.
std::optional<RuleKind> ruleKindOfKey(QStringView key);

// What the value of one rule line came to: a rule, or the reason it cannot be one (DTM week
// numbers of 5 and above and weekdays of 8 and above, which the format has always passed
// over, among them).
struct RuleLine
{
    std::optional<MarkRule> rule;
    QString problem;
};

// Reads the value of a rule line of `kind`. Dates are read in the locale's order or as ISO
// dates; DAY and RNG dates may leave out the year ("--03-05", or day and month in the
// locale's order). `folder` anchors a relative ICS path.
RuleLine parseRuleValue(RuleKind kind, QStringView value, const QString &folder);

// Why a label longer than MaxLabelLength is refused, the control file and the rule dialog alike.
QString labelTooLong(const QString &label);

// The value that parseRuleValue reads back as `rule` in any locale (dates are written as
// ISO dates). `folder` makes an ICS path below it relative.
QString ruleValue(const MarkRule &rule, const QString &folder);

// A date of a rule: a full date, or a month and day without a year.
std::optional<RuleDate> parseRuleDate(QStringView text);

// What is wrong with a range from `from` to `to`, the control file and the rule dialog alike:
// one date with a year and one without, or a last day before the first (yearless dates are
// compared in a leap year, so that such a range may end on 29 February).
enum class RangeProblem { None, MixedYears, Backwards };
RangeProblem rangeProblem(const RuleDate &from, const RuleDate &to);

// `path` relative to `folder` when it lies inside it, else as it is.
QString pathForFolder(const QString &path, const QString &folder);
