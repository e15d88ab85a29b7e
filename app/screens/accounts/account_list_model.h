#pragma once

// AccountListModel: the accounts list as a flat list model over the view
// model's rows — section titles and accounts in one list, so the keyboard
// walks the accounts in order while the titles stay unselectable.
//
// Threading: main thread only.

#include <QAbstractListModel>

#include "screens/accounts/account_texts.h"

namespace tallyra::app {

class AccountsViewModel;

class AccountListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role
    {
        IdRole = Qt::UserRole + 1, // the account's id as text; none for a section
        IsSectionRole,
    };

    explicit AccountListModel(const AccountsViewModel& viewModel, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

    [[nodiscard]] const AccountRow* row(const QModelIndex& index) const;

private:
    const AccountsViewModel& m_viewModel;
};

} // namespace tallyra::app
