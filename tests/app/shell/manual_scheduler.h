#pragma once

// A scheduler whose time moves only when the test says so: advance() runs
// every action that comes due, in time order, so toasts and the 600-second
// loop are tested without sleeping.

#include <map>
#include <utility>

#include <QPointer>

#include "shell/scheduler.h"

namespace tallyra::app::testing {

class ManualScheduler final : public Scheduler
{
public:
    [[nodiscard]] std::chrono::milliseconds monotonicNow() const override { return m_now; }

    Ticket after(std::chrono::milliseconds delay, QObject* context,
                 std::function<void()> action) override
    {
        const Ticket ticket = m_next++;
        m_pending.emplace(std::make_pair(m_now + delay, ticket),
                          Pending{QPointer<QObject>(context), std::move(action)});
        return ticket;
    }

    void cancel(Ticket ticket) override
    {
        std::erase_if(m_pending,
                      [ticket](const auto& item) { return item.first.second == ticket; });
    }

    void advance(std::chrono::milliseconds by)
    {
        const auto until = m_now + by;
        while (!m_pending.empty() && m_pending.begin()->first.first <= until) {
            auto item = m_pending.extract(m_pending.begin());
            m_now = item.key().first;
            if (item.mapped().context)
                item.mapped().action();
        }
        m_now = until;
    }

    [[nodiscard]] std::size_t pendingCount() const { return m_pending.size(); }

private:
    struct Pending
    {
        QPointer<QObject> context;
        std::function<void()> action;
    };

    std::chrono::milliseconds m_now{0};
    Ticket m_next = 1;
    std::map<std::pair<std::chrono::milliseconds, Ticket>, Pending> m_pending;
};

} // namespace tallyra::app::testing
