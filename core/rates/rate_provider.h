#pragma once

// RateProvider: a source of exchange rates quoted against a requested base.
//
// Every operation is asynchronous and returns at once. Its handler is called
// exactly once, later (never from inside the call), on the thread of the
// `context` object the caller passes; if `context` is destroyed first, the
// handler is dropped and never runs, which is how a caller cancels. Network
// I/O never happens on the caller's thread: the HTTP session hands the
// transfer to Qt's network threads and only the small JSON decoding runs
// where the answer is delivered.
//
// The three operations:
//   rates(base)             every currency the source knows;
//   rates(base, needing)    the same, given what the caller needs (a single
//                           bank ignores it; the fallback stops early once
//                           everything needed is there);
//   fetch(base, needing)    the same as a RateFetch, so a partial answer can
//                           carry the failure of a source that didn't answer.
// Failures arrive as RateError in the handler; nothing throws.
//
// Thread safety: providers are immutable after construction; any thread may
// call them, with a context living in that thread.

#include <functional>
#include <set>

#include <QObject>

#include "base/result.h"
#include "money/money.h"
#include "rates/rate_error.h"
#include "rates/rate_fetch.h"
#include "reports/fx_rates.h"

namespace tallyra {

using CurrencySet = std::set<CurrencyCode>;

class RateProvider
{
public:
    using RatesHandler = std::function<void(Result<FXRates, RateError>)>;
    using FetchHandler = std::function<void(Result<RateFetch, RateError>)>;

    virtual ~RateProvider() = default;

    void rates(const CurrencyCode& base, QObject* context, RatesHandler done) const
    {
        rates(base, {}, context, std::move(done));
    }
    virtual void rates(const CurrencyCode& base, const CurrencySet& needing, QObject* context,
                       RatesHandler done) const = 0;
    // By default: rates(base, needing) with no failure text.
    virtual void fetch(const CurrencyCode& base, const CurrencySet& needing, QObject* context,
                       FetchHandler done) const;
};

} // namespace tallyra
