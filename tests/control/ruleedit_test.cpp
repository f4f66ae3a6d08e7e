#include "control/ruleedit.h"
#include "layout/markrules.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

RuleFields fieldsOf(RuleKind kind)
{
    RuleFields fields;
    fields.kind = kind;
    fields.label = QStringLiteral("Days");
    return fields;
}

MarkRule ruleOf(RuleKind kind, const QString &label)
{
    MarkRule rule;
    rule.kind = kind;
    rule.label = label;
    return rule;
}

const QString ExistingFile = QStringLiteral(LUNARIA_SOURCE_DIR "/examples/club.txt");

// Fields the dialog accepts, and the rule they are, written out by hand.
struct Accepted
{
    const char *name;
    RuleFields fields;
    MarkRule rule;
};

std::vector<Accepted> acceptedRows()
{
    std::vector<Accepted> rows;
    auto add = [&rows](const char *name, RuleFields fields, MarkRule rule) { rows.push_back({name, fields, rule}); };
    {
        RuleFields f = fieldsOf(RuleKind::NthWeekday);
        f.ordinal = 2;
        f.weekday = 3;
        f.label = QStringLiteral("  Club meeting ");
        MarkRule r = ruleOf(RuleKind::NthWeekday, QStringLiteral("Club meeting"));
        r.ordinal = 2;
        r.weekday = 3;
        add("second_tuesday_label_trimmed", f, r);
    }
    {
        RuleFields f = fieldsOf(RuleKind::LastWeekday);
        f.weekday = 6;
        f.ordinal = 9; // not a field of this kind
        MarkRule r = ruleOf(RuleKind::LastWeekday, QStringLiteral("Days"));
        r.weekday = 6;
        add("last_friday_ignores_the_ordinal", f, r);
    }
    {
        RuleFields f = fieldsOf(RuleKind::EveryNWeeks);
        f.startDate = QStringLiteral("2027-01-08");
        f.weeks = 2;
        MarkRule r = ruleOf(RuleKind::EveryNWeeks, QStringLiteral("Days"));
        r.from = RuleDate::full(year{2027} / January / 8);
        r.weeks = 2;
        add("every_two_weeks_iso_start", f, r);
        f.startDate = QStringLiteral("1/8/2027"); // the tests run in en_US: month first
        add("every_two_weeks_us_start", f, r);
        f.weeks = 32767;
        r.weeks = 32767;
        add("weeks_at_their_limit", f, r);
    }
    {
        RuleFields f = fieldsOf(RuleKind::Dates);
        f.dates = QStringLiteral("2027-03-05, --07-14,12/24");
        MarkRule r = ruleOf(RuleKind::Dates, QStringLiteral("Days"));
        r.dates = {RuleDate::full(year{2027} / March / 5), RuleDate::yearless(July / 14), RuleDate::yearless(December / 24)};
        add("dates_full_and_yearless", f, r);
        f.dates = QStringLiteral("2/29, ");
        r.dates = {RuleDate::yearless(February / 29)};
        add("dates_leap_day_and_a_comma_at_the_end", f, r);
    }
    {
        RuleFields f = fieldsOf(RuleKind::Range);
        f.from = QStringLiteral("2027-07-12");
        f.to = QStringLiteral("7/23/2027");
        MarkRule r = ruleOf(RuleKind::Range, QStringLiteral("Days"));
        r.from = RuleDate::full(year{2027} / July / 12);
        r.to = RuleDate::full(year{2027} / July / 23);
        add("range_over_summer", f, r);
        f.to = f.from;
        r.to = r.from;
        add("range_of_one_day", f, r);
        f.from = QStringLiteral("--02-20");
        f.to = QStringLiteral("--02-29");
        r.from = RuleDate::yearless(February / 20);
        r.to = RuleDate::yearless(February / 29);
        add("range_without_years_to_the_leap_day", f, r);
    }
    {
        RuleFields f = fieldsOf(RuleKind::Holidays);
        f.label.clear();
        f.region = QStringLiteral("Bavaria (DE-BY)");
        MarkRule r = ruleOf(RuleKind::Holidays, QString());
        r.source = QStringLiteral("DE-BY");
        add("holidays_as_the_list_shows_them_no_label", f, r);
        f.region = QStringLiteral(" de-by ");
        add("holidays_by_code_any_case", f, r);
        f.region = QStringLiteral("bavaria");
        add("holidays_by_name", f, r);
    }
    {
        RuleFields f = fieldsOf(RuleKind::ICalendar);
        f.label.clear();
        f.file = ExistingFile;
        MarkRule r = ruleOf(RuleKind::ICalendar, QString());
        r.source = QDir::cleanPath(ExistingFile);
        add("icalendar_file_no_label", f, r);
    }
    return rows;
}

