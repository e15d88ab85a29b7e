#include "sheets/account/balance_history_sheet.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "base/error.h"
#include "reports/ledger_index.h"
#include "services/app_services.h"
#include "sheets/account/balance_history_model.h"
#include "shell/app_model.h"
#include "shell/app_writers.h"
#include "widgets/empty_state.h"
#include "widgets/message_bar.h"
#include "window/window_context.h"

namespace tallyra::app {

BalanceHistorySheet::BalanceHistorySheet(WindowContext& context, const AccountId& account,
                                         QWidget* parent)
    : Sheet(parent), m_context(context), m_account(account),
      m_model(
          new BalanceHistoryModel(account, context.display, context.model.periodEngine(), this)),
      m_list(new QTreeView), m_empty(new EmptyState), m_edit(new QPushButton(tr("Edit…"))),
      m_delete(new QPushButton(tr("Delete"))), m_message(new MessageBar)
{
    const auto& index = context.services.store().index();
    const Account* owner = index ? index->account(account) : nullptr;
    setWindowTitle(owner ? tr("Balance History — %1").arg(owner->name) : tr("Balance History"));
    m_message->hide();
    body()->addWidget(m_message);
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->setAccessibleName(tr("Balance History"));
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(BalanceHistoryModel::DayColumn, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(BalanceHistoryModel::BalanceColumn,
                                           QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(BalanceHistoryModel::ChangeColumn,
                                           QHeaderView::ResizeToContents);
    m_empty->setCompact(true);
    m_empty->setContent(QStringLiteral("calendar"), tr("No Balances Recorded"),
                        tr("Record what the account holds to keep it in step with your bank."));
    body()->addWidget(m_list, 1);
    body()->addWidget(m_empty, 1);

    auto* row = new QHBoxLayout;
    auto* record = new QPushButton(tr("Change Balance…"));
    row->addWidget(record);
    row->addWidget(m_edit);
    row->addWidget(m_delete);
    row->addStretch(1);
    body()->addLayout(row);
    buttons()->addButton(tr("Done"), QDialogButtonBox::AcceptRole)->setDefault(true);

    connect(record, &QPushButton::clicked, this, [this] {
        m_context.model.present(EditorRequest::Balance{BalanceEditing{m_account, std::nullopt}});
    });
    const auto editSelected = [this] {
        if (const auto id = selected())
            m_context.model.present(EditorRequest::Balance{BalanceEditing{m_account, *id}});
    };
    connect(m_edit, &QPushButton::clicked, this, editSelected);
    connect(m_list, &QTreeView::doubleClicked, this, editSelected);
    connect(m_delete, &QPushButton::clicked, this, [this] {
        const auto id = selected();
        if (!id)
            return;
        try {
            m_context.writers.catalog().accounts().deleteBalanceChange(*id);
        } catch (const Error& error) {
            m_message->showMessage(error.userMessage(), Tone::expense);
        }
    });
    connect(&context.services.store(), &LedgerStore::indexChanged, this,
            &BalanceHistorySheet::refresh);
    refresh();
    const int line = fontMetrics().height();
    resize(fontMetrics().averageCharWidth() * 70, line * 24);
}

std::optional<CheckpointId> BalanceHistorySheet::selected() const
{
    return m_model->checkpointAt(m_list->currentIndex().row());
}

void BalanceHistorySheet::refresh()
{
    m_model->setIndex(m_context.services.store().index().get());
    const bool empty = m_model->rowCount() == 0;
    m_list->setVisible(!empty);
    m_empty->setVisible(empty);
    m_edit->setEnabled(!empty);
    m_delete->setEnabled(!empty);
    if (!empty && !m_list->currentIndex().isValid())
        m_list->setCurrentIndex(m_model->index(0, 0));
}

} // namespace tallyra::app
