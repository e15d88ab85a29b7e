#include "screens/accounts/account_list_model.h"

#include "screens/accounts/accounts_view_model.h"

namespace tallyra::app {

AccountListModel::AccountListModel(const AccountsViewModel& viewModel, QObject* parent)
    : QAbstractListModel(parent), m_viewModel(viewModel)
{
    // The rows are re-formatted wholesale (hidden balances, a new index);
    // the list is short, so a reset is cheaper than diffing.
    connect(&viewModel, &AccountsViewModel::rowsChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int AccountListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_viewModel.rows().size());
}

const AccountRow* AccountListModel::row(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return nullptr;
    return &m_viewModel.rows()[static_cast<size_t>(index.row())];
}

QVariant AccountListModel::data(const QModelIndex& index, int role) const
{
    const AccountRow* entry = row(index);
    if (!entry)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return entry->title;
    case Qt::AccessibleTextRole:
        return entry->sentence();
    case Qt::ToolTipRole:
        return entry->hasNoRate ? entry->noRateHelp : QVariant();
    case IdRole:
        return entry->id ? QVariant(entry->id->toString()) : QVariant();
    case IsSectionRole:
        return entry->kind == AccountRow::Kind::section;
    default:
        return {};
    }
}

Qt::ItemFlags AccountListModel::flags(const QModelIndex& index) const
{
    const AccountRow* entry = row(index);
    if (!entry || entry->kind == AccountRow::Kind::section)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace tallyra::app
