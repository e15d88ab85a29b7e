#include "rates/rate_endpoints.h"

#include <QLoggingCategory>

#include "rates/fallback_rate_provider.h"
#include "rates/monobank_rate_provider.h"
#include "rates/monobank_rates_client.h"
#include "rates/nbu_rate_provider.h"

namespace tallyra {

namespace {

Q_LOGGING_CATEGORY(logRates, "tallyra.rates")

QUrl endpointFrom(const char* variable, const QUrl& fallback)
{
    if (!qEnvironmentVariableIsSet(variable))
        return fallback;
    const QString text = qEnvironmentVariable(variable).trimmed();
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.isRelative() || url.host().isEmpty() ||
        (scheme != u"http" && scheme != u"https")) {
        qCWarning(logRates, "%s is not an http(s) URL (“%s”); using %s", variable,
                  qUtf8Printable(text), qUtf8Printable(fallback.toDisplayString()));
        return fallback;
    }
    return url;
}

} // namespace

RateEndpoints RateEndpoints::defaults()
{
    return RateEndpoints{
        QUrl(QStringLiteral("https://bank.gov.ua/NBUStatService/v1/statdirectory/exchange?json")),
        QUrl(QStringLiteral("https://api.monobank.ua/bank/currency")),
    };
}

RateEndpoints RateEndpoints::fromEnvironment()
{
    const RateEndpoints standard = defaults();
    return RateEndpoints{
        endpointFrom(kNationalBankVariable, standard.nationalBank),
        endpointFrom(kMonobankVariable, standard.monobank),
    };
}

std::shared_ptr<const RateProvider> makeBankRateProvider(std::shared_ptr<HttpSession> session,
                                                         const RateEndpoints& endpoints)
{
    auto nationalBank = std::make_shared<NBURateProvider>(session, endpoints.nationalBank);
    auto client = std::make_shared<MonobankRatesClient>(session, endpoints.monobank);
    auto monobank = std::make_shared<MonobankRateProvider>(std::move(client));
    return std::make_shared<FallbackRateProvider>(
        QList<std::shared_ptr<const RateProvider>>{std::move(nationalBank), std::move(monobank)});
}

} // namespace tallyra
