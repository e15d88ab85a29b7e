#pragma once

// BalanceHistorySheet: every balance recorded for one account, with the
// actions to record a new one, correct one or delete one. Correcting or
// recording opens the balance sheet in its place (one sheet at a time).
//
// Threading: main thread only.

#include <QDialog>

#include "base/typed_id.h"
#include "widgets/sheet.h"

class QPushButton;
class QTreeView;

namespace tallyra::app {

class BalanceHistoryModel;
class EmptyState;
class MessageBar;
struct WindowContext;

class BalanceHistorySheet final : public Sheet
{
    Q_OBJECT

public:
    BalanceHistorySheet(WindowContext& context, const AccountId& account, QWidget* parent);

    [[nodiscard]] BalanceHistoryModel& model() const noexcept { return *m_model; }

private:
    void refresh();
    [[nodiscard]] std::optional<CheckpointId> selected() const;

    WindowContext& m_context;
    AccountId m_account;
    BalanceHistoryModel* m_model;
    QTreeView* m_list;
    EmptyState* m_empty;
    QPushButton* m_edit;
    QPushButton* m_delete;
    MessageBar* m_message;
};

} // namespace tallyra::app
