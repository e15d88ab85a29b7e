#include "money/decimal.h"

#include <gtest/gtest.h>

using tallyra::Decimal;
using tallyra::Rounding;

namespace {

Decimal dec(const char* text)
{
    return *Decimal::parse(QString::fromUtf8(text));
}

struct RoundCase
{
    const char* value;
    int digits;
    const char* halfEven;
    const char* halfAway;
};

class DecimalRounding : public ::testing::TestWithParam<RoundCase>
{
};

TEST_P(DecimalRounding, roundsWithBothRules)
{
    const RoundCase& c = GetParam();
    EXPECT_EQ(dec(c.value).rounded(c.digits, Rounding::halfEven).toString(),
              QString::fromUtf8(c.halfEven));
    EXPECT_EQ(dec(c.value).rounded(c.digits, Rounding::halfAwayFromZero).toString(),
              QString::fromUtf8(c.halfAway));
}

INSTANTIATE_TEST_SUITE_P(
    Ties, DecimalRounding,
    ::testing::Values(RoundCase{"2.5", 0, "2", "3"}, RoundCase{"3.5", 0, "4", "4"},
                      RoundCase{"-2.5", 0, "-2", "-3"}, RoundCase{"-3.5", 0, "-4", "-4"},
                      RoundCase{"12.345", 2, "12.34", "12.35"},
                      RoundCase{"0.125", 2, "0.12", "0.13"}, RoundCase{"2.51", 0, "3", "3"},
                      RoundCase{"-0.4", 0, "0", "0"},
                      RoundCase{"1.00000000005", 10, "1", "1.0000000001"}));

TEST(Decimal, parseAcceptsOnlyWholePosixNumbers)
{
    for (const char* good :
         {"0", "12", "-12.50", "+3", ".5", "5.", "1e3", "1.5E-2", "-.5", "1e+0004"})
        EXPECT_TRUE(Decimal::parse(QString::fromUtf8(good)).has_value()) << good;
    for (const char* bad : {"", ".", "-", "1,5", "1.2.3", "12a", " 1", "nan", "inf", "1e", "+",
                            "e5", "1e12345", "1e+", ".e1", "1.5.", "1 ", "\xD9\xA1"})
        EXPECT_FALSE(Decimal::parse(QString::fromUtf8(bad)).has_value()) << bad;
}

TEST(Decimal, parseTakesVeryLongNumbers)
{
    const auto value = Decimal::parse(QString(200'000, u'7'));
    ASSERT_TRUE(value.has_value());
    EXPECT_GT(*value, Decimal::pow10(199'998));
}

TEST(Decimal, keepsThirtyEightSignificantDigitsExactly)
{
    const Decimal big = dec("12345678901234567890123456789012345678");
    EXPECT_EQ((big + Decimal(1)).toString(),
              QStringLiteral("12345678901234567890123456789012345679"));
    EXPECT_EQ((dec("0.1") + dec("0.2")).toString(), QStringLiteral("0.3"));
}

struct QuotientCase
{
    const char* dividend;
    const char* divisor;
    const char* quotient;
    const char* centsHalfEven; // the quotient as money would round it
};

class DecimalDivision : public ::testing::TestWithParam<QuotientCase>
{
};

TEST_P(DecimalDivision, isExactAndRoundsExactHalvesToEven)
{
    const QuotientCase& c = GetParam();
    const Decimal q = dec(c.dividend) / dec(c.divisor);
    EXPECT_EQ(q.toString(), QString::fromUtf8(c.quotient));
    EXPECT_EQ(q.rounded(2, Rounding::halfEven).toString(), QString::fromUtf8(c.centsHalfEven));
}

INSTANTIATE_TEST_SUITE_P(
    Quotients, DecimalDivision,
    ::testing::Values(
        QuotientCase{"0.375", "3", "0.125", "0.12"}, QuotientCase{"0.105", "7", "0.015", "0.02"},
        QuotientCase{"0.135", "9", "0.015", "0.02"}, QuotientCase{"-0.375", "3", "-0.125", "-0.12"},
        QuotientCase{"0.375", "-3", "-0.125", "-0.12"}, QuotientCase{"10", "4", "2.5", "2.5"},
        QuotientCase{"1", "8", "0.125", "0.12"}, QuotientCase{"0.0450", "0.3", "0.15", "0.15"},
        QuotientCase{"1e-30", "1e30",
                     "0.000000000000000000000000000000000000000000000000000000000001", "0"},
        // Fifty significant digits, the last rounded to nearest.
        QuotientCase{"2", "3", "0.66666666666666666666666666666666666666666666666667", "0.67"},
        QuotientCase{"-1", "3", "-0.33333333333333333333333333333333333333333333333333", "-0.33"},
        QuotientCase{"123456789012345678901234567890", "1", "123456789012345678901234567890",
                     "123456789012345678901234567890"}));

TEST(Decimal, quotientTimesDivisorGivesBackExactDividends)
{
    for (const char* dividend : {"0.01", "7", "123.45", "999999999999.99", "0.000001"})
        for (int divisor : {2, 4, 5, 8, 16, 25, 40, 125})
            EXPECT_EQ(dec(dividend) / Decimal(divisor) * Decimal(divisor), dec(dividend))
                << dividend << " / " << divisor;
}

TEST(Decimal, textShowsEveryDigit)
{
    const struct
    {
        const char* value;
        const char* text;
    } cases[] = {
        {"1e-81",
         "0.000000000000000000000000000000000000000000000000000000000000000000000000000000001"},
        {"-1.5e-90", "-0."
                     "00000000000000000000000000000000000000000000000000000000000000000000000000000"
                     "00000000000015"},
        {"12.500", "12.5"},
        {"-0.0", "0"},
        {"1e5", "100000"},
        {"120", "120"},
        {"-7.25", "-7.25"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(dec(c.value).toString(), QString::fromUtf8(c.text)) << c.value;
}

TEST(Decimal, minorUnitsConvertExactly)
{
    EXPECT_EQ(Decimal::fromMinor(13, 2), dec("0.13"));
    EXPECT_EQ(Decimal::fromMinor(-999999999999999, 2), dec("-9999999999999.99"));
    EXPECT_EQ(Decimal::fromMinor(1, 3).rounded(2, Rounding::halfEven), Decimal(0));
}

TEST(Decimal, divisionByZeroIsNaN)
{
    const Decimal q = Decimal(1) / Decimal(0);
    EXPECT_TRUE(q.isNaN());
    EXPECT_FALSE(q == q);
    EXPECT_EQ(q.toInt64Clamped(Rounding::halfEven, 100), 0);
}

TEST(Decimal, integerConversionRefusesFractionsAndOverflow)
{
    EXPECT_EQ(dec("-42").toInt64(), -42);
    EXPECT_FALSE(dec("1.5").toInt64().has_value());
    EXPECT_FALSE(dec("1e19").toInt64().has_value());
    EXPECT_EQ(dec("1e20").toInt64Clamped(Rounding::halfEven, 999), 999);
    EXPECT_EQ(dec("-1e20").toInt64Clamped(Rounding::halfEven, 999), -999);
}

TEST(Decimal, fixedTextPadsAndRounds)
{
    EXPECT_EQ(dec("12.5").toFixed(2), QStringLiteral("12.50"));
    EXPECT_EQ(dec("-0.001").toFixed(2), QStringLiteral("0.00"));
    EXPECT_EQ(dec("2.345").toFixed(2), QStringLiteral("2.35"));
    EXPECT_EQ(dec("7").toFixed(0), QStringLiteral("7"));
    EXPECT_EQ(Decimal::fromMinor(-1234, 3).toString(), QStringLiteral("-1.234"));
}

} // namespace
