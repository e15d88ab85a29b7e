#pragma once

// PeriodWindow: one concrete period made by the period engine.
//
// interval is the whole period [start, end); elapsedEnd is how far into it
// time has got (the start of tomorrow, clamped into [start, end]), so the
// reports can compare "the days so far" with the same days of the period
// before. A window is in progress while elapsedEnd is before end.
//
// Thread safety: a plain value; any thread.

#include <QHashFunctions>

#include "periods/date_interval.h"

namespace tallyra {

struct PeriodWindow
{
    DateInterval interval;
    QDateTime elapsedEnd;
    bool isRolling = false;

    [[nodiscard]] DateInterval elapsedInterval() const { return {interval.start, elapsedEnd}; }
    [[nodiscard]] bool isInProgress() const { return elapsedEnd < interval.end; }

    friend bool operator==(const PeriodWindow& a, const PeriodWindow& b) = default;
    friend size_t qHash(const PeriodWindow& window, size_t seed = 0)
    {
        return qHashMulti(seed, window.interval, window.elapsedEnd, window.isRolling);
    }
};

} // namespace tallyra
