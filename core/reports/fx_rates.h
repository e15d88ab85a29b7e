#pragma once

// FXRates: one immutable snapshot of exchange rates against a base (the
// display) currency. perUnit[C] is how many units of the base one unit of C
// is worth; the base itself is never a key. Amounts in a currency without a
// rate are never guessed: toBase() gives zero and callers tell that case
// apart with hasRate().
//
// Rounding: toBase() rounds half to even to whole minor units of the base
// (the Money rule); convert() rounds half away from zero to the target's
// minor digits.
//
// Thread safety: a value; any thread.

#include <map>
#include <optional>

#include "money/decimal.h"
#include "money/money.h"
#include "reports/rate_source.h"

namespace tallyra {

struct FXRates
{
    CurrencyCode base;
    std::map<CurrencyCode, Decimal> perUnit;
    std::map<CurrencyCode, RateSource> sources;

    // The snapshot used before any rates arrived: the main currency, no rates.
    [[nodiscard]] static FXRates empty(const CurrencyCode& base);

    [[nodiscard]] bool hasRate(const CurrencyCode& currency) const;
    [[nodiscard]] Money toBase(const Money& money) const;
    [[nodiscard]] std::optional<Decimal> convert(const Decimal& amount, const CurrencyCode& from,
                                                 const CurrencyCode& to) const;

    friend bool operator==(const FXRates& a, const FXRates& b) = default;
};

} // namespace tallyra
