#pragma once

// RateLimiter: keeps requests to a public endpoint at least `interval`
// apart, as a courtesy (Monobank's public API answers 429 to clients that
// ask more often than every few seconds).
//
// wait() lets a request through at once when the previous one was let
// through at least `interval` ago (or never), and otherwise sleeps for the
// rest of the interval first. The time of passage is recorded when the
// caller is let through, not when it asks, so two callers arriving during
// one sleep may both pass when it ends: spacing is best effort, not a
// guarantee.
//
// Time is measured on ContinuousClock, a monotonic clock that keeps running
// while the machine is suspended, so a laptop waking up does not owe the
// rest of a wait started before it slept. Both `now` and the sleep are
// injectable for tests.
//
// Cancellation: the sleep is bound to the caller's `context`; when the
// context is destroyed during the sleep, `proceed` never runs and the time
// of the last passage stays as it was.
//
// Thread safety: the state is guarded by a mutex; any thread may wait, with
// a context living in that thread. The sleep holds no lock, so remaining()
// answers while others sleep.

#include <chrono>
#include <functional>
#include <optional>

#include <QMutex>
#include <QObject>

namespace tallyra {

struct ContinuousClock
{
    using rep = std::int64_t;
    using period = std::nano;
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<ContinuousClock>;
    static constexpr bool is_steady = true;

    [[nodiscard]] static time_point now() noexcept;
};

class RateLimiter final
{
public:
    using Duration = std::chrono::nanoseconds;
    using Instant = ContinuousClock::time_point;
    using Now = std::function<Instant()>;
    // Calls `wake` on the thread of `context` once `delay` has passed; never
    // when the context is destroyed first.
    using Sleep = std::function<void(Duration delay, QObject* context, std::function<void()> wake)>;

    explicit RateLimiter(Duration interval, Now now = &ContinuousClock::now,
                         Sleep sleep = &RateLimiter::timerSleep);
    RateLimiter(const RateLimiter&) = delete;
    RateLimiter& operator=(const RateLimiter&) = delete;

    // Runs `proceed` (at once, from inside this call, when no wait is due;
    // otherwise after the sleep) once the request may go.
    void wait(QObject* context, std::function<void()> proceed);
    // How long a request arriving now would wait; zero when none is due.
    [[nodiscard]] Duration remaining() const;
    [[nodiscard]] Duration interval() const noexcept { return m_interval; }

    // The default sleep: a precise single-shot QTimer on the context.
    static void timerSleep(Duration delay, QObject* context, std::function<void()> wake);

private:
    [[nodiscard]] Duration remainingLocked(Instant now) const;

    const Duration m_interval;
    const Now m_now;
    const Sleep m_sleep;
    mutable QMutex m_mutex;
    std::optional<Instant> m_last;
};

} // namespace tallyra
