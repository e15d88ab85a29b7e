#pragma once

// BalanceSheet: records what an account held at the end of a day, or
// corrects (or deletes) a balance recorded before. The account's
// transactions stay as they are; the difference shows as a balance change.
//
// Threading: main thread only.

#include <optional>

#include <QDialog>

#include "base/typed_id.h"
#include "money/money.h"
#include "shell/editor_request.h"
#include "widgets/sheet.h"

class QDateEdit;
class QLineEdit;

namespace tallyra::app {

class MessageBar;
struct WindowContext;

class BalanceSheet final : public Sheet
{
    Q_OBJECT

public:
    BalanceSheet(WindowContext& context, const BalanceEditing& request, QWidget* parent);

    [[nodiscard]] bool hasChanges() const override;
    void accept() override;

private:
    void remove();

    WindowContext& m_context;
    std::optional<AccountId> m_account;
    std::optional<CheckpointId> m_checkpoint;
    CurrencyCode m_currency;
    QString m_initialText;
    QLineEdit* m_amount;
    QDateEdit* m_day;
    MessageBar* m_message;
};

} // namespace tallyra::app
