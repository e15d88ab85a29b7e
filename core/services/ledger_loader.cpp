#include "services/ledger_loader.h"

#include <new>

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QThread>

#include "store/ledger_reader.h"
#include "store/store_container.h"
#include "store/store_context.h"

namespace tallyra {

namespace {

Q_LOGGING_CATEGORY(lcLoader, "tallyra.services.loader")

std::chrono::microseconds elapsed(const QElapsedTimer& timer)
{
    return std::chrono::microseconds(timer.nsecsElapsed() / 1000);
}

} // namespace

// Lives on the worker thread; everything it owns is touched only there.
class LedgerLoader::Worker final : public QObject
{
public:
    Worker(StoreContainer& container, LedgerLoader& loader)
        : m_container(container), m_loader(loader)
    {
    }

    void run(std::uint64_t ticket, FXRates rates)
    {
        LedgerLoadOutcome outcome;
        outcome.ticket = ticket;
        outcome.thread = QThread::currentThread();
        try {
            outcome = load(std::move(outcome), std::move(rates));
        } catch (const std::bad_alloc&) {
            // A ledger too large for memory: report it like a failed read,
            // keeping whatever index is published.
            const StoreError error(StoreError::Code::readFailed,
                                   QStringLiteral("out of memory building the index"));
            qCWarning(lcLoader, "Load %llu failed: %s", static_cast<unsigned long long>(ticket),
                      qUtf8Printable(error.detail()));
            outcome.index.reset();
            outcome.error = error.userMessage();
        }
        Q_EMIT m_loader.finished(outcome);
    }

private:
    LedgerLoadOutcome load(LedgerLoadOutcome outcome, FXRates rates)
    {
        if (!m_context) {
            auto made = m_container.newBackgroundContext();
            if (!made) {
                outcome.error = made.error().userMessage();
                return outcome;
            }
            m_context = std::move(made).value();
        }
        QElapsedTimer timer;
        timer.start();
        auto records = readLedger(*m_context);
        outcome.fetchTime = elapsed(timer);
        if (!records) {
            qCWarning(lcLoader, "Load %llu failed: %s",
                      static_cast<unsigned long long>(outcome.ticket),
                      qUtf8Printable(records.error().detail()));
            outcome.error = records.error().userMessage();
            return outcome;
        }
        timer.restart();
        outcome.index = std::make_shared<const LedgerIndex>(
            LedgerIndex::build(std::move(records).value(), std::move(rates)));
        outcome.buildTime = elapsed(timer);
        return outcome;
    }

    StoreContainer& m_container;
    LedgerLoader& m_loader;
    std::unique_ptr<StoreContext> m_context;
};

LedgerLoader::LedgerLoader(StoreContainer& container, QObject* parent)
    : QObject(parent), m_thread(new QThread(this)), m_worker(new Worker(container, *this))
{
    m_thread->setObjectName(QStringLiteral("LedgerLoader"));
    m_worker->moveToThread(m_thread);
    // The worker, and with it the background context, goes away on its own
    // thread as the thread ends.
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start();
}

LedgerLoader::~LedgerLoader()
{
    m_thread->quit();
    m_thread->wait();
}

std::uint64_t LedgerLoader::load(FXRates rates)
{
    const std::uint64_t ticket = ++m_lastTicket;
    Worker* worker = m_worker;
    QMetaObject::invokeMethod(
        worker,
        [worker, ticket, rates = std::move(rates)]() mutable {
            worker->run(ticket, std::move(rates));
        },
        Qt::QueuedConnection);
    return ticket;
}

QThread* LedgerLoader::workerThread() const noexcept
{
    return m_thread;
}

Result<LedgerIndex, StoreError> LedgerLoader::loadIndex(StoreContext& context, FXRates rates)
{
    auto records = readLedger(context);
    if (!records)
        return fail(records.error());
    return LedgerIndex::build(std::move(records).value(), std::move(rates));
}

} // namespace tallyra
