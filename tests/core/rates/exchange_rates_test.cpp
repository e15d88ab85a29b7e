#include "rates/exchange_rates.h"

#include <gtest/gtest.h>

#include "money/currency.h"
#include "rate_test_support.h"
#include "rates/rate_endpoints.h"
#include "test_http_server.h"

using namespace tallyra;
using namespace tallyra::test;
using namespace std::chrono_literals;

namespace {

constexpr RateSource nbu = RateSource::nationalBank;
constexpr RateSource mono = RateSource::monobank;

const FXRates kUahRates = snapshot("UAH", {{"USD", "41.4092", nbu},
                                           {"EUR", "48.1702", nbu},
                                           {"RON", "9.5731", nbu},
                                           {"GEL", "15.3377", mono}});

QDateTime utc(int year, int month, int day, int hour, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), QTimeZone::utc());
}

class ExchangeRatesTest : public ::testing::Test
{
protected:
    void SetUp() override { Currency::setMain(QStringLiteral("UAH")); }
    void TearDown() override { Currency::setMain(QStringLiteral("USD")); }

    std::unique_ptr<ExchangeRates> service(QTimeZone zone = QTimeZone::utc())
    {
        auto created = std::make_unique<ExchangeRates>(provider, cache, clock, zone);
        QObject::connect(created.get(), &ExchangeRates::ratesChanged,
                         [this](const FXRates& rates) { published.append(rates); });
        return created;
    }

    // Runs one refresh to its end; the scripted answer is used only if the
    // service asks.
    void refresh(ExchangeRates& rates, const CurrencySet& needing,
                 std::optional<Result<RateFetch, RateError>> answer = std::nullopt)
    {
        if (answer)
            provider->fetchAnswers.push_back(*answer);
        ASSERT_TRUE(finishes(rates.refresh(needing)));
        provider->fetchAnswers.clear();
    }

    std::shared_ptr<ScriptedProvider> provider = std::make_shared<ScriptedProvider>();
    MapSettingsBackend cache;
    FixedClock clock{utc(2026, 12, 5, 9)};
    QList<FXRates> published;
};

TEST_F(ExchangeRatesTest, completeRefreshPublishesAndCaches)
{
    auto rates = service();
    EXPECT_EQ(rates->missingCause(QStringLiteral("USD")), MissingRateCause::loading);
    refresh(*rates, codes({"USD", "EUR", "UAH"}), RateFetch{kUahRates, std::nullopt});

    ASSERT_EQ(provider->asks.size(), 1);
    EXPECT_EQ(provider->asks.at(0).base, QStringLiteral("UAH"));
    EXPECT_EQ(provider->asks.at(0).needing, codes({"USD", "EUR"}));
    EXPECT_EQ(rates->rates(), kUahRates);
    EXPECT_EQ(published, QList<FXRates>{kUahRates});
    EXPECT_EQ(rates->updated(), clock.now());
    EXPECT_FALSE(rates->lastError());
    EXPECT_TRUE(rates->retrying().empty());

    EXPECT_EQ(cache.values.at(QStringLiteral("fx.base")), QVariant(QStringLiteral("UAH")));
    EXPECT_EQ(cache.values.at(QStringLiteral("fx.source")), QVariant(QStringLiteral("merged-1")));
    EXPECT_EQ(cache.values.at(QStringLiteral("fx.updated")).toDouble(), 1796461200.0);
    const QVariantMap perUnit = cache.values.at(QStringLiteral("fx.rates")).toMap();
    EXPECT_EQ(perUnit.value(QStringLiteral("USD")).typeId(), QMetaType::Double);
    EXPECT_EQ(perUnit.value(QStringLiteral("USD")).toDouble(), 41.4092);
    EXPECT_EQ(cache.values.at(QStringLiteral("fx.sources")).toMap().value(QStringLiteral("GEL")),
              QVariant(QStringLiteral("monobank")));
    for (const char* key : {"fx.unlisted", "fx.unlistedDay", "fx.unlistedBase", "fx.retrying"})
        EXPECT_FALSE(cache.values.contains(str(key))) << key;
}

