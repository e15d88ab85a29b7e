#pragma once

// FirstRunView: what the Overview shows while the ledger has no
// transactions yet: a welcome line and the two first steps, "Add an
// account" and "Record a transaction", each with its button. The second
// step's button waits for an account ("Add an account first"); a step that
// is done shows a check mark instead of its button.
//
// Threading: main thread only.

#include <QWidget>

class QAction;
class QLabel;
class QPushButton;

namespace tallyra::app {

class SymbolLabel;

class FirstRunView final : public QWidget
{
    Q_OBJECT

public:
    FirstRunView(QAction* addAccount, QAction* newTransaction, QWidget* parent = nullptr);

    // Whether the ledger has an account (the first step is done).
    void setHasAccount(bool hasAccount);
    [[nodiscard]] QPushButton* addAccountButton() const noexcept { return m_addAccount; }
    [[nodiscard]] QPushButton* recordButton() const noexcept { return m_record; }

private:
    QAction* m_newTransaction;
    QPushButton* m_addAccount;
    QPushButton* m_record;
    SymbolLabel* m_accountIcon;
    QLabel* m_accountDone;
    bool m_hasAccount = false;
};

} // namespace tallyra::app
