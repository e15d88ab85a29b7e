#include "screens/overview/overview_charts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>

#include "theme/color_contrast.h"
#include "widgets/amount_axis.h"
#include "widgets/semantic_palette.h"

namespace tallyra::app {

namespace {

QColor paler(const QPalette& palette, const QColor& color)
{
    return mix(color, palette.color(QPalette::Base), 0.55);
}

} // namespace

IndexChart::IndexChart(const MoneyDisplay& display, QWidget* parent)
    : ChartView(parent), m_display(display)
{
    setMouseTracking(true);
    chart()->legend()->hide();
    // Room above the top tick's label and beside the last bar.
    chart()->setMargins(QMargins(2, fontMetrics().height() / 2 + 2, 6, 0));
    setMinimumHeight(fontMetrics().height() * 11);
}

void IndexChart::setAxes(int count, const QStringList& labels, double low, double high,
                         const QString& currency)
{
    for (QAbstractAxis* axis : chart()->axes()) {
        chart()->removeAxis(axis);
        delete axis;
    }
    m_count = count;
    auto* x = new QCategoryAxis;
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    x->setRange(-0.5, std::max(0.5, count - 0.5));
    x->setGridLineVisible(false);
    for (int i = 0; i < labels.size() && i < count; ++i)
        if (!labels[i].isEmpty() && !x->categoriesLabels().contains(labels[i]))
            x->append(labels[i], i);
    QCategoryAxis* y = amountAxis(std::min(0.0, low), std::max(0.0, high), currency, m_display, 4);
    chart()->addAxis(x, Qt::AlignBottom);
    chart()->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart()->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
}

void IndexChart::setMarks(QList<Mark> marks)
{
    m_marks = std::move(marks);
    viewport()->update();
}

void IndexChart::mouseMoveEvent(QMouseEvent* event)
{
    ChartView::mouseMoveEvent(event);
    if (m_count == 0 || chart()->series().isEmpty())
        return setHovered(-1);
    const QPointF scene = mapToScene(event->position().toPoint());
    const QPointF inChart = chart()->mapFromScene(scene);
    if (!chart()->plotArea().contains(inChart))
        return setHovered(-1);
    const QPointF value = chart()->mapToValue(inChart, chart()->series().front());
    setHovered(std::clamp(static_cast<int>(std::lround(value.x())), 0, m_count - 1));
}

void IndexChart::leaveEvent(QEvent* event)
{
    ChartView::leaveEvent(event);
    setHovered(-1);
}

void IndexChart::setHovered(int point)
{
    if (point == m_hovered)
        return;
    m_hovered = point;
    viewport()->update();
    emit hovered(point);
}

void IndexChart::drawForeground(QPainter* painter, const QRectF& rect)
{
    ChartView::drawForeground(painter, rect);
    if (chart()->series().isEmpty())
        return;
    QAbstractSeries* series = chart()->series().front();
    const QRectF plot = chart()->plotArea();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QColor text = palette().color(QPalette::PlaceholderText);
    if (m_hovered >= 0) {
        const QPointF at =
            chart()->mapToScene(chart()->mapToPosition(QPointF(m_hovered, 0), series));
        painter->setPen(QPen(mix(palette().color(QPalette::Base), text, 0.6), 1, Qt::DotLine));
        painter->drawLine(QPointF(at.x(), chart()->mapToScene(plot.topLeft()).y()),
                          QPointF(at.x(), chart()->mapToScene(plot.bottomLeft()).y()));
    }
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    painter->setFont(small);
    const QFontMetricsF metrics(small);
    for (const Mark& mark : m_marks) {
        const QPointF at =
            chart()->mapToScene(chart()->mapToPosition(QPointF(mark.index, mark.value), series));
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette().color(QPalette::Highlight));
        painter->drawEllipse(at, 3.5, 3.5);
        painter->setPen(text);
        const double width = metrics.horizontalAdvance(mark.text);
        const QRectF sceneRect = chart()->mapToScene(plot).boundingRect();
        const double left =
            std::clamp(at.x() - width / 2, sceneRect.left(), sceneRect.right() - width);
        painter->drawText(QPointF(left, at.y() - metrics.descent() - 6), mark.text);
    }
    painter->restore();
}

