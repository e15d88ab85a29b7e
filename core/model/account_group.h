#pragma once

// The sections of the account list. Stored as its raw text in
// AccountModel.groupRaw.
//
// Thread safety: plain values and pure functions; any thread.

#include <array>
#include <cstdint>
#include <optional>

#include <QString>
#include <QStringView>

namespace tallyra {

enum class AccountGroup : std::uint8_t
{
    bank,
    cash,
    savings,
    credit,
    investments
};

// Every case in declaration order, which is also the order of the sections.
inline constexpr std::array<AccountGroup, 5> kAllAccountGroups = {
    AccountGroup::bank, AccountGroup::cash, AccountGroup::savings, AccountGroup::credit,
    AccountGroup::investments};

[[nodiscard]] QString rawValue(AccountGroup group);
// The case for an exact raw value; nothing for any other text.
[[nodiscard]] std::optional<AccountGroup> accountGroupFromRaw(QStringView raw);
// Repairing read of stored data: a known raw value gives its case, the
// older value "bankLinked" gives bank, anything else cash.
[[nodiscard]] AccountGroup accountGroupFromStored(QStringView raw);
// "Bank", "Cash", "Savings", "Credit", "Investments", translated.
[[nodiscard]] QString title(AccountGroup group);

} // namespace tallyra
