#pragma once

// BalanceChart: the account's end-of-day balances over the period as one
// line. Hovering reports the nearest day (pointHovered); dragging across
// the chart reports the two ends of a range (rangeSelected) so the screen
// can say how much the balance changed between them. The chart only draws
// what it is fed: the values, the currency for the axis and the labels.
//
// Threading: main thread only.

#include <functional>
#include <vector>

#include "widgets/chart_view.h"

class QLineSeries;
class QAreaSeries;
class QScatterSeries;

namespace tallyra {
class MoneyDisplay;
}

namespace tallyra::app {

class BalanceChart final : public ChartView
{
    Q_OBJECT

public:
    explicit BalanceChart(const MoneyDisplay& display, QWidget* parent = nullptr);

    // Balances in major units, one per day; label(i) names point i (empty
    // for points that get no label).
    // masked: balances are hidden, so the amount axis shows no figures.
    void setBalances(const std::vector<double>& values, const QString& currency,
                     const std::function<QString(int)>& label, bool masked = false);

    [[nodiscard]] QSize sizeHint() const override;

signals:
    // -1 when the pointer left the chart.
    void pointHovered(int point);
    void rangeSelected(int from, int to);

protected:
    void restyleSeries() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    [[nodiscard]] int pointAt(const QPointF& position) const;
    void markRange(int from, int to);

    const MoneyDisplay& m_display;
    std::vector<double> m_values;
    QLineSeries* m_line = nullptr;
    QAreaSeries* m_range = nullptr;
    QScatterSeries* m_marker = nullptr;
    int m_pressed = -1;
};

} // namespace tallyra::app
