#include "widgets/segmented_switcher.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "theme/color_contrast.h"
#include "widgets/card.h"

namespace tallyra::app {

namespace {

constexpr int kInset = 2;

} // namespace

SegmentedSwitcher::SegmentedSwitcher(QWidget* parent) : SegmentedSwitcher({}, parent) {}

SegmentedSwitcher::SegmentedSwitcher(const QStringList& options, QWidget* parent)
    : QWidget(parent), m_options(options)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
}

void SegmentedSwitcher::setOptions(const QStringList& options)
{
    m_options = options;
    m_current = std::clamp(m_current, 0, std::max(0, static_cast<int>(options.size()) - 1));
    updateGeometry();
    update();
}

void SegmentedSwitcher::setCurrentIndex(int index)
{
    if (index < 0 || index >= m_options.size() || index == m_current)
        return;
    m_current = index;
    update();
    emit currentChanged(index);
}

int SegmentedSwitcher::segmentWidth() const
{
    int widest = 0;
    for (const QString& option : m_options)
        widest = std::max(widest, fontMetrics().horizontalAdvance(option));
    return widest + 2 * fontMetrics().averageCharWidth() * 2;
}

QSize SegmentedSwitcher::sizeHint() const
{
    const int height = fontMetrics().height() + 12;
    return {static_cast<int>(m_options.size()) * segmentWidth() + 2 * kInset, height};
}

QSize SegmentedSwitcher::minimumSizeHint() const
{
    return sizeHint();
}

QRect SegmentedSwitcher::segmentRect(int index) const
{
    const int count = std::max<int>(1, static_cast<int>(m_options.size()));
    const int inner = width() - 2 * kInset;
    const int left = kInset + inner * index / count;
    const int right = kInset + inner * (index + 1) / count;
    return {left, kInset, right - left, height() - 2 * kInset};
}

int SegmentedSwitcher::segmentAt(const QPoint& point) const
{
    for (int i = 0; i < m_options.size(); ++i)
        if (segmentRect(i).contains(point))
            return i;
    return -1;
}

void SegmentedSwitcher::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const QColor window = pal.color(QPalette::Window);
    const QColor text = pal.color(QPalette::WindowText);
    const qreal radius = Card::cornerRadius(this) * 0.8;

    QPainterPath track;
    track.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.fillPath(track, mix(window, text, 0.08));
    painter.setPen(QPen(mix(window, text, 0.16), 1));
    painter.drawPath(track);

    for (int i = 0; i < m_options.size(); ++i) {
        const QRectF segment = segmentRect(i);
        const bool selected = i == m_current;
        if (selected || i == m_hovered) {
            QPainterPath thumb;
            thumb.addRoundedRect(segment.adjusted(0.5, 0.5, -0.5, -0.5), radius - 1, radius - 1);
            const QColor fill = selected ? pal.color(QPalette::Base) : mix(window, text, 0.12);
            painter.fillPath(thumb, fill);
            if (selected) {
                painter.setPen(QPen(mix(pal.color(QPalette::Base), text, 0.2), 1));
                painter.drawPath(thumb);
            }
        }
        QFont font = this->font();
        font.setWeight(selected ? QFont::DemiBold : QFont::Normal);
        painter.setFont(font);
        painter.setPen(isEnabled() ? text : pal.color(QPalette::Disabled, QPalette::WindowText));
        painter.drawText(segment, Qt::AlignCenter,
                         fontMetrics().elidedText(m_options[i], Qt::ElideRight,
                                                  static_cast<int>(segment.width()) - 4));
    }

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = segmentRect(m_current).adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void SegmentedSwitcher::mousePressEvent(QMouseEvent* event)
{
    const int index = segmentAt(event->position().toPoint());
    if (index >= 0)
        setCurrentIndex(index);
}

void SegmentedSwitcher::mouseMoveEvent(QMouseEvent* event)
{
    const int index = segmentAt(event->position().toPoint());
    if (index != m_hovered) {
        m_hovered = index;
        update();
    }
}

void SegmentedSwitcher::leaveEvent(QEvent*)
{
    m_hovered = -1;
    update();
}

void SegmentedSwitcher::keyPressEvent(QKeyEvent* event)
{
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrentIndex(m_current + (rtl ? 1 : -1));
        break;
    case Qt::Key_Right:
        setCurrentIndex(m_current + (rtl ? -1 : 1));
        break;
    case Qt::Key_Home:
        setCurrentIndex(0);
        break;
    case Qt::Key_End:
        setCurrentIndex(static_cast<int>(m_options.size()) - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace tallyra::app
