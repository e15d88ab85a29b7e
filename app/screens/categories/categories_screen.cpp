#include "screens/categories/categories_screen.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include "reports/ledger_index.h"
#include "screens/categories/categories_view_model.h"
#include "screens/categories/category_bar_chart.h"
#include "screens/categories/category_lines_model.h"
#include "screens/categories/category_tree_model.h"
#include "services/app_services.h"
#include "shell/app_commands.h"
#include "shell/app_model.h"
#include "theme/theme.h"
#include "widgets/amount_label.h"
#include "widgets/card.h"
#include "widgets/empty_state.h"
#include "widgets/segmented_switcher.h"
#include "widgets/tone_label.h"
#include "window/command_actions.h"

namespace tallyra::app {

namespace {

QTreeView* lineList(CategoryLinesModel* model)
{
    auto* view = new QTreeView;
    view->setModel(model);
    view->setRootIsDecorated(false);
    view->setHeaderHidden(true);
    view->setUniformRowHeights(true);
    view->setFrameShape(QFrame::NoFrame);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setFocusPolicy(Qt::NoFocus);
    view->header()->setStretchLastSection(false);
    view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    view->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    view->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return view;
}

// A short list shows all its rows without scrolling.
void fitRows(QTreeView* view)
{
    const int rows = view->model()->rowCount();
    const int row =
        view->sizeHintForRow(0) > 0 ? view->sizeHintForRow(0) : view->fontMetrics().height() + 6;
    view->setFixedHeight(std::max(1, rows) * row + 2);
}

} // namespace

CategoriesScreen::CategoriesScreen(WindowContext& context, QWidget* parent)
    : Screen(Destination::categories, context, parent),
      m_viewModel(new CategoriesViewModel(context.services, context.model, context.display, this)),
      m_treeModel(new CategoryTreeModel(*m_viewModel, this)),
      m_insideModel(new CategoryLinesModel(this)), m_recentModel(new CategoryLinesModel(this)),
      m_modes(new SegmentedSwitcher(CategoriesViewModel::modeTitles())), m_headerTitle(new QLabel),
      m_total(new AmountLabel), m_averageCaption(new ToneLabel), m_average(new AmountLabel),
      m_uncounted(new ToneLabel), m_pages(new QStackedWidget), m_empty(new EmptyState),
      m_content(new QWidget), m_tree(new QTreeView), m_name(new QLabel),
      m_nodeTotal(new AmountLabel), m_shareCaption(new ToneLabel), m_share(new QLabel),
      m_comparison(new ToneLabel), m_readout(new QLabel), m_chartPages(new QStackedWidget),
      m_chart(new CategoryBarChart(context.display)), m_chartEmpty(new EmptyState),
      m_insideCard(new Card(tr("Inside"))), m_inside(lineList(m_insideModel)),
      m_recent(lineList(m_recentModel)),
      m_showTransactions(new QPushButton(tr("Show in Transactions")))
{
    const int line = fontMetrics().height();
    m_modes->setToolTip(tr("Expenses, income or transfers"));
    m_modes->setAccessibleName(tr("What to break down"));
    m_headerTitle->setForegroundRole(QPalette::PlaceholderText);
    m_total->setScale(1.6, true);
    m_average->setScale(1.6, true);
    m_averageCaption->setTone(Tone::neutral);
    m_uncounted->setTone(Tone::warning);

    auto* totalColumn = new QVBoxLayout;
    totalColumn->setSpacing(2);
    auto* totalCaption = new ToneLabel(tr("Total"), Tone::neutral);
    totalColumn->addWidget(totalCaption, 0, Qt::AlignRight);
    totalColumn->addWidget(m_total, 0, Qt::AlignRight);
    auto* averageColumn = new QVBoxLayout;
    averageColumn->setSpacing(2);
    averageColumn->addWidget(m_averageCaption, 0, Qt::AlignRight);
    averageColumn->addWidget(m_average, 0, Qt::AlignRight);
    auto* titleColumn = new QVBoxLayout;
    titleColumn->setSpacing(line / 3);
    titleColumn->addWidget(m_modes, 0, Qt::AlignLeft);
    titleColumn->addWidget(m_headerTitle);
    titleColumn->addWidget(m_uncounted);
    auto* header = new QHBoxLayout;
    header->setContentsMargins(line, line, line, line / 2);
    header->setSpacing(line * 2);
    header->addLayout(titleColumn, 1);
    header->addLayout(averageColumn);
    header->addLayout(totalColumn);

    m_tree->setModel(m_treeModel);
    m_tree->setUniformRowHeights(true);
    m_tree->setFrameShape(QFrame::NoFrame);
    m_tree->setHeaderHidden(true);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setAccessibleName(tr("Categories"));
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(CategoryTreeModel::NameColumn, QHeaderView::Stretch);
    m_tree->header()->setSectionResizeMode(CategoryTreeModel::AmountColumn,
                                           QHeaderView::ResizeToContents);
    m_tree->setIconSize(QSize(line * 5 / 4, line * 5 / 4));
    m_tree->setMinimumWidth(fontMetrics().averageCharWidth() * 34);

    auto* detail = new QWidget;
    auto* detailLayout = new QVBoxLayout(detail);
    detailLayout->setContentsMargins(line, line / 2, line, line);
    detailLayout->setSpacing(line);
    m_name->setFont(Theme::scaled(font(), 1.4, QFont::DemiBold));
    m_nodeTotal->setScale(1.4, true);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(m_nodeTotal);
    detailLayout->addLayout(nameRow);
    auto* facts = new QHBoxLayout;
    facts->setSpacing(line * 2);
    auto* shareColumn = new QVBoxLayout;
    shareColumn->setSpacing(2);
    m_shareCaption->setTone(Tone::neutral);
    m_share->setFont(Theme::scaled(font(), 1.2, QFont::DemiBold));
    shareColumn->addWidget(m_shareCaption);
    shareColumn->addWidget(m_share);
    facts->addLayout(shareColumn);
    facts->addWidget(m_comparison, 1, Qt::AlignBottom);
    facts->addWidget(m_showTransactions, 0, Qt::AlignBottom);
    detailLayout->addLayout(facts);

    auto* chartCard = new Card;
    m_readout->setForegroundRole(QPalette::PlaceholderText);
    chartCard->addHeaderWidget(m_readout);
    m_chartEmpty->setCompact(true);
    m_chartPages->addWidget(m_chart);
    m_chartPages->addWidget(m_chartEmpty);
    chartCard->content()->addWidget(m_chartPages);
    detailLayout->addWidget(chartCard, 1);
    m_insideCard->content()->addWidget(m_inside);
    detailLayout->addWidget(m_insideCard);
    auto* recentCard = new Card(tr("Latest Transactions"));
    recentCard->content()->addWidget(m_recent);
    detailLayout->addWidget(recentCard);
    detailLayout->addStretch(0);
    auto* detailArea = new QScrollArea;
    detailArea->setWidget(detail);
    detailArea->setWidgetResizable(true);
    detailArea->setFrameShape(QFrame::NoFrame);

    auto* splitter = new QSplitter;
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_tree);
    splitter->addWidget(detailArea);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes(
        {fontMetrics().averageCharWidth() * 42, fontMetrics().averageCharWidth() * 90});
    auto* contentLayout = new QVBoxLayout(m_content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(splitter);

    m_pages->addWidget(m_content);
    m_pages->addWidget(m_empty);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(header);
    layout->addWidget(m_pages, 1);

    connect(m_modes, &SegmentedSwitcher::currentChanged, this,
            [this](int index) { m_viewModel->setMode(static_cast<CategoryMode>(index)); });
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (m_restoring)
                    return;
                if (const CategoryNode* node = m_treeModel->node(current))
                    m_viewModel->select(node->id);
            });
    const auto remember = [this](const QModelIndex& index, bool expanded) {
        if (m_restoring)
            return;
        if (const CategoryNode* node = m_treeModel->node(index))
            if (const CategoryId* id = node->id.categoryID())
                this->context().model.setCategoryExpanded(*id, expanded);
    };
    connect(m_tree, &QTreeView::expanded, this,
            [remember](const QModelIndex& index) { remember(index, true); });
    connect(m_tree, &QTreeView::collapsed, this,
            [remember](const QModelIndex& index) { remember(index, false); });
    connect(m_tree, &QTreeView::customContextMenuRequested, this, [this](const QPoint& position) {
        const QModelIndex index = m_tree->indexAt(position);
        if (!index.isValid())
            return;
        QMenu menu(this);
        if (m_treeModel->rowCount(index.siblingAtColumn(0)) > 0) {
            const bool open = m_tree->isExpanded(index.siblingAtColumn(0));
            menu.addAction(open ? tr("Collapse") : tr("Expand"), this, [this, index, open] {
                m_tree->setExpanded(index.siblingAtColumn(0), !open);
            });
        }
        menu.addAction(tr("Show in Transactions"), this, [this, index] {
            if (const CategoryNode* node = m_treeModel->node(index))
                m_viewModel->select(node->id);
            m_viewModel->showInTransactions();
        });
        menu.exec(m_tree->viewport()->mapToGlobal(position));
    });
    connect(m_showTransactions, &QPushButton::clicked, m_viewModel,
            &CategoriesViewModel::showInTransactions);
    connect(m_chart, &CategoryBarChart::barsSelected, this, [this](int from, int to) {
        const QString text = m_viewModel->barReadout(from, to);
        m_readout->setText(text.isEmpty() ? m_viewModel->headerTitle() : text);
    });
    connect(m_viewModel, &CategoriesViewModel::changed, this, &CategoriesScreen::refresh);

    m_empty->addAction(context.actions.action(AppCommand::newTransaction), tr("New Transaction…"));
    m_empty->addAction(context.actions.action(AppCommand::newAccount), tr("Add Account"));
    refresh();
}

