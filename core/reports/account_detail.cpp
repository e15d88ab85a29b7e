#include "reports/account_detail.h"

#include "reports/balance_timeline.h"
#include "reports/day_grid.h"
#include "reports/ledger_index.h"
#include "reports/nearest_point.h"
#include "reports/recent_entries.h"

namespace tallyra {

namespace {

__extension__ using Int128 = __int128;

bool touches(const Entry& entry, const AccountId& account)
{
    return (entry.accountID && *entry.accountID == account) ||
           (entry.toAccountID && *entry.toAccountID == account);
}

} // namespace

AccountDetail accountDetail(const LedgerIndex& index, const PeriodEngine& engine,
                            const PeriodSelection& selection, const AccountId& account)
{
    const PeriodWindow window = engine.window(selection);
    const DateInterval elapsed = window.elapsedInterval();

    AccountDetail detail;
    detail.opening = index.balance(account, window.interval.start);
    detail.closing = index.balance(account, window.elapsedEnd);
    const CurrencyCode& currency = detail.opening.currency;

    const DayGrid days(engine, elapsed);
    detail.points.reserve(days.dayCount());
    // The mean of 64-bit balances is a 64-bit balance; summing in 128 bits
    // keeps it exact however many days there are.
    Int128 sum = 0;
    for (size_t i = 0; i < days.dayCount(); ++i) {
        const AccountDetail::Point point{days.start(i), index.balance(account, days.start(i + 1))};
        if (!detail.lowest || point.balance.minor < detail.lowest->balance.minor)
            detail.lowest = point;
        sum += point.balance.minor;
        detail.points.push_back(point);
    }
    std::int64_t average = 0;
    if (!detail.points.empty()) {
        const auto count = static_cast<Int128>(detail.points.size());
        const Int128 half = count / 2;
        average = static_cast<std::int64_t>((sum < 0 ? sum - half : sum + half) / count);
    }
    detail.averageDaily = Money{average, currency};

    detail.moneyIn = Money{0, currency};
    detail.moneyOut = Money{0, currency};
    const LedgerIndex::EntryRange entries = index.entries(elapsed);
    for (const Entry& entry : entries) {
        if (!touches(entry, account))
            continue;
        const std::int64_t moved = effect(entry, account);
        if (moved > 0) {
            detail.moneyIn.minor = saturatingAdd(detail.moneyIn.minor, moved);
            ++detail.inCount;
        } else if (moved < 0) {
            detail.moneyOut.minor = saturatingAdd(detail.moneyOut.minor, saturatingNegate(moved));
            ++detail.outCount;
        }
    }
    detail.recent =
        recentEntries(entries, [&](const Entry& entry) { return touches(entry, account); });
    return detail;
}

std::optional<AccountDetail::Point> nearestPoint(const AccountDetail& detail, const QDateTime& date)
{
    const auto i = nearestPointIndex(detail.points, date,
                                     [](const AccountDetail::Point& point) { return point.day; });
    return i ? std::optional(detail.points[*i]) : std::nullopt;
}

std::optional<AccountDetail::RangeChange> rangeChange(const AccountDetail& detail,
                                                      const QDateTime& a, const QDateTime& b)
{
    const QDateTime& earlier = a <= b ? a : b;
    const QDateTime& later = a <= b ? b : a;
    const auto from = nearestPoint(detail, earlier);
    const auto to = nearestPoint(detail, later);
    if (!from || !to || from->day == to->day)
        return std::nullopt;
    return AccountDetail::RangeChange{*from, *to};
}

} // namespace tallyra
