#pragma once

// AccountsViewModel: what the accounts screen shows and does. It reads the
// account sections at the engine's tomorrow (balances include today), the
// selected account's detail over the window's period and, for cards and
// loans, the credit summary; it formats every amount through the money
// display and every date through the period labels, so the widgets only
// draw. Its actions open the account sheets through the application model
// or archive through the account writer; a refused write surfaces as the
// error alert with the writer's message.
//
// Selection: the model's accountSelection when that account still exists,
// else the first account of the list.
//
// Threading: main thread only.

#include <memory>
#include <optional>
#include <vector>

#include <QObject>
#include <QStringList>

#include "base/typed_id.h"
#include "reports/account_detail.h"
#include "reports/credit_summary.h"
#include "screens/accounts/account_texts.h"

namespace tallyra {
class AppServices;
class LedgerIndex;
class MoneyDisplay;
} // namespace tallyra

namespace tallyra::app {

class AppModel;
class AppWriters;

class AccountsViewModel final : public QObject
{
    Q_OBJECT

public:
    AccountsViewModel(AppServices& services, AppModel& model, AppWriters& writers,
                      MoneyDisplay& display, QObject* parent = nullptr);

    // --- The list
    [[nodiscard]] const std::vector<AccountRow>& rows() const noexcept { return m_rows; }
    [[nodiscard]] bool hasAccounts() const noexcept { return m_account.has_value(); }
    // The row of an account, or -1.
    [[nodiscard]] int rowOf(const AccountId& id) const;

    // --- The selected account
    [[nodiscard]] const std::optional<Account>& account() const noexcept { return m_account; }
    void select(const AccountId& id);
    [[nodiscard]] const AccountRow* selectedRow() const;
    [[nodiscard]] const AccountDetail& detail() const noexcept { return m_detail; }
    // Change over the period, lowest, average daily balance, money in, money
    // out and the number of transactions.
    [[nodiscard]] const std::vector<AccountFigure>& figures() const noexcept { return m_figures; }
    // Cards and loans: limit, available, own money, current debt, interest,
    // statement and payment; empty for other accounts.
    [[nodiscard]] const std::vector<AccountFigure>& creditFigures() const noexcept
    {
        return m_credit;
    }
    // The subtitle under the name: the kind and the currency.
    [[nodiscard]] QString subtitle() const;
    // "Archived — not counted …" for an archived account, else empty.
    [[nodiscard]] QString archivedNote() const;
    [[nodiscard]] QString archiveActionText() const;

    // --- The balance chart
    [[nodiscard]] bool chartIsEmpty() const;
    [[nodiscard]] static QString chartEmptyText();
    // Labels under the chart for the given point indexes: "Start" first,
    // "Today" last while the period runs, dates between.
    [[nodiscard]] QString axisLabel(int point) const;
    // "Nov 12: ₴1,200.00" for a hovered point; empty out of range.
    [[nodiscard]] QString pointReadout(int point) const;
    // "Nov 3 – Nov 20: +₴200.00" for a dragged range; empty when the range
    // covers a single day.
    [[nodiscard]] QString rangeReadout(int from, int to) const;
    [[nodiscard]] bool hidesBalances() const;
    // The caption above the chart when nothing is hovered.
    [[nodiscard]] QString chartCaption() const;

    // --- Actions
    void addAccount();
    void edit(const AccountId& id);
    void setArchived(const AccountId& id, bool archived);
    void requestDelete(const AccountId& id);
    void setBalances();
    void showBalanceHistory(const AccountId& id);
    void showInTransactions(const AccountId& id);

    // Recomputes everything from the store's index and the model.
    void refresh();

signals:
    // The list changed (rows added, removed or re-formatted).
    void rowsChanged();
    // The selected account or its detail changed.
    void detailChanged();

private:
    void rebuildDetail(const LedgerIndex& index);
    [[nodiscard]] QString dayText(const QDateTime& day) const;
    [[nodiscard]] QString dueDayText(const QDate& day) const;
    [[nodiscard]] QString amount(std::int64_t minor, bool isBalance = true) const;

    AppServices& m_services;
    AppModel& m_model;
    AppWriters& m_writers;
    MoneyDisplay& m_display;

    std::vector<AccountRow> m_rows;
    std::optional<Account> m_account;
    std::optional<Money> m_balance;
    AccountDetail m_detail;
    bool m_periodRuns = false;
    std::vector<AccountFigure> m_figures;
    std::vector<AccountFigure> m_credit;
};

} // namespace tallyra::app
