#include "rates/monobank_rate_provider.h"

#include <map>

#include "rates/currency_numeric_codes.h"
#include "rates/rate_math.h"

namespace tallyra {

namespace {

constexpr int kHryvniaNumber = 980;

} // namespace

MonobankRateProvider::MonobankRateProvider(std::shared_ptr<const MonobankRatesAPI> api)
    : m_api(std::move(api))
{
}

void MonobankRateProvider::rates(const CurrencyCode& base, const CurrencySet& /*needing*/,
                                 QObject* context, RatesHandler done) const
{
    m_api->currencyList(
        context, [base, done = std::move(done)](Result<QList<MonoCurrencyRate>, RateError> list) {
            if (!list)
                return done(fail(list.error()));
            done(ratesFromList(*list, base));
        });
}

FXRates MonobankRateProvider::ratesFromList(const QList<MonoCurrencyRate>& list,
                                            const CurrencyCode& base)
{
    std::map<CurrencyCode, Decimal> hryvniasPerUnit{{QStringLiteral("UAH"), Decimal(1)}};
    for (const MonoCurrencyRate& entry : list) {
        // Monobank also lists cross pairs such as EUR/USD; only hryvnia
        // quotes share a common denominator.
        if (entry.currencyCodeB != kHryvniaNumber)
            continue;
        const auto rate = entry.usableRate();
        if (!rate || *rate <= Decimal(0))
            continue;
        const auto code = alphabeticCurrencyCode(entry.currencyCodeA);
        if (!code)
            continue;
        hryvniasPerUnit[*code] = *rate;
    }

    FXRates result = FXRates::empty(base);
    const auto baseRate = hryvniasPerUnit.find(base);
    if (baseRate == hryvniasPerUnit.end())
        return result;
    for (const auto& [code, rate] : hryvniasPerUnit) {
        if (code == base)
            continue;
        // Checked after the division and rounding: a tiny quote or a tiny
        // base can both make a "rate" that is zero or beyond a double.
        const auto published = publishedRate(rate / baseRate->second);
        if (!published)
            continue;
        result.perUnit[code] = *published;
        result.sources[code] = RateSource::monobank;
    }
    return result;
}

} // namespace tallyra
