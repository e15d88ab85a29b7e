#pragma once

// MonobankRateProvider: Monobank's public rates, one currency list per call
// whatever the caller needs.
//
// Only pairs quoted in hryvnias (currency B = 980) count; each gives its
// usable rate (buy/sell midpoint, else cross), and entries without one or
// with a rate not greater than 0 are skipped. Currency numbers are turned
// into codes with the numeric table; numbers outside it are dropped. The
// table starts with UAH = 1 and a later entry replaces an earlier one. Then
// perUnit[C] = T[C] ÷ T[base], exactly, rounded to 10 fractional digits with
// ties away from zero.
//
// A list without the base is not an error: the result is an empty snapshot
// for that base. Errors of the API are passed on unchanged.
//
// Thread safety: immutable; see RateProvider.

#include <memory>

#include "rates/monobank_rates_api.h"
#include "rates/rate_provider.h"

namespace tallyra {

class MonobankRateProvider final : public RateProvider
{
public:
    explicit MonobankRateProvider(std::shared_ptr<const MonobankRatesAPI> api);

    using RateProvider::rates;
    void rates(const CurrencyCode& base, const CurrencySet& needing, QObject* context,
               RatesHandler done) const override;

    [[nodiscard]] static FXRates ratesFromList(const QList<MonoCurrencyRate>& list,
                                               const CurrencyCode& base);

private:
    std::shared_ptr<const MonobankRatesAPI> m_api;
};

} // namespace tallyra
