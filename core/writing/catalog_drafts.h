#pragma once

// The drafts the catalog writer takes: plain values the application fills
// from its sheets (new/edit category, new/edit account, "Set Balances",
// budgets, goals). Amounts are typed decimals in major units; the writer
// turns them into minor units of the account's currency (account values)
// or of the main currency (plan amounts), half to even.
//
// Thread safety: plain values; any thread.

#include <cstdint>
#include <optional>
#include <utility>

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include "base/typed_id.h"
#include "model/account_kind.h"
#include "model/balance_mode.h"
#include "model/category_icon.h"
#include "model/category_kind.h"
#include "model/goal_kind.h"
#include "money/decimal.h"
#include "money/money.h"

namespace tallyra {

struct CategoryDraft
{
    QString name;
    // Only used at the top level: a subcategory takes its parent's kind.
    CategoryKind kind = CategoryKind::expense;
    std::optional<CategoryId> parentID;
    QString colorHex = QStringLiteral("#7D8590");
    CategoryIcon icon;
    std::optional<QByteArray> iconImage;

    friend bool operator==(const CategoryDraft& a, const CategoryDraft& b) = default;
};

struct AccountDraft
{
    QString name;
    AccountKind kind = AccountKind::checking;
    QString detail;
    QString colorHex = QStringLiteral("#7D8590");
    // Empty: the kind's own symbol.
    QString sfSymbol;
    std::optional<QString> iconEmoji;
    std::optional<QByteArray> iconImage;
    CurrencyCode currency;
    // What the account holds; a new account records it as a balance change
    // (when not zero, or when balanceDate is given).
    Decimal balanceToday = Decimal(0);
    // The day balanceToday was true at the end of; none means today.
    std::optional<QDate> balanceDate;
    bool isArchived = false;
    // Credit cards only.
    std::optional<Decimal> creditLimit;
    std::optional<std::int64_t> statementDay;
    // Credit cards and loans.
    std::optional<std::int64_t> paymentDueDay;
    // Percent (5.25 means 5.25 %); credit cards, loans and savings.
    std::optional<Decimal> interestRate;

    friend bool operator==(const AccountDraft& a, const AccountDraft& b) = default;
};

// One row of the "Set Balances" sheet.
struct AccountBalance
{
    AccountId id;
    AccountKind kind = AccountKind::checking;
    std::optional<Decimal> creditLimit;
    Decimal balance = Decimal(0);

    friend bool operator==(const AccountBalance& a, const AccountBalance& b) = default;
};

// What happens to an account's transactions when it is deleted.
class AccountTransactions
{
public:
    // Moved to another account in the same currency.
    [[nodiscard]] static AccountTransactions move(const AccountId& to)
    {
        return AccountTransactions(to);
    }
    // Deleted with the account.
    [[nodiscard]] static AccountTransactions deleteAll()
    {
        return AccountTransactions(std::nullopt);
    }

    [[nodiscard]] const std::optional<AccountId>& destination() const noexcept
    {
        return m_destination;
    }

    friend bool operator==(const AccountTransactions& a, const AccountTransactions& b) = default;

private:
    explicit AccountTransactions(std::optional<AccountId> destination)
        : m_destination(std::move(destination))
    {
    }

    std::optional<AccountId> m_destination;
};

struct BudgetDraft
{
    QString name;
    std::optional<QString> emoji;
    Decimal limit = Decimal(0);
    QList<CategoryId> categoryIDs;

    friend bool operator==(const BudgetDraft& a, const BudgetDraft& b) = default;
};

struct GoalDraft
{
    GoalKind kind = GoalKind::saving;
    QString name;
    std::optional<QString> emoji;
    Decimal target = Decimal(0);
    Decimal assigned = Decimal(0);
    Decimal monthly = Decimal(0);
    std::optional<QDateTime> deadline;
    BalanceMode balanceMode = BalanceMode::stayAbove;
    bool allAccounts = false;
    QList<AccountId> accountIDs;
    // The category a challenge watches.
    std::optional<CategoryId> categoryID;
    std::optional<QDateTime> startDate;
    std::optional<QDateTime> endDate;

    friend bool operator==(const GoalDraft& a, const GoalDraft& b) = default;
};

} // namespace tallyra
