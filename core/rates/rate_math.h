#pragma once

// Turning the banks' floating-point quotes into decimals, and the one
// rounding every published rate goes through.
//
// A JSON number arrives as a double. It is read through its shortest
// round-trip text, so 41.2345 becomes exactly 41.2345 and not the binary
// neighbour 41.234499999999997044…; everything after that is exact decimal
// arithmetic, and each published rate is rounded to 10 fractional digits
// with ties away from zero.
//
// Thread safety: pure functions; any thread.

#include <optional>

#include "money/decimal.h"

namespace tallyra {

inline constexpr int kRateFractionDigits = 10;

// Nothing for NaN and the infinities.
[[nodiscard]] std::optional<Decimal> decimalFromDouble(double value);
// value rounded to kRateFractionDigits, halves away from zero.
[[nodiscard]] Decimal roundedRate(const Decimal& value);
// A rate as it may be published: rounded with roundedRate(), then kept only
// when it is still greater than zero and its nearest double (what the cache
// stores) is finite and not zero. A quote of 1e-11 rounds to 0 and a
// quotient over a denormal base overflows the double; neither is a rate.
[[nodiscard]] std::optional<Decimal> publishedRate(const Decimal& value);
// The double nearest to the decimal, for storage in key-value caches that
// keep numbers as doubles.
[[nodiscard]] double rateToDouble(const Decimal& value);

} // namespace tallyra
