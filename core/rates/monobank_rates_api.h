#pragma once

// MonobankRatesAPI: where MonobankRateProvider gets Monobank's currency
// list from — normally a MonobankRatesClient over HTTP, replaceable (by a
// canned list, say) without touching the provider.
//
// Same asynchronous contract as RateProvider: the handler runs once, later,
// on the thread of `context`, and is dropped if `context` is destroyed.

#include <functional>

#include <QList>
#include <QObject>

#include "base/result.h"
#include "rates/mono_currency_rate.h"
#include "rates/rate_error.h"

namespace tallyra {

class MonobankRatesAPI
{
public:
    using ListHandler = std::function<void(Result<QList<MonoCurrencyRate>, RateError>)>;

    virtual ~MonobankRatesAPI() = default;
    virtual void currencyList(QObject* context, ListHandler done) const = 0;
};

} // namespace tallyra
