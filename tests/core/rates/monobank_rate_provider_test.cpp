#include "rates/monobank_rate_provider.h"

#include <gtest/gtest.h>
#include <unicode/ucurr.h>

#include "rate_test_support.h"
#include "rates/currency_numeric_codes.h"
#include "rates/monobank_rates_client.h"
#include "test_http_server.h"

using namespace tallyra;
using namespace tallyra::test;
using namespace std::chrono_literals;

namespace {

const QString kPath = QStringLiteral("/bank/currency");

// A limiter that never sleeps for real: the clock only moves when told to
// and when a sleep is asked for.
struct ManualTime
{
    RateLimiter::Instant now{};
    QList<RateLimiter::Duration> sleeps;

    std::unique_ptr<RateLimiter> limiter(RateLimiter::Duration interval = 5s)
    {
        return std::make_unique<RateLimiter>(
            interval, [this] { return now; },
            [this](RateLimiter::Duration delay, QObject* context, std::function<void()> wake) {
                sleeps.append(delay);
                now += delay;
                QTimer::singleShot(0, context, std::move(wake));
            });
    }
};

class MonobankTest : public ::testing::Test
{
protected:
    std::shared_ptr<MonobankRatesClient> client(std::chrono::milliseconds timeout = 5s)
    {
        return std::make_shared<MonobankRatesClient>(std::make_shared<HttpSession>(),
                                                     server.url(kPath), timeout, time.limiter());
    }

    Result<FXRates, RateError> ratesFor(const QString& base)
    {
        MonobankRateProvider provider(client());
        Awaiter<Result<FXRates, RateError>> awaiter;
        provider.rates(base, &awaiter.context, awaiter.handler());
        auto result = awaiter.wait();
        if (!result)
            return fail(RateError(RateError::Code::unknown, QStringLiteral("no answer")));
        return *result;
    }

    Result<QList<MonoCurrencyRate>, RateError> listFrom(MonobankRatesClient& api)
    {
        Awaiter<Result<QList<MonoCurrencyRate>, RateError>> awaiter;
        api.currencyList(&awaiter.context, awaiter.handler());
        auto result = awaiter.wait();
        if (!result)
            return fail(RateError(RateError::Code::unknown, QStringLiteral("no answer")));
        return *result;
    }