class RuleFieldsAccepted : public ::testing::TestWithParam<Accepted>
{
};

TEST_P(RuleFieldsAccepted, makeTheRule)
{
    const Accepted &row = GetParam();
    const std::variant<MarkRule, FieldError> made = ruleFromFields(row.fields);
    ASSERT_TRUE(std::holds_alternative<MarkRule>(made)) << std::get<FieldError>(made).message.toStdString();
    EXPECT_EQ(std::get<MarkRule>(made), row.rule);
    // The dialog shows a rule in fields that give it back.
    const std::variant<MarkRule, FieldError> again = ruleFromFields(fieldsOfRule(row.rule));
    ASSERT_TRUE(std::holds_alternative<MarkRule>(again));
    EXPECT_EQ(std::get<MarkRule>(again), row.rule);
}

INSTANTIATE_TEST_SUITE_P(Rows, RuleFieldsAccepted, ::testing::ValuesIn(acceptedRows()),
                         [](const ::testing::TestParamInfo<Accepted> &info) { return std::string(info.param.name); });

// Fields the dialog refuses: the field it names and words its message must hold.
struct Refused
{
    const char *name;
    RuleFields fields;
    const char *field;
    const char *words;
};

std::vector<Refused> refusedRows()
{
    std::vector<Refused> rows;
    auto add = [&rows](const char *name, RuleFields fields, const char *field, const char *words) {
        rows.push_back({name, fields, field, words});
    };
    RuleFields f = fieldsOf(RuleKind::NthWeekday);
    f.ordinal = 5;
    add("fifth_weekday", f, "Ordinal", "1st to 4th");
    f = fieldsOf(RuleKind::LastWeekday);
    f.weekday = 0;
    add("weekday_zero", f, "Weekday", "Sunday to Saturday");
    f.weekday = 8;
    add("weekday_eight", f, "Weekday", "Sunday to Saturday");

    f = fieldsOf(RuleKind::EveryNWeeks);
    add("start_missing", f, "Start date", "the date is missing");
    f.startDate = QStringLiteral("2/30/2027");
    add("start_30_february", f, "Start date", "\"2/30/2027\" is not a date");
    f.startDate = QStringLiteral("2027-13-01");
    add("start_month_13", f, "Start date", "\"2027-13-01\" is not a date");
    f.startDate = QStringLiteral("--03-05");
    add("start_without_a_year", f, "Start date", "give the year too");
    f.startDate = QStringLiteral("2027-03-05");
    f.weeks = 0;
    add("no_weeks", f, "Weeks", "1 to 32767");
    f.weeks = 32768;
    add("weeks_beyond_16_bits", f, "Weeks", "1 to 32767");
    f.startDate = QStringLiteral("next Friday");
    add("the_first_wrong_field_is_named", f, "Start date", "\"next Friday\"");

    f = fieldsOf(RuleKind::Dates);
    add("dates_missing", f, "Dates", "at least one date");
    f.dates = QStringLiteral(" , ,");
    add("dates_only_commas", f, "Dates", "at least one date");
    f.dates = QStringLiteral("2027-03-05, 4/31");
    add("dates_31_april", f, "Dates", "\"4/31\" is not a date");
    f.dates = QStringLiteral("2027-03-05 2027-03-06");
    add("dates_without_a_comma", f, "Dates", "is not a date");

    f = fieldsOf(RuleKind::Range);
    f.to = QStringLiteral("2027-07-23");
    add("range_from_missing", f, "From", "the date is missing");
    f.from = QStringLiteral("2027-07-24");
    add("range_ends_before_it_starts", f, "To", "before the first");
    f.from = QStringLiteral("--07-12");
    add("range_with_one_year", f, "To", "both dates a year, or neither");
    f.from = QStringLiteral("--03-01");
    f.to = QStringLiteral("--02-29");
    add("range_without_years_backwards", f, "To", "before the first");
    f.to = QStringLiteral("2027-02-29");
    add("range_to_no_leap_day", f, "To", "is not a date");

    f = fieldsOf(RuleKind::Holidays);
    add("region_missing", f, "Region", "choose a region");
    f.region = QStringLiteral("Atlantis (AT-LA)");
    add("region_unknown", f, "Region", "no holiday list for \"Atlantis (AT-LA)\"");

    f = fieldsOf(RuleKind::ICalendar);
    add("file_missing", f, "File", "choose the iCalendar file");
    f.file = QStringLiteral(LUNARIA_SOURCE_DIR "/no-such-calendar.ics");
    add("file_does_not_exist", f, "File", "is not a file");
    f.file = QStringLiteral(LUNARIA_SOURCE_DIR "/examples");
    add("file_is_a_folder", f, "File", "is not a file");

    f = fieldsOf(RuleKind::Dates);
    f.dates = QStringLiteral("2027-03-05");
    f.label = QStringLiteral("   ");
    add("label_blank", f, "Label", "name for the legend");
    f.label = QStringLiteral("Two\nlines");
    add("label_of_two_lines", f, "Label", "one line");
    return rows;
}

