#pragma once

// TransferGroup: where a transfer belongs when transfers are broken down
// by account instead of by category. Transfers are grouped around the home
// account, the one most transfers leave from (LedgerIndex::homeAccount()):
//   to(D)          from the home account to D
//   cardPayments   from the home account to an account of the credit group
//   from(S)        from S into the home account
//   between(S, D)  neither side is the home account (every transfer, when
//                  the ledger has no home account)
// A group's name is "To Savings", "From Salary Card", "Savings → Card" or
// "Card Payments"; an account missing from the ledger is named "Account".
//
// Thread safety: plain values and pure functions of an index; any thread.

#include <compare>
#include <cstdint>
#include <optional>

#include <QString>

#include "base/typed_id.h"
#include "model/entry.h"

namespace tallyra {

class LedgerIndex;

struct TransferGroup
{
    enum class Kind : std::uint8_t
    {
        to,
        from,
        between,
        cardPayments
    };

    Kind kind = Kind::between;
    // to: the destination; from and between: the source; cardPayments: none.
    std::optional<AccountId> account;
    // between: the destination.
    std::optional<AccountId> destination;

    [[nodiscard]] static TransferGroup toAccount(const AccountId& account)
    {
        return {Kind::to, account, std::nullopt};
    }
    [[nodiscard]] static TransferGroup fromAccount(const AccountId& account)
    {
        return {Kind::from, account, std::nullopt};
    }
    [[nodiscard]] static TransferGroup between(const AccountId& source,
                                               const AccountId& destination)
    {
        return {Kind::between, source, destination};
    }
    [[nodiscard]] static TransferGroup cardPayments() { return {Kind::cardPayments, {}, {}}; }

    friend bool operator==(const TransferGroup&, const TransferGroup&) = default;
    friend std::strong_ordering operator<=>(const TransferGroup&, const TransferGroup&) = default;
};

// A symbol icon: a symbol name and its colour ("#RRGGBB").
struct SymbolIcon
{
    QString name;
    QString colorHex;

    friend bool operator==(const SymbolIcon&, const SymbolIcon&) = default;
};

// The group of a transfer with both a source and a destination; none for
// any other transaction.
[[nodiscard]] std::optional<TransferGroup> transferGroup(const Entry& entry,
                                                         const LedgerIndex& index);
// "To A", "From A", "A → B", "Card Payments", translated.
[[nodiscard]] QString name(const TransferGroup& group, const LedgerIndex& index);
// Card payments: "creditcard.fill" in "#D6336C". Otherwise the symbol and
// colour of the account (the destination for between), or
// "arrow.left.arrow.right" in "#5C6BC0" when it has no symbol.
[[nodiscard]] SymbolIcon icon(const TransferGroup& group, const LedgerIndex& index);

} // namespace tallyra
