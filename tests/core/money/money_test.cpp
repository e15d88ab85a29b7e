#include "money/money.h"

#include <limits>

#include <gtest/gtest.h>

#include "money/currency.h"

using namespace tallyra;

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

Money usd(std::int64_t minor)
{
    return Money{minor, QStringLiteral("USD")};
}

TEST(Money, arithmeticSaturatesAtBothBounds)
{
    EXPECT_EQ((usd(kMax) + usd(1)).minor, kMax);
    EXPECT_EQ((usd(kMin) - usd(1)).minor, kMin);
    EXPECT_EQ((usd(kMin) + usd(-1)).minor, kMin);
    EXPECT_EQ((usd(kMax) - usd(-1)).minor, kMax);
    EXPECT_EQ((-usd(kMin)).minor, kMax);
    EXPECT_EQ(usd(kMin).magnitude().minor, kMax);
    EXPECT_EQ(usd(-5).magnitude().minor, 5);
}

TEST(Money, sumKeepsTheLeftCurrency)
{
    const Money sum = usd(100) + Money{50, QStringLiteral("EUR")};
    EXPECT_EQ(sum, usd(150));
}

TEST(Money, orderingIgnoresTheCurrency)
{
    EXPECT_LT(usd(1000), (Money{2000, QStringLiteral("EUR")}));
    EXPECT_NE(usd(10), (Money{10, QStringLiteral("EUR")}));
}

struct FromDecimalCase
{
    const char* value;
    const char* currency;
    std::int64_t minor;
};

class MoneyFromDecimal : public ::testing::TestWithParam<FromDecimalCase>
{
};

TEST_P(MoneyFromDecimal, roundsHalfToEvenAndClamps)
{
    const auto& c = GetParam();
    const Money m = Money::fromDecimal(*Decimal::parse(QString::fromUtf8(c.value)),
                                       QString::fromUtf8(c.currency));
    EXPECT_EQ(m.minor, c.minor) << c.value << ' ' << c.currency;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MoneyFromDecimal,
    ::testing::Values(FromDecimalCase{"0.125", "USD", 12}, FromDecimalCase{"0.135", "USD", 14},
                      FromDecimalCase{"-0.125", "USD", -12},
                      FromDecimalCase{"1e20", "USD", kMoneyLimitMinor},
                      FromDecimalCase{"-1e20", "USD", -kMoneyLimitMinor},
                      FromDecimalCase{"0.5", "JPY", 0}, FromDecimalCase{"1.5", "JPY", 2},
                      FromDecimalCase{"1.2345", "BHD", 1234},
                      FromDecimalCase{"9999999999999.99", "USD", kMoneyLimitMinor}));

TEST(Money, decimalIsTheExactInverse)
{
    for (std::int64_t minor : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{12345},
                               kMoneyLimitMinor, -kMoneyLimitMinor}) {
        for (const char* code : {"USD", "JPY", "KWD"}) {
            const Money m{minor, QString::fromUtf8(code)};
            EXPECT_EQ(Money::fromDecimal(m.decimal(), m.currency), m);
        }
    }
}

TEST(Money, dividedRoundedTakesHalvesAwayFromZero)
{
    struct Case
    {
        std::int64_t value, count, expected;
    };
    for (const Case& c : {Case{5, 2, 3}, Case{-5, 2, -3}, Case{7, 4, 2}, Case{4, 3, 1},
                          Case{5, 0, 0}, Case{5, -1, 0}, Case{kMax, 2, kMax / 2}, Case{-6, 4, -2}})
        EXPECT_EQ(Money::dividedRounded(c.value, c.count), c.expected) << c.value << '/' << c.count;
}

TEST(Money, clampedLimitsToTheMoneyLimit)
{
    EXPECT_EQ(Money::clamped(std::int64_t{1'000'000'000'000'000'000}), kMoneyLimitMinor);
    EXPECT_EQ(Money::clamped(kMin), -kMoneyLimitMinor);
    EXPECT_EQ(Money::clamped(-3), -3);
}

TEST(Currency, minorDigitsComparesCodesExactly)
{
    EXPECT_EQ(Currency::minorDigits(QStringLiteral("JPY")), 0);
    EXPECT_EQ(Currency::minorDigits(QStringLiteral("jpy")), 2);
    EXPECT_EQ(Currency::minorDigits(QString()), 2);
    EXPECT_EQ(Currency::minorDigits(QStringLiteral("TND")), 3);
    EXPECT_EQ(Currency::minorScale(QStringLiteral("KRW")), 1);
}

} // namespace
