#pragma once

// CreditSummary: what a credit account (card or loan) owes and has left,
// and when its next statement and payment are due.
//
// From the account's balance b (normally the balance the accounts list
// shows, at the engine's tomorrow): owed = max(−b, 0) and ownFunds =
// max(b, 0) (the user's own money on the card); available = limit + b,
// only when a limit above 0 is set. Amounts are in the account's currency
// and saturate.
//
// The next statement and payment days are the next occurrence, on or
// after today, of the account's day of the month, held to the month's last
// day (day 31 in a 30-day month is the 30th).
//
// Thread safety: pure; any thread.

#include <cstdint>
#include <optional>

#include <QDate>

#include "model/account.h"
#include "money/decimal.h"
#include "money/money.h"

namespace tallyra {

class PeriodEngine;

struct CreditSummary
{
    Money owed;
    Money ownFunds;
    std::optional<Money> limit;
    std::optional<Money> available;
    std::optional<QDate> nextStatement;
    std::optional<QDate> nextPaymentDue;
    // Percent, as stored on the account (24.9 means 24.9 %).
    std::optional<Decimal> interestRate;

    friend bool operator==(const CreditSummary&, const CreditSummary&) = default;
};

[[nodiscard]] CreditSummary creditSummary(const Account& account, const Money& balance,
                                          const PeriodEngine& engine);

// The first day on or after `today` that is day `dayOfMonth` of its month
// (held to the month's length), looking at most three months ahead;
// `today` itself when none is found.
[[nodiscard]] QDate nextDayOfMonth(std::int64_t dayOfMonth, const QDate& today);

} // namespace tallyra
