#pragma once

// DeleteAccountSheet: confirms deleting an account and asks what happens
// to its transactions — moved to another account in the same currency, or
// deleted with it. The step can be undone, which the sheet says.
//
// Threading: main thread only.

#include <QDialog>

#include "base/typed_id.h"
#include "widgets/sheet.h"

class QComboBox;

namespace tallyra::app {

class MessageBar;
struct WindowContext;

class DeleteAccountSheet final : public Sheet
{
    Q_OBJECT

public:
    DeleteAccountSheet(WindowContext& context, const AccountId& id, QWidget* parent);

    void accept() override;

private:
    WindowContext& m_context;
    AccountId m_id;
    QComboBox* m_destination = nullptr;
    MessageBar* m_message;
};

} // namespace tallyra::app
