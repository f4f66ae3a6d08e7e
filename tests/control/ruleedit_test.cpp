#include "control/ruleedit.h"
#include "calendar/markrules.h"
#include "calendar/rulewords.h"
#include "tests/support/testsources.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace std::chrono;

// The rows name only the fields they set; GCC 12 warns about every member a designated
// initializer leaves to its default, which is the point here.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

// The holiday catalog and .ics reader these tests mark with.
const MarkSources &sources()
{
    static const TestSources testSources;
    return testSources;
}

using Kind = RuleKind;
const QString Days = QStringLiteral("Days");
const QString ExistingFile = QStringLiteral(LUNARIA_SOURCE_DIR "/tests/data/ics/export-2024.ics");

RuleDate full(int y, unsigned m, unsigned d)
{
    return RuleDate::full(year{y} / month{m} / day{d});
}
RuleDate yearless(unsigned m, unsigned d)
{
    return RuleDate::yearless(month{m} / day{d});
}

// Fields the dialog accepts, and the rule they are, written out by hand.
struct Accepted
{
    const char *name;
    RuleFields fields;
    MarkRule rule;
};

const Accepted AcceptedRows[] = {
    {"second_tuesday_label_trimmed", {.kind = Kind::NthWeekday, .ordinal = 2, .weekday = 3, .label = QStringLiteral(" Club ")},
     {.kind = Kind::NthWeekday, .label = QStringLiteral("Club"), .ordinal = 2, .weekday = 3}},
    {"last_friday_ignores_the_ordinal", {.kind = Kind::LastWeekday, .ordinal = 9, .weekday = 6, .label = Days},
     {.kind = Kind::LastWeekday, .label = Days, .weekday = 6}},
    {"every_two_weeks_iso", {.kind = Kind::EveryNWeeks, .startDate = QStringLiteral("2027-01-08"), .weeks = 2, .label = Days},
     {.kind = Kind::EveryNWeeks, .label = Days, .weeks = 2, .from = full(2027, 1, 8)}},
    // The tests run in en_US: month first.
    {"every_week_us_order", {.kind = Kind::EveryNWeeks, .startDate = QStringLiteral("1/8/2027"), .weeks = 32767, .label = Days},
     {.kind = Kind::EveryNWeeks, .label = Days, .weeks = 32767, .from = full(2027, 1, 8)}},
    {"dates_full_and_yearless", {.kind = Kind::Dates, .dates = QStringLiteral("2027-03-05, --07-14,12/24"), .label = Days},
     {.kind = Kind::Dates, .label = Days, .dates = {full(2027, 3, 5), yearless(7, 14), yearless(12, 24)}}},
    {"dates_every_year_since_a_birth", {.kind = Kind::Dates, .dates = QStringLiteral("1987-03-05"), .yearly = true, .label = Days},
     {.kind = Kind::Dates, .label = Days, .dates = {RuleDate::since(year{1987} / March / 5)}}},
    {"dates_one_yearly_by_its_plus", {.kind = Kind::Dates, .dates = QStringLiteral("1987-03-05+, 6/1/2027"), .label = Days},
     {.kind = Kind::Dates, .label = Days, .dates = {RuleDate::since(year{1987} / March / 5), full(2027, 6, 1)}}},
    {"continuing_from_last_december", {.kind = Kind::ContinuingWeeks, .startDate = QStringLiteral("2026-12-25"), .weeks = 2, .label = Days},
     {.kind = Kind::ContinuingWeeks, .label = Days, .weeks = 2, .from = full(2026, 12, 25)}},
    {"dates_leap_day_comma_at_the_end", {.kind = Kind::Dates, .dates = QStringLiteral("2/29, "), .label = Days},
     {.kind = Kind::Dates, .label = Days, .dates = {yearless(2, 29)}}},
    {"range_over_summer", {.kind = Kind::Range, .from = QStringLiteral("2027-07-12"), .to = QStringLiteral("7/23/2027"), .label = Days},
     {.kind = Kind::Range, .label = Days, .from = full(2027, 7, 12), .to = full(2027, 7, 23)}},
    {"range_of_one_day", {.kind = Kind::Range, .from = QStringLiteral("2027-07-12"), .to = QStringLiteral("2027-07-12"), .label = Days},
     {.kind = Kind::Range, .label = Days, .from = full(2027, 7, 12), .to = full(2027, 7, 12)}},
    {"range_yearless_to_leap_day", {.kind = Kind::Range, .from = QStringLiteral("--02-20"), .to = QStringLiteral("--02-29"), .label = Days},
     {.kind = Kind::Range, .label = Days, .from = yearless(2, 20), .to = yearless(2, 29)}},
    {"holidays_as_listed_no_label", {.kind = Kind::Holidays, .region = QStringLiteral("Bavaria (DE-BY)")},
     {.kind = Kind::Holidays, .source = QStringLiteral("DE-BY")}},
    {"holidays_by_code_any_case", {.kind = Kind::Holidays, .region = QStringLiteral(" de-by ")},
     {.kind = Kind::Holidays, .source = QStringLiteral("DE-BY")}},
    {"holidays_by_name", {.kind = Kind::Holidays, .region = QStringLiteral("bavaria")},
     {.kind = Kind::Holidays, .source = QStringLiteral("DE-BY")}},
    {"icalendar_file_no_label", {.kind = Kind::ICalendar, .file = ExistingFile},
     {.kind = Kind::ICalendar, .source = QDir::cleanPath(ExistingFile)}},
    // A subscription is edited with its address as it stands, never taken for a path.
    {"icalendar_address_kept", {.kind = Kind::ICalendar, .file = QStringLiteral(" caldav+https://dav.example.org/anna/family/ ")},
     {.kind = Kind::ICalendar, .source = QStringLiteral("caldav+https://dav.example.org/anna/family/")}},
};

