#pragma once

// RateEndpoints: where the two bank sources are. The defaults are the
// banks' public HTTPS endpoints; either whole URL can be replaced through
// the environment, for mirrors, users behind a filtering proxy and tests:
//   TALLYRA_NBU_URL       the National Bank's exchange list
//   TALLYRA_MONOBANK_URL  Monobank's public currency list
// A value that isn't an absolute http or https URL is ignored with a
// warning in the log, and the default is used.
//
// makeBankRateProvider() builds the provider the application uses: the
// National Bank first (the official rate wins wherever both list a
// currency), then Monobank for the currencies the National Bank lacks.
//
// Thread safety: values and free functions; reading the environment is
// meant for start-up.

#include <memory>

#include <QUrl>

#include "rates/http_session.h"
#include "rates/rate_provider.h"

namespace tallyra {

struct RateEndpoints
{
    QUrl nationalBank;
    QUrl monobank;

    static constexpr char kNationalBankVariable[] = "TALLYRA_NBU_URL";
    static constexpr char kMonobankVariable[] = "TALLYRA_MONOBANK_URL";

    [[nodiscard]] static RateEndpoints defaults();
    // The defaults with the environment's replacements applied.
    [[nodiscard]] static RateEndpoints fromEnvironment();

    friend bool operator==(const RateEndpoints& a, const RateEndpoints& b) = default;
};

[[nodiscard]] std::shared_ptr<const RateProvider>
makeBankRateProvider(std::shared_ptr<HttpSession> session, const RateEndpoints& endpoints);

} // namespace tallyra
