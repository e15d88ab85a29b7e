#include "rates/fallback_rate_provider.h"

#include <gtest/gtest.h>

#include "rate_test_support.h"
#include "rates/rate_endpoints.h"
#include "test_http_server.h"

using namespace tallyra;
using namespace tallyra::test;
using namespace std::chrono_literals;

namespace {

class FallbackTest : public ::testing::Test
{
protected:
    Result<RateFetch, RateError> fetch(const char* base, const CurrencySet& needing)
    {
        FallbackRateProvider fallback({nationalBank, monobank});
        Awaiter<Result<RateFetch, RateError>> awaiter;
        fallback.fetch(str(base), needing, &awaiter.context, awaiter.handler());
        auto result = awaiter.wait();
        if (!result)
            return fail(RateError(RateError::Code::unknown, QStringLiteral("no answer")));
        return *result;
    }

    std::shared_ptr<ScriptedProvider> nationalBank = std::make_shared<ScriptedProvider>();
    std::shared_ptr<ScriptedProvider> monobank = std::make_shared<ScriptedProvider>();
};

TEST_F(FallbackTest, stopsAtTheFirstSourceWithEverythingNeeded)
{
    nationalBank->ratesAnswers.push_back(snapshot(
        "UAH", {{"USD", "41.4"}, {"EUR", "48.1"}, {"GEL", "15.2"}}, RateSource::nationalBank));
    const auto result = fetch("UAH", codes({"USD", "EUR", "GEL"}));
    ASSERT_TRUE(result);
    EXPECT_TRUE(monobank->asks.isEmpty());
    EXPECT_FALSE(result->failure);
    EXPECT_EQ(result->rates.sources.at(QStringLiteral("GEL")), RateSource::nationalBank);
    ASSERT_EQ(nationalBank->asks.size(), 1);
    EXPECT_EQ(nationalBank->asks.at(0).needing, codes({"USD", "EUR", "GEL"}));
}

TEST_F(FallbackTest, laterSourceOnlyFillsWhatEarlierOnesLack)
{
    nationalBank->ratesAnswers.push_back(
        snapshot("UAH", {{"USD", "41.4"}, {"EUR", "48.1"}}, RateSource::nationalBank));
    monobank->ratesAnswers.push_back(
        snapshot("UAH", {{"USD", "41.45"}, {"EUR", "48.2"}, {"GEL", "15.3"}, {"BYN", "12.6"}},
                 RateSource::monobank));
    const auto result = fetch("UAH", codes({"USD", "EUR", "GEL"}));
    ASSERT_TRUE(result);
    EXPECT_EQ(monobank->asks.size(), 1);
    EXPECT_FALSE(result->failure);
    const FXRates expected = [] {
        FXRates rates =
            snapshot("UAH", {{"USD", "41.4"}, {"EUR", "48.1"}}, RateSource::nationalBank);
        rates.perUnit[QStringLiteral("GEL")] = dec("15.3");
        rates.sources[QStringLiteral("GEL")] = RateSource::monobank;
        rates.perUnit[QStringLiteral("BYN")] = dec("12.6");
        rates.sources[QStringLiteral("BYN")] = RateSource::monobank;
        return rates;
    }();
    EXPECT_EQ(result->rates, expected);
}

TEST_F(FallbackTest, failedFirstSourceBecomesTheFailureText)
{
    nationalBank->ratesAnswers.push_back(fail(networkError("bank.gov.ua didn’t answer in time.")));
    monobank->ratesAnswers.push_back(snapshot("UAH", {{"USD", "41.45"}}, RateSource::monobank));
    const auto result = fetch("UAH", codes({"USD"}));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->rates, snapshot("UAH", {{"USD", "41.45"}}, RateSource::monobank));
    EXPECT_EQ(result->failure, QStringLiteral("bank.gov.ua didn’t answer in time."));
}

TEST_F(FallbackTest, everySourceFailingFailsWithTheLastError)
{
    nationalBank->ratesAnswers.push_back(fail(networkError("first")));
    monobank->ratesAnswers.push_back(fail(RateError::badServerResponse(
        QUrl(QStringLiteral("https://api.monobank.ua/bank/currency")), 429)));
    const auto result = fetch("UAH", codes({"USD"}));
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().code(), RateError::Code::badServerResponse);
    EXPECT_EQ(result.error().userMessage(),
              QStringLiteral("api.monobank.ua sent a bad response (HTTP status 429)."));
}