class RuleFieldsAccepted : public ::testing::TestWithParam<Accepted>
{
};

TEST_P(RuleFieldsAccepted, makeTheRule)
{
    const Accepted &row = GetParam();
    const std::variant<MarkRule, FieldError> made = ruleFromFields(row.fields, sources().holidays);
    ASSERT_TRUE(std::holds_alternative<MarkRule>(made)) << std::get<FieldError>(made).message.toStdString();
    EXPECT_EQ(std::get<MarkRule>(made), row.rule);
    // The dialog shows a rule in fields that give it back.
    const std::variant<MarkRule, FieldError> again = ruleFromFields(fieldsOfRule(row.rule, sources().holidays), sources().holidays);
    ASSERT_TRUE(std::holds_alternative<MarkRule>(again));
    EXPECT_EQ(std::get<MarkRule>(again), row.rule);
}

INSTANTIATE_TEST_SUITE_P(Rows, RuleFieldsAccepted, ::testing::ValuesIn(AcceptedRows),
                         [](const ::testing::TestParamInfo<Accepted> &info) { return std::string(info.param.name); });

// Fields the dialog refuses: the field it names and words its message must hold.
struct Refused
{
    const char *name;
    RuleFields fields;
    const char *field;
    const char *words;
};

const QString Date = QStringLiteral("2027-03-05");

