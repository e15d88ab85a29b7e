#pragma once

// BalanceHistoryModel: an account's recorded balances, newest first — the
// day, what the account held and how far that moved it from what its
// transactions said. Rebuilt from every new ledger index.
//
// Threading: main thread only.

#include <vector>

#include <QAbstractTableModel>

#include "base/typed_id.h"
#include "reports/balance_timeline.h"

namespace tallyra {
class LedgerIndex;
class MoneyDisplay;
class PeriodEngine;
} // namespace tallyra

namespace tallyra::app {

class BalanceHistoryModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        DayColumn,
        BalanceColumn,
        ChangeColumn,
        ColumnCount,
    };

    BalanceHistoryModel(AccountId account, const MoneyDisplay& display, const PeriodEngine& engine,
                        QObject* parent = nullptr);

    void setIndex(const LedgerIndex* index);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

    [[nodiscard]] std::optional<CheckpointId> checkpointAt(int row) const;

private:
    AccountId m_account;
    const MoneyDisplay& m_display;
    const PeriodEngine& m_engine;
    std::vector<BalanceChange> m_changes;
};

} // namespace tallyra::app
