#include "decimora/UnitConversion.h"

#include "decimal/DecimalTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(ConversionFactor, EachIsTheDoubleNearestToItsQuotient)
{
    // Exact quotients in long double, then rounded once to double.
    const long double metricToStandard[] = {0.8661516L, 1.43586L, 2.3931L, 0.997125L, 9.97125L / 7, 99.7125L / 364};
    for (int unit = 0; unit < kConversionUnitCount; ++unit) {
        EXPECT_EQ(ConversionFactor(unit, MetricToStandard), static_cast<double>(metricToStandard[unit])) << unit;
        EXPECT_EQ(ConversionFactor(unit, StandardToMetric), static_cast<double>(1 / metricToStandard[unit])) << unit;
    }
    EXPECT_EQ(ConversionFactor(Seconds, StandardToMetric), kDecimalSecondsPerSecond);
    // Stored, not derived: 1 / 0.8661516 in double arithmetic is one unit lower.
    EXPECT_NE(ConversionFactor(Seconds, StandardToMetric), 1 / 0.8661516);
}

TEST(ConversionFactor, OutsideTheTableIsZero)
{
    EXPECT_EQ(ConversionFactor(-1, MetricToStandard), 0.0);
    EXPECT_EQ(ConversionFactor(kConversionUnitCount, MetricToStandard), 0.0);
    EXPECT_EQ(ConversionFactor(Seconds, 2), 0.0);
}

TEST(ParseInputValue, ReadsTheNumberAtTheStart)
{
    EXPECT_EQ(ParseInputValue("1.0"), 1.0);
    EXPECT_EQ(ParseInputValue("2.5e3"), 2500.0);
    EXPECT_EQ(ParseInputValue("2.5E-1"), 0.25);
    EXPECT_EQ(ParseInputValue("  \t+60"), 60.0);
    EXPECT_EQ(ParseInputValue("12abc"), 12.0);
    EXPECT_EQ(ParseInputValue(".5"), 0.5);
    EXPECT_EQ(ParseInputValue("5."), 5.0);
    EXPECT_EQ(ParseInputValue("-3"), -3.0);
    // An exponent without digits is not part of the number.
    EXPECT_EQ(ParseInputValue("7e"), 7.0);
    EXPECT_EQ(ParseInputValue("7e+x"), 7.0);
    // "0.1" must round correctly, not drift by a unit.
    EXPECT_EQ(ParseInputValue("0.1"), 0.1);
    EXPECT_EQ(ParseInputValue("123456789012345678901234567890"), 123456789012345678901234567890.0);
}

TEST(ParseInputValue, CommaEndsTheNumberWhateverTheLocale)
{
    EXPECT_EQ(ParseInputValue("1,5"), 1.0);
    EXPECT_EQ(ParseInputValue("1,000"), 1.0);
}

TEST(ParseInputValue, NoNumberIsZero)
{
    EXPECT_EQ(ParseInputValue(""), 0.0);
    EXPECT_EQ(ParseInputValue("   "), 0.0);
    EXPECT_EQ(ParseInputValue("abc"), 0.0);
    EXPECT_EQ(ParseInputValue("."), 0.0);
    EXPECT_EQ(ParseInputValue("-"), 0.0);
    EXPECT_EQ(ParseInputValue("e5"), 0.0);
    // Forms strtod would take but the input field's rules do not.
    EXPECT_EQ(ParseInputValue("inf"), 0.0);
    EXPECT_EQ(ParseInputValue("nan"), 0.0);
    EXPECT_EQ(ParseInputValue("0x10"), 0.0);
}

