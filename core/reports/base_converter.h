#pragma once

// BaseConverter: FXRates::toBase() for many amounts in a row, giving exactly
// the same minor units, without decimal arithmetic per amount. Totals,
// category totals and net worth convert every transaction of a period;
// the decimal multiplication and rounding of toBase() would dominate them.
//
// A rate that is an integer R times 10^-k with R below 10^18 (every rate
// the banks publish, and every rate the rate cache keeps, which rounds to
// ten decimals) becomes an exact rational factor: minor × R is scaled by a
// power of ten in 128-bit integers and rounded half to even, then clamped
// to ±kMoneyLimitMinor, which is what toBase() computes with decimals.
// Any other rate falls back to toBase() itself.
//
// The converter refers to the rates it was made from; they must outlive it.
// Thread safety: immutable after construction; any thread.

#include <cstdint>
#include <vector>

#include "money/money.h"
#include "reports/fx_rates.h"

namespace tallyra {

class BaseConverter final
{
public:
    explicit BaseConverter(const FXRates& rates);

    struct Converted
    {
        std::int64_t minor = 0; // in the base currency; 0 without a rate
        bool hasRate = false;

        friend bool operator==(const Converted&, const Converted&) = default;
    };

    // rates.toBase(money).minor and rates.hasRate(money.currency).
    [[nodiscard]] Converted convert(const Money& money) const;

    [[nodiscard]] const FXRates& rates() const noexcept { return m_rates; }

private:
    struct Rule
    {
        CurrencyCode currency;
        bool exact = false;
        std::int64_t factor = 0; // R
        int exponent = 0;        // minor × R × 10^exponent is the result before rounding
    };

    [[nodiscard]] const Rule* ruleFor(const CurrencyCode& currency) const;

    const FXRates& m_rates;
    std::vector<Rule> m_rules;
};

} // namespace tallyra
