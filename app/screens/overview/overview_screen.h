#pragma once

// OverviewScreen: the first screen. While the ledger has no transactions it
// shows the first-run view (the two first steps); afterwards the period at
// a glance, in cards: the three figures, the chart the user picked, the
// spending so far against the previous period, spending by category and
// the latest transactions. Everything it shows comes from the
// OverviewViewModel; the screen only lays it out.
//
// Threading: main thread only.

#include <QList>

#include "window/screen.h"

class QLabel;
class QStackedWidget;
class QToolButton;
class QVBoxLayout;

namespace tallyra::app {

class BigFigure;
class Card;
class CumulativeChart;
class EmptyState;
class FirstRunView;
class OverviewViewModel;
class PeriodChart;
class SpendingRing;
class ToneLabel;

class OverviewScreen final : public Screen
{
    Q_OBJECT

public:
    OverviewScreen(WindowContext& context, QWidget* parent = nullptr);

    [[nodiscard]] bool showsFirstRun() const;
    [[nodiscard]] bool isBusy() const override;
    [[nodiscard]] FirstRunView* firstRun() const noexcept { return m_firstRun; }
    [[nodiscard]] OverviewViewModel& viewModel() const noexcept { return *m_viewModel; }
    [[nodiscard]] QToolButton* chartMenuButton() const noexcept { return m_chartMenu; }
    // The recent list's rows (for tests): one widget per transaction.
    [[nodiscard]] int recentRowCount() const;

private:
    QWidget* makeReport();
    void refreshStage();
    void refreshContent();

    OverviewViewModel* m_viewModel;
    QStackedWidget* m_pages;
    FirstRunView* m_firstRun;
    QWidget* m_report;
    QList<BigFigure*> m_figures;
    Card* m_chartCard;
    QToolButton* m_chartMenu;
    QLabel* m_chartReadout;
    QStackedWidget* m_chartPages;
    PeriodChart* m_chart;
    EmptyState* m_chartEmpty;
    QLabel* m_cumulativeReadout;
    ToneLabel* m_warning;
    QStackedWidget* m_cumulativePages;
    CumulativeChart* m_cumulative;
    EmptyState* m_cumulativeEmpty;
    QStackedWidget* m_ringPages;
    SpendingRing* m_ring;
    EmptyState* m_ringEmpty;
    QStackedWidget* m_recentPages;
    QWidget* m_recentList;
    QVBoxLayout* m_recentRows;
    EmptyState* m_recentEmpty;
};

} // namespace tallyra::app
