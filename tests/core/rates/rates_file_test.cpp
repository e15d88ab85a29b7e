#include "rates/rates_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "base/error.h"
#include "rate_test_support.h"
#include "rates/snapshot_rate_provider.h"

using namespace tallyra;

namespace {

QString q(const char* text)
{
    return QString::fromUtf8(text);
}

class RatesFileTest : public ::testing::Test
{
protected:
    QString write(const char* text)
    {
        const QString path = m_dir.filePath(q("rates.json"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        return path;
    }
    QTemporaryDir m_dir;
};

struct BadFile
{
    const char* name;
    const char* text;
    const char* messagePart;
};

const BadFile kBadFiles[] = {
    {"notJson", "{\"base\": ", "isn’t JSON"},
    {"notAnObject", "[1, 2]", "one object"},
    {"lowerCaseBase", "{\"base\": \"uah\", \"perUnit\": {}}", "\"base\""},
    {"numberRate", "{\"base\": \"UAH\", \"perUnit\": {\"USD\": 41.5}}", "rate of USD"},
    {"zeroRate", "{\"base\": \"UAH\", \"perUnit\": {\"USD\": \"0\"}}", "rate of USD"},
    {"negativeRate", "{\"base\": \"UAH\", \"perUnit\": {\"USD\": \"-1\"}}", "rate of USD"},
    {"badCode", "{\"base\": \"UAH\", \"perUnit\": {\"US\": \"41\"}}", "isn’t a currency code"},
    {"badSource", "{\"base\": \"UAH\", \"perUnit\": {}, \"sources\": {\"USD\": \"ecb\"}}",
     "nbu or monobank"},
};

class RatesFileRefusal : public RatesFileTest, public ::testing::WithParamInterface<BadFile>
{
};

} // namespace

TEST_P(RatesFileRefusal, namesTheFileAndTheProblem)
{
    const QString path = write(GetParam().text);
    try {
        (void)readRatesFile(path);
        FAIL() << "accepted " << GetParam().name;
    } catch (const Error& error) {
        EXPECT_TRUE(error.userMessage().contains(path)) << error.userMessage().toStdString();
        EXPECT_TRUE(error.userMessage().contains(q(GetParam().messagePart)))
            << error.userMessage().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(BadFiles, RatesFileRefusal, ::testing::ValuesIn(kBadFiles),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(RatesFileTest, aMissingFileIsRefused)
{
    EXPECT_THROW((void)readRatesFile(m_dir.filePath(q("none.json"))), Error);
}

TEST_F(RatesFileTest, ratesAreReadExactlyAndRebasedOnRequest)
{
    const QString path = write("{\"base\": \"UAH\", \"perUnit\": {\"USD\": \"41.5\", \"EUR\": "
                               "\"48.25\", \"UAH\": \"1\"}, \"sources\": {\"USD\": \"nbu\"}}");
    const FXRates rates = readRatesFile(path);
    EXPECT_EQ(rates.base, q("UAH"));
    EXPECT_EQ(rates.perUnit.size(), 2u); // the base's own entry is dropped
    EXPECT_EQ(rates.perUnit.at(q("USD")), Decimal::parse(q("41.5")).value());
    EXPECT_EQ(rates.sources.at(q("USD")), RateSource::nationalBank);

    const FXRates inDollars = readRatesFile(path, q("USD"));
    EXPECT_EQ(inDollars.base, q("USD"));
    EXPECT_TRUE(inDollars.hasRate(q("UAH")));
    EXPECT_TRUE(inDollars.hasRate(q("EUR")));
    EXPECT_THROW((void)readRatesFile(path, q("JPY")), Error);
}

TEST_F(RatesFileTest, theSnapshotProviderAnswersLaterAgainstTheAskedBase)
{
    const QString path = write("{\"base\": \"UAH\", \"perUnit\": {\"USD\": \"40\"}}");
    const SnapshotRateProvider provider(readRatesFile(path));

    test::Awaiter<Result<FXRates, RateError>> same;
    bool answered = false;
    provider.rates(q("UAH"), &same.context, [&](Result<FXRates, RateError> result) {
        answered = true;
        same.handler()(std::move(result));
    });
    EXPECT_FALSE(answered) << "answered inside the call";
    const auto inHryvnia = same.wait();
    ASSERT_TRUE(inHryvnia && *inHryvnia);
    EXPECT_EQ(inHryvnia->value().base, q("UAH"));

    test::Awaiter<Result<FXRates, RateError>> other;
    provider.rates(q("USD"), &other.context, other.handler());
    const auto inDollars = other.wait();
    ASSERT_TRUE(inDollars && *inDollars);
    EXPECT_EQ(inDollars->value().base, q("USD"));
    EXPECT_TRUE(inDollars->value().hasRate(q("UAH")));

    test::Awaiter<Result<FXRates, RateError>> missing;
    provider.rates(q("JPY"), &missing.context, missing.handler());
    const auto none = missing.wait();
    ASSERT_TRUE(none);
    EXPECT_FALSE(*none);
}
