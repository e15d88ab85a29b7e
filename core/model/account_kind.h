#pragma once

// What an account is (cash, bank account, credit card, …). Each kind has a
// title and a one-line description for pickers, a default symbol, the group
// (section) it is listed in, and whether it is credit-like (its balance is
// usually money owed). Stored as its raw text in AccountModel.kindRaw; an
// empty or unknown kindRaw is inferred from the group and the name.
//
// Thread safety: plain values and pure functions; any thread.

#include <array>
#include <cstdint>
#include <optional>

#include <QString>
#include <QStringView>

#include "model/account_group.h"

namespace tallyra {

enum class AccountKind : std::uint8_t
{
    cash,
    checking,
    savings,
    creditCard,
    investment,
    loan,
    other
};

inline constexpr std::array<AccountKind, 7> kAllAccountKinds = {
    AccountKind::cash,       AccountKind::checking, AccountKind::savings, AccountKind::creditCard,
    AccountKind::investment, AccountKind::loan,     AccountKind::other};

[[nodiscard]] QString rawValue(AccountKind kind);
// The case for an exact raw value; nothing for any other text.
[[nodiscard]] std::optional<AccountKind> accountKindFromRaw(QStringView raw);
// Repairing read of stored data. A known kindRaw gives its case; otherwise
// the kind is inferred from the group (read with accountGroupFromStored):
// savings, credit and investments give savings, creditCard and investment;
// bank gives checking; cash looks at the lower-cased name: "saving" →
// savings, else "cash" or "wallet" → cash, else checking.
[[nodiscard]] AccountKind accountKindFromStored(QStringView kindRaw, QStringView groupRaw,
                                                QStringView name);

// "Cash", "Bank Account", …, translated.
[[nodiscard]] QString title(AccountKind kind);
// "Wallet, cash on hand", …, translated.
[[nodiscard]] QString description(AccountKind kind);
// The name of the kind's default symbol ("banknote.fill", …).
[[nodiscard]] QString symbol(AccountKind kind);
[[nodiscard]] AccountGroup group(AccountKind kind) noexcept;
// True for credit cards and loans.
[[nodiscard]] bool isCredit(AccountKind kind) noexcept;

} // namespace tallyra
