#include "reports/fx_rates.h"

#include <gtest/gtest.h>

using namespace tallyra;

namespace {

Decimal dec(const char* text)
{
    return *Decimal::parse(QString::fromUtf8(text));
}

FXRates uahRates()
{
    FXRates rates = FXRates::empty(QStringLiteral("UAH"));
    rates.perUnit[QStringLiteral("EUR")] = dec("43.50");
    rates.perUnit[QStringLiteral("USD")] = dec("41.0");
    rates.perUnit[QStringLiteral("JPY")] = dec("0.28");
    rates.perUnit[QStringLiteral("XXX")] = dec("0");
    return rates;
}

TEST(FXRates, toBaseRoundsToBaseMinorUnits)
{
    const FXRates rates = uahRates();
    EXPECT_EQ(rates.toBase(Money{1234, QStringLiteral("EUR")}),
              (Money{53679, QStringLiteral("UAH")}));
    EXPECT_EQ(rates.toBase(Money{1500, QStringLiteral("JPY")}),
              (Money{42000, QStringLiteral("UAH")}));
    EXPECT_EQ(rates.toBase(Money{777, QStringLiteral("UAH")}), (Money{777, QStringLiteral("UAH")}));
}

TEST(FXRates, missingRateConvertsToZero)
{
    const FXRates rates = uahRates();
    EXPECT_FALSE(rates.hasRate(QStringLiteral("GBP")));
    EXPECT_EQ(rates.toBase(Money{100, QStringLiteral("GBP")}), (Money{0, QStringLiteral("UAH")}));
    EXPECT_TRUE(FXRates::empty(QStringLiteral("UAH")).hasRate(QStringLiteral("UAH")));
}

TEST(FXRates, convertGoesThroughTheBase)
{
    const FXRates rates = uahRates();
    EXPECT_EQ(
        rates.convert(dec("100.00"), QStringLiteral("USD"), QStringLiteral("EUR"))->toString(),
        QStringLiteral("94.25"));
    EXPECT_EQ(rates.convert(dec("100"), QStringLiteral("UAH"), QStringLiteral("USD"))->toString(),
              QStringLiteral("2.44"));
    EXPECT_FALSE(rates.convert(dec("1"), QStringLiteral("USD"), QStringLiteral("XXX")).has_value());
    EXPECT_FALSE(rates.convert(dec("1"), QStringLiteral("GBP"), QStringLiteral("USD")).has_value());
    EXPECT_EQ(rates.convert(dec("1.005"), QStringLiteral("GBP"), QStringLiteral("GBP"))->toString(),
              QStringLiteral("1.005"));
}

TEST(FXRates, equalityCoversSources)
{
    FXRates a = uahRates();
    FXRates b = uahRates();
    EXPECT_EQ(a, b);
    b.sources[QStringLiteral("USD")] = RateSource::monobank;
    EXPECT_NE(a, b);
}

} // namespace
