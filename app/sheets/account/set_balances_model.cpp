#include "sheets/account/set_balances_model.h"

#include <algorithm>

#include "base/error.h"
#include "display/money_display.h"
#include "money/money_input.h"
#include "reports/ledger_index.h"
#include "writing/account_writer.h"

namespace tallyra::app {

SetBalancesModel::SetBalancesModel(const LedgerIndex* index, AccountWriter& writer,
                                   const MoneyDisplay& display, const QLocale& inputLocale,
                                   QObject* parent)
    : QAbstractTableModel(parent), m_writer(writer), m_display(display), m_locale(inputLocale)
{
    if (!index)
        return;
    for (const Account& account : index->activeAccounts())
        m_rows.push_back({account, index->currentBalance(account.id), QString()});
}

int SetBalancesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SetBalancesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SetBalancesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case AccountColumn:
        return tr("Account");
    case CurrentColumn:
        return tr("Now");
    case NewColumn:
        return tr("Actually holds");
    default:
        return {};
    }
}

QVariant SetBalancesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Row& row = m_rows[static_cast<size_t>(index.row())];
    if (role == Qt::TextAlignmentRole && index.column() != AccountColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case AccountColumn:
            return row.account.name;
        case CurrentColumn:
            // The sheet is for entering balances, so it shows them even
            // while the window hides them.
            return m_display.format(row.current.minor, row.current.currency, true,
                                    MoneyDisplay::Masking::never);
        case NewColumn:
            return row.typed;
        default:
            return {};
        }
    }
    if (role == Qt::EditRole && index.column() == NewColumn)
        return row.typed.isEmpty()
                   ? MoneyInput::editingText(row.current.decimal(), row.current.currency, m_locale)
                   : row.typed;
    return {};
}

Qt::ItemFlags SetBalancesModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == NewColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool SetBalancesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != NewColumn || role != Qt::EditRole)
        return false;
    Row& row = m_rows[static_cast<size_t>(index.row())];
    const QString text = value.toString().trimmed();
    // Typing the balance it already has is no change.
    const auto typed = MoneyInput::evaluate(text, m_locale);
    row.typed = (typed && *typed == row.current.decimal()) ? QString() : text;
    emit dataChanged(index, index);
    return true;
}

bool SetBalancesModel::hasChanges() const
{
    return std::any_of(m_rows.begin(), m_rows.end(),
                       [](const Row& row) { return !row.typed.isEmpty(); });
}

std::optional<QString> SetBalancesModel::save()
{
    QList<AccountBalance> balances;
    QHash<AccountId, Decimal> current;
    for (const Row& row : m_rows) {
        AccountBalance balance{row.account.id, row.account.kind,
                               row.account.creditLimit
                                   ? std::optional(row.account.creditLimit->decimal())
                                   : std::nullopt,
                               row.current.decimal()};
        if (!row.typed.isEmpty()) {
            const auto typed = MoneyInput::evaluate(row.typed, m_locale);
            if (!typed)
                return tr("The balance of %1 isn’t a number.").arg(row.account.name);
            balance.balance = *typed;
        }
        balances.push_back(balance);
        current.insert(row.account.id, row.current.decimal());
    }
    try {
        m_writer.setBalances(balances, current);
    } catch (const Error& error) {
        return error.userMessage();
    }
    return std::nullopt;
}

} // namespace tallyra::app
