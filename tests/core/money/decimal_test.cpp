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
