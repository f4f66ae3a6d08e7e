#include "platform/localedates.h"

#include <gtest/gtest.h>

namespace {

struct DateRow
{
    const char *name;
    const char *locale;
    const char *text;
    int year;   // 0: the text is not a date
    int month;
    int day;
};

class ParseLocaleDate : public ::testing::TestWithParam<DateRow>
{
};

TEST_P(ParseLocaleDate, readsTheLocalesOrder)
{
    const DateRow &row = GetParam();
    const std::optional<QDate> date = parseLocaleDate(QString::fromUtf8(row.text), QLocale(QString::fromLatin1(row.locale)));
    if (row.year == 0) {
        EXPECT_FALSE(date.has_value()) << date->toString(Qt::ISODate).toStdString();
    } else {
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(*date, QDate(row.year, row.month, row.day));
    }
}

const DateRow Rows[] = {
    // Month first: the case Qt's own parser gets wrong ("M/d/yy" refuses four-digit years).
    {"us_four_digit_year", "en_US", "1/9/2004", 2004, 1, 9},
    {"us_two_digit_year", "en_US", "1/9/04", 2004, 1, 9},
    {"us_padded", "en_US", "01/09/2004", 2004, 1, 9},
    {"us_blanks_around", "en_US", "  12/31/2004 ", 2004, 12, 31},
    {"us_dot_separator", "en_US", "1.9.2004", 2004, 1, 9},
    {"us_dash_separator", "en_US", "1-9-2004", 2004, 1, 9},
    {"pivot_29_is_2029", "en_US", "1/9/29", 2029, 1, 9},
    {"pivot_30_is_1930", "en_US", "1/9/30", 1930, 1, 9},
    {"pivot_99_is_1999", "en_US", "12/31/99", 1999, 12, 31},
    {"pivot_00_is_2000", "en_US", "2/29/00", 2000, 2, 29},
    {"leap_2004_02_29", "en_US", "2/29/2004", 2004, 2, 29},
    {"not_leap_2003_02_29", "en_US", "2/29/2003", 0, 0, 0},
    {"not_leap_1900_02_29", "en_US", "2/29/1900", 0, 0, 0},
    {"us_day_as_month", "en_US", "13/1/2004", 0, 0, 0},
    {"april_31", "en_US", "4/31/2004", 0, 0, 0},
    {"three_digit_year", "en_US", "1/9/204", 0, 0, 0},
    {"three_digit_day", "en_US", "1/009/2004", 0, 0, 0},
    {"two_fields", "en_US", "1/9", 0, 0, 0},
    {"four_fields", "en_US", "1/9/2004/1", 0, 0, 0},
    {"mixed_separators", "en_US", "1/9-2004", 0, 0, 0},
    {"empty_field", "en_US", "1//2004", 0, 0, 0},
    {"letters", "en_US", "Jan/9/2004", 0, 0, 0},
    {"sign", "en_US", "+1/9/2004", 0, 0, 0},
    {"empty", "en_US", "", 0, 0, 0},
    {"no_separator", "en_US", "192004", 0, 0, 0},
    {"month_zero", "en_US", "0/9/2004", 0, 0, 0},
    {"year_zero", "en_US", "1/9/0000", 0, 0, 0},
    // Day first.
    {"gb_day_first", "en_GB", "1/9/2004", 2004, 9, 1},
    {"gb_two_digit_year", "en_GB", "31/12/04", 2004, 12, 31},
    {"de_dots", "de_DE", "1.9.04", 2004, 9, 1},
    {"de_trailing_dot", "de_DE", "1.9.2004.", 2004, 9, 1},
    {"nl_dashes", "nl_NL", "01-09-2004", 2004, 9, 1},
    {"c_locale_day_first", "C", "1/9/2004", 2004, 9, 1},
    // Year first.
    {"sv_iso", "sv_SE", "2004-09-01", 2004, 9, 1},
    {"sv_two_digit_year", "sv_SE", "04-9-1", 2004, 9, 1},
    {"ja_slashes", "ja_JP", "2004/9/1", 2004, 9, 1},
    // ISO everywhere.
    {"iso_in_us", "en_US", "2004-09-01", 2004, 9, 1},
    {"iso_in_de", "de_DE", "2004-09-01", 2004, 9, 1},
    {"iso_invalid", "en_US", "2004-02-30", 0, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Rows, ParseLocaleDate, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<DateRow> &info) { return std::string(info.param.name); });

TEST(ExpandTwoDigitYear, windowIs1930To2029)
{
    EXPECT_EQ(expandTwoDigitYear(0), 2000);
    EXPECT_EQ(expandTwoDigitYear(29), 2029);
    EXPECT_EQ(expandTwoDigitYear(30), 1930);
    EXPECT_EQ(expandTwoDigitYear(99), 1999);
    EXPECT_EQ(expandTwoDigitYear(2004), 2004);
}

TEST(ParseLocaleDate, defaultLocaleIsTheUsersOne)
{
    // The tests run under en_US (tests/support/testmain.cpp).
    EXPECT_EQ(parseLocaleDate(QStringLiteral("1/9/2004")), QDate(2004, 1, 9));
}

// Month and narrow weekday names as CLDR publishes them (stand-alone, first letter of a
// month raised for a heading). Russian and Polish inflect: a date's genitive ("января",
// "stycznia") must not head a month.
TEST(PageNames, AreTheStandAloneNamesOfTheLanguage)
{
    struct Row
    {
        const char *language;
        int month;
        const char *name;
        const char *sunday;
        const char *monday;
    };
    for (const Row row : {Row{"de_DE", 3, "März", "S", "M"}, Row{"ru_RU", 1, "Январь", "В", "П"}, Row{"ru", 5, "Май", "В", "П"},
                          Row{"pl_PL", 1, "Styczeń", "N", "P"}, Row{"fr_FR", 8, "Août", "D", "L"},
                          Row{"he_IL", 1, "ינואר", "א׳", "ב׳"}, Row{"ar_EG", 1, "يناير", "ح", "ن"}}) {
        SCOPED_TRACE(row.language);
        const QString language = QString::fromLatin1(row.language);
        EXPECT_EQ(monthName(row.month, language), QString::fromUtf8(row.name));
        const std::array<QString, 7> heads = weekdayInitials(language);
        EXPECT_EQ(heads[0], QString::fromUtf8(row.sunday));
        EXPECT_EQ(heads[1], QString::fromUtf8(row.monday));
    }
}

// Without a language the page stays as it was: month names in the desktop's language,
// column heads the letters it always had.
TEST(PageNames, WithoutALanguageFollowTheDesktopAsBefore)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString march = monthName(3);
    const std::array<QString, 7> heads = weekdayInitials(QString());
    QLocale::setDefault(saved);
    EXPECT_EQ(march, QString::fromUtf8("März"));
    EXPECT_EQ(QStringList(heads.begin(), heads.end()).join(QString()), QStringLiteral("SMTWTFS"));
}

} // namespace