void PeriodChart::setContent(const OverviewChartContent& content)
{
    m_content = content;
    chart()->removeAllSeries();
    QList<Mark> marks;
    double low = 0;
    double high = 0;
    QStringList labels;
    for (const OverviewChartPoint& point : content.points)
        labels.push_back(point.label);
    const auto count = static_cast<int>(content.points.size());

    if (content.kind == OverviewChart::netWorth) {
        auto* line = new QLineSeries;
        for (int i = 0; i < count; ++i) {
            const double value = content.points[i].value;
            line->append(i, value);
            low = i == 0 ? value : std::min(low, value);
            high = i == 0 ? value : std::max(high, value);
        }
        chart()->addSeries(line);
        if (content.startMark >= 0)
            marks.push_back(
                {content.startMark, content.points[content.startMark].value, tr("Start")});
        if (content.todayMark >= 0 && content.todayMark != content.startMark)
            marks.push_back(
                {content.todayMark, content.points[content.todayMark].value, tr("Today")});
        // A line that hugs its own range reads better than one pressed
        // against zero.
        const double pad = std::max(1.0, (high - low) * 0.15);
        setAxes(count, labels, low < 0 ? low - pad : std::max(0.0, low - pad), high + pad,
                content.currency);
    } else {
        auto* series = new QStackedBarSeries;
        series->setBarWidth(0.7);
        auto* up = new QBarSet(tr("Received"));
        auto* down = new QBarSet(tr("Spent"));
        for (const OverviewChartPoint& point : content.points) {
            switch (content.kind) {
            case OverviewChart::spending:
                up->append(0);
                down->append(point.spent);
                high = std::max(high, point.spent);
                break;
            case OverviewChart::cashFlow:
                up->append(std::max(0.0, point.value));
                down->append(std::min(0.0, point.value));
                high = std::max(high, point.value);
                low = std::min(low, point.value);
                break;
            case OverviewChart::incomeAndSpending:
            case OverviewChart::netWorth:
                // Income above the line, spending below it: two readable
                // bars per bucket in one column.
                up->append(point.received);
                down->append(-point.spent);
                high = std::max(high, point.received);
                low = std::min(low, -point.spent);
                break;
            }
        }
        QList<int> running;
        for (int i = 0; i < count; ++i)
            if (!content.points[i].isComplete)
                running.push_back(i);
        series->append(up);
        series->append(down);
        up->selectBars(running);
        down->selectBars(running);
        chart()->addSeries(series);
        setAxes(count, labels, low, high, content.currency);
    }
    setMarks(marks);
    setSummary(content.summary);
    restyle();
}

void PeriodChart::restyleSeries()
{
    const QPalette& pal = palette();
    for (QAbstractSeries* series : chart()->series()) {
        if (auto* line = qobject_cast<QLineSeries*>(series)) {
            line->setPen(QPen(pal.color(QPalette::Highlight), 2.5));
        } else if (auto* bars = qobject_cast<QStackedBarSeries*>(series)) {
            const QList<QBarSet*> sets = bars->barSets();
            const QColor colors[] = {toneColor(pal, Tone::income), toneColor(pal, Tone::expense)};
            for (int i = 0; i < sets.size() && i < 2; ++i) {
                sets[i]->setColor(colors[i]);
                sets[i]->setBorderColor(colors[i]);
                sets[i]->setSelectedColor(paler(pal, colors[i]));
            }
        }
    }
}

void CumulativeChart::setContent(const OverviewCumulative& content)
{
    m_content = content;
    chart()->removeAllSeries();
    auto* previous = new QLineSeries;
    previous->setName(tr("The previous period"));
    auto* current = new QLineSeries;
    current->setName(tr("This period"));
    double high = 0;
    for (int i = 0; i < content.previous.size(); ++i) {
        previous->append(i, content.previous[i]);
        high = std::max(high, content.previous[i]);
    }
    for (int i = 0; i < content.current.size(); ++i) {
        current->append(i, content.current[i]);
        high = std::max(high, content.current[i]);
    }
    // The current line goes first: the hover maps positions through it.
    chart()->addSeries(current);
    chart()->addSeries(previous);
    const auto count = static_cast<int>(std::max(content.current.size(), content.previous.size()));
    setAxes(count, content.dayLabels, 0, high, content.currency);
    setSummary(content.summary);
    restyle();
}

void CumulativeChart::restyleSeries()
{
    const QPalette& pal = palette();
    const QList<QAbstractSeries*> series = chart()->series();
    if (series.size() < 2)
        return;
    static_cast<QLineSeries*>(series[0])->setPen(QPen(toneColor(pal, Tone::expense), 2.5));
    QPen dashed(pal.color(QPalette::PlaceholderText), 1.5, Qt::DashLine);
    static_cast<QLineSeries*>(series[1])->setPen(dashed);
}

} // namespace tallyra::app
