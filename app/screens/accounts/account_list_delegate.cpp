#include "screens/accounts/account_list_delegate.h"

#include <algorithm>

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

#include "icons/item_icon.h"
#include "screens/accounts/account_list_model.h"
#include "theme/color_contrast.h"
#include "theme/theme.h"

namespace tallyra::app {

namespace {

int lineHeight(const QFont& font)
{
    return QFontMetrics(font).height();
}

QFont smaller(const QFont& font)
{
    return Theme::scaled(font, 0.86);
}

} // namespace

AccountListDelegate::AccountListDelegate(const AccountListModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model)
{
}

QString AccountListDelegate::noRateText()
{
    return tr("No rate");
}

QSize AccountListDelegate::sizeHint(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    const AccountRow* row = m_model.row(index);
    const int line = lineHeight(option.font);
    if (row && row->kind == AccountRow::Kind::section)
        return {line * 8, line * 2};
    return {line * 12, line + lineHeight(smaller(option.font)) + line};
}

void AccountListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    const AccountRow* row = m_model.row(index);
    if (!row)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = option.palette;
    const int line = lineHeight(option.font);
    const int margin = line / 2 + 2;
    const QRect rect = option.rect.adjusted(margin, 0, -margin, 0);

    if (row->kind == AccountRow::Kind::section) {
        QFont font = smaller(option.font);
        font.setWeight(QFont::DemiBold);
        font.setCapitalization(QFont::AllUppercase);
        painter->setFont(font);
        painter->setPen(pal.color(QPalette::PlaceholderText));
        const QRect textRect = rect.adjusted(0, 0, 0, -line / 4);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignBottom, row->title);
        painter->restore();
        return;
    }

    const bool selected = option.state & QStyle::State_Selected;
    if (selected || (option.state & QStyle::State_MouseOver)) {
        QPainterPath path;
        const QRectF area = QRectF(option.rect).adjusted(margin / 2.0, 1, -margin / 2.0, -1);
        path.addRoundedRect(area, line / 3.0, line / 3.0);
        QColor fill = pal.color(QPalette::Highlight);
        if (!selected)
            fill = mix(pal.color(QPalette::Base), pal.color(QPalette::Text), 0.06);
        else if (!(option.state & QStyle::State_HasFocus) && !(option.state & QStyle::State_Active))
            fill = mix(pal.color(QPalette::Base), fill, 0.35);
        painter->fillPath(path, fill);
    }
    const bool strongSelection = selected && (option.state & QStyle::State_Active);
    const QColor text =
        strongSelection ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text);
    const QColor secondary = strongSelection ? text : pal.color(QPalette::PlaceholderText);

    const int badge = line + line / 2;
    const QRectF badgeRect(rect.left(), rect.center().y() - badge / 2.0 + 1, badge, badge);
    paintItemIcon(*painter, badgeRect, row->icon, row->color);

    const int textLeft = rect.left() + badge + line / 2;
    const QFont small = smaller(option.font);
    const int top = rect.center().y() - (line + lineHeight(small)) / 2;

    // The balance column first, so the name knows how much room it has.
    QFont amountFont = Theme::amountFont(option.font);
    const QFontMetrics amountMetrics(amountFont);
    const int balanceWidth = amountMetrics.horizontalAdvance(row->balance);
    QFont markFont = small;
    markFont.setWeight(QFont::DemiBold);
    const int markWidth =
        row->hasNoRate ? QFontMetrics(markFont).horizontalAdvance(noRateText()) : 0;
    const int rightWidth = std::max(balanceWidth, markWidth);
    painter->setFont(amountFont);
    painter->setPen(strongSelection || row->balanceTone == Tone::plain
                        ? text
                        : toneColor(pal, row->balanceTone));
    painter->drawText(QRect(rect.right() - rightWidth, top, rightWidth, line),
                      Qt::AlignRight | Qt::AlignVCenter, row->balance);
    if (row->hasNoRate) {
        painter->setFont(markFont);
        painter->setPen(strongSelection ? text : toneColor(pal, Tone::warning));
        painter->drawText(
            QRect(rect.right() - rightWidth, top + line, rightWidth, lineHeight(small)),
            Qt::AlignRight | Qt::AlignVCenter, noRateText());
    }

    const int textWidth = std::max(0, rect.right() - rightWidth - line / 2 - textLeft);
    painter->setFont(option.font);
    painter->setPen(text);
    painter->drawText(QRect(textLeft, top, textWidth, line), Qt::AlignLeft | Qt::AlignVCenter,
                      QFontMetrics(option.font).elidedText(row->title, Qt::ElideRight, textWidth));
    painter->setFont(small);
    painter->setPen(secondary);
    painter->drawText(QRect(textLeft, top + line, textWidth, lineHeight(small)),
                      Qt::AlignLeft | Qt::AlignVCenter,
                      QFontMetrics(small).elidedText(row->detail, Qt::ElideRight, textWidth));
    painter->restore();
}

} // namespace tallyra::app
