#include "sheets/account/balance_sheet.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/error.h"
#include "money/currency.h"
#include "money/money_input.h"
#include "reports/ledger_index.h"
#include "services/app_services.h"
#include "shell/app_model.h"
#include "shell/app_writers.h"
#include "widgets/message_bar.h"
#include "window/window_context.h"

namespace tallyra::app {

BalanceSheet::BalanceSheet(WindowContext& context, const BalanceEditing& request, QWidget* parent)
    : Sheet(parent), m_context(context), m_account(request.account),
      m_checkpoint(request.checkpoint), m_amount(new QLineEdit), m_day(new QDateEdit),
      m_message(new MessageBar)
{
    const auto& index = context.services.store().index();
    const PeriodEngine& engine = context.model.periodEngine();
    const QDate today = engine.dayOf(engine.today());
    std::optional<BalanceCheckpoint> existing;
    if (index && m_checkpoint) {
        for (const Account& account : index->accounts())
            for (const BalanceCheckpoint& checkpoint : index->checkpoints(account.id))
                if (checkpoint.id == *m_checkpoint)
                    existing = checkpoint;
    }
    if (existing)
        m_account = existing->accountID;
    const Account* account = (index && m_account) ? index->account(*m_account) : nullptr;
    m_currency = account ? account->currency : Currency::main();
    setWindowTitle(existing ? tr("Edit Balance Change") : tr("Change Balance"));

    auto* intro = new QLabel(account ? tr("What %1 held at the end of the day. Transactions stay "
                                          "as they are; the difference is recorded as a "
                                          "balance change.")
                                           .arg(account->name)
                                     : QString());
    intro->setWordWrap(true);
    body()->addWidget(intro);
    m_message->hide();
    body()->addWidget(m_message);
    auto* form = new QFormLayout;
    const Money shown = existing
                            ? existing->balance
                            : (account ? index->currentBalance(account->id) : Money{0, m_currency});
    m_initialText = MoneyInput::editingText(shown.decimal(), m_currency, Currency::inputLocale());
    m_amount->setText(m_initialText);
    m_amount->setAlignment(Qt::AlignRight);
    form->addRow(tr("Balance, %1").arg(m_currency), m_amount);
    m_day->setCalendarPopup(true);
    m_day->setMaximumDate(today);
    m_day->setDate(existing ? engine.dayOf(existing->date) : today);
    form->addRow(tr("At the end of"), m_day);
    body()->addLayout(form);
    setAcceptButton(existing ? tr("Save") : tr("Change Balance"));
    if (existing) {
        QPushButton* remove =
            buttons()->addButton(tr("Delete Balance Change"), QDialogButtonBox::DestructiveRole);
        connect(remove, &QPushButton::clicked, this, &BalanceSheet::remove);
    }
    addCancelButton();
    setMinimumWidth(fontMetrics().averageCharWidth() * 55);
    m_amount->selectAll();
    m_amount->setFocus();
}

bool BalanceSheet::hasChanges() const
{
    return m_amount->text() != m_initialText;
}

void BalanceSheet::accept()
{
    const auto value = MoneyInput::evaluate(m_amount->text(), Currency::inputLocale());
    if (!value) {
        m_message->showMessage(tr("The balance isn’t a number."), Tone::expense);
        return;
    }
    try {
        AccountWriter& writer = m_context.writers.catalog().accounts();
        if (m_checkpoint)
            writer.editBalanceChange(*m_checkpoint, *value, m_day->date());
        else if (m_account)
            writer.changeBalance(*m_account, *value, m_day->date());
    } catch (const Error& error) {
        m_message->showMessage(error.userMessage(), Tone::expense);
        return;
    }
    Sheet::accept();
}

void BalanceSheet::remove()
{
    if (!m_checkpoint)
        return;
    try {
        m_context.writers.catalog().accounts().deleteBalanceChange(*m_checkpoint);
    } catch (const Error& error) {
        m_message->showMessage(error.userMessage(), Tone::expense);
        return;
    }
    Sheet::accept();
}

} // namespace tallyra::app