    TestHttpServer server;
    ManualTime time;
};

struct Expected
{
    const char* base;
    const char* currency;
    const char* perUnit; // absent from the result when null
};

class MonobankBaseTest : public MonobankTest, public ::testing::WithParamInterface<Expected>
{
};

TEST_P(MonobankBaseTest, reExpressesHryvniaQuotesAgainstTheBase)
{
    server.serve(kPath, {200, recordedBody(QStringLiteral("monobank_currency.json"))});
    const Expected expected = GetParam();
    const auto result = ratesFor(str(expected.base));
    ASSERT_TRUE(result) << result.error().userMessage().toStdString();
    EXPECT_EQ(result->base, str(expected.base));
    const auto found = result->perUnit.find(str(expected.currency));
    if (!expected.perUnit) {
        EXPECT_EQ(found, result->perUnit.end());
        return;
    }
    ASSERT_NE(found, result->perUnit.end());
    EXPECT_EQ(found->second.toString(), str(expected.perUnit));
    EXPECT_EQ(result->sources.at(str(expected.currency)), RateSource::monobank);
}

INSTANTIATE_TEST_SUITE_P(
    Bases, MonobankBaseTest,
    ::testing::Values(
        // Buy/sell midpoint; the EUR/USD cross pair changes nothing.
        Expected{"UAH", "USD", "41.4502"}, Expected{"UAH", "EUR", "48.20015"},
        // Midpoint wins over a cross rate that is also there.
        Expected{"UAH", "PLN", "11.325"},
        // Only a sell rate and a cross rate: the cross rate.
        Expected{"UAH", "ISK", "0.3302"}, Expected{"UAH", "GBP", "55.7001"},
        // No usable rate, a zero rate, a number outside the table.
        Expected{"UAH", "MDL", nullptr}, Expected{"UAH", "AUD", nullptr},
        Expected{"UAH", "XXX", nullptr}, Expected{"UAH", "UAH", nullptr},
        Expected{"USD", "UAH", "0.0241253359"}, Expected{"USD", "EUR", "1.1628448114"},
        Expected{"USD", "JPY", "0.0066706554"}, Expected{"EUR", "UAH", "0.0207468234"},
        Expected{"EUR", "USD", "0.8599599794"}, Expected{"EUR", "PLN", "0.234957775"}));

TEST(MonobankRateProvider, publishesOnlyRatesThatAreRates)
{
    const auto quote = [](int code, std::optional<double> buy, std::optional<double> sell,
                          std::optional<double> cross = std::nullopt) {
        return MonoCurrencyRate{code, 980, 1733000000, buy, sell, cross};
    };
    const FXRates rates = MonobankRateProvider::ratesFromList(
        {quote(840, 41.4, 41.5), quote(978, -48.0, 48.4), quote(985, 1e-12, 2e-12),
         quote(826, std::nullopt, std::nullopt, 1e-11), quote(756, 0.0, 47.0, 46.9)},
        str("UAH"));
    EXPECT_EQ(rates.perUnit.size(), 1u);
    EXPECT_EQ(rates.perUnit.at(str("USD")), dec("41.45"));
}

TEST_F(MonobankTest, baseMissingFromTheListGivesAnEmptySnapshot)
{
    server.serve(kPath, {200, recordedBody(QStringLiteral("monobank_currency.json"))});
    for (const char* base : {"CHF", "XXX", "MDL"}) {
        const auto result = ratesFor(str(base));
        ASSERT_TRUE(result) << base;
        EXPECT_EQ(*result, FXRates::empty(str(base)));
    }
}

TEST_F(MonobankTest, clientDecodesTheRecordedList)
{
    server.serve(kPath, {200, recordedBody(QStringLiteral("monobank_currency.json"))});
    auto api = client();
    const auto list = listFrom(*api);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 13);
    EXPECT_EQ(list->at(0), (MonoCurrencyRate{840, 980, 1764892873, 41.25, 41.6504, std::nullopt}));
    EXPECT_EQ(list->at(9),
              (MonoCurrencyRate{498, 980, 1764885673, std::nullopt, std::nullopt, std::nullopt}));
}

class MonobankBadAnswerTest : public MonobankTest, public ::testing::WithParamInterface<BadAnswer>
{
};

TEST_P(MonobankBadAnswerTest, failsTheWholeCall)
{
    const BadAnswer bad = GetParam();
    server.serve(kPath, {bad.status, bad.body});
    const auto result = ratesFor(QStringLiteral("UAH"));
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().code(), bad.code);
    EXPECT_EQ(result.error().userMessage(), str(bad.message));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MonobankBadAnswerTest,
    ::testing::Values(
        BadAnswer{"tooManyRequests", 429, R"({"errorDescription":"Too many requests"})",
                  RateError::Code::badServerResponse,
                  "127.0.0.1 sent a bad response (HTTP status 429)."},
        BadAnswer{"serverError", 500, "", RateError::Code::badServerResponse,
                  "127.0.0.1 sent a bad response (HTTP status 500)."},
        BadAnswer{"missingDate", 200,
                  R"([{"currencyCodeA":840,"currencyCodeB":980,"rateCross":41}])",
                  RateError::Code::decodingFailed,
                  "The answer from 127.0.0.1 couldn’t be read: item 1 has no “date”."},
        BadAnswer{
            "missingCodeB", 200,
            R"([{"currencyCodeA":840,"currencyCodeB":980,"date":1},{"currencyCodeA":978,"date":1}])",
            RateError::Code::decodingFailed,
            "The answer from 127.0.0.1 couldn’t be read: item 2 has no “currencyCodeB”."},
        BadAnswer{"textCode", 200, R"([{"currencyCodeA":"840","currencyCodeB":980,"date":1}])",
                  RateError::Code::decodingFailed,
                  "The answer from 127.0.0.1 couldn’t be read: “currencyCodeA” in item 1 isn’t a "
                  "number."},
        BadAnswer{
            "fractionalDate", 200, R"([{"currencyCodeA":840,"currencyCodeB":980,"date":1.5}])",
            RateError::Code::decodingFailed,
            "The answer from 127.0.0.1 couldn’t be read: “date” in item 1 isn’t a whole number."},
        BadAnswer{
            "textRate", 200,
            R"([{"currencyCodeA":840,"currencyCodeB":980,"date":1,"rateCross":"41"}])",
            RateError::Code::decodingFailed,
            "The answer from 127.0.0.1 couldn’t be read: “rateCross” in item 1 isn’t a number."}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MonobankTest, nullOptionalRatesCountAsAbsent)
{
    server.serve(kPath, {200, R"([{"currencyCodeA":840,"currencyCodeB":980,"date":1,
                                   "rateBuy":null,"rateSell":41.7,"rateCross":41.6}])"});
    const auto result = ratesFor(QStringLiteral("UAH"));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->perUnit.at(QStringLiteral("USD")).toString(), QStringLiteral("41.6"));
}

