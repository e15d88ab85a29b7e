#pragma once

// AccountDetailView: the right side of the accounts screen — the selected
// account's name, balance and actions, the archived note, the balance
// chart with its readout, the period's figures and, for cards and loans,
// the credit summary. Everything shown comes formatted from the view model.
//
// Threading: main thread only.

#include <QWidget>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace tallyra {
class MoneyDisplay;
}

namespace tallyra::app {

class AccountsViewModel;
class AmountLabel;
class BalanceChart;
class Card;
class EmptyState;
class FigureGrid;
class MessageBar;

class AccountDetailView final : public QWidget
{
    Q_OBJECT

public:
    AccountDetailView(AccountsViewModel& viewModel, const MoneyDisplay& display,
                      QWidget* parent = nullptr);

    [[nodiscard]] BalanceChart* chart() const noexcept { return m_chart; }
    [[nodiscard]] QLabel* readout() const noexcept { return m_readout; }
    [[nodiscard]] FigureGrid* figures() const noexcept { return m_figures; }
    [[nodiscard]] FigureGrid* creditFigures() const noexcept { return m_creditFigures; }
    [[nodiscard]] QPushButton* archiveButton() const noexcept { return m_archive; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void refresh();
    void showReadout(const QString& text);

    AccountsViewModel& m_viewModel;
    QLabel* m_badge;
    QLabel* m_name;
    QLabel* m_subtitle;
    AmountLabel* m_balance;
    MessageBar* m_archivedNote;
    QPushButton* m_edit;
    QPushButton* m_archive;
    QPushButton* m_setBalances;
    QPushButton* m_history;
    QPushButton* m_transactions;
    QPushButton* m_delete;
    Card* m_chartCard;
    QLabel* m_readout;
    QStackedWidget* m_chartPages;
    BalanceChart* m_chart;
    EmptyState* m_chartEmpty;
    Card* m_figuresCard;
    FigureGrid* m_figures;
    Card* m_creditCard;
    FigureGrid* m_creditFigures;
};

} // namespace tallyra::app
