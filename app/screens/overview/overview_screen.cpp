#include "screens/overview/overview_screen.h"

#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "reports/ledger_index.h"
#include "screens/overview/first_run_view.h"
#include "services/app_services.h"
#include "shell/app_commands.h"
#include "theme/theme.h"
#include "window/command_actions.h"

namespace tallyra::app {

OverviewScreen::OverviewScreen(WindowContext& context, QWidget* parent)
    : Screen(Destination::overview, context, parent), m_pages(new QStackedWidget),
      m_firstRun(new FirstRunView(context.actions.action(AppCommand::newAccount),
                                  context.actions.action(AppCommand::newTransaction))),
      m_report(new QLabel(title(Destination::overview)))
{
    auto* report = static_cast<QLabel*>(m_report);
    report->setFont(Theme::scaled(font(), 1.6, QFont::DemiBold));
    report->setAlignment(Qt::AlignCenter);
    m_pages->addWidget(m_firstRun);
    m_pages->addWidget(m_report);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);
    connect(&context.services.store(), &LedgerStore::indexChanged, this, &OverviewScreen::refresh);
    refresh();
}

bool OverviewScreen::showsFirstRun() const
{
    return m_pages->currentWidget() == m_firstRun;
}

void OverviewScreen::refresh()
{
    const auto& index = context().services.store().index();
    const LedgerStage stage = index ? index->stage() : LedgerStage::noAccounts;
    m_firstRun->setHasAccount(stage != LedgerStage::noAccounts);
    m_pages->setCurrentWidget(stage == LedgerStage::active ? m_report
                                                           : static_cast<QWidget*>(m_firstRun));
}

} // namespace tallyra::app