TEST_F(ExchangeRatesTest, cacheRoundTripsIntoANewService)
{
    {
        auto first = service();
        refresh(*first, codes({"USD", "EUR", "GEL"}), RateFetch{kUahRates, std::nullopt});
    }
    clock.advanceSeconds(60);
    auto second = service();
    EXPECT_EQ(second->rates(), kUahRates);
    EXPECT_EQ(second->updated(), utc(2026, 12, 5, 9));
    EXPECT_FALSE(second->lastError());

    refresh(*second, codes({"USD", "EUR", "GEL"}));
    EXPECT_EQ(provider->asks.size(), 1) << "the cached rates are fresh";
}

TEST_F(ExchangeRatesTest, freshForSixHoursAfterACompleteAnswer)
{
    auto rates = service();
    refresh(*rates, codes({"USD", "EUR"}), RateFetch{kUahRates, std::nullopt});
    clock.advanceSeconds(6 * 3600);
    refresh(*rates, codes({"USD", "EUR"}), RateFetch{kUahRates, std::nullopt});
    EXPECT_EQ(provider->asks.size(), 1);

    clock.advanceSeconds(1);
    refresh(*rates, codes({"USD", "EUR"}), RateFetch{kUahRates, std::nullopt});
    EXPECT_EQ(provider->asks.size(), 2);
    EXPECT_EQ(rates->updated(), clock.now());
    EXPECT_EQ(published.size(), 1) << "an identical snapshot is not published again";
}

TEST_F(ExchangeRatesTest, newCurrencyWithoutARateDownloadsAtOnce)
{
    auto rates = service();
    refresh(*rates, codes({"USD"}),
            RateFetch{snapshot("UAH", {{"USD", "41.4092", nbu}}), std::nullopt});
    clock.advanceSeconds(600);
    refresh(*rates, codes({"USD", "EUR"}), RateFetch{kUahRates, std::nullopt});
    EXPECT_EQ(provider->asks.size(), 2);
    EXPECT_EQ(rates->rates(), kUahRates);
}

TEST_F(ExchangeRatesTest, cacheOfAnOlderVersionIsRefreshedAtOnce)
{
    cache.values[QStringLiteral("fx.base")] = QStringLiteral("UAH");
    cache.values[QStringLiteral("fx.rates")] = QVariantMap{{QStringLiteral("USD"), 41.4092}};
    cache.values[QStringLiteral("fx.sources")] =
        QVariantMap{{QStringLiteral("USD"), QStringLiteral("nbu")}};
    cache.values[QStringLiteral("fx.updated")] =
        static_cast<double>(clock.now().toSecsSinceEpoch() - 60);
    auto rates = service();
    EXPECT_EQ(rates->rates(), snapshot("UAH", {{"USD", "41.4092", nbu}}));

    refresh(*rates, codes({"USD"}), RateFetch{kUahRates, std::nullopt});
    EXPECT_EQ(provider->asks.size(), 1);
    EXPECT_EQ(cache.values.at(QStringLiteral("fx.source")), QVariant(QStringLiteral("merged-1")));
}

TEST_F(ExchangeRatesTest, unlistedCurrencyIsLeftAloneUntilTheNextDayInTheUsersZone)
{
    const QTimeZone kyiv("Europe/Kyiv");
    ASSERT_TRUE(kyiv.isValid());
    clock.set(utc(2026, 12, 5, 20)); // 22:00 in Kyiv
    auto rates = service(kyiv);
    const FXRates withoutGel = snapshot("UAH", {{"USD", "41.4092", nbu}, {"EUR", "48.1702", nbu}});
    refresh(*rates, codes({"USD", "EUR", "GEL"}), RateFetch{withoutGel, std::nullopt});

    EXPECT_EQ(rates->currentUnlisted(), codes({"GEL"}));
    EXPECT_EQ(rates->missingCause(QStringLiteral("GEL")), MissingRateCause::unlisted);
    EXPECT_FALSE(rates->lastError());
    EXPECT_EQ(cache.values.at(QStringLiteral("fx.unlisted")).toStringList(),
              QStringList{QStringLiteral("GEL")});
    EXPECT_EQ(cache.values.at(QStringLiteral("fx.unlistedBase")), QVariant(QStringLiteral("UAH")));

    clock.set(utc(2026, 12, 5, 21, 59)); // 23:59 in Kyiv
    refresh(*rates, codes({"USD", "EUR", "GEL"}), RateFetch{withoutGel, std::nullopt});
    EXPECT_EQ(provider->asks.size(), 1);

    clock.set(utc(2026, 12, 5, 22, 1)); // 00:01 the next day in Kyiv, same day in UTC
    EXPECT_TRUE(rates->currentUnlisted().empty());
    EXPECT_EQ(rates->missingCause(QStringLiteral("GEL")), MissingRateCause::loading);
    refresh(*rates, codes({"USD", "EUR", "GEL"}), RateFetch{kUahRates, std::nullopt});
    EXPECT_EQ(provider->asks.size(), 2);
    EXPECT_TRUE(rates->currentUnlisted().empty());
    EXPECT_FALSE(cache.values.contains(QStringLiteral("fx.unlisted")));
    EXPECT_FALSE(cache.values.contains(QStringLiteral("fx.unlistedDay")));
}