const Refused RefusedRows[] = {
    {"fifth_weekday", {.kind = Kind::NthWeekday, .ordinal = 5, .label = Days}, "Ordinal", "1st to 4th"},
    {"weekday_zero", {.kind = Kind::LastWeekday, .weekday = 0, .label = Days}, "Weekday", "Sunday to Saturday"},
    {"weekday_eight", {.kind = Kind::NthWeekday, .weekday = 8, .label = Days}, "Weekday", "Sunday to Saturday"},
    {"start_missing", {.kind = Kind::EveryNWeeks, .label = Days}, "Start date", "the date is missing"},
    {"start_30_february", {.kind = Kind::EveryNWeeks, .startDate = QStringLiteral("2/30/2027"), .label = Days}, "Start date",
     "\"2/30/2027\" is not a date"},
    {"start_month_13", {.kind = Kind::EveryNWeeks, .startDate = QStringLiteral("2027-13-01"), .label = Days}, "Start date",
     "\"2027-13-01\" is not a date"},
    {"start_without_a_year", {.kind = Kind::EveryNWeeks, .startDate = QStringLiteral("--03-05"), .label = Days}, "Start date",
     "give the year too"},
    {"no_weeks", {.kind = Kind::EveryNWeeks, .startDate = Date, .weeks = 0, .label = Days}, "Weeks", "1 to 32767"},
    {"weeks_beyond_16_bits", {.kind = Kind::EveryNWeeks, .startDate = Date, .weeks = 32768, .label = Days}, "Weeks", "1 to 32767"},
    {"first_wrong_field_named", {.kind = Kind::EveryNWeeks, .startDate = QStringLiteral("next Friday"), .weeks = 0, .label = Days},
     "Start date", "\"next Friday\""},
    {"dates_missing", {.kind = Kind::Dates, .label = Days}, "Dates", "at least one date"},
    {"dates_only_commas", {.kind = Kind::Dates, .dates = QStringLiteral(" , ,"), .label = Days}, "Dates", "at least one date"},
    {"dates_31_april", {.kind = Kind::Dates, .dates = QStringLiteral("2027-03-05, 4/31"), .label = Days}, "Dates",
     "\"4/31\" is not a date"},
    {"every_year_since_no_year", {.kind = Kind::Dates, .dates = QStringLiteral("1987-03-05, --03-06"), .yearly = true, .label = Days},
     "Dates", "\"--03-06\" has no year to count the years from"},
    {"plus_on_a_date_without_a_year", {.kind = Kind::Dates, .dates = QStringLiteral("--03-05+"), .label = Days}, "Dates",
     "no year to count the years from"},
    {"plus_on_a_start_date", {.kind = Kind::EveryNWeeks, .startDate = QStringLiteral("2026-12-25+"), .label = Days}, "Start date",
     "is not a date"},
    {"dates_without_a_comma", {.kind = Kind::Dates, .dates = QStringLiteral("2027-03-05 2027-03-06"), .label = Days}, "Dates",
     "is not a date"},
    {"range_from_missing", {.kind = Kind::Range, .to = Date, .label = Days}, "From", "the date is missing"},
    {"range_backwards", {.kind = Kind::Range, .from = QStringLiteral("2027-03-06"), .to = Date, .label = Days}, "To",
     "before the first"},
    {"range_with_one_year", {.kind = Kind::Range, .from = QStringLiteral("--03-01"), .to = Date, .label = Days}, "To",
     "both dates a year, or neither"},
    {"range_yearless_backwards", {.kind = Kind::Range, .from = QStringLiteral("--03-01"), .to = QStringLiteral("--02-29"), .label = Days},
     "To", "before the first"},
    {"range_to_no_leap_day", {.kind = Kind::Range, .from = Date, .to = QStringLiteral("2027-02-29"), .label = Days}, "To",
     "is not a date"},
    {"region_missing", {.kind = Kind::Holidays}, "Region", "choose a region"},
    {"region_unknown", {.kind = Kind::Holidays, .region = QStringLiteral("Atlantis (AT-LA)")}, "Region",
     "no holiday list for \"Atlantis (AT-LA)\""},
    {"file_missing", {.kind = Kind::ICalendar}, "File", "choose the iCalendar file"},
    {"file_does_not_exist", {.kind = Kind::ICalendar, .file = QStringLiteral(LUNARIA_SOURCE_DIR "/no-such.ics")}, "File",
     "is not a file"},
    {"file_is_a_folder", {.kind = Kind::ICalendar, .file = QStringLiteral(LUNARIA_SOURCE_DIR "/examples")}, "File", "is not a file"},
    {"file_is_no_calendar", {.kind = Kind::ICalendar, .file = QStringLiteral(LUNARIA_SOURCE_DIR "/examples/club.txt")}, "File",
     "club.txt"},
    {"label_blank", {.kind = Kind::Dates, .dates = Date, .label = QStringLiteral("   ")}, "Label", "name for the legend"},
    {"label_of_two_lines", {.kind = Kind::Dates, .dates = Date, .label = QStringLiteral("Two\nlines")}, "Label", "one line"},
};

