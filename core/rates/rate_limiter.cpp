#include "rates/rate_limiter.h"

#include <ctime>

#include <QMutexLocker>
#include <QTimer>

namespace tallyra {

ContinuousClock::time_point ContinuousClock::now() noexcept
{
#ifdef CLOCK_BOOTTIME
    timespec ts{};
    if (clock_gettime(CLOCK_BOOTTIME, &ts) == 0)
        return time_point(std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec));
#endif
    // Without a suspend-aware clock the steady clock is the closest thing.
    return time_point(
        std::chrono::duration_cast<duration>(std::chrono::steady_clock::now().time_since_epoch()));
}

RateLimiter::RateLimiter(Duration interval, Now now, Sleep sleep)
    : m_interval(interval), m_now(std::move(now)), m_sleep(std::move(sleep))
{
}

RateLimiter::Duration RateLimiter::remainingLocked(Instant now) const
{
    if (!m_last)
        return Duration::zero();
    const Duration elapsed = now - *m_last;
    return elapsed < m_interval ? m_interval - elapsed : Duration::zero();
}

RateLimiter::Duration RateLimiter::remaining() const
{
    QMutexLocker lock(&m_mutex);
    return remainingLocked(m_now());
}

void RateLimiter::wait(QObject* context, std::function<void()> proceed)
{
    Duration delay;
    {
        QMutexLocker lock(&m_mutex);
        delay = remainingLocked(m_now());
        if (delay <= Duration::zero())
            m_last = m_now();
    }
    if (delay <= Duration::zero()) {
        proceed();
        return;
    }
    m_sleep(delay, context, [this, proceed = std::move(proceed)] {
        {
            QMutexLocker lock(&m_mutex);
            m_last = m_now();
        }
        proceed();
    });
}

void RateLimiter::timerSleep(Duration delay, QObject* context, std::function<void()> wake)
{
    // Rounded up: waking a fraction of a millisecond early would undercut
    // the spacing the limiter promises.
    const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(delay);
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, context, std::move(wake));
}

} // namespace tallyra
