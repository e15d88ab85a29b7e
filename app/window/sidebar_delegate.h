#pragma once

// SidebarDelegate: paints a sidebar row as a rounded pill: symbol and
// title, the selected row in the Highlight colour, the hovered one faintly
// tinted. In compact mode (narrow windows) only the symbol is drawn,
// centred; the title stays the row's tooltip and accessible text. Row
// height comes from the font.
//
// Threading: main thread only.

#include <QStyledItemDelegate>

namespace tallyra::app {

class SidebarDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setCompact(bool compact) { m_compact = compact; }
    [[nodiscard]] bool isCompact() const noexcept { return m_compact; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override;

private:
    bool m_compact = false;
};

} // namespace tallyra::app
