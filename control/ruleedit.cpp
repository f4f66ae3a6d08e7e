#include "control/ruleedit.h"

#include "calendar/ical/icalendar.h"
#include "calendar/ical/icsreader.h"

#include "control/rulelines.h"
#include "calendar/holidays/holidays.h"
#include "calendar/markrules.h"
#include "calendar/marksources.h"
#include "calendar/dayrules.h"
#include "calendar/ruledays.h"
#include "calendar/rulewords.h"

#include <QCoreApplication>

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

using namespace std::chrono;

namespace {

// The words of the rule dialog's refusals in the user's language.
struct RuleFieldWords
{
    Q_DECLARE_TR_FUNCTIONS(RuleFields)
};

using namespace RuleField;

FieldError fieldError(const char *field, const QString &reason)
{
    //: A field of the rule dialog, then why its value is refused.
    return {QLatin1String(field), RuleFieldWords::tr("%1: %2").arg(RuleFieldWords::tr(field), reason)};
}

QString notADate(const QString &text)
{
    //: %2 is 5 March 2027 as the user's locale writes short dates, such as 3/5/27.
    return RuleFieldWords::tr("\"%1\" is not a date. Type it as 2027-03-05, as your locale writes dates (%2), "
                              "as the list shows them (5 Mar 2027), or pick it from the calendar.")
        .arg(text, QLocale().toString(QDate(2027, 3, 5), QLocale::ShortFormat));
}

// A date field of the dialog; `field` names it in the error.
std::variant<RuleDate, FieldError> dateField(const char *field, const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return fieldError(field, RuleFieldWords::tr("the date is missing."));
    if (const std::optional<RuleDate> date = parseRuleDate(trimmed))
        return *date;
    // Whatever the window shows a date as, it takes back.
    if (const std::optional<RuleDate> date = parseShownDate(trimmed))
        return *date;
    return fieldError(field, notADate(trimmed));
}

// The region code a choice names: "Bavaria (DE-BY)", "DE-BY" or "Bavaria".
std::optional<QString> regionCode(const QString &text, const HolidayCatalog &catalog)
{
    static const QRegularExpression inParentheses(QStringLiteral("\\(([A-Za-z0-9-]+)\\)\\s*$"));
    const QString trimmed = text.trimmed();
    const QRegularExpressionMatch match = inParentheses.match(trimmed);
    const QString code = (match.hasMatch() ? match.captured(1) : trimmed).toUpper();
    if (catalog.regionName(code))
        return code;
    for (const auto &[known, name] : catalog.regions())
        if (name.compare(trimmed, Qt::CaseInsensitive) == 0)
            return known;
    return std::nullopt;
}

std::optional<FieldError> fillKindFields(const RuleFields &fields, const HolidayCatalog &holidays, MarkRule &rule)
{
    switch (fields.kind) {
    case RuleKind::NthWeekday:
        if (fields.ordinal < 1 || fields.ordinal > 4)
            return fieldError(Ordinal, RuleFieldWords::tr("choose 1st to 4th."));
        rule.ordinal = fields.ordinal;
        [[fallthrough]];
    case RuleKind::LastWeekday:
        if (fields.weekday < 1 || fields.weekday > 7)
            return fieldError(Weekday, RuleFieldWords::tr("choose a day from Sunday to Saturday."));
        rule.weekday = fields.weekday;
        return std::nullopt;
    case RuleKind::EveryNWeeks:
    case RuleKind::ContinuingWeeks: {
        const auto start = dateField(StartDate, fields.startDate);
        if (const FieldError *error = std::get_if<FieldError>(&start))
            return *error;
        if (std::get<RuleDate>(start).isYearless())
            return fieldError(StartDate,
                              RuleFieldWords::tr("give the year too: the weeks are counted from one day."));
        if (fields.weeks < 1 || fields.weeks > 32767)
            return fieldError(Weeks, RuleFieldWords::tr("the number of weeks must be 1 to 32767."));
        rule.from = std::get<RuleDate>(start);
        rule.weeks = qint16(fields.weeks);
        return std::nullopt;
    }
    case RuleKind::Dates:
        for (const QString &piece : fields.dates.split(QLatin1Char(','))) {
            QString text = piece.trimmed();
            // Blank pieces ("5/3, , 6/3" or a comma at the end) are passed over.
            if (text.isEmpty())
                continue;
            // "1987-03-05+" as a control file writes a date of every year since its own.
            const bool plus = text.endsWith(QLatin1Char('+'));
            if (plus)
                text.chop(1);
            const auto date = dateField(Dates, text);
            if (const FieldError *error = std::get_if<FieldError>(&date))
                return *error;
            RuleDate day = std::get<RuleDate>(date);
            if ((plus || fields.yearly) && day.isYearless())
                //: %1 is a date without a year as typed, such as --03-05.
                return fieldError(Dates, RuleFieldWords::tr("\"%1\" has no year to count the years from: give the year "
                                                            "it began, as in 1987-03-05.")
                                             .arg(text));
            day.yearly = plus || fields.yearly;
            rule.dates.push_back(day);
        }
        if (rule.dates.empty())
            return fieldError(Dates, RuleFieldWords::tr("type at least one date, or pick it from the calendar."));
        return std::nullopt;
    case RuleKind::Range: {
        const auto from = dateField(From, fields.from);
        if (const FieldError *error = std::get_if<FieldError>(&from))
            return *error;
        const auto to = dateField(To, fields.to);
        if (const FieldError *error = std::get_if<FieldError>(&to))
            return *error;
        rule.from = std::get<RuleDate>(from);
        rule.to = std::get<RuleDate>(to);
        switch (rangeProblem(rule.from, rule.to)) {
        case RangeProblem::MixedYears: return fieldError(To, RuleFieldWords::tr("give both dates a year, or neither."));
        case RangeProblem::Backwards:
            return fieldError(To, RuleFieldWords::tr("the last day %1 is before the first, %2.")
                                      .arg(fields.to.trimmed(), fields.from.trimmed()));
        case RangeProblem::None: break;
        }
        return std::nullopt;
    }
    case RuleKind::Holidays: {
        const std::optional<QString> code = regionCode(fields.region, holidays);
        if (!code)
            return fieldError(Region,
                              fields.region.trimmed().isEmpty()
                                  ? RuleFieldWords::tr("choose a region from the list.")
                                  : RuleFieldWords::tr("there is no holiday list for \"%1\"; choose a region from the list.")
                                        .arg(fields.region.trimmed()));
        rule.source = *code;
        return std::nullopt;
    }
    case RuleKind::ICalendar: {
        const QString path = fields.file.trimmed();
        if (path.isEmpty())
            return fieldError(File, RuleFieldWords::tr("choose the iCalendar file (.ics)."));
        // A subscribed calendar keeps its address; it was fetched when it was subscribed to, and
        // the marks say what its server answers now.
        if (isCalendarAddress(path)) {
            rule.source = path;
            return std::nullopt;
        }
        // stat() only: nothing is opened here, so a FIFO cannot block the dialog.
        const QFileInfo info(path);
        if (!info.isFile())
            return fieldError(File, RuleFieldWords::tr("\"%1\" is not a file.").arg(path));
        // A file that is no calendar is refused here, before it becomes a rule.
        const IcsReadResult read = readIcsDays(info.absoluteFilePath(), 2000);
        if (!read.ok)
            return fieldError(File, read.error);
        rule.source = info.absoluteFilePath();
        return std::nullopt;
    }
    }
    return fieldError(Kind, RuleFieldWords::tr("choose a kind of rule."));
}

} // namespace

