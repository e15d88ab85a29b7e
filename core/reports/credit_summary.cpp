#include "reports/credit_summary.h"

#include <algorithm>

#include "periods/period_engine.h"

namespace tallyra {

QDate nextDayOfMonth(std::int64_t dayOfMonth, const QDate& today)
{
    QDate month(today.year(), today.month(), 1);
    for (int i = 0; i < 3; ++i, month = month.addMonths(1)) {
        const auto day = static_cast<int>(std::clamp<std::int64_t>(
            dayOfMonth, 1, static_cast<std::int64_t>(month.daysInMonth())));
        const QDate candidate(month.year(), month.month(), day);
        if (candidate >= today)
            return candidate;
    }
    return today;
}

CreditSummary creditSummary(const Account& account, const Money& balance,
                            const PeriodEngine& engine)
{
    CreditSummary summary;
    summary.owed = Money{balance.minor < 0 ? saturatingNegate(balance.minor) : 0, balance.currency};
    summary.ownFunds = Money{std::max<std::int64_t>(balance.minor, 0), balance.currency};
    summary.limit = account.creditLimit;
    if (account.creditLimit && account.creditLimit->minor > 0)
        summary.available = Money{saturatingAdd(account.creditLimit->minor, balance.minor),
                                  account.creditLimit->currency};
    const QDate today = engine.dayOf(engine.today());
    if (account.statementDay)
        summary.nextStatement = nextDayOfMonth(*account.statementDay, today);
    if (account.paymentDueDay)
        summary.nextPaymentDue = nextDayOfMonth(*account.paymentDueDay, today);
    summary.interestRate = account.interestRate;
    return summary;
}

} // namespace tallyra
