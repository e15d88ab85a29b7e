#include "screens/transactions/transactions_screen.h"

#include <QAction>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "icons/symbol_icons.h"
#include "screens/transactions/transaction_delegate.h"
#include "screens/transactions/transaction_list_model.h"
#include "screens/transactions/transactions_view_model.h"
#include "services/app_services.h"
#include "shell/app_commands.h"
#include "shell/app_model.h"
#include "theme/theme.h"
#include "widgets/empty_state.h"
#include "widgets/segmented_switcher.h"
#include "window/command_actions.h"

namespace tallyra::app {

namespace {

QPushButton* barButton(const QString& text)
{
    auto* button = new QPushButton(text);
    button->setObjectName(text);
    return button;
}

} // namespace

TransactionsScreen::TransactionsScreen(WindowContext& context, QWidget* parent)
    : Screen(Destination::transactions, context, parent),
      m_viewModel(new TransactionsViewModel(context.services, context.model, context.writers,
                                            context.display, this)),
      m_filter(new SegmentedSwitcher(TransactionsViewModel::filterTitles())), m_scope(new QWidget),
      m_scopeText(new QLabel), m_pages(new QStackedWidget), m_list(new QListView),
      m_empty(new EmptyState), m_footer(new QWidget), m_count(new QLabel), m_received(new QLabel),
      m_spent(new QLabel), m_allTime(new QPushButton(tr("Show All Time")))
{
    // Header: the type switcher and the scope.
    m_filter->setToolTip(TransactionsViewModel::filterHelp());
    m_filter->setAccessibleName(TransactionsViewModel::filterHelp());
    connect(m_filter, &SegmentedSwitcher::currentChanged, m_viewModel,
            &TransactionsViewModel::setFilterIndex);
    auto* scopeLayout = new QHBoxLayout(m_scope);
    scopeLayout->setContentsMargins(0, 0, 0, 0);
    scopeLayout->setSpacing(4);
    auto* clearScope = new QToolButton;
    clearScope->setIcon(SymbolIcons::icon(QStringLiteral("xmark.circle.fill")));
    clearScope->setAutoRaise(true);
    clearScope->setToolTip(tr("Show every transaction"));
    clearScope->setAccessibleName(tr("Show every transaction"));
    connect(clearScope, &QToolButton::clicked, m_viewModel, &TransactionsViewModel::clearScope);
    QFont bold = font();
    bold.setBold(true);
    m_scopeText->setFont(bold);
    scopeLayout->addWidget(new QLabel(tr("Only")));
    scopeLayout->addWidget(m_scopeText);
    scopeLayout->addWidget(clearScope);
    auto* header = new QHBoxLayout;
    header->setContentsMargins(24, 14, 24, 10);
    header->setSpacing(16);
    header->addWidget(m_filter);
    header->addWidget(m_scope);
    header->addStretch(1);

    // The list.
    m_list->setModel(m_viewModel->list());
    m_list->setItemDelegate(new TransactionDelegate(*m_viewModel->list(), m_list));
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setAccessibleName(title(Destination::transactions));
    connect(m_list, &QListView::customContextMenuRequested, this,
            &TransactionsScreen::showContextMenu);
    connect(m_list, &QListView::activated, this,
            [this](const QModelIndex& index) { m_viewModel->edit(index.row()); });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TransactionsScreen::refreshSelection);
    // A new feed (a keystroke, a save, a reload) keeps the selected rows
    // selected and in view.
    connect(m_viewModel->list(), &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        m_keptSelection.clear();
        for (const int row : selectedRows())
            if (const Entry* entry = m_viewModel->list()->entry(row))
                m_keptSelection.push_back(entry->id);
    });
    connect(m_viewModel->list(), &QAbstractItemModel::modelReset, this,
            [this] { selectIds(std::exchange(m_keptSelection, {})); });
    auto* remove = new QShortcut(QKeySequence::Delete, m_list);
    remove->setContext(Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, [this] { m_viewModel->remove(selectedRows()); });
    m_pages->addWidget(m_list);
    m_pages->addWidget(m_empty);

    // Footer: count, totals, all time.
    auto* footer = new QHBoxLayout(m_footer);
    footer->setContentsMargins(24, 6, 24, 8);
    footer->setSpacing(18);
    m_count->setForegroundRole(QPalette::PlaceholderText);
    for (QLabel* label : {m_received, m_spent}) {
        label->setFont(Theme::amountFont(font()));
        label->setForegroundRole(QPalette::PlaceholderText);
    }
    connect(m_allTime, &QPushButton::clicked, m_viewModel, &TransactionsViewModel::showAllTime);
    footer->addWidget(m_count);
    footer->addWidget(m_allTime);
    footer->addStretch(1);
    footer->addWidget(m_received);
    footer->addWidget(m_spent);

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setForegroundRole(QPalette::Mid);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(header);
    layout->addWidget(makeSelectionBar());
    layout->addWidget(m_pages, 1);
    layout->addWidget(line);
    layout->addWidget(m_footer);

    connect(m_viewModel, &TransactionsViewModel::changed, this, &TransactionsScreen::refresh);
    connect(m_viewModel, &TransactionsViewModel::selectRequested, this,
            &TransactionsScreen::selectIds);
    connect(&context.model, &AppModel::revealedTransactionChanged, this,
            &TransactionsScreen::reveal);
    refresh();
}