TEST_F(ExchangeRatesTest, failedSourceWithEverythingAnsweredIsAComplete)
{
    auto rates = service();
    refresh(*rates, codes({"USD", "GEL"}),
            RateFetch{snapshot("UAH", {{"USD", "41.45", mono}, {"GEL", "15.3", mono}}),
                      QStringLiteral("bank.gov.ua didn’t answer in time.")});
    EXPECT_FALSE(rates->lastError());
    EXPECT_TRUE(rates->retrying().empty());
    EXPECT_EQ(rates->rates().sources.at(QStringLiteral("USD")), mono);
}

TEST_F(ExchangeRatesTest, partialAnswerKeepsOldRatesAndRetries)
{
    auto rates = service();
    refresh(*rates, codes({"USD", "EUR", "RON"}), RateFetch{kUahRates, std::nullopt});
    clock.advanceSeconds(7 * 3600);

    const QString failure = QStringLiteral("bank.gov.ua sent a bad response (HTTP status 500).");
    refresh(*rates, codes({"USD", "EUR", "RON"}),
            RateFetch{snapshot("UAH", {{"USD", "41.45", mono}, {"EUR", "48.2", mono}}), failure});
    EXPECT_EQ(rates->rates(), snapshot("UAH", {{"USD", "41.45", mono},
                                               {"EUR", "48.2", mono},
                                               {"RON", "9.5731", nbu},
                                               {"GEL", "15.3377", mono}}));
    EXPECT_EQ(rates->retrying(), codes({"RON"}));
    EXPECT_EQ(rates->lastError(), failure);
    EXPECT_EQ(rates->updated(), clock.now());
    EXPECT_EQ(rates->missingCause(QStringLiteral("CHF")), MissingRateCause::failed);
    EXPECT_EQ(cache.values.at(QStringLiteral("fx.retrying")).toStringList(),
              QStringList{QStringLiteral("RON")});
    EXPECT_EQ(
        cache.values.at(QStringLiteral("fx.rates")).toMap().value(QStringLiteral("RON")).toDouble(),
        9.5731);

    // Retrying defeats the freshness rule; a complete answer clears it.
    clock.advanceSeconds(600);
    refresh(*rates, codes({"USD", "EUR", "RON"}), RateFetch{kUahRates, std::nullopt});
    EXPECT_EQ(provider->asks.size(), 3);
    EXPECT_TRUE(rates->retrying().empty());
    EXPECT_FALSE(rates->lastError());
    EXPECT_FALSE(cache.values.contains(QStringLiteral("fx.retrying")));
}

TEST_F(ExchangeRatesTest, partialAnswerForAnotherBaseCarriesNothingOver)
{
    auto rates = service();
    refresh(*rates, codes({"USD", "RON"}), RateFetch{kUahRates, std::nullopt});
    Currency::setMain(QStringLiteral("EUR"));
    refresh(*rates, codes({"USD", "RON"}),
            RateFetch{snapshot("EUR", {{"USD", "0.86", mono}}), QStringLiteral("down")});
    EXPECT_EQ(rates->rates(), snapshot("EUR", {{"USD", "0.86", mono}}));
    EXPECT_EQ(rates->retrying(), codes({"RON"}));
}

