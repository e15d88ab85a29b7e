#include "screens/overview/spending_ring.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QtCharts/QPieSeries>
#include <QtCharts/QPieSlice>

#include "icons/item_icon.h"
#include "icons/symbol_icons.h"
#include "theme/theme.h"
#include "widgets/chart_view.h"

namespace tallyra::app {

namespace {

QPixmap badge(const OverviewSlice& slice, int size, qreal ratio)
{
    if (!slice.icon) {
        QPixmap dot(QSize(size, size) * ratio);
        dot.setDevicePixelRatio(ratio);
        dot.fill(Qt::transparent);
        QPainter painter(&dot);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(slice.color);
        painter.drawEllipse(QRectF(size * 0.25, size * 0.25, size * 0.5, size * 0.5));
        return dot;
    }
    if (const auto* item = std::get_if<CategoryItem>(&*slice.icon)) {
        QImage picture;
        if (item->iconImage)
            picture.loadFromData(*item->iconImage);
        return itemIconPixmap(item->icon, slice.color, size, ratio, picture);
    }
    const auto& symbol = std::get<SymbolIcon>(*slice.icon);
    return itemIconPixmap(CategoryIcon::symbol(symbol.name), slice.color, size, ratio);
}

} // namespace

SpendingRing::SpendingRing(QWidget* parent)
    : QWidget(parent), m_chart(new ChartView), m_series(new QPieSeries),
      m_centre(new QLabel(m_chart)), m_list(new QGridLayout)
{
    m_series->setHoleSize(0.62);
    m_series->setPieSize(0.95);
    m_chart->chart()->addSeries(m_series);
    m_chart->chart()->legend()->hide();
    const int side = fontMetrics().height() * 10;
    m_chart->setFixedSize(side, side);
    m_centre->setAlignment(Qt::AlignCenter);
    m_centre->setWordWrap(true);
    m_centre->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_centre->setGeometry(side / 4, side / 4, side / 2, side / 2);
    m_centre->setFont(Theme::amountFont(font()));

    m_list->setContentsMargins(0, 0, 0, 0);
    m_list->setHorizontalSpacing(10);
    m_list->setVerticalSpacing(4);
    m_list->setColumnStretch(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(18);
    layout->addWidget(m_chart, 0, Qt::AlignTop);
    auto* listBox = new QVBoxLayout;
    listBox->addLayout(m_list);
    listBox->addStretch(1);
    layout->addLayout(listBox, 1);
}

void SpendingRing::setRing(const OverviewRing& ring)
{
    m_ring = ring;
    m_series->clear();
    while (QLayoutItem* item = m_list->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const int iconSize = fontMetrics().height() + 4;
    for (int i = 0; i < ring.slices.size(); ++i) {
        const OverviewSlice& slice = ring.slices[i];
        QPieSlice* pie = m_series->append(slice.name, slice.value);
        pie->setBorderWidth(0);
        connect(pie, &QPieSlice::hovered, this, [this, i](bool on) { highlight(on ? i : -1); });

        auto* icon = new QLabel;
        icon->setPixmap(badge(slice, iconSize, devicePixelRatioF()));
        auto* name = new QLabel;
        name->setText(fontMetrics().elidedText(slice.name, Qt::ElideRight,
                                               fontMetrics().averageCharWidth() * 22));
        name->setToolTip(slice.name);
        auto* share = new QLabel(slice.share);
        share->setForegroundRole(QPalette::PlaceholderText);
        share->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        share->setFont(Theme::amountFont(font()));
        auto* amount = new QLabel(slice.amount);
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        amount->setFont(Theme::amountFont(font()));
        for (QLabel* label : {icon, name, share, amount})
            label->setAccessibleName(slice.name + QStringLiteral(", ") + slice.amount +
                                     QStringLiteral(", ") + slice.share);
        m_list->addWidget(icon, i, 0);
        m_list->addWidget(name, i, 1);
        m_list->addWidget(share, i, 2);
        m_list->addWidget(amount, i, 3);
    }
    m_chart->setSummary(ring.summary);
    recolor();
    highlight(-1);
}

void SpendingRing::highlight(int slice)
{
    const QList<QPieSlice*> slices = m_series->slices();
    for (int i = 0; i < slices.size(); ++i)
        slices[i]->setExploded(i == slice);
    m_series->setPieSize(0.95);
    if (slice >= 0 && slice < m_ring.slices.size())
        m_centre->setText(m_ring.slices[slice].name + QLatin1Char('\n') +
                          m_ring.slices[slice].share);
    else
        m_centre->setText(m_ring.total);
}

void SpendingRing::recolor()
{
    const QList<QPieSlice*> slices = m_series->slices();
    const QColor base = palette().color(QPalette::Base);
    for (int i = 0; i < slices.size() && i < m_ring.slices.size(); ++i) {
        slices[i]->setColor(m_ring.slices[i].color);
        // A hairline of the card's colour separates neighbouring slices.
        slices[i]->setBorderColor(base);
        slices[i]->setBorderWidth(1);
    }
}

void SpendingRing::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        m_chart->restyle();
        recolor();
    }
}

} // namespace tallyra::app
