#include "sheets/account/delete_account_sheet.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "base/error.h"
#include "reports/ledger_index.h"
#include "services/app_services.h"
#include "shell/app_model.h"
#include "shell/app_writers.h"
#include "theme/theme.h"
#include "widgets/message_bar.h"
#include "window/window_context.h"

namespace tallyra::app {

DeleteAccountSheet::DeleteAccountSheet(WindowContext& context, const AccountId& id, QWidget* parent)
    : Sheet(parent), m_context(context), m_id(id), m_message(new MessageBar)
{
    const auto& index = context.services.store().index();
    const Account* account = index ? index->account(id) : nullptr;
    const QString name = account ? account->name : QString();
    setWindowTitle(tr("Delete Account"));
    auto* heading = new QLabel(tr("Delete “%1”?").arg(name));
    heading->setFont(Theme::scaled(font(), 1.2, QFont::DemiBold));
    heading->setWordWrap(true);
    body()->addWidget(heading);
    m_message->hide();
    body()->addWidget(m_message);

    const bool hasTransactions = index && account && index->hasActivity(id);
    if (hasTransactions) {
        auto* text = new QLabel(tr("Its transactions can move to another account in %1 or be "
                                   "deleted with it.")
                                    .arg(account->currency));
        text->setWordWrap(true);
        body()->addWidget(text);
        m_destination = new QComboBox;
        for (const Account& other : index->accounts())
            if (other.id != id && other.currency == account->currency)
                m_destination->addItem(tr("Move them to %1").arg(other.name), other.id.toString());
        m_destination->addItem(tr("Delete them too"));
        auto* form = new QFormLayout;
        form->addRow(tr("Transactions"), m_destination);
        body()->addLayout(form);
    }
    auto* undo = new QLabel(tr("You can undo this with Ctrl+Z."));
    undo->setForegroundRole(QPalette::PlaceholderText);
    body()->addWidget(undo);
    setAcceptButton(tr("Delete Account"));
    addCancelButton();
    setMinimumWidth(fontMetrics().averageCharWidth() * 50);
}

void DeleteAccountSheet::accept()
{
    const auto destination = m_destination
                                 ? AccountId::fromString(m_destination->currentData().toString())
                                 : std::nullopt;
    try {
        m_context.writers.catalog().accounts().deleteAccount(
            m_id, destination ? AccountTransactions::move(*destination)
                              : AccountTransactions::deleteAll());
    } catch (const Error& error) {
        m_message->showMessage(error.userMessage(), Tone::expense);
        return;
    }
    Sheet::accept();
}

} // namespace tallyra::app
