#include "widgets/card.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QVBoxLayout>

#include "theme/color_contrast.h"

namespace tallyra::app {

Card::Card(QWidget* parent) : Card(QString(), parent) {}

Card::Card(const QString& title, QWidget* parent)
    : QFrame(parent), m_title(new QLabel(title)), m_header(new QWidget), m_content(new QVBoxLayout)
{
    setAttribute(Qt::WA_StyledBackground, false);
    QFont bold = font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->setTextInteractionFlags(Qt::NoTextInteraction);

    auto* header = new QHBoxLayout(m_header);
    header->setContentsMargins(0, 0, 0, 0);
    header->addWidget(m_title, 1);
    m_header->setVisible(!title.isEmpty());

    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin) + 4;
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(margin, margin, margin, margin);
    outer->setSpacing(style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing) + 2);
    outer->addWidget(m_header);
    outer->addLayout(m_content, 1);
    m_content->setContentsMargins(0, 0, 0, 0);
}

void Card::setTitle(const QString& title)
{
    m_title->setText(title);
    m_header->setVisible(!title.isEmpty() || m_header->layout()->count() > 1);
}

QString Card::title() const
{
    return m_title->text();
}

void Card::addHeaderWidget(QWidget* widget)
{
    static_cast<QHBoxLayout*>(m_header->layout())->addWidget(widget);
    m_header->setVisible(true);
}

int Card::cornerRadius(const QWidget* widget)
{
    return std::max(6, QFontMetrics(widget->font()).height() / 2);
}

void Card::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor base = palette().color(QPalette::Base);
    const QColor outline = mix(base, palette().color(QPalette::WindowText), 0.14);
    const qreal radius = cornerRadius(this);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.fillPath(path, base);
    painter.setPen(QPen(outline, 1));
    painter.drawPath(path);
}

} // namespace tallyra::app
