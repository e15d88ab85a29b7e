#include "scheduler.h"

#include <QTimer>

namespace tallyra::app {

QtScheduler::QtScheduler()
{
    m_started.start();
}

QtScheduler::~QtScheduler() = default;

std::chrono::milliseconds QtScheduler::monotonicNow() const
{
    return std::chrono::milliseconds(m_started.elapsed());
}

Scheduler::Ticket QtScheduler::after(std::chrono::milliseconds delay, QObject* context,
                                     std::function<void()> action)
{
    const Ticket ticket = m_next++;
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    timer->setTimerType(Qt::CoarseTimer);
    QObject::connect(timer.get(), &QTimer::timeout, context,
                     [this, ticket, action = std::move(action)] {
                         // Erase first: the action may schedule again.
                         const auto found = m_timers.find(ticket);
                         if (found == m_timers.end())
                             return;
                         found->second.release()->deleteLater();
                         m_timers.erase(found);
                         action();
                     });
    timer->start(delay);
    m_timers.emplace(ticket, std::move(timer));
    return ticket;
}

void QtScheduler::cancel(Ticket ticket)
{
    m_timers.erase(ticket);
}

} // namespace tallyra::app
