#include "rates/rate_error.h"

#include <QCoreApplication>

namespace tallyra {

namespace {

// The host names the source in messages; the full URL (with its query) only
// goes to the detail.
QString hostOf(const QUrl& url)
{
    const QString host = url.host();
    return host.isEmpty() ? url.toDisplayString() : host;
}

} // namespace

RateError::RateError(Code code, QString userMessage, QString detail)
    : Error(std::move(userMessage), std::move(detail)), m_code(code)
{
}

RateError RateError::badServerResponse(const QUrl& url, std::optional<int> status)
{
    const QString detail = url.toDisplayString();
    if (!status)
        return {Code::badServerResponse,
                QCoreApplication::translate("RateError", "%1 sent a response that isn’t HTTP.")
                    .arg(hostOf(url)),
                detail};
    return {Code::badServerResponse,
            QCoreApplication::translate("RateError", "%1 sent a bad response (HTTP status %2).")
                .arg(hostOf(url))
                .arg(*status),
            detail};
}

RateError RateError::cannotParseResponse(const QUrl& url, const QString& base)
{
    return {Code::cannotParseResponse,
            QCoreApplication::translate("RateError", "The rates from %1 don’t include %2.")
                .arg(hostOf(url), base),
            url.toDisplayString()};
}

RateError RateError::unknown()
{
    return {Code::unknown,
            QCoreApplication::translate("RateError", "No exchange-rate source is set up.")};
}

RateError RateError::noUsableRates()
{
    return {Code::noUsableRates,
            QCoreApplication::translate("RateError",
                                        "The banks’ answer held no usable exchange rates.")};
}

RateError RateError::implausibleRates()
{
    return {Code::implausibleRates,
            QCoreApplication::translate(
                "RateError", "Some of the banks’ rates looked wrong and were left out.")};
}

RateError RateError::deadline()
{
    return {Code::deadline,
            QCoreApplication::translate("RateError", "The banks didn’t answer in time.")};
}

RateError RateError::decodingFailed(const QUrl& url, const QString& reason)
{
    return {Code::decodingFailed,
            QCoreApplication::translate("RateError", "The answer from %1 couldn’t be read: %2")
                .arg(hostOf(url), reason),
            url.toDisplayString()};
}

RateError RateError::timedOut(const QUrl& url)
{
    return {Code::timedOut,
            QCoreApplication::translate("RateError", "%1 didn’t answer in time.").arg(hostOf(url)),
            url.toDisplayString()};
}

RateError RateError::cancelled(const QUrl& url)
{
    return {Code::cancelled,
            QCoreApplication::translate("RateError", "The request to %1 was cancelled.")
                .arg(hostOf(url)),
            url.toDisplayString()};
}

RateError RateError::network(const QUrl& url, const QString& reason)
{
    return {
        Code::network,
        QCoreApplication::translate("RateError", "Couldn’t reach %1: %2").arg(hostOf(url), reason),
        url.toDisplayString()};
}

} // namespace tallyra
