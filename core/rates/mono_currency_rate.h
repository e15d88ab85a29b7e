#pragma once

// MonoCurrencyRate: one element of Monobank's public currency list, a pair
// of currencies by ISO 4217 number (A quoted in B) with optional buy, sell
// and cross rates.
//
// The usable rate is the midpoint of buy and sell when both are present
// (even if a cross rate is there too), otherwise the cross rate, which may
// itself be absent. The midpoint is exact decimal arithmetic on the
// shortest texts of the two doubles.
//
// Thread safety: a value; any thread.

#include <cstdint>
#include <optional>

#include <QByteArray>
#include <QList>
#include <QString>

#include "base/result.h"
#include "money/decimal.h"

namespace tallyra {

struct MonoCurrencyRate
{
    int currencyCodeA = 0;
    int currencyCodeB = 0;
    std::int64_t date = 0; // seconds since 1970-01-01 UTC
    std::optional<double> rateBuy;
    std::optional<double> rateSell;
    std::optional<double> rateCross;

    [[nodiscard]] std::optional<Decimal> usableRate() const;

    // Reads the whole list. A missing "currencyCodeA", "currencyCodeB" or
    // "date" fails it, as does any value of the wrong type; the failure is
    // the reason, for RateError::decodingFailed.
    [[nodiscard]] static Result<QList<MonoCurrencyRate>, QString>
    decodeList(const QByteArray& body);

    friend bool operator==(const MonoCurrencyRate& a, const MonoCurrencyRate& b) = default;
};

} // namespace tallyra
