#pragma once

// SetBalancesSheet: what every open account holds now, entered at once in
// one table; saving is one undoable step.
//
// Threading: main thread only.

#include "widgets/sheet.h"

class QTableView;

namespace tallyra::app {

class MessageBar;
class SetBalancesModel;
struct WindowContext;

class SetBalancesSheet final : public Sheet
{
    Q_OBJECT

public:
    SetBalancesSheet(WindowContext& context, QWidget* parent);

    [[nodiscard]] SetBalancesModel& model() const noexcept { return *m_model; }
    [[nodiscard]] bool hasChanges() const override;
    void accept() override;

private:
    SetBalancesModel* m_model;
    QTableView* m_table;
    MessageBar* m_message;
};

} // namespace tallyra::app
