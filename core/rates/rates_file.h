#pragma once

// A rates snapshot kept in a JSON file, written by hand or by
// `tallyra-cli --json rates`:
//
//   {"base": "UAH", "perUnit": {"USD": "41.5", "EUR": "48.25"},
//    "sources": {"USD": "nbu", "EUR": "monobank"}}
//
// Rates are decimal texts (one unit of the currency in the base) so they
// reach the conversion exactly. The command line's and the window's
// --rates read it instead of asking the banks.
//
// Errors: throws tallyra::Error with a message that names the file and
// what is wrong with it.
// Thread safety: pure apart from reading the file; any thread.

#include <QString>

#include "reports/fx_rates.h"

namespace tallyra {

[[nodiscard]] FXRates readRatesFile(const QString& path);
// The file's snapshot re-expressed against base; throws when the file has
// no rate for base.
[[nodiscard]] FXRates readRatesFile(const QString& path, const CurrencyCode& base);

} // namespace tallyra
