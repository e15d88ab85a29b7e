#pragma once

// Scheduler: delayed work on a monotonic clock, for the toasts' five
// seconds and the application's 600-second loop. The window uses
// QtScheduler (Qt's timers); tests use a scheduler they advance by hand,
// so nothing sleeps.
//
// An action runs once on the scheduler's thread, after its delay, unless it
// was cancelled or its context object is gone by then.
//
// Threading: main thread only.

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include <QElapsedTimer>
#include <QObject>

namespace tallyra::app {

class Scheduler
{
public:
    using Ticket = std::uint64_t;

    virtual ~Scheduler() = default;
    // Time since an arbitrary start that never jumps with the wall clock.
    [[nodiscard]] virtual std::chrono::milliseconds monotonicNow() const = 0;
    // Runs action after delay; context (not null) guards it.
    virtual Ticket after(std::chrono::milliseconds delay, QObject* context,
                         std::function<void()> action) = 0;
    // Drops a pending action; a ticket already run or unknown is ignored.
    virtual void cancel(Ticket ticket) = 0;
};

class QtScheduler final : public QObject, public Scheduler
{
public:
    QtScheduler();
    ~QtScheduler() override;

    [[nodiscard]] std::chrono::milliseconds monotonicNow() const override;
    Ticket after(std::chrono::milliseconds delay, QObject* context,
                 std::function<void()> action) override;
    void cancel(Ticket ticket) override;

private:
    QElapsedTimer m_started;
    Ticket m_next = 1;
    std::map<Ticket, std::unique_ptr<QObject>> m_timers;
};

} // namespace tallyra::app
