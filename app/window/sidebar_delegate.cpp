#include "window/sidebar_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

#include "theme/color_contrast.h"
#include "widgets/card.h"
#include "window/sidebar_model.h"

namespace tallyra::app {

QSize SidebarDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    const int line = option.fontMetrics.height();
    return {m_compact ? line * 3 : line * 8, line * 2 + 4};
}

void SidebarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = option.palette;
    // The shown destination is drawn as selected; the keyboard moves only
    // the focus ring until Return switches.
    const bool selected = index.data(SidebarModel::CurrentRole).toBool();
    const bool hovered = option.state.testFlag(QStyle::State_MouseOver);
    const bool active = option.state.testFlag(QStyle::State_Active);
    const QRectF pill = QRectF(option.rect).adjusted(6, 2, -6, -2);
    const qreal radius = Card::cornerRadius(option.widget);

    QColor text = pal.color(QPalette::WindowText);
    if (selected) {
        QPainterPath path;
        path.addRoundedRect(pill, radius, radius);
        painter->fillPath(
            path, pal.color(active ? QPalette::Active : QPalette::Inactive, QPalette::Highlight));
        text = pal.color(QPalette::HighlightedText);
    } else if (hovered) {
        QPainterPath path;
        path.addRoundedRect(pill, radius, radius);
        painter->fillPath(path, mix(pal.color(QPalette::Window), text, 0.08));
    }

    const int line = option.fontMetrics.height();
    const int iconSize = line + 2;
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    const QIcon::Mode mode = selected ? QIcon::Selected : QIcon::Normal;
    QRect iconRect(0, 0, iconSize, iconSize);
    if (m_compact) {
        iconRect.moveCenter(pill.toRect().center());
        icon.paint(painter, iconRect, Qt::AlignCenter, mode);
    } else {
        iconRect.moveTopLeft(QPoint(static_cast<int>(pill.left()) + line / 2 + 2,
                                    static_cast<int>(pill.center().y()) - iconSize / 2));
        icon.paint(painter, iconRect, Qt::AlignCenter, mode);
        QFont font = option.font;
        const QVariant fontData = index.data(Qt::FontRole);
        if (fontData.isValid())
            font.setBold(fontData.value<QFont>().bold());
        painter->setFont(font);
        painter->setPen(text);
        const QRectF textRect(iconRect.right() + line * 0.7, pill.top(),
                              pill.right() - iconRect.right() - line, pill.height());
        const QString title =
            QFontMetrics(font).elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight,
                                          static_cast<int>(textRect.width()));
        painter->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, title);
    }

    if (option.state.testFlag(QStyle::State_HasFocus) && !selected) {
        QPen pen(pal.color(QPalette::Highlight), 1.5);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(pill.adjusted(0.75, 0.75, -0.75, -0.75), radius, radius);
    }
    painter->restore();
}

} // namespace tallyra::app
