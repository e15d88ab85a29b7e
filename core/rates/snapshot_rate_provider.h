#pragma once

// SnapshotRateProvider: a rate source that answers every request from one
// fixed snapshot (a rates file), re-expressed against the base asked for.
// Runs pinned to known rates use it instead of the two banks, so nothing
// reaches the network and every run converts alike. A base the snapshot
// has no rate for fails as the banks do when they lack it.
//
// Thread safety: immutable after construction; any thread, answers
// queued to the context's thread like every provider.

#include "rates/rate_provider.h"

namespace tallyra {

class SnapshotRateProvider final : public RateProvider
{
public:
    explicit SnapshotRateProvider(FXRates snapshot) : m_snapshot(std::move(snapshot)) {}

    using RateProvider::rates;
    void rates(const CurrencyCode& base, const CurrencySet& needing, QObject* context,
               RatesHandler done) const override;

private:
    FXRates m_snapshot;
};

} // namespace tallyra
