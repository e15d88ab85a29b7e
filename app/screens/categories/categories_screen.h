#pragma once

// CategoriesScreen: the mode switcher and the header (title by mode and
// granularity, total, average, uncounted transactions) above the category
// tree on the left and the selected node's detail on the right; the empty
// state by mode while nothing was recorded.
//
// Threading: main thread only.

#include "window/screen.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeView;

namespace tallyra::app {

class AmountLabel;
class Card;
class CategoriesViewModel;
class CategoryBarChart;
class CategoryLinesModel;
class CategoryTreeModel;
class EmptyState;
class SegmentedSwitcher;
class ToneLabel;

class CategoriesScreen final : public Screen
{
    Q_OBJECT

public:
    CategoriesScreen(WindowContext& context, QWidget* parent = nullptr);

    [[nodiscard]] CategoriesViewModel& viewModel() const noexcept { return *m_viewModel; }
    [[nodiscard]] QTreeView* tree() const noexcept { return m_tree; }
    [[nodiscard]] bool showsEmptyState() const;

private:
    void refresh();
    void refreshDetail();
    void restoreTreeState();

    CategoriesViewModel* m_viewModel;
    CategoryTreeModel* m_treeModel;
    CategoryLinesModel* m_insideModel;
    CategoryLinesModel* m_recentModel;
    SegmentedSwitcher* m_modes;
    QLabel* m_headerTitle;
    AmountLabel* m_total;
    ToneLabel* m_averageCaption;
    AmountLabel* m_average;
    ToneLabel* m_uncounted;
    QStackedWidget* m_pages;
    EmptyState* m_empty;
    QWidget* m_content;
    QTreeView* m_tree;
    QLabel* m_name;
    AmountLabel* m_nodeTotal;
    ToneLabel* m_shareCaption;
    QLabel* m_share;
    ToneLabel* m_comparison;
    QLabel* m_readout;
    QStackedWidget* m_chartPages;
    CategoryBarChart* m_chart;
    EmptyState* m_chartEmpty;
    Card* m_insideCard;
    QTreeView* m_inside;
    QTreeView* m_recent;
    QPushButton* m_showTransactions;
    bool m_restoring = false;
};

} // namespace tallyra::app
