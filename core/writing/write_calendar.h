#pragma once

// WriteCalendar: the Gregorian calendar in the user's time zone as the
// writers need it — which day an instant falls on, where a day starts, and
// 12:00 of a day (where transactions without a time of day are stored),
// and the balance-date rule built on them.
//
// A day runs from its first instant (local midnight, or the first moment
// after a clock change that skips midnight) to the next day's first
// instant. Noon is 12:00:00 local time; where a clock change skips it, the
// first moment after the gap.
//
// Thread safety: an immutable value; any thread.

#include <optional>

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

namespace tallyra {

class WriteCalendar
{
public:
    // An invalid zone means UTC.
    explicit WriteCalendar(QTimeZone zone);

    [[nodiscard]] const QTimeZone& timeZone() const noexcept { return m_zone; }

    [[nodiscard]] QDate dayOf(const QDateTime& instant) const;
    // The first instant of the day, in UTC.
    [[nodiscard]] QDateTime startOfDay(const QDate& day) const;
    [[nodiscard]] QDateTime startOfNextDay(const QDate& day) const
    {
        return startOfDay(day.addDays(1));
    }
    // 12:00:00 of the instant's day, in UTC; the instant itself when the
    // zone has no such moment that day.
    [[nodiscard]] QDateTime noonOf(const QDateTime& instant) const;
    [[nodiscard]] QDateTime noon(const QDate& day) const;
    // True when the instant is the first instant of its day.
    [[nodiscard]] bool isStartOfDay(const QDateTime& instant) const;

private:
    QTimeZone m_zone;
};

// The balance-date rule: the instant a balance entered for a day applies
// to, given the current instant.
//   - A day other than today: the start of the following day (the balance
//     holds at the end of that day).
//   - Today, or no day: after 12:00 the current instant. Before it the
//     balance is taken to hold at the end of the day, unless the account
//     already has a transaction today: then it pins the balance as of now,
//     one second after the current instant, so that those transactions
//     count before it.
[[nodiscard]] QDateTime balanceInstant(const WriteCalendar& calendar, const QDateTime& now,
                                       const std::optional<QDate>& day,
                                       bool accountHasTransactionToday);

} // namespace tallyra