TEST(ParseInputValue, OverflowIsInfinite)
{
    EXPECT_EQ(ParseInputValue("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseInputValue("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseInputValue("1e-400"), 0.0);
}

TEST(IsAcceptedInput, RefusesNegativeAndNotANumber)
{
    EXPECT_TRUE(IsAcceptedInput(0.0));
    EXPECT_TRUE(IsAcceptedInput(1e300));
    EXPECT_FALSE(IsAcceptedInput(-3.0));
    EXPECT_FALSE(IsAcceptedInput(-std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(IsAcceptedInput(std::nan("")));
}

// The C runtimes differ exactly here: exact ties, many digits, huge values.
TEST(FormatResult, PrintsSixDecimalsExactlyAsEveryPlatformDoes)
{
    EXPECT_EQ(FormatResult(0.0), "0.000000");
    EXPECT_EQ(FormatResult(0.8661516), "0.866152");
    EXPECT_EQ(FormatResult(86.1516), "86.151600");
    // 1/128 and 5/128 end in an exact tie at the seventh decimal: to even.
    EXPECT_EQ(FormatResult(1.0 / 128), "0.007812");
    EXPECT_EQ(FormatResult(3.0 / 128), "0.023438");
    EXPECT_EQ(FormatResult(5.0 / 128), "0.039062");
    // Near ties go by the stored binary value: 0.0000005 is a little below, 2.0000005 a little above.
    EXPECT_EQ(FormatResult(0.0000005), "0.000000");
    EXPECT_EQ(FormatResult(2.0000005), "2.000001");
    // Every digit of the binary value, not 17 and then zeros.
    EXPECT_EQ(FormatResult(1e23), "99999999999999991611392.000000");
    EXPECT_EQ(FormatResult(std::ldexp(1.0, 70)), "1180591620717411303424.000000");
}

TEST(FormatResult, StaysWithinTheFieldForHugeResults)
{
    // 121 digits make the longest "%f" text that fits, 128 characters; the
    // double nearest 10^121 is just above it and needs 129.
    const std::string longest = FormatResult(9.99e120);
    EXPECT_EQ(longest.size(), 128u);
    EXPECT_EQ(longest.substr(0, 4), "9990");
    EXPECT_EQ(longest.substr(120), "2.000000");
    EXPECT_EQ(FormatResult(1e121), "1.000000e+121");
    EXPECT_EQ(FormatResult(1e300), "1.000000e+300");
    EXPECT_EQ(FormatResult(std::numeric_limits<double>::max()), "1.797693e+308");
    EXPECT_EQ(FormatResult(std::numeric_limits<double>::infinity()), "inf");
}

struct Conversion {
    double input;
    ConversionUnit unit;
    ConversionDirection direction;
    const char* result;
};

TEST(ConversionResultText, ConvertsEveryUnitBothWays)
{
    const Conversion conversions[] = {
        {1.0, Seconds, MetricToStandard, "0.866152"},   {1.0, Seconds, StandardToMetric, "1.154532"},
        {1.0, Minutes, MetricToStandard, "1.435860"},   {1.0, Minutes, StandardToMetric, "0.696447"},
        {1.0, Hours, MetricToStandard, "2.393100"},     {1.0, Hours, StandardToMetric, "0.417868"},
        {1.0, Days, MetricToStandard, "0.997125"},      {1.0, Days, StandardToMetric, "1.002883"},
        {1.0, Weeks, MetricToStandard, "1.424464"},     {1.0, Weeks, StandardToMetric, "0.702018"},
        {1.0, Years, MetricToStandard, "0.273935"},     {1.0, Years, StandardToMetric, "3.650495"},
        {60.0, Minutes, MetricToStandard, "86.151600"}, {60.0, Hours, MetricToStandard, "143.586000"},
        {100.0, Days, StandardToMetric, "100.288329"},  {32767.0, Years, StandardToMetric, "119615.775354"},
        {0.0, Weeks, StandardToMetric, "0.000000"},     {1e300, Years, StandardToMetric, "3.650495e+300"},
    };
    for (const Conversion& c : conversions) {
        EXPECT_EQ(ConversionResultText(c.input, c.unit, c.direction), c.result)
            << c.input << " unit " << c.unit << " direction " << c.direction;
    }
}

} // namespace
