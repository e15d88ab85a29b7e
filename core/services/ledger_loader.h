#pragma once

// LedgerLoader: builds LedgerIndex snapshots off the main thread. It owns a
// worker thread with a background store context of its own (its own
// database connection, opened on that thread by the first load and kept),
// and runs the loads there one at a time, in the order they were asked
// for. A load reads the whole ledger in one read transaction and builds
// the index from it with the rates it was given.
//
// Each load ends with finished(), emitted on the worker thread: connect
// with a receiver context so that it arrives queued on the receiver's
// thread, in request order. The index is handed over whole and never
// changes afterwards.
//
// Errors: a failed load reports the store's user message (the detail goes
// to the log); a background context that couldn't be opened is tried again
// by the next load.
// Threading: create, call and destroy on the main thread. Destruction drops
// the loads not yet started, waits for the one under way and publishes
// nothing more. The container must outlive the loader.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

#include <QMetaType>
#include <QObject>
#include <QString>

#include "base/result.h"
#include "reports/fx_rates.h"
#include "reports/ledger_index.h"
#include "store/store_error.h"

class QThread;

namespace tallyra {

class StoreContainer;
class StoreContext;

// What one load produced.
struct LedgerLoadOutcome
{
    // The number load() returned for this load.
    std::uint64_t ticket = 0;
    // The new index; null when the load failed.
    std::shared_ptr<const LedgerIndex> index;
    // The store's message when the load failed.
    std::optional<QString> error;
    // Time spent reading the records and building the index.
    std::chrono::microseconds fetchTime{0};
    std::chrono::microseconds buildTime{0};
    // The thread the load ran on.
    QThread* thread = nullptr;
};

class LedgerLoader final : public QObject
{
    Q_OBJECT

public:
    explicit LedgerLoader(StoreContainer& container, QObject* parent = nullptr);
    ~LedgerLoader() override;

    // Queues a load with these rates and returns its ticket (counting up
    // from 1).
    std::uint64_t load(FXRates rates);

    // The worker thread the loads run on.
    [[nodiscard]] QThread* workerThread() const noexcept;

    // The load itself, on the caller's thread and context: the bulk read,
    // then the index. For tools that need an index at once (the command
    // line, benchmarks) and for the worker.
    [[nodiscard]] static Result<LedgerIndex, StoreError> loadIndex(StoreContext& context,
                                                                   FXRates rates);

signals:
    void finished(const tallyra::LedgerLoadOutcome& outcome);

private:
    class Worker;

    QThread* m_thread;
    Worker* m_worker;
    std::uint64_t m_lastTicket = 0;
};

} // namespace tallyra

Q_DECLARE_METATYPE(tallyra::LedgerLoadOutcome)