QWidget* TransactionsScreen::makeSelectionBar()
{
    m_selectionBar = new QWidget;
    m_selectionBar->setBackgroundRole(QPalette::AlternateBase);
    m_selectionBar->setAutoFillBackground(true);
    auto* bar = new QHBoxLayout(m_selectionBar);
    bar->setContentsMargins(24, 6, 24, 6);
    bar->setSpacing(6);
    m_selectedCount = new QLabel;
    QFont bold = font();
    bold.setBold(true);
    m_selectedCount->setFont(bold);
    QPushButton* selectAll = barButton(tr("Select All"));
    connect(selectAll, &QPushButton::clicked, m_list, &QListView::selectAll);
    QPushButton* deselect = barButton(tr("Deselect"));
    connect(deselect, &QPushButton::clicked, m_list, &QListView::clearSelection);

    m_category = barButton(tr("Category"));
    m_categoryMenu = new QMenu(m_category);
    connect(m_categoryMenu, &QMenu::aboutToShow, this, &TransactionsScreen::fillCategoryMenu);
    m_category->setMenu(m_categoryMenu);
    m_account = barButton(tr("Account"));
    m_accountMenu = new QMenu(m_account);
    connect(m_accountMenu, &QMenu::aboutToShow, this, &TransactionsScreen::fillAccountMenu);
    m_account->setMenu(m_accountMenu);
    m_contact = barButton(tr("Contact"));
    auto* contactMenu = new QMenu(m_contact);
    contactMenu->addAction(tr("Choose Contact…"), this, &TransactionsScreen::chooseContact);
    contactMenu->addAction(tr("Remove Contact"), this,
                           [this] { m_viewModel->setContact(selectedRows(), std::nullopt); });
    m_contact->setMenu(contactMenu);
    m_cleared = barButton(tr("Mark Cleared"));
    connect(m_cleared, &QPushButton::clicked, this, [this] {
        const QList<int> rows = selectedRows();
        m_viewModel->setCleared(rows, !m_viewModel->summary(rows).allCleared);
    });
    m_duplicate = barButton(tr("Duplicate"));
    connect(m_duplicate, &QPushButton::clicked, this,
            [this] { m_viewModel->duplicate(selectedRows()); });
    m_delete = barButton(tr("Delete"));
    connect(m_delete, &QPushButton::clicked, this, [this] { m_viewModel->remove(selectedRows()); });

    bar->addWidget(m_selectedCount);
    bar->addWidget(selectAll);
    bar->addWidget(deselect);
    bar->addStretch(1);
    for (QPushButton* button : {m_category, m_account, m_contact, m_cleared, m_duplicate, m_delete})
        bar->addWidget(button);
    m_selectionBar->hide();
    return m_selectionBar;
}

bool TransactionsScreen::isBusy() const
{
    return m_viewModel->isBusy();
}

void TransactionsScreen::screenShown()
{
    m_shown = true;
    registerEditActions();
    reveal();
}

void TransactionsScreen::screenHidden()
{
    m_shown = false;
    context().model.setScreenActions(Destination::transactions, {});
}

