#pragma once

// FallbackRateProvider: asks several sources in order and combines what
// they return. Earlier sources take precedence: a later source only adds
// currencies the earlier ones lacked (and only when quoting the same base),
// never replaces a rate already obtained.
//
// The sources are asked one after another, never at once. After each
// source but the last, the walk stops early when the combined snapshot is
// non-empty and holds every needed currency (any non-empty snapshot will do
// when nothing in particular is needed).
//
// Errors: a failing source is remembered; if another source answered, the
// outcome is the combined snapshot with the last failure's message as
// RateFetch::failure; if none answered, the outcome is the last source's
// error. With no sources at all the outcome is RateError::unknown.
// rates(base, needing) drops the failure text; rates(base) needs nothing.
//
// Thread safety: immutable; see RateProvider.

#include <memory>

#include <QList>

#include "rates/rate_provider.h"

namespace tallyra {

class FallbackRateProvider final : public RateProvider
{
public:
    explicit FallbackRateProvider(QList<std::shared_ptr<const RateProvider>> providers);

    [[nodiscard]] const QList<std::shared_ptr<const RateProvider>>& providers() const noexcept
    {
        return m_providers;
    }

    using RateProvider::rates;
    void rates(const CurrencyCode& base, const CurrencySet& needing, QObject* context,
               RatesHandler done) const override;
    void fetch(const CurrencyCode& base, const CurrencySet& needing, QObject* context,
               FetchHandler done) const override;

private:
    QList<std::shared_ptr<const RateProvider>> m_providers;
};

} // namespace tallyra
