#pragma once

// The screenshot states of the accounts screen and its sheets, for the
// window's shot table.
//
// Threading: main thread only.

namespace tallyra::app {

class MainWindow;

namespace shots {

// The accounts list with the first account's detail.
bool accounts(MainWindow& window);
// A credit card's detail with its credit summary (the first card of the
// ledger; skipped without one).
bool accountDetail(MainWindow& window);

// The account sheet editing that card.
bool accountSheet(MainWindow& window);
// The delete confirmation of the first account with transactions.
bool deleteAccount(MainWindow& window);

// Set Balances over every open account.
bool setBalances(MainWindow& window);
// The balance history of the first account with recorded balances.
bool balanceHistory(MainWindow& window);
// The balance sheet for the first account.
bool balanceChange(MainWindow& window);

} // namespace shots

} // namespace tallyra::app