TEST_F(FallbackTest, lastSourceFailingAfterAPartialAnswerKeepsTheAnswer)
{
    nationalBank->ratesAnswers.push_back(
        snapshot("UAH", {{"USD", "41.4"}}, RateSource::nationalBank));
    monobank->ratesAnswers.push_back(fail(networkError("mono down")));
    const auto result = fetch("UAH", codes({"USD", "RON"}));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->rates, snapshot("UAH", {{"USD", "41.4"}}, RateSource::nationalBank));
    EXPECT_EQ(result->failure, QStringLiteral("mono down"));
}

TEST_F(FallbackTest, withNothingNeededAnyNonEmptyAnswerIsEnough)
{
    nationalBank->ratesAnswers.push_back(snapshot("UAH", {}, RateSource::nationalBank));
    monobank->ratesAnswers.push_back(snapshot("UAH", {{"USD", "41.45"}}, RateSource::monobank));
    ASSERT_TRUE(fetch("UAH", {}));
    EXPECT_EQ(monobank->asks.size(), 1) << "an empty answer must not stop the walk";

    nationalBank->ratesAnswers.push_back(
        snapshot("UAH", {{"USD", "41.4"}}, RateSource::nationalBank));
    ASSERT_TRUE(fetch("UAH", {}));
    EXPECT_EQ(monobank->asks.size(), 1);
}

TEST_F(FallbackTest, theBaseNeverCountsAsNeeded)
{
    nationalBank->ratesAnswers.push_back(
        snapshot("USD", {{"UAH", "0.024"}}, RateSource::nationalBank));
    ASSERT_TRUE(fetch("USD", codes({"USD", "UAH"})));
    EXPECT_TRUE(monobank->asks.isEmpty());
}

TEST_F(FallbackTest, answerForAnotherBaseAddsNothing)
{
    nationalBank->ratesAnswers.push_back(
        snapshot("UAH", {{"USD", "41.4"}}, RateSource::nationalBank));
    monobank->ratesAnswers.push_back(snapshot("USD", {{"GEL", "0.37"}}, RateSource::monobank));
    const auto result = fetch("UAH", codes({"USD", "GEL"}));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->rates, snapshot("UAH", {{"USD", "41.4"}}, RateSource::nationalBank));
}

TEST(FallbackRateProvider, withoutSourcesFailsWithUnknown)
{
    FallbackRateProvider fallback({});
    Awaiter<Result<RateFetch, RateError>> awaiter;
    fallback.fetch(QStringLiteral("UAH"), {}, &awaiter.context, awaiter.handler());
    const auto result = awaiter.wait();
    ASSERT_TRUE(result);
    ASSERT_FALSE(*result);
    EXPECT_EQ(result->error().code(), RateError::Code::unknown);
}

TEST_F(FallbackTest, ratesDropsTheFailureText)
{
    nationalBank->ratesAnswers.push_back(fail(networkError("down")));
    monobank->ratesAnswers.push_back(snapshot("UAH", {{"USD", "41.45"}}, RateSource::monobank));
    FallbackRateProvider fallback({nationalBank, monobank});
    Awaiter<Result<FXRates, RateError>> awaiter;
    fallback.rates(QStringLiteral("UAH"), &awaiter.context, awaiter.handler());
    const auto result = awaiter.wait();
    ASSERT_TRUE(result && *result);
    EXPECT_EQ(**result, snapshot("UAH", {{"USD", "41.45"}}, RateSource::monobank));
    EXPECT_EQ(nationalBank->asks.at(0).needing, CurrencySet{});
}