class RuleFieldsRefused : public ::testing::TestWithParam<Refused>
{
};

TEST_P(RuleFieldsRefused, nameTheWrongField)
{
    const Refused &row = GetParam();
    const std::variant<MarkRule, FieldError> made = ruleFromFields(row.fields);
    ASSERT_TRUE(std::holds_alternative<FieldError>(made));
    const FieldError &error = std::get<FieldError>(made);
    EXPECT_EQ(error.field, QLatin1String(row.field));
    EXPECT_TRUE(error.message.startsWith(QLatin1String(row.field) + QStringLiteral(": "))) << error.message.toStdString();
    EXPECT_TRUE(error.message.contains(QLatin1String(row.words))) << error.message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Rows, RuleFieldsRefused, ::testing::ValuesIn(refusedRows()),
                         [](const ::testing::TestParamInfo<Refused> &info) { return std::string(info.param.name); });

TEST(RuleMarkingDay, isTheLastRuleWhoseMarkTheDayShows)
{
    CalendarState state = loadDefaults(QDate(2026, 12, 8));
    state.txtYear = QStringLiteral("2027");
    MarkRule club = ruleOf(RuleKind::NthWeekday, QStringLiteral("Club"));
    club.ordinal = 2;
    club.weekday = 3; // Tuesday
    MarkRule birthday = ruleOf(RuleKind::Dates, QStringLiteral("Birthday"));
    birthday.dates = {RuleDate::yearless(March / 9)};
    MarkRule party = ruleOf(RuleKind::Range, QStringLiteral("Birthday")); // shares the birthday's category
    party.from = RuleDate::full(year{2027} / March / 9);
    party.to = RuleDate::full(year{2027} / March / 10);
    state.rules = {club, birthday, party};
    refreshMarks(state);

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
        EXPECT_EQ(ruleMarkingDay(state, day), expected);
    }
}

} // namespace
