#include "reports/day_grid.h"

#include <algorithm>

namespace tallyra {

DayGrid::DayGrid(const PeriodEngine& engine, const DateInterval& interval)
    : m_days(engine.days(interval))
{
    m_starts.reserve(m_days.size());
    for (const PeriodEngine::CalendarDay& day : m_days)
        m_starts.push_back(day.start.toMSecsSinceEpoch());
}

std::optional<size_t> DayGrid::dayOf(qint64 msecs) const
{
    if (m_starts.size() < 2 || msecs < m_starts.front() || !(msecs < m_starts.back()))
        return std::nullopt;
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), msecs);
    return static_cast<size_t>(after - m_starts.begin()) - 1;
}

} // namespace tallyra
