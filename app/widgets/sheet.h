#pragma once

// Sheet: the base of every dialog that edits something (transaction,
// account, category, plan, balance, welcome). Window-modal over the main
// window and centred on it, one at a time; the content goes into body(),
// the buttons are a QDialogButtonBox laid out in the desktop's order with
// buttons that name their action ("Add Expense", "Save", never OK).
//
// Closing: Esc, the Cancel button and the window's close button all go
// through reject(); when hasChanges() says the form was edited, the sheet
// asks "Discard changes?" with "Discard" and "Keep Editing" (the safe
// button is the default) before it closes.
//
// Threading: main thread only.

#include <QDialog>

class QDialogButtonBox;
class QPushButton;
class QVBoxLayout;

namespace tallyra::app {

class Sheet : public QDialog
{
    Q_OBJECT

public:
    explicit Sheet(QWidget* parent);

    [[nodiscard]] QVBoxLayout* body() const noexcept { return m_body; }
    [[nodiscard]] QDialogButtonBox* buttons() const noexcept { return m_buttons; }
    // The button that confirms (AcceptRole, default); text names the action.
    QPushButton* setAcceptButton(const QString& text);
    // A Cancel button (RejectRole).
    QPushButton* addCancelButton();

    // Whether closing now would lose edits; false by default.
    [[nodiscard]] virtual bool hasChanges() const { return false; }
    // Asks "Discard changes?"; true when the user chose Discard.
    [[nodiscard]] bool confirmDiscard();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QVBoxLayout* m_body;
    QDialogButtonBox* m_buttons;
};

} // namespace tallyra::app
