#include "platform/numbers.h"
#include "platform/usererror.h"

#include <gtest/gtest.h>

#include <optional>

#include <cmath>
#include <limits>

namespace {

struct RoundRow
{
    double in;
    qint16 out;
};

class ToInt16Rounding : public ::testing::TestWithParam<RoundRow>
{
};

TEST_P(ToInt16Rounding, HalfGoesToEven)
{
    EXPECT_EQ(toInt16(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Rows, ToInt16Rounding,
                         ::testing::Values(RoundRow{2.5, 2}, RoundRow{3.5, 4}, RoundRow{-2.5, -2}, RoundRow{-3.5, -4},
                                           RoundRow{0.5, 0}, RoundRow{1.5, 2}, RoundRow{2.4999, 2}, RoundRow{2.5001, 3},
                                           RoundRow{-0.4, 0}, RoundRow{32767.0, 32767}, RoundRow{32767.4, 32767},
                                           RoundRow{-32768.0, -32768}, RoundRow{-32768.5, -32768}));

TEST(ToInt16, OverflowIsAUserError)
{
    for (double v : {32768.0, 32767.5, -32769.0, -32768.6, 1e10, -1e300, std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(v);
        try {
            toInt16(v);
            FAIL() << "no error for " << v;
        } catch (const UserError &e) {
            EXPECT_EQ(e.reason(), "Overflow");
        }
    }
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart)
{
    struct Row
    {
        const char *text;
        double value;
    } rows[] = {
        {"2004abc", 2004},  {"   42", 42},       {"\t7", 7},       {"-12", -12},       {"+3", 3},
        {"1.5", 1.5},       {".5", 0.5},        {"5.", 5},         {"1e3", 1000},      {"1E3x", 1000},
        {"2e", 2},          {"2e+", 2},         {"-1.5e2x", -150}, {"3 4", 3},         {"0042", 42},
        {"1,5", 1},         {"12/01/2004", 12}, {"2.5e-1", 0.25},  {"1e-400", 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        const std::optional<double> number = leadingNumber(QString::fromLatin1(row.text));
        ASSERT_TRUE(number.has_value());
        EXPECT_DOUBLE_EQ(*number, row.value);
    }
}

TEST(LeadingNumber, TextWithoutANumberAtTheStartHasNone)
{
    for (const char *text : {"abc", "", "- 3", "--3", "+.", ".", "e5", " x1"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(leadingNumber(QString::fromLatin1(text)).has_value());
    }
}

TEST(LeadingNumber, HugeExponentOverflowsWhenConverted)
{
    const double v = leadingNumber(u"9e999").value();
    EXPECT_TRUE(std::isinf(v));
    EXPECT_THROW(toInt16(v), UserError);
}

} // namespace
