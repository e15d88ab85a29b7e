#pragma once

// MonobankRatesClient: Monobank's public currency list over HTTP.
//
// Each call waits on the client's RateLimiter (5 seconds between requests
// by default, since the public endpoint rejects clients that ask more
// often), then sends a GET with a 30-second time-out and decodes the JSON
// array. Requests go through the shared HttpSession, off the caller's
// thread (see HttpSession).
//
// Errors: a status other than 200 or an answer that isn't HTTP →
// badServerResponse; malformed JSON or a missing required key →
// decodingFailed; time-out, transport failures and cancellation are passed
// on. A caller whose context dies while the limiter sleeps is never called.
//
// Ownership and threading: shared (make it with std::make_shared); pending
// calls keep it alive. Immutable after construction except the limiter,
// which guards its own state; any thread may call.

#include <chrono>
#include <memory>

#include <QUrl>

#include "rates/http_session.h"
#include "rates/monobank_rates_api.h"
#include "rates/rate_limiter.h"

namespace tallyra {

class MonobankRatesClient final : public MonobankRatesAPI,
                                  public std::enable_shared_from_this<MonobankRatesClient>
{
public:
    static constexpr std::chrono::milliseconds kTimeout{30'000};
    static constexpr std::chrono::seconds kRequestSpacing{5};

    // A null limiter gets the standard one: kRequestSpacing on ContinuousClock.
    MonobankRatesClient(std::shared_ptr<HttpSession> session, QUrl url,
                        std::chrono::milliseconds timeout = kTimeout,
                        std::unique_ptr<RateLimiter> limiter = nullptr);

    [[nodiscard]] const QUrl& url() const noexcept { return m_url; }
    [[nodiscard]] std::chrono::milliseconds timeout() const noexcept { return m_timeout; }
    [[nodiscard]] RateLimiter& limiter() const noexcept { return *m_limiter; }

    void currencyList(QObject* context, ListHandler done) const override;

private:
    std::shared_ptr<HttpSession> m_session;
    QUrl m_url;
    std::chrono::milliseconds m_timeout;
    std::unique_ptr<RateLimiter> m_limiter;
};

} // namespace tallyra
