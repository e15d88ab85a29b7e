#include "services/ledger_store.h"

#include <algorithm>

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QLoggingCategory>

namespace tallyra {

namespace {
Q_LOGGING_CATEGORY(lcLedgerStore, "tallyra.services.ledgerstore", QtInfoMsg)
}

LedgerStore::LedgerStore(std::unique_ptr<StoreContainer> container, FXRates rates,
                         std::chrono::milliseconds reloadDelay, QObject* parent)
    : QObject(parent), m_container(std::move(container)),
      m_loader(std::make_unique<LedgerLoader>(*m_container)), m_reloadDelay(reloadDelay),
      m_index(std::make_shared<const LedgerIndex>(rates)), m_rates(std::move(rates))
{
    // QTimer measures on the monotonic clock; a precise timer keeps the
    // pause from stretching by the coarse timer's 5 %.
    m_pending.setSingleShot(true);
    m_pending.setTimerType(Qt::PreciseTimer);
    connect(&m_pending, &QTimer::timeout, this, &LedgerStore::startLoad);
    connect(m_loader.get(), &LedgerLoader::finished, this, &LedgerStore::finishLoad);
    // Saves and remote changes may be announced on other threads; with this
    // object as the receiver they arrive queued on the main thread.
    connect(m_container.get(), &StoreContainer::contextSaved, this, &LedgerStore::reload);
    connect(m_container.get(), &StoreContainer::remoteChangesReceived, this, &LedgerStore::reload);
    startLoad();
}

LedgerStore::~LedgerStore()
{
    m_pending.stop();
    disconnect(m_loader.get(), nullptr, this, nullptr);
    // The loader (and its background context) must go before the container.
    m_loader.reset();
}

bool LedgerStore::isBusy() const noexcept
{
    return m_pending.isActive() || m_running != 0;
}

bool LedgerStore::waitUntilIdle(std::chrono::milliseconds limit)
{
    const QDeadlineTimer deadline(limit);
    while (isBusy()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        const auto done = connect(this, &LedgerStore::loadFinished, &loop, &QEventLoop::quit);
        QTimer::singleShot(
            std::chrono::milliseconds(std::min<qint64>(deadline.remainingTime(), 50)), &loop,
            &QEventLoop::quit);
        loop.exec();
        disconnect(done);
    }
    return true;
}

void LedgerStore::reload()
{
    m_pending.start(m_reloadDelay);
}

void LedgerStore::setRates(const FXRates& rates)
{
    if (rates == m_rates)
        return;
    m_rates = rates;
    Q_EMIT ratesChanged(m_rates);
    reload();
}

void LedgerStore::startLoad()
{
    if (m_running != 0) {
        m_loadAfterRunning = true;
        return;
    }
    m_loadAfterRunning = false;
    m_running = m_loader->load(m_rates);
}

void LedgerStore::finishLoad(const LedgerLoadOutcome& outcome)
{
    if (outcome.ticket != m_running)
        return;
    m_running = 0;
    if (outcome.index) {
        qCDebug(lcLedgerStore, "Loaded %zu transactions: read %lld µs, index %lld µs",
                outcome.index->entries().size(), static_cast<long long>(outcome.fetchTime.count()),
                static_cast<long long>(outcome.buildTime.count()));
        m_index = outcome.index;
        ++m_version;
        Q_EMIT indexChanged(m_index);
        Q_EMIT versionChanged(m_version);
        if (m_lastError) {
            m_lastError.reset();
            Q_EMIT lastErrorChanged(m_lastError);
        }
        if (!m_isLoaded) {
            m_isLoaded = true;
            Q_EMIT isLoadedChanged(true);
        }
    } else {
        const QString message =
            outcome.error.value_or(StoreError::standardMessage(StoreError::Code::readFailed));
        if (m_lastError != message) {
            m_lastError = message;
            Q_EMIT lastErrorChanged(m_lastError);
        }
    }
    if (m_loadAfterRunning)
        startLoad();
    Q_EMIT loadFinished(outcome);
}

} // namespace tallyra
