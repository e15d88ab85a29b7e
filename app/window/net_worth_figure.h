#pragma once

// NetWorthFigure: what the sidebar's net-worth card shows, from the
// published ledger: the converted net worth of the open accounts now and
// how many open accounts it leaves out for lack of a rate.
//
// Thread safety: pure; any thread.

#include <QDateTime>

#include "money/money.h"

namespace tallyra {
class LedgerIndex;
}

namespace tallyra::app {

struct NetWorthFigure
{
    Money value;
    int accountsWithoutRate = 0;

    friend bool operator==(const NetWorthFigure&, const NetWorthFigure&) = default;
};

[[nodiscard]] NetWorthFigure netWorthFigure(const LedgerIndex& index, const QDateTime& now);

} // namespace tallyra::app
