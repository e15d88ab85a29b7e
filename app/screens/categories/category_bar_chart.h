#pragma once

// CategoryBarChart: one bar per day, week or month of the period for the
// selected category. Clicking a bar reports it; Shift-clicking a second
// one reports the run between them (barsSelected), for the readout above.
//
// Threading: main thread only.

#include <functional>
#include <vector>

#include "widgets/chart_view.h"

class QBarSeries;
class QBarSet;

namespace tallyra {
class MoneyDisplay;
}

namespace tallyra::app {

class CategoryBarChart final : public ChartView
{
    Q_OBJECT

public:
    explicit CategoryBarChart(const MoneyDisplay& display, QWidget* parent = nullptr);

    void setBars(const std::vector<double>& values, const QString& currency, const QColor& color,
                 const std::function<QString(int)>& label);
    [[nodiscard]] QSize sizeHint() const override;

signals:
    // from == to for a single bar.
    void barsSelected(int from, int to);

protected:
    void restyleSeries() override;

private:
    const MoneyDisplay& m_display;
    QBarSeries* m_series = nullptr;
    QBarSet* m_set = nullptr;
    QColor m_color;
    int m_anchor = -1;
};

} // namespace tallyra::app
