#include "sheets/account/balance_history_model.h"

#include <algorithm>

#include "display/money_display.h"
#include "periods/period_labels.h"
#include "reports/ledger_index.h"

namespace tallyra::app {

BalanceHistoryModel::BalanceHistoryModel(AccountId account, const MoneyDisplay& display,
                                         const PeriodEngine& engine, QObject* parent)
    : QAbstractTableModel(parent), m_account(std::move(account)), m_display(display),
      m_engine(engine)
{
}

void BalanceHistoryModel::setIndex(const LedgerIndex* index)
{
    beginResetModel();
    m_changes = index ? index->balanceChanges(m_account) : std::vector<BalanceChange>();
    std::stable_sort(m_changes.begin(), m_changes.end(),
                     [](const BalanceChange& a, const BalanceChange& b) {
                         return a.checkpoint.date > b.checkpoint.date;
                     });
    endResetModel();
}

int BalanceHistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_changes.size());
}

int BalanceHistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BalanceHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DayColumn:
        return tr("Day");
    case BalanceColumn:
        return tr("Balance");
    case ChangeColumn:
        return tr("Change");
    default:
        return {};
    }
}

QVariant BalanceHistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const BalanceChange& change = m_changes[static_cast<size_t>(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() != DayColumn)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const Money& balance = change.checkpoint.balance;
    switch (index.column()) {
    case DayColumn:
        return PeriodLabels(m_engine).shortDate(change.checkpoint.date);
    case BalanceColumn:
        return m_display.format(balance.minor, balance.currency, true,
                                MoneyDisplay::Masking::never);
    case ChangeColumn:
        return change.moved.isZero()
                   ? tr("No change")
                   : m_display.signedAmount(change.moved.minor, change.moved.currency,
                                            MoneyDisplay::Masking::never);
    default:
        return {};
    }
}

std::optional<CheckpointId> BalanceHistoryModel::checkpointAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return std::nullopt;
    return m_changes[static_cast<size_t>(row)].checkpoint.id;
}

} // namespace tallyra::app