std::variant<MarkRule, FieldError> ruleFromFields(const RuleFields &fields, const HolidayCatalog &holidays)
{
    MarkRule rule;
    rule.kind = fields.kind;
    if (std::optional<FieldError> error = fillKindFields(fields, holidays, rule))
        return *error;
    rule.label = fields.label.trimmed();
    // A line break would end the control-file line the rule is saved as.
    if (rule.label.contains(QLatin1Char('\n')) || rule.label.contains(QLatin1Char('\r')))
        return fieldError(Label, RuleFieldWords::tr("the label must be one line."));
    if (rule.label.size() > MaxLabelLength)
        return fieldError(Label, labelTooLong(rule.label) + QLatin1Char('.'));
    const bool namedByItsSource = rule.kind == RuleKind::Holidays || rule.kind == RuleKind::ICalendar;
    if (rule.label.isEmpty() && !namedByItsSource)
        return fieldError(Label, RuleFieldWords::tr("give the days a name for the legend."));
    return rule;
}

RuleFields fieldsOfRule(const MarkRule &rule, const HolidayCatalog &holidays)
{
    RuleFields fields;
    fields.kind = rule.kind;
    fields.ordinal = rule.ordinal;
    fields.weekday = rule.weekday;
    fields.weeks = rule.weeks;
    fields.label = rule.label;
    switch (rule.kind) {
    case RuleKind::EveryNWeeks:
    case RuleKind::ContinuingWeeks:
        fields.startDate = rule.from.isoText();
        break;
    case RuleKind::Dates: {
        // Dates all of every year since their own are shown with the box ticked; a rule of
        // both kinds keeps the "+" of each yearly date in the text.
        fields.yearly = std::all_of(rule.dates.begin(), rule.dates.end(), [](const RuleDate &d) { return d.yearly; })
                        && !rule.dates.empty();
        QStringList dates;
        for (RuleDate date : rule.dates) {
            if (fields.yearly)
                date.yearly = false;
            dates << date.isoText();
        }
        fields.dates = dates.join(QStringLiteral(", "));
        break;
    }
    case RuleKind::Range:
        fields.from = rule.from.isoText();
        fields.to = rule.to.isoText();
        break;
    case RuleKind::Holidays:
        fields.region = regionChoiceText(rule.source, holidays.regionName(rule.source).value_or(QString()));
        break;
    case RuleKind::ICalendar:
        fields.file = rule.source;
        break;
    case RuleKind::NthWeekday:
    case RuleKind::LastWeekday:
        // Their fields are the numbers set above.
        break;
    }
    return fields;
}

