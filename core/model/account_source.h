#pragma once

// Where an account's data comes from: typed in by the user, or linked to
// the Monobank bank. Stored as its raw text in AccountModel.sourceRaw.
//
// Thread safety: plain values and pure functions; any thread.

#include <array>
#include <cstdint>
#include <optional>

#include <QString>
#include <QStringView>

namespace tallyra {

enum class AccountSource : std::uint8_t
{
    manual,
    monobank
};

inline constexpr std::array<AccountSource, 2> kAllAccountSources = {AccountSource::manual,
                                                                    AccountSource::monobank};

[[nodiscard]] QString rawValue(AccountSource source);
// The case for an exact raw value; nothing for any other text.
[[nodiscard]] std::optional<AccountSource> accountSourceFromRaw(QStringView raw);
// Repairing read of stored data: "monobank" is monobank, anything else manual.
[[nodiscard]] AccountSource accountSourceFromStored(QStringView raw);
// "Manual", "Monobank", translated.
[[nodiscard]] QString title(AccountSource source);

} // namespace tallyra
