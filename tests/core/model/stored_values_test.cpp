#include "model/stored_values.h"

#include <limits>

#include <gtest/gtest.h>

using namespace tallyra;

namespace {

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

TEST(StoredValues, tagsSplitAtLineBreaksWithoutEmptyPieces)
{
    EXPECT_EQ(tagsFromText(q("food\n\ntravel\n")), (QStringList{q("food"), q("travel")}));
    EXPECT_EQ(tagsFromText(q("\n\n")), QStringList());
    EXPECT_EQ(tagsFromText(q("")), QStringList());
    EXPECT_EQ(tagsFromText(q(" a \nb")), (QStringList{q(" a "), q("b")}));
    EXPECT_EQ(tagsToText({q("food"), q(""), q("travel")}), q("food\ntravel"));
    EXPECT_EQ(tagsFromText(tagsToText({q("x"), q("y z")})), (QStringList{q("x"), q("y z")}));
}

TEST(StoredValues, amountsAreClampedToTheLimit)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(storedMoney(1'000'000'000'000'000'000, q("USD")).minor, 999'999'999'999'999);
    EXPECT_EQ(storedMoney(-1'000'000'000'000'000'000, q("USD")).minor, -999'999'999'999'999);
    EXPECT_EQ(storedMoney(kMax, q("USD")).minor, kMoneyLimitMinor);
    EXPECT_EQ(storedMoney(-kMax - 1, q("USD")).minor, -kMoneyLimitMinor);
    EXPECT_EQ(storedMoney(999'999'999'999'999, q("JPY")), (Money{999'999'999'999'999, q("JPY")}));
    EXPECT_EQ(storedMoney(-12, q("EUR")), (Money{-12, q("EUR")}));
}

TEST(StoredValues, interestRateIsBasisPointsAsPercent)
{
    EXPECT_EQ(interestRateFromBP(1250).toString(), q("12.5"));
    EXPECT_EQ(interestRateFromBP(525).toString(), q("5.25"));
    EXPECT_EQ(interestRateFromBP(-1).toString(), q("-0.01"));
    EXPECT_EQ(interestRateFromBP(0).toString(), q("0"));
}

} // namespace