TEST_F(ExchangeRatesTest, outrightFailureOnlySetsTheLastError)
{
    auto rates = service();
    refresh(*rates, codes({"USD"}), RateFetch{kUahRates, std::nullopt});
    clock.advanceSeconds(7 * 3600);
    const int writes = cache.writeCount;
    int errorSignals = 0;
    QObject::connect(rates.get(), &ExchangeRates::lastErrorChanged, [&] { ++errorSignals; });

    refresh(*rates, codes({"USD", "CHF"}),
            fail(networkError("Couldn’t reach api.monobank.ua: Connection refused")));
    EXPECT_EQ(rates->rates(), kUahRates);
    EXPECT_EQ(rates->updated(), utc(2026, 12, 5, 9));
    EXPECT_EQ(rates->lastError(),
              QStringLiteral("Couldn’t reach api.monobank.ua: Connection refused"));
    EXPECT_EQ(rates->missingCause(QStringLiteral("CHF")), MissingRateCause::failed);
    EXPECT_EQ(cache.writeCount, writes);
    EXPECT_EQ(errorSignals, 1);
}

// Answers no bank should be believed; none of them may reach the cache.
struct ImplausibleCase
{
    const char* name;
    FXRates answer;
};

class ExchangeRatesImplausible : public ExchangeRatesTest,
                                 public ::testing::WithParamInterface<ImplausibleCase>
{
};

TEST_P(ExchangeRatesImplausible, answerLeavesTheCachedRatesAndRecordsAFailure)
{
    auto rates = service();
    refresh(*rates, codes({"USD", "EUR"}), RateFetch{kUahRates, std::nullopt});
    clock.advanceSeconds(7 * 3600);
    const QVariant cachedRates = cache.values.at(QStringLiteral("fx.rates"));

    refresh(*rates, codes({"USD", "EUR"}), RateFetch{GetParam().answer, std::nullopt});
    EXPECT_EQ(rates->rates(), kUahRates);
    EXPECT_EQ(cache.values.at(QStringLiteral("fx.rates")), cachedRates);
    EXPECT_EQ(rates->lastError(),
              QStringLiteral("The banks’ answer held no usable exchange rates."));
    EXPECT_EQ(rates->retrying(), codes({"USD", "EUR"}));
    EXPECT_EQ(rates->missingCause(QStringLiteral("USD")), MissingRateCause::failed);
}