SeriesAdvice seriesAdvice(const QString &startDate, int weeks, const CalendarSpan &span, const MarkSources &sources)
{
    const auto start = dateField(StartDate, startDate);
    const RuleDate *from = std::get_if<RuleDate>(&start);
    if (!from || from->isYearless() || from->yearly || weeks < 1 || weeks > 32767)
        return {};
    MarkRule withinYear;
    withinYear.kind = RuleKind::EveryNWeeks;
    withinYear.from = *from;
    withinYear.weeks = qint16(weeks);
    MarkRule continuing = withinYear;
    continuing.kind = RuleKind::ContinuingWeeks;
    const QString series = describeRule(withinYear, sources.holidays);  // "Every 2 weeks from 25 Dec 2026"
    const QString shown = spanTitle(span);  // "2027", "2027/2028"
    const year_month_day first = *from->year / from->monthDay;
    if (!first.ok())
        return {};
    if (sys_days{first} > span.lastDay())
        return {false, RuleFieldWords::tr("%1 starts after the months the page shows: it marks nothing in %2").arg(series, shown)};
    const size_t marked = daysOfRule(withinYear, span, sources).days.size();
    if (daysOfRule(continuing, span, sources).days.size() <= marked)
        return {};
    if (marked == 0)
        return {true, RuleFieldWords::tr("%1 would mark nothing in %2: that kind stops at the end of its first year")
                          .arg(series, shown)};
    return {true, RuleFieldWords::tr("%1 would mark only %2 days in %3: that kind stops at the end of its first year")
                      .arg(series)
                      .arg(marked)
                      .arg(shown)};
}

QString regionChoiceText(const QString &code, const QString &name)
{
    return name.isEmpty() ? code : QStringLiteral("%1 (%2)").arg(name, code);
}

std::optional<size_t> ruleMarkingDay(const CalendarState &state, QDate day, const MarkSources &sources)
{
    if (!day.isValid())
        return std::nullopt;
    const qint16 mark = state.dayMark(day.month(), day.day());
    if (mark == NoMark)
        return std::nullopt;
    // Only the rules of the day's category are candidates; each is worked out alone in the
    // calendar's year, from the last rule back.
    for (size_t i = state.rules.size(); i-- > 0;) {
        if (i >= state.ruleResults.size())
            continue;
        const RuleResult &result = state.ruleResults[i];
        if (result.status != RuleResult::Status::Marked || result.category != mark)
            continue;
        CalendarState alone;
        alone.txtYear = state.txtYear;
        // The months the page shows decide the year of each month's days.
        alone.page = state.page;
        alone.rules = {state.rules[i]};
        refreshMarks(alone, sources);
        if (alone.dayMark(day.month(), day.day()) != NoMark)
            return i;
    }
    return std::nullopt;
}
