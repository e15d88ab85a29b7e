#include "reports/base_converter.h"

#include <optional>

#include "money/currency.h"

namespace tallyra {

namespace {

__extension__ using Int128 = __int128;

constexpr int kMaxFactorDigits = 18;
// Powers of ten the 128-bit path can take: 10^38 < 2^127 for a divisor, and
// a product of at most 10^15 minor units scaled up by 10^20 stays below
// 2^127 too. Rates outside these go the exact decimal way.
constexpr int kMaxDivisorExponent = 38;
constexpr int kMaxScaleUpExponent = 20;

// The rate as R × 10^-k with R of at most 18 digits; none when it has more
// significant digits than that (or is not a plain number).
struct Factor
{
    std::int64_t value = 0;
    int scale = 0; // k
};

std::optional<Factor> exactFactor(const Decimal& rate)
{
    if (rate.isNaN())
        return std::nullopt;
    const QString text = rate.toString();
    const qsizetype point = text.indexOf(u'.');
    const int scale = point < 0 ? 0 : static_cast<int>(text.size() - point - 1);
    QString digits = text;
    if (point >= 0)
        digits.remove(point, 1);
    const bool negative = digits.startsWith(u'-');
    if (negative)
        digits.remove(0, 1);
    while (digits.size() > 1 && digits.front() == u'0')
        digits.remove(0, 1);
    if (digits.isEmpty() || digits.size() > kMaxFactorDigits)
        return std::nullopt;
    bool ok = false;
    const std::int64_t value = digits.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    const Factor factor{negative ? -value : value, scale};
    // The text is the decimal's own exact form; this guards the assumption.
    if (Decimal::fromMinor(factor.value, factor.scale) != rate)
        return std::nullopt;
    return factor;
}

Int128 power10(int exponent)
{
    Int128 result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

// n ÷ divisor rounded half to even; divisor > 0.
Int128 dividedHalfEven(Int128 n, Int128 divisor)
{
    Int128 quotient = n / divisor;
    const Int128 remainder = n % divisor;
    const Int128 twice = 2 * (remainder < 0 ? -remainder : remainder);
    const int sign = n < 0 ? -1 : 1;
    if (twice > divisor || (twice == divisor && quotient % 2 != 0))
        quotient += sign;
    return quotient;
}

std::int64_t clampedToLimit(Int128 value)
{
    if (value > kMoneyLimitMinor)
        return kMoneyLimitMinor;
    if (value < -kMoneyLimitMinor)
        return -kMoneyLimitMinor;
    return static_cast<std::int64_t>(value);
}

} // namespace

BaseConverter::BaseConverter(const FXRates& rates) : m_rates(rates)
{
    const int baseDigits = Currency::minorDigits(rates.base);
    m_rules.reserve(rates.perUnit.size());
    for (const auto& [currency, rate] : rates.perUnit) {
        Rule rule;
        rule.currency = currency;
        if (const auto factor = exactFactor(rate)) {
            const int exponent = baseDigits - Currency::minorDigits(currency) - factor->scale;
            if (exponent >= -kMaxDivisorExponent && exponent <= kMaxScaleUpExponent) {
                rule.exact = true;
                rule.factor = factor->value;
                rule.exponent = exponent;
            }
        }
        m_rules.push_back(std::move(rule));
    }
}

const BaseConverter::Rule* BaseConverter::ruleFor(const CurrencyCode& currency) const
{
    for (const Rule& rule : m_rules)
        if (rule.currency == currency)
            return &rule;
    return nullptr;
}

BaseConverter::Converted BaseConverter::convert(const Money& money) const
{
    if (money.currency == m_rates.base)
        return Converted{money.minor, true};
    const Rule* rule = ruleFor(money.currency);
    if (rule == nullptr)
        return Converted{0, false};
    if (!rule->exact)
        return Converted{m_rates.toBase(money).minor, true};
    // |minor| < 2^63 and |R| < 10^18 < 2^60: the product fits in 127 bits.
    const Int128 product = static_cast<Int128>(money.minor) * rule->factor;
    if (rule->exponent >= 0) {
        // Scaling up only moves a product beyond the limit further out.
        if (product > kMoneyLimitMinor || product < -kMoneyLimitMinor)
            return Converted{clampedToLimit(product), true};
        return Converted{clampedToLimit(product * power10(rule->exponent)), true};
    }
    return Converted{clampedToLimit(dividedHalfEven(product, power10(-rule->exponent))), true};
}

} // namespace tallyra