bool CategoriesScreen::showsEmptyState() const
{
    return m_pages->currentWidget() == m_empty;
}

void CategoriesScreen::restoreTreeState()
{
    m_restoring = true;
    for (const CategoryId& id : context().model.categoryExpanded()) {
        const QModelIndex index = m_treeModel->indexOf(CategoryScope::category(id));
        if (index.isValid())
            m_tree->setExpanded(index, true);
    }
    if (const CategoryNode* node = m_viewModel->selectedNode()) {
        const QModelIndex index = m_treeModel->indexOf(node->id);
        // Show the selection even when it sits in a collapsed branch.
        for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
            m_tree->setExpanded(up, true);
        m_tree->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
    }
    m_restoring = false;
}

void CategoriesScreen::refresh()
{
    m_modes->blockSignals(true);
    m_modes->setCurrentIndex(static_cast<int>(m_viewModel->mode()));
    m_modes->blockSignals(false);
    m_headerTitle->setText(m_viewModel->headerTitle());
    m_total->setAmount(m_viewModel->totalText());
    m_averageCaption->setText(m_viewModel->averageCaption());
    m_average->setAmount(m_viewModel->averageText());
    m_averageCaption->setVisible(!m_viewModel->averageText().isEmpty());
    m_average->setVisible(!m_viewModel->averageText().isEmpty());
    m_uncounted->setText(m_viewModel->uncountedText());
    m_uncounted->setVisible(!m_viewModel->uncountedText().isEmpty());

    const bool empty = m_viewModel->isEmpty();
    if (empty) {
        m_empty->setContent(QStringLiteral("folder"), m_viewModel->emptyTitle(),
                            m_viewModel->emptyBody());
        m_pages->setCurrentWidget(m_empty);
        return;
    }
    m_pages->setCurrentWidget(m_content);
    restoreTreeState();
    refreshDetail();
}

