#pragma once

// The month arithmetic of goals. Goals count calendar months (not the
// user's pay months): a deadline of 31 March is the month of March whatever
// day pay months start on. A month is numbered year × 12 + month − 1
// (January 2026 is 24 312); this month is the one holding the period
// engine's today, in the engine's zone.
//
// A pace is how many months an amount still missing takes at a given
// amount per month, rounded up, and the first day of the month it would be
// complete in. A pace too slow to land within the calendar's range (more
// than kMaxProjectedMonths) has its month count but no projection.
//
// Thread safety: pure functions; any thread.

#include <cstdint>
#include <optional>

#include <QDate>
#include <QDateTime>

namespace tallyra {

class PeriodEngine;

// Ten thousand years.
inline constexpr std::int64_t kMaxProjectedMonths = 120'000;

[[nodiscard]] int monthIndex(const QDate& day) noexcept;
[[nodiscard]] QDate firstDayOfMonth(int index);
[[nodiscard]] int currentMonthIndex(const PeriodEngine& engine);

struct DeadlineMonth
{
    QDate firstDay;   // the first day of the deadline's month
    int monthsTo = 0; // its month index − this month's; negative once passed

    friend bool operator==(const DeadlineMonth&, const DeadlineMonth&) = default;
};

// The deadline's month as the engine's calendar sees it; none without one.
[[nodiscard]] std::optional<DeadlineMonth> deadlineMonth(const PeriodEngine& engine,
                                                         const std::optional<QDateTime>& deadline);

struct Pace
{
    std::optional<std::int64_t> months;
    std::optional<QDate> projection;

    friend bool operator==(const Pace&, const Pace&) = default;
};

// missing below 1 minor unit: done this month (0 months). perMonth below 1
// minor unit: no pace. Otherwise ⌈missing ÷ perMonth⌉ months from this one.
[[nodiscard]] Pace paceTowards(std::int64_t missingMinor, std::int64_t perMonthMinor,
                               int thisMonth);

} // namespace tallyra
