#pragma once

// Where an account's data comes from: typed in by the user, or linked to
// the Monobank bank. Stored as its raw text in AccountModel.sourceRaw.
//
// Thread safety: plain values and pure functions; any thread.

#include <cstdint>

#include <QStringView>

#include "base/enum_table.h"

namespace tallyra {

enum class AccountSource : std::uint8_t
{
    manual,
    monobank
};

inline constexpr auto kAccountSources = makeEnumTable<AccountSource>(
    {
        {AccountSource::manual, u"manual", QT_TRANSLATE_NOOP("AccountSource", "Manual")},
        {AccountSource::monobank, u"monobank", QT_TRANSLATE_NOOP("AccountSource", "Monobank")},
    },
    "AccountSource");
[[nodiscard]] constexpr const auto& enumTable(AccountSource) noexcept
{
    return kAccountSources;
}

// Repairing read of stored data: "monobank" is monobank, anything else manual.
[[nodiscard]] inline AccountSource accountSourceFromStored(QStringView raw)
{
    return enumFromRaw<AccountSource>(raw).value_or(AccountSource::manual);
}

} // namespace tallyra