void CategoriesScreen::refreshDetail()
{
    const CategoryNode* node = m_viewModel->selectedNode();
    if (!node)
        return;
    m_name->setText(node->name);
    m_nodeTotal->setAmount(m_viewModel->amountText(*node));
    m_shareCaption->setText(m_viewModel->shareCaption());
    m_share->setText(m_viewModel->shareText());
    m_comparison->setText(m_viewModel->comparisonText());
    m_comparison->setTone(m_viewModel->comparisonTone());
    m_readout->setText(m_viewModel->headerTitle());
    if (m_viewModel->chartIsEmpty()) {
        m_chartEmpty->setContent(QStringLiteral("chart.bar"), m_viewModel->chartEmptyText(),
                                 QString());
        m_chartPages->setCurrentWidget(m_chartEmpty);
    } else {
        QColor color;
        if (const auto* category = std::get_if<CategoryItem>(&node->icon))
            color = QColor(category->colorHex);
        else
            color = QColor(std::get<SymbolIcon>(node->icon).colorHex);
        m_chart->setBars(m_viewModel->barValues(), node->amount.currency, color,
                         [this](int bar) { return m_viewModel->barLabel(bar); });
        m_chartPages->setCurrentWidget(m_chart);
    }
    m_insideModel->setLines(m_viewModel->inside());
    m_insideCard->setVisible(m_insideModel->rowCount() > 0);
    fitRows(m_inside);
    m_recentModel->setLines(m_viewModel->recent());
    fitRows(m_recent);
}

} // namespace tallyra::app
