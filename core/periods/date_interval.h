#pragma once

// DateInterval: a half-open range [start, end) of instants. Every period,
// comparison range and chart bucket is one; the balance at the end of a day
// is the balance strictly before the start of the next one.
//
// Both ends are UTC QDateTime instants. An interval whose start is not
// before its end is empty (it contains nothing); the period engine uses a
// zero-length interval at a window's start to say "nothing to compare".
//
// Thread safety: a plain value; any thread.

#include <QDateTime>
#include <QHashFunctions>

namespace tallyra {

struct DateInterval
{
    QDateTime start;
    QDateTime end;

    [[nodiscard]] bool isEmpty() const { return !(start < end); }
    [[nodiscard]] bool contains(const QDateTime& instant) const
    {
        return start <= instant && instant < end;
    }
    // Whole milliseconds from start to end; 0 when the interval is empty.
    [[nodiscard]] qint64 durationMSecs() const { return isEmpty() ? 0 : start.msecsTo(end); }

    friend bool operator==(const DateInterval& a, const DateInterval& b) = default;
    friend size_t qHash(const DateInterval& interval, size_t seed = 0)
    {
        return qHashMulti(seed, interval.start, interval.end);
    }
};

} // namespace tallyra
