#pragma once

// NBURateProvider: the National Bank of Ukraine's official rates, one
// download of the whole list per call whatever the caller needs.
//
// The bank quotes every currency as hryvnias per unit ("rate") by
// alphabetic code ("cc"). The table starts with UAH = 1; rows with a rate
// not greater than 0 are skipped and a later row replaces an earlier one
// (the seeded UAH too). Each rate is then re-expressed against the base:
// perUnit[C] = T[C] ÷ T[base], exactly, rounded to 10 fractional digits
// with ties away from zero. The base is never a key of the result.
//
// Errors: a status other than 200 or an answer that isn't HTTP →
// badServerResponse; malformed JSON or a row without "cc"/"rate" →
// decodingFailed; no usable row for the base → cannotParseResponse;
// transport failures and the session's time-out are passed on.
//
// Thread safety: immutable; see RateProvider.

#include <memory>

#include <QList>
#include <QUrl>

#include "rates/http_session.h"
#include "rates/rate_provider.h"

namespace tallyra {

class NBURateProvider final : public RateProvider
{
public:
    // One element of the bank's array; every other key is ignored.
    struct Row
    {
        QString cc;
        double rate = 0;

        friend bool operator==(const Row& a, const Row& b) = default;
    };

    NBURateProvider(std::shared_ptr<HttpSession> session, QUrl url);

    [[nodiscard]] const QUrl& url() const noexcept { return m_url; }

    using RateProvider::rates;
    void rates(const CurrencyCode& base, const CurrencySet& needing, QObject* context,
               RatesHandler done) const override;

    // The failure is the reason, for RateError::decodingFailed.
    [[nodiscard]] static Result<QList<Row>, QString> decodeRows(const QByteArray& body);
    // Nothing when no usable row is the base.
    [[nodiscard]] static std::optional<FXRates> ratesFromRows(const QList<Row>& rows,
                                                              const CurrencyCode& base);

private:
    std::shared_ptr<HttpSession> m_session;
    QUrl m_url;
};

} // namespace tallyra