class RuleFieldsRefused : public ::testing::TestWithParam<Refused>
{
};

TEST_P(RuleFieldsRefused, nameTheWrongField)
{
    const Refused &row = GetParam();
    const std::variant<MarkRule, FieldError> made = ruleFromFields(row.fields, sources().holidays);
    ASSERT_TRUE(std::holds_alternative<FieldError>(made));
    const FieldError &error = std::get<FieldError>(made);
    EXPECT_EQ(error.field, QLatin1String(row.field));
    EXPECT_TRUE(error.message.startsWith(QLatin1String(row.field) + QStringLiteral(": "))) << error.message.toStdString();
    EXPECT_TRUE(error.message.contains(QLatin1String(row.words))) << error.message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rows, RuleFieldsRefused, ::testing::ValuesIn(RefusedRows),
                         [](const ::testing::TestParamInfo<Refused> &info) { return std::string(info.param.name); });

TEST(RuleMarkingDay, isTheLastRuleWhoseMarkTheDayShows)
{
    CalendarState state = loadDefaults(QDate(2026, 12, 8));
    state.txtYear = QStringLiteral("2027");
    const QString birthday = QStringLiteral("Birthday");
    state.rules = {
        {.kind = Kind::NthWeekday, .label = QStringLiteral("Club"), .ordinal = 2, .weekday = 3}, // 2nd Tuesday
        {.kind = Kind::Dates, .label = birthday, .dates = {yearless(3, 9)}},
        {.kind = Kind::Range, .label = birthday, .from = full(2027, 3, 9), .to = full(2027, 3, 10)}, // shares a colour
    };
    refreshMarks(state, sources());

    // QDate agrees that these are the second Tuesdays of March and April 2027.
    ASSERT_EQ(QDate(2027, 3, 9).dayOfWeek(), Qt::Tuesday);
    ASSERT_EQ(QDate(2027, 4, 13).dayOfWeek(), Qt::Tuesday);
    const std::pair<QDate, std::optional<size_t>> rows[] = {
        {QDate(2027, 4, 13), 0},            // the club alone
        {QDate(2027, 3, 9), 2},             // all three; the last of the birthday category
        {QDate(2027, 3, 10), 2},            // the party alone
        {QDate(2027, 3, 2), std::nullopt},  // the first Tuesday: no mark
    };
    for (const auto &[day, expected] : rows) {
        SCOPED_TRACE(day.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(ruleMarkingDay(state, day, sources()), expected);
    }
}

} // namespace

namespace {

// Every date the Marked Days list shows can be typed back into the rule dialog as it stands:
// each day of a leap year, with and without its year.
TEST(RuleFields, TakeBackEveryDateAsTheListShowsIt)
{
    for (QDate d(2028, 1, 1); d.year() == 2028; d = d.addDays(1)) {
        const year_month_day day{year{d.year()} / month{unsigned(d.month())} / std::chrono::day{unsigned(d.day())}};
        for (const RuleDate &date : {RuleDate::full(day), RuleDate::yearless(day.month() / day.day())}) {
            MarkRule shown;
            shown.kind = RuleKind::Range;
            shown.from = date;
            shown.to = date;
            const QString words = describeRule(shown, sources().holidays);  // "8 Jan 2028 - 8 Jan 2028"
            RuleFields fields;
            fields.kind = RuleKind::Range;
            fields.from = words.section(QStringLiteral(" - "), 0, 0);
            fields.to = words.section(QStringLiteral(" - "), 1, 1);
            fields.label = QStringLiteral("x");
            const auto rule = ruleFromFields(fields, sources().holidays);
            ASSERT_TRUE(std::holds_alternative<MarkRule>(rule)) << words.toStdString();
            EXPECT_EQ(std::get<MarkRule>(rule).from, date) << words.toStdString();
        }
    }
}

} // namespace

