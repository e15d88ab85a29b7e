#include "rates/rate_provider.h"

namespace tallyra {

void RateProvider::fetch(const CurrencyCode& base, const CurrencySet& needing, QObject* context,
                         FetchHandler done) const
{
    rates(base, needing, context, [done = std::move(done)](Result<FXRates, RateError> result) {
        if (!result)
            done(fail(result.error()));
        else
            done(RateFetch{std::move(result).value(), std::nullopt});
    });
}

} // namespace tallyra
