#pragma once

// TransactionListModel: the transaction feed as one flat list for a
// QListView: each day a header row, then that day's transactions, newest
// first. Day headers are rows of the same model (and the same height) so
// that uniform row heights hold and a million rows scroll without pause.
//
// Rows are addressed by a compact table of (day, entry) pairs built once
// per feed; the row texts (TransactionRowModel) are made on demand when a
// row is painted and kept in a small cache, never for the whole list.
//
// Roles: Qt::DisplayRole (the title or the day), Qt::AccessibleTextRole (a
// full sentence: "Groceries, −₴250.00, Card, Today"), Qt::ToolTipRole,
// and the roles below.
//
// Threading: main thread only.

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include <QAbstractListModel>

#include "periods/period_engine.h"
#include "reports/transaction_feed.h"
#include "shell/transaction_row_model.h"

namespace tallyra {
class LedgerIndex;
class MoneyDisplay;
} // namespace tallyra

namespace tallyra::app {

class TransactionListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role
    {
        IsDayRole = Qt::UserRole + 1, // bool
        EntryIdRole,                  // QString (the id), empty for a day
    };

    explicit TransactionListModel(const MoneyDisplay& display, QObject* parent = nullptr);

    void setFeed(TransactionFeed feed, std::shared_ptr<const LedgerIndex> ledger,
                 const PeriodEngine& engine, TransactionRowModel::Options options);
    // The money display switched (cents, masks): texts change, rows stay.
    void refreshTexts();

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

    [[nodiscard]] const TransactionFeed& feed() const noexcept { return m_feed; }
    [[nodiscard]] const std::shared_ptr<const LedgerIndex>& ledger() const noexcept
    {
        return m_ledger;
    }
    [[nodiscard]] bool isDay(int row) const;
    // The transaction of an entry row; null for a day header or out of range.
    [[nodiscard]] const Entry* entry(int row) const;
    [[nodiscard]] const TransactionRowModel* rowModel(int row) const;
    // A day header's texts: "Today" and "Received ₴1,200.00 · Spent ₴80.00".
    [[nodiscard]] QString dayTitle(int row) const;
    [[nodiscard]] QString dayTotals(int row) const;
    // The row of a transaction; -1 when it is not listed.
    [[nodiscard]] int rowOf(const EntryId& id) const;
    [[nodiscard]] int entryCount() const noexcept { return m_entryCount; }

private:
    struct Slot
    {
        std::int32_t day = 0;
        std::int32_t entry = -1; // -1: the day's header
    };

    const MoneyDisplay& m_display;
    TransactionFeed m_feed;
    std::shared_ptr<const LedgerIndex> m_ledger;
    std::optional<PeriodEngine> m_engine;
    TransactionRowModel::Options m_options;
    std::vector<Slot> m_slots;
    int m_entryCount = 0;
    mutable std::unordered_map<int, TransactionRowModel> m_rows;
    mutable std::unordered_map<EntryId, int> m_rowOfId;
};

} // namespace tallyra::app
