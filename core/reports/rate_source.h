#pragma once

// Where an exchange rate came from; stored by its raw value in the rate
// cache.

#include <optional>

#include <QList>
#include <QString>

namespace tallyra {

enum class RateSource
{
    nationalBank, // "nbu"
    monobank,     // "monobank"
};

[[nodiscard]] QString rawValue(RateSource source);
[[nodiscard]] std::optional<RateSource> rateSourceFromRaw(QStringView raw);
[[nodiscard]] const QList<RateSource>& allRateSources();
// "National Bank of Ukraine (official rate)", "Monobank (public rate)",
// through the application's string table.
[[nodiscard]] QString displayName(RateSource source);

} // namespace tallyra