TEST_F(MonobankTest, clientTimesOutOnASlowAnswer)
{
    server.serve(kPath, {200, "[]", 0ms, true});
    auto api = client(150ms);
    const auto started = std::chrono::steady_clock::now();
    const auto list = listFrom(*api);
    ASSERT_FALSE(list);
    EXPECT_EQ(list.error().code(), RateError::Code::timedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 3s);
}

TEST_F(MonobankTest, clientSpacesRequestsFiveSecondsApart)
{
    server.serve(kPath, {200, "[]"});
    auto api = client();
    ASSERT_TRUE(listFrom(*api));
    EXPECT_TRUE(time.sleeps.isEmpty());
    EXPECT_EQ(api->limiter().remaining(), 5s);

    time.now += 1500ms;
    ASSERT_TRUE(listFrom(*api));
    EXPECT_EQ(time.sleeps, (QList<RateLimiter::Duration>{3500ms}));

    time.now += 7s;
    ASSERT_TRUE(listFrom(*api));
    EXPECT_EQ(time.sleeps.size(), 1);
    EXPECT_EQ(server.requestCount(kPath), 3);
}

TEST(MonobankRatesClient, usesTheStandardTimeOutAndSpacing)
{
    MonobankRatesClient client(std::make_shared<HttpSession>(),
                               QUrl(QStringLiteral("https://example.invalid/")));
    EXPECT_EQ(client.timeout(), 30s);
    EXPECT_EQ(client.limiter().interval(), 5s);
    EXPECT_EQ(client.limiter().remaining(), 0s);
}

TEST(CurrencyNumericCodes, holdsTheFixedTable)
{
    const auto& table = currencyNumericCodes();
    EXPECT_EQ(table.size(), 158u);
    EXPECT_EQ(alphabeticCurrencyCode(840), QStringLiteral("USD"));
    EXPECT_EQ(alphabeticCurrencyCode(978), QStringLiteral("EUR"));
    EXPECT_EQ(alphabeticCurrencyCode(980), QStringLiteral("UAH"));
    EXPECT_EQ(alphabeticCurrencyCode(924), QStringLiteral("ZWG"));
    EXPECT_FALSE(alphabeticCurrencyCode(999).has_value());
    EXPECT_FALSE(alphabeticCurrencyCode(0).has_value());
}

TEST(CurrencyNumericCodes, agreesWithIcuWhereIcuKnowsTheCode)
{
    int checked = 0;
    for (const auto& [numeric, alphabetic] : currencyNumericCodes()) {
        const std::u16string code = alphabetic.toStdU16String();
        const int32_t icuNumeric =
            ucurr_getNumericCode(reinterpret_cast<const UChar*>(code.c_str()));
        if (icuNumeric == 0)
            continue; // newer than this ICU
        EXPECT_EQ(icuNumeric, numeric) << alphabetic.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 150);
}

} // namespace