QString longCode()
{
    return QString(100'000, u'U');
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ExchangeRatesImplausible,
    ::testing::Values(ImplausibleCase{"empty", FXRates::empty(QStringLiteral("UAH"))},
                      ImplausibleCase{"tiny", snapshot("UAH", {{"USD", "1e-300", nbu}})},
                      ImplausibleCase{"huge", snapshot("UAH", {{"USD", "1e308", nbu}})},
                      ImplausibleCase{"zero", snapshot("UAH", {{"USD", "0", nbu}})},
                      ImplausibleCase{"negative", snapshot("UAH", {{"EUR", "-48.17", nbu}})},
                      ImplausibleCase{"jump", snapshot("UAH", {{"USD", "41409200", nbu},
                                                               {"EUR", "0.0048", nbu}})},
                      ImplausibleCase{"lowerCase", snapshot("UAH", {{"usd", "41.4", nbu}})},
                      ImplausibleCase{"notLetters",
                                      snapshot("UAH", {{"U$D", "41.4", nbu}, {"", "1", nbu}})},
                      ImplausibleCase{
                          "longCode",
                          [] {
                              FXRates r = FXRates::empty(QStringLiteral("UAH"));
                              r.perUnit[longCode()] = dec("41.4");
                              return r;
                          }()}),
    [](const ::testing::TestParamInfo<ImplausibleCase>& param) { return param.param.name; });

TEST_F(ExchangeRatesTest, implausibleRatesAmongGoodOnesAreRetriedNotUnlisted)
{
    auto rates = service();
    refresh(*rates, codes({"USD", "EUR"}), RateFetch{kUahRates, std::nullopt});
    clock.advanceSeconds(7 * 3600);
    refresh(
        *rates, codes({"USD", "EUR"}),
        RateFetch{snapshot("UAH", {{"USD", "41.5", mono}, {"EUR", "1e20", mono}}), std::nullopt});
    EXPECT_EQ(rates->rates().perUnit.at(QStringLiteral("USD")), dec("41.5"));
    EXPECT_EQ(rates->rates().perUnit.at(QStringLiteral("EUR")), dec("48.1702"));
    EXPECT_EQ(rates->retrying(), codes({"EUR"}));
    EXPECT_TRUE(rates->currentUnlisted().empty());
    EXPECT_EQ(rates->lastError(),
              QStringLiteral("Some of the banks’ rates looked wrong and were left out."));
}

// Never answers, like a server that accepted the connection and hung.
class SilentProvider final : public RateProvider
{
public:
    mutable FetchHandler pending;

    using RateProvider::rates;
    void rates(const CurrencyCode&, const CurrencySet&, QObject*, RatesHandler) const override {}
    void fetch(const CurrencyCode&, const CurrencySet&, QObject*, FetchHandler done) const override
    {
        pending = std::move(done);
    }
};

TEST_F(ExchangeRatesTest, refreshEndsAtItsDeadlineAndDropsALateAnswer)
{
    auto silent = std::make_shared<SilentProvider>();
    ExchangeRates rates(silent, cache, clock, QTimeZone::utc());
    EXPECT_EQ(ExchangeRates::kRefreshDeadline, std::chrono::seconds(20));
    rates.setRefreshDeadline(50ms);
    ASSERT_TRUE(finishes(rates.refresh(codes({"USD"})), 2s));
    EXPECT_EQ(rates.lastError(), QStringLiteral("The banks didn’t answer in time."));
    EXPECT_TRUE(rates.rates().perUnit.empty());

    ASSERT_TRUE(silent->pending);
    silent->pending(RateFetch{kUahRates, std::nullopt});
    drainEvents();
    EXPECT_TRUE(rates.rates().perUnit.empty()) << "the refresh was already over";
    EXPECT_FALSE(cache.values.contains(QStringLiteral("fx.rates")));
}

TEST_F(ExchangeRatesTest, emptyNeedAsksNothingAndChangesNothing)
{
    auto rates = service();
    for (const CurrencySet& needing : {CurrencySet{}, codes({"UAH"})}) {
        const QFuture<void> done = rates->refresh(needing);
        EXPECT_TRUE(done.isFinished());
    }
    EXPECT_TRUE(provider->asks.isEmpty());
    EXPECT_EQ(cache.writeCount, 0);
    EXPECT_TRUE(published.isEmpty());
}

TEST_F(ExchangeRatesTest, changingTheBaseRebasesAtOnceAndForgetsFreshness)
{
    auto rates = service();
    refresh(*rates, codes({"USD", "EUR", "GEL"}), RateFetch{kUahRates, std::nullopt});
    const FXRates withoutRon = snapshot("UAH", {{"USD", "41.4092", nbu}, {"EUR", "48.1702", nbu}});
    clock.advanceSeconds(7 * 3600);
    refresh(*rates, codes({"USD", "EUR", "CHF"}), RateFetch{withoutRon, std::nullopt});
    ASSERT_EQ(rates->currentUnlisted(), codes({"CHF"}));
    const QVariant cachedRates = cache.values.at(QStringLiteral("fx.rates"));

    Currency::setMain(QStringLiteral("USD"));
    rates->setBase(QStringLiteral("USD"));
    EXPECT_EQ(rates->rates(),
              snapshot("USD", {{"UAH", "0.0241492229", nbu}, {"EUR", "1.1632728959", nbu}}));
    EXPECT_EQ(published.last(), rates->rates());
    EXPECT_FALSE(rates->updated());
    EXPECT_TRUE(rates->currentUnlisted().empty());
    for (const char* key : {"fx.unlisted", "fx.unlistedDay", "fx.unlistedBase", "fx.retrying"})
        EXPECT_FALSE(cache.values.contains(str(key))) << key;
    EXPECT_EQ(cache.values.at(QStringLiteral("fx.rates")), cachedRates);
    EXPECT_EQ(cache.values.at(QStringLiteral("fx.base")), QVariant(QStringLiteral("UAH")));

    const qsizetype publishedBefore = published.size();
    rates->setBase(QStringLiteral("USD"));
    EXPECT_EQ(published.size(), publishedBefore);

    refresh(*rates, codes({"UAH", "EUR"}),
            RateFetch{snapshot("USD", {{"UAH", "0.0241492229", nbu}, {"EUR", "1.1632728959", nbu}}),
                      std::nullopt});
    EXPECT_EQ(provider->asks.size(), 3);
    EXPECT_EQ(cache.values.at(QStringLiteral("fx.base")), QVariant(QStringLiteral("USD")));
}

TEST_F(ExchangeRatesTest, baseWithoutARateBecomesAnEmptySnapshot)
{
    auto rates = service();
    refresh(*rates, codes({"USD"}), RateFetch{kUahRates, std::nullopt});
    rates->setBase(QStringLiteral("JPY"));
    EXPECT_EQ(rates->rates(), FXRates::empty(QStringLiteral("JPY")));
}

struct Rebase
{
    const char* to;
    const char* currency;
    const char* perUnit;
};

class RebaseTest : public ::testing::TestWithParam<Rebase>
{
};

TEST_P(RebaseTest, reExpressesEveryRateThroughTheNewBase)
{
    const FXRates usd =
        snapshot("USD", {{"UAH", "0.0241492229", nbu}, {"EUR", "1.1632728959", mono}});
    const Rebase expected = GetParam();
    const auto rebased = ExchangeRates::rebased(usd, str(expected.to));
    ASSERT_TRUE(rebased);
    EXPECT_EQ(rebased->base, str(expected.to));
    EXPECT_FALSE(rebased->perUnit.contains(str(expected.to)));
    EXPECT_EQ(rebased->perUnit.at(str(expected.currency)).toString(), str(expected.perUnit));
}

INSTANTIATE_TEST_SUITE_P(Bases, RebaseTest,
                         ::testing::Values(Rebase{"UAH", "USD", "41.4091999623"},
                                           Rebase{"UAH", "EUR", "48.170199957"},
                                           Rebase{"EUR", "USD", "0.859643514"},
                                           Rebase{"EUR", "UAH", "0.0207597228"}));

TEST(ExchangeRatesRebase, oldBaseTakesTheSourceOfTheNewOne)
{
    const FXRates usd =
        snapshot("USD", {{"UAH", "0.0241492229", nbu}, {"EUR", "1.1632728959", mono}});
    const auto eur = ExchangeRates::rebased(usd, QStringLiteral("EUR"));
    ASSERT_TRUE(eur);
    EXPECT_EQ(eur->sources.at(QStringLiteral("USD")), mono);
    EXPECT_EQ(eur->sources.at(QStringLiteral("UAH")), nbu);
    EXPECT_FALSE(eur->sources.contains(QStringLiteral("EUR")));

    FXRates zero = usd;
    zero.perUnit[QStringLiteral("XAU")] = Decimal(0);
    EXPECT_FALSE(ExchangeRates::rebased(zero, QStringLiteral("XAU")));
    EXPECT_FALSE(ExchangeRates::rebased(usd, QStringLiteral("GBP")));
}

TEST_F(ExchangeRatesTest, sourceDescriptionNamesTheSourcesInUse)
{
    auto rates = service();
    refresh(*rates, codes({"USD", "GEL"}), RateFetch{kUahRates, std::nullopt});
    EXPECT_EQ(rates->sourceDescription({}),
              QStringLiteral("National Bank of Ukraine (official rate)"));
    EXPECT_EQ(rates->sourceDescription(codes({"USD", "EUR", "CHF"})),
              QStringLiteral("National Bank of Ukraine (official rate)"));
    EXPECT_EQ(rates->sourceDescription(codes({"GEL", "UAH"})),
              QStringLiteral("Monobank (public rate)"));
    EXPECT_EQ(
        rates->sourceDescription(codes({"GEL", "USD"})),
        QStringLiteral("National Bank of Ukraine (official rate) and Monobank (public rate)"));
}

TEST_F(ExchangeRatesTest, cacheValuesOfTheWrongTypeReadAsMissing)
{
    cache.values[QStringLiteral("fx.base")] = 42;
    cache.values[QStringLiteral("fx.rates")] =
        QVariantMap{{QStringLiteral("EUR"), 1.1632728959123},
                    {QStringLiteral("GBP"), QStringLiteral("lots")},
                    {QStringLiteral("XAU"), -5},
                    {QStringLiteral("USD"), 1.0},
                    {QStringLiteral("JPY"), 0.0066706554}};
    cache.values[QStringLiteral("fx.sources")] =
        QVariantMap{{QStringLiteral("EUR"), QStringLiteral("ecb")},
                    {QStringLiteral("JPY"), QStringLiteral("monobank")}};
    cache.values[QStringLiteral("fx.updated")] = QStringLiteral("yesterday");
    cache.values[QStringLiteral("fx.retrying")] = QVariantList{QStringLiteral("RON"), 7};
    cache.values[QStringLiteral("fx.unlisted")] = QStringLiteral("GEL");
    auto rates = service();
    FXRates expected = FXRates::empty(QStringLiteral("USD"));
    expected.perUnit[QStringLiteral("EUR")] = dec("1.1632728959");
    expected.perUnit[QStringLiteral("JPY")] = dec("0.0066706554");
    expected.sources[QStringLiteral("JPY")] = mono;
    EXPECT_EQ(rates->rates(), expected);
    EXPECT_FALSE(rates->updated());
    EXPECT_EQ(rates->retrying(), codes({"RON"}));

    cache.values[QStringLiteral("fx.rates")] = QStringLiteral("USD=41");
    cache.values[QStringLiteral("fx.updated")] = QStringLiteral("1796461200.5");
    auto again = service();
    EXPECT_TRUE(again->rates().perUnit.empty());
    EXPECT_EQ(again->updated(), QDateTime::fromMSecsSinceEpoch(1796461200500, QTimeZone::utc()));
}

TEST_F(ExchangeRatesTest, refreshesOverTheBankSources)
{
    TestHttpServer server;
    const QString nbuPath = QStringLiteral("/NBUStatService/v1/statdirectory/exchange?json");
    const QString monoPath = QStringLiteral("/bank/currency");
    server.serve(nbuPath, {200, recordedBody(QStringLiteral("nbu_exchange.json"))});
    server.serve(monoPath, {200, recordedBody(QStringLiteral("monobank_currency.json"))});
    Currency::setMain(QStringLiteral("EUR"));

    auto bankService = [&] {
        // A new provider each time: its Monobank client would otherwise
        // space the second request five real seconds after the first.
        return std::make_unique<ExchangeRates>(
            makeBankRateProvider(std::make_shared<HttpSession>(2s),
                                 RateEndpoints{server.url(nbuPath), server.url(monoPath)}),
            cache, clock, QTimeZone::utc());
    };
    auto rates = bankService();
    ASSERT_TRUE(finishes(rates->refresh(codes({"USD", "UAH", "BYN", "VND"}))));
    EXPECT_FALSE(rates->lastError());
    EXPECT_EQ(rates->rates().base, QStringLiteral("EUR"));
    EXPECT_EQ(rates->rates().perUnit.at(QStringLiteral("USD")).toString(),
              QStringLiteral("0.859643514"));
    EXPECT_EQ(rates->rates().sources.at(QStringLiteral("USD")), nbu);
    // BYN only at Monobank, against Monobank's own EUR rate.
    EXPECT_EQ(rates->rates().sources.at(QStringLiteral("BYN")), mono);
    EXPECT_EQ(rates->currentUnlisted(), codes({"VND"}));
    EXPECT_EQ(server.requestCount(nbuPath), 1);
    EXPECT_EQ(server.requestCount(monoPath), 1);

    server.serve(nbuPath, {500, ""});
    clock.advanceSeconds(7 * 3600);
    rates = bankService();
    ASSERT_TRUE(finishes(rates->refresh(codes({"USD", "UAH", "RON", "CHF"}))));
    // Monobank has RON but not CHF: CHF keeps the official rate from before.
    EXPECT_EQ(rates->lastError(),
              QStringLiteral("127.0.0.1 sent a bad response (HTTP status 500)."));
    EXPECT_EQ(rates->retrying(), codes({"CHF"}));
    EXPECT_EQ(rates->rates().sources.at(QStringLiteral("CHF")), nbu);
    EXPECT_EQ(rates->rates().sources.at(QStringLiteral("USD")), mono);
}

} // namespace