void TransactionsScreen::registerEditActions()
{
    ScreenActions actions;
    const QList<int> rows = selectedRows();
    if (rows.size() == 1)
        actions.edit = [this] {
            if (const QList<int> current = selectedRows(); current.size() == 1)
                m_viewModel->edit(current.front());
        };
    if (!rows.isEmpty())
        actions.duplicate = [this] { m_viewModel->duplicate(selectedRows()); };
    context().model.setScreenActions(Destination::transactions, actions);
}

QPushButton* TransactionsScreen::bulkButton(const QString& text) const
{
    return m_selectionBar->findChild<QPushButton*>(text);
}

bool TransactionsScreen::showsEmptyState() const
{
    return m_pages->currentWidget() == m_empty;
}

QList<int> TransactionsScreen::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedIndexes())
        if (!m_viewModel->list()->isDay(index.row()))
            rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TransactionsScreen::refresh()
{
    {
        const QSignalBlocker blocker(m_filter);
        m_filter->setCurrentIndex(m_viewModel->filterIndex());
    }
    m_filter->setEnabled(m_viewModel->canBrowse());
    const QString scope = m_viewModel->scopeText();
    m_scopeText->setText(scope);
    m_scope->setVisible(!scope.isEmpty());

    const bool empty = m_viewModel->isEmpty();
    if (empty) {
        const TransactionsEmpty state = m_viewModel->emptyState();
        m_empty->setContent(state.symbol, state.heading, state.body);
        using Button = TransactionsEmpty::Button;
        for (const Button button : state.buttons) {
            switch (button) {
            case Button::addAccount:
                m_empty->addAction(context().actions.action(AppCommand::newAccount),
                                   tr("Add Account"));
                break;
            case Button::newTransaction:
                m_empty->addAction(context().actions.action(AppCommand::newTransaction),
                                   tr("New Transaction…"));
                break;
            case Button::clearSearch:
                m_empty->addButton(tr("Clear Search"),
                                   [this] { context().model.setSearchText(QString()); });
                break;
            case Button::previousPeriod:
                m_empty->addAction(context().actions.action(AppCommand::previousPeriod));
                break;
            case Button::showAllTime:
                m_empty->addButton(tr("Show All Time"), [this] { m_viewModel->showAllTime(); });
                break;
            }
        }
        m_pages->setCurrentWidget(m_empty);
    } else {
        m_pages->setCurrentWidget(m_list);
    }
    m_footer->setVisible(!empty || m_viewModel->offersAllTime());
    m_count->setText(m_viewModel->countText());
    m_received->setText(m_viewModel->receivedText());
    m_spent->setText(m_viewModel->spentText());
    m_received->setVisible(!empty);
    m_spent->setVisible(!empty);
    m_allTime->setVisible(m_viewModel->offersAllTime());
    refreshSelection();
    reveal();
}

void TransactionsScreen::refreshSelection()
{
    const QList<int> rows = selectedRows();
    const SelectionSummary summary = m_viewModel->summary(rows);
    m_selectionBar->setVisible(rows.size() >= 2);
    m_selectedCount->setText(TransactionsViewModel::selectedText(summary.count));
    m_category->setEnabled(summary.canChangeCategory);
    m_category->setToolTip(summary.categoryHelp);
    m_account->setEnabled(summary.canChangeAccount);
    m_account->setToolTip(summary.accountHelp);
    m_cleared->setText(summary.allCleared ? tr("Mark Uncleared") : tr("Mark Cleared"));
    if (m_shown)
        registerEditActions();
}

void TransactionsScreen::reveal()
{
    const std::optional<EntryId>& id = context().model.revealedTransaction();
    if (!id || m_viewModel->isBusy() || !m_shown)
        return;
    const EntryId revealed = *id;
    // Revealed once: later refreshes keep the user's own selection.
    context().model.revealTransaction(std::nullopt);
    selectIds({revealed});
}

void TransactionsScreen::selectIds(const QList<EntryId>& ids)
{
    QItemSelection selection;
    int first = -1;
    for (const EntryId& id : ids) {
        const int row = m_viewModel->list()->rowOf(id);
        if (row < 0)
            continue;
        const QModelIndex index = m_viewModel->list()->index(row);
        selection.select(index, index);
        first = first < 0 ? row : std::min(first, row);
    }
    if (first < 0)
        return;
    m_list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_list->selectionModel()->setCurrentIndex(m_viewModel->list()->index(first),
                                              QItemSelectionModel::NoUpdate);
    m_list->scrollTo(m_viewModel->list()->index(first), QAbstractItemView::PositionAtCenter);
}

