#pragma once

// SetBalancesModel: the "Set Balances" table — every open account with what
// it holds now and a field for what it really holds. Saving records a
// balance change for each account whose typed balance differs, all in one
// undoable step; a row left empty keeps its balance.
//
// Threading: main thread only.

#include <optional>
#include <vector>

#include <QAbstractTableModel>
#include <QLocale>

#include "model/account.h"

namespace tallyra {
class AccountWriter;
class LedgerIndex;
class MoneyDisplay;
} // namespace tallyra

namespace tallyra::app {

class SetBalancesModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        AccountColumn,
        CurrentColumn,
        NewColumn,
        ColumnCount,
    };

    SetBalancesModel(const LedgerIndex* index, AccountWriter& writer, const MoneyDisplay& display,
                     const QLocale& inputLocale, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    [[nodiscard]] bool hasChanges() const;
    // Writes the balances; the message of what was refused, or none.
    [[nodiscard]] std::optional<QString> save();

private:
    struct Row
    {
        Account account;
        Money current;
        QString typed;
    };

    AccountWriter& m_writer;
    const MoneyDisplay& m_display;
    QLocale m_locale;
    std::vector<Row> m_rows;
};

} // namespace tallyra::app
