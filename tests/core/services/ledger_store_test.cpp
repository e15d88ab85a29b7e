#include "services/ledger_store.h"

#include <QElapsedTimer>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <sqlite3.h>

#include "money/currency.h"
#include "services_test_support.h"

using namespace tallyra;
using namespace tallyra::testing;
using namespace std::chrono_literals;

namespace {

FXRates ratesWith(const char* eur, RateSource source = RateSource::nationalBank)
{
    FXRates rates = FXRates::empty(q("USD"));
    rates.perUnit[q("EUR")] = *Decimal::parse(q(eur));
    rates.sources[q("EUR")] = source;
    return rates;
}

void rawExecute(const QString& file, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

// Holds the loader's thread until destroyed, so that loads queue behind a
// load "under way".
class WorkerBlock
{
public:
    explicit WorkerBlock(QThread* thread)
    {
        m_anchor.moveToThread(thread);
        QMetaObject::invokeMethod(&m_anchor, [this] {
            m_entered.release();
            m_release.acquire();
        });
        m_entered.acquire();
    }
    ~WorkerBlock() { m_release.release(); }

private:
    QObject m_anchor;
    QSemaphore m_release;
    QSemaphore m_entered;
};

class LedgerStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        Currency::setMain(q("USD"));
    }

    std::unique_ptr<LedgerStore> makeStore(std::chrono::milliseconds delay, bool onDisk = false)
    {
        auto container = openOrFail(onDisk ? StoreConfiguration::onDisk(file(), m_clock)
                                           : StoreConfiguration::inMemory(m_clock));
        auto store = std::make_unique<LedgerStore>(std::move(container), ratesWith("1.1"), delay);
        EXPECT_TRUE(store->waitUntilIdle());
        EXPECT_TRUE(store->isLoaded());
        return store;
    }
    static void save(LedgerStore& store, const char* account)
    {
        addAccount(store.mainContext(), account);
        store.mainContext().save();
    }
    QString file() const { return m_dir.filePath(q("Tallyra.sqlite")); }

    QTemporaryDir m_dir;
    std::shared_ptr<FixedClock> m_clock = std::make_shared<FixedClock>(utc(2026, 3, 1));
};

TEST_F(LedgerStoreTest, firstLoadAndReloadsRunOnTheLoaderThread)
{
    auto container = openOrFail(StoreConfiguration::inMemory(m_clock));
    LedgerStore store(std::move(container), ratesWith("1.1"), 10ms);
    EXPECT_FALSE(store.isLoaded());
    EXPECT_EQ(store.version(), 0u);
    EXPECT_TRUE(store.index()->accounts().empty());
    QSignalSpy finished(&store, &LedgerStore::loadFinished);
    ASSERT_TRUE(store.waitUntilIdle());
    EXPECT_TRUE(store.isLoaded());
    EXPECT_EQ(store.version(), 1u);

    save(store, "Cash");
    ASSERT_TRUE(store.waitUntilIdle());
    ASSERT_EQ(finished.count(), 2);
    EXPECT_EQ(store.version(), 2u);
    EXPECT_EQ(store.index()->accounts().size(), 1u);
    for (const QList<QVariant>& signal : finished) {
        const auto outcome = signal.at(0).value<LedgerLoadOutcome>();
        EXPECT_NE(outcome.thread, QThread::currentThread());
        EXPECT_EQ(outcome.thread, store.loader().workerThread());
    }
}

TEST_F(LedgerStoreTest, savesWithinThePauseGiveOneReload)
{
    // A long pause keeps the test independent of the machine's load; the
    // rule is the same at 120 ms.
    constexpr auto delay = 400ms;
    auto store = makeStore(delay);
    QSignalSpy finished(store.get(), &LedgerStore::loadFinished);
    QSignalSpy versions(store.get(), &LedgerStore::versionChanged);
    const auto before = store->version();

    QElapsedTimer sinceLast;
    for (const char* name : {"A", "B", "C"}) {
        save(*store, name);
        QTest::qWait(40);
    }
    store->container().simulateRemoteChangesForTesting();
    sinceLast.start();
    EXPECT_EQ(finished.count(), 0) << "nothing loads before the pause has passed";
    ASSERT_TRUE(store->waitUntilIdle());
    EXPECT_GE(sinceLast.elapsed(), delay.count()) << "every request restarts the pause";
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(versions.count(), 1);
    EXPECT_EQ(store->version(), before + 1);
    EXPECT_EQ(store->index()->accounts().size(), 3u);
}

TEST_F(LedgerStoreTest, requestsDuringALoadMakeOneLoadAfterIt)
{
    auto store = makeStore(20ms);
    QSignalSpy finished(store.get(), &LedgerStore::loadFinished);
    const auto before = store->version();
    {
        WorkerBlock block(store->loader().workerThread());
        save(*store, "A");
        QTest::qWait(80); // the first load is asked for and waits behind the block
        save(*store, "B");
        QTest::qWait(80);
        save(*store, "C");
        QTest::qWait(80);
        EXPECT_EQ(finished.count(), 0);
        EXPECT_TRUE(store->isBusy());
    }
    ASSERT_TRUE(store->waitUntilIdle());
    ASSERT_EQ(finished.count(), 2) << "the load under way and one more";
    EXPECT_EQ(store->version(), before + 2);
    EXPECT_EQ(store->index()->accounts().size(), 3u);
}

TEST_F(LedgerStoreTest, onlyChangedRatesReload)
{
    auto store = makeStore(10ms);
    store->setRates(ratesWith("1.1"));
    EXPECT_FALSE(store->isBusy()) << "equal rates";

    const FXRates changes[] = {
        ratesWith("1.1", RateSource::monobank), // only the source
        ratesWith("1.2"),                       // only the rate
        FXRates{q("EUR"), {}, {}},              // only the base
    };
    for (const FXRates& rates : changes) {
        const auto before = store->version();
        QSignalSpy ratesSpy(store.get(), &LedgerStore::ratesChanged);
        store->setRates(rates);
        EXPECT_EQ(ratesSpy.count(), 1);
        EXPECT_EQ(store->rates(), rates);
        ASSERT_TRUE(store->waitUntilIdle());
        EXPECT_EQ(store->version(), before + 1);
        EXPECT_EQ(store->index()->rates(), rates);
    }
}

TEST_F(LedgerStoreTest, failedLoadKeepsTheIndexAndReportsTheError)
{
    auto store = makeStore(10ms, true);
    save(*store, "Cash");
    ASSERT_TRUE(store->waitUntilIdle());
    const auto index = store->index();
    const auto version = store->version();
    QSignalSpy errors(store.get(), &LedgerStore::lastErrorChanged);

    rawExecute(file(), R"(ALTER TABLE "BudgetModel" RENAME TO "BudgetModelAway")");
    store->reload();
    ASSERT_TRUE(store->waitUntilIdle());
    ASSERT_TRUE(store->lastError().has_value());
    EXPECT_FALSE(store->lastError()->isEmpty());
    EXPECT_EQ(store->index(), index) << "the previous index stays";
    EXPECT_EQ(store->version(), version);
    EXPECT_TRUE(store->isLoaded());
    EXPECT_EQ(errors.count(), 1);

    rawExecute(file(), R"(ALTER TABLE "BudgetModelAway" RENAME TO "BudgetModel")");
    store->reload();
    ASSERT_TRUE(store->waitUntilIdle());
    EXPECT_EQ(store->lastError(), std::nullopt);
    EXPECT_EQ(store->version(), version + 1);
    EXPECT_EQ(errors.count(), 2);
}

} // namespace
