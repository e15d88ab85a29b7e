#pragma once

// ChartView: the base of every chart of the window, over Qt Charts. It
// owns its chart, keeps its background transparent (the card behind it
// shows), and takes axis labels, grid lines, titles and the legend from
// the palette. A palette change restyles it: setTheme() first (it resets
// series colours), then the palette colours, then restyleSeries(), where a
// chart gives its series their own colours back (a category keeps its
// stored colour in every chart).
//
// Charts never compute: they are fed values and labels (axis labels from
// the money display) by their view models. setSummary() sets the
// accessible description that says what the chart shows in words.
//
// Threading: main thread only.

#include <QtCharts/QChartView>

namespace tallyra::app {

class ChartView : public QChartView
{
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);

    // "Spending by category, May: Food ₴4,200, …"
    void setSummary(const QString& summary);
    // Re-applies the palette (also done on every palette change).
    void restyle();

protected:
    // Gives series their colours after a restyle; the default does nothing.
    virtual void restyleSeries() {}
    void changeEvent(QEvent* event) override;
    // Styles one axis from the palette: label and line colours, grid.
    void styleAxis(QAbstractAxis* axis) const;
};

} // namespace tallyra::app
