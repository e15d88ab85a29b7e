#include "screens/accounts/balance_chart.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>

#include "display/money_display.h"
#include "theme/color_contrast.h"
#include "widgets/amount_axis.h"

namespace tallyra::app {

BalanceChart::BalanceChart(const MoneyDisplay& display, QWidget* parent)
    : ChartView(parent), m_display(display)
{
    chart()->legend()->hide();
    // Room for the top axis label and the last day's label, which sit on
    // the plot's edges.
    const int line = fontMetrics().height();
    chart()->setMargins(QMargins(0, line / 2, line, 0));
    setMouseTracking(true);
    setMinimumHeight(fontMetrics().height() * 10);
}

QSize BalanceChart::sizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 30, line * 13};
}

void BalanceChart::setBalances(const std::vector<double>& values, const QString& currency,
                               const std::function<QString(int)>& label, bool masked)
{
    chart()->removeAllSeries();
    // removeAxis hands the axis back to us rather than deleting it.
    for (QAbstractAxis* axis : chart()->axes()) {
        chart()->removeAxis(axis);
        delete axis;
    }
    m_values = values;
    m_line = new QLineSeries;
    for (size_t i = 0; i < values.size(); ++i)
        m_line->append(static_cast<double>(i), values[i]);
    // A one-day period still draws a flat line across the chart.
    if (values.size() == 1)
        m_line->append(1, values.front());
    // An area series doesn't own its edges; parenting them to it lets
    // removeAllSeries take them along.
    m_range = new QAreaSeries;
    m_range->setUpperSeries(new QLineSeries(m_range));
    m_range->setLowerSeries(new QLineSeries(m_range));
    m_marker = new QScatterSeries;
    m_marker->setMarkerSize(fontMetrics().height() * 0.6);
    chart()->addSeries(m_range);
    chart()->addSeries(m_line);
    chart()->addSeries(m_marker);

    const auto [low, high] = values.empty()
                                 ? std::pair(0.0, 1.0)
                                 : std::pair(*std::min_element(values.begin(), values.end()),
                                             *std::max_element(values.begin(), values.end()));
    QCategoryAxis* amounts = amountAxis(low, high, currency, m_display, 4);
    auto* days = new QCategoryAxis;
    days->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int last = std::max(1, static_cast<int>(values.size()) - 1);
    days->setRange(0, last);
    days->setGridLineVisible(false);
    // About five labels: the ends and evenly spaced days between.
    const int wanted = std::min(5, static_cast<int>(values.size()));
    for (int k = 0; k < wanted; ++k) {
        const int point =
            wanted == 1 ? 0 : static_cast<int>(std::lround(1.0 * k * last / (wanted - 1)));
        QString text = label(point);
        while (days->categoriesLabels().contains(text))
            text.append(QChar(0x200B));
        days->append(text, point);
    }
    amounts->setLabelsVisible(!masked);
    chart()->addAxis(amounts, Qt::AlignLeft);
    chart()->addAxis(days, Qt::AlignBottom);
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(m_range), static_cast<QAbstractSeries*>(m_line),
          static_cast<QAbstractSeries*>(m_marker)}) {
        series->attachAxis(amounts);
        series->attachAxis(days);
    }
    restyle();
}

void BalanceChart::restyleSeries()
{
    if (!m_line)
        return;
    const QPalette& pal = palette();
    QPen pen(pal.color(QPalette::Highlight));
    pen.setWidthF(2.0);
    m_line->setPen(pen);
    QColor fill = pal.color(QPalette::Highlight);
    fill.setAlphaF(0.16F);
    m_range->setBrush(fill);
    m_range->setPen(Qt::NoPen);
    m_marker->setColor(pal.color(QPalette::Highlight));
    m_marker->setBorderColor(pal.color(QPalette::Base));
}

int BalanceChart::pointAt(const QPointF& position) const
{
    if (m_values.empty() || !m_line)
        return -1;
    const QPointF value = chart()->mapToValue(position, m_line);
    const int point = static_cast<int>(std::lround(value.x()));
    return std::clamp(point, 0, static_cast<int>(m_values.size()) - 1);
}

void BalanceChart::markRange(int from, int to)
{
    if (!m_range)
        return;
    m_range->upperSeries()->clear();
    m_range->lowerSeries()->clear();
    if (from < 0 || to < 0 || from == to)
        return;
    const auto* amounts = chart()->axes(Qt::Vertical).value(0);
    const auto* axis = qobject_cast<const QCategoryAxis*>(amounts);
    const double bottom = axis ? axis->min() : 0;
    const double top = axis ? axis->max() : 0;
    const int a = std::min(from, to);
    const int b = std::max(from, to);
    m_range->upperSeries()->append(a, top);
    m_range->upperSeries()->append(b, top);
    m_range->lowerSeries()->append(a, bottom);
    m_range->lowerSeries()->append(b, bottom);
}

void BalanceChart::mouseMoveEvent(QMouseEvent* event)
{
    ChartView::mouseMoveEvent(event);
    const int point = pointAt(event->position());
    if (m_marker) {
        m_marker->clear();
        if (point >= 0)
            m_marker->append(point, m_values[static_cast<size_t>(point)]);
    }
    if (m_pressed >= 0 && point >= 0)
        markRange(m_pressed, point);
    emit pointHovered(point);
}

void BalanceChart::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = pointAt(event->position());
        markRange(-1, -1);
    }
    ChartView::mousePressEvent(event);
}

void BalanceChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_pressed >= 0) {
        const int point = pointAt(event->position());
        if (point >= 0 && point != m_pressed)
            emit rangeSelected(std::min(m_pressed, point), std::max(m_pressed, point));
        else
            markRange(-1, -1);
        m_pressed = -1;
    }
    ChartView::mouseReleaseEvent(event);
}

void BalanceChart::leaveEvent(QEvent* event)
{
    ChartView::leaveEvent(event);
    if (m_marker)
        m_marker->clear();
    emit pointHovered(-1);
}

} // namespace tallyra::app
