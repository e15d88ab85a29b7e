#include "rates/fallback_rate_provider.h"

#include <optional>

namespace tallyra {

namespace {

// One walk over the sources; shared by the handlers of the successive asks.
struct Walk
{
    QList<std::shared_ptr<const RateProvider>> providers;
    CurrencyCode base;
    CurrencySet needing;
    QObject* context = nullptr;
    RateProvider::FetchHandler done;

    std::optional<FXRates> combined;
    std::optional<QString> failure;
    std::optional<RateError> lastError;
};

void combineInto(FXRates& combined, const FXRates& more)
{
    // Rates against another base can't be mixed in without re-expressing
    // them; a source answering for the wrong base adds nothing.
    if (combined.base != more.base)
        return;
    for (const auto& [code, rate] : more.perUnit) {
        if (code == combined.base || combined.perUnit.contains(code))
            continue;
        combined.perUnit[code] = rate;
        if (const auto source = more.sources.find(code); source != more.sources.end())
            combined.sources[code] = source->second;
    }
}

bool coversEverythingNeeded(const FXRates& rates, const CurrencySet& needing)
{
    if (rates.perUnit.empty())
        return false;
    for (const CurrencyCode& code : needing)
        if (code != rates.base && !rates.perUnit.contains(code))
            return false;
    return true;
}

void ask(const std::shared_ptr<Walk>& walk, qsizetype index)
{
    const RateProvider& provider = *walk->providers.at(index);
    provider.rates(
        walk->base, walk->needing, walk->context, [walk, index](Result<FXRates, RateError> result) {
            if (result) {
                if (!walk->combined)
                    walk->combined = std::move(result).value();
                else
                    combineInto(*walk->combined, *result);
            } else {
                walk->failure = result.error().userMessage();
                walk->lastError = result.error();
            }

            const bool last = index + 1 == walk->providers.size();
            if (last && !walk->combined)
                return walk->done(fail(*walk->lastError));
            // Until some source has answered there is nothing to
            // check for coverage: the next source is asked.
            if (last || (walk->combined && coversEverythingNeeded(*walk->combined, walk->needing)))
                return walk->done(RateFetch{*walk->combined, walk->failure});
            ask(walk, index + 1);
        });
}

} // namespace

FallbackRateProvider::FallbackRateProvider(QList<std::shared_ptr<const RateProvider>> providers)
    : m_providers(std::move(providers))
{
}

void FallbackRateProvider::fetch(const CurrencyCode& base, const CurrencySet& needing,
                                 QObject* context, FetchHandler done) const
{
    if (m_providers.isEmpty()) {
        // Still asynchronous, as the contract promises.
        QMetaObject::invokeMethod(
            context, [done = std::move(done)] { done(fail(RateError::unknown())); },
            Qt::QueuedConnection);
        return;
    }
    auto walk = std::make_shared<Walk>();
    walk->providers = m_providers;
    walk->base = base;
    walk->needing = needing;
    walk->context = context;
    walk->done = std::move(done);
    ask(walk, 0);
}

void FallbackRateProvider::rates(const CurrencyCode& base, const CurrencySet& needing,
                                 QObject* context, RatesHandler done) const
{
    fetch(base, needing, context, [done = std::move(done)](Result<RateFetch, RateError> result) {
        if (!result)
            done(fail(result.error()));
        else
            done(std::move(result).value().rates);
    });
}

} // namespace tallyra
