#pragma once

// The chart hover rule shared by the reports' point lists: the point whose
// date is nearest to the pointer's, the earlier one on a tie.
//
// Thread safety: pure; any thread.

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

#include <QDateTime>

namespace tallyra {

// The position in `points` (sorted by dateOf) nearest to `date`; none for
// an empty list.
template <class Point, class DateOf>
[[nodiscard]] std::optional<size_t> nearestPointIndex(const std::vector<Point>& points,
                                                      const QDateTime& date, DateOf&& dateOf)
{
    if (points.empty())
        return std::nullopt;
    const auto notBefore = std::lower_bound(
        points.begin(), points.end(), date,
        [&](const Point& point, const QDateTime& value) { return dateOf(point) < value; });
    size_t i = std::min(static_cast<size_t>(notBefore - points.begin()), points.size() - 1);
    if (i == 0)
        return i;
    const qint64 after = std::abs(date.msecsTo(dateOf(points[i])));
    const qint64 before = std::abs(date.msecsTo(dateOf(points[i - 1])));
    return before <= after ? i - 1 : i;
}

} // namespace tallyra
