#pragma once

// The sections of the account list. Stored as its raw text in
// AccountModel.groupRaw.
//
// Thread safety: plain values and pure functions; any thread.

#include <cstdint>

#include <QStringView>

#include "base/enum_table.h"

namespace tallyra {

enum class AccountGroup : std::uint8_t
{
    bank,
    cash,
    savings,
    credit,
    investments
};

// In the order of the sections.
inline constexpr auto kAccountGroups = makeEnumTable<AccountGroup>(
    {
        {AccountGroup::bank, u"bank", QT_TRANSLATE_NOOP("AccountGroup", "Bank")},
        {AccountGroup::cash, u"cash", QT_TRANSLATE_NOOP("AccountGroup", "Cash")},
        {AccountGroup::savings, u"savings", QT_TRANSLATE_NOOP("AccountGroup", "Savings")},
        {AccountGroup::credit, u"credit", QT_TRANSLATE_NOOP("AccountGroup", "Credit")},
        {AccountGroup::investments, u"investments",
         QT_TRANSLATE_NOOP("AccountGroup", "Investments")},
    },
    "AccountGroup");
[[nodiscard]] constexpr const auto& enumTable(AccountGroup) noexcept
{
    return kAccountGroups;
}

// Repairing read of stored data: a known raw value gives its case, the
// older value "bankLinked" gives bank, anything else cash.
[[nodiscard]] AccountGroup accountGroupFromStored(QStringView raw);

} // namespace tallyra
