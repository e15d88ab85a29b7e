#pragma once

// The rules by which stored values become record values, shared by the
// record builders and the bulk ledger reader so both read old or damaged
// data the same way.
//
// Thread safety: pure functions; any thread.

#include <cstdint>

#include <QString>
#include <QStringList>
#include <QStringView>

#include "money/decimal.h"
#include "money/money.h"

namespace tallyra {

// A stored minor amount limited to ±kMoneyLimitMinor, in the currency.
[[nodiscard]] inline Money storedMoney(std::int64_t minor, const CurrencyCode& currency)
{
    return Money{Money::clamped(minor), currency};
}

// Tags are stored one per line: the text is split at "\n" and empty pieces
// are dropped ("food\n\ntravel\n" → food, travel).
[[nodiscard]] QStringList tagsFromText(QStringView text);
// The stored form of a tag list: the non-empty tags joined by "\n".
[[nodiscard]] QString tagsToText(const QStringList& tags);

// Interest rates are stored in basis points and held as a percentage:
// 1250 → 12.5.
[[nodiscard]] Decimal interestRateFromBP(std::int64_t basisPoints);

} // namespace tallyra
