#pragma once

// The Overview's two day-by-day charts over Qt Charts, fed by the view
// model's plain series (they compute nothing):
//
//   PeriodChart       the chart card's content: net worth as a line with its
//                     "Start" and "Today" marks, or per bucket spending,
//                     income & spending side by side, or cash flow as bars
//                     above (received more) or below zero; running buckets
//                     are drawn paler.
//   CumulativeChart   spending so far, this period as a solid line over the
//                     previous period as a dashed one.
//
// Both follow the pointer: a thin guide marks the point under it and
// hovered() says which (-1 when the pointer leaves), so the card can show
// the readout in words next to the chart.
//
// Threading: main thread only.

#include <QList>

#include "screens/overview/overview_view_model.h"
#include "widgets/chart_view.h"

namespace tallyra {
class MoneyDisplay;
}

namespace tallyra::app {

// The shared part: an x axis of point indices with sparse labels, the
// amount axis, the hover guide and the marks.
class IndexChart : public ChartView
{
    Q_OBJECT

public:
    IndexChart(const MoneyDisplay& display, QWidget* parent = nullptr);

    [[nodiscard]] int hoveredPoint() const noexcept { return m_hovered; }
    [[nodiscard]] int pointCount() const noexcept { return m_count; }

signals:
    void hovered(int point);

protected:
    // Rebuilds the axes for count points labelled by labels (empty entries
    // have no label) and values between low and high.
    void setAxes(int count, const QStringList& labels, double low, double high,
                 const QString& currency);
    // Marks drawn over the chart: a text above the point (index, value).
    struct Mark
    {
        int index = 0;
        double value = 0;
        QString text;
    };
    void setMarks(QList<Mark> marks);
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;
    [[nodiscard]] const MoneyDisplay& display() const noexcept { return m_display; }

private:
    void setHovered(int point);

    const MoneyDisplay& m_display;
    int m_count = 0;
    int m_hovered = -1;
    QList<Mark> m_marks;
};

class PeriodChart final : public IndexChart
{
    Q_OBJECT

public:
    using IndexChart::IndexChart;
    void setContent(const OverviewChartContent& content);

protected:
    void restyleSeries() override;

private:
    OverviewChartContent m_content;
};

class CumulativeChart final : public IndexChart
{
    Q_OBJECT

public:
    using IndexChart::IndexChart;
    void setContent(const OverviewCumulative& content);

protected:
    void restyleSeries() override;

private:
    OverviewCumulative m_content;
};

} // namespace tallyra::app
