#include "screens/categories/category_bar_chart.h"

#include <algorithm>

#include <QGuiApplication>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>

#include "widgets/amount_axis.h"

namespace tallyra::app {

CategoryBarChart::CategoryBarChart(const MoneyDisplay& display, QWidget* parent)
    : ChartView(parent), m_display(display)
{
    chart()->legend()->hide();
    chart()->setMargins(QMargins(0, fontMetrics().height() / 2, 0, 0));
    setMinimumHeight(fontMetrics().height() * 9);
}

QSize CategoryBarChart::sizeHint() const
{
    const int line = fontMetrics().height();
    return {line * 30, line * 12};
}

void CategoryBarChart::setBars(const std::vector<double>& values, const QString& currency,
                               const QColor& color, const std::function<QString(int)>& label)
{
    chart()->removeAllSeries();
    // removeAxis hands the axis back to us rather than deleting it.
    for (QAbstractAxis* axis : chart()->axes()) {
        chart()->removeAxis(axis);
        delete axis;
    }
    m_color = color;
    m_anchor = -1;
    m_series = new QBarSeries;
    m_set = new QBarSet(QString());
    // Bar i stands at x = i; about eight of them get a label so long
    // periods don't crowd the axis.
    auto* labels = new QCategoryAxis;
    labels->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int count = static_cast<int>(values.size());
    labels->setRange(-0.5, std::max(count, 1) - 0.5);
    const int every = std::max(1, (count + 7) / 8);
    for (int i = 0; i < count; ++i) {
        m_set->append(values[static_cast<size_t>(i)]);
        if (i % every != 0)
            continue;
        QString text = label(i);
        while (labels->categoriesLabels().contains(text))
            text.append(QChar(0x200B));
        labels->append(text, i);
    }
    m_series->append(m_set);
    m_series->setBarWidth(0.7);
    chart()->addSeries(m_series);
    const double high = values.empty() ? 1.0 : *std::max_element(values.begin(), values.end());
    QCategoryAxis* amounts = amountAxis(0, high, currency, m_display, 4);
    chart()->addAxis(amounts, Qt::AlignLeft);
    chart()->addAxis(labels, Qt::AlignBottom);
    labels->setGridLineVisible(false);
    m_series->attachAxis(amounts);
    m_series->attachAxis(labels);
    connect(m_series, &QBarSeries::clicked, this, [this](int index, QBarSet*) {
        const bool extend = QGuiApplication::keyboardModifiers() & Qt::ShiftModifier;
        if (extend && m_anchor >= 0) {
            emit barsSelected(std::min(m_anchor, index), std::max(m_anchor, index));
        } else {
            m_anchor = index;
            emit barsSelected(index, index);
        }
    });
    restyle();
}

void CategoryBarChart::restyleSeries()
{
    if (!m_set)
        return;
    const QColor color = m_color.isValid() ? m_color : palette().color(QPalette::Highlight);
    m_set->setColor(color);
    m_set->setBorderColor(color);
}

} // namespace tallyra::app
