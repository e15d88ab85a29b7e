#pragma once

// TransactionDelegate: paints the rows of the transaction list. A day
// header carries the day in words on the left and its totals on the right,
// on a tinted band; a transaction carries its badge, its title over its
// details (category, account, note, tags, contact), and on the right its
// amount over the running balance or the time. Names elide at the right;
// amounts never do.
//
// Every row has the same height (two lines of the font plus padding),
// computed once per font, so the view can keep uniform row heights.
//
// Threading: main thread only.

#include <QStyledItemDelegate>

namespace tallyra::app {

class TransactionListModel;

class TransactionDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    TransactionDelegate(const TransactionListModel& model, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override;

private:
    void paintDay(QPainter* painter, const QStyleOptionViewItem& option, int row) const;
    void paintEntry(QPainter* painter, const QStyleOptionViewItem& option, int row) const;

    const TransactionListModel& m_model;
    mutable QFont m_font;
    mutable QSize m_size;
};

} // namespace tallyra::app
