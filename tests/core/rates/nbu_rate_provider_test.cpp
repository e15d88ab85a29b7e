#include "rates/nbu_rate_provider.h"

#include <gtest/gtest.h>

#include "rate_test_support.h"
#include "test_http_server.h"

using namespace tallyra;
using namespace tallyra::test;
using namespace std::chrono_literals;

namespace {

const QString kPath = QStringLiteral("/NBUStatService/v1/statdirectory/exchange?json");

class NBURateProviderTest : public ::testing::Test
{
protected:
    Result<FXRates, RateError> ratesFor(const QString& base, std::chrono::milliseconds timeout = 5s)
    {
        NBURateProvider provider(std::make_shared<HttpSession>(timeout), server.url(kPath));
        Awaiter<Result<FXRates, RateError>> awaiter;
        provider.rates(base, &awaiter.context, awaiter.handler());
        auto result = awaiter.wait();
        if (!result)
            return fail(RateError(RateError::Code::unknown, QStringLiteral("no answer")));
        return *result;
    }

    TestHttpServer server;
};

struct Expected
{
    const char* base;
    const char* currency;
    const char* perUnit; // absent from the result when null
};

class NBUBaseTest : public NBURateProviderTest, public ::testing::WithParamInterface<Expected>
{
};

TEST_P(NBUBaseTest, reExpressesTheRecordedAnswerAgainstTheBase)
{
    server.serve(kPath, {200, recordedBody(QStringLiteral("nbu_exchange.json"))});
    const Expected expected = GetParam();
    const auto result = ratesFor(str(expected.base));
    ASSERT_TRUE(result) << result.error().userMessage().toStdString();
    EXPECT_EQ(result->base, str(expected.base));
    const auto found = result->perUnit.find(str(expected.currency));
    if (!expected.perUnit) {
        EXPECT_EQ(found, result->perUnit.end());
        EXPECT_FALSE(result->sources.contains(str(expected.currency)));
        return;
    }
    ASSERT_NE(found, result->perUnit.end());
    EXPECT_EQ(found->second.toString(), str(expected.perUnit));
    EXPECT_EQ(result->sources.at(str(expected.currency)), RateSource::nationalBank);
}

INSTANTIATE_TEST_SUITE_P(
    Bases, NBUBaseTest,
    ::testing::Values(Expected{"UAH", "USD", "41.4092"}, Expected{"UAH", "EUR", "48.1702"},
                      Expected{"UAH", "HUF", "0.10613"}, Expected{"UAH", "XAU", "172803.74"},
                      Expected{"UAH", "UAH", nullptr}, Expected{"USD", "UAH", "0.0241492229"},
                      Expected{"USD", "EUR", "1.1632728959"}, Expected{"USD", "JPY", "0.006649247"},
                      Expected{"USD", "KZT", "0.0019358983"}, Expected{"USD", "USD", nullptr},
                      Expected{"EUR", "UAH", "0.0207597228"}, Expected{"EUR", "USD", "0.859643514"},
                      Expected{"EUR", "XAU", "3587.3577439994"}, Expected{"EUR", "EUR", nullptr}));

TEST_F(NBURateProviderTest, keepsEveryListedCurrencyAndAddsHryvnia)
{
    server.serve(kPath, {200, recordedBody(QStringLiteral("nbu_exchange.json"))});
    const auto result = ratesFor(QStringLiteral("USD"));
    ASSERT_TRUE(result);
    // 22 rows, minus the base, plus UAH.
    EXPECT_EQ(result->perUnit.size(), 22u);
    EXPECT_EQ(result->sources.size(), 22u);
}

TEST_F(NBURateProviderTest, roundsHalfAwayFromZeroOnTheDecimalText)
{
    // 0.12345678905 is a tie at the 10th digit in decimal; its binary double
    // lies below it, so rounding the double would give ...890.
    server.serve(kPath, {200, R"([{"cc":"ABC","rate":0.12345678905},{"cc":"DEF","rate":2}])"});
    const auto result = ratesFor(QStringLiteral("UAH"));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->perUnit.at(QStringLiteral("ABC")).toString(), QStringLiteral("0.1234567891"));
}

