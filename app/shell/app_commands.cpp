#include "app_commands.h"

#include <QCoreApplication>

#include "app_model.h"
#include "services/csv_export.h"
#include "services/ledger_store.h"

namespace tallyra::app {

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("AppCommands", text);
}

} // namespace

AppCommands::AppCommands(AppModel& model, LedgerStore* store, bool storeAvailable, QTimeZone zone,
                         QObject* parent)
    : QObject(parent), m_model(model), m_store(store), m_storeAvailable(storeAvailable),
      m_zone(std::move(zone))
{
    connect(&m_model, &AppModel::destinationChanged, this, &AppCommands::changed);
    connect(&m_model, &AppModel::screenActionsChanged, this, &AppCommands::changed);
    connect(&m_model, &AppModel::periodChanged, this, &AppCommands::changed);
    connect(&m_model, &AppModel::periodEngineChanged, this, &AppCommands::changed);
    connect(&m_model, &AppModel::ledgerStartChanged, this, &AppCommands::changed);
    connect(&m_model, &AppModel::hidesBalancesChanged, this, &AppCommands::changed);
}

AppCommands::~AppCommands() = default;

CommandDescription AppCommands::description(AppCommand command) const
{
    const AppCommandCase& row = kAppCommands[command];
    CommandDescription described{
        command,         row.menu,
        title(command),  row.shortcut ? QKeySequence(*row.shortcut) : QKeySequence(),
        QAction::NoRole, isEnabled(command)};
    if (command == AppCommand::settings)
        described.role = QAction::PreferencesRole;
    if (command == AppCommand::toggleBalances && m_model.hidesBalances())
        described.title = translated(QT_TRANSLATE_NOOP("AppCommands", "Show Balances"));
    return described;
}

bool AppCommands::isEnabled(AppCommand command) const
{
    switch (command) {
    case AppCommand::support:
    case AppCommand::privacy:
    case AppCommand::welcome:
        return true;
    default:
        break;
    }
    if (!m_storeAvailable)
        return false;
    const ScreenActions* actions = m_model.screenActions(m_model.destination());
    switch (command) {
    case AppCommand::edit:
        return actions && actions->edit;
    case AppCommand::duplicate:
        return actions && actions->duplicate;
    case AppCommand::previousPeriod:
        return m_model.canStepPeriod(PeriodSelection::Direction::older);
    case AppCommand::nextPeriod:
        return m_model.canStepPeriod(PeriodSelection::Direction::newer);
    default:
        return true;
    }
}

bool AppCommands::trigger(AppCommand command)
{
    if (!isEnabled(command))
        return false;
    switch (command) {
    case AppCommand::newTransaction:
        m_model.compose();
        break;
    case AppCommand::newAccount:
        m_model.present(EditorRequest::Account{});
        break;
    case AppCommand::exportTransactions:
        m_model.setExportDocument(m_store ? CSVExport::text(*m_store->index(), m_zone)
                                          : QString::fromUtf16(CSVExport::kHeader) + u'\n');
        break;
    case AppCommand::backUp:
        m_model.setChoosingBackupFolder(true);
        break;
    case AppCommand::settings:
        m_model.setDestination(Destination::settings);
        break;
    case AppCommand::edit:
        return m_model.runEdit();
    case AppCommand::duplicate:
        return m_model.runDuplicate();
    case AppCommand::overview:
        m_model.setDestination(Destination::overview);
        break;
    case AppCommand::transactions:
        m_model.setDestination(Destination::transactions);
        break;
    case AppCommand::categories:
        m_model.setDestination(Destination::categories);
        break;
    case AppCommand::accounts:
        m_model.setDestination(Destination::accounts);
        break;
    case AppCommand::search:
        m_model.focusSearch();
        break;
    case AppCommand::toggleBalances:
        m_model.toggleHiddenBalances();
        break;
    case AppCommand::previousPeriod:
        m_model.stepPeriod(PeriodSelection::Direction::older);
        break;
    case AppCommand::nextPeriod:
        m_model.stepPeriod(PeriodSelection::Direction::newer);
        break;
    case AppCommand::welcome:
        m_model.showWelcome();
        break;
    case AppCommand::support:
        emit openUrl(QUrl(QString::fromLatin1(kSupportUrl)));
        break;
    case AppCommand::privacy:
        emit openUrl(QUrl(QString::fromLatin1(kPrivacyUrl)));
        break;
    }
    return true;
}

QAction* AppCommands::makeAction(AppCommand command, QObject* parent)
{
    auto* action = new QAction(parent);
    const auto update = [this, action, command] {
        const CommandDescription described = description(command);
        action->setText(described.title);
        action->setShortcut(described.shortcut);
        action->setMenuRole(described.role);
        action->setEnabled(described.isEnabled);
    };
    update();
    connect(this, &AppCommands::changed, action, update);
    connect(action, &QAction::triggered, this, [this, command] { trigger(command); });
    return action;
}

} // namespace tallyra::app
