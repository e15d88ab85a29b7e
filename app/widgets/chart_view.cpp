#include "widgets/chart_view.h"

#include <QEvent>
#include <QGraphicsLayout>
#include <QtCharts/QAbstractAxis>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>

#include "theme/color_contrast.h"
#include "theme/semantic_colors.h"

namespace tallyra::app {

ChartView::ChartView(QWidget* parent) : QChartView(new QChart, parent)
{
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setBackgroundRole(QPalette::Base);
    chart()->setMargins(QMargins(0, 0, 0, 0));
    chart()->layout()->setContentsMargins(0, 0, 0, 0);
    chart()->setBackgroundRoundness(0);
    restyle();
}

void ChartView::setSummary(const QString& summary)
{
    setAccessibleDescription(summary);
    setToolTip(QString());
}

void ChartView::restyle()
{
    const QPalette& pal = palette();
    chart()->setTheme(isDarkScheme(pal) ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart()->setBackgroundVisible(false);
    chart()->setPlotAreaBackgroundVisible(false);
    chart()->setTitleBrush(pal.color(QPalette::WindowText));
    chart()->setFont(font());
    chart()->legend()->setLabelColor(pal.color(QPalette::WindowText));
    chart()->legend()->setFont(font());
    for (QAbstractAxis* axis : chart()->axes())
        styleAxis(axis);
    // Transparent all the way down: the card behind the chart shows.
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    setBackgroundBrush(Qt::NoBrush);
    restyleSeries();
}

void ChartView::styleAxis(QAbstractAxis* axis) const
{
    const QPalette& pal = palette();
    const QColor text = pal.color(QPalette::PlaceholderText);
    const QColor base = pal.color(QPalette::Base);
    axis->setLabelsColor(text);
    axis->setLabelsFont(font());
    axis->setLinePenColor(mix(base, pal.color(QPalette::WindowText), 0.3));
    axis->setGridLineColor(mix(base, pal.color(QPalette::WindowText), 0.1));
    axis->setShadesVisible(false);
    axis->setTitleBrush(text);
}

void ChartView::changeEvent(QEvent* event)
{
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        restyle();
}

} // namespace tallyra::app
