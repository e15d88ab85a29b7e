#include "reports/base_converter.h"

#include <limits>
#include <random>

#include <gtest/gtest.h>

using namespace tallyra;

namespace {

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

FXRates ratesIn(const char* base,
                std::initializer_list<std::pair<const char*, const char*>> perUnit)
{
    FXRates rates = FXRates::empty(q(base));
    for (const auto& [code, rate] : perUnit)
        rates.perUnit[q(code)] = *Decimal::parse(QString::fromUtf8(rate));
    return rates;
}

struct Case
{
    const char* name;
    const char* base;
    const char* currency;
    const char* rate;
    std::int64_t minor;
    std::int64_t expected;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

class BaseConverterCases : public ::testing::TestWithParam<Case>
{
};

TEST_P(BaseConverterCases, givesWhatToBaseGives)
{
    const Case& c = GetParam();
    const FXRates rates = ratesIn(c.base, {{c.currency, c.rate}});
    const Money money{c.minor, q(c.currency)};
    const BaseConverter converter(rates);
    EXPECT_EQ(converter.convert(money), (BaseConverter::Converted{c.expected, true}));
    EXPECT_EQ(rates.toBase(money).minor, c.expected) << "the reference itself";
}

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Rounding, BaseConverterCases,
    ::testing::Values(
        // 0.25 USD × 41.5 = 10.375 UAH: 1037.5 kopiyky, a tie, to even.
        Case{"tieRoundsUpToEven", "UAH", "USD", "41.5", 25, 1038},
        Case{"tieRoundsDownToEven", "UAH", "USD", "41.3", 5, 206}, // 206.5 → 206
        Case{"negativeTie", "UAH", "USD", "41.3", -5, -206},
        Case{"notATie", "UAH", "USD", "41.2345", 1, 41},               // 41.2345
        Case{"zeroDigitsSource", "UAH", "JPY", "0.2781", 1500, 41715}, // 417.15
        Case{"threeDigitBase", "KWD", "USD", "0.30712", 10000, 30712},
        Case{"threeDigitSource", "UAH", "KWD", "134.5", 1001, 13463}, // 1.001 × 134.5 = 134.6345
        Case{"zeroDigitBase", "JPY", "USD", "149.37", 150, 224},      // 224.055
        Case{"tinyRate", "UAH", "USD", "0.0000000001", 999999999999999, 100000},
        Case{"manyDigitsFallBack", "UAH", "USD", "41.12345678901234567890123", 12345, 507669},
        Case{"clampedAtTheLimit", "UAH", "USD", "41.5", 999999999999999, kMoneyLimitMinor},
        Case{"saturatedInput", "UAH", "USD", "41.5", kMax, kMoneyLimitMinor},
        Case{"saturatedNegative", "KWD", "JPY", "5", std::numeric_limits<std::int64_t>::min(),
             -kMoneyLimitMinor},
        // 10^39 and beyond do not fit 128 bits; such rates take the exact way.
        Case{"thirtyNineFractionDigits", "UAH", "USD", "1e-39", 999999999999999, 0},
        Case{"fortyFractionDigits", "UAH", "USD", "3e-40", 5, 0},
        Case{"hugeScaleUp", "UAH", "JPY", "1e30", 1, kMoneyLimitMinor}),
    [](const ::testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });

TEST(BaseConverter, baseIsKeptAndMissingRatesAreZero)
{
    const FXRates rates = ratesIn("UAH", {{"USD", "41.5"}});
    const BaseConverter converter(rates);
    // The base is taken as it is, like toBase() does, even beyond the limit.
    EXPECT_EQ(converter.convert(Money{kMax, q("UAH")}), (BaseConverter::Converted{kMax, true}));
    EXPECT_EQ(converter.convert(Money{500, q("EUR")}), (BaseConverter::Converted{0, false}));
}

TEST(BaseConverter, agreesWithToBaseOnRandomAmountsAndRates)
{
    std::mt19937_64 random(20261205);
    const char* codes[] = {"UAH", "USD", "JPY", "KWD"};
    for (int round = 0; round < 200; ++round) {
        const char* base = codes[random() % 4];
        FXRates rates = FXRates::empty(q(base));
        for (const char* code : codes) {
            if (q(code) == q(base))
                continue;
            // Up to 10 decimals, like the cache keeps, some with 20 (the
            // fallback), a few below 1.
            const int decimals = static_cast<int>(random() % 11) + (random() % 8 == 0 ? 10 : 0);
            const auto units = static_cast<std::int64_t>(random() % 200'000'000'000ULL) + 1;
            rates.perUnit[q(code)] = Decimal::fromMinor(units, decimals);
        }
        const BaseConverter converter(rates);
        for (int i = 0; i < 100; ++i) {
            const char* code = codes[random() % 4];
            std::int64_t minor = static_cast<std::int64_t>(random() % 2'000'000'000'000'000ULL) -
                                 1'000'000'000'000'000;
            if (i % 3 == 0)
                minor /= 1'000'000'000; // everyday amounts
            const Money money{minor, q(code)};
            const BaseConverter::Converted expected{rates.toBase(money).minor,
                                                    rates.hasRate(money.currency)};
            ASSERT_EQ(converter.convert(money), expected)
                << minor << ' ' << code << " in " << base << " at "
                << rates.perUnit[q(code)].toString().toStdString();
        }
    }
}

} // namespace