// The two real sources behind the application's provider, over HTTP.
TEST(BankRateProvider, officialRateFailsAndMonobankFillsIn)
{
    TestHttpServer server;
    const QString nbuPath = QStringLiteral("/NBUStatService/v1/statdirectory/exchange?json");
    const QString monoPath = QStringLiteral("/bank/currency");
    server.serve(nbuPath, {500, "oops"});
    server.serve(monoPath, {200, recordedBody(QStringLiteral("monobank_currency.json"))});

    const auto provider =
        makeBankRateProvider(std::make_shared<HttpSession>(2s),
                             RateEndpoints{server.url(nbuPath), server.url(monoPath)});
    Awaiter<Result<RateFetch, RateError>> awaiter;
    provider->fetch(QStringLiteral("USD"), codes({"EUR", "GBP"}), &awaiter.context,
                    awaiter.handler());
    const auto result = awaiter.wait();
    ASSERT_TRUE(result && *result);
    const RateFetch& fetched = result->value();
    EXPECT_EQ(fetched.failure, QStringLiteral("127.0.0.1 sent a bad response (HTTP status 500)."));
    EXPECT_EQ(fetched.rates.perUnit.at(QStringLiteral("EUR")).toString(),
              QStringLiteral("1.1628448114"));
    EXPECT_EQ(fetched.rates.sources.at(QStringLiteral("EUR")), RateSource::monobank);
    EXPECT_EQ(server.requestCount(nbuPath), 1);
    EXPECT_EQ(server.requestCount(monoPath), 1);
}

TEST(BankRateProvider, officialRateWinsWhereBothListACurrency)
{
    TestHttpServer server;
    const QString nbuPath = QStringLiteral("/nbu");
    const QString monoPath = QStringLiteral("/mono");
    server.serve(nbuPath, {200, R"([{"cc":"USD","rate":41.4092},{"cc":"EUR","rate":48.1702}])"});
    server.serve(monoPath, {200, recordedBody(QStringLiteral("monobank_currency.json"))});

    const auto provider =
        makeBankRateProvider(std::make_shared<HttpSession>(2s),
                             RateEndpoints{server.url(nbuPath), server.url(monoPath)});
    Awaiter<Result<RateFetch, RateError>> awaiter;
    provider->fetch(QStringLiteral("UAH"), codes({"USD", "GEL"}), &awaiter.context,
                    awaiter.handler());
    const auto result = awaiter.wait();
    ASSERT_TRUE(result && *result);
    const FXRates& rates = result->value().rates;
    EXPECT_EQ(rates.perUnit.at(QStringLiteral("USD")).toString(), QStringLiteral("41.4092"));
    EXPECT_EQ(rates.sources.at(QStringLiteral("USD")), RateSource::nationalBank);
    EXPECT_EQ(rates.perUnit.at(QStringLiteral("GEL")).toString(), QStringLiteral("15.3377"));
    EXPECT_EQ(rates.sources.at(QStringLiteral("GEL")), RateSource::monobank);
    EXPECT_FALSE(result->value().failure);
}

TEST(RateEndpoints, environmentReplacesWholeURLs)
{
    const RateEndpoints standard = RateEndpoints::defaults();
    EXPECT_EQ(standard.nationalBank.toString(),
              QStringLiteral("https://bank.gov.ua/NBUStatService/v1/statdirectory/exchange?json"));
    EXPECT_EQ(standard.monobank.toString(),
              QStringLiteral("https://api.monobank.ua/bank/currency"));

    qunsetenv(RateEndpoints::kNationalBankVariable);
    qunsetenv(RateEndpoints::kMonobankVariable);
    EXPECT_EQ(RateEndpoints::fromEnvironment(), standard);

    qputenv(RateEndpoints::kNationalBankVariable, "http://127.0.0.1:8080/mirror/nbu.json");
    qputenv(RateEndpoints::kMonobankVariable, "ftp://example.org/currency");
    const RateEndpoints fromEnvironment = RateEndpoints::fromEnvironment();
    EXPECT_EQ(fromEnvironment.nationalBank.toString(),
              QStringLiteral("http://127.0.0.1:8080/mirror/nbu.json"));
    EXPECT_EQ(fromEnvironment.monobank, standard.monobank) << "not http(s): ignored";

    qputenv(RateEndpoints::kMonobankVariable, "not a url");
    EXPECT_EQ(RateEndpoints::fromEnvironment().monobank, standard.monobank);
    qunsetenv(RateEndpoints::kNationalBankVariable);
    qunsetenv(RateEndpoints::kMonobankVariable);
}

} // namespace
