#pragma once

// RateError: why a rate download failed. Every failure of the rate sources
// is one of these codes with a sentence the user can read ("bank.gov.ua
// sent a bad response (HTTP status 500)."); the exchange-rate service shows
// that sentence as its last error. The detail is for the log.
//
// Thread safety: a value; any thread.

#include <optional>

#include <QString>
#include <QUrl>

#include "base/error.h"

namespace tallyra {

class RateError final : public Error
{
public:
    enum class Code
    {
        badServerResponse,   // not an HTTP answer, or a status other than 200
        cannotParseResponse, // a well-formed answer without the base currency
        unknown,             // no source to ask
        decodingFailed,      // malformed JSON or a missing or mistyped key
        timedOut,
        cancelled,
        network,          // the connection failed: no route, refused, TLS, DNS
        noUsableRates,    // answers came, but none held a rate worth keeping
        implausibleRates, // some rates of an answer were left out as impossible
        deadline,         // the sources together took longer than a refresh may
    };

    RateError(Code code, QString userMessage, QString detail = {});

    [[nodiscard]] Code code() const noexcept { return m_code; }

    // Status absent: the answer was not an HTTP response at all.
    [[nodiscard]] static RateError badServerResponse(const QUrl& url, std::optional<int> status);
    [[nodiscard]] static RateError cannotParseResponse(const QUrl& url, const QString& base);
    [[nodiscard]] static RateError unknown();
    [[nodiscard]] static RateError noUsableRates();
    [[nodiscard]] static RateError implausibleRates();
    [[nodiscard]] static RateError deadline();
    [[nodiscard]] static RateError decodingFailed(const QUrl& url, const QString& reason);
    [[nodiscard]] static RateError timedOut(const QUrl& url);
    [[nodiscard]] static RateError cancelled(const QUrl& url);
    [[nodiscard]] static RateError network(const QUrl& url, const QString& reason);

private:
    Code m_code;
};

} // namespace tallyra