TEST_F(NBURateProviderTest, skipsRatesNotGreaterThanZeroAndLetsLaterRowsWin)
{
    server.serve(kPath, {200, R"([{"cc":"USD","rate":41.5},{"cc":"EUR","rate":0},
                                  {"cc":"GBP","rate":-3},{"cc":"USD","rate":42},
                                  {"cc":"UAH","rate":2}])"});
    // The UAH row replaces the seeded 1, so hryvnia quotes are halved.
    const auto result = ratesFor(QStringLiteral("UAH"));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->perUnit.at(QStringLiteral("USD")).toString(), QStringLiteral("21"));
    EXPECT_FALSE(result->perUnit.contains(QStringLiteral("EUR")));
    EXPECT_FALSE(result->perUnit.contains(QStringLiteral("GBP")));

    const auto againstUsd = ratesFor(QStringLiteral("USD"));
    ASSERT_TRUE(againstUsd);
    EXPECT_EQ(againstUsd->perUnit.at(QStringLiteral("UAH")).toString(),
              QStringLiteral("0.0476190476"));
}

TEST(NBURateProvider, publishesOnlyRatesThatSurviveTheArithmetic)
{
    using Row = NBURateProvider::Row;
    // 1e-11 hryvnia rounds to 0 at ten digits; over a denormal base every
    // quotient is beyond a double.
    const auto tiny =
        NBURateProvider::ratesFromRows({Row{str("USD"), 41.5}, Row{str("XAG"), 1e-11}}, str("UAH"));
    ASSERT_TRUE(tiny);
    EXPECT_FALSE(tiny->perUnit.contains(str("XAG")));
    EXPECT_EQ(tiny->perUnit.at(str("USD")), dec("41.5"));

    const auto denormal = NBURateProvider::ratesFromRows(
        {Row{str("USD"), 41.5}, Row{str("ABC"), 4.9e-322}}, str("ABC"));
    ASSERT_TRUE(denormal);
    EXPECT_TRUE(denormal->perUnit.empty());
}

TEST_F(NBURateProviderTest, baseWithoutAUsableRateCannotBeParsed)
{
    server.serve(kPath, {200, R"([{"cc":"USD","rate":41.5},{"cc":"EUR","rate":0}])"});
    for (const char* base : {"EUR", "GEL"}) {
        const auto result = ratesFor(str(base));
        ASSERT_FALSE(result) << base;
        EXPECT_EQ(result.error().code(), RateError::Code::cannotParseResponse);
        EXPECT_EQ(result.error().userMessage(),
                  QStringLiteral("The rates from 127.0.0.1 don’t include %1.").arg(str(base)));
    }
}

class NBUBadAnswerTest : public NBURateProviderTest, public ::testing::WithParamInterface<BadAnswer>
{
};

