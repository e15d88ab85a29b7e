#include "rates/monobank_rates_client.h"

namespace tallyra {

MonobankRatesClient::MonobankRatesClient(std::shared_ptr<HttpSession> session, QUrl url,
                                         std::chrono::milliseconds timeout,
                                         std::unique_ptr<RateLimiter> limiter)
    : m_session(std::move(session)), m_url(std::move(url)), m_timeout(timeout),
      m_limiter(limiter ? std::move(limiter) : std::make_unique<RateLimiter>(kRequestSpacing))
{
}

void MonobankRatesClient::currencyList(QObject* context, ListHandler done) const
{
    auto self = shared_from_this();
    m_limiter->wait(context, [self, context, done = std::move(done)] {
        const QUrl url = self->m_url;
        self->m_session->get(
            url, self->m_timeout, context, [url, done](Result<HttpResponse, RateError> response) {
                if (!response)
                    return done(fail(response.error()));
                if (response->status != 200)
                    return done(fail(RateError::badServerResponse(url, response->status)));
                auto list = MonoCurrencyRate::decodeList(response->body);
                if (!list)
                    return done(fail(RateError::decodingFailed(url, list.error())));
                done(std::move(list).value());
            });
    });
}

} // namespace tallyra
