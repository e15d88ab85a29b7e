#include "screens/transactions/transaction_delegate.h"

#include <QApplication>
#include <QPainter>

#include "screens/transactions/transaction_list_model.h"
#include "theme/color_contrast.h"
#include "theme/theme.h"
#include "widgets/semantic_palette.h"
#include "widgets/transaction_badge.h"

namespace tallyra::app {

namespace {

constexpr int kPadding = 6;
constexpr int kGap = 10;
// The list lines up with the header and footer of the screen.
constexpr int kSide = 24;

} // namespace

TransactionDelegate::TransactionDelegate(const TransactionListModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model)
{
}

QSize TransactionDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    if (m_size.isEmpty() || option.font != m_font) {
        m_font = option.font;
        const QFontMetrics metrics(option.font);
        m_size = QSize(metrics.averageCharWidth() * 40, metrics.lineSpacing() * 2 + kPadding * 2);
    }
    return m_size;
}

void TransactionDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const
{
    if (m_model.isDay(index.row()))
        paintDay(painter, option, index.row());
    else
        paintEntry(painter, option, index.row());
}

void TransactionDelegate::paintDay(QPainter* painter, const QStyleOptionViewItem& option,
                                   int row) const
{
    painter->save();
    const QPalette& pal = option.palette;
    const QRect band = option.rect;
    painter->fillRect(band, mix(pal.color(QPalette::Base), pal.color(QPalette::WindowText), 0.05));
    painter->setPen(mix(pal.color(QPalette::Base), pal.color(QPalette::WindowText), 0.12));
    painter->drawLine(band.bottomLeft(), band.bottomRight());

    const QRect text = band.adjusted(kSide, 0, -kSide, 0);
    QFont bold = option.font;
    bold.setBold(true);
    const QString totals = m_model.dayTotals(row);
    QFont amounts = Theme::amountFont(option.font);
    const int totalsWidth = QFontMetrics(amounts).horizontalAdvance(totals);
    painter->setFont(amounts);
    painter->setPen(pal.color(QPalette::PlaceholderText));
    painter->drawText(text, Qt::AlignRight | Qt::AlignVCenter, totals);
    painter->setFont(bold);
    painter->setPen(pal.color(QPalette::WindowText));
    const QRect titleRect = text.adjusted(0, 0, -(totalsWidth + kGap), 0);
    painter->drawText(
        titleRect, Qt::AlignLeft | Qt::AlignVCenter,
        QFontMetrics(bold).elidedText(m_model.dayTitle(row), Qt::ElideRight, titleRect.width()));
    painter->restore();
}

void TransactionDelegate::paintEntry(QPainter* painter, const QStyleOptionViewItem& option,
                                     int row) const
{
    const TransactionRowModel* model = m_model.rowModel(row);
    if (!model)
        return;
    painter->save();
    // The style draws the selection and focus the way every list of the
    // desktop does.
    QStyleOptionViewItem panel = option;
    panel.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &panel, painter, widget);

    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& pal = option.palette;
    const QColor text = pal.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const QColor secondary = selected ? mix(pal.color(QPalette::Highlight), text, 0.8)
                                      : pal.color(QPalette::PlaceholderText);
    const QFontMetrics metrics(option.font);
    const int line = metrics.lineSpacing();
    const QRect area = option.rect.adjusted(kSide, kPadding, -kSide, -kPadding);

    // Badge
    const int badgeSize = std::min(area.height(), line * 2 - 2);
    if (m_model.ledger()) {
        const QPixmap badge = transactionBadge(model->icon, *m_model.ledger(), badgeSize,
                                               painter->device()->devicePixelRatioF());
        painter->drawPixmap(area.left(), area.top() + (area.height() - badgeSize) / 2, badge);
    }

    // Amount column: the amount over the balance or the time.
    const QFont amountFont = Theme::amountFont(option.font);
    const QFontMetrics amountMetrics(amountFont);
    const QString below = model->balance ? *model->balance : model->time.value_or(QString());
    const int amountWidth = std::max(amountMetrics.horizontalAdvance(model->amount),
                                     amountMetrics.horizontalAdvance(below));
    const QRect amountRect(area.right() - amountWidth, area.top(), amountWidth, line);
    const QRect belowRect(area.right() - amountWidth, area.top() + line, amountWidth, line);
    painter->setFont(amountFont);
    painter->setPen(selected ? text : toneColor(pal, amountTone(model->kind)));
    painter->drawText(amountRect, Qt::AlignRight | Qt::AlignVCenter, model->amount);
    if (!below.isEmpty()) {
        painter->setPen(secondary);
        painter->drawText(belowRect, Qt::AlignRight | Qt::AlignVCenter, below);
    }

    // Title over details.
    const int left = area.left() + badgeSize + kGap;
    const int width = std::max(0, amountRect.left() - kGap - left);
    QStringList details;
    if (model->detail)
        details.push_back(*model->detail);
    details.push_back(model->account);
    details.append(model->subtitle);
    if (model->hasReceipt)
        details.push_back(tr("receipt"));
    if (model->time && model->balance)
        details.push_back(*model->time);
    QString title = model->title;
    painter->setFont(option.font);
    painter->setPen(text);
    painter->drawText(QRect(left, area.top(), width, line), Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(title, Qt::ElideRight, width));
    painter->setPen(secondary);
    painter->drawText(
        QRect(left, area.top() + line, width, line), Qt::AlignLeft | Qt::AlignVCenter,
        metrics.elidedText(details.join(QStringLiteral(" · ")), Qt::ElideRight, width));
    painter->restore();
}

} // namespace tallyra::app