TEST_P(NBUBadAnswerTest, failsWithAReadableError)
{
    const BadAnswer bad = GetParam();
    server.serve(kPath, {bad.status, bad.body});
    const auto result = ratesFor(QStringLiteral("UAH"));
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().code(), bad.code);
    EXPECT_EQ(result.error().userMessage(), str(bad.message));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, NBUBadAnswerTest,
    ::testing::Values(
        BadAnswer{"tooManyRequests", 429, "[]", RateError::Code::badServerResponse,
                  "127.0.0.1 sent a bad response (HTTP status 429)."},
        BadAnswer{"serverError", 500, R"([{"cc":"USD","rate":41.5}])",
                  RateError::Code::badServerResponse,
                  "127.0.0.1 sent a bad response (HTTP status 500)."},
        BadAnswer{"truncated", 200, R"([{"cc":"USD","rate":41.5},{"cc":)",
                  RateError::Code::decodingFailed,
                  "The answer from 127.0.0.1 couldn’t be read: it isn’t valid JSON (unterminated "
                  "object at byte 32)."},
        BadAnswer{"notAnArray", 200, R"({"cc":"USD","rate":41.5})", RateError::Code::decodingFailed,
                  "The answer from 127.0.0.1 couldn’t be read: it isn’t a list of rates."},
        BadAnswer{"missingRate", 200, R"([{"cc":"USD","rate":41.5},{"cc":"EUR"}])",
                  RateError::Code::decodingFailed,
                  "The answer from 127.0.0.1 couldn’t be read: item 2 has no “rate”."},
        BadAnswer{"missingCode", 200, R"([{"r030":840,"rate":41.5}])",
                  RateError::Code::decodingFailed,
                  "The answer from 127.0.0.1 couldn’t be read: item 1 has no “cc”."},
        BadAnswer{"textRate", 200, R"([{"cc":"USD","rate":"41.5"}])",
                  RateError::Code::decodingFailed,
                  "The answer from 127.0.0.1 couldn’t be read: “rate” in item 1 isn’t a number."},
        BadAnswer{"nullCode", 200, R"([{"cc":null,"rate":41.5}])", RateError::Code::decodingFailed,
                  "The answer from 127.0.0.1 couldn’t be read: item 1 has no “cc”."}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(NBURateProviderTest, slowAnswerTimesOut)
{
    server.serve(kPath, {200, "[]", 0ms, true});
    const auto started = std::chrono::steady_clock::now();
    const auto result = ratesFor(QStringLiteral("UAH"), 150ms);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().code(), RateError::Code::timedOut);
    EXPECT_EQ(result.error().userMessage(), QStringLiteral("127.0.0.1 didn’t answer in time."));
    EXPECT_LT(std::chrono::steady_clock::now() - started, 3s);
}

TEST_F(NBURateProviderTest, answerWithinTheTimeOutArrives)
{
    server.serve(kPath, {200, R"([{"cc":"USD","rate":41.5}])", 50ms});
    EXPECT_TRUE(ratesFor(QStringLiteral("UAH"), 2s));
}

TEST(NBURateProvider, refusedConnectionIsANetworkError)
{
    QUrl closed;
    {
        TestHttpServer gone;
        closed = gone.url(kPath);
    }
    NBURateProvider provider(std::make_shared<HttpSession>(2s), closed);
    Awaiter<Result<FXRates, RateError>> awaiter;
    provider.rates(QStringLiteral("UAH"), &awaiter.context, awaiter.handler());
    const auto result = awaiter.wait();
    ASSERT_TRUE(result);
    ASSERT_FALSE(*result);
    EXPECT_EQ(result->error().code(), RateError::Code::network);
    EXPECT_TRUE(
        result->error().userMessage().startsWith(QStringLiteral("Couldn’t reach 127.0.0.1: ")));
}

TEST(NBURateProvider, answerThatIsNotHttpIsABadServerResponse)
{
    const QUrl file =
        QUrl::fromLocalFile(QStringLiteral(TALLYRA_RATES_TEST_DATA "/nbu_exchange.json"));
    NBURateProvider provider(std::make_shared<HttpSession>(2s), file);
    Awaiter<Result<FXRates, RateError>> awaiter;
    provider.rates(QStringLiteral("UAH"), &awaiter.context, awaiter.handler());
    const auto result = awaiter.wait();
    ASSERT_TRUE(result);
    ASSERT_FALSE(*result);
    EXPECT_EQ(result->error().code(), RateError::Code::badServerResponse);
}

TEST_F(NBURateProviderTest, destroyedContextDropsTheAnswer)
{
    server.serve(kPath, {200, R"([{"cc":"USD","rate":41.5}])", 30ms});
    NBURateProvider provider(std::make_shared<HttpSession>(2s), server.url(kPath));
    bool called = false;
    {
        QObject context;
        provider.rates(QStringLiteral("UAH"), &context, [&called](auto) { called = true; });
    }
    QEventLoop loop;
    QTimer::singleShot(200ms, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(called);
    EXPECT_EQ(server.requestCount(kPath), 1);
}

} // namespace