namespace {

// What the dialog says of a series of weeks, against days counted by hand from the start
// date: the kind within its year marks only a page that shows its start, the continuing kind
// goes on into later pages.
struct Advice
{
    const char *name;
    int firstYear;
    int firstMonth;
    const char *start;
    int weeks;
    bool offer;
    const char *note;
};

const Advice AdviceRows[] = {
    {"started_last_christmas", 2027, 1, "2026-12-25", 2, true,
     "Every 2 weeks from 25 Dec 2026 would mark nothing in 2027: that kind stops at the end of its first year"},
    {"started_on_new_years_eve", 2027, 1, "2026-12-31", 1, true,
     "Every week from 31 Dec 2026 would mark nothing in 2027: that kind stops at the end of its first year"},
    {"started_this_year", 2027, 1, "2027-01-08", 2, false, ""},
    {"started_on_the_first_day", 2027, 1, "2027-01-01", 52, false, ""},
    // 2026-12-25 plus 32767 weeks is centuries away: neither kind marks a day in 2027.
    {"next_day_centuries_away", 2027, 1, "2026-12-25", 32767, false, ""},
    {"starts_after_the_page", 2027, 1, "2028-01-01", 2, false,
     "Every 2 weeks from 1 Jan 2028 starts after the months the page shows: it marks nothing in 2027"},
    // A school year August 2027 to July 2028: a series begun in it runs to its end.
    {"school_year_from_september", 2027, 8, "2027-09-03", 2, false, ""},
    {"school_year_from_march", 2027, 8, "2027-03-05", 1, true,
     "Every week from 5 Mar 2027 would mark nothing in 2027/2028: that kind stops at the end of its first year"},
    {"school_year_from_february_2028", 2027, 8, "2028-02-04", 2, false, ""},
    {"school_year_after_its_end", 2027, 8, "2028-08-01", 2, false,
     "Every 2 weeks from 1 Aug 2028 starts after the months the page shows: it marks nothing in 2027/2028"},
    {"no_year", 2027, 1, "--03-05", 2, false, ""},
    {"no_date", 2027, 1, "next Friday", 2, false, ""},
};

class SeriesAdviceRows : public ::testing::TestWithParam<Advice>
{
};

TEST_P(SeriesAdviceRows, sayWhatTheKindWithinItsYearWouldDo)
{
    const Advice &row = GetParam();
    const CalendarSpan span = CalendarSpan::of(year{row.firstYear}, row.firstMonth);
    const SeriesAdvice advice = seriesAdvice(QLatin1String(row.start), row.weeks, span, sources());
    EXPECT_EQ(advice.offerContinuing, row.offer);
    EXPECT_EQ(advice.note, QLatin1String(row.note));
    // The oracle, walking the series by QDate from its start: the continuing kind is offered
    // exactly where it marks a day the page shows and the series began before the page.
    const QDate start = QDate::fromString(QLatin1String(row.start), Qt::ISODate);
    if (!start.isValid())
        return;
    const QDate first(row.firstYear, row.firstMonth, 1);
    const QDate last = first.addMonths(12).addDays(-1);
    bool continuingMarks = false;
    for (QDate d = start; d.isValid() && d <= last; d = d.addDays(7 * row.weeks))
        continuingMarks = continuingMarks || d >= first;
    EXPECT_EQ(advice.offerContinuing, continuingMarks && start < first);
}

INSTANTIATE_TEST_SUITE_P(Rows, SeriesAdviceRows, ::testing::ValuesIn(AdviceRows),
                         [](const ::testing::TestParamInfo<Advice> &info) { return std::string(info.param.name); });

} // namespace
