#include "reports/fx_rates.h"

#include "money/currency.h"

namespace tallyra {

FXRates FXRates::empty(const CurrencyCode& base)
{
    return FXRates{base, {}, {}};
}

bool FXRates::hasRate(const CurrencyCode& currency) const
{
    return currency == base || perUnit.contains(currency);
}

Money FXRates::toBase(const Money& money) const
{
    if (money.currency == base)
        return money;
    const auto rate = perUnit.find(money.currency);
    if (rate == perUnit.end())
        return Money{0, base};
    return Money::fromDecimal(money.decimal() * rate->second, base);
}

std::optional<Decimal> FXRates::convert(const Decimal& amount, const CurrencyCode& from,
                                        const CurrencyCode& to) const
{
    if (from == to)
        return amount;
    auto rateOf = [this](const CurrencyCode& code) -> std::optional<Decimal> {
        if (code == base)
            return Decimal(1);
        const auto found = perUnit.find(code);
        if (found == perUnit.end())
            return std::nullopt;
        return found->second;
    };
    const auto fromRate = rateOf(from);
    const auto toRate = rateOf(to);
    if (!fromRate || !toRate || toRate->isZero())
        return std::nullopt;
    return (amount * *fromRate / *toRate)
        .rounded(Currency::minorDigits(to), Rounding::halfAwayFromZero);
}

} // namespace tallyra
