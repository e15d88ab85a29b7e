#pragma once

// ExchangeRates: the application's one exchange-rate service. It keeps the
// current rates snapshot against the main currency, loads the last known
// rates from a key-value cache at start, decides when a download is worth
// making, merges partial answers with what it had, remembers which
// currencies no bank lists (for the rest of the day) and which failed and
// must be asked for again, persists all of it under the "fx." keys, and
// publishes every change of the snapshot through ratesChanged().
//
// Refresh rules, in short:
//   - fresh (no request): updated within 6 hours, cache marked "merged-1",
//     same base, every wanted currency has a rate or is unlisted today, and
//     nothing wanted is retrying;
//   - a complete answer (no failure text, or nothing wanted missing)
//     replaces the snapshot; what it still lacks is unlisted for today;
//   - a partial answer keeps the old rates (same base only) for what it
//     lacks, which becomes `retrying`, and its failure becomes lastError;
//   - an outright failure only sets lastError; rates and cache stay.
// Errors never escape: they become lastError() with a readable text.
//
// Rounding: rates read from the cache and rebased rates are rounded to 10
// fractional digits, ties away from zero.
//
// The cache is a device-local SettingsBackend (never the cloud-synchronised
// one); the keys are "fx.rates", "fx.sources", "fx.base", "fx.updated",
// "fx.source", "fx.unlisted", "fx.unlistedDay", "fx.unlistedBase" and
// "fx.retrying". Values of the wrong type read as missing.
//
// Threading: main thread only (the cache, the clock and the signals are used
// there). A refresh returns at once; the providers work off the main thread
// and the result is applied on it. Two refreshes may overlap; the one that
// finishes last writes its result. The service holds no timers: the
// application drives refreshes.
//
// Example:
//   ExchangeRates service(makeBankRateProvider(session, RateEndpoints::fromEnvironment()),
//                         localBackend, systemClock);
//   QObject::connect(&service, &ExchangeRates::ratesChanged, receiver,
//                    [](const FXRates& rates) { /* hand the snapshot to the ledger */ });
//   service.refresh(accountCurrencies);

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

#include <QDateTime>
#include <QFuture>
#include <QObject>
#include <QString>
#include <QTimeZone>

#include "base/clock.h"
#include "rates/missing_rate_cause.h"
#include "rates/rate_provider.h"
#include "reports/fx_rates.h"
#include "settings/settings_backend.h"

namespace tallyra {

class ExchangeRates final : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::seconds kFreshFor{6 * 60 * 60};
    // One refresh, every source and retry included, ends by then; a late
    // answer is dropped.
    static constexpr std::chrono::milliseconds kRefreshDeadline{20'000};
    // Bounds of a believable rate: one unit of any currency is worth
    // between 10^-9 and 10^9 units of the base, and a new rate lies within
    // a factor of kLargestJump of the cached one for the same base.
    static constexpr int kRateExponentLimit = 9;
    static constexpr std::int64_t kLargestJump = 1000;
    // Written to "fx.source" with every successful refresh; a cache without
    // it was written by an older service and is refreshed at once.
    static constexpr char16_t kCacheMarker[] = u"merged-1";

    // Loads the cache and makes no request. The provider, the cache and the
    // clock must outlive the service; `zone` decides what "the same day" is
    // for unlisted currencies.
    ExchangeRates(std::shared_ptr<const RateProvider> provider, SettingsBackend& cache,
                  const Clock& clock, QTimeZone zone = QTimeZone::systemTimeZone(),
                  QObject* parent = nullptr);

    // The current snapshot; its base is the base it was fetched (or rebased)
    // for.
    [[nodiscard]] const FXRates& rates() const noexcept { return m_rates; }
    // When a refresh last wrote rates; absent when never loaded or since a
    // change of base.
    [[nodiscard]] const std::optional<QDateTime>& updated() const noexcept { return m_updated; }
    // The text of the last failed or partial refresh; absent after a
    // complete one.
    [[nodiscard]] const std::optional<QString>& lastError() const noexcept { return m_lastError; }
    // Currencies the last partial refresh didn't get; asked for again.
    [[nodiscard]] const CurrencySet& retrying() const noexcept { return m_retrying; }
    // Currencies a complete refresh today, for the current base, found in
    // no source.
    [[nodiscard]] CurrencySet currentUnlisted() const;

    // Brings the rates up to date for the given currencies against
    // Currency::main(). Answers are checked before they touch the cache:
    // entries whose code is not three upper-case letters or whose rate is
    // out of bounds are dropped, and an answer with nothing left counts as
    // a failure (the cache stays, the wanted currencies are retried).
    // Returns at once; the future finishes (on the main
    // thread, after the state and the cache are updated) when the refresh
    // is done, also when nothing had to be downloaded. Never fails.
    QFuture<void> refresh(const CurrencySet& needing);
    // Replaces kRefreshDeadline, for tests.
    void setRefreshDeadline(std::chrono::milliseconds deadline) { m_deadline = deadline; }
    // Switches the snapshot to another base at once by re-expressing the
    // rates it has (an empty snapshot when the new base has no rate), and
    // forgets `updated`, the unlisted and the retrying currencies so the next
    // refresh downloads. The rates cache itself is left for that refresh.
    void setBase(const CurrencyCode& base);

    // Why a currency has no rate; meaningful only for currencies without one.
    [[nodiscard]] MissingRateCause missingCause(const CurrencyCode& currency) const;
    // Names the sources behind the rates of these currencies: one source's
    // display name, both joined by " and ", or the National Bank's when no
    // rate among them has a source.
    [[nodiscard]] QString sourceDescription(const CurrencySet& currencies) const;

    // The snapshot re-expressed against newBase; nothing when newBase has no
    // positive rate in it.
    [[nodiscard]] static std::optional<FXRates> rebased(const FXRates& rates,
                                                        const CurrencyCode& newBase);

signals:
    void ratesChanged(const tallyra::FXRates& rates);
    void updatedChanged();
    void lastErrorChanged();
    void retryingChanged();

private:
    void loadCache();
    [[nodiscard]] bool isFresh(const CurrencyCode& base, const CurrencySet& wanted) const;
    [[nodiscard]] FXRates believable(const FXRates& fetched) const;
    void recordFailure(const CurrencySet& wanted, const QString& message);
    void apply(const CurrencySet& wanted, const Result<RateFetch, RateError>& outcome);

    void setRates(FXRates rates);
    void setUpdated(std::optional<QDateTime> updated);
    void setLastError(std::optional<QString> lastError);
    void setRetrying(CurrencySet retrying);

    void writeSnapshot();
    void writeUnlisted();
    void writeRetrying();

    std::shared_ptr<const RateProvider> m_provider;
    SettingsBackend& m_cache;
    const Clock& m_clock;
    QTimeZone m_zone;
    std::chrono::milliseconds m_deadline = kRefreshDeadline;

    FXRates m_rates;
    std::optional<QDateTime> m_updated;
    std::optional<QString> m_lastError;
    CurrencySet m_retrying;
    CurrencySet m_unlisted;
    std::optional<QDateTime> m_unlistedDay;
    std::optional<CurrencyCode> m_unlistedBase;
};

} // namespace tallyra
