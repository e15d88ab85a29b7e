#include "screens/accounts/accounts_screen.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListView>
#include <QMenu>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>

#include "icons/symbol_icons.h"
#include "screens/accounts/account_detail_view.h"
#include "screens/accounts/account_list_delegate.h"
#include "screens/accounts/account_list_model.h"
#include "screens/accounts/accounts_view_model.h"
#include "shell/app_commands.h"
#include "shell/app_model.h"
#include "widgets/empty_state.h"
#include "window/command_actions.h"

namespace tallyra::app {

AccountsScreen::AccountsScreen(WindowContext& context, QWidget* parent)
    : Screen(Destination::accounts, context, parent),
      m_viewModel(new AccountsViewModel(context.services, context.model, context.writers,
                                        context.display, this)),
      m_model(new AccountListModel(*m_viewModel, this)), m_pages(new QStackedWidget),
      m_empty(new EmptyState), m_content(new QWidget), m_list(new QListView),
      m_detailArea(new QScrollArea), m_detail(new AccountDetailView(*m_viewModel, context.display)),
      m_setBalances(new QAction(tr("Set Balances"), this))
{
    m_setBalances->setIcon(SymbolIcons::icon(QStringLiteral("slider.horizontal.3")));
    m_setBalances->setToolTip(tr("Set Balances — what every account holds now"));
    connect(m_setBalances, &QAction::triggered, m_viewModel, &AccountsViewModel::setBalances);

    m_empty->setContent(QStringLiteral("building.columns"), tr("No Accounts"),
                        tr("Add a bank account, card, cash or savings — with what it holds "
                           "today."));
    m_empty->addAction(context.actions.action(AppCommand::newAccount), tr("Add Account"));

    m_list->setModel(m_model);
    m_list->setItemDelegate(new AccountListDelegate(*m_model, m_list));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setMouseTracking(true);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setAccessibleName(tr("Accounts"));
    m_list->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    m_detailArea->setWidget(m_detail);
    m_detailArea->setWidgetResizable(true);
    m_detailArea->setFrameShape(QFrame::NoFrame);

    auto* splitter = new QSplitter;
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_list);
    splitter->addWidget(m_detailArea);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes(
        {fontMetrics().averageCharWidth() * 40, fontMetrics().averageCharWidth() * 90});
    auto* contentLayout = new QHBoxLayout(m_content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(splitter);

    m_pages->addWidget(m_empty);
    m_pages->addWidget(m_content);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);

    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                const auto id =
                    AccountId::fromString(current.data(AccountListModel::IdRole).toString());
                if (id)
                    m_viewModel->select(*id);
            });
    connect(m_list, &QListView::customContextMenuRequested, this, &AccountsScreen::showContextMenu);
    connect(m_list, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (const auto id = AccountId::fromString(index.data(AccountListModel::IdRole).toString()))
            m_viewModel->edit(*id);
    });
    connect(m_viewModel, &AccountsViewModel::detailChanged, this, &AccountsScreen::refresh);
    refresh();
}

QList<QAction*> AccountsScreen::toolbarActions() const
{
    return {context().actions.action(AppCommand::newAccount), m_setBalances};
}

bool AccountsScreen::showsEmptyState() const
{
    return m_pages->currentWidget() == m_empty;
}

void AccountsScreen::screenShown()
{
    context().model.setScreenActions(Destination::accounts,
                                     {[this] {
                                          if (const auto& account = m_viewModel->account())
                                              m_viewModel->edit(account->id);
                                      },
                                      {}});
}

void AccountsScreen::screenHidden()
{
    context().model.setScreenActions(Destination::accounts, {});
}

void AccountsScreen::refresh()
{
    m_pages->setCurrentWidget(m_viewModel->hasAccounts() ? m_content
                                                         : static_cast<QWidget*>(m_empty));
    m_setBalances->setEnabled(m_viewModel->hasAccounts());
    syncSelection();
}

void AccountsScreen::syncSelection()
{
    const auto& account = m_viewModel->account();
    if (!account)
        return;
    const QModelIndex index = m_model->index(m_viewModel->rowOf(account->id));
    if (m_list->currentIndex() != index) {
        const QSignalBlocker blocker(m_list->selectionModel());
        m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        m_list->viewport()->update();
    }
}

void AccountsScreen::showContextMenu(const QPoint& position)
{
    const QModelIndex index = m_list->indexAt(position);
    const auto id = AccountId::fromString(index.data(AccountListModel::IdRole).toString());
    if (!id)
        return;
    const AccountRow* row = m_model->row(index);
    QMenu menu(this);
    menu.addAction(tr("Edit Account…"), this, [this, id = *id] { m_viewModel->edit(id); });
    menu.addAction(
        row->isArchived ? tr("Unarchive") : tr("Archive"), this,
        [this, id = *id, archived = row->isArchived] { m_viewModel->setArchived(id, !archived); });
    menu.addAction(tr("Set Balances"), m_viewModel, &AccountsViewModel::setBalances);
    menu.addAction(tr("Balance History"), this,
                   [this, id = *id] { m_viewModel->showBalanceHistory(id); });
    menu.addSeparator();
    menu.addAction(tr("Delete Account…"), this,
                   [this, id = *id] { m_viewModel->requestDelete(id); });
    menu.exec(m_list->viewport()->mapToGlobal(position));
}

} // namespace tallyra::app
