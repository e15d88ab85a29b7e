#pragma once

// TransactionEditorSheet: the sheet that adds a transaction (Ctrl+N on any
// screen) or edits one, over a TransactionEditorModel, which decides what
// shows and what saving does; the sheet binds fields to it.
//
// Fields: the kind, the amount (focused on open; "," or "." as the decimal
// mark, a small calculation too), the account ("From" and "To" for a
// transfer, and "Received" when the two currencies differ), the category
// (completes from any word of its path), the date, the payee, the
// contact, the note, tags, the receipt and, when tracked, "Cleared". The
// draft's first problem stands under the form and keeps Save disabled.
//
// Keys: Return saves from any field (and with "Keep open for the next one"
// clears the form for the next transaction, focus back in the amount);
// Ctrl+Return saves and closes either way.
//
// Threading: main thread only.

#include <memory>
#include <optional>

#include <QDialog>

#include "base/typed_id.h"
#include "widgets/sheet.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tallyra::app {

class SegmentedSwitcher;
class ToneLabel;
class TransactionEditorModel;
struct WindowContext;

class TransactionEditorSheet final : public Sheet
{
    Q_OBJECT

public:
    // editing: the transaction to edit; none adds a new one.
    TransactionEditorSheet(WindowContext& context, std::optional<EntryId> editing, QWidget* parent);
    ~TransactionEditorSheet() override;

    [[nodiscard]] bool hasChanges() const override;
    [[nodiscard]] TransactionEditorModel& model() const noexcept { return *m_model; }
    [[nodiscard]] QLineEdit* amountField() const noexcept { return m_amount; }
    [[nodiscard]] QLineEdit* payeeField() const noexcept { return m_payee; }
    [[nodiscard]] QComboBox* categoryField() const noexcept { return m_category; }
    [[nodiscard]] QCheckBox* keepOpenBox() const noexcept { return m_keepOpen; }
    [[nodiscard]] QString inlineMessage() const;
    // Saves as Return would (closing unless the form stays open).
    void save(bool close);

    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildForm();
    void refreshFromModel();
    void refreshMessage();
    void fillAccounts();
    void fillCategories();
    void chooseReceipt();

    WindowContext& m_context;
    std::unique_ptr<TransactionEditorModel> m_model;
    bool m_refreshing = false;
    bool m_amountEdited = false;
    SegmentedSwitcher* m_kind = nullptr;
    QLineEdit* m_amount = nullptr;
    QLabel* m_currency = nullptr;
    QLabel* m_accountLabel = nullptr;
    QComboBox* m_account = nullptr;
    QLabel* m_toAccountLabel = nullptr;
    QComboBox* m_toAccount = nullptr;
    QLabel* m_receivedLabel = nullptr;
    QLineEdit* m_received = nullptr;
    QLabel* m_categoryLabel = nullptr;
    QComboBox* m_category = nullptr;
    QDateEdit* m_date = nullptr;
    QLineEdit* m_payee = nullptr;
    QComboBox* m_contact = nullptr;
    QLineEdit* m_note = nullptr;
    QLineEdit* m_tags = nullptr;
    QLabel* m_receiptText = nullptr;
    QPushButton* m_receiptButton = nullptr;
    QPushButton* m_removeReceipt = nullptr;
    QCheckBox* m_cleared = nullptr;
    QCheckBox* m_keepOpen = nullptr;
    ToneLabel* m_message = nullptr;
    QPushButton* m_save = nullptr;
};

} // namespace tallyra::app
