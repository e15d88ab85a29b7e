#include "window/net_worth_figure.h"

#include "reports/ledger_index.h"
#include "reports/period_totals.h"

namespace tallyra::app {

NetWorthFigure netWorthFigure(const LedgerIndex& index, const QDateTime& now)
{
    NetWorthFigure figure;
    figure.value = netWorth(index, now);
    for (const Account& account : index.accountsWithoutRate())
        if (!account.isArchived)
            ++figure.accountsWithoutRate;
    return figure;
}

} // namespace tallyra::app
