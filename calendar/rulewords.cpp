#include "calendar/rulewords.h"

#include "calendar/holidays/holidays.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

namespace {

// The rules in words, in the language of the window (not of the page).
struct MarkRuleWords
{
    Q_DECLARE_TR_FUNCTIONS(MarkRules)
};

} // namespace

QString weekdayName(int weekday)
{
    // Sunday first, as the rules count.
    static const char *const names[] = {
        QT_TRANSLATE_NOOP("MarkRules", "Sunday"),   QT_TRANSLATE_NOOP("MarkRules", "Monday"),
        QT_TRANSLATE_NOOP("MarkRules", "Tuesday"),  QT_TRANSLATE_NOOP("MarkRules", "Wednesday"),
        QT_TRANSLATE_NOOP("MarkRules", "Thursday"), QT_TRANSLATE_NOOP("MarkRules", "Friday"),
        QT_TRANSLATE_NOOP("MarkRules", "Saturday"),
    };
    return weekday >= 1 && weekday <= 7 ? MarkRuleWords::tr(names[weekday - 1]) : QString();
}

namespace {

// The week of the month a rule names, 1..4 as the rules count; "5th" and beyond for other
// numbers.
QString ordinalText(int n)
{
    static const char *const ordinals[] = {
        QT_TRANSLATE_NOOP("MarkRules", "1st"), QT_TRANSLATE_NOOP("MarkRules", "2nd"),
        QT_TRANSLATE_NOOP("MarkRules", "3rd"), QT_TRANSLATE_NOOP("MarkRules", "4th"),
    };
    if (n >= 1 && n <= 4)
        return MarkRuleWords::tr(ordinals[n - 1]);
    static const char *const suffixes[] = {"th", "st", "nd", "rd"};
    const int lastTwo = n % 100;
    const int last = n % 10;
    const char *suffix = (lastTwo >= 11 && lastTwo <= 13) || last > 3 || last < 0 ? "th" : suffixes[last];
    return QString::number(n) + QLatin1String(suffix);
}

// The short month names the rules are shown with, January first.
const char *const ShortMonths[] = {
    QT_TRANSLATE_NOOP("MarkRules", "Jan"), QT_TRANSLATE_NOOP("MarkRules", "Feb"),
    QT_TRANSLATE_NOOP("MarkRules", "Mar"), QT_TRANSLATE_NOOP("MarkRules", "Apr"),
    QT_TRANSLATE_NOOP("MarkRules", "May"), QT_TRANSLATE_NOOP("MarkRules", "Jun"),
    QT_TRANSLATE_NOOP("MarkRules", "Jul"), QT_TRANSLATE_NOOP("MarkRules", "Aug"),
    QT_TRANSLATE_NOOP("MarkRules", "Sep"), QT_TRANSLATE_NOOP("MarkRules", "Oct"),
    QT_TRANSLATE_NOOP("MarkRules", "Nov"), QT_TRANSLATE_NOOP("MarkRules", "Dec"),
};

QString dateText(const RuleDate &date)
{
    const auto &months = ShortMonths;
    const unsigned month = unsigned(date.monthDay.month());
    const QString monthText = month >= 1 && month <= 12 ? MarkRuleWords::tr(months[month - 1]) : QString();
    //: A day of the month and a short month name: "8 Jan"
    const QString dayMonth = MarkRuleWords::tr("%1 %2", "day and month").arg(QString::number(unsigned(date.monthDay.day())), monthText);
    return date.year ? QStringLiteral("%1 %2").arg(dayMonth).arg(int(*date.year)) : dayMonth;
}

// The month (1..12) a word names: a short name as the rules show it, in the window's language
// or in English, or the locale's own long or short name, without case and a closing dot.
int monthOfWord(QString word)
{
    word = word.trimmed().toCaseFolded();
    if (word.endsWith(QLatin1Char('.')))
        word.chop(1);
    if (word.isEmpty())
        return 0;
    const QLocale locale;
    for (int m = 1; m <= 12; ++m) {
        const QStringList names = {MarkRuleWords::tr(ShortMonths[m - 1]), QLatin1String(ShortMonths[m - 1]),
                                   locale.monthName(m, QLocale::LongFormat), locale.monthName(m, QLocale::ShortFormat),
                                   locale.standaloneMonthName(m, QLocale::LongFormat),
                                   locale.standaloneMonthName(m, QLocale::ShortFormat)};
        for (QString name : names) {
            name = name.toCaseFolded();
            if (name.endsWith(QLatin1Char('.')))
                name.chop(1);
            if (!name.isEmpty() && name == word)
                return m;
        }
    }
    return 0;
}

} // namespace

std::optional<RuleDate> parseShownDate(QStringView text)
{
    // "8 Jan 2027", "8. Jan. 2027", "8 Jan": the day, the month's name, the year if any.
    static const QRegularExpression shown(QStringLiteral("^(\\d{1,2})\\.?\\s*([^\\d\\s]+?)\\s*(?:\\s(\\d{1,4}))?$"));
    const QRegularExpressionMatch match = shown.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const int month = monthOfWord(match.captured(2));
    if (month == 0)
        return std::nullopt;
    const std::chrono::month_day monthDay{std::chrono::month{unsigned(month)}, std::chrono::day{match.captured(1).toUInt()}};
    if (match.captured(3).isEmpty()) {
        // 29 February is a day of the year when the year has one.
        if (!(std::chrono::year{2000} / monthDay).ok())
            return std::nullopt;
        return RuleDate::yearless(monthDay);
    }
    const std::chrono::year_month_day date{std::chrono::year{match.captured(3).toInt()} / monthDay};
    if (!date.ok() || int(date.year()) < 1)
        return std::nullopt;
    return RuleDate::full(date);
}

QString describeRule(const MarkRule &rule, const HolidayCatalog &holidays)
{
    switch (rule.kind) {
    case RuleKind::NthWeekday:
        //: An ordinal ("2nd") and a weekday: "2nd Tuesday of every month"
        return MarkRuleWords::tr("%1 %2 of every month").arg(ordinalText(rule.ordinal), weekdayName(rule.weekday));
    case RuleKind::LastWeekday:
        return MarkRuleWords::tr("Last %1 of every month").arg(weekdayName(rule.weekday));
    case RuleKind::EveryNWeeks:
        if (rule.weeks == 1)
            return MarkRuleWords::tr("Every week from %1").arg(dateText(rule.from));
        return MarkRuleWords::tr("Every %1 weeks from %2").arg(rule.weeks).arg(dateText(rule.from));
    case RuleKind::ContinuingWeeks:
        if (rule.weeks == 1)
            return MarkRuleWords::tr("Every week since %1").arg(dateText(rule.from));
        return MarkRuleWords::tr("Every %1 weeks since %2").arg(rule.weeks).arg(dateText(rule.from));
    case RuleKind::Dates:
        if (rule.dates.size() == 1)
            return rule.dates.front().isYearless() ? MarkRuleWords::tr("%1 every year").arg(dateText(rule.dates.front()))
                                                   : dateText(rule.dates.front());
        return MarkRuleWords::tr("%1 dates").arg(rule.dates.size());
    case RuleKind::Range:
        return QStringLiteral("%1 - %2").arg(dateText(rule.from), dateText(rule.to));
    case RuleKind::Holidays:
        return MarkRuleWords::tr("Public holidays of %1")
            .arg(holidays.regionName(rule.source).value_or(rule.source));
    case RuleKind::ICalendar:
        return MarkRuleWords::tr("Events of %1").arg(rule.source.section(QLatin1Char('/'), -1));
    }
    return {};
}
