#pragma once

// ISO 4217 numeric → alphabetic currency codes, for sources that quote by
// number (Monobank). A fixed table of the 158 currencies we can expect from
// such a source; any other number is unknown.
//
// Thread safety: built once on first use (thread-safe static); read-only
// afterwards.

#include <map>
#include <optional>

#include <QString>

namespace tallyra {

inline constexpr int kCurrencyNumericCodeCount = 158;

[[nodiscard]] const std::map<int, QString>& currencyNumericCodes();
// Nothing for a number outside the table.
[[nodiscard]] std::optional<QString> alphabeticCurrencyCode(int numericCode);

} // namespace tallyra
