#pragma once

// DayGrid: the calendar days of an interval, asked of the period engine
// once, for reports that put many transactions on their day (daily
// balances, cumulative spending, the transaction feed's days, search by
// date). Finding a transaction's day is then a binary search over
// milliseconds instead of calendar arithmetic per transaction.
//
// Day i runs from start(i) to start(i + 1); the grid holds one more
// boundary than days. Days follow the engine's zone, so a day across a
// clock change lasts 23 or 25 hours.
//
// Thread safety: an immutable value; any thread.

#include <cstddef>
#include <optional>
#include <vector>

#include <QDate>
#include <QDateTime>

#include "periods/date_interval.h"
#include "periods/period_engine.h"

namespace tallyra {

class DayGrid final
{
public:
    // Every day overlapping the interval, from the day holding its start.
    DayGrid(const PeriodEngine& engine, const DateInterval& interval);

    [[nodiscard]] size_t dayCount() const noexcept
    {
        return m_starts.empty() ? 0 : m_starts.size() - 1;
    }
    [[nodiscard]] bool isEmpty() const noexcept { return dayCount() == 0; }
    // The start of day i; i may be dayCount() (the end of the last day).
    [[nodiscard]] const QDateTime& start(size_t i) const { return m_days[i].start; }
    [[nodiscard]] qint64 startMSecs(size_t i) const { return m_starts[i]; }
    [[nodiscard]] const QDate& date(size_t i) const { return m_days[i].date; }
    // The day holding the instant; none outside the grid.
    [[nodiscard]] std::optional<size_t> dayOf(qint64 msecs) const;

private:
    std::vector<PeriodEngine::CalendarDay> m_days;
    std::vector<qint64> m_starts;
};

} // namespace tallyra
