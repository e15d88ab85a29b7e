#pragma once

// AccountSheet: adds or edits an account — name, kind, currency, note,
// what it holds today and since when (new accounts), and for cards and
// loans the limit, statement and payment days and the interest rate. The
// fields follow the chosen kind; a refused save shows the writer's message
// inside the sheet and keeps it open.
//
// Threading: main thread only.

#include <memory>

#include "sheets/account/account_sheet_model.h"
#include "widgets/sheet.h"

class QComboBox;
class QDateEdit;
class QFormLayout;
class QLineEdit;
class QSpinBox;

namespace tallyra::app {

class MessageBar;
struct WindowContext;

class AccountSheet final : public Sheet
{
    Q_OBJECT

public:
    AccountSheet(WindowContext& context, std::optional<AccountId> id, QWidget* parent);
    ~AccountSheet() override;

    [[nodiscard]] AccountSheetModel& model() noexcept { return *m_model; }
    [[nodiscard]] bool hasChanges() const override;
    [[nodiscard]] MessageBar* message() const noexcept { return m_message; }

    void accept() override;

private:
    void kindChanged();
    // The widgets' values into the model (which the sheet owns).
    void readWidgets() const;

    std::unique_ptr<AccountSheetModel> m_model;
    QFormLayout* m_form;
    QLineEdit* m_name;
    QComboBox* m_kind;
    QComboBox* m_currency;
    QLineEdit* m_detail;
    QLineEdit* m_balance = nullptr;
    QDateEdit* m_balanceDate = nullptr;
    QLineEdit* m_limit;
    QSpinBox* m_statement;
    QSpinBox* m_payment;
    QLineEdit* m_interest;
    MessageBar* m_message;
};

} // namespace tallyra::app