void TransactionsScreen::fillCategoryMenu()
{
    m_categoryMenu->clear();
    const QList<int> rows = selectedRows();
    const SelectionSummary summary = m_viewModel->summary(rows);
    if (!summary.categoryKind)
        return;
    for (const BulkChoice& choice : m_viewModel->categoryChoices(*summary.categoryKind)) {
        const auto id = CategoryId::fromString(choice.id);
        m_categoryMenu->addAction(choice.title, this,
                                  [this, id] { m_viewModel->changeCategory(selectedRows(), id); });
    }
    m_categoryMenu->addSeparator();
    m_categoryMenu->addAction(tr("Uncategorized"), this, [this] {
        m_viewModel->changeCategory(selectedRows(), std::nullopt);
    });
}

void TransactionsScreen::fillAccountMenu()
{
    m_accountMenu->clear();
    const SelectionSummary summary = m_viewModel->summary(selectedRows());
    if (!summary.currency)
        return;
    for (const BulkChoice& choice : m_viewModel->accountChoices(*summary.currency)) {
        const auto id = AccountId::fromString(choice.id);
        if (!id)
            continue;
        m_accountMenu->addAction(choice.title, this, [this, id = *id] {
            m_viewModel->changeAccount(selectedRows(), id);
        });
    }
}

void TransactionsScreen::chooseContact()
{
    const QList<int> rows = selectedRows();
    bool accepted = false;
    const QString name = QInputDialog::getItem(this, tr("Choose Contact"), tr("Contact"),
                                               m_viewModel->contactNames(), 0, true, &accepted);
    if (accepted && !name.trimmed().isEmpty())
        m_viewModel->setContact(rows, name.trimmed());
}

void TransactionsScreen::showContextMenu(const QPoint& position)
{
    const QModelIndex index = m_list->indexAt(position);
    if (index.isValid() && !m_list->selectionModel()->isSelected(index) &&
        !m_viewModel->list()->isDay(index.row()))
        m_list->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    const SelectionSummary summary = m_viewModel->summary(rows);
    QMenu menu(this);
    QAction* edit =
        menu.addAction(tr("Edit…"), this, [this, row = rows.front()] { m_viewModel->edit(row); });
    edit->setEnabled(rows.size() == 1);
    menu.addSeparator();
    QMenu* category = menu.addMenu(tr("Category"));
    category->setEnabled(summary.canChangeCategory);
    category->setToolTip(summary.categoryHelp);
    if (summary.categoryKind)
        for (const BulkChoice& choice : m_viewModel->categoryChoices(*summary.categoryKind)) {
            const auto id = CategoryId::fromString(choice.id);
            category->addAction(choice.title, this,
                                [this, id] { m_viewModel->changeCategory(selectedRows(), id); });
        }
    QMenu* account = menu.addMenu(tr("Account"));
    account->setEnabled(summary.canChangeAccount);
    if (summary.currency)
        for (const BulkChoice& choice : m_viewModel->accountChoices(*summary.currency))
            if (const auto id = AccountId::fromString(choice.id))
                account->addAction(choice.title, this, [this, id = *id] {
                    m_viewModel->changeAccount(selectedRows(), id);
                });
    QMenu* contact = menu.addMenu(tr("Contact"));
    contact->addAction(tr("Choose Contact…"), this, &TransactionsScreen::chooseContact);
    contact->addAction(tr("Remove Contact"), this,
                       [this] { m_viewModel->setContact(selectedRows(), std::nullopt); });
    menu.addAction(summary.allCleared ? tr("Mark Uncleared") : tr("Mark Cleared"), this,
                   [this, cleared = !summary.allCleared] {
                       m_viewModel->setCleared(selectedRows(), cleared);
                   });
    menu.addAction(tr("Duplicate"), this, [this] { m_viewModel->duplicate(selectedRows()); });
    menu.addSeparator();
    menu.addAction(tr("Delete"), this, [this] { m_viewModel->remove(selectedRows()); });
    menu.exec(m_list->viewport()->mapToGlobal(position));
}

} // namespace tallyra::app
