#pragma once

// MissingRateCause: why a currency has no exchange rate, as the
// exchange-rate service decides it.
//   unlisted — a complete answer today listed it in no source;
//   failed   — the last refresh couldn’t get it and it will be asked again;
//   loading  — no refresh has finished or failed yet.
// Stored and printed by its raw value, the case name.

#include <optional>

#include <QString>
#include <QStringView>

namespace tallyra {

enum class MissingRateCause
{
    unlisted,
    failed,
    loading,
};

[[nodiscard]] QString rawValue(MissingRateCause cause);
[[nodiscard]] std::optional<MissingRateCause> missingRateCauseFromRaw(QStringView raw);

} // namespace tallyra
