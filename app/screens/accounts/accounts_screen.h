#pragma once

// AccountsScreen: the account list in sections on the left and the
// selected account's detail on the right; "No Accounts" with "Add Account"
// while there is none. The toolbar offers Add Account and Set Balances;
// each account's actions sit in the detail and in the list's context menu.
//
// Threading: main thread only.

#include "window/screen.h"

class QAction;
class QListView;
class QScrollArea;
class QStackedWidget;

namespace tallyra::app {

class AccountDetailView;
class AccountListModel;
class AccountsViewModel;
class EmptyState;

class AccountsScreen final : public Screen
{
    Q_OBJECT

public:
    AccountsScreen(WindowContext& context, QWidget* parent = nullptr);

    [[nodiscard]] QList<QAction*> toolbarActions() const override;
    void screenShown() override;
    void screenHidden() override;

    [[nodiscard]] AccountsViewModel& viewModel() const noexcept { return *m_viewModel; }
    [[nodiscard]] QListView* list() const noexcept { return m_list; }
    [[nodiscard]] AccountDetailView* detail() const noexcept { return m_detail; }
    [[nodiscard]] bool showsEmptyState() const;

private:
    void refresh();
    void syncSelection();
    void showContextMenu(const QPoint& position);

    AccountsViewModel* m_viewModel;
    AccountListModel* m_model;
    QStackedWidget* m_pages;
    EmptyState* m_empty;
    QWidget* m_content;
    QListView* m_list;
    QScrollArea* m_detailArea;
    AccountDetailView* m_detail;
    QAction* m_setBalances;
};

} // namespace tallyra::app
