#include "rates/snapshot_rate_provider.h"

#include <QCoreApplication>

#include "rates/exchange_rates.h"

namespace tallyra {

void SnapshotRateProvider::rates(const CurrencyCode& base, const CurrencySet&, QObject* context,
                                 RatesHandler done) const
{
    Result<FXRates, RateError> answer = fail(RateError(
        RateError::Code::cannotParseResponse,
        QCoreApplication::translate("SnapshotRateProvider", "The pinned rates have no rate for %1.")
            .arg(base)));
    if (m_snapshot.base == base)
        answer = m_snapshot;
    else if (const auto rebased = ExchangeRates::rebased(m_snapshot, base))
        answer = *rebased;
    // Like a real source: later, on the caller's thread, dropped when the
    // context is gone.
    QMetaObject::invokeMethod(
        context, [done = std::move(done), answer = std::move(answer)] { done(answer); },
        Qt::QueuedConnection);
}

} // namespace tallyra
