#pragma once

// AccountListDelegate: draws the accounts list — section titles in the
// placeholder colour, and each account as its badge, name and note on the
// left and its balance on the right, with a "No rate" marker under the
// balance when the account is left out of the totals. Heights come from
// the font.
//
// Threading: main thread only.

#include <QStyledItemDelegate>

namespace tallyra::app {

class AccountListModel;

class AccountListDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit AccountListDelegate(const AccountListModel& model, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const override;

    // The marker's text.
    [[nodiscard]] static QString noRateText();

private:
    const AccountListModel& m_model;
};

} // namespace tallyra::app
