#pragma once

// TransactionsScreen: the transaction list of the period as a model/view
// list (no widget per row), with the type switcher and the scope above it,
// the selection bar with the bulk actions while several rows are
// selected, and the footer with the count and the period's totals. The
// TransactionsViewModel decides; the screen lays out and forwards.
//
// Keyboard: Return edits the current row, Delete deletes the selection,
// Ctrl+A selects every row; the bulk actions are in the context menu too.
//
// Threading: main thread only.

#include <QList>

#include "base/typed_id.h"
#include "window/screen.h"

class QLabel;
class QListView;
class QMenu;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace tallyra::app {

class EmptyState;
class SegmentedSwitcher;
class TransactionsViewModel;

class TransactionsScreen final : public Screen
{
    Q_OBJECT

public:
    TransactionsScreen(WindowContext& context, QWidget* parent = nullptr);

    [[nodiscard]] bool isBusy() const override;
    void screenShown() override;
    void screenHidden() override;

    [[nodiscard]] TransactionsViewModel& viewModel() const noexcept { return *m_viewModel; }
    [[nodiscard]] QListView* list() const noexcept { return m_list; }
    [[nodiscard]] QWidget* selectionBar() const noexcept { return m_selectionBar; }
    // A bulk action's button by its text ("Category", "Delete"), for tests.
    [[nodiscard]] QPushButton* bulkButton(const QString& text) const;
    [[nodiscard]] EmptyState* emptyState() const noexcept { return m_empty; }
    [[nodiscard]] bool showsEmptyState() const;
    // The list's selected transaction rows, top to bottom.
    [[nodiscard]] QList<int> selectedRows() const;

private:
    QWidget* makeSelectionBar();
    void refresh();
    void refreshSelection();
    void reveal();
    void selectIds(const QList<EntryId>& ids);
    void fillCategoryMenu();
    void fillAccountMenu();
    void chooseContact();
    void showContextMenu(const QPoint& position);
    void registerEditActions();

    TransactionsViewModel* m_viewModel;
    SegmentedSwitcher* m_filter;
    QWidget* m_scope;
    QLabel* m_scopeText;
    QWidget* m_selectionBar;
    QLabel* m_selectedCount;
    QPushButton* m_category;
    QPushButton* m_account;
    QPushButton* m_contact;
    QPushButton* m_cleared;
    QPushButton* m_duplicate;
    QPushButton* m_delete;
    QMenu* m_categoryMenu;
    QMenu* m_accountMenu;
    QStackedWidget* m_pages;
    QListView* m_list;
    EmptyState* m_empty;
    QWidget* m_footer;
    QLabel* m_count;
    QLabel* m_received;
    QLabel* m_spent;
    QPushButton* m_allTime;
    QList<EntryId> m_keptSelection;
    bool m_shown = false;
};

} // namespace tallyra::app
