#include "sheets/account/set_balances_sheet.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "money/currency.h"
#include "services/app_services.h"
#include "sheets/account/set_balances_model.h"
#include "shell/app_writers.h"
#include "widgets/message_bar.h"
#include "window/window_context.h"

namespace tallyra::app {

SetBalancesSheet::SetBalancesSheet(WindowContext& context, QWidget* parent)
    : Sheet(parent), m_model(new SetBalancesModel(context.services.store().index().get(),
                                                  context.writers.catalog().accounts(),
                                                  context.display, Currency::inputLocale(), this)),
      m_table(new QTableView), m_message(new MessageBar)
{
    setWindowTitle(tr("Set Balances"));
    auto* intro = new QLabel(tr("Type what each account holds now; leave the rest as they are. "
                                "Every change is recorded for today."));
    intro->setWordWrap(true);
    body()->addWidget(intro);
    m_message->hide();
    body()->addWidget(m_message);
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    m_table->setShowGrid(false);
    m_table->setAlternatingRowColors(true);
    m_table->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setSectionResizeMode(SetBalancesModel::AccountColumn,
                                                      QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(SetBalancesModel::CurrentColumn,
                                                      QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(SetBalancesModel::NewColumn,
                                                      QHeaderView::Stretch);
    m_table->setAccessibleName(tr("Balances"));
    body()->addWidget(m_table, 1);
    setAcceptButton(tr("Save Balances"));
    addCancelButton();
    const int line = fontMetrics().height();
    resize(fontMetrics().averageCharWidth() * 80, line * 2 * (m_model->rowCount() + 6));
    m_table->setCurrentIndex(m_model->index(0, SetBalancesModel::NewColumn));
    m_table->setFocus();
}

bool SetBalancesSheet::hasChanges() const
{
    return m_model->hasChanges();
}

void SetBalancesSheet::accept()
{
    if (const auto message = m_model->save()) {
        m_message->showMessage(*message, Tone::expense);
        return;
    }
    Sheet::accept();
}

} // namespace tallyra::app
