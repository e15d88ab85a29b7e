#pragma once

// OverviewViewModel: everything the Overview shows, decided here and drawn
// by the screen. It computes the OverviewReport of the application model's
// period off the main thread (a million transactions take longer than a
// frame), then turns it into texts and plain series on the main thread,
// where the money display lives:
//
// - three figures: net worth with its change since the day before the
//   period, income and spending next to the same days before, each with
//   the count of what was left out for lack of a rate;
// - the chart the "Overview chart" setting names (net worth day by day,
//   cash flow, spending or income & spending per bucket) with its hover
//   readouts;
// - cumulative spending of this and the previous period, and whether this
//   period is ahead (the warning);
// - the spending ring: the eight largest top-level categories and "Other";
// - the latest transactions as rows of the transaction list.
//
// Comparisons are absolute differences ("+$120.00 vs the same days
// before"): a percentage of a tiny previous figure says little. Income up
// reads as good news, spending up as a warning.
//
// A result that arrives for an older ledger, period or setting is dropped;
// the newest request always wins.
//
// Threading: main thread; the report itself runs on the global pool.

#include <optional>

#include <QColor>
#include <QFutureWatcher>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "reports/category_breakdown.h"
#include "reports/overview_report.h"
#include "settings/overview_chart.h"
#include "shell/transaction_row_model.h"
#include "widgets/semantic_palette.h"

namespace tallyra {
class AppServices;
class LedgerIndex;
class MoneyDisplay;
} // namespace tallyra

namespace tallyra::app {

class AppModel;

struct OverviewFigure
{
    QString caption;
    QString value;
    Tone tone = Tone::plain;
    QString comparison; // empty: no line
    Tone comparisonTone = Tone::neutral;
    QString note; // "2 transactions not counted"; empty: none
    QString action;

    friend bool operator==(const OverviewFigure&, const OverviewFigure&) = default;
};

// One step of the chart: a bucket (bars) or a day (net worth line).
struct OverviewChartPoint
{
    QString label; // x-axis label; empty where the axis skips it
    double received = 0;
    double spent = 0;
    double value = 0; // net worth, or received − spent for cash flow
    bool isComplete = true;
};

struct OverviewChartContent
{
    OverviewChart kind = OverviewChart::spending;
    QList<OverviewChartPoint> points;
    QString currency;
    // Shown instead of the chart when set.
    QString emptyText;
    // Net worth: indices of the marked points (-1 when not shown).
    int startMark = -1;
    int todayMark = -1;
    // What a screen reader says about it.
    QString summary;
};

struct OverviewCumulative
{
    QList<double> current;  // per elapsed day
    QList<double> previous; // per day of the previous period
    QStringList dayLabels;  // one per day of the longer list
    QString currency;
    bool isAhead = false; // the warning: more spent than the same days before
    QString emptyText;
    QString summary;
};

struct OverviewSlice
{
    QString name;
    QString amount;
    QString share;
    double value = 0;
    QColor color;
    // The category badge; none for "Other".
    std::optional<CategoryNode::Icon> icon;
    std::optional<CategoryScope> scope;
};

struct OverviewRing
{
    QList<OverviewSlice> slices;
    QString total;
    QString emptyText;
    QString summary;
};

struct OverviewRecent
{
    QList<TransactionRowModel> rows;
    QString emptyText;
};

class OverviewViewModel final : public QObject
{
    Q_OBJECT

public:
    // At most this many slices of their own; the rest merge into "Other".
    static constexpr int kRingSlices = 8;

    OverviewViewModel(AppServices& services, AppModel& model, MoneyDisplay& display,
                      QObject* parent = nullptr);
    ~OverviewViewModel() override;

    [[nodiscard]] bool isBusy() const noexcept { return m_pending; }
    [[nodiscard]] bool hasReport() const noexcept { return m_report.has_value(); }
    [[nodiscard]] const std::optional<OverviewReport>& report() const noexcept { return m_report; }

    [[nodiscard]] const QList<OverviewFigure>& figures() const noexcept { return m_figures; }
    [[nodiscard]] const OverviewChartContent& chart() const noexcept { return m_chart; }
    [[nodiscard]] const OverviewCumulative& cumulative() const noexcept { return m_cumulative; }
    [[nodiscard]] const OverviewRing& ring() const noexcept { return m_ring; }
    [[nodiscard]] const OverviewRecent& recent() const noexcept { return m_recent; }

    // The chart's choices in menu order and the current one.
    [[nodiscard]] static QList<OverviewChart> chartChoices();
    [[nodiscard]] static QString chartTitle(OverviewChart chart);
    void setChart(OverviewChart chart);

    // Hover readouts: the text for the point under the pointer (a chart
    // point, a day of the cumulative chart); empty for none.
    [[nodiscard]] QString chartReadout(int point) const;
    [[nodiscard]] QString cumulativeReadout(int day) const;

    // The figures' actions and the cards' links.
    void showFigureDetail(int figure);
    void showAllCategories();
    void showAllTransactions();
    void showInTransactions(const EntryId& id);

    // Recomputes now (the screen calls it when shown); a computation under
    // way is replaced.
    void refresh();

    // Texts of the cards.
    [[nodiscard]] static QString cumulativeCaption();
    [[nodiscard]] static QString warningText();

signals:
    // A new report is in; everything above may have changed.
    void changed();
    void busyChanged(bool busy);

private:
    void finished();
    void build(const OverviewReport& report, const LedgerIndex& index);
    [[nodiscard]] QString money(const Money& amount) const;
    [[nodiscard]] QString shortDate(const QDateTime& date) const;

    AppServices& m_services;
    AppModel& m_model;
    MoneyDisplay& m_display;
    QFutureWatcher<OverviewReport> m_watcher;
    std::shared_ptr<const LedgerIndex> m_pendingIndex;
    std::shared_ptr<const LedgerIndex> m_index;
    std::uint64_t m_ticket = 0;
    std::uint64_t m_runningTicket = 0;
    bool m_pending = false;
    std::optional<OverviewReport> m_report;

    QList<OverviewFigure> m_figures;
    OverviewChartContent m_chart;
    OverviewCumulative m_cumulative;
    OverviewRing m_ring;
    OverviewRecent m_recent;
};

} // namespace tallyra::app
